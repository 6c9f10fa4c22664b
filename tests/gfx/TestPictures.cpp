#include "TestPictures.h"

#include <algorithm>
#include <cstdio>  // before jpeglib.h
#include <cstdlib>
#include <cstring>
#include <gif_lib.h>
#include <jpeglib.h>

Rgb RgbImage::at(int x, int y) const {
  const uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
  return {p[0], p[1], p[2]};
}

uint16_t to565(const Rgb& c) { return uint16_t((c[0] >> 3) << 11 | (c[1] >> 2) << 5 | (c[2] >> 3)); }

std::vector<uint16_t> RgbImage::columnRuns565() const {
  std::vector<uint16_t> out(size_t(width) * height);
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y) out[size_t(x) * height + (height - 1 - y)] = to565(at(x, y));
  return out;
}

RgbImage patternImage(int width, int height, int seed) {
  RgbImage image{width, height, std::vector<uint8_t>(size_t(width) * height * 3)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = &image.rgb[(size_t(y) * width + x) * 3];
      p[0] = uint8_t(x * 255 / std::max(1, width - 1));
      p[1] = uint8_t(y * 255 / std::max(1, height - 1));
      p[2] = uint8_t(((x / 4 + y / 4 + seed) & 1) ? 220 : 30);
    }
  return image;
}

IndexedImage indexedPattern(int width, int height, int colours, int seed) {
  IndexedImage image{width, height, std::vector<uint8_t>(size_t(width) * height), {}};
  for (int i = 0; i < colours; ++i)
    image.palette.push_back({uint8_t(i * 37 + seed), uint8_t(255 - i * 53), uint8_t(i * 91 + 17)});
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.indices[size_t(y) * width + x] = uint8_t((x / 3 + y * 2 + seed) % colours);
  return image;
}

RgbImage toRgb(const IndexedImage& image) {
  RgbImage out{image.width, image.height, {}};
  for (uint8_t index : image.indices) out.rgb.insert(out.rgb.end(), image.palette[index].begin(), image.palette[index].end());
  return out;
}

// ---- BMP ----

void put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = uint8_t(value);
  bytes[at + 1] = uint8_t(value >> 8);
}

void put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(value >> (8 * i));
}

