// The stalls of the cellar, empty or with their dragon resting behind a closed half-gate,
// and the name tag shown over a tapped stall.
#include "cellar/CellarLayout.h"
#include "cellar/CellarScene.h"
#include "common/Dragon.h"
#include "image/Style.h"

#include <algorithm>
#include <cmath>

namespace cellar {
namespace {

double rimWidth(const ScreenRect& r) { return std::max(4.0, r.w * 0.09); }
double gateTop(const ScreenRect& r) { return r.y + r.h * 0.7; }

// The arch of dressed stone round the opening.
void paintRim(cairo_t* cr, int door) {
  const ScreenRect& r = kDoorRects[door];
  stallPath(cr, door, 0);
  fillVertical(cr, r.y, r.y + r.h, rgb(150, 134, 124), rgb(92, 80, 78));
  const double radius = r.w / 2.0, cx = r.x + radius, springY = r.y + radius, rim = rimWidth(r);
  setColour(cr, rgb(40, 32, 34, 0.9));
  cairo_set_line_width(cr, 1);
  for (int i = 0; i <= 8; ++i) {  // the joints between the voussoirs
    const double a = M_PI + M_PI * i / 8;
    cairo_move_to(cr, cx + std::cos(a) * (radius - rim), springY + std::sin(a) * (radius - rim));
    cairo_line_to(cr, cx + std::cos(a) * radius, springY + std::sin(a) * radius);
  }
  for (double y = springY + 10; y < r.y + r.h; y += 10) {  // and down the jambs
    cairo_move_to(cr, r.x, y);
    cairo_line_to(cr, r.x + rim, y);
    cairo_move_to(cr, r.x + r.w - rim, y);
    cairo_line_to(cr, r.x + r.w, y);
  }
  cairo_stroke(cr);
  speckle(cr, r.x, r.y, r.w, r.h, rgb(40, 30, 30, 0.35), r.w * r.h / 12, unsigned(door) + 101);
}

// The inside of the stall: its back wall in shadow, straw on its floor, a ring in the wall.
void paintInside(cairo_t* cr, int door, bool lit) {
  const ScreenRect& r = kDoorRects[door];
  const double cx = r.x + r.w / 2.0;
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, r.y + r.h * 0.7, 4, cx, r.y + r.h * 0.6, r.h * 0.8);
  if (lit) {
    cairo_pattern_add_color_stop_rgb(g, 0, 0.46, 0.30, 0.18);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.12, 0.08, 0.08);
  } else {
    cairo_pattern_add_color_stop_rgb(g, 0, 0.20, 0.15, 0.14);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.05, 0.04, 0.06);
  }
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  setColour(cr, rgb(0, 0, 0, 0.25));
  cairo_set_line_width(cr, 1);
  for (double y = r.y + 8; y < r.y + r.h; y += 9) {
    cairo_move_to(cr, r.x, y + 0.5);
    cairo_line_to(cr, r.x + r.w, y + 0.5);
  }
  cairo_stroke(cr);
  // The tether ring.
  setColour(cr, rgb(110, 100, 100));
  cairo_set_line_width(cr, 1.3);
  cairo_arc(cr, cx + r.w * 0.22, r.y + r.h * 0.45, 2.5, 0, 2 * M_PI);
  cairo_stroke(cr);
  // Straw heaped on the floor.
  Dice dice(unsigned(door) * 7 + 3);
  const double floorY = r.y + r.h;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < r.w; ++i) {
    const double x = r.x + dice.between(0, r.w), y = floorY - dice.between(0, 7);
    const double lean = dice.between(-1, 1), length = dice.between(3, 8);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + lean * length, y - length * 0.5);
    setColour(cr, mix(rgb(110, 80, 30), rgb(226, 194, 110), dice.next() * (lit ? 1.0 : 0.6)));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

// The dragon at rest: standing, wings folded along its back, its head above the gate.
void paintResident(cairo_t* cr, int door) {
  const ScreenRect& r = kDoorRects[door];
  const double opening = r.w - 2 * rimWidth(r);
  DragonPose pose;
  pose.scale = opening / 64.0;
  pose.facingLeft = door % 2 == 0;
  pose.x = r.x + r.w / 2.0 + (pose.facingLeft ? 1 : -1) * opening * 0.1;
  pose.y = gateTop(r) + 2;
  pose.wing = 0.0;
  pose.legsDown = true;
  pose.headTilt = 0.35;
  pose.pitch = -0.3;
  paintGlow(cr, r.x + r.w / 2.0, gateTop(r) - r.h * 0.2, r.w * 0.6, rgb(255, 170, 80, 0.25));
  paintDragon(cr, pose);
}

