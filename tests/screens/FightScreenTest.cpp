// The fight room driven by scripted taps: the map view's scrolling, the village panel, the
// tax buttons, the orders given through the dragon list and the task dialog, the guard's
// recall, the potion that opens the mage, and the exit.
#include "app/Script.h"
#include "app/TestApp.h"
#include "core/Random.h"
#include "gfx/FontManager.h"
#include "gfx/TestPictures.h"
#include "platform/Files.h"
#include "players/PlayerManager.h"
#include "res/ArchiveWriter.h"
#include "res/ResourceArchive.h"
#include "screens/FightScreen.h"
#include "support/TestContent.h"
#include "world/CountryManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr uint16_t kPanel = 0x2104;

// Dark grey: (32, 32, 32).
constexpr uint16_t kPictureGrey = 0x2104;

// The fight room's pictures at their real sizes; the sizes place the panel edge, the pop-up
// list and the effort bar's three positions.
void addFightPictures(ArchiveWriter& archive) {
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
  for (const Size& s : sizes)
    archive.add(String::format("gfx\\fight\\%s.gif", s.name), plainGif(s.width, s.height, kPictureGrey));
  archive.add("gfx\\fight\\map.jpg", writeJpeg(patternImage(640, 480), 50));
  archive.add("gfx\\exit.bmp", writeBmp24(toRgb(indexedPattern(16, 17, 2))));
}

// Fonts and dialogs from the shared test content, with the fight pictures added.
std::string writeFightArchive(const std::string& testName) {
  const std::string folder = testcontent::writeGraphicsArchive("fight-" + testName);
  const std::string path = folder + "/gfx.arc";
  ArchiveWriter archive;
  {
    ResourceArchive shared{String("gfx.arc")};
    for (int i = 0; i < shared.count(); ++i)
      if (auto bytes = shared.read(i)) archive.add(shared.nameOf(i), *bytes);
  }
  addFightPictures(archive);
  const std::vector<uint8_t> bytes = archive.bytes();
  platform::replaceFile(path, bytes.data(), bytes.size());
  closeGraphicsArchive();
  return folder;
}

std::string villageXml(const char* name, const char* race, const char* position) {
  return std::string("<village name=\"") + name + "\"><race>" + race + "</race><position>" + position +
         "</position><population>500</population><industry>7</industry><yeomanry>9</yeomanry></village>";
}

// Records the parameter it was opened with.
class RecordingScreen : public Screen {
public:
  void getName(String& out) override { out = "MAGE"; }
  void visible(bool on, ScreenParam param) override {
    if (on) params.push_back(param);
  }
  void run(String& next) override { next = String(); }
  void draw(uint16_t* target) override { std::fill(target, target + kScreenPixels, uint16_t(0)); }
  std::vector<ScreenParam> params;
};

// Screen points of the map as the view first stands (panel edge 110, no scroll).
constexpr int kMillbrookX = 200, kMillbrookY = 50;  // village 0, cell C2 (column 2, row 1)
constexpr int kTarnbyX = 290, kTarnbyY = 10;        // village 1, cell F1
constexpr int kAshbyX = 260, kAshbyY = 120;         // village 2, cell E4
constexpr int kAshbyCell = 3 * 20 + 4;
constexpr int kEmptyX = 150, kEmptyY = 200;         // cell B6, no village
const char* const kDragonButton = "tap 50 200\n";
const char* const kOk = "tap 140 145\n";
const char* const kCancel = "tap 140 170\n";
const char* const kExit = "wait 50\ntap 310 230\n";

