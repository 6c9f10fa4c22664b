#include "gfx/Bitmap.h"
#include "gfx/Colour.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <optional>

namespace {

constexpr int kW = 320, kH = 240;
constexpr uint16_t kMagenta = 0xF81F;

// Exactly the framebuffer's size, so AddressSanitizer catches a write past either end.
using Screen = std::vector<uint16_t>;

Screen patternScreen() {
  Screen screen(kW * kH);
  for (size_t i = 0; i < screen.size(); ++i) screen[i] = uint16_t(i * 13 + 5);
  return screen;
}

uint16_t& at(Screen& s, int x, int y) { return s[size_t(x) * kH + (kH - 1 - y)]; }

// Every pixel different, and every fifth diagonal magenta.
Bitmap testPicture(int w, int h) {
  Bitmap b(w, h);
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y)
      b.getPixels()[x * h + (h - 1 - y)] = (x + y) % 5 == 0 ? kMagenta : uint16_t(0x1000 + x * 37 + y * 101);
  return b;
}

// What a pixel of the picture does to the pixel below it; nothing means it leaves it.
using PixelRule = std::function<std::optional<uint16_t>(uint16_t source, uint16_t below)>;

// Drawing as it should be, one pixel at a time with every bound checked: the part
// (sx, sy, w, h) of the picture drawn at (x, y) on a target of tw x th.
void model(std::vector<uint16_t>& target, int tw, int th, const Bitmap& b, int sx, int sy, int w, int h, int x, int y,
           const PixelRule& rule) {
  for (long long j = 0; j < h; ++j)
    for (long long i = 0; i < w; ++i) {
      long long px = sx + i, py = sy + j, tx = x + i, ty = y + j;
      if (px < 0 || py < 0 || px >= b.getWidth() || py >= b.getHeight()) continue;
      if (tx < 0 || ty < 0 || tx >= tw || ty >= th) continue;
      uint16_t& below = target[size_t(tx) * th + (th - 1 - ty)];
      if (auto result = rule(b.getPixel(int(px), int(py)), below)) below = *result;
    }
}

void modelScreen(Screen& s, const Bitmap& b, int sx, int sy, int w, int h, int x, int y, const PixelRule& rule) {
  model(s, kW, kH, b, sx, sy, w, h, x, y, rule);
}

PixelRule copyRule(uint16_t mask) {
  return [mask](uint16_t s, uint16_t) -> std::optional<uint16_t> {
    if (mask && s == mask) return std::nullopt;
    return s;
  };
}

PixelRule blendRule(int alpha, uint16_t mask) {
  return [=](uint16_t s, uint16_t below) -> std::optional<uint16_t> {
    if (mask && s == mask) return std::nullopt;
    return blendPixel(below, s, alpha);
  };
}

// Inside, across every edge and corner, just outside, far outside.
const std::vector<std::pair<int, int>> kPlaces{
    {13, 17},  {0, 0},       {-3, 50},   {315, 50}, {100, -4},      {100, 236},  {-5, -6},   {317, 237},
    {-5, 236}, {316, -2},    {-12, 40},  {320, 0},  {0, 240},       {-100, -100}, {400, 300},
    {INT_MAX, INT_MAX},      {INT_MIN, INT_MIN},    {INT_MIN, 10},  {10, INT_MAX - 3}};

