// The six gauges of the dragon statistics: glass tubes in a dark wooden rack, each under a
// brass cap with its ability's emblem (strength, speed, fire, health, armour, wisdom) and
// over a bulb where the game writes the value. The empty tube is see-through; the full one
// is filled with the ability's colour and its emblem lit. And the potion icon.
#include "stats/Gauges.h"

#include "mage/PaintKit.h"
#include "stats/StatsLayout.h"

#include <cmath>

namespace stats {

namespace {

using namespace paintkit;

const Colour kLiquid[kAttributes] = {rgb(236, 168, 40), rgb(70, 170, 255), rgb(255, 104, 24),
                                     rgb(226, 36, 56),  rgb(120, 200, 190), rgb(176, 90, 240)};

void paintRack(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, kColumnW, kColumnH);
  fillLinear(cr, 0, 0, kColumnW, 0, rgb(58, 38, 26), rgb(34, 20, 14));
  Dice dice(5);  // the same grain in every column, so the rack reads as one piece
  for (int i = 0; i < 9; ++i) {
    const double x = dice.between(1, kColumnW - 1);
    cairo_move_to(cr, x, 0);
    cairo_curve_to(cr, x + dice.between(-3, 3), 40, x + dice.between(-3, 3), 70, x + dice.between(-2, 2), kColumnH);
    cairo_set_line_width(cr, dice.between(0.5, 1.2));
    setColour(cr, rgb(96, 62, 36, 0.45));
    cairo_stroke(cr);
  }
  // Bevelled joints between the columns and a brass rail along the bottom.
  cairo_rectangle(cr, 0, 0, 1, kColumnH);
  setColour(cr, rgb(16, 8, 4));
  cairo_fill(cr);
  cairo_rectangle(cr, 1, 0, 1, kColumnH);
  setColour(cr, rgb(110, 76, 44));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, kColumnH - 3, kColumnW, 3);
  fillVertical(cr, kColumnH - 3, kColumnH, rgb(214, 170, 80), rgb(110, 76, 30));
  for (double x : {6.0, 39.0}) {  // rivets holding the tube's clamps
    for (double y : {30.0, 70.0}) {
      ellipse(cr, x, y, 1.6, 1.6);
      fillRadial(cr, x - 0.5, y - 0.5, 2, rgb(240, 210, 140), rgb(110, 76, 30));
    }
  }
}

// The emblems, drawn around (0, 0) in a 12-pixel square.
void emblemPath(cairo_t* cr, int attribute) {
  cairo_new_path(cr);
  switch (attribute) {
    case 0:  // strength: three claws
      for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, i * 3.5 - 1.2, 5);
        cairo_curve_to(cr, i * 3.5 - 1.5, 0, i * 3.5 + 0.5, -4, i * 3.5 + 2.5, -5.5);
        cairo_curve_to(cr, i * 3.5 + 1.5, -2, i * 3.5 + 1.5, 2, i * 3.5 + 1.4, 5);
        cairo_close_path(cr);
      }
      break;
    case 1:  // speed: a wing
      cairo_move_to(cr, -5.5, 4);
      cairo_curve_to(cr, -3, -3, 2, -5.5, 6, -5);
      cairo_curve_to(cr, 4, -2.5, 5, -1.5, 3.5, 0);
      cairo_curve_to(cr, 4, 1, 3, 2, 1, 2.5);
      cairo_curve_to(cr, 1, 4, -1, 4.5, -5.5, 4);
      cairo_close_path(cr);
      break;
    case 2:  // fire: a flame
      cairo_move_to(cr, 0, -6);
      cairo_curve_to(cr, 4, -2, 6, 1, 4, 4.5);
      cairo_curve_to(cr, 3, 6, -3, 6, -4, 4.5);
      cairo_curve_to(cr, -6, 1, -3, -1, -1.5, -3);
      cairo_curve_to(cr, -1, -1, 0, 0, 0.5, 0.5);
      cairo_curve_to(cr, 1.5, -2, 0.5, -4, 0, -6);
      cairo_close_path(cr);
      break;
    case 3:  // health: a heart
      cairo_move_to(cr, 0, 5.5);
      cairo_curve_to(cr, -7, 0.5, -5.5, -6, 0, -2.5);
      cairo_curve_to(cr, 5.5, -6, 7, 0.5, 0, 5.5);
      cairo_close_path(cr);
      break;
    case 4:  // armour: a shield
      cairo_move_to(cr, -5, -5);
      cairo_line_to(cr, 5, -5);
      cairo_curve_to(cr, 5, 1, 3, 4, 0, 6);
      cairo_curve_to(cr, -3, 4, -5, 1, -5, -5);
      cairo_close_path(cr);
      break;
    default:  // wisdom: an eight-pointed star
      for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8 - M_PI / 2, r = i % 2 ? 2.4 : 6;
        i == 0 ? cairo_move_to(cr, std::cos(a) * r, std::sin(a) * r) : cairo_line_to(cr, std::cos(a) * r, std::sin(a) * r);
      }
      cairo_close_path(cr);
  }
}

