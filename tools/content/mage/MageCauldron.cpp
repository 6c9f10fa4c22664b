// The great iron cauldron in the middle of the tower room, seen steeply from above: a
// glowing green brew with swirls and bubbles, four coloured gems on the rim that mark the
// sides an ingredient can be dropped from, and steam that thickens as the burner turns up.
#include "mage/PaintKit.h"
#include "mage/MagePaint.h"

#include <cmath>

namespace mage {

namespace {

using namespace paintkit;

const Colour kIronLight = rgb(96, 92, 104);
const Colour kIron = rgb(48, 46, 56);
const Colour kIronDark = rgb(14, 12, 18);
const Colour kBrewBright = rgb(170, 255, 200);
const Colour kBrew = rgb(40, 190, 120);
const Colour kBrewDeep = rgb(12, 80, 60);

void paintBelly(cairo_t* cr) {
  const double cx = kCauldronX, cy = kCauldronY;
  cairo_move_to(cr, cx - kRimRx, cy);
  cairo_curve_to(cr, cx - kRimRx - 8, cy + 60, cx - 62, cy + 112, cx, cy + 114);
  cairo_curve_to(cr, cx + 62, cy + 112, cx + kRimRx + 8, cy + 60, cx + kRimRx, cy);
  cairo_close_path(cr);
  cairo_pattern_t* iron = cairo_pattern_create_radial(cx - 40, cy + 50, 10, cx, cy + 40, 130);
  cairo_pattern_add_color_stop_rgba(iron, 0, kIronLight.r, kIronLight.g, kIronLight.b, 1);
  cairo_pattern_add_color_stop_rgba(iron, 0.45, kIron.r, kIron.g, kIron.b, 1);
  cairo_pattern_add_color_stop_rgba(iron, 1, kIronDark.r, kIronDark.g, kIronDark.b, 1);
  cairo_set_source(cr, iron);
  cairo_fill(cr);
  cairo_pattern_destroy(iron);
  // Riveted bands around the belly.
  for (double band : {38.0, 70.0}) {
    cairo_save(cr);
    ellipse(cr, cx, cy + band, kRimRx - band * 0.28, kRimRy * 0.55);
    cairo_set_line_width(cr, 3);
    setColour(cr, rgb(24, 22, 28));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1);
    setColour(cr, rgb(120, 112, 124, 0.5));
    cairo_stroke(cr);
    cairo_restore(cr);
    for (int r = -4; r <= 4; ++r) {
      const double a = M_PI / 2 + r * 0.3;
      ellipse(cr, cx + std::cos(a) * (kRimRx - band * 0.28), cy + band + std::sin(a) * kRimRy * 0.55, 1.6, 1.6);
      setColour(cr, rgb(150, 140, 150));
      cairo_fill(cr);
    }
  }
  // The brew's light spilling over the front.
  glow(cr, cx, cy + kRimRy - 4, 60, rgb(90, 255, 170, 0.18));
}

void paintEmbers(cairo_t* cr, int heat) {
  const double cx = kCauldronX, base = kCauldronY + 116;
  glow(cr, cx, base, 50 + heat * 14, rgb(255, 120, 30, 0.25 + heat * 0.15));
  Dice dice(17);
  for (int i = 0; i < 26; ++i) {
    const double x = cx + dice.between(-60, 60), y = base + dice.between(-2, 6);
    ellipse(cr, x, y, dice.between(2, 4), 1.6);
    setColour(cr, mix(rgb(90, 30, 10), rgb(255, 190, 70), std::min(1.0, heat / 3.0 + dice.next() * 0.35)));
    cairo_fill(cr);
  }
  for (double dx : {-52.0, 0.0, 52.0}) {  // the cauldron's feet
    cairo_move_to(cr, cx + dx - 7, base - 10);
    cairo_line_to(cr, cx + dx + 7, base - 10);
    cairo_line_to(cr, cx + dx + 4, base + 4);
    cairo_line_to(cr, cx + dx - 4, base + 4);
    cairo_close_path(cr);
    fillLinear(cr, cx + dx - 7, 0, cx + dx + 7, 0, kIronLight, kIronDark);
  }
}

void paintRim(cairo_t* cr) {
  const double cx = kCauldronX, cy = kCauldronY;
  ellipse(cr, cx, cy, kRimRx, kRimRy);
  fillLinear(cr, cx - kRimRx, cy - kRimRy, cx + kRimRx * 0.6, cy + kRimRy, kIronLight, kIronDark);
  // The inside: the far wall shows above the brew, the near one is hidden by the rim.
  ellipse(cr, cx, cy, kMouthRx, kMouthRy);
  fillVertical(cr, cy - kMouthRy, cy + kMouthRy, rgb(20, 30, 30), rgb(6, 8, 10));
  // A lit edge where the rim rolls over.
  cairo_save(cr);
  ellipse(cr, cx, cy, kRimRx - 1.5, kRimRy - 1.5);
  cairo_set_line_width(cr, 1.5);
  setColour(cr, rgb(170, 160, 170, 0.6));
  cairo_stroke(cr);
  ellipse(cr, cx, cy, kMouthRx + 0.5, kMouthRy + 0.5);
  cairo_set_line_width(cr, 1.2);
  setColour(cr, rgb(140, 255, 200, 0.45));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void paintGem(cairo_t* cr, int side) {
  const double x = kGemAt[side][0], y = kGemAt[side][1];
  const Colour c = sideColour(side);
  glow(cr, x, y, 14, withAlpha(c, 0.45));
  ellipse(cr, x, y, 6.5, 5.5);
  setColour(cr, rgb(190, 150, 70));  // gold setting
  cairo_fill(cr);
  ellipse(cr, x, y, 4.8, 4);
  fillRadial(cr, x - 1.5, y - 1.5, 6, lighter(c, 0.6), darker(c, 0.45));
  ellipse(cr, x - 1.6, y - 1.4, 1.3, 1);
  setColour(cr, rgb(255, 255, 255, 0.9));
  cairo_fill(cr);
}

void paintBubble(cairo_t* cr, double x, double y, double r) {
  ellipse(cr, x, y, r, r * 0.8);
  fillRadial(cr, x - r * 0.3, y - r * 0.3, r * 1.2, withAlpha(kBrewBright, 0.9), withAlpha(kBrew, 0.7));
  ellipse(cr, x, y, r, r * 0.8);
  cairo_set_line_width(cr, 0.8);
  setColour(cr, rgb(220, 255, 230, 0.8));
  cairo_stroke(cr);
  ellipse(cr, x - r * 0.35, y - r * 0.3, r * 0.25, r * 0.2);
  setColour(cr, rgb(255, 255, 255, 0.95));
  cairo_fill(cr);
}

void paintSteam(cairo_t* cr, int heat) {
  Dice dice(23);
  const int wisps = 3 + heat * 2;
  for (int i = 0; i < wisps; ++i) {
    const double x0 = kBrewX + dice.between(-50, 50), y0 = kBrewY - dice.between(0, 20);
    const double sway = dice.between(-20, 20), top = dice.between(0, 30);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0 + sway, y0 - 40, x0 - sway, y0 - 70, x0 + sway * 0.5, top);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, dice.between(5, 10));
    setColour(cr, rgb(200, 255, 225, 0.06 + heat * 0.02));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2);
    setColour(cr, rgb(220, 255, 235, 0.08 + heat * 0.025));
    cairo_stroke(cr);
  }
}

