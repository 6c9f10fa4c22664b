#include "app/Script.h"
#include "app/TestApp.h"
#include "gfx/FontManager.h"
#include "players/ItemManager.h"
#include "players/PlayerManager.h"
#include "res/ResourceArchive.h"
#include "screens/InfoScreen.h"
#include "support/TestContent.h"
#include "world/CountryManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The land and the items come from the game's own data files: the money is "crystal(s)".
class InfoScreenTest : public ::testing::Test {
protected:
  InfoScreenTest() : folder(testcontent::writeGraphicsArchive(testName())) {
    PlayerManager::startGame({HumanPlayer, ComputerPlayer, ComputerPlayer});
    PlayerManager::instance().setCurrentPlayer(1);
    ruler().name = "Orlenna";
    ruler().items.clear();
    for (int i = 0; i < CountryManager::instance().villageCount(); ++i) {
      CountryManager::instance().village(i).fightsAgainst = -1;
    }
    for (int i = 0; i < CountryManager::kCells; ++i) CountryManager::instance().cell(i).talisman = 0;
  }
  ~InfoScreenTest() override {
    PlayerManager::destroy();
    CountryManager::destroy();
    FontManager::destroy();
    closeGraphicsArchive();
  }
  static std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }
  Player& ruler() { return *PlayerManager::instance().player(1); }

  // Shows the screen, plays the taps (each after a pause) and the exit; the screen stays
  // shown so its page can be read.
  void runWithTaps(const std::vector<std::pair<int, int>>& taps, bool show = true) {
    std::string text;
    for (auto [x, y] : taps) text += "wait 50\ntap " + std::to_string(x) + " " + std::to_string(y) + "\n";
    text += "wait 50\ntap 310 230\n";
    std::string error;
    ASSERT_TRUE(script.load(text, error)) << error;
    rig.app.setScript(&script);
    if (show) ScreenManager::instance().showScreen(&info, false, 0);
    String next;
    info.run(next);
    EXPECT_STREQ(next.c_str(), "");
    EXPECT_TRUE(script.finished());
  }
  // Wars between villages 2k and 2k+1, for k below `count`.
  void startWars(int count) {
    CountryManager& land = CountryManager::instance();
    for (int k = 0; k < count; ++k) {
      land.village(2 * k).fightsAgainst = 2 * k + 1;
      land.village(2 * k + 1).fightsAgainst = 2 * k;
    }
  }
  // The text drawn at a point of the page, or "(none)".
  std::string textAt(int x, int y) const {
    for (const InfoScreen::Text& t : info.pageTexts())
      if (t.x == x && t.y == y) return t.text.c_str();
    return "(none)";
  }
  std::vector<std::string> centredLines() const {
    std::vector<std::string> lines;
    for (const InfoScreen::Text& t : info.pageTexts())
      if (t.alignment == AlignCentre) lines.push_back(t.text.c_str());
    return lines;
  }

  std::string folder;
  TestRig rig;
  ScriptRunner script{rig.backend};
  InfoScreen info;
};

TEST_F(InfoScreenTest, EveryVisitStartsOnTheItemsPageOfTheCurrentRuler) {
  ruler().addItem(3, 1);
  runWithTaps({{300, 120}});  // next: the accounts
  EXPECT_EQ(info.page(), InfoScreen::PageAccounts);
  info.visible(false, -1);
  info.visible(true, 0);
  EXPECT_EQ(info.page(), InfoScreen::PageItems);
  EXPECT_EQ(info.firstShown(), 0);
  EXPECT_EQ(textAt(46, 95), "Orlenna has one magic item in stock.");
  EXPECT_EQ(textAt(46, 112), "It is: ");
  EXPECT_EQ(textAt(125, 133), ItemManager::instance().item(3)->name.c_str());
  EXPECT_EQ(textAt(125, 150), "1 crystal");
  EXPECT_EQ(textAt(210, 133), "(none)");
}

TEST_F(InfoScreenTest, NoItemsMeansNoSecondLineAndNoArrows) {
  info.visible(true, 0);
  EXPECT_EQ(textAt(46, 95), "Orlenna has no magic items in stock.");
  EXPECT_EQ(textAt(46, 112), "(none)");
  EXPECT_EQ(info.scrollPositions(), 1);
  EXPECT_FALSE(info.scrollUpShown());
  EXPECT_FALSE(info.scrollDownShown());
}

