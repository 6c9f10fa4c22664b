// The month's end: every ruler's month before the land's, the report and its scrolling,
// and the ends of the game it can bring.
#include "support/ScreenTest.h"

#include "screens/MonthEndScreen.h"
#include "world/MonthFixture.h"

namespace {

using namespace screentest;
using monthtest::Announcement;
using monthtest::shown;

constexpr uint16_t kScrollColour = 0x07E0;
constexpr int kVillages = 12;
const std::string kDismiss = tap(160, 120, 300);

Entries monthPictures() {
  Entries pictures{{"gfx\\cellar\\scroll.gif", plainGif(298, 220, kScrollColour)}};
  for (int i = 0; i < 4; ++i)
    pictures.emplace_back("gfx\\engine\\bgn0" + std::to_string(i) + ".jpg", plainJpeg(320, 240, 0x001F));
  return pictures;
}

class MonthEndScreenTest : public ScreenTest {
protected:
  MonthEndScreenTest() : ScreenTest(monthPictures()) {
    shown().clear();
    seedRandom(1);
    // Twelve calm villages of one race (no wars), all Harvek's at 20 %: a month without
    // events. A village taxed at 100 % revolts without a guard: one line each.
    std::string villages;
    for (int i = 0; i < kVillages; ++i)
      villages += monthtest::villageXml("Vill" + std::to_string(i), "Fenfolk",
                                        (std::to_string(i + 1) + "," + std::to_string(i + 1)).c_str());
    const std::string text = monthtest::land(villages);
    land = &CountryManager::install(CountryManager::fromXml(text.data(), text.size()));
    for (int i = 0; i < CountryManager::kCells; ++i) land->cell(i).talisman = 0;
    for (int i = 0; i < land->villageCount(); ++i) {
      Village& v = land->village(i);
      v = Village{v.index, v.name, v.race, 0, v.x, v.y, v.population, v.industry, v.yeomanry, 0, 20};
    }
    PlayerManager::startGame({HumanPlayer, HumanPlayer, HumanPlayer});
    for (int p = 0; p < 3; ++p) player(p).money = 100;
    for (Announcement* s : {&action, &died, &win}) {
      String name;
      s->getName(name);
      ScreenManager::instance().addScreen(name, s);
    }
  }

  MapCell& cellOf(int k) { return land->cell(land->village(k).x, land->village(k).y); }
  void revolts(int villages) {
    for (int k = 0; k < villages; ++k) land->village(k).tax = 100;
  }
  // Runs the month as the round screen's call does, played by the keys and taps; the
  // screen stays shown, so its report and its last picture can be looked at.
  void runMonth(const std::string& taps) { EXPECT_EQ(visit(screen, taps), ""); }
  int linesDrawn() const {
    int lines = 0;
    for (int i = 0; i < 10; ++i) {
      const int baseline = MonthEndScreen::kFirstBaseline + MonthEndScreen::kLineSpacing * i;
      if (baseline <= 240 && inkIn(0, baseline - 14, 319, baseline - 1)) ++lines;
    }
    return lines;
  }
  bool scrollShown() const { return pixel(15, 14) == kScrollColour; }