namespace {

std::vector<uint8_t> bmpHeaders(int width, int height, int bits, int compression, const std::vector<Rgb>& palette,
                                const BmpForm& form = {}) {
  size_t paletteStart = 14 + size_t(form.infoSize) + (form.bitFields && form.infoSize == 40 ? 12 : 0);
  std::vector<uint8_t> bytes(paletteStart + 4 * palette.size(), 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(bytes, 10, uint32_t(bytes.size()));
  put32(bytes, 14, uint32_t(form.infoSize));
  put32(bytes, 18, uint32_t(width));
  put32(bytes, 22, uint32_t(form.topDown ? -height : height));
  put16(bytes, 26, 1);
  put16(bytes, 28, uint16_t(bits));
  put32(bytes, 30, uint32_t(form.bitFields ? 3 : compression));
  put32(bytes, 46, uint32_t(palette.size()));
  if (form.bitFields) {  // red, green, blue masks right after the 40-byte part; alpha in the longer headers
    put32(bytes, 54, 0x00FF0000u);
    put32(bytes, 58, 0x0000FF00u);
    put32(bytes, 62, 0x000000FFu);
    if (form.infoSize > 40) put32(bytes, 66, 0xFF000000u);
  }
  for (size_t i = 0; i < palette.size(); ++i) {
    bytes[paletteStart + 4 * i] = palette[i][2];
    bytes[paletteStart + 4 * i + 1] = palette[i][1];
    bytes[paletteStart + 4 * i + 2] = palette[i][0];
  }
  return bytes;
}

std::vector<uint8_t> finishBmp(std::vector<uint8_t> bytes) {
  put32(bytes, 2, uint32_t(bytes.size()));
  return bytes;
}

void padRow(std::vector<uint8_t>& bytes, size_t rowStart) {
  while ((bytes.size() - rowStart) % 4) bytes.push_back(0);
}

// The rows in the order the file stores them.
std::vector<int> fileRows(int height, const BmpForm& form) {
  std::vector<int> rows;
  for (int i = 0; i < height; ++i) rows.push_back(form.topDown ? i : height - 1 - i);
  return rows;
}

std::vector<uint8_t> writeTrueColour(const RgbImage& image, const BmpForm& form, int bytesPerPixel, uint8_t alpha) {
  std::vector<uint8_t> bytes = bmpHeaders(image.width, image.height, 8 * bytesPerPixel, 0, {}, form);
  for (int y : fileRows(image.height, form)) {
    size_t start = bytes.size();
    for (int x = 0; x < image.width; ++x) {
      Rgb c = image.at(x, y);
      bytes.insert(bytes.end(), {c[2], c[1], c[0]});
      if (bytesPerPixel == 4) bytes.push_back(alpha);
    }
    padRow(bytes, start);
  }
  return finishBmp(std::move(bytes));
}

}  // namespace

std::vector<uint8_t> writeBmp24(const RgbImage& image, const BmpForm& form) {
  return writeTrueColour(image, form, 3, 0);
}

std::vector<uint8_t> writeBmp32(const RgbImage& image, const BmpForm& form, uint8_t alpha) {
  return writeTrueColour(image, form, 4, alpha);
}

std::vector<uint8_t> writeBmp8(const IndexedImage& image, const BmpForm& form) {
  std::vector<uint8_t> bytes = bmpHeaders(image.width, image.height, 8, 0, image.palette, form);
  for (int y : fileRows(image.height, form)) {
    size_t start = bytes.size();
    const uint8_t* row = &image.indices[size_t(y) * image.width];
    bytes.insert(bytes.end(), row, row + image.width);
    padRow(bytes, start);
  }
  return finishBmp(std::move(bytes));
}

std::vector<uint8_t> writeBmpRle8(int width, int height, const std::vector<Rgb>& palette,
                                  const std::vector<uint8_t>& stream) {
  std::vector<uint8_t> bytes = bmpHeaders(width, height, 8, 1, palette);
  bytes.insert(bytes.end(), stream.begin(), stream.end());
  return finishBmp(std::move(bytes));
}

std::vector<uint8_t> encodeBmpRle8(const IndexedImage& image, int rowPadding, const BmpForm& form) {
  std::vector<uint8_t> stream;
  int padded = (image.width + rowPadding - 1) / rowPadding * rowPadding;
  for (int y : fileRows(image.height, form)) {
    std::vector<uint8_t> row(&image.indices[size_t(y) * image.width], &image.indices[size_t(y + 1) * image.width]);
    row.resize(size_t(padded), 0);
    for (size_t x = 0; x < row.size();) {
      size_t run = 1;
      while (x + run < row.size() && run < 255 && row[x + run] == row[x]) ++run;
      stream.insert(stream.end(), {uint8_t(run), row[x]});
      x += run;
    }
    stream.insert(stream.end(), {0, 0});
  }
  stream.insert(stream.end(), {0, 1});
  std::vector<uint8_t> bytes = bmpHeaders(image.width, image.height, 8, 1, image.palette, form);
  bytes.insert(bytes.end(), stream.begin(), stream.end());
  return finishBmp(std::move(bytes));
}

// ---- GIF ----

namespace {

int appendToVector(GifFileType* gif, const GifByteType* data, int count) {
  auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + count);
  return count;
}

ColorMapObject* makeMap(std::vector<Rgb> palette) {
  int n = 2;
  while (n < int(palette.size())) n <<= 1;  // the library wants a power of two
  palette.resize(size_t(n), Rgb{0, 0, 0});
  std::vector<GifColorType> colours;
  for (const Rgb& c : palette) colours.push_back({c[0], c[1], c[2]});
  return GifMakeMapObject(n, colours.data());
}

}  // namespace

