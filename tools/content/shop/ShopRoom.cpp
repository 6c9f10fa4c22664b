// The shop's background: the travelling dealer's wagon at dusk, its side let down as a
// counter. Two parchment lists are pinned to the planks, each with a column of brass
// arrows at its right; the bills below take the totals. The OK seal, the list's scroll
// knobs and the exit sign are painted in where the zone map puts them.
#include "image/Encode.h"
#include "image/Style.h"
#include "items/Brush.h"
#include "shop/ShopParts.h"

#include <cmath>

namespace shop {

using namespace brush;

namespace {

constexpr double kWagonLeft = 60;   // the wagon's corner post
constexpr double kAwningBottom = 19;
constexpr double kCounterBottom = 216;

void paintSky(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, 320, 240);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 170);
  cairo_pattern_add_color_stop_rgb(sky, 0, style::kSkyHigh.r, style::kSkyHigh.g, style::kSkyHigh.b);
  cairo_pattern_add_color_stop_rgb(sky, 0.55, style::kSkyMid.r, style::kSkyMid.g, style::kSkyMid.b);
  cairo_pattern_add_color_stop_rgb(sky, 1, style::kSkyLow.r, style::kSkyLow.g, style::kSkyLow.b);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  Scatter s(2);
  for (int i = 0; i < 12; ++i) {
    circle(cr, s.between(2, 58), s.between(28, 80), s.between(0.4, 0.8));
    setColour(cr, rgb(255, 250, 220, s.between(0.4, 0.9)));
    cairo_fill(cr);
  }
}

// Hills, a road winding away and the grass the wagon stands on.
void paintLand(cairo_t* cr) {
  cairo_move_to(cr, 0, 150);
  cairo_curve_to(cr, 14, 128, 34, 124, 70, 138);
  cairo_line_to(cr, 70, 240);
  cairo_line_to(cr, 0, 240);
  cairo_close_path(cr);
  fillLinear(cr, 0, 124, 0, 200, rgb(92, 70, 110), rgb(50, 44, 70));
  cairo_move_to(cr, 0, 172);
  cairo_curve_to(cr, 20, 160, 44, 158, 70, 164);
  cairo_line_to(cr, 70, 240);
  cairo_line_to(cr, 0, 240);
  cairo_close_path(cr);
  fillLinear(cr, 0, 158, 0, 240, rgb(70, 96, 56), rgb(30, 46, 26));
  // A lone tree on the hill.
  cairo_rectangle(cr, 25, 138, 2.5, 22);
  setColour(cr, rgb(36, 26, 30));
  cairo_fill(cr);
  circle(cr, 26, 136, 8);
  circle(cr, 20, 140, 6);
  circle(cr, 32, 140, 6);
  setColour(cr, rgb(44, 50, 52));
  cairo_fill(cr);
  cairo_rectangle(cr, 60, 214, 260, 26);
  fillLinear(cr, 0, 214, 0, 240, rgb(58, 74, 40), rgb(26, 34, 18));
}

void paintWheel(cairo_t* cr, double cx, double cy, double r) {
  circle(cr, cx, cy, r);
  stroke(cr, rgb(36, 20, 8), 6);
  circle(cr, cx, cy, r);
  stroke(cr, rgb(124, 80, 40), 3.5);
  for (int i = 0; i < 8; ++i) {
    double a = i * M_PI / 4 + 0.2;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  stroke(cr, rgb(98, 62, 30), 2.2);
  circle(cr, cx, cy, 5);
  fillBall(cr, cx, cy, 5, rgb(120, 100, 80));
}

// The wagon's side: dark planks under a striped awning, with a corner post.
void paintWagon(cairo_t* cr) {
  cairo_rectangle(cr, kWagonLeft, 0, 320 - kWagonLeft, kCounterBottom);
  fillLinear(cr, 0, 0, 0, kCounterBottom, style::kWood, style::kWoodDark);
  for (double y = 26; y < kCounterBottom; y += 13) {
    cairo_move_to(cr, kWagonLeft, y);
    cairo_line_to(cr, 320, y);
  }
  stroke(cr, rgb(40, 22, 10, 0.8), 1.0);
  for (double y = 27; y < kCounterBottom; y += 13) {
    cairo_move_to(cr, kWagonLeft, y);
    cairo_line_to(cr, 320, y);
  }
  stroke(cr, rgb(170, 120, 70, 0.25), 1.0);
  speckle(cr, kWagonLeft, 0, 320 - kWagonLeft, kCounterBottom, rgb(30, 16, 6, 0.5), 1400, 7);
  speckle(cr, kWagonLeft, 0, 320 - kWagonLeft, kCounterBottom, rgb(190, 140, 90, 0.25), 700, 8);
  paintWheel(cr, 118, 250, 32);
  paintWheel(cr, 262, 250, 32);
  // The shadow under the wagon and the corner post.
  cairo_rectangle(cr, kWagonLeft, kCounterBottom, 260, 5);
  fillLinear(cr, 0, kCounterBottom, 0, kCounterBottom + 5, rgb(0, 0, 0, 0.6), rgb(0, 0, 0, 0));
  cairo_rectangle(cr, kWagonLeft - 4, 10, 9, kCounterBottom - 6);
  fillLinear(cr, kWagonLeft - 4, 0, kWagonLeft + 5, 0, rgb(150, 100, 56), rgb(60, 36, 16));
}

void paintAwning(cairo_t* cr) {
  const Colour& red = style::kRulers[0].field;
  cairo_save(cr);
  cairo_rectangle(cr, kWagonLeft - 8, 0, 330, kAwningBottom + 4);
  cairo_clip(cr);
  for (int i = 0; i * 16 + kWagonLeft - 8 < 320; ++i) {
    const double x = kWagonLeft - 8 + i * 16;
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x + 16, 0);
    cairo_line_to(cr, x + 16, kAwningBottom - 3);
    cairo_arc(cr, x + 8, kAwningBottom - 3, 8, 0, M_PI);
    cairo_close_path(cr);
    const Colour c = i % 2 ? style::kParchment : red;
    fillLinearKeep(cr, 0, 0, 0, kAwningBottom + 5, lighter(c, 0.1), darker(c, 0.35));
    stroke(cr, rgb(60, 20, 16), 0.8);
  }
  cairo_restore(cr);
}

