#include "TestPictures.h"
#include "gfx/Decoders.h"

#include <gtest/gtest.h>

namespace {

const Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};
constexpr uint16_t kRed565 = 0xF800, kGreen565 = 0x07E0, kBlue565 = 0x001F, kWhite565 = 0xFFFF;

DecodedPicture decode(const std::vector<uint8_t>& bytes, bool* ok = nullptr) {
  DecodedPicture picture;
  bool decoded = decodeBmp(bytes.data(), bytes.size(), picture);
  if (ok) *ok = decoded;
  return picture;
}

// The pixels in file order (bottom row first), as RLE8 fills them.
std::vector<uint16_t> fileOrder(const DecodedPicture& p) {
  std::vector<uint16_t> out;
  for (int row = 0; row < p.height; ++row)
    for (int x = 0; x < p.width; ++x) out.push_back(p.pixels[size_t(x) * p.height + row]);
  return out;
}

TEST(BmpDecoder, TwentyFourBitRowsOfEveryPaddingDecodeExactly) {
  for (int width : {1, 2, 3, 4, 7}) {
    RgbImage image = patternImage(width, 5, width);
    bool ok = false;
    DecodedPicture picture = decode(writeBmp24(image), &ok);
    ASSERT_TRUE(ok) << width;
    EXPECT_EQ(picture.width, width);
    EXPECT_EQ(picture.height, 5);
    EXPECT_EQ(picture.pixels, image.columnRuns565()) << width;
  }
}

TEST(BmpDecoder, EightBitIndicesGoThroughThePalette) {
  IndexedImage image = indexedPattern(5, 3, 7);
  bool ok = false;
  DecodedPicture picture = decode(writeBmp8(image), &ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(picture.pixels, toRgb(image).columnRuns565());
}

TEST(BmpDecoder, BottomRowOfPaletteEntryZeroIsAtTheEndOfEveryColumnRun) {
  IndexedImage image{4, 3, {1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}, {kRed, kBlue}};
  DecodedPicture picture = decode(writeBmp8(image));
  ASSERT_EQ(picture.pixels.size(), 12u);
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(picture.pixels[size_t(x) * 3 + 0], kRed565);  // the file's first row: the bottom
    EXPECT_EQ(picture.pixels[size_t(x) * 3 + 2], kBlue565);
  }
}

TEST(BmpDecoder, HeaderFieldsMustMatch) {
  std::vector<uint8_t> good = writeBmp24(patternImage(3, 3));
  auto damaged = [&](size_t at, uint32_t value, bool wide) {
    std::vector<uint8_t> bytes = good;
    wide ? put32(bytes, at, value) : put16(bytes, at, uint16_t(value));
    bool ok = true;
    decode(bytes, &ok);
    return ok;
  };
  EXPECT_FALSE(damaged(0, 0x4D42 + 1, false));                   // signature
  EXPECT_FALSE(damaged(2, uint32_t(good.size()) + 1, true));     // file size
  EXPECT_FALSE(damaged(2, uint32_t(good.size()) - 1, true));
  EXPECT_FALSE(damaged(14, 108, true));                          // info header of another kind
  bool ok = false;
  decode(good, &ok);
  EXPECT_TRUE(ok);
}

TEST(BmpDecoder, OnlyUncompressedAndRle8AreAccepted) {
  std::vector<uint8_t> bytes = writeBmp24(patternImage(3, 2));
  put32(bytes, 30, 3);  // bit fields
  testing::internal::CaptureStderr();
  bool ok = true;
  DecodedPicture picture = decode(bytes, &ok);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Bitmap::initialize(): ERROR: Sorry, only 8bit-RLE compression supported !\n");
  EXPECT_FALSE(ok);
  EXPECT_TRUE(picture.pixels.empty());
  EXPECT_EQ(picture.width, 3);  // the size was read before the compression was refused
  EXPECT_EQ(picture.height, 2);
}

TEST(BmpDecoder, OtherDepthsGiveABlackPictureOfTheRightSize) {
  std::vector<uint8_t> bytes = writeBmp24(patternImage(4, 2));
  put16(bytes, 28, 16);
  testing::internal::CaptureStderr();
  bool ok = false;
  DecodedPicture picture = decode(bytes, &ok);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Sorry, a color depth of 16 bits is not supported, only 8 or 16 bits images could be read !\n");
  EXPECT_TRUE(ok);
  EXPECT_EQ(picture.pixels, std::vector<uint16_t>(8, 0));
}