TEST(Drawing, EveryOperationClipsToTheScreenAtEveryEdge) {
  Bitmap b = testPicture(7, 6);
  for (auto [x, y] : kPlaces) {
    SCOPED_TRACE(testing::Message() << "at " << x << "," << y);
    Screen screen = patternScreen(), expected = screen;
    b.draw(x, y, screen.data());
    modelScreen(expected, b, 0, 0, 7, 6, x, y, copyRule(0));
    EXPECT_EQ(screen, expected) << "draw";

    b.draw(x, y, screen.data(), kMagenta);
    modelScreen(expected, b, 0, 0, 7, 6, x, y, copyRule(kMagenta));
    EXPECT_EQ(screen, expected) << "masked draw";

    b.drawPart(2, 1, 4, 3, screen.data(), x, y, kMagenta);
    modelScreen(expected, b, 2, 1, 4, 3, x, y, copyRule(kMagenta));
    EXPECT_EQ(screen, expected) << "drawPart";

    b.drawBlended(x, y, screen.data(), 100, kMagenta);
    modelScreen(expected, b, 0, 0, 7, 6, x, y, blendRule(100, kMagenta));
    EXPECT_EQ(screen, expected) << "drawBlended";

    b.drawPartBlended(1, 2, 5, 4, screen.data(), x, y, 200);
    modelScreen(expected, b, 1, 2, 5, 4, x, y, blendRule(200, 0));
    EXPECT_EQ(screen, expected) << "drawPartBlended";

    b.drawFaded(x, y, screen.data(), 77);
    modelScreen(expected, b, 0, 0, 7, 6, x, y, [](uint16_t s, uint16_t) { return fadePixel(s, 77); });
    EXPECT_EQ(screen, expected) << "drawFaded";
  }
}

TEST(Drawing, APartReachingPastThePictureDrawsOnlyWhatThePictureHas) {
  Bitmap b = testPicture(5, 4);
  for (auto [sx, sy, w, h] : {std::tuple{3, 2, 10, 10}, {-2, -1, 4, 4}, {-1, 0, -1, -1}, {0, 0, 6, 5}}) {
    Screen screen = patternScreen(), expected = screen;
    b.drawPart(sx, sy, w, h, screen.data(), 50, 60);
    modelScreen(expected, b, sx, sy, w == -1 ? 5 : w, h == -1 ? 4 : h, 50, 60, copyRule(0));
    EXPECT_EQ(screen, expected) << sx << "," << sy << " " << w << "x" << h;
  }
}

TEST(Drawing, WholePartEqualsDrawAndEmptyPartsDrawNothing) {
  Bitmap b = testPicture(9, 8);
  Screen viaDraw = patternScreen(), viaPart = viaDraw;
  b.draw(30, 40, viaDraw.data(), kMagenta);
  b.drawPart(0, 0, -1, -1, viaPart.data(), 30, 40, kMagenta);
  EXPECT_EQ(viaPart, viaDraw);

  Screen untouched = patternScreen(), screen = untouched;
  b.drawPart(0, 0, 0, 5, screen.data(), 30, 40);
  b.drawPart(0, 0, -2, 5, screen.data(), 30, 40);
  b.drawPart(0, 0, 5, 0, screen.data(), 30, 40);
  b.drawPartBlended(0, 0, 0, -1, screen.data(), 30, 40, 128);
  EXPECT_EQ(screen, untouched);
}

TEST(Drawing, SaveUnderRestoresTheScreenExactly) {
  Bitmap b = testPicture(8, 7);
  for (auto [x, y] : kPlaces) {
    for (uint16_t mask : {uint16_t(0), kMagenta}) {
      SCOPED_TRACE(testing::Message() << "at " << x << "," << y << " mask " << mask);
      Screen before = patternScreen(), screen = before, expected = before;
      Bitmap save(8, 7);
      b.draw(x, y, screen.data(), mask, &save);
      modelScreen(expected, b, 0, 0, 8, 7, x, y, copyRule(mask));
      EXPECT_EQ(screen, expected);  // saving does not change the drawing
      save.draw(x, y, screen.data());
      EXPECT_EQ(screen, before);
    }
  }
}

TEST(Drawing, ASaveUnderOfAnotherSizeIsNotUsed) {
  Bitmap b = testPicture(4, 4), save(3, 4);
  Screen screen = patternScreen(), expected = screen;
  b.draw(10, 10, screen.data(), 0, &save);
  modelScreen(expected, b, 0, 0, 4, 4, 10, 10, copyRule(0));
  EXPECT_EQ(screen, expected);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(save.getPixels()[i], 0x5555);
}

