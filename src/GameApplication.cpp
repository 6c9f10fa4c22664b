#include "GameApplication.h"

#include "app/ScreenManager.h"
#include "res/Files.h"

#include <cstring>
#include <memory>
#include <vector>

namespace {

// Until the intro is built, the game opens on a screen with the base behaviour: it shows
// itself and ends the game on the next tap.
class FirstScreen : public Screen {
public:
  void getName(String& out) override { out = "INTRO"; }
};

std::vector<std::unique_ptr<Screen>>& screens() {
  static std::vector<std::unique_ptr<Screen>> all;
  return all;
}

}  // namespace

GameApplication::GameApplication(platform::Platform& platform) : Application(platform) {}

GameApplication::~GameApplication() = default;

void GameApplication::start() {
  applySettings();
  restartRequested = false;
  registerScreens();
  ScreenManager::instance().runScreens(String("INTRO"), 0);
  while (restartRequested) {
    restartRequested = false;
    clearScreen(0);
    ScreenManager::instance().runScreens(String("START"), 0);
  }
}

// The settings file holds eight 32-bit words; a shorter file is ignored. Words 2 to 5 map
// the direction keys, word 6 turns the picture.
void GameApplication::applySettings() {
  auto settings = readBesideProgram(String("settings.dta"));
  if (!settings || settings->size() < 32) return;
  int32_t words[8];
  std::memcpy(words, settings->data(), sizeof words);
  setKeyMapping(words[2], words[3], words[4], words[5]);
  turned = words[6] != 0;
}

void GameApplication::registerScreens() {
  ScreenManager& manager = ScreenManager::instance();
  auto add = [&](std::unique_ptr<Screen> screen) {
    String name;
    screen->getName(name);
    if (manager.addScreen(name, screen.get())) screens().push_back(std::move(screen));
  };
  add(std::make_unique<FirstScreen>());
}
