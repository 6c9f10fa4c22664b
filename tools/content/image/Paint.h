// Painting helpers shared by the picture families: the storybook look in small pieces.
#pragma once

#include <cairo.h>

#include <cstdint>

struct Colour {
  double r, g, b, a = 1.0;
};

// 8-bit components.
constexpr Colour rgb(int r, int g, int b, double a = 1.0) { return {r / 255.0, g / 255.0, b / 255.0, a}; }

// Colours mixed component by component: t = 0 gives a, t = 1 gives b.
Colour mix(const Colour& a, const Colour& b, double t);
Colour withAlpha(const Colour& c, double alpha);
inline Colour lighter(const Colour& c, double t) { return mix(c, {1, 1, 1, c.a}, t); }  // towards white
inline Colour darker(const Colour& c, double t) { return mix(c, {0, 0, 0, c.a}, t); }   // towards black

void setColour(cairo_t* cr, const Colour& c);
void roundedRectangle(cairo_t* cr, double x, double y, double w, double h, double radius);
// Fills the current path with a linear gradient from `from` at (x0, y0) to `to` at (x1, y1).
void fillLinear(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& from, const Colour& to);
// Fills the current path with a radial gradient around (x, y): `inner` at the centre,
// `outer` at `radius`.
void fillRadial(cairo_t* cr, double x, double y, double radius, const Colour& inner, const Colour& outer);
// Adds an ellipse around (x, y) to the path.
void ellipse(cairo_t* cr, double x, double y, double rx, double ry);

// Fills the current path with a vertical gradient from `top` to `bottom` over y0..y1.
void fillVertical(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom);
// A few hundred faint specks of `c` over the rectangle: painted texture, always the same
// for the same seed.
void speckle(cairo_t* cr, double x, double y, double w, double h, const Colour& c, int count, unsigned seed);

// A seeded sequence of numbers in [0, 1) for scattering details: the same picture on every
// build. Each family gives its own salt, so equal seeds in two families differ.
class SeededDice {
public:
  SeededDice(unsigned seed, unsigned salt) : state_(seed * 2654435761u + salt) {}
  double next() {
    state_ = state_ * 1664525u + 1013904223u;
    return double(state_ >> 8) / 16777216.0;
  }
  double between(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
  uint32_t state_;
};
