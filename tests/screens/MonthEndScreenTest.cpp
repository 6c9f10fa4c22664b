#include "app/TestApp.h"

#include "app/Script.h"
#include "core/Random.h"
#include "gfx/FontManager.h"
#include "res/ResourceArchive.h"
#include "screens/MonthEndScreen.h"
#include "screens/MonthScreensContent.h"
#include "world/MonthFixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace monthscreens;
using monthtest::Announcement;
using monthtest::shown;

constexpr uint16_t kScrollColour = 0x07E0;
constexpr int kVillages = 12;

class MonthEndScreenTest : public ::testing::Test {
protected:
  static bool writeContent() {
    Archive archive;
    char name[40];
    for (int i = 0; i < 4; ++i) {
      std::snprintf(name, sizeof name, "gfx\\engine\\bgn%02d.jpg", i);
      archive.add(name, plainJpeg(320, 240, 0x001F));
    }
    archive.add("gfx\\cellar\\scroll.gif", plainGif(298, 220, kScrollColour));
    archive.write(currentTestName());
    return true;
  }
  ~MonthEndScreenTest() override {
    PlayerManager::destroy();
    CountryManager::destroy();
    FontManager::destroy();
    closeGraphicsArchive();
  }
  void SetUp() override {
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
    ASSERT_EQ(land->failure().length(), 0);
    for (int i = 0; i < CountryManager::kCells; ++i) land->cell(i).talisman = 0;
    for (int i = 0; i < land->villageCount(); ++i) {
      Village& v = land->village(i);
      v = Village{v.index, v.name, v.race, 0, v.x, v.y, v.population, v.industry, v.yeomanry, 0, 20};
    }
    Dragon::resetNames();
    PlayerManager::startGame({HumanPlayer, HumanPlayer, HumanPlayer});
    for (int p = 0; p < 3; ++p) player(p).money = 100;
    for (Announcement* s : {&action, &died, &win}) {
      String name;
      s->getName(name);
      ScreenManager::instance().addScreen(name, s);
    }
  }

  Player& player(int p) { return *PlayerManager::instance().player(p); }
  MapCell& cellOf(int k) { return land->cell(land->village(k).x, land->village(k).y); }
  void revolts(int villages) {
    for (int k = 0; k < villages; ++k) land->village(k).tax = 100;
  }
  void play(const std::string& text) {
    std::string error;
    ASSERT_TRUE(script.load(text, error)) << error;
    rig.app.setScript(&script);
  }
  // Shows the month-end screen as the round screen's call does and runs it. The screen is
  // left visible, so its report and its last picture can be looked at.
  void runMonth() {
    ScreenManager::instance().showScreen(&screen, false, 0);
    String next("unchanged");
    screen.run(next);
    EXPECT_EQ(next.length(), 0);
  }
  int linesDrawn() const {
    int lines = 0;
    for (int i = 0; i < 10; ++i) {
      const int baseline = MonthEndScreen::kFirstBaseline + MonthEndScreen::kLineSpacing * i;
      if (baseline <= 240 && inkIn(framebuffer(), 0, 320, baseline - 14, baseline)) ++lines;
    }
    return lines;
  }
  const uint16_t* framebuffer() const { return const_cast<TestRig&>(rig).app.getFramebuffer(); }
  bool scrollShown() const { return pixelAt(framebuffer(), 15, 14) == kScrollColour; }

  bool written = writeContent();  // first: the rig reads the archive as it opens
  TestRig rig;
  ScriptRunner script{rig.backend};
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
  play("wait 500\ntap 160 120\n");
  runMonth();

