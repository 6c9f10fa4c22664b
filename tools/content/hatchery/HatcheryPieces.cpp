// The hatchery's moving and changing parts: the nest with or without its egg, the drip and
// its steaming dish, and the lever.
#include "hatchery/Egg.h"
#include "hatchery/HatcheryLayout.h"
#include "hatchery/HatcheryScene.h"

#include <algorithm>
#include <cmath>

namespace hatchery {
namespace {

constexpr double kBowlHalfWidth = 54, kRimHalfHeight = 11;

// Straw stalks from points along one half of the rim ellipse: the back half (behind the
// egg) or the front half (over its foot).
void paintStraw(cairo_t* cr, bool front, unsigned seed) {
  Dice dice(seed);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 70; ++i) {
    const double a = front ? dice.between(0.05, 0.95) * M_PI : dice.between(1.0, 2.0) * M_PI;
    const double x = kNestX + std::cos(a) * kBowlHalfWidth * dice.between(0.55, 1.0);
    const double y = kNestRimY + std::sin(a) * kRimHalfHeight * 0.8;
    const double length = dice.between(5, 12), lean = dice.between(-0.9, 0.9);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + std::sin(lean) * length, y - std::cos(lean) * length * (front ? 0.6 : 1.0));
    const double light = dice.between(0, 1);
    setColour(cr, mix(rgb(150, 104, 40), rgb(246, 214, 120), light));
    cairo_set_line_width(cr, dice.between(0.8, 1.6));
    cairo_stroke(cr);
  }
}

// Heat rising round the egg: thin wavering streaks of warm light.
void paintShimmer(cairo_t* cr, unsigned seed) {
  Dice dice(seed);
  cairo_set_line_width(cr, 1.4);
  for (int i = 0; i < 7; ++i) {
    const double x0 = kNestX + (i < 3 ? -1 : 1) * dice.between(30, 50);
    const double y0 = kNestRimY - 6, top = dice.between(40, 70), phase = dice.between(0, 2 * M_PI);
    cairo_move_to(cr, x0, y0);
    for (double y = y0; y > top; y -= 3) {
      const double t = (y0 - y) / (y0 - top);
      cairo_line_to(cr, x0 + std::sin(phase + (y0 - y) * 0.25) * (1 + 2 * t), y);
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, top);
    cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.75, 0.4, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.85, 0.6, 0.0);
    cairo_set_source(cr, g);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
  }
}

}  // namespace

