#include "TestApp.h"

#include "app/Script.h"
#include "app/StateDump.h"
#include "gfx/FontManager.h"
#include "support/TestContent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// A screen that paints itself one colour, to show the dialog gave the picture back.
class Backdrop : public Screen {
public:
  void getName(String& out) override { out = "BACKDROP"; }
  void draw(uint16_t* target) override { std::fill(target, target + kScreenPixels, uint16_t(0x001F)); }
};

class DialogTest : public ::testing::Test {
protected:

  // The player's taps, played while the dialog waits.
  void play(const std::string& text) {
    std::string error;
    ASSERT_TRUE(script.load(text, error)) << error;
    rig.app.setScript(&script);
  }
  // The picture the window showed at the first present.
  void keepFirstFrame() {
    rig.backend.onPresent = [this] {
      if (firstFrame.empty()) firstFrame = rig.backend.landscape();
    };
  }
  uint16_t firstFramePixel(int x, int y) const { return firstFrame[y * 320 + x]; }
  bool rowHasInk(int y) const {
    for (int x = 20; x < 300; ++x)
      if (firstFramePixel(x, y) == testcontent::kGlyphInk) return true;
    return false;
  }

  TestRig rig;
  ScriptRunner script{rig.backend};
  std::vector<uint16_t> firstFrame;
  const String labels[3] = {"Yes", "No", "Maybe"};
};

TEST_F(DialogTest, AChoiceTakesTheGapAfterAButtonAsThatButton) {
  // Three 60-pixel buttons: step 65, x0 = 158 - 97 = 61; the row ends at 35 + 24.
  const int taps[][3] = {{125, 40, 0}, {126, 40, 1}, {200, 59, 2}};
  for (const auto& [x, y, choice] : taps) {
    play("wait 50\ntap " + std::to_string(x) + " " + std::to_string(y) + "\n");
    EXPECT_EQ(rig.app.askChoice(nullptr, "Which?", labels, 3), choice) << x << ", " << y;
  }
}

TEST_F(DialogTest, TheRowEndsAtTheLastButtonsGap) {
  // Buttons 60 wide, 65 apart from x0 = 158 - count * 65 / 2: the row's last pixel chooses
  // the last button, the pixel after it nothing, and the dialog waits for the next tap.
  struct Row {
    int count, lastPixel;
  };
  for (const Row& row : {Row{1, 190}, Row{2, 222}, Row{3, 255}}) {
    SCOPED_TRACE(row.count);
    play("wait 50\ntap " + std::to_string(row.lastPixel + 1) + " 40\nwait 50\ntap " +
         std::to_string(row.lastPixel + 1) + " 59\nwait 50\ntap " + std::to_string(row.lastPixel) + " 35\n");
    EXPECT_EQ(rig.app.askChoice(nullptr, "Which?", labels, row.count), row.count - 1);
    EXPECT_TRUE(script.finished());
  }
}

TEST_F(DialogTest, SlidingOffTheButtonChoosesNothing) {
  play("wait 50\npress 100 40\nwait 50\nmove 200 40\nwait 50\nrelease\n"
       "wait 50\ntap 30 40\nwait 50\ntap 200 100\nwait 50\ntap 200 40\n");
  EXPECT_EQ(rig.app.askChoice(nullptr, "Which?", labels, 3), 2);
  EXPECT_TRUE(script.finished());  // every tap before the last was ignored
}

TEST_F(DialogTest, ALabelCountOutsideOneToThreeDrawsNothing) {
  uint16_t* framebuffer = rig.app.getFramebuffer();
  std::fill(framebuffer, framebuffer + kScreenPixels, uint16_t(0x1234));
  EXPECT_EQ(rig.app.askChoice(nullptr, "Which?", labels, 0), -1);
  EXPECT_EQ(rig.app.askChoice(nullptr, "Which?", labels, 4), -1);
  EXPECT_EQ(framebuffer[0], 0x1234);
  EXPECT_EQ(framebuffer[160 * 240 + 200], 0x1234);
  EXPECT_EQ(rig.backend.presentCount(), 0);
}

TEST_F(DialogTest, AMessageStopsAtItsFirstEmptyLine) {
  keepFirstFrame();
  play("wait 50\ntap 10 10\n");
  rig.app.showMessage(nullptr, "one\ntwo\n\nthree");
  ASSERT_FALSE(firstFrame.empty());
  EXPECT_TRUE(rowHasInk(29));    // the first line's bottom row, baseline 30
  EXPECT_TRUE(rowHasInk(46));    // the second, baseline 47
  EXPECT_FALSE(rowHasInk(63));   // no third line at 64
  EXPECT_EQ(firstFramePixel(160, 5), testcontent::kPanelColour);
}

