// The picture decoders behind Bitmap, callable on a byte buffer (tests, fuzz targets).
// Each is safe on any input: it reads nothing outside the buffer, refuses absurd sizes and
// reports failure instead of ending the program.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

// Pictures wider or higher than this are refused: the handheld's screen is 320 x 240, and
// a larger size in a header is a damaged file that would make us allocate gigabytes.
inline constexpr int kMaxPictureSide = 4096;

struct DecodedPicture {
  // Set as soon as the decoder has read them, so a picture that fails later keeps them.
  int16_t width = 0;
  int16_t height = 0;
  // width * height RGB565 pixels in column runs; empty when decoding failed.
  std::vector<uint16_t> pixels;
};

inline bool isSensiblePictureSize(long width, long height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

// Index in column runs of pixel (x, y), y from the top.
inline size_t columnRunIndex(int x, int y, int height) {
  return size_t(x) * size_t(height) + size_t(height - 1 - y);
}

// One diagnostic line on standard error, flushed at once.
inline void __attribute__((format(printf, 1, 2))) reportLine(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);
  va_end(args);
  std::fflush(stderr);
}

bool decodeBmp(const uint8_t* data, size_t size, DecodedPicture& out);
bool decodeGif(const uint8_t* data, size_t size, DecodedPicture& out);
bool decodeJpeg(const uint8_t* data, size_t size, DecodedPicture& out);
