// RGB565 pixel arithmetic: red in bits 15-11, green in bits 10-5, blue in bits 4-0.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr uint16_t kMaskColour = 0xF81F;  // magenta: skipped by masked drawing

constexpr uint16_t rgb565(uint8_t r, uint8_t g, uint8_t b) {
  return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
}

// Each field scaled by brightness / 256.
constexpr uint16_t fadePixel(uint16_t p, int brightness) {
  int r = ((p >> 11) & 31) * brightness >> 8;
  int g = ((p >> 5) & 63) * brightness >> 8;
  int b = (p & 31) * brightness >> 8;
  return uint16_t(r << 11 | g << 5 | b);
}

// Each field moved from below towards the source by alpha / 256 (signed difference,
// arithmetic shift).
constexpr uint16_t blendPixel(uint16_t below, uint16_t source, int alpha) {
  auto field = [alpha](int b, int s) { return b + ((s - b) * alpha >> 8); };
  int r = field((below >> 11) & 31, (source >> 11) & 31);
  int g = field((below >> 5) & 63, (source >> 5) & 63);
  int b = field(below & 31, source & 31);
  return uint16_t(r << 11 | g << 5 | b);
}

// `count` pixels of `source` written faded to `target`.
void fadePixels(const uint16_t* source, uint16_t* target, size_t count, int brightness);
