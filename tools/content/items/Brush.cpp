#include "items/Brush.h"

#include <algorithm>
#include <cmath>

namespace brush {

namespace {

void addStop(cairo_pattern_t* p, double at, const Colour& c) { cairo_pattern_add_color_stop_rgba(p, at, c.r, c.g, c.b, c.a); }

void fillWith(cairo_t* cr, cairo_pattern_t* pattern, bool keep) {
  cairo_set_source(cr, pattern);
  if (keep)
    cairo_fill_preserve(cr);
  else
    cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

cairo_pattern_t* linear(double x0, double y0, double x1, double y1, const Colour& a, const Colour& b) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  addStop(p, 0, a);
  addStop(p, 1, b);
  return p;
}

cairo_pattern_t* radial(double cx, double cy, double r, const Colour& inner, const Colour& outer) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  addStop(p, 0, inner);
  addStop(p, 1, outer);
  return p;
}

}  // namespace

void fillLinearKeep(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& a, const Colour& b) {
  fillWith(cr, linear(x0, y0, x1, y1, a, b), true);
}

void fillRadialKeep(cairo_t* cr, double cx, double cy, double r, const Colour& inner, const Colour& outer) {
  fillWith(cr, radial(cx, cy, r, inner, outer), true);
}

void fillBall(cairo_t* cr, double cx, double cy, double r, const Colour& base) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r * 1.05);
  addStop(p, 0, lighter(base, 0.55));
  addStop(p, 0.45, base);
  addStop(p, 1, darker(base, 0.55));
  fillWith(cr, p, false);
}

void glow(cairo_t* cr, double cx, double cy, double r, const Colour& c) {
  circle(cr, cx, cy, r);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  addStop(p, 0, c);
  addStop(p, 0.4, withAlpha(c, c.a * 0.45));
  addStop(p, 1, withAlpha(c, 0));
  fillWith(cr, p, false);
}

void strokeKeep(cairo_t* cr, const Colour& c, double w, double minPixels) {
  if (minPixels > 0) {
    double dx = minPixels, dy = 0;
    cairo_device_to_user_distance(cr, &dx, &dy);
    w = std::max(w, std::hypot(dx, dy));
  }
  setColour(cr, c);
  cairo_set_line_width(cr, w);
  cairo_stroke_preserve(cr);
}

void stroke(cairo_t* cr, const Colour& c, double w, double minPixels) {
  strokeKeep(cr, c, w, minPixels);
  cairo_new_path(cr);
}


void circle(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_close_path(cr);
}

void sparkle(cairo_t* cr, double cx, double cy, double r, const Colour& c) {
  cairo_move_to(cr, cx, cy - r);
  cairo_curve_to(cr, cx + r * 0.12, cy - r * 0.12, cx + r * 0.12, cy - r * 0.12, cx + r, cy);
  cairo_curve_to(cr, cx + r * 0.12, cy + r * 0.12, cx + r * 0.12, cy + r * 0.12, cx, cy + r);
  cairo_curve_to(cr, cx - r * 0.12, cy + r * 0.12, cx - r * 0.12, cy + r * 0.12, cx - r, cy);
  cairo_curve_to(cr, cx - r * 0.12, cy - r * 0.12, cx - r * 0.12, cy - r * 0.12, cx, cy - r);
  cairo_close_path(cr);
  setColour(cr, c);
  cairo_fill(cr);
}

void closedEllipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_restore(cr);
}

}  // namespace brush
