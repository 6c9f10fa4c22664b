#include "app/TestApp.h"

#include "app/Script.h"
#include "core/Random.h"
#include "gfx/FontManager.h"
#include "res/ResourceArchive.h"
#include "screens/FightAnimationScreen.h"
#include "screens/MonthScreensContent.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace monthscreens;

constexpr uint16_t kSkyColour = 0x001F;
constexpr uint16_t kVillageColour = 0x4A69;
constexpr uint16_t kIntact = 0x07E0;
constexpr uint16_t kBurning = 0xFC00;
constexpr uint16_t kRuin = 0xF800;
constexpr uint16_t kDragonColour = 0xFFFF;
constexpr int kHouseSize = 10;  // small enough that neighbouring houses never overlap

class FightAnimationScreenTest : public ::testing::Test {
protected:
  static bool writeContent() {
    Archive archive;
    archive.add("gfx\\action\\label.jpg", plainJpeg(258, 36, 0xC618));
    char name[64];
    for (int i = 0; i <= FightAnimationScreen::kAirFrames; ++i) {
      std::snprintf(name, sizeof name, "gfx\\action\\dragon\\dr%02d.jpg", i);
      archive.add(name, plainJpeg(320, 240, kSkyColour));
    }
    for (int i = 0; i < 3; ++i) {
      std::snprintf(name, sizeof name, "gfx\\action\\village\\bgn%02d.jpg", i);
      archive.add(name, plainJpeg(320, 240, kVillageColour));
    }
    for (int kind = 0; kind < 6; ++kind)
      for (int frame = 0; frame < 13; ++frame) {
        std::snprintf(name, sizeof name, "gfx\\action\\village\\houses\\house%d_%02d.gif", kind, frame);
        const uint16_t colour = frame == 0 ? kIntact : frame == 12 ? kRuin : kBurning;
        archive.add(name, plainGif(kHouseSize, kHouseSize, colour));
      }
    for (const char* motion : {"fl", "fi"})
      for (int frame = 0; frame < 31; ++frame) {
        std::snprintf(name, sizeof name, "gfx\\action\\village\\dragon\\%s%02d.gif", motion, frame);
        archive.add(name, plainGif(64, 64, kDragonColour));
      }
    archive.write(currentTestName());
    return true;
  }
  ~FightAnimationScreenTest() override {
    FontManager::destroy();
    closeGraphicsArchive();
  }
  void play(const std::string& text) {
    std::string error;
    ASSERT_TRUE(script.load(text, error)) << error;
    rig.app.setScript(&script);
  }
  // Opens the screen with the text, plays it and leaves it; the frames it presented.
  int animate(const char* text) {
    String param(text);
    ScreenManager::instance().showScreen(&screen, false, ScreenParam(&param));
    const int before = rig.backend.presentCount();
    String next("unchanged");
    screen.run(next);
    EXPECT_EQ(next.length(), 0);
    return rig.backend.presentCount() - before;
  }

  bool written = writeContent();  // first: the rig and the screen read the archive
  TestRig rig;
  ScriptRunner script{rig.backend};
  FightAnimationScreen screen;
};

TEST_F(FightAnimationScreenTest, ThePrefixChoosesTheSkyOrTheVillage) {
  struct Case {
    const char* text;
    FightAnimationScreen::Mode mode;
    const char* caption;
  };
  const Case cases[] = {
      {"air:Wyrm0 vs. Wyrm3", FightAnimationScreen::Mode::Air, "Wyrm0 vs. Wyrm3"},
      {"grd:Wyrm1 attacks Brill", FightAnimationScreen::Mode::Village, "Wyrm1 attacks Brill"},
      {"air:", FightAnimationScreen::Mode::Air, ""},
      {"air", FightAnimationScreen::Mode::Air, ""},             // no colon: all of it is the prefix
      {"airborne", FightAnimationScreen::Mode::Village, ""},    // anything but "air" burns a village
      {"Air:x", FightAnimationScreen::Mode::Village, "x"},
      {"air:a:b", FightAnimationScreen::Mode::Air, "a:b"},      // only the first colon parts them
  };
  for (const Case& c : cases) {
    String text(c.text);
    screen.visible(true, ScreenParam(&text));
    EXPECT_EQ(screen.mode(), c.mode) << c.text;
    EXPECT_STREQ(screen.caption().c_str(), c.caption) << c.text;
    screen.visible(false, -1);
  }
  // Without a text: the sky, and the caption as it was.
  screen.visible(true, 0);
  EXPECT_EQ(screen.mode(), FightAnimationScreen::Mode::Air);
  EXPECT_STREQ(screen.caption().c_str(), "a:b");
}

TEST_F(FightAnimationScreenTest, TheSkyFightShowsItsFramesUnderTheCaption) {
  EXPECT_EQ(animate("air:Wyrm0 vs. Wyrm3"), FightAnimationScreen::kAirFrames);
  const uint16_t* shown = rig.app.getFramebuffer();
  // The caption on the label, centred; the sky below it.
  EXPECT_TRUE(inkIn(shown, 110, 210, 29 - 21, 29));
  EXPECT_FALSE(inkIn(shown, 0, 320, 29, 240));
  EXPECT_NE(pixelAt(shown, 160, 120), pixelAt(shown, 160, 20));
}

