// Small painting helpers of the mage's and the dragon statistics' pictures: glows, ellipses,
// colour mixing, a seeded dice and a stone wall, on top of image/Paint.h.
#pragma once

#include "image/Canvas.h"
#include "image/Paint.h"

#include <cstdint>
#include <string>

namespace paintkit {

// The shared seeded generator, with this family's salt.
struct Dice : ::SeededDice {
  explicit Dice(unsigned seed) : ::SeededDice(seed, 977u) {}
};

using ::mix;
using ::withAlpha;
using ::lighter;
using ::darker;

using ::ellipse;

using ::fillLinear;
using ::fillRadial;

// A soft round glow added over what is there: `colour` at the centre fading out at `radius`.
void glow(cairo_t* cr, double cx, double cy, double radius, const Colour& colour);

// A four-pointed twinkle of light of the given size.
void twinkle(cairo_t* cr, double cx, double cy, double size, const Colour& colour);

// Dressed stone in courses, each block a shade of its own, with dark joints and speckle.
void stoneWall(cairo_t* cr, double x, double y, double w, double h, double course, double block,
               const Colour& stone, const Colour& joint, unsigned seed);

// A candle standing with its foot at (x, y): wax, wick and a small flame.
void candle(cairo_t* cr, double x, double y, double height, const Colour& wax);

// Stops the generator with a message: a picture did not come out as the game needs it.
[[noreturn]] void fail(const std::string& what);

}  // namespace paintkit
