// The screens that frame a game: the intro, the start, the win and the credits.
#include "support/ScreenTest.h"

#include "screens/CreditScreen.h"
#include "screens/IntroScreen.h"
#include "screens/StartScreen.h"
#include "screens/WinScreen.h"

namespace {

using namespace screentest;

using FrameScreensTest = ScreenTest;

// 50 flight frames, each held a pace at least, the last a second; then for each logo 13
// steps out and 13 in, the logo staying a second and a half.
TEST_F(FrameScreensTest, TheIntroShowsItsFlightAtTheHandheldsPaceAndTwoLogosAndLeadsToTheStart) {
  PresentTimes times(rig.backend);
  IntroScreen intro;
  EXPECT_EQ(run(intro), "START");
  const size_t flight = IntroScreen::kFlightFrames;
  ASSERT_EQ(times.ticks.size(), flight + 2 * 26);
  EXPECT_GE(times.shortestHold(0, flight), kHandheldFrameMs);
  EXPECT_GE(times.ticks[flight] - times.ticks[flight - 1], 1000u);
  EXPECT_GE(times.ticks[flight + 26] - times.ticks[flight + 25], 1500u);
  EXPECT_GE(now() - times.ticks.back(), 1500u);
}

TEST_F(FrameScreensTest, APressDuringTheIntroIsTheFirstTheStartScreenSees) {
  play(tap(240, 200, 100));  // on the start button, while the intro still runs
  IntroScreen intro;
  EXPECT_EQ(run(intro), "START");
  intro.visible(false, -1);
  rig.app.setScript(nullptr);
  StartScreen start;
  EXPECT_EQ(run(start), "ROUND");  // no further tap was needed
}

TEST_F(FrameScreensTest, TheStartScreenWaitsForItsButton) {
  rig.app.update(true);
  StartScreen start;
  // The taps beside the button change nothing: the last one, long after, starts.
  EXPECT_EQ(visit(start, tap(199, 200, 100) + tap(240, 230, 100) + tap(290, 180, 100) + tap(289, 229, 2000)),
            "ROUND");
}

// The screen fades in with its picture (the test archive's placeholder, grey), and a tap
// made before it ran does not end it; the message is split at its bar.
TEST_F(FrameScreensTest, TheWinScreenShowsItsTwoLinesAndWaitsForAFreshTap) {
  WinScreen win;
  const String message = "Harvek completed the|talisman. Game over !";
  win.visible(true, reinterpret_cast<ScreenParam>(&message));
  EXPECT_STREQ(win.firstLine().c_str(), "Harvek completed the");
  EXPECT_STREQ(win.secondLine().c_str(), "talisman. Game over !");
  std::fill(framebuffer(), framebuffer() + kScreenPixels, uint16_t(0));
  win.draw(framebuffer());
  EXPECT_NE(pixel(10, 10), 0);

  play("tap 10 10\nwait 50\n");
  while (!script.finished()) rig.app.update(true);
  play(tap(10, 10, 500));
  const uint32_t started = now();
  String next;
  win.run(next);
  win.visible(false, -1);
  EXPECT_STREQ(next.c_str(), "");
  EXPECT_GE(now() - started, 500u);
  EXPECT_TRUE(script.finished());

  const String plain("No bar here");
  win.visible(true, reinterpret_cast<ScreenParam>(&plain));
  EXPECT_STREQ(win.firstLine().c_str(), "No bar here");
  EXPECT_STREQ(win.secondLine().c_str(), "");
}

TEST_F(FrameScreensTest, TheCreditsEndTheProgramAfterFifteenSecondsOrATap) {
  CreditScreen credits;
  uint32_t started = now();
  EXPECT_EQ(run(credits), "__DONE__");
  EXPECT_GE(now() - started, CreditScreen::kShownMs);
  EXPECT_LT(now() - started, CreditScreen::kShownMs + 100);
  credits.visible(false, -1);
  play(tap(10, 10, 200));
  started = now();
  EXPECT_EQ(run(credits), "__DONE__");
  EXPECT_LT(now() - started, 1000u);
}

}  // namespace
