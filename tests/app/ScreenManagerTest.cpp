#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> journal;  // what every screen was asked to do, in order

// A screen that records its calls, yields a fixed next name and, if asked, calls another
// screen modally from its run.
class RecordingScreen : public Screen {
public:
  RecordingScreen(std::string name, std::string next, std::string calls = "")
      : name_(std::move(name)), next_(std::move(next)), calls_(std::move(calls)) {}
  void getName(String& out) override { out = name_.c_str(); }
  void visible(bool on, ScreenParam param) override {
    journal.push_back(name_ + (on ? ".on(" : ".off(") + std::to_string(param) + ")");
  }
  void run(String& next) override {
    journal.push_back(name_ + ".run");
    if (!calls_.empty()) {
      bool found = ScreenManager::instance().callScreen(withCaller ? this : nullptr, calls_.c_str(), 7);
      journal.push_back(name_ + (found ? ".back" : ".notFound"));
    }
    next = next_.c_str();
  }
  void draw(uint16_t* target) override {
    drawTargets.push_back(target);
    std::fill(target, target + kScreenPixels, colour);
  }
  bool withCaller = true;
  uint16_t colour = 0xFFFF;
  std::vector<uint16_t*> drawTargets;

private:
  std::string name_, next_, calls_;
};

class ScreenManagerTest : public ::testing::Test {
protected:
  void SetUp() override { journal.clear(); }
  TestRig rig;
  ScreenManager& manager = ScreenManager::instance();
};

TEST_F(ScreenManagerTest, RegistrationRefusesDuplicatesAndTheHundredAndFirst) {
  RecordingScreen first("CASTLE", ""), second("CASTLE", "");
  EXPECT_TRUE(manager.addScreen("CASTLE", &first));
  EXPECT_FALSE(manager.addScreen("CASTLE", &second));
  EXPECT_EQ(manager.findScreen("CASTLE"), &first);
  EXPECT_EQ(manager.findScreen("castle"), nullptr);  // names are case-sensitive

  std::vector<std::unique_ptr<RecordingScreen>> more;
  for (int i = 1; i < ScreenManager::kCapacity; ++i) {
    more.push_back(std::make_unique<RecordingScreen>("S" + std::to_string(i), ""));
    ASSERT_TRUE(manager.addScreen(("S" + std::to_string(i)).c_str(), more.back().get()));
  }
  RecordingScreen extra("EXTRA", "");
  EXPECT_FALSE(manager.addScreen("EXTRA", &extra));
  EXPECT_EQ(manager.findScreen("EXTRA"), nullptr);
  EXPECT_EQ(manager.count(), ScreenManager::kCapacity);
}

TEST_F(ScreenManagerTest, FadeTakesThirteenStepsEachWayAndDrawsOnlyOffScreen) {
  RecordingScreen screen("SHOP", "");
  uint16_t* framebuffer = rig.app.getFramebuffer();
  std::fill(framebuffer, framebuffer + kScreenPixels, uint16_t(0xFFFF));  // the old picture
  int before = rig.backend.presentCount();
  manager.showScreen(&screen, true, 3);
  EXPECT_EQ(rig.backend.presentCount() - before, 26);
  ASSERT_EQ(screen.drawTargets.size(), 13u);
  for (uint16_t* target : screen.drawTargets) EXPECT_NE(target, framebuffer);
  // The last step leaves the new picture at 240/256: white becomes 29/59/29.
  EXPECT_EQ(framebuffer[0], uint16_t(29 << 11 | 59 << 5 | 29));
  EXPECT_EQ(journal, (std::vector<std::string>{"SHOP.on(3)"}));
}

TEST_F(ScreenManagerTest, ShowWithoutFadeDrawsOnceOnTheFramebufferWithoutPresenting) {
  RecordingScreen screen("SHOP", "");
  manager.showScreen(&screen, false, 0);
  ASSERT_EQ(screen.drawTargets.size(), 1u);
  EXPECT_EQ(screen.drawTargets[0], rig.app.getFramebuffer());
  EXPECT_EQ(rig.backend.presentCount(), 0);
}

TEST_F(ScreenManagerTest, RunScreensFollowsTheNamesAndEndsOnDoneWithoutLeavingTheLast) {
  RecordingScreen intro("INTRO", "START"), start("START", "__DONE__");
  manager.addScreen("INTRO", &intro);
  manager.addScreen("START", &start);
  manager.runScreens("INTRO", 5);
  EXPECT_EQ(journal, (std::vector<std::string>{"INTRO.on(5)", "INTRO.run", "INTRO.off(-1)", "START.on(5)",
                                               "START.run"}));
}

TEST_F(ScreenManagerTest, RunScreensEndsOnAnEmptyName) {
  RecordingScreen intro("INTRO", "");
  manager.addScreen("INTRO", &intro);
  manager.runScreens("INTRO", 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"INTRO.on(0)", "INTRO.run"}));
}

TEST_F(ScreenManagerTest, AnUnknownNextNameEndsTheLoopAfterLeavingTheScreen) {
  RecordingScreen intro("INTRO", "NOWHERE");
  manager.addScreen("INTRO", &intro);
  manager.runScreens("INTRO", 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"INTRO.on(0)", "INTRO.run", "INTRO.off(-1)"}));
  journal.clear();
  manager.runScreens("NOWHERE", 0);
  EXPECT_TRUE(journal.empty());
}

TEST_F(ScreenManagerTest, CallScreenHidesAndReshowsItsCaller) {
  RecordingScreen castle("CASTLE", "", "SHOP"), shop("SHOP", "IGNORED");
  manager.addScreen("CASTLE", &castle);
  manager.addScreen("SHOP", &shop);
  manager.runScreens("CASTLE", 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"CASTLE.on(0)", "CASTLE.run", "SHOP.on(7)", "CASTLE.off(-1)",
                                               "SHOP.run", "SHOP.off(-1)", "CASTLE.on(-1)", "CASTLE.back"}));
  EXPECT_EQ(manager.runningScreen(), &castle);
}

TEST_F(ScreenManagerTest, CallScreenWithoutCallerTouchesOnlyTheCalledScreen) {
  RecordingScreen round("ROUND", "", "ACTION"), action("ACTION", "");
  round.withCaller = false;
  manager.addScreen("ROUND", &round);
  manager.addScreen("ACTION", &action);
  manager.runScreens("ROUND", 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"ROUND.on(0)", "ROUND.run", "ACTION.on(7)", "ACTION.run",
                                               "ACTION.off(-1)", "ROUND.back"}));
  EXPECT_EQ(manager.runningScreen(), &round);
}

TEST_F(ScreenManagerTest, CallingAnUnknownScreenChangesNothing) {
  RecordingScreen round("ROUND", "", "WINSCREEN");
  manager.addScreen("ROUND", &round);
  manager.runScreens("ROUND", 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"ROUND.on(0)", "ROUND.run", "ROUND.notFound"}));
}

}  // namespace
