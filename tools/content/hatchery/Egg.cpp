#include "hatchery/Egg.h"

#include "hatchery/RoomKit.h"

#include <algorithm>
#include <cmath>

namespace rooms {

EggLook eggLookFor(int place) {
  switch (place) {
    case 0: return {rgb(196, 52, 48), rgb(86, 14, 20), rgb(246, 200, 96)};     // ember red, gold flecks
    case 1: return {rgb(70, 112, 196), rgb(20, 30, 86), rgb(222, 232, 246)};   // night blue, silver
    case 2: return {rgb(74, 150, 84), rgb(16, 56, 30), rgb(214, 160, 84)};     // moss green, bronze
    default: return {rgb(150, 92, 178), rgb(50, 22, 74), rgb(250, 210, 120)};  // amethyst, amber
  }
}

namespace {

// The egg's outline in unit coordinates: y from -1 (top) to 1 (bottom), wider below.
void eggPath(cairo_t* cr) {
  const int steps = 64;
  for (int i = 0; i <= steps; ++i) {
    const double t = 2 * M_PI * i / steps;
    const double y = std::sin(t);
    const double x = std::cos(t) * (1.0 + 0.13 * y);
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

void shadeShell(cairo_t* cr, const EggLook& look) {
  cairo_pattern_t* g = cairo_pattern_create_radial(-0.35, -0.4, 0.05, -0.1, 0.05, 1.25);
  const Colour lit = mix(look.shell, rgb(255, 244, 220), 0.35);
  cairo_pattern_add_color_stop_rgb(g, 0, lit.r, lit.g, lit.b);
  cairo_pattern_add_color_stop_rgb(g, 0.45, look.shell.r, look.shell.g, look.shell.b);
  cairo_pattern_add_color_stop_rgb(g, 1, look.shade.r, look.shade.g, look.shade.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
}

// Rows of small overlapping scales, each a lit arc over a dark one.
void scaleTexture(cairo_t* cr, const EggLook& look, double unitsPerPixel) {
  const double size = 0.21;
  cairo_set_line_width(cr, 1.1 * unitsPerPixel);
  for (int row = 0; row < 14; ++row) {
    const double y = -1.0 + row * size * 0.8;
    for (int column = -8; column <= 8; ++column) {
      const double x = column * size + (row % 2 ? size / 2 : 0);
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, y, size * 0.55, 0.15 * M_PI, 0.85 * M_PI);
    }
  }
  setColour(cr, withAlpha(look.shade, 0.3));
  cairo_stroke(cr);
  for (int row = 0; row < 14; ++row) {
    const double y = -1.0 + row * size * 0.8 - 0.03;
    for (int column = -8; column <= 8; ++column) {
      const double x = column * size + (row % 2 ? size / 2 : 0);
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, y, size * 0.5, 0.3 * M_PI, 0.6 * M_PI);
    }
  }
  setColour(cr, withAlpha(look.fleck, 0.16));
  cairo_stroke(cr);
}

void flecks(cairo_t* cr, const EggLook& look, unsigned seed) {
  Dice dice(seed);
  for (int i = 0; i < 22; ++i) {
    const double x = dice.between(-0.9, 0.9), y = dice.between(-0.9, 0.95), r = dice.between(0.025, 0.07);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  }
  setColour(cr, withAlpha(look.fleck, 0.75));
  cairo_fill(cr);
}

}  // namespace

void paintDragonEgg(cairo_t* cr, double x, double y, double halfWidth, double halfHeight, const EggLook& look,
                    double tilt) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, tilt);
  cairo_scale(cr, halfWidth, halfHeight);
  const double unitsPerPixel = 1.0 / std::max(4.0, halfWidth);
  eggPath(cr);
  shadeShell(cr, look);
  cairo_save(cr);
  cairo_clip(cr);
  scaleTexture(cr, look, unitsPerPixel);
  flecks(cr, look, unsigned(look.shell.r * 255) + 3);
  // The highlight: a soft oval glint to the upper left.
  cairo_save(cr);
  cairo_translate(cr, -0.42, -0.5);
  cairo_scale(cr, 0.22, 0.32);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_pattern_t* glint = cairo_pattern_create_radial(-0.42, -0.5, 0, -0.42, -0.5, 0.3);
  cairo_pattern_add_color_stop_rgba(glint, 0, 1, 1, 0.95, 0.75);
  cairo_pattern_add_color_stop_rgba(glint, 1, 1, 1, 0.95, 0);
  cairo_set_source(cr, glint);
  cairo_fill(cr);
  cairo_pattern_destroy(glint);
  cairo_restore(cr);
  // A thin dark rim keeps the shell apart from what lies behind.
  eggPath(cr);
  cairo_set_line_width(cr, 1.2 * unitsPerPixel);
  setColour(cr, withAlpha(look.shade, 0.9));
  cairo_stroke(cr);
  cairo_restore(cr);
}

}  // namespace rooms
