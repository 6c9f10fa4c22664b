// The egg and death announcements: their two lines, where they are drawn, and the tap
// that ends them.
#include "support/ScreenTest.h"

#include "screens/DragonDiedScreen.h"
#include "screens/EggInfoScreen.h"

namespace {

using namespace screentest;

class DragonAnnouncementsTest : public ScreenTest {
protected:
  DragonAnnouncementsTest() { PlayerManager::startGame({HumanPlayer, HumanPlayer, HumanPlayer}); }
  bool inkInRows(int first, int last) const { return inkIn(0, first, kScreenWidth - 1, last); }
  static ScreenParam param(const String& text) { return reinterpret_cast<ScreenParam>(&text); }
};

TEST_F(DragonAnnouncementsTest, TheDeathMessageIsSplitAtItsFirstBar) {
  struct Case {
    const char *message, *first, *second;
  };
  const Case cases[] = {{"Dragon Ashmaw owned|by Harvek|died", "Dragon Ashmaw owned", "by Harvek|died"},
                        {"|", "", ""},
                        {"Ashmaw died", "Ashmaw died", ""}};
  DragonDiedScreen died;
  for (const Case& c : cases) {
    const String message(c.message);
    died.visible(true, param(message));
    EXPECT_STREQ(died.firstLine().c_str(), c.first) << c.message;
    EXPECT_STREQ(died.secondLine().c_str(), c.second) << c.message;
  }
  died.draw(framebuffer());
  EXPECT_TRUE(inkInRows(90, 104));    // line 1 above its baseline 105
  EXPECT_FALSE(inkInRows(106, 239));  // no line 2
}

TEST_F(DragonAnnouncementsTest, TheDeathIsAnnouncedWithoutACallerUntilAFreshTap) {
  DragonDiedScreen died;
  ScreenManager::instance().addScreen("DRAGONDIED", &died);
  // A tap from before the announcement does not dismiss it.
  rig.stylus(platform::WM_LBUTTONDOWN, 10, 10);
  rig.stylus(platform::WM_LBUTTONUP, 10, 10);
  rig.app.update(false);
  play(tap(10, 10, 500));
  const String message("Dragon Ashmaw owned|by Harvek died");
  const uint32_t started = now();
  EXPECT_TRUE(ScreenManager::instance().callScreen(nullptr, "DRAGONDIED", param(message)));
  EXPECT_GE(now() - started, 500u);
  EXPECT_TRUE(script.finished());
  died.visible(true, param(message));
  died.draw(framebuffer());
  EXPECT_TRUE(inkInRows(130, 144));  // line 2 above its baseline 145
}

TEST_F(DragonAnnouncementsTest, TheEggAnnouncementNamesTheRuler) {
  EggInfoScreen egg;
  for (int p = 0; p < 3; ++p) {
    egg.visible(true, p);
    EXPECT_STREQ(egg.firstLine().c_str(), (String("One of ") + player(p).name + "s").c_str());
    EXPECT_STREQ(egg.secondLine().c_str(), "eggs finished hatching");
  }
  egg.draw(framebuffer());
  EXPECT_TRUE(inkInRows(145, 159));
  EXPECT_TRUE(inkInRows(185, 199));
  for (ScreenParam unknown : {ScreenParam(3), ScreenParam(-2), ScreenParam(1000)}) {
    egg.visible(true, unknown);
    EXPECT_STREQ(egg.firstLine().c_str(), "error while getting player name");
    EXPECT_STREQ(egg.secondLine().c_str(), "error while getting player name");
  }
  EXPECT_EQ(visit(egg, tap(100, 100, 200)), "");
}

}  // namespace