TEST_F(DialogTest, AfterTheDialogTheScreenIsRedrawnOrBlack) {
  play("wait 50\ntap 10 10\n");
  rig.app.showMessage(nullptr, "Gone");
  EXPECT_EQ(rig.app.getFramebuffer()[160 * 240 + 200], 0);
  Backdrop backdrop;
  play("wait 50\ntap 125 40\n");
  EXPECT_EQ(rig.app.askChoice(&backdrop, "Which?", labels, 3), 0);
  EXPECT_EQ(rig.app.getFramebuffer()[160 * 240 + 200], 0x001F);
}

TEST_F(DialogTest, APressedButtonSinksItsLabelAndRestoresThePanelUnderIt) {
  uint16_t* framebuffer = rig.app.getFramebuffer();
  rig.app.drawButton(61, 35, "Yes", true, framebuffer);
  rig.app.drawButton(61, 35, "Yes", false, framebuffer);
  // Released again: nothing of the pressed picture or its label is left.
  int pressedLeft = 0;
  for (int x = 61; x < 121; ++x)
    for (int y = 35; y < 59; ++y) pressedLeft += framebuffer[x * 240 + 239 - y] == testcontent::kButtonOn;
  EXPECT_EQ(pressedLeft, 0);
  // The label's baseline: y + h - 8 released, y + h - 6 pressed.
  auto inkOnRow = [&](int y) {
    for (int x = 61; x < 121; ++x)
      if (framebuffer[x * 240 + 239 - y] == testcontent::kGlyphInk) return true;
    return false;
  };
  EXPECT_TRUE(inkOnRow(35 + 24 - 9));
  EXPECT_FALSE(inkOnRow(35 + 24 - 7));
  rig.app.drawButton(61, 35, "Yes", true, framebuffer);
  EXPECT_TRUE(inkOnRow(35 + 24 - 7));
}

}  // namespace

// ---- Closing the window while a game runs ------------------------------------------------

class CloseQuestionTest : public DialogTest {
protected:
  // Closes the window while the backdrop shows and presents frames until the script ends.
  void closeDuringTheGame(const std::string& taps) {
    rig.app.setCloseAsksFirst(true);
    Backdrop backdrop;
    backdrop.draw(rig.app.getFramebuffer());
    play(taps);
    rig.backend.postMessage({platform::WM_DESTROY, 0, 0});
    rig.backend.onPresent = [this] { frames.push_back(rig.backend.landscape()); };
    for (int i = 0; i < 2000 && !script.finished(); ++i) rig.app.update(true);
    rig.app.update(true);
  }
  bool askedAtSomeFrame() const {
    return std::any_of(frames.begin(), frames.end(), [](const auto& f) { return f[20 * 320 + 160] != 0x001F; });
  }
  std::vector<std::vector<uint16_t>> frames;
};

// Run in a child: a close that wrongly ended the program would otherwise end the test
// program with status 0 as if all was well.
TEST_F(CloseQuestionTest, NoGivesThePictureAndTheGameBack) {
  EXPECT_EXIT(
      {
        closeDuringTheGame("wait 100\ntap 180 45\nwait 50\n");
        const bool asked = askedAtSomeFrame();
        const bool pictureBack = !frames.empty() && frames.back() == std::vector<uint16_t>(kScreenPixels, 0x001F);
        // The answer's tap is not a tap for the screen below.
        const bool tapKept = !rig.app.getClick() && stateValues()["app.askingToClose"] == "0";
        std::fprintf(stderr, "asked %d, picture back %d, tap kept %d\n", asked, pictureBack, tapKept);
        std::exit(asked && pictureBack && tapKept ? 42 : 1);
      },
      ::testing::ExitedWithCode(42), "asked 1, picture back 1, tap kept 1");
}

TEST_F(CloseQuestionTest, YesEndsTheProgram) {
  EXPECT_EXIT(closeDuringTheGame("wait 100\ntap 100 45\nwait 50\n"), ::testing::ExitedWithCode(0), "");
}

TEST_F(CloseQuestionTest, ASecondCloseWhileAskingEndsTheProgram) {
  EXPECT_EXIT(closeDuringTheGame("wait 100\nclose\nwait 100\ntap 180 45\nwait 50\n"),
              ::testing::ExitedWithCode(0), "");
}
