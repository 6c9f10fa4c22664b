// The mage: dials, the shelf, drops into the cauldron and the spell cast on leaving, played
// with scripted taps and drags on a zone map laid out like the game's.
#include "app/TestApp.h"

#include "app/Script.h"
#include "core/Random.h"
#include "gfx/FontManager.h"
#include "gfx/TestPictures.h"
#include "platform/Files.h"
#include "players/ItemManager.h"
#include "players/PlayerManager.h"
#include "res/ArchiveWriter.h"
#include "res/ResourceArchive.h"
#include "screens/MageScreen.h"
#include "support/TestContent.h"
#include "world/CountryManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Zone {
  int left, top, right, bottom;  // inclusive
  Rgb colour;
};

// The game's mage zones: the cauldron's sides, the dials, the shelf's handle and the bar.
const Zone kZones[] = {
    {185, 2, 254, 71, {0, 0, 255}},       {253, 76, 318, 169, {0, 255, 255}},  // north, east
    {160, 172, 259, 219, {255, 255, 0}},  {92, 70, 167, 169, {255, 0, 255}},   // south, west
    {52, 172, 157, 219, {0, 255, 0}},     {262, 172, 319, 219, {255, 0, 0}},   // bunsen, condenser
    {0, 0, 47, 15, {255, 65, 66}},                                             // shelf handle
    {0, 221, 23, 239, {255, 195, 255}},   {24, 221, 47, 239, {198, 195, 255}}, // scroll back, forward
    {256, 221, 287, 239, {198, 255, 255}}, {288, 221, 319, 239, {198, 255, 198}},  // cast, cancel
};

// Tap points of those zones.
constexpr const char* kSidePoint[4] = {"220 30", "290 120", "210 200", "120 120"};
constexpr const char* kBunsen = "tap 100 200\nwait 60\n";
constexpr const char* kCondenser = "tap 290 200\nwait 60\n";
constexpr const char* kShelfHandle = "tap 20 8\nwait 400\n";
constexpr const char* kForward = "tap 30 230\nwait 60\n";
constexpr const char* kBack = "tap 10 230\nwait 60\n";
constexpr const char* kCast = "tap 270 230\n";
constexpr const char* kCancel = "tap 300 230\n";
// A tap that dismisses the message over the mage.
constexpr const char* kDismiss = "wait 300\ntap 160 120\n";

constexpr uint16_t kPanelColour = 0x18C3;

std::vector<uint8_t> maskBmp() {
  RgbImage mask;
  mask.width = 320;
  mask.height = 240;
  mask.rgb.assign(size_t(320 * 240 * 3), 0);
  for (const Zone& zone : kZones)
    for (int y = zone.top; y <= zone.bottom; ++y)
      for (int x = zone.left; x <= zone.right; ++x)
        std::copy(zone.colour.begin(), zone.colour.end(), mask.rgb.begin() + (y * 320 + x) * 3);
  return writeBmp24(mask);
}

std::vector<uint8_t> plainBmp(int width, int height) {
  RgbImage image;
  image.width = width;
  image.height = height;
  image.rgb.assign(size_t(width * height * 3), 60);
  return writeBmp24(image);
}

// Drags the shelf's item in `row` onto a point and lets go.
std::string drag(int row, const std::string& point) {
  return "press 20 " + std::to_string(26 + 40 * row) + "\nwait 60\nmove " + point + "\nwait 60\nrelease\nwait 600\n";
}
std::string dropOn(int side, int row = 0) { return drag(row, kSidePoint[side]); }

// The lines the spell writes, without the notes about pictures the test archive lacks.
std::string spellLines(const std::string& said) {
  std::string kept;
  size_t at = 0;
  while (at < said.size()) {
    size_t end = said.find('\n', at);
    end = end == std::string::npos ? said.size() : end + 1;
    const std::string line = said.substr(at, end - at);
    if (line.rfind("add item ", 0) == 0 || line.rfind("MageScreen::", 0) == 0) kept += line;
    at = end;
  }
  return kept;
}

std::string dropLine(int item, int kind, int mode, int bunsen, int condenser) {
  return "add item " + std::to_string(item) + " to target " + std::to_string(kind) + " with mode(" +
         std::to_string(mode) + "), bunsen(" + std::to_string(bunsen) + "), condenser(" +
         std::to_string(condenser) + ")\n";
}

