#include "ReferenceDecoders.h"
#include "TestPictures.h"
#include "gfx/Decoders.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

bool decode(const std::vector<uint8_t>& bytes, DecodedPicture& picture) {
  return decodeJpeg(bytes.data(), bytes.size(), picture);
}

struct FieldDifference {
  int largest = 0;
  double mean = 0;
};

// How far the RGB565 fields of two pictures of the same size lie apart.
FieldDifference fieldDifference(const std::vector<uint16_t>& a, const std::vector<uint16_t>& b) {
  FieldDifference d;
  long total = 0;
  for (size_t i = 0; i < a.size(); ++i)
    for (int shift : {11, 5, 0}) {
      int mask = shift == 5 ? 63 : 31;
      int difference = std::abs((a[i] >> shift & mask) - (b[i] >> shift & mask));
      d.largest = std::max(d.largest, difference);
      total += difference;
    }
  d.mean = double(total) / double(3 * a.size());
  return d;
}

TEST(JpegDecoder, ColourPicturesDecodeLikeTheLibraryAndCloseToTheOriginal) {
  for (auto [width, height] : {std::pair{16, 16}, {13, 9}, {1, 1}, {40, 3}}) {
    RgbImage original = patternImage(width, height);
    std::vector<uint8_t> bytes = writeJpeg(original, 95);
    DecodedPicture picture;
    ASSERT_TRUE(decode(bytes, picture)) << width;
    EXPECT_EQ(picture.width, width);
    EXPECT_EQ(picture.height, height);
    auto reference = libjpegDecode(bytes);
    ASSERT_TRUE(reference);
    EXPECT_EQ(picture.pixels, reference->columnRuns565()) << width << "x" << height;
    // Lossy (the hard edges of blue blur most), but the right picture the right way up.
    EXPECT_LE(fieldDifference(picture.pixels, original.columnRuns565()).mean, 4.0) << width;
  }
}

TEST(JpegDecoder, GreyscalePicturesComeOutAsGreyRgb) {
  std::vector<uint8_t> grey(24 * 8);
  for (size_t i = 0; i < grey.size(); ++i) grey[i] = uint8_t(i % 24 * 10);
  const std::vector<uint8_t> bytes = writeGreyJpeg(24, 8, grey, 100);
  DecodedPicture picture;
  ASSERT_TRUE(decode(bytes, picture));
  ASSERT_EQ(picture.pixels.size(), grey.size());
  EXPECT_EQ(picture.pixels, libjpegDecode(bytes)->columnRuns565());
  RgbImage expected{24, 8, {}};
  for (uint8_t g : grey) expected.rgb.insert(expected.rgb.end(), {g, g, g});
  EXPECT_LE(fieldDifference(picture.pixels, expected.columnRuns565()).largest, 1);
}

TEST(JpegDecoder, LibraryErrorsFailTheLoadInsteadOfEndingTheProgram) {
  DecodedPicture picture;
  std::vector<uint8_t> junk{0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3, 4};
  testing::internal::CaptureStderr();
  EXPECT_FALSE(decode(junk, picture));
  EXPECT_FALSE(decode(writeCmykJpeg(8, 8), picture));  // no conversion to RGB exists
  EXPECT_FALSE(decode({}, picture));
  std::string messages = testing::internal::GetCapturedStderr();
  EXPECT_NE(messages.find("Unsupported color conversion"), std::string::npos) << messages;
  EXPECT_TRUE(picture.pixels.empty());
  // And the decoder is still fine afterwards.
  EXPECT_TRUE(decode(writeJpeg(patternImage(8, 8)), picture));
}

TEST(JpegDecoder, TruncationFailsInTheHeadersAndGivesTheWholePictureInTheScan) {
  std::vector<uint8_t> good = writeJpeg(patternImage(32, 32));
  testing::internal::CaptureStderr();
  for (size_t n : {size_t(0), size_t(2), size_t(20), size_t(150)}) {
    std::vector<uint8_t> bytes(good.begin(), good.begin() + long(n));
    DecodedPicture picture;
    EXPECT_FALSE(decode(bytes, picture)) << n;
  }
  // Cut inside the scan: the library warns and fills the rest; the size is right.
  std::vector<uint8_t> bytes(good.begin(), good.end() - 200);
  DecodedPicture picture;
  EXPECT_TRUE(decode(bytes, picture));
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(picture.pixels.size(), 32u * 32u);
}

TEST(JpegDecoder, AbsurdSizesAreRefused) {
  DecodedPicture picture;
  EXPECT_FALSE(decode(writeJpeg(patternImage(kMaxPictureSide + 1, 1)), picture));
  EXPECT_TRUE(decode(writeJpeg(patternImage(kMaxPictureSide, 1)), picture));
}

}  // namespace
