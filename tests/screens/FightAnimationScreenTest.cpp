// The fight animations: the sky fight's frames and pace, the village fight's dragon and
// burning houses, and the press that ends either.
#include "support/ScreenTest.h"

#include "core/Random.h"
#include "screens/FightAnimationScreen.h"

namespace {

using namespace screentest;
using Mode = FightAnimationScreen::Mode;

constexpr uint16_t kIntact = 0x07E0, kBurning = 0xFC00, kRuin = 0xF800, kDragonColour = 0xFFFF;
constexpr int kHouseSize = 10;  // small enough that neighbouring houses never overlap
const char* const kAir = "air:Wyrm0 vs. Wyrm3";
const char* const kVillage = "grd:Wyrm1 attacks Brill";

std::string numbered(const char* format, int i, int j = 0) { return String::format(format, i, j).c_str(); }

Entries animationPictures() {
  Entries pictures{{"gfx\\action\\label.jpg", plainJpeg(258, 36, 0xC618)}};
  for (int i = 0; i <= FightAnimationScreen::kAirFrames; ++i)
    pictures.emplace_back(numbered("gfx\\action\\dragon\\dr%02d.jpg", i), plainJpeg(320, 240, 0x001F));
  for (int i = 0; i < 3; ++i)
    pictures.emplace_back(numbered("gfx\\action\\village\\bgn%02d.jpg", i), plainJpeg(320, 240, 0x4A69));
  for (int kind = 0; kind < 6; ++kind)
    for (int frame = 0; frame < 13; ++frame)
      pictures.emplace_back(numbered("gfx\\action\\village\\houses\\house%d_%02d.gif", kind, frame),
                            plainGif(kHouseSize, kHouseSize, frame == 0 ? kIntact : frame == 12 ? kRuin : kBurning));
  for (const char* motion : {"fl", "fi"})
    for (int frame = 0; frame < 31; ++frame)
      pictures.emplace_back(std::string("gfx\\action\\village\\dragon\\") + motion + numbered("%02d.gif", frame),
                            plainGif(64, 64, kDragonColour));
  return pictures;
}

class FightAnimationScreenTest : public ScreenTest {
protected:
  FightAnimationScreenTest() : ScreenTest(animationPictures()) {}
  // Opens the screen with the text, plays it and leaves it; the frames it presented.
  int animate(const char* text) {
    const String param(text);
    const int before = rig.backend.presentCount();
    EXPECT_EQ(run(screen, ScreenParam(&param)), "");
    return rig.backend.presentCount() - before;
  }
  bool captionShown() const { return inkIn(110, 8, 209, 28); }