// A lantern hanging from the awning's corner, its light warming the sky beside it.
void paintLantern(cairo_t* cr) {
  glow(cr, 40, 44, 34, rgb(255, 190, 90, 0.55));
  cairo_move_to(cr, 52, 4);
  cairo_line_to(cr, 40, 4);
  cairo_line_to(cr, 40, 30);
  stroke(cr, rgb(30, 20, 14), 1.4);
  roundedRectangle(cr, 34, 32, 12, 17, 2);
  fillRadialKeep(cr, 40, 40, 10, style::kTorchCore, style::kTorchGlow);
  stroke(cr, rgb(30, 20, 14), 1.4);
  cairo_move_to(cr, 33, 31);
  cairo_line_to(cr, 47, 31);
  cairo_line_to(cr, 40, 26);
  cairo_close_path(cr);
  setColour(cr, rgb(40, 30, 24));
  cairo_fill(cr);
}

// A sheet of parchment with a soft shadow, browned edges and a pin in each top corner.
void paintParchment(cairo_t* cr, const Area& a, unsigned seed) {
  const double x = a.left, y = a.top, w = a.width(), h = a.height();
  cairo_rectangle(cr, x + 2, y + 2, w, h);
  setColour(cr, rgb(0, 0, 0, 0.45));
  cairo_fill(cr);
  cairo_rectangle(cr, x, y, w, h);
  fillLinear(cr, x, y, x + w, y + h, rgb(244, 230, 192), rgb(226, 202, 154));
  speckle(cr, x + 1, y + 1, w - 2, h - 2, rgb(176, 140, 88, 0.35), int(w * h / 30), seed);
  cairo_rectangle(cr, x + 1.5, y + 1.5, w - 3, h - 3);
  stroke(cr, rgb(176, 140, 88, 0.7), 3);
  cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
  stroke(cr, rgb(110, 80, 44), 1);
}

// The lines between the rows of a list.
void paintRules(cairo_t* cr, const Area& list, int columnLeft) {
  for (int row = 0; row < kRows - 1; ++row) {
    const double y = rowTop(row + 1) - 0.5;
    cairo_move_to(cr, list.left + 3, y);
    cairo_line_to(cr, columnLeft - 2, y);
  }
  stroke(cr, rgb(186, 150, 100, 0.8), 1);
}

// The brass-studded column of arrows at the right of a list.
void paintButtonColumn(cairo_t* cr, int left, int right) {
  cairo_rectangle(cr, left, kFirstRowTop, right - left + 1, rowTop(kRows) - kFirstRowTop);
  fillLinear(cr, left, 0, right + 1, 0, rgb(96, 60, 28), rgb(58, 34, 14));
  for (int row = 0; row < kRows; ++row) {
    paintQuantityArrow(cr, left + 1, rowTop(row), kArrowWidth, kArrowHeight, true, false);
    paintQuantityArrow(cr, left + 1, rowTop(row) + kMoreRows, kArrowWidth, kArrowHeight, false, false);
  }
}

void pin(cairo_t* cr, double x, double y) {
  circle(cr, x, y, 2.2);
  fillBall(cr, x, y, 2.2, rgb(200, 60, 50));
}

void paintLists(cairo_t* cr) {
  paintParchment(cr, kDealerList, 3);
  paintParchment(cr, kPlayerList, 4);
  paintRules(cr, kDealerList, kDealerColumnLeft);
  paintRules(cr, kPlayerList, kPlayerColumnLeft);
  paintButtonColumn(cr, kDealerColumnLeft, kDealerColumnRight);
  paintButtonColumn(cr, kPlayerColumnLeft, kPlayerColumnRight);
  paintParchment(cr, kDealerSlip, 5);
  paintParchment(cr, kPlayerSlip, 6);
  // Pins where no text is written: below the dealer's line, and between the customer's
  // question and his total.
  pin(cr, kDealerSlip.left + 4, kDealerSlip.bottom - 4);
  pin(cr, kDealerSlip.right - 4, kDealerSlip.bottom - 4);
  pin(cr, kPlayerSlip.left + 3, kPlayerSlip.bottom - 3);
  pin(cr, 266, kPlayerSlip.top + 4);
}

void paintControls(cairo_t* cr) {
  paintSeal(cr, kConfirm.left, kConfirm.top, kConfirm.width(), false);
  paintScrollKnob(cr, kScrollUp, true);
  paintScrollKnob(cr, kScrollDown, false);
  paintExitSign(cr, kExit);
}

}  // namespace

void addRoom(ContentList& gfx) {
  Canvas canvas(320, 240);
  cairo_t* cr = canvas.cr();
  paintSky(cr);
  paintLand(cr);
  paintLantern(cr);
  paintWagon(cr);
  paintAwning(cr);
  paintLists(cr);
  paintControls(cr);
  gfx.push_back({"gfx\\shop\\bgn.jpg", encodeJpeg(canvas.rgb(false))});
}

}  // namespace shop
