#include "hatchery/RoomKit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rooms {

void cutFrom(Canvas& part, cairo_surface_t* room, const ScreenRect& where) {
  cairo_t* cr = part.cr();
  cairo_identity_matrix(cr);
  cairo_set_source_surface(cr, room, -where.x, -where.y);
  cairo_paint(cr);
  cairo_translate(cr, -where.x, -where.y);
}

void paintStoneWall(cairo_t* cr, double x, double y, double w, double h, const StoneCourse& look) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  setColour(cr, look.mortar);
  cairo_paint(cr);
  Dice dice(look.seed);
  int course = 0;
  for (double top = y; top < y + h; top += look.courseHeight, ++course) {
    // Every other course starts half a block over, as a mason lays them.
    double left = x - (course % 2 ? look.blockWidth * 0.5 : look.blockWidth * dice.between(0.1, 0.3));
    while (left < x + w) {
      const double width = look.blockWidth * dice.between(0.75, 1.25);
      const double shade = dice.between(-0.18, 0.14);
      Colour face = shade < 0 ? mix(look.stone, look.mortar, -shade * 2) : mix(look.stone, rgb(255, 236, 200), shade);
      // Some stones warmer, some cooler, as quarried stone is.
      const double hue = dice.between(-1, 1);
      face = mix(face, hue < 0 ? rgb(96, 98, 118) : rgb(150, 100, 64), std::abs(hue) * 0.18);
      roundedRectangle(cr, left + 1, top + 1, width - 2, look.courseHeight - 2, 2.5);
      cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, top + look.courseHeight);
      Colour lit = mix(face, rgb(255, 230, 190), 0.12), dim = mix(face, look.mortar, 0.35);
      cairo_pattern_add_color_stop_rgba(g, 0, lit.r, lit.g, lit.b, 1);
      cairo_pattern_add_color_stop_rgba(g, 1, dim.r, dim.g, dim.b, 1);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
      left += width;
    }
  }
  speckle(cr, x, y, w, h, withAlpha(mix(look.stone, rgb(255, 255, 255), 0.3), 0.25), int(w * h / 30), look.seed + 7);
  speckle(cr, x, y, w, h, withAlpha(look.mortar, 0.4), int(w * h / 30), look.seed + 11);
  cairo_restore(cr);
}