  FightAnimationScreen screen;
};

TEST_F(FightAnimationScreenTest, ThePrefixChoosesTheSkyOrTheVillage) {
  struct Case {
    const char* text;
    Mode mode;
    const char* caption;
  };
  const Case cases[] = {
      {kAir, Mode::Air, "Wyrm0 vs. Wyrm3"},
      {kVillage, Mode::Village, "Wyrm1 attacks Brill"},
      {"air:", Mode::Air, ""},
      {"air", Mode::Air, ""},            // no colon: all of it is the prefix
      {"airborne", Mode::Village, ""},   // anything but "air" burns a village
      {"Air:x", Mode::Village, "x"},
      {"air:a:b", Mode::Air, "a:b"},     // only the first colon parts them
  };
  for (const Case& c : cases) {
    const String text(c.text);
    screen.visible(true, ScreenParam(&text));
    EXPECT_EQ(screen.mode(), c.mode) << c.text;
    EXPECT_STREQ(screen.caption().c_str(), c.caption) << c.text;
    screen.visible(false, -1);
  }
  // Without a text: the sky, and the caption as it was.
  screen.visible(true, 0);
  EXPECT_EQ(screen.mode(), Mode::Air);
  EXPECT_STREQ(screen.caption().c_str(), "a:b");
}

TEST_F(FightAnimationScreenTest, TheSkyFightShowsItsFramesUnderTheCaption) {
  EXPECT_EQ(animate(kAir), FightAnimationScreen::kAirFrames);
  EXPECT_TRUE(captionShown());
  EXPECT_FALSE(inkIn(0, 29, 319, 239));  // the sky below the label
  EXPECT_NE(pixel(160, 120), pixel(160, 20));
  // An empty caption leaves the label blank.
  EXPECT_EQ(animate("air"), FightAnimationScreen::kAirFrames);
  EXPECT_FALSE(inkIn(0, 0, 319, 239));
}

// A fast machine shows the sky fight at the handheld's pace, not as fast as it decodes;
// the village fight keeps its own pace of one pixel a presented frame.
TEST_F(FightAnimationScreenTest, TheSkyFightHoldsEachFrameAtTheHandheldsPaceTheVillageDoesNot) {
  PresentTimes times(rig.backend);
  // The fight alone, from its first frame to its end; not the fade that brings it in.
  auto fightMs = [&](const char* text) {
    const String param(text);
    ScreenManager::instance().showScreen(&screen, false, ScreenParam(&param));
    times.ticks.clear();
    const uint32_t start = now();
    String next;
    screen.run(next);
    return now() - start;
  };
  const uint32_t airMs = fightMs(kAir);
  EXPECT_GE(airMs, 2000u);
  EXPECT_LE(airMs, FightAnimationScreen::kAirFrames * (kHandheldFrameMs + 5));
  // The tick counts whole milliseconds of a 16.7 ms virtual frame: one may read short by 1.
  EXPECT_GE(times.shortestHold(0, times.ticks.size()), kHandheldFrameMs - 1);

  const uint32_t villageMs = fightMs(kVillage);
  EXPECT_LT(times.shortestHold(0, times.ticks.size()), kHandheldFrameMs / 2);
  EXPECT_LT(villageMs, FightAnimationScreen::kVillageFrames * 20u);
}

TEST_F(FightAnimationScreenTest, TheDragonCrossesTheVillageOnePixelAFrame) {
  EXPECT_EQ(animate(kVillage), FightAnimationScreen::kVillageFrames);
  EXPECT_TRUE(captionShown());
  // The last frame: the dragon at x 319, its one visible column at the right edge.
  EXPECT_EQ(pixel(319, FightAnimationScreen::kDragonY + 10), kDragonColour);
  EXPECT_NE(pixel(318, FightAnimationScreen::kDragonY + 10), kDragonColour);
}

TEST_F(FightAnimationScreenTest, APressEndsEitherAnimationEarly) {
  play(tap(160, 120, 200, 2));
  const int air = animate(kAir);
  EXPECT_GT(air, 0);
  EXPECT_LT(air, FightAnimationScreen::kAirFrames);
  const int village = animate(kVillage);
  EXPECT_GT(village, 0);
  EXPECT_LT(village, 100);
  EXPECT_TRUE(script.finished());
}

// The houses are placed by the generator: replayed here to know where each one stands.
TEST_F(FightAnimationScreenTest, EveryFourthHouseStaysWholeTheOthersBurnDown) {
  const String text(kVillage);
  ScreenManager::instance().showScreen(&screen, false, ScreenParam(&text));
  for (uint32_t seed : {3u, 11u, 2024u}) {
    seedRandom(seed);
    const int count = randomNumber() % 7 + 5;
    struct Placed {
      int kind, x, y;
    };
    std::vector<Placed> houses;
    for (int i = 0; i < count; ++i) {
      if (i % 4 != 0) randomNumber();  // when its fire starts
      const int kind = randomNumber() % 6;
      const int x = i * (240 / count) + randomNumber() % 10 + 35;
      houses.push_back({kind, x, (randomNumber() % 11 + 15) * 6});
    }
    seedRandom(seed);
    String next;
    screen.run(next);
    const uint16_t ground = pixel(2, 230);
    for (int i = 0; i < count; ++i) {
      const Placed& h = houses[size_t(i)];
      const uint16_t expected = i % 4 == 0 ? kIntact : h.kind == 5 ? kRuin : ground;
      EXPECT_EQ(pixel(h.x + kHouseSize / 2, h.y + kHouseSize / 2), expected) << "seed " << seed << " house " << i;
    }
  }
}

}  // namespace
