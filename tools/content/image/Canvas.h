// A picture being painted: a cairo ARGB surface of the picture's size, and its conversion
// to the 8-bit RGB the encoders write.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// 8-bit RGB pixels row by row from the top.
struct RgbPixels {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;

  uint8_t* at(int x, int y) { return &rgb[(size_t(y) * width + x) * 3]; }
  const uint8_t* at(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
};

// The key colour: magenta, which the game's masked drawing leaves out.
inline constexpr uint8_t kKeyRgb[3] = {255, 0, 255};

class Canvas {
public:
  Canvas(int width, int height);  // fully transparent
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // The picture as RGB. Keyed: what is less than half covered becomes the key colour,
  // the rest its own colour, unblended. Not keyed: painted over black. Either way no
  // painted pixel is left that the game would take for the key colour.
  RgbPixels rgb(bool keyed) const;

private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// True when the 8-bit colour turns into the game's key colour 0xF81F.
constexpr bool isKeyColour(uint8_t r, uint8_t g, uint8_t b) { return r >= 248 && g <= 3 && b >= 248; }
