// The cellar: which dragons have a door, how a tap on a door places the name tag and a tap
// on the tag opens the statistics; the statistics: columns, animation and the potion.
#include "screens/CellarFixture.h"

#include "core/Random.h"
#include "players/SpellMixing.h"
#include "screens/CellarScreen.h"
#include "screens/DragonStatsScreen.h"

namespace {

using namespace cellartest;

// A point inside the zone of a door.
int zoneX(int place) { return CellarScreen::kDoorTable[size_t(place)].x + 2; }
int zoneY(int place) { return CellarScreen::kDoorTable[size_t(place)].y + 2; }

class CellarScreenTest : public CellarFixture {};

TEST_F(CellarScreenTest, OnlyLivingDragonsAtHomeHaveADoor) {
  // Place 1 was killed, place 2 guards a village.
  giveDragons(player(0), {{40, true}, {0, true}, {40, false}, {1, true}});
  CellarScreen cellar;
  cellar.visible(true, 0);
  cellar.draw(rig.app.getFramebuffer());
  for (int place = 0; place < CellarScreen::kDoors; ++place) {
    const bool hasDoor = place == 0 || place == 3;
    EXPECT_EQ(cellar.dragonWithDoor(place) != nullptr, hasDoor) << place;
    EXPECT_EQ(pixel(zoneX(place) + 5, zoneY(place) + 5) == doorColour(place), hasDoor) << place;
  }
  // Taps on the missing doors show no tag.
  for (int place : {1, 2, 4, 7}) {
    cellar.handleTap(zoneX(place), zoneY(place));
    EXPECT_FALSE(cellar.tagShown()) << place;
  }
}

TEST_F(CellarScreenTest, TheCellarShowsTheCurrentRulersDragons) {
  giveDragons(player(0), {{40, true}});
  giveDragons(player(1), {{0, true}, {30, true}});
  PlayerManager::instance().setCurrentPlayer(1);
  CellarScreen cellar;
  cellar.visible(true, 0);
  EXPECT_EQ(cellar.dragonWithDoor(0), nullptr);
  EXPECT_EQ(cellar.dragonWithDoor(1), &player(1).dragons[1]);
  cellar.handleTap(zoneX(1), zoneY(1));
  EXPECT_TRUE(cellar.tagShown());
  EXPECT_EQ(cellar.tagPlace(), 1);
}

TEST_F(CellarScreenTest, TheTagIsCentredOnTheTapAndKeptOnTheScreen) {
  int x = -1, y = -1;
  CellarScreen::placeTag(300, 230, x, y);
  EXPECT_EQ(x, 194);
  EXPECT_EQ(y, 206);
  CellarScreen::placeTag(10, 5, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  CellarScreen::placeTag(160, 120, x, y);
  EXPECT_EQ(x, 97);
  EXPECT_EQ(y, 103);
  CellarScreen::placeTag(257, 223, x, y);  // ends exactly at the edges
  EXPECT_EQ(x, 194);
  EXPECT_EQ(y, 206);
}

TEST_F(CellarScreenTest, TapsMoveTheTagThenOpenTheStatisticsOfThatPlaceAndTheExitLeaves) {
  giveDragons(player(0), {{40, true}, {40, true}, {40, true}, {40, true}});
  RecordingScreen stats("DRAGON_STATS");
  ScreenManager::instance().addScreen("DRAGON_STATS", &stats);
  CellarScreen cellar;
  cellar.visible(true, 0);

  cellar.handleTap(zoneX(0), zoneY(0));  // tag at (0, 34): x 0 to 125, y 34 to 67
  ASSERT_TRUE(cellar.tagShown());
  EXPECT_EQ(cellar.tagPlace(), 0);
  EXPECT_EQ(cellar.tagX(), 0);
  EXPECT_EQ(cellar.tagY(), 34);
  cellar.draw(rig.app.getFramebuffer());
  EXPECT_EQ(pixel(125, 67), kTagColour);
  EXPECT_EQ(pixel(2, 36), kTagColour);

  // Outside the tag, on another door: the tag moves there in the same tap.
  cellar.handleTap(zoneX(3), zoneY(3));
  ASSERT_TRUE(cellar.tagShown());
  EXPECT_EQ(cellar.tagPlace(), 3);
  EXPECT_EQ(cellar.tagX(), zoneX(3) - 63);
  EXPECT_EQ(cellar.tagY(), zoneY(3) - 17);
  EXPECT_TRUE(stats.params.empty());

  // The tag lies over door 2's zone: the tag wins and opens place 3.
  cellar.handleTap(zoneX(2), zoneY(2));
  ASSERT_EQ(stats.params.size(), 1u);
  EXPECT_EQ(stats.params[0], 3);
  EXPECT_FALSE(cellar.tagShown());
  EXPECT_FALSE(cellar.done());

  // A tap off any door hides a tag and shows none.
  cellar.handleTap(zoneX(1), zoneY(1));
  EXPECT_TRUE(cellar.tagShown());
  cellar.handleTap(150, 20);
  EXPECT_FALSE(cellar.tagShown());

  play("wait 100\ntap 310 230\n");
  String next("x");
  cellar.run(next);
  EXPECT_TRUE(cellar.done());
  EXPECT_STREQ(next.c_str(), "");
  EXPECT_TRUE(script.finished());
}

TEST_F(CellarScreenTest, ScriptedTapsReachTheStatisticsThroughTheScreenLoop) {
  giveDragons(player(0), {{40, true}, {40, true}});
  RecordingScreen stats("DRAGON_STATS");
  ScreenManager::instance().addScreen("DRAGON_STATS", &stats);
  CellarScreen cellar;
  play("wait 100\ntap 95 56\nwait 100\ntap 100 60\nwait 400\ntap 310 230\n");
  EXPECT_EQ(run(cellar), "");
  ASSERT_EQ(stats.params.size(), 1u);
  EXPECT_EQ(stats.params[0], 1);
  EXPECT_TRUE(script.finished());
}

TEST_F(CellarScreenTest, TheTorchAnimatesEveryEightyMilliseconds) {
  CellarScreen cellar;
  cellar.visible(true, 0);
  play("wait 900\ntap 310 230\n");
  const uint32_t started = now();
  String next;
  cellar.run(next);
  // A step is due 80 ms after the one before, seen at the next frame presented.
  EXPECT_LE(cellar.animationFrame(), int((now() - started) / CellarScreen::kFrameMs));
  EXPECT_GE(cellar.animationFrame(), 8);
}

TEST_F(CellarScreenTest, NoDoorBeyondTheDragonListIsRead) {
  giveDragons(player(0), {{40, true}});
  CellarScreen cellar;
  cellar.visible(true, 0);
  for (int place = 1; place < CellarScreen::kDoors; ++place) {
    cellar.handleTap(zoneX(place), zoneY(place));
    EXPECT_FALSE(cellar.tagShown());
  }
  cellar.draw(rig.app.getFramebuffer());
  // The last dragon dies while the tag names it: the tag shows, without its name.
  cellar.handleTap(zoneX(0), zoneY(0));
  player(0).dragons.clear();
  cellar.draw(rig.app.getFramebuffer());
  EXPECT_EQ(cellar.dragonWithDoor(0), nullptr);
}

class DragonStatsTest : public CellarFixture {
protected:
  uint16_t fullColour() const { return Bitmap(String("gfx\\cellar\\stats\\0g.jpg"), true).getPixel(10, 10); }
};

TEST_F(DragonStatsTest, ColumnsFillByTheAttributeFromTheBottom) {
  EXPECT_EQ(DragonStatsScreen::filledRows(50, 110), 55);
  EXPECT_EQ(DragonStatsScreen::filledRows(50, 111), 55);  // rounded down
  EXPECT_EQ(DragonStatsScreen::filledRows(0, 110), 0);
  EXPECT_EQ(DragonStatsScreen::filledRows(99, 110), 108);
  EXPECT_EQ(DragonStatsScreen::filledRows(-3, 110), 0);
  EXPECT_EQ(DragonStatsScreen::filledRows(250, 110), 110);

  giveDragons(player(0), {{10, true}, {10, true}});
  Dragon& shown = player(0).dragons[1];
  const int values[6] = {50, 0, 99, 1, 25, 100};
  for (int i = 0; i < 6; ++i) shown.attributes[i] = values[i];
  DragonStatsScreen stats;
  stats.visible(true, 1);
  ASSERT_EQ(stats.dragon(), &shown);
  stats.draw(rig.app.getFramebuffer());
  const uint16_t full = fullColour();
  ASSERT_NE(full, pixel(2, 150));
  for (int i = 0; i < 6; ++i) {
    const int x = 45 * i + 2;  // left of the value's text
    const int f = DragonStatsScreen::filledRows(values[i], 110);
    EXPECT_EQ(pixel(x, 109) == full, f > 0) << i;
    if (f > 0) {
      EXPECT_EQ(pixel(x, 110 - f), full) << i;
    }
    if (f < 100) {
      EXPECT_NE(pixel(x, 109 - f), full) << i;
    }
  }
}

TEST_F(DragonStatsTest, ThePotionOpensTheMageOnThisDragonAndTheExitLeaves) {
  giveDragons(player(0), {{10, true}, {10, true}, {10, true}});
  RecordingScreen mage("MAGE");
  ScreenManager::instance().addScreen("MAGE", &mage);
  DragonStatsScreen stats;
  // Beside the potion, then on it, then on the exit.
  play("wait 100\ntap 279 239\nwait 100\ntap 296 221\nwait 100\ntap 280 220\nwait 600\ntap 295 239\n"
       "wait 600\ntap 304 223\n");  // the mage's fade-in passes between the taps
  EXPECT_EQ(run(stats, 2), "");
  EXPECT_TRUE(script.finished());
  ASSERT_EQ(mage.params.size(), 2u);  // (280, 220) and (295, 239)
  EXPECT_EQ(mage.params[0], ScreenParam(kSpellOnDragon + 2));
  EXPECT_EQ(decodeSpellTarget(mage.params[1]).index, 2);
}

TEST_F(DragonStatsTest, APlaceWithoutADragonShowsNothingAndCastsNothing) {
  giveDragons(player(0), {{10, true}});
  RecordingScreen mage("MAGE");
  ScreenManager::instance().addScreen("MAGE", &mage);
  DragonStatsScreen stats;
  for (ScreenParam place : {ScreenParam(1), ScreenParam(7), ScreenParam(8), ScreenParam(-1), ScreenParam(0x7FFFFFFF)}) {
    stats.visible(true, place);
    EXPECT_EQ(stats.dragon(), nullptr);
    stats.draw(rig.app.getFramebuffer());
    stats.handleTap(285, 230);
    stats.visible(false, -1);
  }
  EXPECT_TRUE(mage.params.empty());
}

TEST_F(DragonStatsTest, TheAnimationRunsUpAndBackWithinItsFrames) {
  seedRandom(7);
  DragonStatsScreen stats;
  stats.visible(true, 0);
  ASSERT_EQ(stats.kind(), 0);
  for (int i = 0; i < 20; ++i) stats.advanceAnimation();
  EXPECT_EQ(stats.frame(), 20);
  stats.advanceAnimation();  // reaches the limit 21: back to 19, going down
  EXPECT_EQ(stats.frame(), 19);
  EXPECT_EQ(stats.direction(), -1);
  for (int i = 0; i < 19; ++i) stats.advanceAnimation();
  EXPECT_EQ(stats.frame(), 0);  // below 1: a new kind starts upwards
  EXPECT_EQ(stats.direction(), 1);
  bool otherKind = false;
  for (int step = 0; step < 3000; ++step) {
    stats.advanceAnimation();
    ASSERT_GE(stats.frame(), 0);
    ASSERT_LT(stats.frame(), DragonStatsScreen::kFrameLimits[size_t(stats.kind())]);
    otherKind = otherKind || stats.kind() != 0;
  }
  EXPECT_TRUE(otherKind);
}

}  // namespace
