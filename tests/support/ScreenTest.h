// A headless game for one screen's tests: the test archive with the pictures and zone map
// the screen reads, the application opened on it, a script of taps to play, and recorders
// in place of the screens it opens. What it set up it takes down, so each test starts anew.
#pragma once

#include "app/Script.h"
#include "app/TestApp.h"
#include "gfx/FontManager.h"
#include "gfx/TestPictures.h"
#include "players/ItemManager.h"
#include "players/PlayerManager.h"
#include "res/ResourceArchive.h"
#include "support/TestContent.h"
#include "world/CountryManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace screentest {

using testcontent::Entries;

// A rectangle of a zone map, edges included, and its colour.
struct Zone {
  int left, top, right, bottom;
  uint16_t colour;
};

// A 320 x 240 zone map, black outside the zones; a later zone paints over an earlier one.
inline RgbImage zoneImage(const std::vector<Zone>& zones) {
  RgbImage image{320, 240, std::vector<uint8_t>(320 * 240 * 3, 0)};
  for (const Zone& zone : zones)
    for (int y = zone.top; y <= zone.bottom; ++y)
      for (int x = zone.left; x <= zone.right; ++x) {
        const Rgb c = rgbOf(zone.colour);
        std::copy(c.begin(), c.end(), image.rgb.begin() + (size_t(y) * 320 + size_t(x)) * 3);
      }
  return image;
}
inline std::vector<uint8_t> zoneBmp(const std::vector<Zone>& zones) { return writeBmp24(zoneImage(zones)); }
// The same as a GIF, one palette entry a colour (the castle's map is one).
inline std::vector<uint8_t> zoneGif(const std::vector<Zone>& zones) {
  const RgbImage rgb = zoneImage(zones);
  IndexedImage image{rgb.width, rgb.height, {}, {}};
  for (size_t i = 0; i < rgb.rgb.size(); i += 3) {
    const Rgb c{rgb.rgb[i], rgb.rgb[i + 1], rgb.rgb[i + 2]};
    auto found = std::find(image.palette.begin(), image.palette.end(), c);
    if (found == image.palette.end()) found = image.palette.insert(image.palette.end(), c);
    image.indices.push_back(uint8_t(found - image.palette.begin()));
  }
  while (image.palette.size() < 2) image.palette.push_back({1, 2, 3});
  return writeGif(image);
}

// Script lines: a tap after a pause (`times` of them); a key held a while; a drag.
inline std::string tap(int x, int y, int pauseMs = 50, int times = 1) {
  std::string lines;
  for (int i = 0; i < times; ++i) {
    if (pauseMs) lines += "wait " + std::to_string(pauseMs) + "\n";
    lines += "tap " + std::to_string(x) + " " + std::to_string(y) + "\n";
  }
  return lines;
}
inline std::string key(const std::string& name, int holdMs = 50, int pauseMs = 50) {
  return "wait " + std::to_string(pauseMs) + "\nkey " + name + " down\nwait " + std::to_string(holdMs) + "\nkey " +
         name + " up\n";
}
inline std::string drag(int x0, int y0, int x1, int y1, int pauseMs = 60) {
  const std::string wait = "wait " + std::to_string(pauseMs) + "\n";
  return wait + "press " + std::to_string(x0) + " " + std::to_string(y0) + "\n" + wait + "move " +
         std::to_string(x1) + " " + std::to_string(y1) + "\n" + wait + "release\n";
}

// Stands in for a screen another one opens: notes each opening's parameter (and, given a
// journal, "NAME:param" there, for the order across screens) and returns at once, or after
// `stayMs`.
class RecordingScreen : public Screen {
public:
  explicit RecordingScreen(std::string name, uint32_t stayMs = 0) : name_(std::move(name)), stayMs_(stayMs) {
    ScreenManager::instance().addScreen(String(name_.c_str()), this);
  }
  void getName(String& out) override { out = name_.c_str(); }
  void visible(bool on, ScreenParam param) override {
    if (!on) return;
    params.push_back(param);
    if (journal) journal->push_back(name_ + ":" + std::to_string(param));
    if (onOpen) onOpen();
  }
  void run(String& next) override {
    if (stayMs_) wait(stayMs_);
    next = String();
  }
  void draw(uint16_t* target) override { std::fill(target, target + kScreenPixels, uint16_t(0)); }

  std::vector<ScreenParam> params;
  std::function<void()> onOpen;
  std::vector<std::string>* journal = nullptr;

private:
  std::string name_;
  uint32_t stayMs_;
};

class ScreenTest : public ::testing::Test {
protected:
  explicit ScreenTest(const Entries& pictures = {}, const platform::HeadlessOptions& options = {})
      : folder(testcontent::writeGraphicsArchive(currentTestName(), false, pictures)), rig(options) {}
  ~ScreenTest() override {
    rig.app.setScript(nullptr);
    ScreenManager::instance().clear();
    PlayerManager::destroy();
    CountryManager::destroy();
    ItemManager::destroy();
    Dragon::resetNames();
  }

  void play(const std::string& text) {
    std::string error;
    ASSERT_TRUE(script.load(text, error)) << error;
    rig.app.setScript(&script);
  }
  // Shows the screen as the screen loop does and runs it; its next name. The screen stays
  // shown, so what it holds and draws can be looked at.
  std::string run(Screen& screen, ScreenParam param = 0) {
    ScreenManager::instance().showScreen(&screen, false, param);
    String next("unchanged");
    screen.run(next);
    return next.c_str();
  }
  // Plays the taps on the screen to its end: the screen must have waited for every one.
  std::string visit(Screen& screen, const std::string& taps, ScreenParam param = 0) {
    play(taps);
    std::string next = run(screen, param);
    EXPECT_TRUE(script.finished()) << "the screen ended at script line " << script.pendingLine();
    return next;
  }

  // The picture last drawn, pixel (x, y) of the landscape (the framebuffer is in columns).
  uint16_t pixel(int x, int y) const { return framebuffer()[x * kScreenHeight + (kScreenHeight - 1 - y)]; }
  // Whether glyph ink lies in the box, edges included.
  bool inkIn(int left, int top, int right, int bottom) const {
    for (int x = left; x <= right; ++x)
      for (int y = top; y <= bottom; ++y)
        if (pixel(x, y) == testcontent::kGlyphInk) return true;
    return false;
  }
  uint16_t* framebuffer() const { return const_cast<TestRig&>(rig).app.getFramebuffer(); }
  Player& player(int index) { return *PlayerManager::instance().player(index); }

  std::string folder;  // first: the rig opens the archive written here
  TestRig rig;
  ScriptRunner script{rig.backend};
};

}  // namespace screentest