// A fast machine shows the sky fight at the handheld's pace, not as fast as it decodes;
// the village fight keeps its own pace of one pixel a presented frame.
TEST_F(FightAnimationScreenTest, TheSkyFightHoldsEachFrameAtTheHandheldsPaceTheVillageDoesNot) {
  PresentTimes times(rig.backend);
  // The fight alone, from its first frame to its end; not the fade that brings it in.
  auto fightMs = [&](const char* text) {
    String param(text);
    ScreenManager::instance().showScreen(&screen, false, ScreenParam(&param));
    times.ticks.clear();
    const uint32_t start = now();
    String next;
    screen.run(next);
    return now() - start;
  };
  const uint32_t airMs = fightMs("air:Wyrm0 vs. Wyrm3");
  EXPECT_GE(airMs, 2000u);
  EXPECT_LE(airMs, FightAnimationScreen::kAirFrames * (kHandheldFrameMs + 5));
  // The tick counts whole milliseconds of a 16.7 ms virtual frame: one may read short by 1.
  EXPECT_GE(times.shortestHold(0, times.ticks.size()), kHandheldFrameMs - 1);

  const uint32_t villageMs = fightMs("grd:Wyrm1 attacks Brill");
  EXPECT_LT(times.shortestHold(0, times.ticks.size()), kHandheldFrameMs / 2);
  EXPECT_LT(villageMs, FightAnimationScreen::kVillageFrames * 20u);
}

TEST_F(FightAnimationScreenTest, AnEmptyCaptionLeavesTheLabelBlank) {
  EXPECT_EQ(animate("air"), FightAnimationScreen::kAirFrames);
  EXPECT_FALSE(inkIn(rig.app.getFramebuffer(), 0, 320, 0, 240));
}

TEST_F(FightAnimationScreenTest, TheDragonCrossesTheVillageOnePixelAFrame) {
  EXPECT_EQ(animate("grd:Wyrm1 attacks Brill"), FightAnimationScreen::kVillageFrames);
  const uint16_t* shown = rig.app.getFramebuffer();
  EXPECT_TRUE(inkIn(shown, 110, 210, 29 - 21, 29));
  // The last frame: the dragon at x 319, its one visible column at the right edge.
  EXPECT_EQ(pixelAt(shown, 319, FightAnimationScreen::kDragonY + 10), kDragonColour);
  EXPECT_NE(pixelAt(shown, 318, FightAnimationScreen::kDragonY + 10), kDragonColour);
}

TEST_F(FightAnimationScreenTest, APressEndsEitherAnimationEarly) {
  play("wait 200\ntap 160 120\nwait 200\ntap 160 120\n");
  const int air = animate("air:Wyrm0 vs. Wyrm3");
  EXPECT_GT(air, 0);
  EXPECT_LT(air, FightAnimationScreen::kAirFrames);
  const int village = animate("grd:Wyrm1 attacks Brill");
  EXPECT_GT(village, 0);
  EXPECT_LT(village, 100);
  EXPECT_TRUE(script.finished());
}

// The houses are placed by the generator: replayed here to know where each one stands.
TEST_F(FightAnimationScreenTest, EveryFourthHouseStaysWholeTheOthersBurnDown) {
  String text("grd:Wyrm1 attacks Brill");
  ScreenManager::instance().showScreen(&screen, false, ScreenParam(&text));
  for (uint32_t seed : {3u, 11u, 2024u}) {
    seedRandom(seed);
    const int count = randomNumber() % 7 + 5;
    const int step = 240 / count;
    struct Placed {
      int kind, x, y;
    };
    std::vector<Placed> houses;
    for (int i = 0; i < count; ++i) {
      if (i % 4 != 0) randomNumber();  // when its fire starts
      const int kind = randomNumber() % 6;
      const int x = i * step + randomNumber() % 10 + 35;
      const int y = (randomNumber() % 11 + 15) * 6;
      houses.push_back({kind, x, y});
    }
    seedRandom(seed);
    String next;
    screen.run(next);
    const uint16_t* shown = rig.app.getFramebuffer();
    const uint16_t ground = pixelAt(shown, 2, 230);
    for (int i = 0; i < count; ++i) {
      const Placed& h = houses[size_t(i)];
      const uint16_t seen = pixelAt(shown, h.x + kHouseSize / 2, h.y + kHouseSize / 2);
      if (i % 4 == 0) EXPECT_EQ(seen, kIntact) << "seed " << seed << " house " << i;
      else if (h.kind == 5) EXPECT_EQ(seen, kRuin) << "seed " << seed << " house " << i;
      else EXPECT_EQ(seen, ground) << "seed " << seed << " house " << i;
    }
  }
}

}  // namespace
