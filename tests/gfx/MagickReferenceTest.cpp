// BMP files written by ImageMagick itself, by default (the 124-byte header) and in the forms
// a player who makes their own pictures gets from it, decode to the picture they were made of.
#include "TestPictures.h"
#include "gfx/Decoders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

TEST(MagickReference, BmpWrittenByImageMagick) {
  if (std::system("convert -version > /dev/null 2>&1") != 0)
    FAIL() << "ImageMagick's convert is not installed (scripts/setup.sh test installs it)";
  const fs::path folder = fs::path(::testing::TempDir()) / "magick-bmp";
  fs::create_directories(folder);
  // 70 wide, which ImageMagick's RLE pads by two pixels; over 16 colours: 8 bits, not 4.
  RgbImage image = toRgb(indexedPattern(70, 9, 40, 3));
  const fs::path ppm = folder / "in.ppm", bmp = folder / "magick.bmp";
  {
    std::ofstream out(ppm, std::ios::binary);
    out << "P6\n" << image.width << " " << image.height << "\n255\n";
    out.write(reinterpret_cast<const char*>(image.rgb.data()), long(image.rgb.size()));
  }
  for (const char* option : {"", "-type TrueColorAlpha", "-type Palette -compress RLE", "-type Palette",
                             "-define bmp:format=bmp3 -type Palette -compress RLE"}) {
    SCOPED_TRACE(option);
    const std::string command = "convert '" + ppm.string() + "' " + option + " '" + bmp.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(bmp, std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    DecodedPicture picture;
    ASSERT_TRUE(decodeBmp(file.data(), file.size(), picture));
    EXPECT_EQ(picture.pixels, image.columnRuns565());
  }
  fs::remove_all(folder);
}

}  // namespace