TEST(BmpDecoder, Rle8RunsLiteralsAndEscapes) {
  std::vector<Rgb> palette{kRed, kGreen, kBlue, kWhite};
  // 4 x 3: a run of 3 red, end of line (ignored: the output is one continuous run), a
  // literal of 3 (odd: one padding byte), a delta, a run of 4 blue, then 2 white after the
  // end of bitmap that must not appear.
  std::vector<uint8_t> stream{3, 0, 0, 0, 0, 3, 1, 2, 1, 0xEE, 0, 2, 5, 7, 4, 2, 0, 1, 2, 3};
  testing::internal::CaptureStderr();
  bool ok = false;
  DecodedPicture picture = decode(writeBmpRle8(4, 3, palette, stream), &ok);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Bitmap::initialize(): ERROR: delta (5,7) found, but not supported !\n");
  ASSERT_TRUE(ok);
  std::vector<uint16_t> expected{kRed565, kRed565, kRed565, kGreen565, kBlue565, kGreen565,
                                 kBlue565, kBlue565, kBlue565, kBlue565, 0, 0};
  EXPECT_EQ(fileOrder(picture), expected);
}

TEST(BmpDecoder, Rle8StopsAtTheEndOfThePictureAndOfTheData) {
  std::vector<Rgb> palette{kRed, kGreen};
  // A run longer than the picture fills it and stops; the rest is not read.
  DecodedPicture full = decode(writeBmpRle8(2, 2, palette, {200, 1, 0, 0, 0, 2}));
  EXPECT_EQ(fileOrder(full), std::vector<uint16_t>(4, kGreen565));
  // A literal cut off by the end of the data keeps what came before.
  DecodedPicture cut = decode(writeBmpRle8(2, 2, palette, {1, 1, 0, 5, 0, 0}));
  EXPECT_EQ(fileOrder(cut), (std::vector<uint16_t>{kGreen565, kRed565, kRed565, 0}));
  // A delta without its two bytes ends quietly.
  testing::internal::CaptureStderr();
  decode(writeBmpRle8(2, 2, palette, {0, 2, 9}));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// ---- safety on damaged files ----

TEST(BmpDecoder, AbsurdSizesAreRefused) {
  for (int32_t width : {0, -3, 4097, 100000}) {
    std::vector<uint8_t> bytes = writeBmp24(patternImage(2, 2));
    put32(bytes, 18, uint32_t(width));
    bool ok = true;
    decode(bytes, &ok);
    EXPECT_FALSE(ok) << width;
  }
  std::vector<uint8_t> topDown = writeBmp24(patternImage(2, 2));
  put32(topDown, 22, uint32_t(-2));
  bool ok = true;
  decode(topDown, &ok);
  EXPECT_FALSE(ok);
}

TEST(BmpDecoder, RowsPastTheEndOfTheDataFail) {
  // A file whose size field was made to match its truncated length.
  std::vector<uint8_t> bytes = writeBmp24(patternImage(5, 4));
  bytes.resize(bytes.size() - 2);
  put32(bytes, 2, uint32_t(bytes.size()));
  bool ok = true;
  DecodedPicture picture = decode(bytes, &ok);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(picture.pixels.empty());

  std::vector<uint8_t> far = writeBmp8(indexedPattern(4, 4, 2));
  put32(far, 10, 0xFFFFFFF0u);  // pixel data beyond the file
  decode(far, &ok);
  EXPECT_FALSE(ok);
}

TEST(BmpDecoder, IndicesBeyondAShortPaletteAreBlack) {
  IndexedImage image{3, 1, {0, 1, 2}, {kWhite, kBlue}};  // index 2 has no entry
  bool ok = false;
  DecodedPicture picture = decode(writeBmp8(image), &ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(fileOrder(picture), (std::vector<uint16_t>{kWhite565, kBlue565, 0}));
}

TEST(BmpDecoder, EveryTruncationOfAValidFileFailsCleanly) {
  // Uncompressed files fail once pixel data is missing; only the last row's padding may go.
  struct File {
    std::vector<uint8_t> bytes;
    size_t padding;
  };
  std::vector<File> files{{writeBmp24(patternImage(3, 3)), 3}, {writeBmp8(indexedPattern(5, 2, 3)), 3},
                          {writeBmpRle8(3, 3, {kRed, kBlue}, {2, 1, 0, 3, 0, 1, 0, 0, 0, 1}), 0}};
  for (const auto& [file, padding] : files) {
    for (size_t n = 0; n < file.size(); ++n) {
      // Copied into a buffer of exactly n bytes, so that a read past it is caught.
      std::vector<uint8_t> bytes(file.begin(), file.begin() + long(n));
      if (n >= 6) put32(bytes, 2, uint32_t(n));
      DecodedPicture picture;
      bool ok = decodeBmp(bytes.data(), bytes.size(), picture);
      bool rle = file[30] == 1;
      if (!rle && n < file.size() - padding) {
        EXPECT_FALSE(ok) << n;
      }
      if (ok) {
        EXPECT_EQ(picture.pixels.size(), size_t(picture.width) * picture.height);
      }
    }
  }
}

}  // namespace
