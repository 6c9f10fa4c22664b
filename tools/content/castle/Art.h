// Small painting tools shared by the castle and the game-flow pictures: glows, stone,
// torches, lettering, a seeded random source and cutting a part out of a painted scene.
#pragma once

#include "image/Canvas.h"
#include "image/Paint.h"

#include <string>

namespace art {

// A seeded generator of our own, so every build paints the same specks and stones.
class Random {
public:
  explicit Random(unsigned seed) : state_(seed * 2654435761u + 12345u) {}
  double unit();                                            // 0 <= value < 1
  double between(double low, double high) { return low + (high - low) * unit(); }

private:
  unsigned state_;
};

using ::mix;
using ::withAlpha;

// A soft round light: `c` at the centre fading to nothing at `radius`.
void glow(cairo_t* cr, double x, double y, double radius, const Colour& c);
using ::ellipse;
using ::fillLinear;
using ::fillRadial;

// Rows of stone blocks over the rectangle, each block a little lighter or darker, with
// dark mortar joints and a light upper edge.
void stoneWall(cairo_t* cr, double x, double y, double w, double h, double rowHeight, double blockWidth,
               const Colour& base, unsigned seed);

// A wall torch: an iron bracket with a flame whose tongues move with `phase` (0..1 loops).
void torch(cairo_t* cr, double x, double y, double size, double phase);

// Text with the cairo toy API in DejaVu Serif, centred on x, with y the baseline; a dark
// outline of `outline` pixels keeps it legible on any background.
void lettering(cairo_t* cr, const std::string& text, double x, double y, double size, const Colour& ink,
               const Colour& edge, double outline, bool bold = true);

// A part of a painted canvas as RGB (opaque), for animation frames cut out of a scene.
RgbPixels cut(const Canvas& canvas, int x, int y, int w, int h);

// An eight-pointed little sparkle (stars, magic, glints).
void sparkle(cairo_t* cr, double x, double y, double size, const Colour& c);

}  // namespace art
