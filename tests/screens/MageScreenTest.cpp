// The mage: dials, the shelf, drops into the cauldron and the spell cast on leaving, played
// with scripted taps and drags on a zone map laid out like the game's.
#include "support/ScreenTest.h"

#include "core/Random.h"
#include "screens/MageScreen.h"

namespace {

using namespace screentest;

// The game's mage zones: the cauldron's sides, the dials, the shelf's handle and the bar.
const std::vector<Zone> kZones = {
    {185, 2, 254, 71, 0x001F},  {253, 76, 318, 169, 0x07FF},  // north, east
    {160, 172, 259, 219, 0xFFE0}, {92, 70, 167, 169, 0xF81F},  // south, west
    {52, 172, 157, 219, MageScreen::kZoneBunsen},  {262, 172, 319, 219, MageScreen::kZoneCondenser},
    {0, 0, 47, 15, MageScreen::kZoneItemPanel},
    {0, 221, 23, 239, MageScreen::kZoneScrollBack}, {24, 221, 47, 239, MageScreen::kZoneScrollForward},
    {256, 221, 287, 239, MageScreen::kZoneCast},    {288, 221, 319, 239, MageScreen::kZoneCancel},
};
const int kSides[4][2] = {{220, 30}, {290, 120}, {210, 200}, {120, 120}};
const std::string kBunsen = tap(100, 200, 60), kCondenser = tap(290, 200, 60);
const std::string kShelfHandle = tap(20, 8, 60) + "wait 340\n";
const std::string kForward = tap(30, 230, 60), kBack = tap(10, 230, 60);
const std::string kCast = tap(270, 230, 60), kCancel = tap(300, 230, 60);
const std::string kDismiss = tap(160, 120, 300);  // the message over the mage
constexpr uint16_t kGrey = 0x39E7;

// Drags the shelf's item in `row` onto a point and lets go.
std::string drag(int row, int x, int y) { return screentest::drag(20, 26 + 40 * row, x, y) + "wait 600\n"; }
std::string dropOn(int side, int row = 0) { return drag(row, kSides[side][0], kSides[side][1]); }
std::string times(int n, const std::string& taps) {
  std::string out;
  for (int i = 0; i < n; ++i) out += taps;
  return out;
}

// The lines the spell writes, without the notes about pictures the test archive lacks.
std::string spellLines(const std::string& said) {
  std::string kept;
  for (size_t at = 0, end; at < said.size(); at = end) {
    end = said.find('\n', at);
    end = end == std::string::npos ? said.size() : end + 1;
    const std::string line = said.substr(at, end - at);
    if (line.rfind("add item ", 0) == 0 || line.rfind("MageScreen::", 0) == 0) kept += line;
  }
  return kept;
}
std::string dropLine(int item, int kind, int mode, int bunsen, int condenser) {
  return String::format("add item %d to target %d with mode(%d), bunsen(%d), condenser(%d)\n", item, kind, mode,
                        bunsen, condenser)
      .c_str();
}

// The zone map and panels, and a catalogue in which item 1 has no power picture.
Entries magePictures() {
  std::vector<uint8_t> items = testcontent::dataFile("items.xml");
  std::string text(items.begin(), items.end());
  text.replace(text.find("desc=\"reedsalt.jpg\""), 19, "desc=\"\"");
  return {{"gfx\\xml\\items.xml", std::vector<uint8_t>(text.begin(), text.end())},
          {"gfx\\mage\\mask.bmp", zoneBmp(kZones)},
          {"gfx\\mage\\item_bgn.bmp", plainBmp(208, 220, kGrey)},
          {"gfx\\mage\\help_bgn.gif", plainGif(106, 180, kGrey)}};
}

class MageScreenTest : public ScreenTest {
protected:
  MageScreenTest() : ScreenTest(magePictures()) {
    seedRandom(7);
    PlayerManager::startGame({HumanPlayer, ComputerPlayer, ComputerPlayer});
    ScreenManager::instance().addScreen("MAGE", &mage);
  }

