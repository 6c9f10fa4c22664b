#include "mage/PaintKit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace paintkit {


void glow(cairo_t* cr, double cx, double cy, double radius, const Colour& colour) {
  cairo_pattern_t* gradient = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgba(gradient, 0, colour.r, colour.g, colour.b, colour.a);
  cairo_pattern_add_color_stop_rgba(gradient, 0.4, colour.r, colour.g, colour.b, colour.a * 0.45);
  cairo_pattern_add_color_stop_rgba(gradient, 1, colour.r, colour.g, colour.b, 0);
  cairo_set_source(cr, gradient);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
}

void twinkle(cairo_t* cr, double cx, double cy, double size, const Colour& colour) {
  setColour(cr, colour);
  const double thin = size * 0.18;
  cairo_move_to(cr, cx, cy - size);
  cairo_curve_to(cr, cx + thin, cy - thin, cx + thin, cy - thin, cx + size, cy);
  cairo_curve_to(cr, cx + thin, cy + thin, cx + thin, cy + thin, cx, cy + size);
  cairo_curve_to(cr, cx - thin, cy + thin, cx - thin, cy + thin, cx - size, cy);
  cairo_curve_to(cr, cx - thin, cy - thin, cx - thin, cy - thin, cx, cy - size);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void stoneWall(cairo_t* cr, double x, double y, double w, double h, double course, double block,
               const Colour& stone, const Colour& joint, unsigned seed) {
  Dice dice(seed);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_rectangle(cr, x, y, w, h);
  setColour(cr, joint);
  cairo_fill(cr);
  int row = 0;
  for (double top = y; top < y + h; top += course, ++row) {
    double left = x - (row % 2 ? block * 0.5 : block * 0.1) - dice.next() * 4;
    while (left < x + w) {
      const double width = block * dice.between(0.75, 1.2);
      const Colour shade = mix(stone, dice.next() < 0.5 ? darker(stone, 0.3) : lighter(stone, 0.12), dice.next());
      roundedRectangle(cr, left + 1, top + 1, width - 2, course - 2, 2.5);
      fillLinear(cr, 0, top, 0, top + course, lighter(shade, 0.1), darker(shade, 0.25));
      left += width;
    }
  }
  speckle(cr, x, y, w, h, withAlpha(darker(stone, 0.6), 0.35), int(w * h / 30), seed + 7);
  speckle(cr, x, y, w, h, withAlpha(lighter(stone, 0.3), 0.25), int(w * h / 60), seed + 11);
  cairo_restore(cr);
}

void candle(cairo_t* cr, double x, double y, double height, const Colour& wax) {
  const double w = std::max(3.0, height * 0.32);
  glow(cr, x, y - height - 3, height * 1.6 + 6, rgb(255, 190, 90, 0.35));
  cairo_rectangle(cr, x - w / 2, y - height, w, height);
  fillLinear(cr, x - w / 2, 0, x + w / 2, 0, lighter(wax, 0.3), darker(wax, 0.35));
  setColour(cr, lighter(wax, 0.4));
  ellipse(cr, x, y - height, w / 2, 1);
  cairo_fill(cr);
  setColour(cr, rgb(40, 24, 10));
  cairo_rectangle(cr, x - 0.5, y - height - 2, 1, 2);
  cairo_fill(cr);
  const double f = std::max(3.0, height * 0.45);
  cairo_move_to(cr, x, y - height - 2 - f);
  cairo_curve_to(cr, x + f * 0.45, y - height - 2 - f * 0.4, x + f * 0.35, y - height - 1, x, y - height - 1);
  cairo_curve_to(cr, x - f * 0.35, y - height - 1, x - f * 0.45, y - height - 2 - f * 0.4, x, y - height - 2 - f);
  fillLinear(cr, 0, y - height - 2 - f, 0, y - height - 1, rgb(255, 250, 210), rgb(255, 150, 40));
}

void fail(const std::string& what) {
  std::fprintf(stderr, "nupavane-content: %s\n", what.c_str());
  std::fflush(stderr);
  std::exit(1);
}

}  // namespace paintkit
