// Seeds for the text fuzzers: settings files of each flag and pairing, the program's own
// test scripts, or command lines of every option.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#ifdef FUZZ_SETTINGS
#include "screens/SettingsFile.h"
#endif

namespace {

void write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
#if defined(FUZZ_SETTINGS)
  for (int i = 0; i < 4; ++i) {
    Settings s;
    s.turned = i & 1;
    s.soundOn = i & 2;
    if (i == 3) std::swap(s.up, s.left);
    auto bytes = s.encode();
    write(folder + "/settings" + std::to_string(i), std::string(bytes.begin(), bytes.end()));
  }
#elif defined(FUZZ_SCRIPT)
  namespace fs = std::filesystem;
  for (const auto& entry : fs::directory_iterator(std::string(NUPAVANE_SOURCE_DIR) + "/tests/scripts")) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    write(folder + "/" + entry.path().filename().string(), std::string(std::istreambuf_iterator<char>(in), {}));
  }
#elif defined(FUZZ_OPTIONS)
  using namespace std::string_literals;
  write(folder + "/all", "--headless\0--script\0a.txt\0--seed\0004294967295\0--fps\00030\0--scale\0002\0"
                         "--fullscreen\0--no-sound\0--screenshot-dir\0shots\0--display-type\0003"s);
  write(folder + "/help", "--help"s);
  write(folder + "/version", "--version"s);
#endif
  return 0;
}
