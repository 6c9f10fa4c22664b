// The fight room driven by scripted taps: the map view's scrolling, the village panel, the
// tax buttons, the orders given through the dragon list and the task dialog, the guard's
// recall, the potion that opens the mage, and the exit.
#include "support/ScreenTest.h"

#include "core/Random.h"
#include "screens/FightScreen.h"
#include "world/MonthFixture.h"

#include <array>

namespace {

using namespace screentest;

// The fight room's pictures at their real sizes, dark grey; the sizes place the panel
// edge, the pop-up list and the effort bar's three positions.
Entries fightPictures() {
  struct Size {
    const char* name;
    int width, height;
  };
  const Size sizes[] = {
      {"map_bgn", 130, 240},     {"names_top", 87, 6},    {"names_bgn", 85, 18},     {"ico_arrow", 82, 7},
      {"ico_trank", 11, 20},     {"ico_stats", 26, 112},  {"tax_bgn", 20, 15},       {"tax_up", 20, 15},
      {"tax_down", 20, 15},      {"revo_bgn", 10, 88},    {"revo_bar", 20, 8},       {"ico_dragon", 96, 32},
      {"large_bgn", 11, 51},     {"large_bar", 11, 51},   {"task00", 72, 22},        {"task01", 72, 22},
      {"task02", 72, 22},        {"ico_water", 36, 34},   {"ico_tree", 36, 34},      {"ico_mountain", 36, 34},
      {"ico_grassland", 36, 34}, {"dragon_bgn", 134, 122}};
  Entries pictures{{"gfx\\fight\\map.jpg", writeJpeg(patternImage(640, 480), 50)},
                   {"gfx\\exit.bmp", writeBmp24(toRgb(indexedPattern(16, 17, 2)))}};
  for (const Size& s : sizes)
    pictures.emplace_back(std::string("gfx\\fight\\") + s.name + ".gif", plainGif(s.width, s.height, 0x2104));
  return pictures;
}

// Screen points of the map as the view first stands (panel edge 110, no scroll).
constexpr int kMillbrookX = 200, kMillbrookY = 50;  // village 0, cell C2 (column 2, row 1)
constexpr int kTarnbyX = 290, kTarnbyY = 10;        // village 1, cell F1
constexpr int kAshbyX = 260, kAshbyY = 120;         // village 2, cell E4
constexpr int kAshbyCell = 3 * 20 + 4;
constexpr int kEmptyX = 150, kEmptyY = 200;         // cell B6, no village
std::string tap(int x, int y) { return screentest::tap(x, y, 100); }
const std::string kDragon = tap(50, 200), kOk = tap(140, 145), kCancel = tap(140, 170);
const std::string kToTheFarCorner = key("right", 4000) + key("down", 2000);
const std::string kBackToTheStart = key("left", 4000) + key("up", 2000);

class FightScreenTest : public ScreenTest {
protected:
  FightScreenTest() : ScreenTest(fightPictures()) {
    seedRandom(1);
    const std::string text = monthtest::land(monthtest::villageXml("Millbrook", "Fenfolk", "3,2") +
                                             monthtest::villageXml("Tarnby", "Reedkin", "6,1") +
                                             monthtest::villageXml("Ashby", "Fenfolk", "5,4"));
    land = &CountryManager::install(CountryManager::fromXml(text.data(), text.size()));
    for (int i = 0; i < land->villageCount(); ++i) {
      land->village(i).owner = -1;
      land->village(i).tax = 3;
      land->village(i).fightsAgainst = -1;
    }
    PlayerManager::startGame({HumanPlayer, HumanPlayer, HumanPlayer});
    for (Dragon& d : ruler().dragons)
      for (int32_t& a : d.attributes) a = 50;
    while (ruler().dragonCount() < 4) {
      Dragon fresh{String()};  // a dead one's place would be taken again: give it health
      for (int32_t& a : fresh.attributes) a = 50;
      ruler().addDragon(fresh);
    }
  }

  Player& ruler() { return PlayerManager::instance().currentPlayer(); }
  CellOrder& order(int cell, int player = 0) { return land->cell(cell).orders[player]; }
  // Ashby's order of ruler 0: dragon, task, effort.
  std::array<int, 3> ashby() { return {order(kAshbyCell).dragon, order(kAshbyCell).task, order(kAshbyCell).effort}; }

