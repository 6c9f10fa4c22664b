// Small pictures made independently of the game's decoders: BMP by a writer of our own,
// GIF by GIFLIB's encoder, JPEG by libjpeg's compressor. The tests, the benchmarks and
// the fuzz corpus generator use them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

using Rgb = std::array<uint8_t, 3>;

// Row by row from the top, 3 bytes red, green, blue per pixel.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;

  Rgb at(int x, int y) const;
  // What the game makes of it: RGB565 in column runs (x * h + h - 1 - y).
  std::vector<uint16_t> columnRuns565() const;
};

// Colour indices row by row from the top, and their palette.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> indices;
  std::vector<Rgb> palette;
};

// A colourful deterministic picture: gradients and a few hard edges.
RgbImage patternImage(int width, int height, int seed = 0);
// A picture of `colours` palette entries in stripes and blocks.
IndexedImage indexedPattern(int width, int height, int colours, int seed = 0);
RgbImage toRgb(const IndexedImage& image);

uint16_t to565(const Rgb& c);
// The 8-bit colour an RGB565 value stands for (the low bits zero), so it decodes back exactly.
Rgb rgbOf(uint16_t colour);

// How a BMP is laid out beyond its pixels, in the forms other tools write: a longer info
// header (108 or 124 bytes), rows top-down (a negative height), and for 32 bits the bit
// fields that ImageMagick gives them.
struct BmpForm {
  int infoSize = 40;
  bool topDown = false;
  bool bitFields = false;
};

// BMP files with a correct file-size field; rows bottom-up, padded to 4 bytes.
std::vector<uint8_t> writeBmp24(const RgbImage& image, const BmpForm& form = {});
std::vector<uint8_t> writeBmp8(const IndexedImage& image, const BmpForm& form = {});
// 32 bits, blue, green, red and an alpha of `alpha`.
std::vector<uint8_t> writeBmp32(const RgbImage& image, const BmpForm& form = {}, uint8_t alpha = 0xFF);
// RLE8 as ImageMagick encodes it: each row in runs of equal indices, padded with index 0
// to a multiple of `rowPadding` pixels, and ended by an end of line; then end of bitmap.
std::vector<uint8_t> encodeBmpRle8(const IndexedImage& image, int rowPadding = 4, const BmpForm& form = {});
// An RLE8 file around a ready-made stream of (count, value) pairs and escapes.
std::vector<uint8_t> writeBmpRle8(int width, int height, const std::vector<Rgb>& palette,
                                  const std::vector<uint8_t>& stream);
// Little-endian field setters for making damaged files.
void put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value);
void put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);

// Where a GIF's first frame lies on its logical screen.
struct GifLayout {
  int screenWidth = 0;   // 0: the frame's size
  int screenHeight = 0;
  int left = 0;
  int top = 0;
  int background = 0;    // colour index of the screen
  bool interlace = false;
  bool globalMap = true; // false: the palette goes to a local map instead
  // When given: the global map, and the frame's palette goes to a local map.
  std::vector<Rgb> globalPalette = {};
};
std::vector<uint8_t> writeGif(const IndexedImage& frame, const GifLayout& layout = {});

std::vector<uint8_t> writeJpeg(const RgbImage& image, int quality = 90, bool progressive = false);
// One component: each pixel's grey level.
std::vector<uint8_t> writeGreyJpeg(int width, int height, const std::vector<uint8_t>& grey, int quality = 90);
// Four components, which the game cannot show.
std::vector<uint8_t> writeCmykJpeg(int width, int height);

// Pictures of one colour, for archives whose pictures need only a size and a colour to
// tell them apart. The GIF's palette also holds the transparent magenta, unused.
std::vector<uint8_t> plainGif(int width, int height, uint16_t colour);
std::vector<uint8_t> plainBmp(int width, int height, uint16_t colour);
// Every pixel decodes alike, though not necessarily to `colour` exactly.
std::vector<uint8_t> plainJpeg(int width, int height, uint16_t colour);