  CountryManager* land = nullptr;
  Announcement action{"ACTION"}, died{"DRAGONDIED"}, win{"WINSCREEN"};
  MonthEndScreen screen;
};

TEST_F(MonthEndScreenTest, EveryRulersMonthComesBeforeTheLands) {
  // Each ruler's first dragon dies of old age in his own month; a second one attacks in
  // the land's month.
  for (int p = 0; p < 3; ++p) {
    Dragon& old = *player(p).dragon(0);
    old.age = old.lifespan - 1;
    Dragon young{String("Young")};
    for (int32_t& a : young.attributes) a = 50;
    player(p).addDragon(young);
  }
  player(1).accounts[AccountTaxes] = 77;
  cellOf(5).orders[0] = {1, TaskAttack, 34};  // the young dragon's order follows it to place 0
  runMonth(tap(160, 120, 500));
  ASSERT_EQ(shown().size(), 4u);
  for (int p = 0; p < 3; ++p) {
    const std::string& line = shown()[size_t(p)];
    EXPECT_EQ(line.rfind("DRAGONDIED:Dragon ", 0), 0u) << line;
    EXPECT_NE(line.find(std::string("|by ") + player(p).name.c_str() + " died"), std::string::npos) << line;
  }
  EXPECT_EQ(shown()[3].rfind("ACTION:grd:", 0), 0u) << shown()[3];
  // The land's taxes were booked after the rulers' months cleared the accounts.
  EXPECT_EQ(player(0).accounts[AccountTaxes], 2 * kVillages);
  EXPECT_EQ(player(1).accounts[AccountTaxes], 0);
  EXPECT_FALSE(rig.app.restartRequested);
}

TEST_F(MonthEndScreenTest, AShortReportIsShownWholeUntilATapAndDoesNotScroll) {
  revolts(3);
  runMonth("wait 250\n" + key("down") + key("up") + key("down") + kDismiss);
  ASSERT_EQ(screen.report().size(), 3u);
  EXPECT_STREQ(screen.report()[0].c_str(), "Village Vill0 revolts against Harvek");
  EXPECT_STREQ(screen.report()[2].c_str(), "Village Vill2 revolts against Harvek");
  EXPECT_EQ(screen.firstLine(), 0);
  EXPECT_TRUE(scrollShown());
  EXPECT_EQ(linesDrawn(), 3);
  EXPECT_FALSE(rig.app.restartRequested);
}

TEST_F(MonthEndScreenTest, ALongReportShowsEightLinesAndScrollsWithinItsEnds) {
  revolts(kVillages);
  std::string taps = "wait 250\n";
  for (const auto& [name, times] : {std::pair{"up", 2},     // already at the top
                                    std::pair{"down", 7},   // stops at 12 - 8 = 4
                                    std::pair{"up", 1}})    // 3
    for (int i = 0; i < times; ++i) taps += key(name);
  runMonth(taps + kDismiss);
  EXPECT_EQ(screen.report().size(), size_t(kVillages));
  EXPECT_EQ(screen.firstLine(), 3);
  EXPECT_EQ(linesDrawn(), MonthEndScreen::kShownLines);
}

TEST_F(MonthEndScreenTest, AHeldKeySleepsUntilItIsLetGoAndScrollsOnce) {
  revolts(kVillages);
  runMonth("wait 250\n" + key("down", 3000) + kDismiss);
  EXPECT_EQ(screen.firstLine(), 1);
  EXPECT_GE(rig.backend.sleptMicroseconds(), 2500000u);
}

TEST_F(MonthEndScreenTest, AnEmptyReportShowsTheBackgroundWithoutTheScrollAndStillWaits) {
  runMonth(kDismiss);
  EXPECT_TRUE(screen.report().empty());
  EXPECT_FALSE(scrollShown());
  EXPECT_EQ(linesDrawn(), 0);
}

TEST_F(MonthEndScreenTest, ACompletedTalismanEndsTheGameWithoutTheReport) {
  for (int k : {0, 2, 4}) cellOf(k).talisman = 1;
  land->village(0).owner = land->village(2).owner = 1;
  cellOf(0).guardOwner = cellOf(2).guardOwner = 1;
  cellOf(0).guardDragon = cellOf(2).guardDragon = 0;
  Dragon second{String("Second")};
  for (int32_t& a : second.attributes) a = 60;
  player(1).addDragon(second);
  cellOf(4).orders[1] = {1, TaskOccupy, 34};
  play(tap(160, 120, 20000));  // never reached: the screen must not wait for it
  run(screen);
  EXPECT_FALSE(script.finished());
  EXPECT_TRUE(rig.app.restartRequested);
  EXPECT_EQ(shown().back(), "WINSCREEN:Orlenna completed the|talisman. Game over !");
}

TEST_F(MonthEndScreenTest, WhenTheLastHumanLosesTheReportIsShownThenTheGameEnds) {
  player(1).type = player(2).type = ComputerPlayer;
  player(0).dragons.clear();
  runMonth(kDismiss);
  const auto& report = screen.report();
  EXPECT_TRUE(std::any_of(report.begin(), report.end(), [](const String& line) {
    return line.equals(String("Harvek lost all dragons, game over !"));
  }));
  EXPECT_EQ(player(0).type, ComputerPlayer);
  EXPECT_TRUE(rig.app.restartRequested);
}

TEST_F(MonthEndScreenTest, OneHumanLeftKeepsTheGameGoing) {
  player(0).type = player(1).type = ComputerPlayer;
  runMonth(kDismiss);
  EXPECT_FALSE(rig.app.restartRequested);
}

}  // namespace
