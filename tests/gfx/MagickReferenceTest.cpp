// One picture per format decoded by ImageMagick's `convert` as an outside reference.
#include "TestPictures.h"
#include "gfx/Decoders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace {

bool haveConvert() {
  static const bool have = std::system("convert -version > /dev/null 2>&1") == 0;
  return have;
}

using DecodeFunction = bool (*)(const uint8_t*, size_t, DecodedPicture&);

class MagickReference : public ::testing::Test {
protected:
  void SetUp() override {
    if (!haveConvert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    folder = fs::path(::testing::TempDir()) /
             (std::string("magick-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  // What convert makes of the file: raw RGB, row by row.
  std::optional<RgbImage> convert(const std::vector<uint8_t>& file, const char* extension, int width, int height) {
    fs::path in = folder / (std::string("in.") + extension), out = folder / "out.raw";
    std::ofstream(in, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), long(file.size()));
    std::string command = "convert '" + in.string() + "' 'rgb:" + out.string() + "'";
    if (std::system(command.c_str()) != 0) return std::nullopt;
    std::ifstream raw(out, std::ios::binary);
    RgbImage image{width, height, {std::istreambuf_iterator<char>(raw), {}}};
    if (image.rgb.size() != size_t(width) * height * 3) return std::nullopt;
    return image;
  }

  void expectSameAsConvert(const std::vector<uint8_t>& file, const char* extension, DecodeFunction decode) {
    DecodedPicture picture;
    ASSERT_TRUE(decode(file.data(), file.size(), picture));
    auto reference = convert(file, extension, picture.width, picture.height);
    ASSERT_TRUE(reference) << "convert failed or gave another size";
    EXPECT_EQ(picture.pixels, reference->columnRuns565());
  }

  fs::path folder;
};

TEST_F(MagickReference, Bmp) {
  expectSameAsConvert(writeBmp24(patternImage(23, 11, 3)), "bmp", decodeBmp);
  expectSameAsConvert(writeBmp8(indexedPattern(13, 9, 200)), "bmp", decodeBmp);
}

// Our writer's other forms, as a check that they mean to ImageMagick what they mean to us.
TEST_F(MagickReference, BmpForms) {
  expectSameAsConvert(writeBmp32(patternImage(9, 6, 1), {.infoSize = 124, .bitFields = true}), "bmp", decodeBmp);
  expectSameAsConvert(writeBmp24(patternImage(9, 6, 2), {.infoSize = 108, .topDown = true}), "bmp", decodeBmp);
  expectSameAsConvert(encodeBmpRle8(indexedPattern(70, 5, 12)), "bmp", decodeBmp);
}

// Files ImageMagick writes itself, by default (the 124-byte header) and in the forms a
// player who makes their own pictures gets from it.
TEST_F(MagickReference, BmpWrittenByImageMagick) {
  RgbImage image = toRgb(indexedPattern(70, 9, 40, 3));  // over 16 colours: 8 bits, not 4
  fs::path ppm = folder / "in.ppm";
  {
    std::ofstream out(ppm, std::ios::binary);
    out << "P6\n" << image.width << " " << image.height << "\n255\n";
    out.write(reinterpret_cast<const char*>(image.rgb.data()), long(image.rgb.size()));
  }
  const char* options[] = {"", "-type TrueColorAlpha", "-type Palette -compress RLE", "-type Palette",
                           "-define bmp:format=bmp3 -type Palette -compress RLE"};
  for (const char* option : options) {
    fs::path bmp = folder / "magick.bmp";
    std::string command = "convert '" + ppm.string() + "' " + option + " '" + bmp.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(bmp, std::ios::binary);
    std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    SCOPED_TRACE(option);
    expectSameAsConvert(file, "bmp", decodeBmp);
  }
}

TEST_F(MagickReference, Gif) { expectSameAsConvert(writeGif(indexedPattern(31, 17, 50)), "gif", decodeGif); }

// The same library underneath, so the same pixels to the bit.
TEST_F(MagickReference, Jpeg) {
  expectSameAsConvert(writeJpeg(patternImage(37, 23, 1), 85), "jpg", decodeJpeg);
  std::vector<uint8_t> grey(19 * 12);
  for (size_t i = 0; i < grey.size(); ++i) grey[i] = uint8_t(i * 7);
  expectSameAsConvert(writeGreyJpeg(19, 12, grey), "jpg", decodeJpeg);
}

}  // namespace
