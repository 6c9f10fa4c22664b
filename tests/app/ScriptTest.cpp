#include "TestApp.h"

#include "app/Script.h"
#include "app/StateDump.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class NamedScreen : public Screen {
public:
  void getName(String& out) override { out = "ROUND"; }
};

class ScriptTest : public ::testing::Test {
protected:
  void SetUp() override {
    runner.setExitOnFailure(false);
    rig.app.update(true);  // scripts begin with the game's first frame
  }
  bool load(const std::string& text) { return runner.load(text, error); }
  // Pumps until the script is done or has failed, at most `limit` times.
  int pumpUntilDone(int limit = 100000) {
    int pumps = 0;
    rig.app.setScript(&runner);
    while (!runner.finished() && !runner.failed() && pumps < limit) {
      rig.app.update(false);
      ++pumps;
    }
    rig.app.setScript(nullptr);
    return pumps;
  }
  TestRig rig;
  ScriptRunner runner{rig.backend};
  std::string error;
};

TEST_F(ScriptTest, MalformedLinesAreRefusedWithTheirNumber) {
  EXPECT_FALSE(load("tap 1 2\n\nfly 3\n"));
  EXPECT_EQ(error, "script:3: unknown command 'fly'");
  EXPECT_FALSE(load("tap 1\n"));
  EXPECT_EQ(error, "script:1: wrong number of arguments for 'tap'");
  EXPECT_FALSE(load("tap 320 0\n"));
  EXPECT_EQ(error, "script:1: the point lies outside the 320 x 240 picture");
  for (const char* bad : {"wait soon\n", "tap -1 5\n", "key jump down\n", "key a pressed\n", "until ROUND later\n"})
    EXPECT_FALSE(load(bad)) << bad;
  EXPECT_TRUE(load("# a comment\n  \ntap 319 239\nkey start down\nuntil ROUND 50\n"));
}

TEST_F(ScriptTest, TapArrivesAsOneClickAtTheLandscapePoint) {
  ASSERT_TRUE(load("tap 100 50\n"));
  pumpUntilDone();
  rig.app.update(false);
  int x = 0, y = 0;
  EXPECT_TRUE(rig.app.getClick(&x, &y));
  EXPECT_EQ(x, 100);
  EXPECT_EQ(y, 50);
  EXPECT_FALSE(rig.app.isPenDown());
}

TEST_F(ScriptTest, DragHoldsThePenUntilRelease) {
  ASSERT_TRUE(load("press 10 10\nmove 20 30\nwait 10\n"));
  pumpUntilDone();
  rig.app.update(false);
  EXPECT_TRUE(rig.app.isPenDown());
  int x, y;
  rig.app.getPenPosition(x, y);
  EXPECT_EQ(x, 20);
  EXPECT_EQ(y, 30);
  ASSERT_TRUE(load("release\n"));
  pumpUntilDone();
  rig.app.update(false);
  EXPECT_FALSE(rig.app.isPenDown());
}

TEST_F(ScriptTest, KeysNameTheDirectionsThePlayerSees) {
  ASSERT_TRUE(load("key right down\nkey a down\n"));
  pumpUntilDone();
  rig.app.update(false);
  EXPECT_TRUE(rig.app.isKeyDown(KeyRight, true));
  EXPECT_TRUE(rig.app.isKeyDown(KeyUp, false));  // the device's up key, held on its side
  EXPECT_TRUE(rig.app.isKeyDown(KeyA, false));
  ASSERT_TRUE(load("key right up\n"));
  pumpUntilDone();
  rig.app.update(false);
  EXPECT_FALSE(rig.app.isKeyDown(KeyRight, true));
}

TEST_F(ScriptTest, WaitLetsVirtualTimePass) {
  ASSERT_TRUE(load("wait 250\n"));
  uint32_t before = now();
  pumpUntilDone();
  EXPECT_GE(now() - before, 250u);
  EXPECT_LE(now() - before, 252u);
}

