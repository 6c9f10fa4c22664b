#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace platform;

namespace {

uint16_t panelPixel(const HeadlessPlatform& backend, size_t byteOffset) {
  uint16_t p;
  std::memcpy(&p, backend.panelMemory().data() + byteOffset, 2);
  return p;
}

// A picture in which every pixel differs from its neighbours and from its rotations.
void paintPattern(uint16_t* framebuffer) {
  for (int i = 0; i < kScreenPixels; ++i) framebuffer[i] = uint16_t(i * 7 + 1);
}

// The game's picture as the player should see it: pixel (x, y) row by row.
uint16_t gamePixel(const uint16_t* framebuffer, int x, int y) { return framebuffer[x * 240 + (239 - y)]; }

void expectWindowShows(const TestRig& rig, const uint16_t* framebuffer, bool upright) {
  std::vector<uint16_t> view = rig.backend.landscape();
  int wrong = 0;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      uint16_t expected = upright ? gamePixel(framebuffer, x, y) : gamePixel(framebuffer, 319 - x, 239 - y);
      wrong += view[y * 320 + x] != expected;
    }
  EXPECT_EQ(wrong, 0);
}

// The plain panel turned rotates the picture by half a turn; the landscape panel is written
// along its pitches inside its memory: turned, framebuffer pixel 0 is portrait pixel
// (239, 319), the end of its first line. Not turned, each shows the picture upside down, as
// on the device. Where the first and the last framebuffer pixel land, turned and not.
TEST(DisplayTest, PanelsThatTurnPlaceTheCornersAndShowThePicture) {
  struct Case {
    int type;
    size_t turnedFirst, turnedLast, uprightFirst, uprightLast;
  };
  for (const Case& c : {Case{1, 76799 * 2, 0, 0, 76799 * 2}, Case{3, 319 * 2, 239 * 640, 239 * 640, 319 * 2}}) {
    SCOPED_TRACE(c.type);
    TestRig rig(displayType(c.type));
    uint16_t* fb = rig.app.getFramebuffer();
    paintPattern(fb);
    rig.app.update(true);
    EXPECT_EQ(panelPixel(rig.backend, c.turnedFirst), fb[0]);
    EXPECT_EQ(panelPixel(rig.backend, c.turnedLast), fb[76799]);
    expectWindowShows(rig, fb, true);
    rig.app.turned = false;
    rig.app.update(true);
    EXPECT_EQ(panelPixel(rig.backend, c.uprightFirst), fb[0]);
    EXPECT_EQ(panelPixel(rig.backend, c.uprightLast), fb[76799]);
    expectWindowShows(rig, fb, false);
  }
}

TEST(DisplayTest, WideLinePanelCopiesLinesApartAndCannotTurn) {
  TestRig rig(displayType(2));
  uint16_t* fb = rig.app.getFramebuffer();
  paintPattern(fb);
  ::testing::internal::CaptureStderr();
  rig.app.update(true);
  rig.app.update(true);
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(panelPixel(rig.backend, 0), fb[0]);
  EXPECT_EQ(panelPixel(rig.backend, 319 * 512 + 239 * 2), fb[76799]);
  EXPECT_EQ(panelPixel(rig.backend, 512), fb[240]);  // the next line starts 512 bytes on
  expectWindowShows(rig, fb, false);
  // Said on every frame while the picture should be turned.
  size_t first = said.find("d2: turnscreen\n");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(said.find("d2: turnscreen\n", first + 1), std::string::npos);
}

TEST(DisplayTest, EachLayoutNamesItselfOncePerRun) {
  TestRig rig(displayType(1));
  ::testing::internal::CaptureStderr();
  rig.app.update(true);
  rig.app.update(true);
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.find("display type 1\n"), said.rfind("display type 1\n"));
}

TEST(DisplayTest, APanelOfAnotherDepthGetsNoPicture) {
  HeadlessOptions options;
  options.bitsPerPixel = 8;
  TestRig rig(options);
  paintPattern(rig.app.getFramebuffer());
  rig.app.update(true);
  EXPECT_EQ(rig.backend.presentCount(), 0);
  EXPECT_EQ(panelPixel(rig.backend, 0), 0);
}

TEST(DisplayTest, ClearScreenFillsEveryByte) {
  TestRig rig;
  rig.app.clearScreen(0xAB);
  EXPECT_EQ(rig.app.getFramebuffer()[0], 0xABAB);
  EXPECT_EQ(rig.app.getFramebuffer()[kScreenPixels - 1], 0xABAB);
}

}  // namespace