void paintCap(cairo_t* cr, int attribute, bool lit) {
  const Colour c = kLiquid[attribute];
  // The clamp that holds the tube's top.
  roundedRectangle(cr, 10, 11, 27, 6, 2);
  fillVertical(cr, 11, 17, rgb(230, 190, 100), rgb(110, 76, 30));
  ellipse(cr, kEmblemX, kEmblemY, kEmblemR + 0.8, kEmblemR + 0.8);
  fillRadial(cr, kEmblemX - 2, kEmblemY - 2, kEmblemR * 1.6, rgb(250, 220, 140), rgb(110, 76, 30));
  ellipse(cr, kEmblemX, kEmblemY, kEmblemR - 1.2, kEmblemR - 1.2);
  setColour(cr, lit ? darker(c, 0.55) : rgb(26, 18, 22));
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, kEmblemX, kEmblemY);
  cairo_scale(cr, 0.82, 0.82);
  emblemPath(cr, attribute);
  cairo_restore(cr);
  fillRadial(cr, kEmblemX - 1.5, kEmblemY - 2, 8, lit ? rgb(255, 255, 230) : lighter(c, 0.2), lit ? lighter(c, 0.3) : darker(c, 0.2));
}

void paintGlassWalls(cairo_t* cr) {
  for (int side = 0; side < 2; ++side) {
    const double x = side ? kTubeX1 + 1 : kTubeX0 - 3;
    cairo_rectangle(cr, x, kTubeY0 - 2, 3, kTubeY1 - kTubeY0 + 5);
    fillLinear(cr, x, 0, x + 3, 0, side ? rgb(120, 150, 170) : rgb(230, 246, 255), side ? rgb(40, 56, 70) : rgb(120, 150, 170));
  }
}

void paintBulb(cairo_t* cr, int attribute, bool full) {
  const Colour c = kLiquid[attribute];
  cairo_rectangle(cr, kTubeX0 - 3, kTubeY1, kTubeX1 - kTubeX0 + 7, kBulbY - kTubeY1);
  setColour(cr, rgb(150, 180, 200));
  cairo_fill(cr);
  ellipse(cr, kBulbX, kBulbY, kBulbR + 1.5, kBulbR + 1.5);
  fillLinear(cr, kBulbX - kBulbR, 0, kBulbX + kBulbR, 0, rgb(220, 240, 255), rgb(60, 80, 100));
  // Inside: dark glass, or the liquid kept dark enough for the gold value to read on it.
  cairo_rectangle(cr, kTubeX0, kTubeY1 - 1, kTubeX1 - kTubeX0 + 1, kBulbY - kTubeY1 + 1);
  ellipse(cr, kBulbX, kBulbY, kBulbR, kBulbR);
  fillRadial(cr, kBulbX - 3, kBulbY - 4, kBulbR * 1.4, full ? darker(c, 0.5) : rgb(40, 36, 48), full ? darker(c, 0.78) : rgb(12, 10, 16));
  ellipse(cr, kBulbX - 5, kBulbY - 5, 1.6, 2.4);
  setColour(cr, rgb(255, 255, 255, 0.75));
  cairo_fill(cr);
}

void paintLiquid(cairo_t* cr, int attribute) {
  const Colour c = kLiquid[attribute];
  cairo_rectangle(cr, kTubeX0, kTubeY0, kTubeX1 - kTubeX0 + 1, kTubeY1 - kTubeY0 + 1);
  fillLinear(cr, kTubeX0, 0, kTubeX1 + 1, 0, lighter(c, 0.35), darker(c, 0.45));
  cairo_rectangle(cr, kTubeX0 + 2, kTubeY0, 2, kTubeY1 - kTubeY0 + 1);
  setColour(cr, rgb(255, 255, 255, 0.45));
  cairo_fill(cr);
  Dice dice(unsigned(attribute) + 3);
  for (int i = 0; i < 7; ++i) {
    const double x = dice.between(kTubeX0 + 3, kTubeX1 - 3), y = dice.between(kTubeY0 + 4, kTubeY1 - 2), r = dice.between(0.8, 1.8);
    ellipse(cr, x, y, r, r);
    setColour(cr, lighter(c, 0.6));
    cairo_fill(cr);
  }
}

}  // namespace

void paintGauge(Canvas& canvas, int attribute, bool full) {
  cairo_t* cr = canvas.cr();
  paintRack(cr);
  paintGlassWalls(cr);
  paintBulb(cr, attribute, full);
  paintCap(cr, attribute, full);
  cairo_rectangle(cr, kTubeX0, kTubeY0, kTubeX1 - kTubeX0 + 1, kTubeY1 - kTubeY0 + 1);
  if (full) {
    paintLiquid(cr, attribute);
  } else {  // see-through: cleared, so it becomes the key colour
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  }
}

bool inTube(int x, int y) { return x >= kTubeX0 && x <= kTubeX1 && y >= kTubeY0 && y <= kTubeY1; }

void paintPotion(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = kPotionW, h = kPotionH;
  cairo_rectangle(cr, 0, 0, w, h);
  fillVertical(cr, 0, h, rgb(60, 40, 80), rgb(24, 14, 36));
  cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(214, 170, 72));
  cairo_stroke(cr);
  // A round flask of red brew with a cork, glowing a little.
  glow(cr, 8, 13, 8, rgb(255, 90, 90, 0.4));
  cairo_rectangle(cr, 6.5, 4, 3, 5);
  setColour(cr, rgb(200, 220, 235));
  cairo_fill(cr);
  ellipse(cr, 8, 13, 5, 5);
  fillRadial(cr, 6.5, 11.5, 6, rgb(255, 150, 140), rgb(150, 10, 30));
  cairo_rectangle(cr, 6, 2, 4, 2.5);
  setColour(cr, rgb(150, 100, 50));
  cairo_fill(cr);
  ellipse(cr, 6.3, 11.5, 1, 1.4);
  setColour(cr, rgb(255, 255, 255, 0.85));
  cairo_fill(cr);
}

}  // namespace stats