class FightScreenTest : public ::testing::Test {
protected:
  void SetUp() override {
    seedRandom(1);
    std::string text = R"(<country><area name="Nevelholm"/><time name="Moon"/>)"
                       R"(<money name_single="crystal" name_multi="crystals"/><player1 name="Harvek"/>)"
                       R"(<player2 name="Orlenna"/><player3 name="Sivrane"/>)"
                       R"(<race name="Fenfolk" color="#4a6"/><race name="Reedkin" color="#a64"/>)";
    for (int i = 0; i < 12; ++i) text += "<dragon name=\"Wyrm" + std::to_string(i) + "\"/>";
    text += villageXml("Millbrook", "Fenfolk", "3,2") + villageXml("Tarnby", "Reedkin", "6,1") +
            villageXml("Ashby", "Fenfolk", "5,4") + "</country>";
    land = &CountryManager::install(CountryManager::fromXml(text.data(), text.size()));
    ASSERT_EQ(land->failure().length(), 0);
    for (int i = 0; i < land->villageCount(); ++i) {
      land->village(i).owner = -1;
      land->village(i).tax = 3;
      land->village(i).fightsAgainst = -1;
    }
    Dragon::resetNames();
    PlayerManager::startGame({HumanPlayer, HumanPlayer, HumanPlayer});
    PlayerManager::instance().setCurrentPlayer(0);
    for (Dragon& d : ruler().dragons)
      for (int32_t& a : d.attributes) a = 50;
    while (ruler().dragonCount() < 4) {
      Dragon fresh{String()};  // a dead one's place would be taken again: give it health
      for (int32_t& a : fresh.attributes) a = 50;
      ruler().addDragon(fresh);
    }
    ScreenManager::instance().addScreen("MAGE", &mage);
  }
  void TearDown() override {
    PlayerManager::destroy();
    CountryManager::destroy();
    FontManager::destroy();
    closeGraphicsArchive();
  }

  Player& ruler() { return PlayerManager::instance().currentPlayer(); }
  CellOrder& order(int cell, int player = 0) { return land->cell(cell).orders[player]; }

  // Shows the screen afresh and plays the script against it until its exit is tapped.
  void show(const std::string& taps) {
    ScreenManager::instance().showScreen(&fight, false, 0);
    play(taps);
  }
  // Plays on from where the screen stands, as after a visit to a sub-screen.
  void play(const std::string& taps) {
    std::string error;
    ASSERT_TRUE(script.load("wait 100\n" + taps + kExit, error)) << error;
    rig.app.setScript(&script);
    String next;
    fight.run(next);
    EXPECT_STREQ(next.c_str(), "");
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(script.failed()) << script.failure();
  }
  static std::string tap(int x, int y) { return "tap " + std::to_string(x) + " " + std::to_string(y) + "\nwait 100\n"; }
  static std::string taps(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* line : lines) out += std::string(line) + "wait 100\n";
    return out;
  }
  // Yellow glyph pixels in a box of the picture last drawn.
  int inkIn(int left, int top, int right, int bottom) {
    fight.draw(rig.app.getFramebuffer());
    int ink = 0;
    for (int x = left; x <= right; ++x)
      for (int y = top; y <= bottom; ++y)
        ink += rig.app.getFramebuffer()[x * kScreenHeight + (kScreenHeight - 1 - y)] == testcontent::kGlyphInk;
    return ink;
  }

  // Written before the application opens: it loads the dialog pictures.
  std::string folder = writeFightArchive(::testing::UnitTest::GetInstance()->current_test_info()->name());
  TestRig rig;
  ScriptRunner script{rig.backend};
  CountryManager* land = nullptr;
  RecordingScreen mage;
  FightScreen fight;
};

