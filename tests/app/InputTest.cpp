#include "TestApp.h"

#include "app/Script.h"

#include <array>

#include <gtest/gtest.h>

using namespace platform;

namespace {

class InputTest : public ::testing::Test {
protected:
  TestRig rig;
  Application& app = rig.app;
  void pressKey(uint32_t code) { rig.key(WM_KEYDOWN, code); app.update(false); }
  void releaseKey(uint32_t code) { rig.key(WM_KEYUP, code); app.update(false); }
};

// Each physical direction key reaches the slot the player sees: turned (the default: the
// device lies on its side) and with the upright pairing. Unmapped, it reads as it is.
TEST_F(InputTest, MappedDirectionKeysReadAsThePlayerSeesThemUnmappedAsTheyAre) {
  const uint32_t physical[] = {kDeviceKeys.up, kDeviceKeys.down, kDeviceKeys.left, kDeviceKeys.right};
  const int unmapped[] = {KeyUp, KeyDown, KeyLeft, KeyRight};
  const int mapped[2][4] = {{KeyRight, KeyLeft, KeyUp, KeyDown}, {KeyLeft, KeyRight, KeyDown, KeyUp}};
  for (int pairing = 0; pairing < 2; ++pairing) {
    if (pairing == 1) app.setKeyMapping(4, 5, 7, 6);
    for (int i = 0; i < 4; ++i) {
      SCOPED_TRACE(testing::Message() << "pairing " << pairing << ", key " << i);
      pressKey(physical[i]);
      EXPECT_TRUE(app.isKeyDown(mapped[pairing][i], true));
      EXPECT_FALSE(app.isKeyDown(mapped[pairing][i], false));
      EXPECT_TRUE(app.isKeyDown(unmapped[i], false));
      EXPECT_FALSE(app.isKeyDown(unmapped[i], true));
      releaseKey(physical[i]);
      EXPECT_FALSE(app.isKeyDown(mapped[pairing][i], true));
    }
  }
  int up, down, left, right;
  app.getKeyMapping(up, down, left, right);
  EXPECT_EQ((std::array{up, down, left, right}), (std::array{4, 5, 7, 6}));
}

TEST_F(InputTest, ButtonsOnlyEverSetTheirSlotsAndSlotsAbove7AreNeverDown) {
  pressKey(kDeviceKeys.a);
  pressKey(kDeviceKeys.start);
  releaseKey(kDeviceKeys.a);
  EXPECT_TRUE(app.isKeyDown(KeyA, true));
  EXPECT_TRUE(app.isKeyDown(KeyStart, false));
  EXPECT_FALSE(app.isKeyDown(KeyB, false));
  EXPECT_FALSE(app.isKeyDown(8, false));
  EXPECT_FALSE(app.isKeyDown(-1, false));
}

TEST_F(InputTest, StylusMapsToTheLandscapePictureTurnedAndNot) {
  rig.stylus(WM_MOUSEMOVE, 10, 20);
  app.update(false);
  int x, y;
  app.getPenPosition(x, y);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 20);

  app.turned = false;  // the picture is upside down: the same window point is elsewhere
  rig.stylus(WM_MOUSEMOVE, 10, 20);
  app.update(false);
  app.getPenPosition(x, y);
  EXPECT_EQ(x, 309);
  EXPECT_EQ(y, 220);
}

TEST_F(InputTest, StylusAboveThePanelIsClampedWhenTurned) {
  // Window row 10 lies in the strip the task bar left: x = 345 - 10 is past the picture.
  rig.backend.postMessage({WM_LBUTTONDOWN, 0, packPoint(50, 10)});
  app.update(false);
  int x = -1, y = -1;
  ASSERT_TRUE(app.getClick(&x, &y));
  EXPECT_EQ(x, 319);
  EXPECT_EQ(y, 50);

  app.turned = false;  // not clamped then
  rig.backend.postMessage({WM_LBUTTONDOWN, 0, packPoint(50, 10)});
  app.update(false);
  ASSERT_TRUE(app.getClick(&x, &y));
  EXPECT_EQ(x, -16);
  EXPECT_EQ(y, 190);
}

TEST_F(InputTest, PressAndReleaseBetweenTwoUpdatesIsOneClick) {
  rig.stylus(WM_LBUTTONDOWN, 30, 40);
  rig.stylus(WM_LBUTTONUP, 30, 40);
  app.update(false);
  EXPECT_FALSE(app.isPenDown());
  int x = 0, y = 0;
  EXPECT_TRUE(app.getClick(&x, &y));
  EXPECT_EQ(x, 30);
  EXPECT_EQ(y, 40);
  EXPECT_FALSE(app.getClick());
  app.getPenPosition(x, y);  // the click also moved the stylus there
  EXPECT_EQ(x, 30);
}

TEST_F(InputTest, WaitForClickIgnoresAnEarlierPress) {
  rig.stylus(WM_LBUTTONDOWN, 1, 2);
  rig.stylus(WM_LBUTTONUP, 1, 2);
  app.update(false);  // a click is pending before the wait begins
  ScriptRunner later(rig.backend);
  std::string error;
  ASSERT_TRUE(later.load("wait 100\ntap 7 8\n", error)) << error;
  app.setScript(&later);
  uint32_t before = now();
  EXPECT_TRUE(app.waitForClick());
  app.setScript(nullptr);
  EXPECT_GE(now() - before, 100u);  // it waited for the new press
  int x, y;
  app.getPenPosition(x, y);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 8);
}

TEST_F(InputTest, WindowCloseAsksTheGameToQuit) {
  rig.backend.postMessage({WM_DESTROY, 0, 0});
  EXPECT_EXIT(app.update(false), ::testing::ExitedWithCode(0), "");
}

TEST_F(InputTest, ActivationHidesTheTaskBarAgain) {
  rig.backend.setTaskBarVisible(true);
  rig.backend.postMessage({WM_ACTIVATE, 1, 0});
  app.update(false);
  EXPECT_FALSE(rig.backend.taskBarVisible());
  app.setFullScreen(false);
  EXPECT_TRUE(rig.backend.taskBarVisible());
}

}  // namespace