std::vector<uint8_t> writeGif(const IndexedImage& frame, const GifLayout& layout) {
  std::vector<uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, appendToVector, &error);
  if (!gif) return {};
  // The frame's palette is global, unless another global one is given or none is wanted:
  // then it becomes the frame's local map.
  ColorMapObject* frameMap = makeMap(frame.palette);
  ColorMapObject* globalMap = nullptr;
  if (!layout.globalPalette.empty()) globalMap = makeMap(layout.globalPalette);
  else if (layout.globalMap) globalMap = frameMap;
  ColorMapObject* localMap = globalMap == frameMap ? nullptr : frameMap;
  int screenWidth = layout.screenWidth ? layout.screenWidth : frame.width;
  int screenHeight = layout.screenHeight ? layout.screenHeight : frame.height;
  bool ok = frameMap && EGifPutScreenDesc(gif, screenWidth, screenHeight, frameMap->BitsPerPixel,
                                          layout.background, globalMap) == GIF_OK;
  ok = ok && EGifPutImageDesc(gif, layout.left, layout.top, frame.width, frame.height, layout.interlace,
                              localMap) == GIF_OK;
  // Interlaced frames are written in their four passes of rows.
  std::vector<int> order;
  if (layout.interlace) {
    const int first[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
      for (int row = first[pass]; row < frame.height; row += step[pass]) order.push_back(row);
  } else {
    for (int row = 0; row < frame.height; ++row) order.push_back(row);
  }
  for (int row : order)
    ok = ok && EGifPutLine(gif, const_cast<GifPixelType*>(&frame.indices[size_t(row) * frame.width]), frame.width) == GIF_OK;
  if (globalMap != frameMap) GifFreeMapObject(globalMap);
  GifFreeMapObject(frameMap);
  ok = EGifCloseFile(gif, &error) == GIF_OK && ok;  // writes the trailer, frees gif
  return ok ? out : std::vector<uint8_t>{};
}

// ---- JPEG ----

namespace {

std::vector<uint8_t> compress(int width, int height, int components, J_COLOR_SPACE space, const uint8_t* samples,
                              int quality, bool progressive = false) {
  jpeg_compress_struct c;
  jpeg_error_mgr errors;
  c.err = jpeg_std_error(&errors);
  jpeg_create_compress(&c);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buffer, &size);
  c.image_width = JDIMENSION(width);
  c.image_height = JDIMENSION(height);
  c.input_components = components;
  c.in_color_space = space;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, quality, TRUE);
  if (progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  while (c.next_scanline < c.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(samples + size_t(c.next_scanline) * width * components);
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  std::vector<uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&c);
  std::free(buffer);
  return out;
}

}  // namespace

std::vector<uint8_t> writeJpeg(const RgbImage& image, int quality, bool progressive) {
  return compress(image.width, image.height, 3, JCS_RGB, image.rgb.data(), quality, progressive);
}

std::vector<uint8_t> writeGreyJpeg(int width, int height, const std::vector<uint8_t>& grey, int quality) {
  return compress(width, height, 1, JCS_GRAYSCALE, grey.data(), quality);
}

std::vector<uint8_t> writeCmykJpeg(int width, int height) {
  std::vector<uint8_t> samples(size_t(width) * height * 4, 128);
  return compress(width, height, 4, JCS_CMYK, samples.data(), 90);
}

Rgb rgbOf(uint16_t p) { return {uint8_t((p >> 11) << 3), uint8_t(((p >> 5) & 63) << 2), uint8_t((p & 31) << 3)}; }

namespace {
RgbImage plainRgb(int width, int height, uint16_t colour) {
  RgbImage image;
  image.width = width;
  image.height = height;
  const Rgb rgb = rgbOf(colour);
  for (int i = 0; i < width * height; ++i) image.rgb.insert(image.rgb.end(), rgb.begin(), rgb.end());
  return image;
}
}  // namespace

std::vector<uint8_t> plainGif(int width, int height, uint16_t colour) {
  IndexedImage image;
  image.width = width;
  image.height = height;
  image.palette = {rgbOf(colour), Rgb{255, 0, 255}};
  image.indices.assign(size_t(width) * size_t(height), 0);
  return writeGif(image);
}

std::vector<uint8_t> plainBmp(int width, int height, uint16_t colour) {
  return writeBmp24(plainRgb(width, height, colour));
}

std::vector<uint8_t> plainJpeg(int width, int height, uint16_t colour) {
  return writeJpeg(plainRgb(width, height, colour));
}