  // Opens the mage as other screens do, plays the script in it, and returns what it wrote
  // on standard error. A script may end with taps the mage should not have waited for.
  std::string visitMage(ScreenParam target, const std::string& text, bool spareTaps = false) {
    play("until MAGE 5000\nwait 100\n" + text);
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(ScreenManager::instance().callScreen(nullptr, "MAGE", target));
    const std::string said = ::testing::internal::GetCapturedStderr();
    for (int i = 0; spareTaps && i < 200 && !script.finished(); ++i) rig.app.update(true);
    EXPECT_TRUE(script.finished()) << "left at script line " << script.pendingLine();
    return spellLines(said);
  }
  // Runs the mage without closing it, so the visit's panels can be looked at.
  void stay(const std::string& text) { visit(mage, "wait 200\n" + text, kSpellOnHuman); }

  Dragon& dragon(int place) { return *PlayerManager::instance().currentPlayer().dragon(place); }
  void expectDragonAsBefore(const Dragon& before) {
    for (int a = 0; a < 6; ++a) EXPECT_EQ(dragon(0).attribute(a), before.attribute(a)) << "attribute " << a;
  }
  // Counts the presented frames that show the message panel.
  void watchForMessages() {
    rig.backend.onPresent = [this] {
      if (rig.backend.landscape()[65 * 320 + 15] == testcontent::kPanelColour) ++messageFrames;
    };
  }

