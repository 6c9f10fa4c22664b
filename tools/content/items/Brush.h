// Small painting tools of the shop, the information room and the item pictures: colour
// mixing, gradient fills of the current path and soft lights. Each fill consumes the path
// unless its name says it keeps it.
#pragma once

#include "image/Paint.h"

#include <cairo.h>

namespace brush {

using ::mix;
using ::lighter;
using ::darker;
using ::withAlpha;

// The current path filled with a linear gradient from `a` at (x0, y0) to `b` at (x1, y1)
// (the Keep forms keep the path).
using ::fillLinear;
void fillLinearKeep(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& a, const Colour& b);
// The current path filled with a radial gradient: `inner` at (cx, cy), `outer` at radius r.
using ::fillRadial;
void fillRadialKeep(cairo_t* cr, double cx, double cy, double r, const Colour& inner, const Colour& outer);
// A lit ball: the light falls from the upper left, so the highlight sits there.
void fillBall(cairo_t* cr, double cx, double cy, double r, const Colour& base);

// A soft light: `c` fading to nothing over radius r. For opaque pictures only; on a keyed
// picture the faint rim would turn into a hard disc.
void glow(cairo_t* cr, double cx, double cy, double r, const Colour& c);

// Strokes the current path (keeping it) with width w in user units, never thinner than
// `minPixels` device pixels, so outlines survive at small sizes.
void strokeKeep(cairo_t* cr, const Colour& c, double w, double minPixels = 0.0);
void stroke(cairo_t* cr, const Colour& c, double w, double minPixels = 0.0);

// Paths.
// An ellipse whose path is closed, so a stroke joins where it starts.
void closedEllipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void circle(cairo_t* cr, double cx, double cy, double r);

// A four-pointed sparkle of size r.
void sparkle(cairo_t* cr, double cx, double cy, double r, const Colour& c);

// A deterministic sequence of numbers in [0, 1) for scattering details.
struct Scatter : ::SeededDice {
  explicit Scatter(unsigned seed) : ::SeededDice(seed, 7u) {}
};

}  // namespace brush
