// Fire: layered tongues from deep red to a white-hot core, their edges flickering by a seed.
#include "common/Dragon.h"

#include <cmath>

namespace {

// A small deterministic generator for the flicker.
struct Flicker {
  unsigned state;
  double next() {
    state = state * 1664525u + 1013904223u;
    return double((state >> 9) & 0xFFFF) / 65536.0;
  }
};

// One layer of the flame along +x: from a narrow root through its widest part near three
// quarters of its length to a tip of ragged tongues.
void flameLayer(cairo_t* cr, double length, double width, const Colour& root, const Colour& tip, unsigned seed) {
  Flicker flicker{seed};
  const int steps = 18;
  double phaseA = flicker.next() * 6.283, phaseB = flicker.next() * 6.283;
  auto halfWidth = [&](double u, double side) {
    const double body = std::sqrt(u) * (1.0 - std::pow(u, 6.0)) * 0.5 * width + 0.08 * width * (1 - u);
    const double wave = std::sin(u * 13.0 + phaseA + side) * 0.10 + std::sin(u * 29.0 + phaseB - side) * 0.06;
    return body * (1.0 + wave);
  };
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -0.06 * width);
  for (int i = 1; i <= steps; ++i) {
    const double u = double(i) / steps;
    cairo_line_to(cr, u * length * 0.9, -halfWidth(u, 0.0));
  }
  // The ragged end: three tongues licking forward.
  for (int t = 0; t < 3; ++t) {
    const double y0 = -0.25 * width + t * 0.25 * width;
    const double reach = length * (0.95 + 0.12 * flicker.next());
    cairo_line_to(cr, reach, y0 + 0.06 * width * (flicker.next() - 0.5));
    cairo_line_to(cr, length * 0.86, y0 + 0.12 * width);
  }
  for (int i = steps; i >= 1; --i) {
    const double u = double(i) / steps;
    cairo_line_to(cr, u * length * 0.9, halfWidth(u, 1.7));
  }
  cairo_line_to(cr, 0, 0.06 * width);
  cairo_close_path(cr);
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, length, 0);
  cairo_pattern_add_color_stop_rgba(gradient, 0, root.r, root.g, root.b, root.a);
  cairo_pattern_add_color_stop_rgba(gradient, 1, tip.r, tip.g, tip.b, tip.a);
  cairo_set_source(cr, gradient);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
}

}  // namespace

void paintFlame(cairo_t* cr, double x, double y, double angle, double length, double width, unsigned seed) {
  if (length <= 0.5 || width <= 0.1) return;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  // A faint glow around the fire (it falls away on keyed pictures, which is right there).
  cairo_pattern_t* glow = cairo_pattern_create_radial(length * 0.6, 0, 0, length * 0.6, 0, length * 0.7 + width);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.6, 0.2, 0.30);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.4, 0.1, 0.0);
  cairo_set_source(cr, glow);
  cairo_arc(cr, length * 0.6, 0, length * 0.7 + width, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);

  flameLayer(cr, length, width, rgb(150, 30, 10, 0.95), rgb(220, 60, 16, 0.9), seed);
  flameLayer(cr, length * 0.9, width * 0.74, rgb(236, 96, 20), rgb(246, 140, 30), seed * 7 + 3);
  flameLayer(cr, length * 0.74, width * 0.48, rgb(255, 190, 60), rgb(255, 214, 80), seed * 13 + 5);
  flameLayer(cr, length * 0.5, width * 0.24, rgb(255, 250, 220), rgb(255, 236, 150), seed * 31 + 9);

  // Sparks thrown off ahead of and around the flame.
  Flicker flicker{seed * 97 + 11};
  for (int i = 0; i < 7; ++i) {
    const double u = 0.3 + 0.8 * flicker.next();
    const double v = (flicker.next() - 0.5) * width * 1.3;
    const double r = 0.4 + 0.9 * flicker.next() * (width / 14.0 + 0.3);
    cairo_arc(cr, u * length, v, r, 0, 2 * M_PI);
    setColour(cr, i % 2 ? rgb(255, 220, 110) : rgb(255, 150, 40));
    cairo_fill(cr);
  }
  cairo_restore(cr);
}