TEST_F(InfoScreenTest, ThreeItemsGiveTwoViewsAndTheLastStandsAlone) {
  ruler().addItem(6, 4);
  ruler().addItem(1, 2);
  ruler().addItem(4, 1);
  info.visible(true, 0);
  EXPECT_EQ(textAt(46, 95), "Orlenna has 3 magic items in stock.");
  EXPECT_EQ(textAt(46, 112), "They are: ");
  EXPECT_EQ(info.scrollPositions(), 2);
  EXPECT_TRUE(info.scrollDownShown());
  EXPECT_FALSE(info.scrollUpShown());
  // Ascending item numbers: 1 and 4 first.
  EXPECT_EQ(textAt(125, 133), ItemManager::instance().item(1)->name.c_str());
  EXPECT_EQ(textAt(210, 133), ItemManager::instance().item(4)->name.c_str());
  EXPECT_EQ(textAt(125, 150), "2 crystals");
  // Down twice: the second is refused at the last view; a tap beside the arrows is nothing.
  runWithTaps({{160, 230}, {160, 230}, {140, 230}});
  EXPECT_EQ(info.firstShown(), 1);
  EXPECT_TRUE(info.scrollUpShown());
  EXPECT_FALSE(info.scrollDownShown());
  EXPECT_EQ(textAt(125, 133), ItemManager::instance().item(6)->name.c_str());
  EXPECT_EQ(textAt(125, 150), "4 crystals");
  EXPECT_EQ(textAt(210, 133), "(none)");
  EXPECT_EQ(textAt(210, 150), "(none)");
}

TEST_F(InfoScreenTest, SevenAffairsScrollThroughThreeViews) {
  startWars(7);
  info.visible(true, 0);
  CountryManager& land = CountryManager::instance();
  auto line = [&](int k) {
    return std::string(land.village(2 * k).name.c_str()) + " fights against " + land.village(2 * k + 1).name.c_str() +
           "\n";
  };
  // Back from the items to the affairs; then down three times (the third is refused).
  runWithTaps({{10, 120}, {160, 230}, {160, 230}, {160, 230}});
  ASSERT_EQ(info.page(), InfoScreen::PageAffairs);
  EXPECT_EQ(info.scrollPositions(), 3);
  EXPECT_EQ(info.firstShown(), 2);
  EXPECT_FALSE(info.scrollDownShown());
  EXPECT_EQ(centredLines(), (std::vector<std::string>{line(2), line(3), line(4), line(5), line(6)}));
  EXPECT_EQ(textAt(0, 95), line(2));
  EXPECT_EQ(textAt(0, 195), line(6));
  // Shown again: a full ring back to the affairs, down twice and up once.
  runWithTaps({{10, 120}, {10, 120}, {10, 120}, {10, 120}, {160, 230}, {160, 230}, {160, 10}});
  EXPECT_EQ(info.page(), InfoScreen::PageAffairs);
  EXPECT_EQ(info.firstShown(), 1);
  EXPECT_EQ(centredLines().size(), 5u);
  EXPECT_EQ(textAt(0, 95), line(1));
  EXPECT_EQ(textAt(0, 195), line(5));
}

TEST_F(InfoScreenTest, ThePageArrowsEndAtTheirEdgesAndThePagesGoRound) {
  using Taps = std::vector<std::pair<int, int>>;
  const Taps fourNext(4, {300, 120}), fourPrevious(4, {10, 120});
  struct Case {
    Taps taps;
    int page;
  };
  const Case cases[] = {
      {{{25, 104}}, InfoScreen::PageAffairs},  {{{25, 141}}, InfoScreen::PageAffairs},
      {{{26, 120}}, InfoScreen::PageItems},    {{{25, 103}}, InfoScreen::PageItems},
      {{{25, 142}}, InfoScreen::PageItems},    {{{295, 104}}, InfoScreen::PageAccounts},
      {{{319, 141}}, InfoScreen::PageAccounts}, {{{294, 120}}, InfoScreen::PageItems},
      {{{300, 103}}, InfoScreen::PageItems},   {{{300, 142}}, InfoScreen::PageItems},
      {fourNext, InfoScreen::PageAccounts},    {fourPrevious, InfoScreen::PageAffairs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.taps));
    runWithTaps(c.taps);
    EXPECT_EQ(info.page(), c.page);
  }
}