  ASSERT_EQ(shown().size(), 4u);
  for (int p = 0; p < 3; ++p) {
    const std::string owner = player(p).name.c_str();
    EXPECT_NE(shown()[size_t(p)].find("DRAGONDIED:Dragon "), std::string::npos) << shown()[size_t(p)];
    EXPECT_NE(shown()[size_t(p)].find("|by " + owner + " died"), std::string::npos) << shown()[size_t(p)];
  }
  EXPECT_EQ(shown()[3].rfind("ACTION:grd:", 0), 0u) << shown()[3];
  // The land's taxes were booked after the rulers' months cleared the accounts.
  EXPECT_EQ(player(0).accounts[AccountTaxes], 2 * kVillages);
  EXPECT_EQ(player(1).accounts[AccountTaxes], 0);
  EXPECT_FALSE(rig.app.restartRequested);
}

TEST_F(MonthEndScreenTest, AShortReportIsShownWholeUntilATapAndDoesNotScroll) {
  revolts(3);
  play("wait 300\nkey down down\nwait 50\nkey down up\nwait 50\nkey up down\nwait 50\nkey up up\n"
       "wait 50\nkey down down\nwait 50\nkey down up\nwait 300\ntap 160 120\n");
  runMonth();
  EXPECT_TRUE(script.finished());
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
  std::string taps = "wait 300\n";
  auto press = [&taps](const char* key, int times) {
    for (int i = 0; i < times; ++i)
      taps += std::string("key ") + key + " down\nwait 50\nkey " + key + " up\nwait 50\n";
  };
  press("up", 2);    // already at the top
  press("down", 1);  // 1
  press("down", 6);  // stops at 12 - 8 = 4
  press("up", 1);    // 3
  play(taps + "wait 100\ntap 160 120\n");
  runMonth();
  EXPECT_TRUE(script.finished());
  EXPECT_EQ(screen.report().size(), size_t(kVillages));
  EXPECT_EQ(screen.firstLine(), 3);
  EXPECT_EQ(linesDrawn(), MonthEndScreen::kShownLines);
}

TEST_F(MonthEndScreenTest, AHeldKeySleepsUntilItIsLetGoAndScrollsOnce) {
  revolts(kVillages);
  play("wait 300\nkey down down\nwait 3000\nkey down up\nwait 100\ntap 160 120\n");
  runMonth();
  EXPECT_TRUE(script.finished());
  EXPECT_EQ(screen.firstLine(), 1);
  EXPECT_GE(rig.backend.sleptMicroseconds(), 2500000u);
}

TEST_F(MonthEndScreenTest, AnEmptyReportShowsTheBackgroundWithoutTheScroll) {
  play("wait 300\ntap 160 120\n");
  runMonth();
  EXPECT_TRUE(script.finished());  // it still waits for the tap
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
  play("wait 20000\ntap 160 120\n");  // never reached: the screen must not wait for it
  runMonth();
  EXPECT_FALSE(script.finished());
  EXPECT_TRUE(rig.app.restartRequested);
  EXPECT_EQ(shown().back(), "WINSCREEN:Orlenna completed the|talisman. Game over !");
}

TEST_F(MonthEndScreenTest, WhenTheLastHumanLosesTheReportIsShownThenTheGameEnds) {
  player(1).type = player(2).type = ComputerPlayer;
  player(0).dragons.clear();
  play("wait 300\ntap 160 120\n");
  ScreenManager::instance().showScreen(&screen, false, 0);
  String next;
  screen.run(next);
  EXPECT_TRUE(script.finished());
  bool lost = false;
  for (const String& line : screen.report()) lost |= line.equals(String("Harvek lost all dragons, game over !"));
  EXPECT_TRUE(lost);
  EXPECT_EQ(player(0).type, ComputerPlayer);
  EXPECT_TRUE(rig.app.restartRequested);
}

TEST_F(MonthEndScreenTest, OneHumanLeftKeepsTheGameGoing) {
  player(0).type = player(1).type = ComputerPlayer;
  play("wait 300\ntap 160 120\n");
  runMonth();
  EXPECT_TRUE(script.finished());
  EXPECT_FALSE(rig.app.restartRequested);
}

}  // namespace
