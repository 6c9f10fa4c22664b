// The information screen: its three pages of the current ruler (items, affairs, accounts),
// their arrows and scrolling. The land and the items come from the game's own data files:
// the money is "crystal(s)".
#include "support/ScreenTest.h"

#include "screens/InfoScreen.h"

namespace {

using namespace screentest;

const std::string kNext = tap(300, 120), kPrevious = tap(10, 120), kDown = tap(160, 230), kUp = tap(160, 10);
std::string times(int n, const std::string& taps) {
  std::string out;
  for (int i = 0; i < n; ++i) out += taps;
  return out;
}

class InfoScreenTest : public ScreenTest {
protected:
  InfoScreenTest() {
    PlayerManager::startGame({HumanPlayer, ComputerPlayer, ComputerPlayer});
    PlayerManager::instance().setCurrentPlayer(1);
    ruler().name = "Orlenna";
    ruler().items.clear();
    for (int i = 0; i < land().villageCount(); ++i) land().village(i).fightsAgainst = -1;
    for (int i = 0; i < CountryManager::kCells; ++i) land().cell(i).talisman = 0;
  }
  Player& ruler() { return player(1); }
  static CountryManager& land() { return CountryManager::instance(); }
  static std::string itemName(int id) { return ItemManager::instance().item(id)->name.c_str(); }