// The closed half-gate: upright planks held by iron bands, a rail on top.
void paintGate(cairo_t* cr, int door) {
  const ScreenRect& r = kDoorRects[door];
  const double top = gateTop(r), bottom = r.y + r.h, left = r.x, width = r.w;
  const int planks = std::max(3, int(width / 11));
  for (int i = 0; i < planks; ++i) {
    const double x = left + width * i / planks, w = width / planks;
    cairo_rectangle(cr, x + 0.5, top, w - 1, bottom - top);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
    const double tone = 0.9 + 0.1 * ((i * 37) % 5) / 4.0;
    cairo_pattern_add_color_stop_rgb(g, 0, 0.36 * tone, 0.22 * tone, 0.11 * tone);
    cairo_pattern_add_color_stop_rgb(g, 0.4, 0.48 * tone, 0.31 * tone, 0.16 * tone);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.20 * tone, 0.12 * tone, 0.06 * tone);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  speckle(cr, left, top, width, bottom - top, rgb(30, 16, 6, 0.4), int(width * 1.5), unsigned(door) + 31);
  const double gateHeight = bottom - top;
  for (double band : {top + gateHeight * 0.3, top + gateHeight * 0.72}) {
    cairo_rectangle(cr, left, band, width, 3);
    fillVertical(cr, band, band + 3, rgb(110, 106, 110), rgb(34, 30, 34));
    setColour(cr, rgb(200, 196, 190));
    for (double x = left + 4; x < left + width - 2; x += width / planks) {
      cairo_rectangle(cr, x, band + 1, 1, 1);
    }
    cairo_fill(cr);
  }
  roundedRectangle(cr, left - 1, top - 3, width + 2, 5, 2);
  fillVertical(cr, top - 3, top + 2, rgb(170, 120, 66), rgb(82, 50, 22));
  // Its shadow falls inward at the top of the straw.
  cairo_rectangle(cr, left, top + 2, width, 3);
  fillVertical(cr, top + 2, top + 5, rgb(0, 0, 0, 0.35), rgb(0, 0, 0, 0));
}

// An open stall: the gate is swung back against the jamb, only its edge and hinges show.
void paintOpenGate(cairo_t* cr, int door) {
  const ScreenRect& r = kDoorRects[door];
  const double top = gateTop(r), x = r.x + rimWidth(r);
  cairo_rectangle(cr, x, top, 4, r.y + r.h - top);
  fillVertical(cr, top, r.y + r.h, rgb(120, 80, 40), rgb(50, 30, 14));
  setColour(cr, rgb(60, 56, 60));
  for (double y : {top + 3, r.y + r.h - 7.0}) cairo_rectangle(cr, x - 2, y, 6, 3);
  cairo_fill(cr);
}

}  // namespace

void paintStall(cairo_t* cr, int door, bool dragonHome) {
  const ScreenRect& r = kDoorRects[door];
  cairo_save(cr);
  paintRim(cr, door);
  stallPath(cr, door, rimWidth(r));
  cairo_clip(cr);
  paintInside(cr, door, dragonHome);
  if (dragonHome) {
    paintResident(cr, door);
    paintGate(cr, door);
  } else {
    paintOpenGate(cr, door);
  }
  cairo_restore(cr);
  // The opening's edge in shadow, so the arch reads as deep.
  cairo_save(cr);
  stallPath(cr, door, rimWidth(r));
  cairo_set_line_width(cr, 1.5);
  setColour(cr, rgb(20, 14, 14, 0.8));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void paintTag(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  // A dark slate tag in a gilt edge, on which the yellow name reads well.
  roundedRectangle(cr, 1, 1, w - 2, h - 2, 6);
  fillVertical(cr, 0, h, rgb(58, 44, 70), rgb(24, 16, 32));
  speckle(cr, 4, 4, w - 8, h - 8, rgb(100, 86, 120, 0.35), int(w * h / 30), 71);
  roundedRectangle(cr, 1.5, 1.5, w - 3, h - 3, 6);
  setColour(cr, style::kGold);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // At the right end a little gilt dragon's eye: tapping the tag looks at the dragon.
  const double ex = w - 8, ey = h / 2;
  cairo_move_to(cr, ex - 5.5, ey);
  cairo_curve_to(cr, ex - 2.5, ey - 6, ex + 2.5, ey - 6, ex + 5.5, ey);
  cairo_curve_to(cr, ex + 2.5, ey + 6, ex - 2.5, ey + 6, ex - 5.5, ey);
  cairo_close_path(cr);
  fillVertical(cr, ey - 5, ey + 5, rgb(255, 220, 110), rgb(200, 120, 30));
  cairo_save(cr);
  cairo_translate(cr, ex, ey);
  cairo_scale(cr, 1.1, 3.6);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setColour(cr, rgb(20, 10, 10));
  cairo_fill(cr);
  setColour(cr, rgb(150, 110, 50, 0.6));
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, w - 15.5, 6);
  cairo_line_to(cr, w - 15.5, h - 6);
  cairo_stroke(cr);
}

}  // namespace cellar