void paintNestBack(cairo_t* cr) {
  // The copper bowl's body, then its dark inside and the straw behind the egg.
  cairo_move_to(cr, kNestX - kBowlHalfWidth, kNestRimY);
  cairo_curve_to(cr, kNestX - kBowlHalfWidth + 4, kNestRimY + 26, kNestX + kBowlHalfWidth - 4, kNestRimY + 26,
                 kNestX + kBowlHalfWidth, kNestRimY);
  cairo_close_path(cr);
  cairo_pattern_t* copper = cairo_pattern_create_linear(kNestX - kBowlHalfWidth, 0, kNestX + kBowlHalfWidth, 0);
  cairo_pattern_add_color_stop_rgb(copper, 0, 0.36, 0.15, 0.07);
  cairo_pattern_add_color_stop_rgb(copper, 0.3, 0.95, 0.60, 0.36);
  cairo_pattern_add_color_stop_rgb(copper, 0.55, 0.72, 0.38, 0.20);
  cairo_pattern_add_color_stop_rgb(copper, 1, 0.30, 0.12, 0.06);
  cairo_set_source(cr, copper);
  cairo_fill(cr);
  cairo_pattern_destroy(copper);
  // Hammer marks on the copper, lit from below by the coals.
  speckle(cr, kNestX - 48, kNestRimY + 3, 96, 16, rgb(255, 210, 150, 0.35), 160, 17);
  cairo_rectangle(cr, kNestX - kBowlHalfWidth, kNestRimY + 8, 2 * kBowlHalfWidth, 14);
  cairo_save(cr);
  cairo_clip(cr);
  paintGlow(cr, kNestX, kNestRimY + 30, 50, rgb(255, 120, 40, 0.4));
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, kNestX, kNestRimY);
  cairo_scale(cr, kBowlHalfWidth - 2, kRimHalfHeight);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_pattern_t* bed = cairo_pattern_create_linear(0, kNestRimY - kRimHalfHeight, 0, kNestRimY + kRimHalfHeight);
  cairo_pattern_add_color_stop_rgb(bed, 0, 0.36, 0.24, 0.10);
  cairo_pattern_add_color_stop_rgb(bed, 1, 0.72, 0.54, 0.24);
  cairo_set_source(cr, bed);
  cairo_fill(cr);
  // Loose straw over the bed.
  Dice dice(8);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 90; ++i) {
    const double a = dice.between(0, 2 * M_PI), d = std::sqrt(dice.next());
    const double x = kNestX + std::cos(a) * d * (kBowlHalfWidth - 6), y = kNestRimY + std::sin(a) * d * (kRimHalfHeight - 2);
    const double turn = dice.between(0, M_PI), length = dice.between(3, 8);
    cairo_move_to(cr, x - std::cos(turn) * length / 2, y - std::sin(turn) * length / 4);
    cairo_line_to(cr, x + std::cos(turn) * length / 2, y + std::sin(turn) * length / 4);
    setColour(cr, mix(rgb(120, 80, 30), rgb(240, 206, 110), dice.next()));
    cairo_set_line_width(cr, dice.between(0.8, 1.4));
    cairo_stroke(cr);
  }
  cairo_pattern_destroy(bed);
  paintStraw(cr, false, 3);
}

void paintNestFront(cairo_t* cr) {
  paintStraw(cr, true, 4);
  // The rolled rim's front half.
  cairo_save(cr);
  cairo_translate(cr, kNestX, kNestRimY);
  cairo_scale(cr, kBowlHalfWidth, kRimHalfHeight);
  cairo_arc(cr, 0, 0, 1, 0.02 * M_PI, 0.98 * M_PI);
  cairo_restore(cr);
  cairo_set_line_width(cr, 3);
  setColour(cr, rgb(226, 150, 90));
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, kNestX, kNestRimY + 1.5);
  cairo_scale(cr, kBowlHalfWidth, kRimHalfHeight);
  cairo_arc(cr, 0, 0, 1, 0.1 * M_PI, 0.9 * M_PI);
  cairo_restore(cr);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(255, 226, 170, 0.8));
  cairo_stroke(cr);
}

void paintNestedEgg(cairo_t* cr, int place) {
  paintGlow(cr, kEggX, kEggY + 6, 56, rgb(255, 140, 50, 0.35));
  paintShimmer(cr, 9 + unsigned(place));
  paintDragonEgg(cr, kEggX, kEggY, kEggHalfWidth, kEggHalfHeight, eggLookFor(place), 0.06 * (place - 1.5));
  // Its shadow on the straw.
  cairo_save(cr);
  cairo_translate(cr, kEggX + 6, kNestRimY - 1);
  cairo_scale(cr, 30, 5);
  cairo_arc(cr, 0, 0, 1, 0, M_PI);
  cairo_restore(cr);
  setColour(cr, rgb(30, 14, 6, 0.45));
  cairo_fill(cr);
}