  // Shows the screen (unless it is open already), plays the taps and the exit; the screen
  // stays shown so its page can be read.
  void page(const std::string& taps, bool show = true) {
    play(taps + tap(310, 230));
    if (show) ScreenManager::instance().showScreen(&info, false, 0);
    String next;
    info.run(next);
    EXPECT_STREQ(next.c_str(), "");
    EXPECT_TRUE(script.finished());
  }
  // Wars between villages 2k and 2k+1, for k below `count`.
  void startWars(int count) {
    for (int k = 0; k < count; ++k) {
      land().village(2 * k).fightsAgainst = 2 * k + 1;
      land().village(2 * k + 1).fightsAgainst = 2 * k;
    }
  }
  static std::string war(int k) {
    return std::string(land().village(2 * k).name.c_str()) + " fights against " +
           land().village(2 * k + 1).name.c_str() + "\n";
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

  InfoScreen info;
};

TEST_F(InfoScreenTest, EveryVisitStartsOnTheItemsPageOfTheCurrentRuler) {
  ruler().addItem(3, 1);
  page(kNext);
  EXPECT_EQ(info.page(), InfoScreen::PageAccounts);
  info.visible(false, -1);
  info.visible(true, 0);
  EXPECT_EQ(info.page(), InfoScreen::PageItems);
  EXPECT_EQ(info.firstShown(), 0);
  EXPECT_EQ(textAt(46, 95), "Orlenna has one magic item in stock.");
  EXPECT_EQ(textAt(46, 112), "It is: ");
  EXPECT_EQ(textAt(125, 133), itemName(3));
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
  EXPECT_EQ(textAt(125, 133), itemName(1));
  EXPECT_EQ(textAt(210, 133), itemName(4));
  EXPECT_EQ(textAt(125, 150), "2 crystals");
  // Down twice: the second is refused at the last view; a tap beside the arrows is nothing.
  page(kDown + kDown + tap(140, 230));
  EXPECT_EQ(info.firstShown(), 1);
  EXPECT_TRUE(info.scrollUpShown());
  EXPECT_FALSE(info.scrollDownShown());
  EXPECT_EQ(textAt(125, 133), itemName(6));
  EXPECT_EQ(textAt(125, 150), "4 crystals");
  EXPECT_EQ(textAt(210, 133), "(none)");
  EXPECT_EQ(textAt(210, 150), "(none)");
}

TEST_F(InfoScreenTest, SevenAffairsScrollThroughThreeViews) {
  startWars(7);
  // Back from the items to the affairs; then down three times (the third is refused).
  page(kPrevious + times(3, kDown));
  ASSERT_EQ(info.page(), InfoScreen::PageAffairs);
  EXPECT_EQ(info.scrollPositions(), 3);
  EXPECT_EQ(info.firstShown(), 2);
  EXPECT_FALSE(info.scrollDownShown());
  EXPECT_EQ(centredLines(), (std::vector<std::string>{war(2), war(3), war(4), war(5), war(6)}));
  EXPECT_EQ(textAt(0, 95), war(2));
  EXPECT_EQ(textAt(0, 195), war(6));
  // Shown again: a full ring back to the affairs, down twice and up once.
  page(times(4, kPrevious) + kDown + kDown + kUp);
  EXPECT_EQ(info.page(), InfoScreen::PageAffairs);
  EXPECT_EQ(info.firstShown(), 1);
  EXPECT_EQ(centredLines().size(), 5u);
  EXPECT_EQ(textAt(0, 95), war(1));
  EXPECT_EQ(textAt(0, 195), war(5));
}

TEST_F(InfoScreenTest, ThePageArrowsEndAtTheirEdgesAndThePagesGoRound) {
  const struct {
    std::string taps;
    int page;
  } cases[] = {
      {tap(25, 104), InfoScreen::PageAffairs},  {tap(25, 141), InfoScreen::PageAffairs},
      {tap(26, 120), InfoScreen::PageItems},    {tap(25, 103), InfoScreen::PageItems},
      {tap(25, 142), InfoScreen::PageItems},    {tap(295, 104), InfoScreen::PageAccounts},
      {tap(319, 141), InfoScreen::PageAccounts}, {tap(294, 120), InfoScreen::PageItems},
      {tap(300, 103), InfoScreen::PageItems},   {tap(300, 142), InfoScreen::PageItems},
      {times(4, kNext), InfoScreen::PageAccounts}, {times(4, kPrevious), InfoScreen::PageAffairs},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.taps);
    page(c.taps);
    EXPECT_EQ(info.page(), c.page);
  }
}

TEST_F(InfoScreenTest, FewAffairsDoNotScrollAndTurningAPageGoesBackToTheTop) {
  startWars(5);
  for (int id : {0, 1, 2}) ruler().addItem(id, 1);
  page(kDown + kNext);  // item view 2, then next: the accounts
  EXPECT_EQ(info.page(), InfoScreen::PageAccounts);
  EXPECT_EQ(info.firstShown(), 0);
  EXPECT_FALSE(info.scrollDownShown());
  page(kNext + kNext + kDown);  // affairs: five lines, nowhere to scroll
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
  page(kPrevious + kPrevious);  // items, affairs, accounts
  ASSERT_EQ(info.page(), InfoScreen::PageAccounts);
  const std::pair<std::pair<int, int>, const char*> texts[] = {
      {{46, 74}, "Egg 1:"},       {{130, 74}, "1 crystal"},   {{220, 74}, "(none)"},
      {{220, 91}, "0 crystal"},   // nothing stands under "Gain"
      {{130, 108}, "7 crystals"}, {{220, 125}, "3 crystals"}, {{46, 142}, "Dragons:"},
      {{220, 142}, "1 crystal"},  {{130, 176}, "2147483648 crystals"}, {{46, 193}, "General:"},
      {{46, 218}, "Orlenna owns 1 crystal and one egg."},  {{46, 235}, "(none)"},  // no talisman part
  };
  for (const auto& [at, text] : texts) EXPECT_EQ(textAt(at.first, at.second), text) << at.first << ", " << at.second;
}

TEST_F(InfoScreenTest, TheOwnersLineAndTheTalismanParts) {
  ruler().money = 0;
  ruler().eggs = 0;
  land().cell(5).talisman = 1;
  land().cell(5).guardOwner = 1;
  land().cell(6).talisman = 1;
  land().cell(6).guardOwner = 0;  // another ruler's part
  page(kNext);
  EXPECT_EQ(textAt(46, 218), "Orlenna owns no crystal and no eggs.");
  EXPECT_EQ(textAt(46, 235), "He found 1 parts of the talisman");
  info.visible(false, -1);
  ruler().money = 250;
  ruler().eggs = 12;
  land().cell(6).guardOwner = 1;
  page(kNext);
  EXPECT_EQ(textAt(46, 218), "Orlenna owns 250 crystals and 12 eggs.");
  EXPECT_EQ(textAt(46, 235), "He found 2 parts of the talisman");
}

TEST_F(InfoScreenTest, ThePageIsCopiedWhenShown) {
  startWars(2);
  info.visible(true, 0);
  PlayerManager::instance().setCurrentPlayer(2);
  startWars(6);
  page(kPrevious, false);  // still open: the wars as they were on opening
  EXPECT_EQ(centredLines().size(), 2u);
  page(times(4, kPrevious));  // next visit: a ring, then the affairs
  EXPECT_EQ(centredLines().size(), 5u);
  EXPECT_EQ(info.scrollPositions(), 2);
  page("");
  EXPECT_EQ(textAt(46, 95), std::string(player(2).name.c_str()) + " has " + std::to_string(player(2).items.size()) +
                                " magic items in stock.");
}

}  // namespace