TEST_F(InfoScreenTest, FewAffairsDoNotScrollAndTurningAPageGoesBackToTheTop) {
  startWars(5);
  ruler().addItem(0, 1);
  ruler().addItem(1, 1);
  ruler().addItem(2, 1);
  runWithTaps({{160, 230}, {300, 120}});  // item view 2, then next: the accounts
  EXPECT_EQ(info.page(), InfoScreen::PageAccounts);
  EXPECT_EQ(info.firstShown(), 0);
  EXPECT_FALSE(info.scrollDownShown());
  runWithTaps({{300, 120}, {300, 120}, {160, 230}});  // affairs: five lines, nowhere to scroll
  EXPECT_EQ(info.page(), InfoScreen::PageAffairs);
  EXPECT_EQ(info.scrollPositions(), 1);
  EXPECT_EQ(info.firstShown(), 0);
  EXPECT_EQ(centredLines().size(), 5u);
}

TEST_F(InfoScreenTest, TheAccountsShowLossesAndGainsInTheLandsMoney) {
  const int32_t accounts[Player::kAccounts] = {-1, 0, -7, 3, 1, 20, -2147483647 - 1, 2};
  std::copy(std::begin(accounts), std::end(accounts), ruler().accounts);
  ruler().money = 1;
  ruler().eggs = 1;
  runWithTaps({{10, 120}, {10, 120}});  // items, affairs, accounts
  ASSERT_EQ(info.page(), InfoScreen::PageAccounts);
  EXPECT_EQ(textAt(46, 74), "Egg 1:");
  EXPECT_EQ(textAt(130, 74), "1 crystal");
  EXPECT_EQ(textAt(220, 74), "(none)");
  EXPECT_EQ(textAt(220, 91), "0 crystal");  // nothing stands under "Gain"
  EXPECT_EQ(textAt(130, 108), "7 crystals");
  EXPECT_EQ(textAt(220, 125), "3 crystals");
  EXPECT_EQ(textAt(46, 142), "Dragons:");
  EXPECT_EQ(textAt(220, 142), "1 crystal");
  EXPECT_EQ(textAt(130, 176), "2147483648 crystals");
  EXPECT_EQ(textAt(46, 193), "General:");
  EXPECT_EQ(textAt(46, 218), "Orlenna owns 1 crystal and one egg.");
  EXPECT_EQ(textAt(46, 235), "(none)");  // no talisman part
}

TEST_F(InfoScreenTest, TheOwnersLineAndTheTalismanParts) {
  ruler().money = 0;
  ruler().eggs = 0;
  CountryManager& land = CountryManager::instance();
  land.cell(5).talisman = 1;
  land.cell(5).guardOwner = 1;
  land.cell(6).talisman = 1;
  land.cell(6).guardOwner = 0;  // another ruler's part
  info.visible(true, 0);
  runWithTaps({{300, 120}});
  EXPECT_EQ(textAt(46, 218), "Orlenna owns no crystal and no eggs.");
  EXPECT_EQ(textAt(46, 235), "He found 1 parts of the talisman");
  info.visible(false, -1);
  ruler().money = 250;
  ruler().eggs = 12;
  land.cell(6).guardOwner = 1;
  runWithTaps({{300, 120}});
  EXPECT_EQ(textAt(46, 218), "Orlenna owns 250 crystals and 12 eggs.");
  EXPECT_EQ(textAt(46, 235), "He found 2 parts of the talisman");
}

TEST_F(InfoScreenTest, ThePageIsCopiedWhenShown) {
  startWars(2);
  info.visible(true, 0);
  PlayerManager::instance().setCurrentPlayer(2);
  startWars(6);
  runWithTaps({{10, 120}}, false);  // still open: the wars as they were on opening
  EXPECT_EQ(centredLines().size(), 2u);
  runWithTaps({{10, 120}, {10, 120}, {10, 120}, {10, 120}});  // next visit: a ring, then the affairs
  EXPECT_EQ(centredLines().size(), 5u);
  EXPECT_EQ(info.scrollPositions(), 2);
  runWithTaps({});
  std::string owner = PlayerManager::instance().player(2)->name.c_str();
  EXPECT_EQ(textAt(46, 95), owner + " has " + std::to_string(PlayerManager::instance().player(2)->items.size()) +
                                " magic items in stock.");
}

}  // namespace