class MageScreenTest : public ::testing::Test {
protected:
  MageScreenTest() : folder(withMageContent(testcontent::writeGraphicsArchive(testName()))) {
    seedRandom(7);
    PlayerManager::startGame({HumanPlayer, ComputerPlayer, ComputerPlayer});
    manager().addScreen("MAGE", &mage);
  }
  ~MageScreenTest() override {
    PlayerManager::destroy();
    CountryManager::destroy();
    ItemManager::destroy();
    FontManager::destroy();
    closeGraphicsArchive();
  }
  static std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }
  static ScreenManager& manager() { return ScreenManager::instance(); }

  // The test archive with the mage's zone map and panels, and a catalogue in which
  // item 1 has no power picture; before the mage and the catalogue read it.
  static std::string withMageContent(const std::string& folder) {
    ResourceArchive* archive = openGraphicsArchive();
    if (!archive) return folder;
    ArchiveWriter writer;
    for (int i = 0; i < archive->count(); ++i) {
      std::vector<uint8_t> bytes = *archive->read(i);
      if (archive->nameOf(i) == String("gfx\\xml\\items.xml")) {
        std::string text(bytes.begin(), bytes.end());
        text.replace(text.find("desc=\"reedsalt.jpg\""), 19, "desc=\"\"");
        bytes.assign(text.begin(), text.end());
      }
      writer.add(archive->nameOf(i), bytes);
    }
    closeGraphicsArchive();
    writer.add("gfx\\mage\\mask.bmp", maskBmp());
    writer.add("gfx\\mage\\item_bgn.bmp", plainBmp(208, 220));
    writer.add("gfx\\mage\\help_bgn.gif", plainBmp(106, 180));
    const std::vector<uint8_t> bytes = writer.bytes();
    platform::replaceFile(folder + "/gfx.arc", bytes.data(), bytes.size());
    return folder;
  }

  // The script begins when the mage runs: its own loop, or (`modal` false) the first frame.
  void play(const std::string& text, bool modal = true) {
    std::string error;
    ASSERT_TRUE(script.load((modal ? "until MAGE 5000\nwait 100\n" : "wait 200\n") + text, error)) << error;
    rig.app.setScript(&script);
  }
  // Opens the mage as other screens do, plays the script in it, and returns what it wrote
  // on standard error. A script may end with taps the mage should not have waited for.
  std::string visit(ScreenParam target, const std::string& text, bool spareTaps = false) {
    play(text);
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(manager().callScreen(nullptr, "MAGE", target));
    const std::string said = ::testing::internal::GetCapturedStderr();
    for (int i = 0; spareTaps && i < 200 && !script.finished(); ++i) rig.app.update(true);
    EXPECT_TRUE(script.finished()) << "left at script line " << script.pendingLine();
    return spellLines(said);
  }
  // Runs the mage without closing it, so the visit's panels can be looked at.
  void stay(ScreenParam target, const std::string& text) {
    play(text, false);
    manager().showScreen(&mage, false, target);
    String next;
    mage.run(next);
    EXPECT_TRUE(script.finished()) << "left at script line " << script.pendingLine();
  }

  Player& player() { return PlayerManager::instance().currentPlayer(); }
  Dragon& dragon(int place) { return *player().dragon(place); }
  // Counts the presented frames that show the message panel.
  void watchForMessages() {
    rig.backend.onPresent = [this] {
      if (rig.backend.landscape()[65 * 320 + 15] == kPanelColour) ++messageFrames;
    };
  }

  std::string folder;
  TestRig rig;
  ScriptRunner script{rig.backend};
  MageScreen mage;
  int messageFrames = 0;
};

// ---- Dropping items ---------------------------------------------------------------------

TEST_F(MageScreenTest, EachSideTakesItsDropWithTheDialsWhichThenGoBackToZero) {
  ASSERT_EQ(mage.failure().length(), 0);
  const std::string said = visit(kSpellOnVillage + 3,
                                 std::string(kBunsen) + kBunsen + kCondenser + dropOn(0) +  // bunsen 2, condenser 1
                                     dropOn(1, 1) +                                         // the dials were reset
                                     kCondenser + kCondenser + kCondenser + dropOn(2, 2) +  // condenser 3
                                     kBunsen + kBunsen + kBunsen + kBunsen + dropOn(3, 4) +  // 3 wraps to 0
                                     kCancel);
  EXPECT_EQ(said, dropLine(0, 3, 0, 2, 1) + dropLine(1, 3, 1, 0, 0) + dropLine(2, 3, 2, 0, 3) +
                      dropLine(4, 3, 3, 0, 0));
  EXPECT_EQ(mage.spell().itemsDropped(), 4);
  EXPECT_FALSE(mage.spell().tooPowerful());
}

