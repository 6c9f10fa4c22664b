// The pictures the mage's screen lays over its background: the brew bubbling after the first
// drop and the four sides of the cauldron flashing when an ingredient falls in.
#include "mage/PaintKit.h"
#include "mage/MagePaint.h"

#include <cmath>

namespace mage {

namespace {

using namespace paintkit;

// Moves the cairo origin so that the part picture is painted in screen coordinates.
void paintAtScreen(Canvas& canvas, const Box& box) { cairo_translate(canvas.cr(), -box.x0, -box.y0); }

// The stretch of the rim that belongs to a side, lit up in its colour: the part of the
// side's quarter that lies inside its picture, so the glow ends in round caps and is
// never cut off by the picture's edge.
void paintLitRim(cairo_t* cr, int side) {
  const Box& box = kSides[side];
  const double margin = 6, rx = (kRimRx + kMouthRx) / 2, ry = (kRimRy + kMouthRy) / 2;
  const double from = -M_PI / 2 + (side - 0.5) * M_PI / 2;
  cairo_new_path(cr);
  bool drawing = false;
  for (int step = 0; step <= 90; ++step) {
    const double t = from + step * (M_PI / 2) / 90;
    const double x = kCauldronX + std::cos(t) * rx, y = kCauldronY + std::sin(t) * ry;
    const bool inside = x >= box.x0 + margin && x <= box.x1 - margin && y >= box.y0 + margin && y <= box.y1 - margin;
    if (inside) drawing ? cairo_line_to(cr, x, y) : cairo_move_to(cr, x, y);
    drawing = inside;
  }
  const Colour c = sideColour(side);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 11);
  setColour(cr, darker(c, 0.15));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 6);
  setColour(cr, lighter(c, 0.45));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 2);
  setColour(cr, rgb(255, 255, 255));
  cairo_stroke(cr);
}

// A round burst of light: rings from the side's colour to white, like a glow in steps.
void paintHalo(cairo_t* cr, double x, double y, double radius, const Colour& c) {
  const int rings = 5;
  for (int i = 0; i < rings; ++i) {
    const double t = double(i) / (rings - 1);
    ellipse(cr, x, y, radius * (1 - t * 0.8), radius * (1 - t * 0.8));
    setColour(cr, mix(darker(c, 0.2), rgb(255, 255, 245), t * t));
    cairo_fill(cr);
  }
}

// Rays of light bursting from (x, y), longest along `heading` (radians).
void paintBurst(cairo_t* cr, double x, double y, double heading, double reach, const Colour& c, unsigned seed) {
  Dice dice(seed);
  for (int layer = 0; layer < 3; ++layer) {
    const double scale = 1.0 - layer * 0.3;
    const Colour shade = layer == 0 ? c : layer == 1 ? lighter(c, 0.5) : rgb(255, 255, 250);
    Dice rays(seed + 1);
    for (int i = 0; i < 14; ++i) {
      const double a = i * 2 * M_PI / 14 + rays.between(-0.1, 0.1);
      const double along = 0.5 + 0.5 * std::cos(a - heading);
      const double len = reach * scale * (0.35 + 0.65 * along * along) * rays.between(0.75, 1.0);
      const double spread = 0.2 * scale;
      cairo_move_to(cr, x + std::cos(a - spread) * 10, y + std::sin(a - spread) * 10);
      cairo_line_to(cr, x + std::cos(a) * len, y + std::sin(a) * len);
      cairo_line_to(cr, x + std::cos(a + spread) * 10, y + std::sin(a + spread) * 10);
      cairo_close_path(cr);
    }
    setColour(cr, shade);
    cairo_fill(cr);
  }
  paintHalo(cr, x, y, 13, c);
  for (int i = 0; i < 10; ++i) {
    const double a = heading + dice.between(-1.6, 1.6), d = dice.between(0.35, 1.0) * reach;
    twinkle(cr, x + std::cos(a) * d, y + std::sin(a) * d, dice.between(2, 4.5), lighter(c, 0.7));
  }
}

}  // namespace

void paintBubbling(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  paintAtScreen(canvas, kBubbling);
  paintBrew(cr);
  cairo_save(cr);
  ellipse(cr, kBrewX, kBrewY, kBrewRx, kBrewRy);
  cairo_clip(cr);
  // A bright whirl in the middle with big bubbles breaking around it.
  glow(cr, kBrewX, kBrewY, 44, rgb(230, 255, 240, 0.8));
  glow(cr, kBrewX + 6, kBrewY - 4, 26, rgb(230, 170, 255, 0.6));
  Dice dice(71);
  for (int i = 0; i < 18; ++i) {
    const double a = dice.between(0, 2 * M_PI), d = dice.between(6, 38);
    const double x = kBrewX + std::cos(a) * d, y = kBrewY + std::sin(a) * d * 1.1, r = dice.between(2.5, 6.5);
    ellipse(cr, x, y, r, r * 0.85);
    fillRadial(cr, x - r * 0.3, y - r * 0.3, r * 1.2, rgb(220, 255, 230), rgb(60, 200, 130));
    ellipse(cr, x, y, r, r * 0.85);
    cairo_set_line_width(cr, 1);
    setColour(cr, rgb(20, 110, 70));
    cairo_stroke(cr);
    ellipse(cr, x - r * 0.35, y - r * 0.35, r * 0.3, r * 0.22);
    setColour(cr, rgb(255, 255, 255));
    cairo_fill(cr);
  }
  for (int i = 0; i < 8; ++i)
    twinkle(cr, kBrewX + dice.between(-34, 34), kBrewY + dice.between(-40, 36), dice.between(2, 4), rgb(250, 230, 255));
  cairo_restore(cr);
}

void paintSideFlash(Canvas& canvas, int side) {
  cairo_t* cr = canvas.cr();
  paintAtScreen(canvas, kSides[side]);
  paintLitRim(cr, side);
  // North and south burst away from the brew, where their pictures have room; east and
  // west, at the screen's narrow margins, burst over the brew.
  const double heading[4] = {-M_PI / 2, M_PI, M_PI / 2, 0};
  const double reach[4] = {60, 48, 34, 48};
  paintBurst(cr, kGemAt[side][0], kGemAt[side][1], heading[side], reach[side], sideColour(side), 40u + unsigned(side));
}

}  // namespace mage