void paintSpoutAndDish(cairo_t* cr) {
  // The copper pipe comes down from under the rack and bends to the spout.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_move_to(cr, kSpoutX + 10, kRack.bottom() - 2);
  cairo_line_to(cr, kSpoutX + 10, kSpoutY - 16);
  cairo_curve_to(cr, kSpoutX + 10, kSpoutY - 8, kSpoutX, kSpoutY - 12, kSpoutX, kSpoutY - 4);
  cairo_set_line_width(cr, 6);
  setColour(cr, rgb(110, 50, 24));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 2);
  setColour(cr, rgb(232, 152, 96));
  cairo_stroke(cr);
  roundedRectangle(cr, kSpoutX - 4, kSpoutY - 5, 8, 5, 1.5);
  fillVertical(cr, kSpoutY - 5, kSpoutY, rgb(240, 176, 110), rgb(120, 56, 26));
  // A stone dish on an iron bracket, water in it.
  const double dishTop = kDishY;
  cairo_move_to(cr, kSpoutX - 15, dishTop);
  cairo_curve_to(cr, kSpoutX - 13, dishTop + 9, kSpoutX + 13, dishTop + 9, kSpoutX + 15, dishTop);
  cairo_close_path(cr);
  fillVertical(cr, dishTop, dishTop + 8, rgb(150, 132, 118), rgb(70, 58, 54));
  cairo_save(cr);
  cairo_translate(cr, kSpoutX, dishTop);
  cairo_scale(cr, 14, 3.2);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setColour(cr, rgb(64, 96, 120));
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, kSpoutX - 3, dishTop - 0.8);
  cairo_scale(cr, 6, 1.1);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setColour(cr, rgb(190, 220, 240, 0.6));
  cairo_fill(cr);
  setColour(cr, rgb(36, 30, 32));
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, kSpoutX - 9, dishTop + 6);
  cairo_line_to(cr, kSpoutX - 5, dishTop + 9.5);
  cairo_line_to(cr, kSpoutX + 5, dishTop + 9.5);
  cairo_line_to(cr, kSpoutX + 9, dishTop + 6);
  cairo_stroke(cr);
}