TEST_F(MageScreenTest, ADropBesideTheCauldronCountsNothingButStillResetsTheDials) {
  const std::string said = visit(kSpellOnHuman, std::string(kBunsen) + kCondenser + drag(0, "200 120") +  // the centre
                                                    drag(1, "310 10") + dropOn(3) + kCancel);
  EXPECT_EQ(said, dropLine(0, 2, 3, 0, 0));
  EXPECT_EQ(mage.spell().itemsDropped(), 1);
  // The items stay on the shelf.
  EXPECT_EQ(player().items.size(), 7u);
}

TEST_F(MageScreenTest, LettingGoWithoutMovingDropsNothing) {
  const std::string said = visit(kSpellOnHuman, "press 20 26\nwait 100\nrelease\nwait 200\n" + std::string(kCast));
  EXPECT_EQ(said, "");
  EXPECT_EQ(mage.lastMessage(), String(""));
}

TEST_F(MageScreenTest, TheScrolledShelfOffersLaterItemsAndStopsAtTheLastFive) {
  // Seven kinds of items: the offset stops at 2.
  stay(kSpellOnHuman, std::string(kForward) + kForward + kForward + kCancel);
  EXPECT_EQ(mage.scrollOffset(), 2);
  mage.visible(false, -1);
  const std::string said = visit(kSpellOnHuman, std::string(kForward) + dropOn(0, 4) + kBack + kBack + dropOn(0, 0) + kCancel);
  EXPECT_EQ(said, dropLine(5, 2, 0, 0, 0) + dropLine(0, 2, 0, 0, 0));
  // Three kinds: the shelf does not scroll.
  for (int id = 3; id < 7; ++id) player().items.erase(id);
  stay(kSpellOnHuman, std::string(kForward) + kCancel);
  EXPECT_EQ(mage.scrollOffset(), 0);
  mage.visible(false, -1);
}

TEST_F(MageScreenTest, ARowBelowTheLastItemDragsNothing) {
  for (int id = 2; id < 7; ++id) player().items.erase(id);
  EXPECT_EQ(visit(kSpellOnHuman, dropOn(0, 3) + kCancel), "");
}

// ---- Power limit and casting ------------------------------------------------------------

TEST_F(MageScreenTest, TheSixthDropGetsOutOfControlClosesTheMageAndCastsNothing) {
  watchForMessages();
  const Dragon before = dragon(0);
  std::string text;
  for (int i = 0; i < 6; ++i) text += dropOn(i % 4, i % 5);
  const std::string said = visit(kSpellOnDragon, text + kDismiss);  // no exit tapped
  EXPECT_EQ(mage.lastMessage(), String(kSpellTooPowerful));
  EXPECT_GT(messageFrames, 0);
  EXPECT_EQ(mage.spell().itemsDropped(), 6);
  for (int a = 0; a < 6; ++a) EXPECT_EQ(dragon(0).attribute(a), before.attribute(a)) << "attribute " << a;
  EXPECT_NE(said.find(dropLine(0, 0, 1, 0, 0)), std::string::npos);  // the sixth, on the east side
}

