// The picture fuzzers' seeds, of one format (PICTURE_FORMAT: "bmp", "gif" or "jpeg"): the
// tests' own pictures of each layout the decoder takes, and one BMP depth it refuses.
#include "FuzzData.h"
#include "TestPictures.h"

#include <utility>
#include <vector>

namespace {

using Seeds = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

Seeds bmpSeeds() {
  std::vector<Rgb> palette{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  std::vector<uint8_t> unsupported = writeBmp24(patternImage(3, 2));
  put16(unsupported, 28, 16);
  return {{"rgb.bmp", writeBmp24(patternImage(7, 5))},
          {"indexed.bmp", writeBmp8(indexedPattern(5, 3, 7))},
          {"rle.bmp", writeBmpRle8(4, 3, palette, {3, 0, 0, 0, 0, 3, 1, 2, 1, 0, 0, 2, 5, 7, 4, 2, 0, 1})},
          {"depth16.bmp", unsupported}};
}

Seeds gifSeeds() {
  GifLayout interlaced;
  interlaced.interlace = true;
  GifLayout inset;
  inset.screenWidth = 10;
  inset.screenHeight = 8;
  inset.left = 3;
  inset.top = 2;
  inset.background = 1;
  GifLayout localOnly;
  localOnly.globalMap = false;
  return {{"plain.gif", writeGif(indexedPattern(9, 7, 5))},
          {"interlaced.gif", writeGif(indexedPattern(7, 12, 16), interlaced)},
          {"inset.gif", writeGif(indexedPattern(4, 3, 4), inset)},
          {"local.gif", writeGif(indexedPattern(3, 3, 2), localOnly)}};
}

Seeds jpegSeeds() {
  std::vector<uint8_t> grey(8 * 8);
  for (size_t i = 0; i < grey.size(); ++i) grey[i] = uint8_t(i * 4);
  return {{"colour.jpg", writeJpeg(patternImage(16, 16), 75)},
          {"odd.jpg", writeJpeg(patternImage(13, 9), 90)},
          {"progressive.jpg", writeJpeg(patternImage(16, 8), 80, true)},
          {"grey.jpg", writeGreyJpeg(8, 8, grey)}};
}

}  // namespace

bool writeSeeds(const std::string& folder) {
  const std::string format = PICTURE_FORMAT;
  bool written = true;
  for (const auto& [name, bytes] : format == "bmp" ? bmpSeeds() : format == "gif" ? gifSeeds() : jpegSeeds())
    written = writeSeed(folder, name, bytes) && written;
  return written;
}
