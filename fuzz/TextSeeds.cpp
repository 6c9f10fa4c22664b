// The text fuzzers' seeds: settings files of each flag and pairing, the program's own test
// scripts, or command lines of every option.
#include "FuzzData.h"

#include <filesystem>

#ifdef FUZZ_SETTINGS
#include "screens/SettingsFile.h"
#endif

bool writeSeeds(const std::string& folder) {
  bool written = true;
#if defined(FUZZ_SETTINGS)
  for (int i = 0; i < 4; ++i) {
    Settings s;
    s.turned = i & 1;
    s.soundOn = i & 2;
    if (i == 3) std::swap(s.up, s.left);
    written = writeSeed(folder, "settings" + std::to_string(i), s.encode()) && written;
  }
#elif defined(FUZZ_SCRIPT)
  const std::string scripts = std::string(NUPAVANE_SOURCE_DIR) + "/tests/scripts";
  for (const auto& entry : std::filesystem::directory_iterator(scripts)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    written = writeSeed(folder, entry.path().filename().string(), text) && written;
  }
#elif defined(FUZZ_OPTIONS)
  using namespace std::string_literals;
  const std::string all = "--headless\0--script\0a.txt\0--seed\0004294967295\0--fps\00030\0--scale\0002\0"
                          "--fullscreen\0--no-sound\0--screenshot-dir\0shots\0--display-type\0003"s;
  written = writeSeed(folder, "all", all) && writeSeed(folder, "help", "--help"s) &&
            writeSeed(folder, "version", "--version"s);
#endif
  return written;
}