  // Shows the screen afresh and plays the taps against it until its exit is tapped.
  void show(const std::string& taps) {
    ScreenManager::instance().showScreen(&fight, false, 0);
    play(taps);
  }
  // Plays on from where the screen stands, as after a visit to a sub-screen.
  void play(const std::string& taps) {
    ScreenTest::play(taps + tap(310, 230));
    String next;
    fight.run(next);
    EXPECT_STREQ(next.c_str(), "");
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(script.failed()) << script.failure();
  }
  // Whether glyph ink lies in a box of the room drawn afresh.
  bool drawnInk(int left, int top, int right, int bottom) {
    fight.draw(framebuffer());
    return inkIn(left, top, right, bottom);
  }

  CountryManager* land = nullptr;
  RecordingScreen mage{"MAGE"};
  FightScreen fight;
};

TEST_F(FightScreenTest, TheViewScrollsOverThePanelThenTheMapAndStopsAtTheEdges) {
  show("");
  EXPECT_EQ(fight.viewLeft(), 110);
  EXPECT_EQ(fight.scrollX(), 0);
  play(kToTheFarCorner);
  EXPECT_EQ(fight.viewLeft(), 0);
  EXPECT_EQ(fight.scrollX(), FightScreen::kMaxScrollX);
  EXPECT_EQ(fight.scrollY(), FightScreen::kMaxScrollY);
  // Near the far corner of the map (the corner itself is the exit): column 18, row 13.
  play(tap(318, 221));
  EXPECT_EQ(fight.selectedCell(), 13 * 20 + 18);
  play(kBackToTheStart);
  EXPECT_EQ(fight.scrollX(), 0);
  EXPECT_EQ(fight.viewLeft(), 110);
  EXPECT_EQ(fight.scrollY(), 0);
}

// The map copy is a column and a row short of the screen; the seam must not stay black, at
// the map's start and at its far edges alike. The test map has no black pixel.
TEST_F(FightScreenTest, TheMapReachesTheScreensRightColumnAndBottomRow) {
  auto blackInSeam = [this] {
    fight.draw(framebuffer());
    int black = 0;
    // Above the exit, and right of the panel.
    for (int y = 0; y < 222; ++y) black += pixel(kScreenWidth - 1, y) == 0;
    for (int x = fight.viewLeft() + 20; x < 303; ++x) black += pixel(x, kScreenHeight - 1) == 0;
    return black;
  };
  show("");
  EXPECT_EQ(blackInSeam(), 0);
  play(kToTheFarCorner);
  ASSERT_EQ(fight.scrollX(), FightScreen::kMaxScrollX);
  EXPECT_EQ(blackInSeam(), 0);
}

TEST_F(FightScreenTest, AMapTapSelectsTheCellAndVillageAndShowsItsValues) {
  show("");
  EXPECT_FALSE(fight.panelShown());
  play(tap(kMillbrookX, kMillbrookY));
  ASSERT_TRUE(fight.panelShown());
  EXPECT_EQ(fight.selectedCell(), 1 * 20 + 2);
  EXPECT_EQ(fight.selectedVillage(), 0);
  const FightScreen::PanelTexts t = fight.panelTexts();
  // 400 m east and 200 m south of the castle; no tax: not his village.
  EXPECT_EQ((std::vector<std::string>{t.cell.c_str(), t.name.c_str(), t.race.c_str(), t.yeomanry.c_str(),
                                      t.population.c_str(), t.industry.c_str(), t.tax.c_str()}),
            (std::vector<std::string>{"C2: 447 m", "Millbrook", "Fenfolk", "9", "500", "7", ""}));
  EXPECT_FALSE(drawnInk(29, 161, 60, 174));
  EXPECT_TRUE(drawnInk(4, 3, 100, 16));  // the name

  land->village(0).owner = 0;
  land->village(0).tax = 17;
  EXPECT_STREQ(fight.panelTexts().tax.c_str(), "17%");
  EXPECT_TRUE(drawnInk(29, 161, 60, 174));

  play(tap(kTarnbyX, kTarnbyY));
  EXPECT_EQ(fight.selectedVillage(), 1);
  EXPECT_STREQ(fight.panelTexts().race.c_str(), "Reedkin");
  EXPECT_STREQ(fight.panelTexts().cell.c_str(), "F1: 1000 m");

  play(tap(kEmptyX, kEmptyY));
  EXPECT_EQ(fight.selectedVillage(), -1);
  EXPECT_EQ(fight.selectedCell(), 5 * 20 + 1);
  EXPECT_STREQ(fight.panelTexts().name.c_str(), "");
  // Taps on the panel left of the map select nothing.
  play(tap(120, 50));
  EXPECT_EQ(fight.selectedCell(), 5 * 20 + 1);
}

TEST_F(FightScreenTest, AStylusHeldOnTheMapSleepsAndSelectsWhenItLifts) {
  show("");
  play("wait 100\npress 290 10\nwait 3000\nrelease\n");  // on Tarnby
  EXPECT_EQ(fight.selectedVillage(), 1);
  EXPECT_GE(rig.backend.sleptMicroseconds(), 2500000u);
}

TEST_F(FightScreenTest, TheTaxButtonsChangeOnlyTheRulersVillagesWithinZeroToHundred) {
  Village& mine = land->village(0);
  Village& theirs = land->village(1);
  mine.owner = 0;
  theirs.owner = 1;
  show(tap(kMillbrookX, kMillbrookY) + tap(60, 165) + tap(74, 170) + tap(75, 170));
  EXPECT_EQ(mine.tax, 4);  // up, up, down
  play(tap(kTarnbyX, kTarnbyY) + tap(60, 165) + tap(89, 177));
  EXPECT_EQ(theirs.tax, 3);

  mine.tax = 100;
  play(tap(kMillbrookX, kMillbrookY) + tap(60, 165));
  EXPECT_EQ(mine.tax, 100);
  mine.tax = 0;
  play(tap(85, 165));
  EXPECT_EQ(mine.tax, 0);
  play(tap(60, 165));
  EXPECT_EQ(mine.tax, 1);

  // The next ruler at the table rules Tarnby and only Tarnby.
  PlayerManager::instance().setCurrentPlayer(1);
  show(tap(kTarnbyX, kTarnbyY) + tap(60, 165) + tap(kMillbrookX, kMillbrookY) + tap(60, 165));
  EXPECT_EQ(theirs.tax, 4);
  EXPECT_EQ(mine.tax, 1);
}

TEST_F(FightScreenTest, TheTaskDialogStoresTheChosenDragonTaskAndEffortInTheCell) {
  // Four dragons: the list stands at y 239 - 4 * 18 - 6 = 161; rows from 167, 18 high.
  show(tap(kAshbyX, kAshbyY) + kDragon + tap(60, 190) + tap(60, 140) + tap(115, 105) + kOk);
  EXPECT_EQ(ashby(), (std::array<int, 3>{1, TaskOccupy, 100}));
  EXPECT_FALSE(fight.dialogShown());

  // A new order starts at attack and 34; the recall row is not offered. The middle third
  // of the bar gives 67.
  land->clearOrders();
  play(kDragon + tap(60, 170) + tap(60, 170) + tap(115, 122) + kOk);
  EXPECT_EQ(ashby(), (std::array<int, 3>{0, TaskAttack, 67}));

  land->clearOrders();
  play(kDragon + tap(60, 225) + kOk);
  EXPECT_EQ(ashby(), (std::array<int, 3>{3, TaskAttack, 34}));

  // Cancel gives no order; a tap beside the list gives no dialog.
  land->clearOrders();
  play(kDragon + tap(60, 170) + tap(60, 140) + kCancel + kDragon + tap(200, 170));
  EXPECT_EQ(order(kAshbyCell).dragon, -1);
  EXPECT_EQ(fight.selectedCell(), kAshbyCell);  // the tap beside the list was no map tap
}

TEST_F(FightScreenTest, TheEffortBarFollowsADragAndSnapsToItsThirds) {
  show(tap(kAshbyX, kAshbyY) + kDragon + tap(60, 170) + drag(115, 150, 115, 104, 50) + kOk);
  EXPECT_EQ(order(kAshbyCell).effort, 100);
  land->clearOrders();
  play(kDragon + tap(60, 170) + drag(115, 104, 115, 200, 50) + kOk);
  EXPECT_EQ(order(kAshbyCell).effort, 34);
}

TEST_F(FightScreenTest, TheRulersGuardIsCalledHomeWithTheRecallAtEffort45) {
  MapCell& guarded = land->cell(kAshbyCell);
  guarded.guardOwner = 0;
  guarded.guardDragon = 2;
  ruler().dragon(2)->atHome = false;
  show(tap(kAshbyX, kAshbyY));
  EXPECT_STREQ(fight.panelTexts().guard.c_str(), ruler().dragon(2)->name.c_str());
  // Attack, occupy and the effort bar are not offered to a guard.
  play(kDragon + tap(60, 110) + tap(60, 140) + tap(115, 105) + kOk);
  EXPECT_EQ(ashby(), (std::array<int, 3>{2, TaskRecall, 45}));

  // Another ruler's guard is no business of his: the button sends a dragon instead.
  land->clearOrders();
  guarded.guardOwner = 1;
  EXPECT_STREQ(fight.panelTexts().guard.c_str(), "");
  play(kDragon + tap(60, 170) + kOk);
  EXPECT_EQ(order(kAshbyCell).dragon, 0);
  EXPECT_EQ(order(kAshbyCell).task, TaskAttack);
}

TEST_F(FightScreenTest, DeadDragonsAndGuardsAreNotOffered) {
  for (int32_t& a : ruler().dragon(0)->attributes) a = 0;
  land->cell(0).guardOwner = 0;
  land->cell(0).guardDragon = 1;
  // Left: dragons 2 and 3, in rows from y 239 - 2 * 18 - 6 = 197.
  show(tap(kAshbyX, kAshbyY) + kDragon + tap(60, 205) + kOk);
  EXPECT_EQ(order(kAshbyCell).dragon, 2);
  land->clearOrders();
  play(kDragon + tap(60, 225) + kOk);
  EXPECT_EQ(order(kAshbyCell).dragon, 3);

  // None left: the message waits for a tap, which selects nothing on the map.
  land->clearOrders();
  for (int d : {2, 3})
    for (int32_t& a : ruler().dragon(d)->attributes) a = 0;
  play(kDragon + tap(kMillbrookX, kMillbrookY));
  EXPECT_EQ(fight.selectedCell(), kAshbyCell);
  EXPECT_EQ(order(kAshbyCell).dragon, -1);
}

TEST_F(FightScreenTest, ADragonWithAnOrderElsewhereIsAskedAbout) {
  constexpr int kMillbrookCell = 1 * 20 + 2;
  const auto sendFirstDragon = [&] { return kDragon + tap(60, 170); };
  const auto reset = [&] {
    land->clearOrders();
    order(kMillbrookCell) = {0, TaskOccupy, 67};
  };
  reset();
  // No: everything stays.
  show(tap(kAshbyX, kAshbyY) + sendFirstDragon() + tap(158, 47));
  EXPECT_EQ(order(kMillbrookCell).dragon, 0);
  EXPECT_EQ(order(kAshbyCell).dragon, -1);
  // Unassign: no order anywhere.
  play(sendFirstDragon() + tap(223, 47));
  EXPECT_EQ(order(kMillbrookCell).dragon, -1);
  EXPECT_EQ(order(kAshbyCell).dragon, -1);
  // Yes: the order moves.
  reset();
  play(sendFirstDragon() + tap(93, 47) + kOk);
  EXPECT_EQ(order(kMillbrookCell).dragon, -1);
  EXPECT_EQ(order(kAshbyCell).dragon, 0);
  EXPECT_EQ(order(kAshbyCell).effort, 34);
  // Yes, then cancel: the old order is kept.
  reset();
  play(sendFirstDragon() + tap(93, 47) + kCancel);
  EXPECT_EQ(order(kMillbrookCell).dragon, 0);
  EXPECT_EQ(order(kMillbrookCell).task, TaskOccupy);
  EXPECT_EQ(order(kAshbyCell).dragon, -1);
}

TEST_F(FightScreenTest, ThePotionOpensTheMageOnlyForTheRulersVillage) {
  land->village(2).owner = 0;
  land->village(0).owner = 1;
  // The mage fades in and out before the room takes taps again.
  show(tap(kAshbyX, kAshbyY) + tap(107, 10) + "wait 1000\n" + tap(kMillbrookX, kMillbrookY) + tap(107, 10));
  ASSERT_EQ(mage.params.size(), 1u);
  EXPECT_EQ(mage.params[0], ScreenParam(0xFB000002));
  // The potion's spot is part of the panel, never a map tap.
  EXPECT_EQ(fight.selectedVillage(), 0);
}

TEST_F(FightScreenTest, OnlyTheCornerLeavesTheScreen) {
  // Just outside the exit corner the tap falls on the map; the script ends with the exit.
  show(tap(302, 230) + tap(310, 221));
  EXPECT_EQ(fight.selectedCell(), 6 * 20 + 5);
  EXPECT_TRUE(fight.panelShown());
}

}  // namespace
