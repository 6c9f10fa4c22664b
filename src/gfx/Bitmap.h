// The game's one picture type: RGB565 pixels in column runs, the framebuffer's own layout.
// Pixel (x, y) of a w x h picture lies at x * h + (h - 1 - y): each column is one run from
// the bottom row up to the top row, so drawing copies whole columns.
#pragma once

#include "core/String.h"

#include <cstdint>
#include <vector>

// The settings file's colour factor. Kept so that the settings keep their field; the
// pictures are not colour-corrected by it.
extern double colourFactor;

class Bitmap {
public:
  // Loads a picture from "gfx.arc" (fromArchive) or from a file in the archives' folder, decoded
  // by its extension: "bmp", "gif" or "jpg", lower case. Never fails hard: a missing picture
  // becomes a 50 x 50 grey placeholder named "FROM_MEM", a picture that cannot be decoded a
  // bitmap without pixels; either way a line on standard error says why.
  Bitmap(const String& name, bool fromArchive);
  // An off-screen buffer named "FROM_MEM", every pixel 0x5555.
  Bitmap(int width, int height);
  // Copies hold their own pixels.
  Bitmap(const Bitmap& other) = default;
  Bitmap& operator=(const Bitmap& other) = default;
  ~Bitmap() = default;

  const String& getName() const { return name_; }
  // True when the picture of that name was found and decoded: neither the placeholder of a
  // missing one nor a bitmap without pixels.
  bool isLoaded(const String& name) const { return getPixels() && width_ > 0 && height_ > 0 && name_.equals(name); }
  int getWidth() const { return width_; }
  int getHeight() const { return height_; }
  // The pixel array in column runs, or null when the bitmap has no pixels.
  uint16_t* getPixels() { return pixels_.empty() ? nullptr : pixels_.data(); }
  const uint16_t* getPixels() const { return pixels_.empty() ? nullptr : pixels_.data(); }
  // The pixel at (x, y); 0 without pixels or outside the picture.
  uint16_t getPixel(int x, int y) const;

  // Drawing, into the 320 x 240 framebuffer (column stride 240) or into another bitmap.
  // Positions name the picture's top-left pixel. A source pixel equal to a non-zero mask is
  // not drawn (0 means no mask). Whatever lies outside the target is not drawn; a bitmap
  // without pixels draws nothing.

  // The whole picture at (x, y). `save`, a bitmap of the picture's size, first receives the
  // target pixels the picture covers (all of them, also those the mask leaves), so drawing
  // it back unmasked at the same place restores the target.
  void draw(int x, int y, uint16_t* framebuffer, uint16_t mask = 0, Bitmap* save = nullptr) const;
  void drawTo(int x, int y, Bitmap& target, uint16_t mask = 0, Bitmap* save = nullptr) const;
  // The part of width x height (-1: the picture's full width or height) whose top-left is
  // (sx, sy) in the picture, drawn at (x, y).
  void drawPart(int sx, int sy, int width, int height, uint16_t* framebuffer, int x, int y,
                uint16_t mask = 0) const;
  // The same part blended with the picture below: alpha 0 leaves it, 255 almost replaces it.
  void drawPartBlended(int sx, int sy, int width, int height, uint16_t* framebuffer, int x, int y,
                       int alpha) const;
  void drawBlended(int x, int y, uint16_t* framebuffer, int alpha, uint16_t mask = 0) const;
  // Every channel scaled by brightness / 256.
  void drawFaded(int x, int y, uint16_t* framebuffer, int brightness) const;

private:
  void load(const String& name, bool fromArchive);
  void makePlaceholder();

  String name_;
  std::vector<uint16_t> pixels_;  // empty: no pixels
  int16_t width_ = 0;
  int16_t height_ = 0;
};