TEST_F(MageScreenTest, FiveDropsAndTheCastExitCastOnceOnTheDragon) {
  watchForMessages();
  const Dragon before = dragon(0);
  std::string text;
  for (int i = 0; i < 5; ++i) text += dropOn(0);
  seedRandom(11);
  visit(kSpellOnDragon, text + kCast + kDismiss);
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
  ASSERT_GT(land.villageCount(), 1);
  const int population = land.village(1).population;
  seedRandom(5);
  for (const auto& [target, message] : kinds) {
    visit(target, dropOn(2) + kCast + kDismiss);
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
  visit(kSpellOnDragon, dropOn(1) + kCancel + kDismiss, true);
  visit(kSpellOnDragon, kCast + std::string(kDismiss), true);  // nothing dropped in this visit
  EXPECT_EQ(mage.lastMessage(), String(""));
  EXPECT_EQ(messageFrames, 0);
  for (int a = 0; a < 6; ++a) EXPECT_EQ(dragon(0).attribute(a), before.attribute(a)) << "attribute " << a;
}

TEST_F(MageScreenTest, AnUnknownTargetFallsBackToThePlayer) {
  const Dragon before = dragon(0);
  const std::string said = visit(ScreenParam(0x12000000), dropOn(0) + kCast + kDismiss);
  EXPECT_EQ(said.rfind("MageScreen::visible(): ERROR: invalid spell target, using current player !\n", 0), 0u) << said;
  EXPECT_NE(said.find(dropLine(0, 2, 0, 0, 0)), std::string::npos);
  EXPECT_EQ(mage.lastMessage(), String("Spell successfully casted on yourself"));
  for (int a = 0; a < 6; ++a) EXPECT_EQ(dragon(0).attribute(a), before.attribute(a)) << "attribute " << a;
}

// ---- Shelf and help ---------------------------------------------------------------------

TEST_F(MageScreenTest, TheOpenShelfShowsHelpForTheTappedItem) {
  const ItemManager& catalogue = ItemManager::instance();
  // Column 1, row 1 is the seventh item.
  stay(kSpellOnHuman, std::string(kShelfHandle) + "tap 50 70\nwait 300\n" + kCancel);
  EXPECT_TRUE(mage.itemPanelOpen());
  EXPECT_EQ(mage.itemPanelWidth(), 208);
  EXPECT_TRUE(mage.helpOpen());
  EXPECT_EQ(mage.helpText(), catalogue.item(6)->name);
  EXPECT_TRUE(mage.hasPowerPicture());
  mage.visible(false, -1);
  // The grid's bottom line still belongs to the fifth row; item 1 has no power picture.
  stay(kSpellOnHuman, std::string(kShelfHandle) + "tap 10 216\nwait 300\n" + kCancel);
  EXPECT_EQ(mage.helpText(), catalogue.item(4)->name);
  mage.visible(false, -1);
  stay(kSpellOnHuman, std::string(kShelfHandle) + "tap 10 60\nwait 300\n" + kCancel);
  EXPECT_TRUE(mage.helpOpen());
  EXPECT_EQ(mage.helpText(), catalogue.item(1)->name);
  EXPECT_FALSE(mage.hasPowerPicture());
  mage.visible(false, -1);
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
  stay(kSpellOnHuman, std::string(kShelfHandle) + "wait 600\n" + kShelfHandle + "wait 600\n" + kCancel);
  mage.visible(false, -1);
  ASSERT_GE(changes.size(), 8u);  // closed, opening ..., open, closing ..., closed
  // The tick counts whole milliseconds of a 16.7 ms virtual frame: one may read short by 1.
  for (size_t i = 1; i + 1 < changes.size(); ++i)
    EXPECT_GE(changes[i + 1] - changes[i], kHandheldFrameMs - 1) << "width change " << i;
}

TEST_F(MageScreenTest, HelpClosesOnItsButtonOnAnEmptyPlaceAndWithTheShelf) {
  const std::string open = std::string(kShelfHandle) + "tap 10 20\nwait 300\n";
  stay(kSpellOnHuman, open + "tap 305 10\nwait 300\n" + kCancel);
  EXPECT_FALSE(mage.helpOpen());
  EXPECT_FALSE(mage.hasPowerPicture());
  EXPECT_TRUE(mage.itemPanelOpen());
  mage.visible(false, -1);
  stay(kSpellOnHuman, open + "tap 180 20\nwait 300\n" + kCancel);  // column 5 is empty
  EXPECT_FALSE(mage.helpOpen());
  mage.visible(false, -1);
  stay(kSpellOnHuman, open + kShelfHandle + kCancel);
  EXPECT_FALSE(mage.helpOpen());
  EXPECT_FALSE(mage.itemPanelOpen());
  EXPECT_EQ(mage.itemPanelWidth(), MageScreen::kClosedPanelWidth);
  mage.visible(false, -1);
}

TEST_F(MageScreenTest, TheDialsDoNotTurnWhileTheShelfIsOpen) {
  // The condenser lies outside the open shelf; the shelf must be closed to turn it.
  const std::string said = visit(kSpellOnHuman, std::string(kShelfHandle) + kCondenser + kShelfHandle + kBunsen +
                                                    dropOn(0) + kCancel);
  EXPECT_EQ(said, dropLine(0, 2, 0, 1, 0));
}

}  // namespace
