// The cellar: which dragons have a door, how a tap on a door places the name tag and a tap
// on the tag opens the statistics; the statistics: columns, animation and the potion.
#include "support/ScreenTest.h"

#include "core/Random.h"
#include "players/SpellMixing.h"
#include "screens/CellarScreen.h"
#include "screens/DragonStatsScreen.h"

namespace {

using namespace screentest;

// Each door picture one plain colour, so a pixel tells which door covers it; each door's
// zone 10 x 10 from its picture's corner.
uint16_t doorColour(int place) { return uint16_t(0x0841 * (place + 2)); }
constexpr uint16_t kTagColour = 0x0010;
int zoneX(int place) { return CellarScreen::kDoorTable[size_t(place)].x + 2; }
int zoneY(int place) { return CellarScreen::kDoorTable[size_t(place)].y + 2; }

Entries cellarPictures() {
  std::vector<Zone> zones{{304, 223, 319, 239, CellarScreen::kExitColour}};
  for (const CellarScreen::Door& door : CellarScreen::kDoorTable)
    zones.push_back({door.x, door.y, door.x + 9, door.y + 9, door.colour});
  Entries pictures{{"gfx\\cellar\\mask.bmp", zoneBmp(zones)},
                   {"gfx\\cellar\\tag.bmp", plainBmp(CellarScreen::kTagWidth, CellarScreen::kTagHeight, kTagColour)},
                   {"gfx\\cellar\\stats\\ani\\stats_atmen0000.jpg", plainJpeg(320, 240, 0)}};
  for (int i = 0; i < CellarScreen::kDoors; ++i)
    pictures.emplace_back("gfx\\cellar\\door" + std::to_string(i) + ".bmp", plainBmp(20, 20, doorColour(i)));
  // Statistics: short black empty columns and tall white full ones.
  for (int i = 0; i < 6; ++i) {
    pictures.emplace_back("gfx\\cellar\\stats\\" + std::to_string(i) + "r.jpg", plainJpeg(45, 10, 0));
    pictures.emplace_back("gfx\\cellar\\stats\\" + std::to_string(i) + "g.jpg", plainJpeg(45, 110, 0xFFFF));
  }
  return pictures;
}

class CellarScreenTest : public ScreenTest {
protected:
  CellarScreenTest() : ScreenTest(cellarPictures()) {
    PlayerManager::startGame({HumanPlayer, HumanPlayer, HumanPlayer});
  }
  // Makes the player's list hold exactly these dragons: (health, at home).
  void giveDragons(Player& owner, const std::vector<std::pair<int, bool>>& dragons) {
    owner.dragons.clear();
    for (const auto& [health, atHome] : dragons) {
      Dragon dragon("");
      dragon.attributes[Dragon::kHealth] = health;
      dragon.atHome = atHome;
      owner.dragons.push_back(dragon);
    }
  }
};

TEST_F(CellarScreenTest, OnlyLivingDragonsAtHomeHaveADoor) {
  // Place 1 was killed, place 2 guards a village.
  giveDragons(player(0), {{40, true}, {0, true}, {40, false}, {1, true}});
  CellarScreen cellar;
  cellar.visible(true, 0);
  cellar.draw(framebuffer());
  for (int place = 0; place < CellarScreen::kDoors; ++place) {
    const bool hasDoor = place == 0 || place == 3;
    EXPECT_EQ(cellar.dragonWithDoor(place) != nullptr, hasDoor) << place;
    EXPECT_EQ(pixel(zoneX(place) + 5, zoneY(place) + 5) == doorColour(place), hasDoor) << place;
    if (!hasDoor) {
      cellar.handleTap(zoneX(place), zoneY(place));  // a missing door shows no tag
      EXPECT_FALSE(cellar.tagShown()) << place;
    }
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
  EXPECT_EQ(cellar.tagPlace(), 1);
}

TEST_F(CellarScreenTest, TheTagIsCentredOnTheTapAndKeptOnTheScreen) {
  const int cases[][4] = {{300, 230, 194, 206}, {10, 5, 0, 0}, {160, 120, 97, 103},
                          {257, 223, 194, 206}};  // the last ends exactly at the edges
  for (const auto& c : cases) {
    int x = -1, y = -1;
    CellarScreen::placeTag(c[0], c[1], x, y);
    EXPECT_EQ(x, c[2]) << c[0];
    EXPECT_EQ(y, c[3]) << c[1];
  }
}

TEST_F(CellarScreenTest, TapsMoveTheTagThenOpenTheStatisticsOfThatPlaceAndTheExitLeaves) {
  giveDragons(player(0), {{40, true}, {40, true}, {40, true}, {40, true}});
  RecordingScreen stats("DRAGON_STATS");
  CellarScreen cellar;
  cellar.visible(true, 0);
  cellar.handleTap(zoneX(0), zoneY(0));
  ASSERT_TRUE(cellar.tagShown());
  EXPECT_EQ(cellar.tagPlace(), 0);
  cellar.draw(framebuffer());
  EXPECT_EQ(pixel(cellar.tagX() + CellarScreen::kTagWidth - 1, cellar.tagY() + CellarScreen::kTagHeight - 1),
            kTagColour);

  // Outside the tag, on another door: the tag moves there in the same tap.
  cellar.handleTap(zoneX(3), zoneY(3));
  EXPECT_EQ(cellar.tagPlace(), 3);
  EXPECT_TRUE(stats.params.empty());
  // The tag lies over door 2's zone: the tag wins and opens place 3.
  cellar.handleTap(zoneX(2), zoneY(2));
  EXPECT_EQ(stats.params, std::vector<ScreenParam>{3});
  EXPECT_FALSE(cellar.tagShown());
  EXPECT_FALSE(cellar.done());
  // A tap off any door hides a tag and shows none.
  cellar.handleTap(zoneX(1), zoneY(1));
  cellar.handleTap(150, 20);
  EXPECT_FALSE(cellar.tagShown());

  play(tap(310, 230, 100));
  String next("x");
  cellar.run(next);
  EXPECT_TRUE(cellar.done());
  EXPECT_STREQ(next.c_str(), "");
  EXPECT_TRUE(script.finished());
}

TEST_F(CellarScreenTest, ScriptedTapsReachTheStatisticsThroughTheScreenLoop) {
  giveDragons(player(0), {{40, true}, {40, true}});
  RecordingScreen stats("DRAGON_STATS");
  CellarScreen cellar;
  EXPECT_EQ(visit(cellar, tap(95, 56, 100) + tap(100, 60, 100) + tap(310, 230, 400)), "");
  EXPECT_EQ(stats.params, std::vector<ScreenParam>{1});
}

TEST_F(CellarScreenTest, TheTorchAnimatesEveryEightyMilliseconds) {
  CellarScreen cellar;
  cellar.visible(true, 0);
  play(tap(310, 230, 900));
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
  cellar.draw(framebuffer());
  // The last dragon dies while the tag names it: the tag shows, without its name.
  cellar.handleTap(zoneX(0), zoneY(0));
  player(0).dragons.clear();
  cellar.draw(framebuffer());
  EXPECT_EQ(cellar.dragonWithDoor(0), nullptr);
}

using DragonStatsTest = CellarScreenTest;

TEST_F(DragonStatsTest, ColumnsFillByTheAttributeFromTheBottom) {
  const int rows[][2] = {{50, 55}, {0, 0}, {99, 108}, {-3, 0}, {250, 110}};
  for (const auto& r : rows) EXPECT_EQ(DragonStatsScreen::filledRows(r[0], 110), r[1]) << r[0];
  EXPECT_EQ(DragonStatsScreen::filledRows(50, 111), 55);  // rounded down

  giveDragons(player(0), {{10, true}, {10, true}});
  Dragon& shown = player(0).dragons[1];
  const int values[6] = {50, 0, 99, 1, 25, 100};
  std::copy(values, values + 6, shown.attributes);
  DragonStatsScreen stats;
  stats.visible(true, 1);
  ASSERT_EQ(stats.dragon(), &shown);
  stats.draw(framebuffer());
  const uint16_t full = Bitmap(String("gfx\\cellar\\stats\\0g.jpg"), true).getPixel(10, 10);
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
  DragonStatsScreen stats;
  // Beside the potion, then on it twice, then on the exit; the mage's fade-in passes
  // between the taps.
  EXPECT_EQ(visit(stats, tap(279, 239, 100) + tap(296, 221, 100) + tap(280, 220, 100) + tap(295, 239, 600) +
                             tap(304, 223, 600), 2),
            "");
  ASSERT_EQ(mage.params.size(), 2u);  // (280, 220) and (295, 239)
  EXPECT_EQ(mage.params[0], ScreenParam(kSpellOnDragon + 2));
  EXPECT_EQ(decodeSpellTarget(mage.params[1]).index, 2);
}

TEST_F(DragonStatsTest, APlaceWithoutADragonShowsNothingAndCastsNothing) {
  giveDragons(player(0), {{10, true}});
  RecordingScreen mage("MAGE");
  DragonStatsScreen stats;
  for (ScreenParam place : {1, 7, 8, -1, 0x7FFFFFFF}) {
    stats.visible(true, place);
    EXPECT_EQ(stats.dragon(), nullptr);
    stats.draw(framebuffer());
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
  for (int i = 0; i < 21; ++i) stats.advanceAnimation();
  EXPECT_EQ(stats.frame(), 19);  // reached the limit 21: back to 19, going down
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
