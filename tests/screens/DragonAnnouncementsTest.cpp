// The egg and death announcements: their two lines, where they are drawn, and the tap
// that ends them.
#include "screens/CellarFixture.h"

#include "screens/DragonDiedScreen.h"
#include "screens/EggInfoScreen.h"
#include "support/TestContent.h"

namespace {

using namespace cellartest;

class DragonAnnouncementsTest : public CellarFixture {
protected:
  // Whether any glyph ink lies in rows first to last (inclusive).
  bool inkInRows(int first, int last) const {
    for (int y = first; y <= last; ++y)
      for (int x = 0; x < kScreenWidth; ++x)
        if (pixel(x, y) == testcontent::kGlyphInk) return true;
    return false;
  }
};

TEST_F(DragonAnnouncementsTest, TheDeathMessageIsSplitAtItsFirstBar) {
  DragonDiedScreen died;
  String message("Dragon Ashmaw owned|by Harvek|died");
  died.visible(true, reinterpret_cast<ScreenParam>(&message));
  EXPECT_STREQ(died.firstLine().c_str(), "Dragon Ashmaw owned");
  EXPECT_STREQ(died.secondLine().c_str(), "by Harvek|died");
  String plain("Ashmaw died");
  died.visible(true, reinterpret_cast<ScreenParam>(&plain));
  EXPECT_STREQ(died.firstLine().c_str(), "Ashmaw died");
  EXPECT_STREQ(died.secondLine().c_str(), "");
  died.draw(rig.app.getFramebuffer());
  EXPECT_TRUE(inkInRows(90, 104));    // line 1 above its baseline 105
  EXPECT_FALSE(inkInRows(106, 239));  // no line 2
  String edges("|");
  died.visible(true, reinterpret_cast<ScreenParam>(&edges));
  EXPECT_STREQ(died.firstLine().c_str(), "");
  EXPECT_STREQ(died.secondLine().c_str(), "");
}

TEST_F(DragonAnnouncementsTest, TheDeathIsAnnouncedWithoutACallerUntilAFreshTap) {
  DragonDiedScreen died;
  ScreenManager::instance().addScreen("DRAGONDIED", &died);
  // A tap from before the announcement does not dismiss it.
  rig.stylus(platform::WM_LBUTTONDOWN, 10, 10);
  rig.stylus(platform::WM_LBUTTONUP, 10, 10);
  rig.app.update(false);
  play("wait 500\ntap 10 10\n");
  String message("Dragon Ashmaw owned|by Harvek died");
  const uint32_t started = now();
  EXPECT_TRUE(ScreenManager::instance().callScreen(nullptr, "DRAGONDIED", reinterpret_cast<ScreenParam>(&message)));
  EXPECT_GE(now() - started, 500u);
  EXPECT_TRUE(script.finished());
  EXPECT_STREQ(died.secondLine().c_str(), "by Harvek died");
  died.visible(true, reinterpret_cast<ScreenParam>(&message));
  died.draw(rig.app.getFramebuffer());
  EXPECT_TRUE(inkInRows(130, 144));  // line 2 above its baseline 145
}

TEST_F(DragonAnnouncementsTest, TheEggAnnouncementNamesTheRuler) {
  EggInfoScreen egg;
  egg.visible(true, 1);
  const String name = player(1).name;
  EXPECT_STREQ(egg.firstLine().c_str(), (String("One of ") + name + "s").c_str());
  EXPECT_STREQ(egg.secondLine().c_str(), "eggs finished hatching");
  egg.draw(rig.app.getFramebuffer());
  EXPECT_TRUE(inkInRows(145, 159));
  EXPECT_TRUE(inkInRows(185, 199));
  for (ScreenParam unknown : {ScreenParam(3), ScreenParam(-2), ScreenParam(1000)}) {
    egg.visible(true, unknown);
    EXPECT_STREQ(egg.firstLine().c_str(), "error while getting player name");
    EXPECT_STREQ(egg.secondLine().c_str(), "error while getting player name");
  }
  play("wait 200\ntap 100 100\n");
  EXPECT_EQ(run(egg, 0), "");
  EXPECT_TRUE(script.finished());
}

}  // namespace
