#include "TestPictures.h"
#include "gfx/Decoders.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

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

// Every depth in every header size and row order, at widths of every row padding.
TEST(BmpDecoder, EveryDepthHeaderRowOrderAndPaddingDecodesExactly) {
  for (int width : {1, 2, 3, 4, 7}) {
    RgbImage image = patternImage(width, 5, width);
    IndexedImage indexed = indexedPattern(width, 5, 9, width);
    std::vector<uint16_t> expected = image.columnRuns565(), expectedIndexed = toRgb(indexed).columnRuns565();
    for (int info : {40, 108, 124})
      for (bool topDown : {false, true}) {
        BmpForm form{.infoSize = info, .topDown = topDown};
        BmpForm fields{.infoSize = info, .topDown = topDown, .bitFields = true};
        struct File {
          const char* depth;
          std::vector<uint8_t> bytes;
          const std::vector<uint16_t>& pixels;
        };
        for (const File& f : {File{"24", writeBmp24(image, form), expected},
                              File{"32", writeBmp32(image, form, 0x00), expected},  // alpha is not shown
                              File{"32 fields", writeBmp32(image, fields, 0x80), expected},
                              File{"8", writeBmp8(indexed, form), expectedIndexed},
                              File{"rle8", encodeBmpRle8(indexed, 4, form), expectedIndexed}}) {
          SCOPED_TRACE(testing::Message() << width << " wide, " << info
                                          << (topDown ? " top-down " : " bottom-up ") << f.depth);
          bool ok = false;
          DecodedPicture picture = decode(f.bytes, &ok);
          ASSERT_TRUE(ok);
          EXPECT_EQ(picture.width, width);
          EXPECT_EQ(picture.height, 5);
          EXPECT_EQ(picture.pixels, f.pixels);
        }
      }
  }
}

TEST(BmpDecoder, DamagedHeaderFieldsAreRefused) {
  const std::vector<uint8_t> good = writeBmp24(patternImage(3, 3));
  const uint32_t size = uint32_t(good.size());
  auto decodes = [](const std::vector<uint8_t>& bytes) {
    bool ok = true;
    decode(bytes, &ok);
    return ok;
  };
  EXPECT_TRUE(decodes(good));
  std::vector<uint8_t> signature = good;
  put16(signature, 0, 0x4D42 + 1);
  EXPECT_FALSE(decodes(signature));
  const struct {
    const char* field;
    size_t at;
    std::vector<uint32_t> values;
  } cases[] = {
      {"file size", 2, {size + 1, size - 1}},
      {"pixel offset beyond the file", 10, {0xFFFFFFF0u}},
      {"info size", 14, {0, 12, 56, 64, 125}},
      {"width", 18, {0, uint32_t(-3), 4097, 100000}},
      {"height", 22, {0, uint32_t(-4097), uint32_t(INT32_MIN)}},
  };
  for (const auto& c : cases)
    for (uint32_t value : c.values) {
      std::vector<uint8_t> bytes = good;
      put32(bytes, c.at, value);
      EXPECT_FALSE(decodes(bytes)) << c.field << " " << int32_t(value);
    }
}