void paintDrop(cairo_t* cr, int frame) {
  const double phase = double(frame) / kDropFrames;
  // Steam curls up from the warm dish all the time; three wisps, a third of a loop apart.
  for (int wisp = 0; wisp < 3; ++wisp) {
    const double rise = std::fmod(phase + wisp / 3.0, 1.0);
    const double y = kDishY - 4 - rise * 40;
    const double x = kSpoutX - 6 + wisp * 6 + 3 * std::sin(2 * M_PI * (rise + wisp * 0.3));
    const double alpha = 0.5 * std::sin(M_PI * rise);
    paintGlow(cr, x, y, 5 + 6 * rise, rgb(240, 232, 226, alpha));
  }
  const Colour water = rgb(176, 214, 246, 0.92);
  if (frame <= 8) {
    // The drop swells at the spout.
    const double r = 1.2 + 2.4 * frame / 8.0;
    const double cy = kSpoutY + r * 0.9;
    cairo_move_to(cr, kSpoutX - 1.2, kSpoutY);
    cairo_curve_to(cr, kSpoutX - r, cy - r * 0.2, kSpoutX - r, cy + r, kSpoutX, cy + r);
    cairo_curve_to(cr, kSpoutX + r, cy + r, kSpoutX + r, cy - r * 0.2, kSpoutX + 1.2, kSpoutY);
    cairo_close_path(cr);
    setColour(cr, water);
    cairo_fill(cr);
    paintGlow(cr, kSpoutX - r * 0.35, cy, r * 0.7, rgb(255, 255, 255, 0.95));
  } else if (frame <= 12) {
    // It falls, faster and faster, stretched a little by its speed.
    const double t = (frame - 8) / 4.0;
    const double y = kSpoutY + 3 + (kDishY - 2 - kSpoutY - 3) * t * t;
    const double stretch = 1 + 0.6 * t;
    cairo_move_to(cr, kSpoutX, y - 4 * stretch);
    cairo_curve_to(cr, kSpoutX - 1.2, y - 1.5, kSpoutX - 3.4, y + 0.5, kSpoutX, y + 3.4);
    cairo_curve_to(cr, kSpoutX + 3.4, y + 0.5, kSpoutX + 1.2, y - 1.5, kSpoutX, y - 4 * stretch);
    setColour(cr, water);
    cairo_fill(cr);
    paintGlow(cr, kSpoutX - 1, y + 0.5, 2.2, rgb(255, 255, 255, 0.95));
  }
  if (frame >= 12) {
    // The splash: droplets leap and ripples spread and fade.
    const double t = (frame - 12) / 5.0;
    for (int ring = 0; ring < 2; ++ring) {
      const double s = std::max(0.0, t - ring * 0.3);
      if (s <= 0) continue;
      cairo_save(cr);
      cairo_translate(cr, kSpoutX, kDishY);
      cairo_scale(cr, 2 + 11 * s, 0.6 + 2.4 * s);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      setColour(cr, rgb(220, 240, 255, 0.7 * (1 - s)));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
    if (frame <= 14) {
      const double up = std::sin(M_PI * (frame - 11) / 4.0) * 7;
      for (int side : {-1, 1}) {
        cairo_arc(cr, kSpoutX + side * (2 + (frame - 11) * 1.6), kDishY - 1 - up, 1.1, 0, 2 * M_PI);
        setColour(cr, water);
        cairo_fill(cr);
      }
    }
  }
}

void paintLeverPlate(cairo_t* cr) {
  roundedRectangle(cr, kLever.x + 5, kLever.y + 3, kLever.w - 10, kLever.h - 6, 5);
  fillVertical(cr, kLever.y, kLever.bottom(), rgb(214, 170, 86), rgb(110, 72, 28));
  roundedRectangle(cr, kLever.x + 5, kLever.y + 3, kLever.w - 10, kLever.h - 6, 5);
  setColour(cr, rgb(60, 36, 12));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // The slot the lever swings along.
  roundedRectangle(cr, kLeverPivotX - 3, kLeverPivotY - kLeverLength - 2, 6, 2 * kLeverLength + 4, 3);
  setColour(cr, rgb(34, 20, 10));
  cairo_fill(cr);
  // Marks: an empty ring at the top (no egg), a little egg at the bottom (egg laid).
  setColour(cr, rgb(70, 42, 14));
  cairo_set_line_width(cr, 1.2);
  cairo_arc(cr, kLever.x + 13, kLeverPivotY - kLeverLength + 2, 3, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, kLever.x + 13, kLeverPivotY + kLeverLength - 3);
  cairo_scale(cr, 3, 4);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_fill(cr);
  for (double x : {double(kLever.x) + 10, double(kLever.right()) - 10})
    for (double y : {double(kLever.y) + 8, double(kLever.bottom()) - 8}) {
      cairo_arc(cr, x, y, 1.6, 0, 2 * M_PI);
      setColour(cr, rgb(255, 230, 160));
      cairo_fill(cr);
    }
}

void paintLever(cairo_t* cr, int frame) {
  // Seen from the front the lever swings towards the viewer: its rod shortens, its knob
  // grows as it passes the middle, and it ends pointing down.
  const double angle = M_PI * frame / (kLeverFrames - 1);
  const double tipY = kLeverPivotY - kLeverLength * std::cos(angle);
  const double knob = 4.6 + 2.2 * std::sin(angle);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, kLeverPivotX, kLeverPivotY);
  cairo_line_to(cr, kLeverPivotX, tipY);
  cairo_set_line_width(cr, 4.5);
  setColour(cr, rgb(30, 26, 28));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 1.5);
  setColour(cr, rgb(150, 146, 150));
  cairo_stroke(cr);
  cairo_arc(cr, kLeverPivotX, kLeverPivotY, 3.5, 0, 2 * M_PI);
  setColour(cr, rgb(60, 56, 58));
  cairo_fill(cr);
  cairo_arc(cr, kLeverPivotX, tipY, knob, 0, 2 * M_PI);
  cairo_pattern_t* ball = cairo_pattern_create_radial(kLeverPivotX - knob * 0.4, tipY - knob * 0.4, knob * 0.1,
                                                      kLeverPivotX, tipY, knob);
  cairo_pattern_add_color_stop_rgb(ball, 0, 1.0, 0.75, 0.6);
  cairo_pattern_add_color_stop_rgb(ball, 0.4, 0.78, 0.12, 0.10);
  cairo_pattern_add_color_stop_rgb(ball, 1, 0.30, 0.02, 0.04);
  cairo_set_source(cr, ball);
  cairo_fill(cr);
  cairo_pattern_destroy(ball);
}

}  // namespace hatchery
