// A headless game for the cellar's screens: the test archive with the fonts and the land,
// plus plain pictures and a cellar hit mask of small zones, one at each door.
#pragma once

#include "app/Script.h"
#include "app/TestApp.h"
#include "players/PlayerManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cellartest {

// Each door picture one plain colour, so a pixel tells which door covers it.
uint16_t doorColour(int place);
inline constexpr uint16_t kTagColour = 0x0010;
inline constexpr int kZoneSize = 10;  // each door's zone: 10 x 10 from its picture's corner

// A screen registered under a name that only records how it was opened.
class RecordingScreen : public Screen {
public:
  explicit RecordingScreen(const char* name) : name_(name) {}
  void getName(String& out) override { out = name_; }
  void visible(bool on, ScreenParam param) override {
    if (on) params.push_back(param);
  }
  void run(String& next) override { next = String(); }
  void draw(uint16_t*) override {}

  std::vector<ScreenParam> params;

private:
  const char* name_;
};

class CellarFixture : public ::testing::Test {
protected:
  CellarFixture();
  ~CellarFixture() override;

  void play(const std::string& text);
  // Shows the screen as the screen loop does, runs it and hides it; its next name.
  std::string run(Screen& screen, ScreenParam param = 0);
  Player& player(int index) { return *PlayerManager::instance().player(index); }
  // Makes the player's list hold exactly these dragons: (health, at home).
  void giveDragons(Player& owner, const std::vector<std::pair<int, bool>>& dragons);
  uint16_t pixel(int x, int y) const;

  TestRig rig;
  ScriptRunner script{rig.backend};
};

}  // namespace cellartest