TEST_F(FightScreenTest, TheViewScrollsOverThePanelThenTheMapAndStopsAtTheEdges) {
  show("");
  EXPECT_EQ(fight.viewLeft(), 110);
  EXPECT_EQ(fight.scrollX(), 0);
  play("key right down\nwait 4000\nkey right up\nkey down down\nwait 2000\nkey down up\n");
  EXPECT_EQ(fight.viewLeft(), 0);
  EXPECT_EQ(fight.scrollX(), FightScreen::kMaxScrollX);
  EXPECT_EQ(fight.scrollY(), FightScreen::kMaxScrollY);
  // Near the far corner of the map (the corner itself is the exit): column 18, row 13.
  play(tap(318, 221));
  EXPECT_EQ(fight.selectedCell(), 13 * 20 + 18);
  play("key left down\nwait 4000\nkey left up\nkey up down\nwait 2000\nkey up up\n");
  EXPECT_EQ(fight.scrollX(), 0);
  EXPECT_EQ(fight.viewLeft(), 110);
  EXPECT_EQ(fight.scrollY(), 0);
}

// The map copy is a column and a row short of the screen; the seam must not stay black, at
// the map's start and at its far edges alike. The test map has no black pixel.
TEST_F(FightScreenTest, TheMapReachesTheScreensRightColumnAndBottomRow) {
  auto blackInSeam = [this] {
    fight.draw(rig.app.getFramebuffer());
    const uint16_t* screen = rig.app.getFramebuffer();
    auto at = [screen](int x, int y) { return screen[x * kScreenHeight + (kScreenHeight - 1 - y)]; };
    int black = 0;
    for (int y = 0; y < 222; ++y) black += at(kScreenWidth - 1, y) == 0;              // above the exit
    for (int x = fight.viewLeft() + 20; x < 303; ++x) black += at(x, kScreenHeight - 1) == 0;  // right of the panel
    return black;
  };
  show("");
  EXPECT_EQ(blackInSeam(), 0);
  play("key right down\nwait 4000\nkey right up\nkey down down\nwait 2000\nkey down up\n");
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
  FightScreen::PanelTexts texts = fight.panelTexts();
  EXPECT_STREQ(texts.cell.c_str(), "C2: 447 m");  // 400 m east and 200 m south of the castle
  EXPECT_STREQ(texts.name.c_str(), "Millbrook");
  EXPECT_STREQ(texts.race.c_str(), "Fenfolk");
  EXPECT_STREQ(texts.yeomanry.c_str(), "9");
  EXPECT_STREQ(texts.population.c_str(), "500");
  EXPECT_STREQ(texts.industry.c_str(), "7");
  EXPECT_STREQ(texts.tax.c_str(), "");  // not his village
  EXPECT_EQ(inkIn(29, 161, 60, 174), 0);
  EXPECT_GT(inkIn(4, 3, 100, 16), 0);  // the name

  land->village(0).owner = 0;
  land->village(0).tax = 17;
  EXPECT_STREQ(fight.panelTexts().tax.c_str(), "17%");
  EXPECT_GT(inkIn(29, 161, 60, 174), 0);

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
  play("press " + std::to_string(kTarnbyX) + " " + std::to_string(kTarnbyY) + "\nwait 3000\nrelease\nwait 100\n");
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
  show(tap(kAshbyX, kAshbyY) + taps({kDragonButton}) + tap(60, 190) + tap(60, 140) + tap(115, 105) +
       taps({kOk}));
  EXPECT_EQ(order(kAshbyCell).dragon, 1);
  EXPECT_EQ(order(kAshbyCell).task, TaskOccupy);
  EXPECT_EQ(order(kAshbyCell).effort, 100);
  EXPECT_FALSE(fight.dialogShown());

  // A new order starts at attack and 34; the recall row is not offered. The middle third
  // of the bar gives 67.
  land->clearOrders();
  play(taps({kDragonButton}) + tap(60, 170) + tap(60, 170) + tap(115, 122) + taps({kOk}));
  EXPECT_EQ(order(kAshbyCell).dragon, 0);
  EXPECT_EQ(order(kAshbyCell).task, TaskAttack);
  EXPECT_EQ(order(kAshbyCell).effort, 67);

  land->clearOrders();
  play(taps({kDragonButton}) + tap(60, 225) + taps({kOk}));
  EXPECT_EQ(order(kAshbyCell).dragon, 3);
  EXPECT_EQ(order(kAshbyCell).task, TaskAttack);
  EXPECT_EQ(order(kAshbyCell).effort, 34);

  // Cancel gives no order; a tap beside the list gives no dialog.
  land->clearOrders();
  play(taps({kDragonButton}) + tap(60, 170) + tap(60, 140) + taps({kCancel}) + taps({kDragonButton}) +
       tap(200, 170));
  EXPECT_EQ(order(kAshbyCell).dragon, -1);
  EXPECT_EQ(fight.selectedCell(), kAshbyCell);  // the tap beside the list was no map tap
}