void paintGlow(cairo_t* cr, double x, double y, double radius, const Colour& colour) {
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, radius);
  cairo_pattern_add_color_stop_rgba(g, 0, colour.r, colour.g, colour.b, colour.a);
  cairo_pattern_add_color_stop_rgba(g, 0.45, colour.r, colour.g, colour.b, colour.a * 0.4);
  cairo_pattern_add_color_stop_rgba(g, 1, colour.r, colour.g, colour.b, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void paintFlameTongue(cairo_t* cr, double x, double y, double width, double height, double sway, const Colour& base,
                 const Colour& tip) {
  const double topX = x + sway, topY = y - height;
  cairo_move_to(cr, x - width / 2, y);
  cairo_curve_to(cr, x - width * 0.7, y - height * 0.45, topX - width * 0.25, topY + height * 0.3, topX, topY);
  cairo_curve_to(cr, topX + width * 0.25, topY + height * 0.3, x + width * 0.7, y - height * 0.45, x + width / 2, y);
  cairo_arc(cr, x, y, width / 2, 0, M_PI);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y + width / 2, 0, topY);
  cairo_pattern_add_color_stop_rgba(g, 0, base.r, base.g, base.b, base.a);
  cairo_pattern_add_color_stop_rgba(g, 1, tip.r, tip.g, tip.b, tip.a * 0.6);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void paintTorchFlame(cairo_t* cr, double x, double y, double size, double phase) {
  // Whole-number harmonics of the phase, so the flame at phase 1 is the flame at phase 0.
  const double t = 2 * M_PI * phase;
  const double sway = 2.2 * std::sin(t) + 1.2 * std::sin(3 * t + 1.0);
  const double lift = 1.0 + 0.12 * std::sin(2 * t + 0.5) + 0.06 * std::sin(5 * t);
  const double baseY = y - 11 * size;
  paintGlow(cr, x, baseY - 6 * size, 16 * size * (0.95 + 0.05 * lift), rgb(255, 170, 60, 0.35));
  paintFlameTongue(cr, x, baseY, 11 * size, 20 * size * lift, sway * size, rgb(214, 60, 16), rgb(240, 110, 30));
  paintFlameTongue(cr, x - 2 * size, baseY, 6 * size, 13 * size * (2 - lift), (-1.5 + 0.8 * sway) * size,
              rgb(250, 150, 40), rgb(255, 190, 70));
  paintFlameTongue(cr, x + 0.5 * size, baseY, 7 * size, 14 * size * lift, 0.7 * sway * size, rgb(255, 196, 64),
              rgb(255, 230, 120));
  paintFlameTongue(cr, x, baseY + size, 4 * size, 8 * size * lift, 0.4 * sway * size, rgb(255, 250, 210),
              rgb(255, 240, 170));
  // Sparks fly up from the tip and fade, twice round per loop.
  for (int spark = 0; spark < 3; ++spark) {
    const double rise = std::fmod(2 * phase + spark / 3.0, 1.0);
    const double sx = x + 3.5 * size * std::sin(2 * M_PI * (rise + 0.37 * spark));
    const double sy = baseY - (15 + 12 * rise) * size;
    cairo_arc(cr, sx, sy, 0.8 * size, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1.0, 0.85, 0.45, 1.0 - rise);
    cairo_fill(cr);
  }
}

void paintTorch(cairo_t* cr, double x, double y, double size, double phase) {
  cairo_save(cr);
  // The bracket: an iron ring on a wall plate.
  setColour(cr, rgb(30, 26, 28));
  roundedRectangle(cr, x - 3 * size, y + 2 * size, 6 * size, 14 * size, 1.5 * size);
  cairo_fill(cr);
  setColour(cr, rgb(96, 90, 92));
  cairo_rectangle(cr, x - 2 * size, y + 3 * size, 1 * size, 12 * size);
  cairo_fill(cr);
  // The shaft, slightly flared to the top, in the ring.
  cairo_move_to(cr, x - 2 * size, y + 18 * size);
  cairo_line_to(cr, x - 3.5 * size, y - 8 * size);
  cairo_line_to(cr, x + 3.5 * size, y - 8 * size);
  cairo_line_to(cr, x + 2 * size, y + 18 * size);
  cairo_close_path(cr);
  cairo_pattern_t* wood = cairo_pattern_create_linear(x - 3.5 * size, 0, x + 3.5 * size, 0);
  cairo_pattern_add_color_stop_rgb(wood, 0, 0.20, 0.11, 0.05);
  cairo_pattern_add_color_stop_rgb(wood, 0.4, 0.55, 0.34, 0.16);
  cairo_pattern_add_color_stop_rgb(wood, 1, 0.16, 0.09, 0.04);
  cairo_set_source(cr, wood);
  cairo_fill(cr);
  cairo_pattern_destroy(wood);
  setColour(cr, rgb(40, 34, 36));
  cairo_rectangle(cr, x - 4 * size, y + 4 * size, 8 * size, 3 * size);
  cairo_fill(cr);
  // The pitch-soaked head.
  cairo_save(cr);
  cairo_translate(cr, x, y - 10 * size);
  cairo_scale(cr, 5 * size, 3.5 * size);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setColour(cr, rgb(44, 26, 18));
  cairo_fill(cr);
  paintTorchFlame(cr, x, y, size, phase);
  cairo_restore(cr);
}

void tripleOf(uint16_t colour565, uint8_t out[3]) {
  const unsigned r = colour565 >> 11, g = (colour565 >> 5) & 63, b = colour565 & 31;
  out[0] = uint8_t(r << 3 | r >> 2);
  out[1] = uint8_t(g << 2 | g >> 4);
  out[2] = uint8_t(b << 3 | b >> 2);
}

ZoneMap::ZoneMap() : pixels_{kScreenWidth, kScreenHeight, std::vector<uint8_t>(size_t(kScreenWidth) * kScreenHeight * 3)} {}

void ZoneMap::fill(const ScreenRect& where, uint16_t colour565) {
  uint8_t triple[3];
  tripleOf(colour565, triple);
  for (int y = std::max(0, where.y); y <= std::min(kScreenHeight - 1, where.bottom()); ++y)
    for (int x = std::max(0, where.x); x <= std::min(kScreenWidth - 1, where.right()); ++x) {
      uint8_t* p = pixels_.at(x, y);
      p[0] = triple[0], p[1] = triple[1], p[2] = triple[2];
    }
}

uint16_t ZoneMap::at(int x, int y) const {
  const uint8_t* p = pixels_.at(x, y);
  return uint16_t((p[0] >> 3) << 11 | (p[1] >> 2) << 5 | (p[2] >> 3));
}

void failContent(const std::string& what) {
  std::fprintf(stderr, "nupavane-content: %s\n", what.c_str());
  std::fflush(stderr);
  std::exit(1);
}

}  // namespace rooms
