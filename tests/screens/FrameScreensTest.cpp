#include "app/TestApp.h"

#include "app/Script.h"
#include "gfx/FontManager.h"
#include "res/ResourceArchive.h"
#include "screens/CreditScreen.h"
#include "screens/IntroScreen.h"
#include "screens/StartScreen.h"
#include "screens/WinScreen.h"
#include "support/TestContent.h"

#include <gtest/gtest.h>

namespace {

class FrameScreensTest : public ::testing::Test {
protected:
  FrameScreensTest() : folder(testcontent::writeGraphicsArchive(testName())) {}
  ~FrameScreensTest() override {
    FontManager::destroy();
    closeGraphicsArchive();
  }
  static std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }
  void play(const std::string& text) {
    std::string error;
    ASSERT_TRUE(script.load(text, error)) << error;
    rig.app.setScript(&script);
  }
  // Shows the screen as the screen loop does and runs it; its next name.
  std::string run(Screen& screen) {
    ScreenManager::instance().showScreen(&screen, false, 0);
    String next;
    screen.run(next);
    screen.visible(false, -1);
    return next.c_str();
  }

  std::string folder;
  TestRig rig;
  ScriptRunner script{rig.backend};
};

TEST_F(FrameScreensTest, TheIntroShowsFiftyFlightFramesAndTwoLogosAndLeadsToTheStart) {
  IntroScreen intro;
  int before = rig.backend.presentCount();
  uint32_t started = now();
  EXPECT_EQ(run(intro), "START");
  // 50 flight frames, then for each logo 13 steps out and 13 in.
  EXPECT_EQ(rig.backend.presentCount() - before, IntroScreen::kFlightFrames + 2 * 26);
  EXPECT_GE(now() - started, 1000u + 2 * 1500u);
}

TEST_F(FrameScreensTest, TheIntroFlightHoldsEachFrameAtTheHandheldsPace) {
  PresentTimes times(rig.backend);
  IntroScreen intro;
  const uint32_t started = now();
  run(intro);
  ASSERT_GT(times.ticks.size(), size_t(IntroScreen::kFlightFrames));
  // The flight: from the start to its last frame leaving the screen (the second's wait).
  const uint32_t flightMs = times.ticks[IntroScreen::kFlightFrames] - started - 1000;
  EXPECT_GE(flightMs, 2500u);
  EXPECT_GE(times.shortestHold(0, IntroScreen::kFlightFrames), kHandheldFrameMs);
}

TEST_F(FrameScreensTest, APressDuringTheIntroIsTheFirstTheStartScreenSees) {
  play("wait 100\ntap 240 200\n");  // on the start button, while the intro still runs
  IntroScreen intro;
  EXPECT_EQ(run(intro), "START");
  rig.app.setScript(nullptr);
  StartScreen start;
  EXPECT_EQ(run(start), "ROUND");  // no further tap was needed
}

TEST_F(FrameScreensTest, TheStartScreenWaitsForItsButton) {
  rig.app.update(true);
  play("wait 100\ntap 199 200\nwait 100\ntap 240 230\nwait 100\ntap 290 180\nwait 100\ntap 289 229\n");
  StartScreen start;
  EXPECT_EQ(run(start), "ROUND");
  EXPECT_TRUE(script.finished());  // the taps beside the button changed nothing
}

// The screen fades in with its picture (the test archive's placeholder, grey), and a tap
// made before it ran does not end it.
TEST_F(FrameScreensTest, TheWinScreenFadesInWithItsPictureAndWaitsForAFreshTap) {
  WinScreen win;
  const String message = "Harvek completed the|talisman. Game over !";
  win.visible(true, reinterpret_cast<ScreenParam>(&message));
  std::fill(rig.app.getFramebuffer(), rig.app.getFramebuffer() + kScreenPixels, uint16_t(0));
  win.draw(rig.app.getFramebuffer());
  EXPECT_NE(rig.app.getFramebuffer()[10 * kScreenHeight + (kScreenHeight - 1 - 10)], 0);

  play("tap 10 10\nwait 50\n");
  while (!script.finished()) rig.app.update(true);
  play("wait 500\ntap 10 10\n");
  const uint32_t started = now();
  String next;
  win.run(next);
  win.visible(false, -1);
  EXPECT_GE(now() - started, 500u);
  EXPECT_TRUE(script.finished());
}

TEST_F(FrameScreensTest, TheCreditsEndTheProgramAfterFifteenSecondsOrATap) {
  CreditScreen credits;
  uint32_t started = now();
  EXPECT_EQ(run(credits), "__DONE__");
  EXPECT_GE(now() - started, CreditScreen::kShownMs);
  EXPECT_LT(now() - started, CreditScreen::kShownMs + 100);
  play("wait 200\ntap 10 10\n");
  started = now();
  EXPECT_EQ(run(credits), "__DONE__");
  EXPECT_LT(now() - started, 1000u);
}

TEST_F(FrameScreensTest, TheWinMessageIsSplitAtTheBar) {
  WinScreen win;
  String message("Harvek completed the|talisman. Game over !");
  win.visible(true, reinterpret_cast<ScreenParam>(&message));
  EXPECT_STREQ(win.firstLine().c_str(), "Harvek completed the");
  EXPECT_STREQ(win.secondLine().c_str(), "talisman. Game over !");
  String plain("No bar here");
  win.visible(true, reinterpret_cast<ScreenParam>(&plain));
  EXPECT_STREQ(win.firstLine().c_str(), "No bar here");
  EXPECT_STREQ(win.secondLine().c_str(), "");
  play("wait 100\ntap 10 10\n");
  EXPECT_EQ(run(win), "");
}

}  // namespace