// Specks of magic drifting up out of the brew.
void paintMotes(cairo_t* cr) {
  Dice dice(29);
  for (int i = 0; i < 18; ++i) {
    const double x = kBrewX + dice.between(-80, 80), y = dice.between(6, kBrewY - 20);
    const Colour c = i % 3 ? rgb(190, 255, 210, 0.85) : rgb(226, 180, 255, 0.85);
    glow(cr, x, y, 5, withAlpha(c, 0.3));
    twinkle(cr, x, y, dice.between(1.2, 2.8), c);
  }
}

}  // namespace

Colour sideColour(int side) {
  static const Colour colours[4] = {rgb(80, 130, 255), rgb(60, 230, 240), rgb(255, 214, 60), rgb(220, 90, 230)};
  return colours[side & 3];
}

void paintBrew(cairo_t* cr) {
  cairo_save(cr);
  ellipse(cr, kBrewX, kBrewY, kBrewRx, kBrewRy);
  cairo_clip(cr);
  ellipse(cr, kBrewX, kBrewY, kBrewRx, kBrewRy);
  cairo_pattern_t* brew = cairo_pattern_create_radial(kBrewX - 10, kBrewY - 6, 4, kBrewX, kBrewY, kBrewRx);
  cairo_pattern_add_color_stop_rgba(brew, 0, kBrewBright.r, kBrewBright.g, kBrewBright.b, 1);
  cairo_pattern_add_color_stop_rgba(brew, 0.5, kBrew.r, kBrew.g, kBrew.b, 1);
  cairo_pattern_add_color_stop_rgba(brew, 1, kBrewDeep.r, kBrewDeep.g, kBrewDeep.b, 1);
  cairo_set_source(cr, brew);
  cairo_fill(cr);
  cairo_pattern_destroy(brew);
  // Swirls: a green and a violet spiral drawn into the surface.
  for (int arm = 0; arm < 2; ++arm) {
    cairo_new_path(cr);
    for (int s = 0; s <= 60; ++s) {
      const double t = s / 60.0, a = arm * M_PI + t * 3.4 * M_PI, r = 6 + t * 70;
      const double x = kBrewX + std::cos(a) * r, y = kBrewY + std::sin(a) * r * (kBrewRy / kBrewRx);
      s == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    cairo_set_line_width(cr, 3);
    setColour(cr, arm ? rgb(200, 120, 255, 0.35) : rgb(210, 255, 220, 0.35));
    cairo_stroke(cr);
  }
  Dice dice(31);
  for (int i = 0; i < 14; ++i) {
    const double a = dice.between(0, 2 * M_PI), d = std::sqrt(dice.next()) * 0.85;
    paintBubble(cr, kBrewX + std::cos(a) * d * kBrewRx, kBrewY + std::sin(a) * d * kBrewRy, dice.between(1.5, 3.5));
  }
  cairo_restore(cr);
}

void paintCauldron(cairo_t* cr, int heat) {
  glow(cr, kCauldronX, kCauldronY - 20, 190, rgb(70, 230, 150, 0.22));
  paintEmbers(cr, heat);
  paintBelly(cr);
  paintRim(cr);
  paintBrew(cr);
  for (int side = 0; side < 4; ++side) paintGem(cr, side);
  paintSteam(cr, heat);
  paintMotes(cr);
}

}  // namespace mage
