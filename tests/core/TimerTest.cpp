#include "core/Random.h"
#include "core/Timer.h"
#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {

// A stand-in for the application: counts the steps and holds the stylus from a given step.
class FakeHost : public WaitHost {
public:
  void keepAlive() override { ++steps; }
  bool penDown() override { return penFromStep >= 0 && steps >= penFromStep; }
  int steps = 0;
  int penFromStep = -1;
};

platform::HeadlessOptions makeOptions() {
  platform::HeadlessOptions options;
  options.startTick = 0xFFFFFF00u;
  return options;
}

class TimerTest : public ::testing::Test {
protected:
  void SetUp() override { platform::setCurrent(&backend); setWaitHost(&host); }
  void TearDown() override { setWaitHost(nullptr); platform::setCurrent(nullptr); }
  platform::HeadlessPlatform backend{makeOptions()};
  FakeHost host;
};

TEST_F(TimerTest, ElapsedSurvivesTheWrapOfTheTickCounter) {
  Timer timer;
  backend.sleep(0x200);  // the 32-bit counter passes zero
  EXPECT_LT(now(), 0x200u);
  EXPECT_EQ(timer.elapsed(), 0x200u);
  EXPECT_EQ(timer.restart(), now());
  EXPECT_EQ(timer.elapsed(), 0u);
}

TEST_F(TimerTest, WaitLetsTheTimePassInSleepingSteps) {
  uint32_t before = now();
  wait(1000);
  EXPECT_GE(now() - before, 1000u);
  EXPECT_LT(now() - before, 1010u);
  EXPECT_GT(host.steps, 10);  // the window and the sound were kept alive throughout
}

TEST_F(TimerTest, WaitOfZeroReturnsAtOnce) {
  uint32_t before = now();
  wait(0u);  // a bare 0 would also fit the C library's wait(int*)
  EXPECT_EQ(now(), before);
  EXPECT_EQ(host.steps, 0);
}

// Held from the start, the stylus ends the wait at once; put down on the third step, then.
TEST_F(TimerTest, WaitOrPenEndsWhenTheStylusGoesDown) {
  host.penFromStep = 0;
  const uint32_t before = now();
  waitOrPen(5000);
  EXPECT_EQ(now(), before);
  host.steps = 0;
  host.penFromStep = 3;
  waitOrPen(5000);
  EXPECT_EQ(host.steps, 3);
  EXPECT_LT(now() - before, 100u);
}

TEST(RandomTest, ASeedReplaysTheSameNumbers) {
  seedRandom(42);
  int first[5];
  for (int& n : first) n = randomNumber();
  seedRandom(42);
  for (int n : first) EXPECT_EQ(randomNumber(), n);
}

TEST(RandomTest, NumbersStayInRangeAndSpreadOverSmallRemainders) {
  seedRandom(7);
  int counts[6] = {};
  for (int i = 0; i < 6000; ++i) {
    int n = randomNumber();
    ASSERT_GE(n, 0);
    ASSERT_LE(n, kRandomMax);
    ++counts[n % 6];
  }
  for (int c : counts) EXPECT_NEAR(c, 1000, 150);
}

TEST(RandomTest, FollowsTheHandheldLibrarysSequence) {
  // The first numbers of that C library's generator after srand(1).
  seedRandom(1);
  EXPECT_EQ(randomNumber(), 41);
  EXPECT_EQ(randomNumber(), 18467);
  EXPECT_EQ(randomNumber(), 6334);
}

}  // namespace
