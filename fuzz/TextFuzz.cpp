// Any bytes as one of the small texts the game reads: the settings file (FUZZ_SETTINGS),
// a script (FUZZ_SCRIPT) or the command line (FUZZ_OPTIONS, its words split at NUL bytes).
// Each must be taken or refused with a message, never read past or trusted.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#if defined(FUZZ_SETTINGS)
#include "screens/SettingsFile.h"

#include <cstring>

// Usable settings survive a write and a read unchanged.
void take(const uint8_t* data, size_t size) {
  auto settings = Settings::decode(data, size);
  if (!settings || !settings->isUsable()) return;
  auto bytes = settings->encode();
  auto again = Settings::decode(bytes.data(), bytes.size());
  if (!again || !again->isUsable() || std::memcmp(&again->colourFactor, &settings->colourFactor, sizeof(double)) != 0 ||
      again->up != settings->up || again->down != settings->down || again->left != settings->left ||
      again->right != settings->right || again->turned != settings->turned || again->soundOn != settings->soundOn)
    std::abort();
}
#elif defined(FUZZ_SCRIPT)
#include "app/Script.h"
#include "platform/headless/HeadlessPlatform.h"

// A script that loads has no error; one that does not names its line.
void take(const uint8_t* data, size_t size) {
  static platform::HeadlessPlatform backend;
  ScriptRunner runner(backend);
  std::string error;
  bool loaded = runner.load(std::string(reinterpret_cast<const char*>(data), size), error);
  if (loaded != error.empty()) std::abort();
}
#elif defined(FUZZ_OPTIONS)
#include "Options.h"

void take(const uint8_t* data, size_t size) {
  std::vector<std::string> words{"nupavane"};
  std::string word;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      words.push_back(word);
      word.clear();
    } else {
      word += char(data[i]);
    }
  }
  if (size > 0) words.push_back(word);
  std::vector<const char*> argv;
  for (const std::string& w : words) argv.push_back(w.c_str());
  argv.push_back(nullptr);
  Options options;
  std::string error;
  bool parsed = parseOptions(int(words.size()), argv.data(), options, error);
  if (parsed != error.empty()) std::abort();
}
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  take(data, size);
  return 0;
}
