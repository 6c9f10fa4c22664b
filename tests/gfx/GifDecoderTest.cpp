#include "TestPictures.h"
#include "gfx/Decoders.h"

#include <gtest/gtest.h>

namespace {

bool decode(const std::vector<uint8_t>& bytes, DecodedPicture& picture) {
  return decodeGif(bytes.data(), bytes.size(), picture);
}

uint16_t pixelAt(const DecodedPicture& p, int x, int y) { return p.pixels[size_t(x) * p.height + (p.height - 1 - y)]; }

TEST(GifDecoder, TheFirstFrameDecodesThroughTheGlobalColourTable) {
  for (bool interlace : {false, true}) {
    IndexedImage image = indexedPattern(9, 13, 5);  // 5 colours: the table is padded to 8
    std::vector<uint8_t> bytes = writeGif(image, {.interlace = interlace});
    ASSERT_FALSE(bytes.empty());
    DecodedPicture picture;
    ASSERT_TRUE(decode(bytes, picture)) << interlace;
    EXPECT_EQ(picture.width, 9);
    EXPECT_EQ(picture.height, 13);
    EXPECT_EQ(picture.pixels, toRgb(image).columnRuns565()) << interlace;
  }
}

TEST(GifDecoder, AFrameSmallerThanTheScreenLiesInItsRectangleOnTheBackground) {
  IndexedImage frame = indexedPattern(4, 3, 4);
  GifLayout layout{.screenWidth = 10, .screenHeight = 8, .left = 3, .top = 2, .background = 2};
  DecodedPicture picture;
  ASSERT_TRUE(decode(writeGif(frame, layout), picture));
  ASSERT_EQ(picture.width, 10);
  ASSERT_EQ(picture.height, 8);
  uint16_t background = to565(frame.palette[2]);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      bool inside = x >= 3 && x < 7 && y >= 2 && y < 5;
      uint16_t expected = inside ? to565(frame.palette[frame.indices[size_t(y - 2) * 4 + (x - 3)]]) : background;
      EXPECT_EQ(pixelAt(picture, x, y), expected) << x << "," << y;
    }
}

TEST(GifDecoder, AFrameReachingPastTheScreenIsClipped) {
  IndexedImage frame = indexedPattern(5, 5, 4);
  GifLayout layout{.screenWidth = 6, .screenHeight = 4, .left = 3, .top = 2, .background = 1};
  DecodedPicture picture;
  ASSERT_TRUE(decode(writeGif(frame, layout), picture));
  EXPECT_EQ(pixelAt(picture, 2, 3), to565(frame.palette[1]));
  EXPECT_EQ(pixelAt(picture, 5, 3), to565(frame.palette[frame.indices[1 * 5 + 2]]));
  EXPECT_EQ(pixelAt(picture, 3, 2), to565(frame.palette[frame.indices[0]]));
}

TEST(GifDecoder, IndicesBeyondTheGlobalTableAreBlack) {
  // Two global colours; the frame's own four-colour map lets it use indices 2 and 3.
  IndexedImage frame{4, 1, {0, 1, 2, 3}, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}}};
  GifLayout layout{.screenWidth = 5, .background = 7, .globalPalette = {{255, 255, 255}, {255, 0, 0}}};
  DecodedPicture picture;
  ASSERT_TRUE(decode(writeGif(frame, layout), picture));
  EXPECT_EQ(pixelAt(picture, 0, 0), 0xFFFF);  // the local map is ignored
  EXPECT_EQ(pixelAt(picture, 1, 0), 0xF800);
  EXPECT_EQ(pixelAt(picture, 2, 0), 0);
  EXPECT_EQ(pixelAt(picture, 3, 0), 0);
  EXPECT_EQ(pixelAt(picture, 4, 0), 0);  // background index 7 is beyond the table too
}

TEST(GifDecoder, WithoutAGlobalColourTableTheLoadFails) {
  DecodedPicture picture;
  EXPECT_FALSE(decode(writeGif(indexedPattern(3, 3, 2), {.globalMap = false}), picture));
  EXPECT_TRUE(picture.pixels.empty());
}

TEST(GifDecoder, AbsurdScreenSizesAreRefused) {
  std::vector<uint8_t> bytes = writeGif(indexedPattern(4, 4, 2));
  put16(bytes, 6, 5000);  // the logical screen's width
  DecodedPicture picture;
  EXPECT_FALSE(decode(bytes, picture));
}

TEST(GifDecoder, DamagedOrTruncatedFilesFailCleanly) {
  std::vector<uint8_t> good = writeGif(indexedPattern(7, 6, 16), {.interlace = true});
  DecodedPicture picture;
  ASSERT_TRUE(decode(good, picture));
  // Every truncation, also the one that loses only the trailer, fails.
  for (size_t n = 0; n < good.size(); ++n) {
    std::vector<uint8_t> bytes(good.begin(), good.begin() + long(n));
    EXPECT_FALSE(decode(bytes, picture)) << n;
  }
  std::vector<uint8_t> notGif{'G', 'I', 'F', '9', '9', 'z', 1, 2, 3};
  EXPECT_FALSE(decode(notGif, picture));
  EXPECT_FALSE(decodeGif(nullptr, 0, picture));
}

}  // namespace