TEST(BmpDecoder, OnlyUncompressedRle8AndPlainBitFieldsAreAccepted) {
  // Bit fields other than plain 32-bit blue, green, red bytes, and the other compressions.
  std::vector<uint8_t> shuffled = writeBmp32(patternImage(3, 2), {.infoSize = 124, .bitFields = true});
  put32(shuffled, 54, 0x000000FFu);  // red where blue is
  std::vector<uint8_t> fields24 = writeBmp24(patternImage(3, 2));
  put32(fields24, 30, 3);
  std::vector<uint8_t> rle4 = writeBmp24(patternImage(3, 2));
  put32(rle4, 30, 2);
  for (const auto& bytes : {shuffled, fields24, rle4}) {
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
}

TEST(BmpDecoder, OtherDepthsGiveABlackPictureOfTheRightSize) {
  std::vector<uint8_t> bytes = writeBmp24(patternImage(4, 2));
  put16(bytes, 28, 16);
  testing::internal::CaptureStderr();
  bool ok = false;
  DecodedPicture picture = decode(bytes, &ok);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Sorry, a color depth of 16 bits is not supported, only 8, 24 or 32 bits images could be read !\n");
  EXPECT_TRUE(ok);
  EXPECT_EQ(picture.pixels, std::vector<uint16_t>(8, 0));
}

TEST(BmpDecoder, Rle8RunsLiteralsAndEscapes) {
  std::vector<Rgb> palette{kRed, kGreen, kBlue, kWhite};
  // 4 x 3: a run of 3 red and an end of line (the row's last pixel stays black), a literal
  // of 3 (odd: one padding byte), a delta, a run of 4 blue that runs on into the last row,
  // then 2 white after the end of bitmap that must not appear.
  std::vector<uint8_t> stream{3, 0, 0, 0, 0, 3, 1, 2, 1, 0xEE, 0, 2, 5, 7, 4, 2, 0, 1, 2, 3};
  testing::internal::CaptureStderr();
  bool ok = false;
  DecodedPicture picture = decode(writeBmpRle8(4, 3, palette, stream), &ok);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Bitmap::initialize(): ERROR: delta (5,7) found, but not supported !\n");
  ASSERT_TRUE(ok);
  std::vector<uint16_t> expected{kRed565,  kRed565,  kRed565,  0,        kGreen565, kBlue565,
                                 kGreen565, kBlue565, kBlue565, kBlue565, kBlue565,  0};
  EXPECT_EQ(fileOrder(picture), expected);
}

TEST(BmpDecoder, Rle8EndOfLineStartsTheRowAfterTheLine) {
  std::vector<Rgb> palette{kRed, kGreen, kBlue};
  struct Case {
    const char* what;
    std::vector<uint8_t> stream;
    std::vector<uint16_t> expected;  // 3 x 3, file order
  };
  const uint16_t R = kRed565, G = kGreen565, B = kBlue565;
  std::vector<Case> cases{
      // Lines of exactly one row, with and without end of line codes, decode alike.
      {"whole rows", {3, 0, 0, 0, 3, 1, 0, 0, 3, 2, 0, 1}, {R, R, R, G, G, G, B, B, B}},
      {"one run", {3, 0, 3, 1, 3, 2}, {R, R, R, G, G, G, B, B, B}},
      // A line padded past its row is overwritten by the next line.
      {"padded", {4, 0, 0, 0, 4, 1, 0, 0, 4, 2, 0, 0, 0, 1}, {R, R, R, G, G, G, B, B, B}},
      // A short line leaves the rest of its row black; an empty line a whole row.
      {"short", {1, 1, 0, 0, 0, 0, 2, 2}, {G, 0, 0, 0, 0, 0, B, B, 0}},
      // An end of line in the last row ends the picture; more lines are not read.
      {"past the end", {0, 0, 0, 0, 0, 0, 0, 0, 3, 1}, std::vector<uint16_t>(9, 0)},
  };
  for (const Case& c : cases) {
    bool ok = false;
    DecodedPicture picture = decode(writeBmpRle8(3, 3, palette, c.stream), &ok);
    ASSERT_TRUE(ok) << c.what;
    EXPECT_EQ(fileOrder(picture), c.expected) << c.what;
  }
}

TEST(BmpDecoder, Rle8StopsAtTheEndOfThePictureAndOfTheData) {
  std::vector<Rgb> palette{kRed, kGreen};
  // A run longer than the picture fills it; the rest of it is dropped.
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

TEST(BmpDecoder, Rle8RowsPaddedToAnyLengthDecodeExactly) {
  // The width of 70 that ImageMagick pads by two pixels, and widths around a word.
  for (int width : {70, 1, 3, 5})
    for (int padding : {1, 2, 4, 8}) {
      IndexedImage image = indexedPattern(width, 4, 5, width);
      bool ok = false;
      DecodedPicture picture = decode(encodeBmpRle8(image, padding), &ok);
      ASSERT_TRUE(ok);
      EXPECT_EQ(picture.pixels, toRgb(image).columnRuns565()) << width << " padded to " << padding;
    }
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
      // A failure leaves no half-decoded pixels behind.
      EXPECT_EQ(picture.pixels.size(), ok ? size_t(picture.width) * picture.height : 0u) << n;
    }
  }
}

}  // namespace