TEST(Drawing, DrawToUsesTheTargetsHeightAsColumnStrideAndClipsToIt) {
  Bitmap b = testPicture(6, 5);
  for (auto [x, y] : {std::pair{2, 3}, {-2, -1}, {27, 17}, {-7, 0}, {0, 20}}) {
    SCOPED_TRACE(testing::Message() << "at " << x << "," << y);
    Bitmap target = testPicture(30, 20);
    std::vector<uint16_t> expected(target.getPixels(), target.getPixels() + 600);
    Bitmap save(6, 5);
    b.drawTo(x, y, target, kMagenta, &save);
    model(expected, 30, 20, b, 0, 0, 6, 5, x, y, copyRule(kMagenta));
    EXPECT_EQ(std::vector<uint16_t>(target.getPixels(), target.getPixels() + 600), expected);
    save.drawTo(x, y, target);
    Bitmap original = testPicture(30, 20);
    EXPECT_TRUE(std::equal(target.getPixels(), target.getPixels() + 600, original.getPixels()));
  }
}

TEST(Drawing, BlendAndFadeArithmetic) {
  Bitmap white(1, 1), black(1, 1);
  white.getPixels()[0] = 0xFFFF;
  black.getPixels()[0] = 0x0000;
  Screen screen(kW * kH, 0);
  white.drawBlended(0, 0, screen.data(), 128);
  EXPECT_EQ(at(screen, 0, 0), 15 << 11 | 31 << 5 | 15);
  at(screen, 0, 0) = 0xFFFF;
  black.drawBlended(0, 0, screen.data(), 128);  // negative differences shift towards minus infinity
  EXPECT_EQ(at(screen, 0, 0), 15 << 11 | 31 << 5 | 15);
  at(screen, 0, 0) = 0x1234;
  white.drawBlended(0, 0, screen.data(), 0);
  white.drawPartBlended(0, 0, -1, -1, screen.data(), 0, 0, 0);
  EXPECT_EQ(at(screen, 0, 0), 0x1234);  // alpha 0 changes nothing
  white.drawBlended(0, 0, screen.data(), 255);
  EXPECT_EQ(at(screen, 0, 0), 30 << 11 | 62 << 5 | 30);  // almost the source: 0x1234 is 2, 17, 20
}

TEST(Drawing, FadingScalesEveryChannel) {
  Bitmap full = testPicture(320, 240);
  Screen screen = patternScreen();
  full.drawFaded(0, 0, screen.data(), 0);
  EXPECT_EQ(screen, Screen(kW * kH, 0));  // brightness 0: black
  full.drawFaded(0, 0, screen.data(), 256);
  EXPECT_TRUE(std::equal(screen.begin(), screen.end(), full.getPixels()));
  Bitmap one(1, 1);
  one.getPixels()[0] = 31 << 11 | 63 << 5 | 31;
  one.drawFaded(0, 0, screen.data(), 128);
  EXPECT_EQ(at(screen, 0, 0), 15 << 11 | 31 << 5 | 15);
}

TEST(Drawing, ABitmapWithoutPixelsDrawsNothing) {
  Bitmap empty(0, 0), target(4, 4);
  Screen untouched = patternScreen(), screen = untouched;
  empty.draw(0, 0, screen.data());
  empty.drawPart(0, 0, -1, -1, screen.data(), 0, 0);
  empty.drawBlended(0, 0, screen.data(), 100);
  empty.drawPartBlended(0, 0, -1, -1, screen.data(), 0, 0, 100);
  empty.drawFaded(0, 0, screen.data(), 100);
  empty.drawTo(0, 0, target);
  EXPECT_EQ(screen, untouched);
  // Drawing onto a bitmap without pixels is just as harmless.
  testPicture(3, 3).drawTo(0, 0, empty);
}

}  // namespace