TEST_F(ScriptTest, UntilWaitsForTheScreenAndFailsOnTimeOut) {
  ASSERT_TRUE(load("until ROUND 100\n"));
  pumpUntilDone();
  ASSERT_TRUE(runner.failed());
  EXPECT_EQ(runner.failure(), "script:1: screen ROUND not shown after 100 ms (none is)");

  NamedScreen round;
  ScriptRunner second(rig.backend);
  second.setExitOnFailure(false);
  ASSERT_TRUE(second.load("until ROUND 1000\nexpect screen ROUND\nwait 50\ntap 1 1\n", error));
  ScreenManager::instance().addScreen("ROUND", &round);
  rig.app.setScript(&second);
  // The screen counts as shown once its fade has ended and its own loop runs.
  ScreenManager::instance().runScreens("ROUND", 0);
  EXPECT_TRUE(second.finished());
  EXPECT_FALSE(second.failed());
}

// A game that keeps pumping without showing a frame hangs for the player: after the
// watchdog's time the script fails; frames shown in time keep it quiet.
TEST_F(ScriptTest, TheWatchdogFailsAGameThatShowsNoFrame) {
  ASSERT_TRUE(load("watchdog 2000\nwait 5000\n"));
  rig.app.setScript(&runner);
  for (int pump = 0; pump < 100000 && !runner.finished() && !runner.failed(); ++pump) rig.app.update(true);
  EXPECT_TRUE(runner.finished());
  EXPECT_FALSE(runner.failed()) << runner.failure();

  ASSERT_TRUE(load("watchdog 2000\nwait 5000\n"));
  const uint32_t started = rig.backend.tickCount();
  pumpUntilDone();
  ASSERT_TRUE(runner.failed());
  EXPECT_EQ(runner.failure(), "script:2: no new frame for 2000 ms: the game hangs");
  const uint32_t waited = rig.backend.tickCount() - started;
  EXPECT_GT(waited, 2000u);
  EXPECT_LT(waited, 2200u);
}

TEST_F(ScriptTest, ExpectComparesTheStateDump) {
  ASSERT_TRUE(load("expect app.turned 1\nexpect app.keyMapping 5 4 6 7\n"));
  pumpUntilDone();
  EXPECT_TRUE(runner.finished());
  EXPECT_FALSE(runner.failed());
  ASSERT_TRUE(load("expect screen INTRO\n"));
  pumpUntilDone();
  EXPECT_EQ(runner.failure(), "script:1: expected screen INTRO, found ");
  ScriptRunner third(rig.backend);
  third.setExitOnFailure(false);
  ASSERT_TRUE(third.load("expect no.such.value 3\n", error));
  rig.app.setScript(&third);
  rig.app.update(false);
  EXPECT_EQ(third.failure(), "script:1: expected no.such.value 3, found (no such value)");
}

TEST_F(ScriptTest, StateAndShotWriteTheirFiles) {
  std::string folder = ::testing::TempDir();
  ASSERT_TRUE(load("state " + folder + "/dump.txt\nshot " + folder + "/shot.png\n"));
  pumpUntilDone();
  EXPECT_FALSE(runner.failed()) << runner.failure();
  auto dump = readFile(folder + "/dump.txt");
  ASSERT_TRUE(dump);
  std::string text(dump->begin(), dump->end());
  EXPECT_NE(text.find("app.turned = 1\n"), std::string::npos);
  auto png = readFile(folder + "/shot.png");
  ASSERT_TRUE(png);
  EXPECT_EQ(std::string(png->begin(), png->begin() + 4), "\x89PNG");
  ASSERT_TRUE(load("shot /no/such/folder/x.png\n"));
  pumpUntilDone();
  EXPECT_TRUE(runner.failed());
}

}  // namespace

namespace {

TEST(ScriptStartTest, AScriptWaitsForTheGamesFirstFrame) {
  TestRig rig;
  ScriptRunner runner(rig.backend);
  runner.setExitOnFailure(false);
  std::string error;
  ASSERT_TRUE(runner.load("expect app.turned 1\n", error));
  rig.app.setScript(&runner);
  rig.app.update(false);  // still loading: nothing runs
  EXPECT_FALSE(runner.finished());
  rig.app.update(true);
  EXPECT_TRUE(runner.finished());
}

}  // namespace