TEST_F(FightScreenTest, TheEffortBarFollowsADragAndSnapsToItsThirds) {
  show(tap(kAshbyX, kAshbyY) + taps({kDragonButton}) + tap(60, 170) +
       "press 115 150\nwait 50\nmove 115 104\nwait 50\nrelease\nwait 100\n" + taps({kOk}));
  EXPECT_EQ(order(kAshbyCell).effort, 100);
  land->clearOrders();
  play(taps({kDragonButton}) + tap(60, 170) + "press 115 104\nwait 50\nmove 115 200\nwait 50\nrelease\nwait 100\n" +
       taps({kOk}));
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
  play(taps({kDragonButton}) + tap(60, 110) + tap(60, 140) + tap(115, 105) + taps({kOk}));
  EXPECT_EQ(order(kAshbyCell).dragon, 2);
  EXPECT_EQ(order(kAshbyCell).task, TaskRecall);
  EXPECT_EQ(order(kAshbyCell).effort, 45);

  // Another ruler's guard is no business of his: the button sends a dragon instead.
  land->clearOrders();
  guarded.guardOwner = 1;
  EXPECT_STREQ(fight.panelTexts().guard.c_str(), "");
  play(taps({kDragonButton}) + tap(60, 170) + taps({kOk}));
  EXPECT_EQ(order(kAshbyCell).dragon, 0);
  EXPECT_EQ(order(kAshbyCell).task, TaskAttack);
}

TEST_F(FightScreenTest, DeadDragonsAndGuardsAreNotOffered) {
  for (int32_t& a : ruler().dragon(0)->attributes) a = 0;
  land->cell(0).guardOwner = 0;
  land->cell(0).guardDragon = 1;
  // Left: dragons 2 and 3, in rows from y 239 - 2 * 18 - 6 = 197.
  show(tap(kAshbyX, kAshbyY) + taps({kDragonButton}) + tap(60, 205) + taps({kOk}));
  EXPECT_EQ(order(kAshbyCell).dragon, 2);
  land->clearOrders();
  play(taps({kDragonButton}) + tap(60, 225) + taps({kOk}));
  EXPECT_EQ(order(kAshbyCell).dragon, 3);

  // None left: the message waits for a tap, which selects nothing on the map.
  land->clearOrders();
  for (int d : {2, 3})
    for (int32_t& a : ruler().dragon(d)->attributes) a = 0;
  play(taps({kDragonButton}) + tap(kMillbrookX, kMillbrookY));
  EXPECT_EQ(fight.selectedCell(), kAshbyCell);
  EXPECT_EQ(order(kAshbyCell).dragon, -1);
}

TEST_F(FightScreenTest, ADragonWithAnOrderElsewhereIsAskedAbout) {
  constexpr int kMillbrookCell = 1 * 20 + 2;
  const auto sendFirstDragon = [&] { return taps({kDragonButton}) + tap(60, 170); };
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
  play(sendFirstDragon() + tap(93, 47) + taps({kOk}));
  EXPECT_EQ(order(kMillbrookCell).dragon, -1);
  EXPECT_EQ(order(kAshbyCell).dragon, 0);
  EXPECT_EQ(order(kAshbyCell).effort, 34);
  // Yes, then cancel: the old order is kept.
  reset();
  play(sendFirstDragon() + tap(93, 47) + taps({kCancel}));
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