  MageScreen mage;
  int messageFrames = 0;
};

// ---- Dropping items ---------------------------------------------------------------------

TEST_F(MageScreenTest, EachSideTakesItsDropWithTheDialsWhichThenGoBackToZero) {
  ASSERT_EQ(mage.failure().length(), 0);
  const std::string said = visitMage(kSpellOnVillage + 3, kBunsen + kBunsen + kCondenser + dropOn(0) +  // 2, 1
                                                              dropOn(1, 1) +  // the dials were reset
                                                              times(3, kCondenser) + dropOn(2, 2) +
                                                              times(4, kBunsen) + dropOn(3, 4) +  // 3 wraps to 0
                                                              kCancel);
  EXPECT_EQ(said, dropLine(0, 3, 0, 2, 1) + dropLine(1, 3, 1, 0, 0) + dropLine(2, 3, 2, 0, 3) +
                      dropLine(4, 3, 3, 0, 0));
  EXPECT_EQ(mage.spell().itemsDropped(), 4);
  EXPECT_FALSE(mage.spell().tooPowerful());
}

TEST_F(MageScreenTest, ADropBesideTheCauldronCountsNothingButStillResetsTheDials) {
  const std::string said =
      visitMage(kSpellOnHuman, kBunsen + kCondenser + drag(0, 200, 120) + drag(1, 310, 10) + dropOn(3) + kCancel);
  EXPECT_EQ(said, dropLine(0, 2, 3, 0, 0));  // the centre and the corner took nothing
  EXPECT_EQ(mage.spell().itemsDropped(), 1);
  EXPECT_EQ(PlayerManager::instance().currentPlayer().items.size(), 7u);  // the items stay on the shelf
}

TEST_F(MageScreenTest, TheScrolledShelfOffersLaterItemsAndStopsAtTheLastFive) {
  // Seven kinds of items: the offset stops at 2.
  stay(times(3, kForward) + kCancel);
  EXPECT_EQ(mage.scrollOffset(), 2);
  const std::string said =
      visitMage(kSpellOnHuman, kForward + dropOn(0, 4) + kBack + kBack + dropOn(0, 0) + kCancel);
  EXPECT_EQ(said, dropLine(5, 2, 0, 0, 0) + dropLine(0, 2, 0, 0, 0));
  // Three kinds: the shelf does not scroll.
  for (int id = 3; id < 7; ++id) PlayerManager::instance().currentPlayer().items.erase(id);
  stay(kForward + kCancel);
  EXPECT_EQ(mage.scrollOffset(), 0);
}

// Letting go without moving, or a drag from a row below the last item, drops nothing.
TEST_F(MageScreenTest, OnlyAnItemMovedOffTheShelfIsDropped) {
  EXPECT_EQ(visitMage(kSpellOnHuman, "press 20 26\nwait 100\nrelease\nwait 200\n" + kCast), "");
  EXPECT_EQ(mage.lastMessage(), String(""));
  for (int id = 2; id < 7; ++id) PlayerManager::instance().currentPlayer().items.erase(id);
  EXPECT_EQ(visitMage(kSpellOnHuman, dropOn(0, 3) + kCancel), "");
}

// ---- Power limit and casting ------------------------------------------------------------

TEST_F(MageScreenTest, TheSixthDropGetsOutOfControlClosesTheMageAndCastsNothing) {
  watchForMessages();
  const Dragon before = dragon(0);
  std::string text;
  for (int i = 0; i < 6; ++i) text += dropOn(i % 4, i % 5);
  const std::string said = visitMage(kSpellOnDragon, text + kDismiss);  // no exit tapped
  EXPECT_EQ(mage.lastMessage(), String(kSpellTooPowerful));
  EXPECT_GT(messageFrames, 0);
  EXPECT_EQ(mage.spell().itemsDropped(), 6);
  expectDragonAsBefore(before);
  EXPECT_NE(said.find(dropLine(0, 0, 1, 0, 0)), std::string::npos);  // the sixth, on the east side
}

TEST_F(MageScreenTest, FiveDropsAndTheCastExitCastOnceOnTheDragon) {
  watchForMessages();
  const Dragon before = dragon(0);
  seedRandom(11);
  visitMage(kSpellOnDragon, times(5, dropOn(0)) + kCast + kDismiss);
  EXPECT_EQ(mage.lastMessage(), String("Spell successfully casted on the dragon"));
  EXPECT_GT(messageFrames, 0);
  seedRandom(11);
  const int change2 = randomNumber() % 9 - 4;
  const int change3 = randomNumber() % 9 - 4;
  EXPECT_EQ(dragon(0).attribute(0), before.attribute(0) + 1);
  EXPECT_EQ(dragon(0).attribute(2), before.attribute(2) + change2);
  EXPECT_EQ(dragon(0).attribute(Dragon::kHealth), before.attribute(Dragon::kHealth) + change3);
}

TEST_F(MageScreenTest, EachKindOfTargetHearsItsOwnMessage) {
  const std::pair<ScreenParam, const char*> kinds[] = {
      {kSpellOnEgg + 2, "Spell successfully casted on the egg"},
      {kSpellOnHuman, "Spell successfully casted on yourself"},
      {kSpellOnVillage + 1, "Spell successfully casted on the village"},
      {kSpellOnDragon + 5, "Spell successfully casted on the dragon"},  // no dragon there
  };
  CountryManager& land = CountryManager::instance();
  const int population = land.village(1).population;
  seedRandom(5);
  for (const auto& [target, message] : kinds) {
    visitMage(target, dropOn(2) + kCast + kDismiss);
    EXPECT_EQ(mage.lastMessage(), String(message));
  }
  // Only the village spell draws a number.
  seedRandom(5);
  EXPECT_EQ(land.village(1).population, population + randomNumber() % 65 - 32);
}

TEST_F(MageScreenTest, TheCancelExitAndAnEmptyCauldronCastNothing) {
  watchForMessages();
  const Dragon before = dragon(0);
  // A message shown by mistake would be dismissed by the spare tap.
  visitMage(kSpellOnDragon, dropOn(1) + kCancel + kDismiss, true);
  visitMage(kSpellOnDragon, kCast + kDismiss, true);  // nothing dropped in this visit
  EXPECT_EQ(mage.lastMessage(), String(""));
  EXPECT_EQ(messageFrames, 0);
  expectDragonAsBefore(before);
}

TEST_F(MageScreenTest, AnUnknownTargetFallsBackToThePlayer) {
  const Dragon before = dragon(0);
  const std::string said = visitMage(ScreenParam(0x12000000), dropOn(0) + kCast + kDismiss);
  EXPECT_EQ(said.rfind("MageScreen::visible(): ERROR: invalid spell target, using current player !\n", 0), 0u)
      << said;
  EXPECT_NE(said.find(dropLine(0, 2, 0, 0, 0)), std::string::npos);
  EXPECT_EQ(mage.lastMessage(), String("Spell successfully casted on yourself"));
  expectDragonAsBefore(before);
}

// ---- Shelf and help ---------------------------------------------------------------------

TEST_F(MageScreenTest, TheOpenShelfShowsHelpForTheTappedItem) {
  const ItemManager& catalogue = ItemManager::instance();
  // Column 1, row 1 is the seventh item.
  stay(kShelfHandle + tap(50, 70, 0) + "wait 300\n" + kCancel);
  EXPECT_TRUE(mage.itemPanelOpen());
  EXPECT_EQ(mage.itemPanelWidth(), 208);
  EXPECT_TRUE(mage.helpOpen());
  EXPECT_EQ(mage.helpText(), catalogue.item(6)->name);
  EXPECT_TRUE(mage.hasPowerPicture());
  // The grid's bottom line still belongs to the fifth row; item 1 has no power picture.
  stay(kShelfHandle + tap(10, 216, 0) + "wait 300\n" + kCancel);
  EXPECT_EQ(mage.helpText(), catalogue.item(4)->name);
  stay(kShelfHandle + tap(10, 60, 0) + "wait 300\n" + kCancel);
  EXPECT_TRUE(mage.helpOpen());
  EXPECT_EQ(mage.helpText(), catalogue.item(1)->name);
  EXPECT_FALSE(mage.hasPowerPicture());
}

// The shelf slides open and shut at the handheld's pace: each width it passes through stays
// up for a pace.
TEST_F(MageScreenTest, TheShelfSlidesAtTheHandheldsPace) {
  std::vector<uint32_t> changes;
  int lastWidth = -1;
  rig.backend.onPresent = [&] {
    if (mage.itemPanelWidth() == lastWidth) return;
    lastWidth = mage.itemPanelWidth();
    changes.push_back(now());
  };
  stay(kShelfHandle + "wait 600\n" + kShelfHandle + "wait 600\n" + kCancel);
  ASSERT_GE(changes.size(), 8u);  // closed, opening ..., open, closing ..., closed
  // The tick counts whole milliseconds of a 16.7 ms virtual frame: one may read short by 1.
  for (size_t i = 1; i + 1 < changes.size(); ++i)
    EXPECT_GE(changes[i + 1] - changes[i], kHandheldFrameMs - 1) << "width change " << i;
}

TEST_F(MageScreenTest, HelpClosesOnItsButtonOnAnEmptyPlaceAndWithTheShelf) {
  const std::string open = kShelfHandle + tap(10, 20, 0) + "wait 300\n";
  stay(open + tap(305, 10, 0) + "wait 300\n" + kCancel);
  EXPECT_FALSE(mage.helpOpen());
  EXPECT_FALSE(mage.hasPowerPicture());
  EXPECT_TRUE(mage.itemPanelOpen());
  stay(open + tap(180, 20, 0) + "wait 300\n" + kCancel);  // column 5 is empty
  EXPECT_FALSE(mage.helpOpen());
  stay(open + kShelfHandle + kCancel);
  EXPECT_FALSE(mage.helpOpen());
  EXPECT_FALSE(mage.itemPanelOpen());
  EXPECT_EQ(mage.itemPanelWidth(), MageScreen::kClosedPanelWidth);
}

TEST_F(MageScreenTest, TheDialsDoNotTurnWhileTheShelfIsOpen) {
  // The condenser lies outside the open shelf; the shelf must be closed to turn it.
  const std::string said =
      visitMage(kSpellOnHuman, kShelfHandle + kCondenser + kShelfHandle + kBunsen + dropOn(0) + kCancel);
  EXPECT_EQ(said, dropLine(0, 2, 0, 1, 0));
}

}  // namespace
