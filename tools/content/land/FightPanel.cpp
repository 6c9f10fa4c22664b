// The fight screen's left panel (gfx\fight\map_bgn.gif) and the small pieces drawn on it:
// the distance arrow, the potion, the tax buttons, the revolt gauge, the "send a dragon"
// button, and the shared exit button.
#include "land/LandEntries.h"
#include "land/PanelKit.h"
#include "land/Scenery.h"

#include "common/Dragon.h"
#include "image/Canvas.h"
#include "image/Encode.h"
#include "image/Style.h"

#include <cmath>

namespace land {

namespace {

constexpr int kPanelWidth = 130;  // the map view starts 20 columns before the panel's end

// The panel's right edge: a wavy gilt-trimmed border over the map's first columns. Beside
// the cell line (baseline 49) it swells out to the panel's full width, so the widest cell
// and distance ("Q12: 3883 m") stays on the dark face.
double waveOf(double y) { return 117 + 6 * std::sin(y * 0.105) + 3 * std::sin(y * 0.37 + 1); }
double swellOf(double y) {
  constexpr double kTop = 32, kBottom = 48, kEase = 8;
  if (y < kTop - kEase || y > kBottom + kEase) return 0;
  if (y >= kTop && y <= kBottom) return 1;
  const double t = y < kTop ? (kTop - y) / kEase : (y - kBottom) / kEase;
  return 0.5 + 0.5 * std::cos(M_PI * t);
}
double raggedEdge(double y) { return waveOf(y) + (131.5 - waveOf(y)) * swellOf(y); }

// A faint compass rose, a watermark in the empty panel (low enough in contrast that the
// yellow text over it stays clear).
void compassRose(cairo_t* cr, double cx, double cy, double r) {
  setColour(cr, rgb(120, 100, 150, 0.16));
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4, len = i % 2 ? r * 0.55 : r;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + std::cos(a - 0.18) * r * 0.22, cy + std::sin(a - 0.18) * r * 0.22);
    cairo_line_to(cr, cx + std::cos(a) * len, cy + std::sin(a) * len);
    cairo_line_to(cr, cx + std::cos(a + 0.18) * r * 0.22, cy + std::sin(a + 0.18) * r * 0.22);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.5);
  cairo_arc(cr, cx, cy, r * 0.72, 0, 2 * M_PI);
  cairo_stroke(cr);
}

void paintMapPanel(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double h = canvas.height();
  cairo_move_to(cr, 0, 0);
  for (double y = 0; y <= h; y += 2) cairo_line_to(cr, raggedEdge(y), y);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  fillPanel(cr, 0, h, 130);
  compassRose(cr, 56, 124, 44);
  // Gilt along the ragged edge, with a darker line inside it.
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    for (double y = 0; y <= h; y += 2) {
      // The darker inner line leaves off where the edge swells round the cell line.
      if (pass && swellOf(y) > 0) cairo_new_sub_path(cr);
      else cairo_line_to(cr, raggedEdge(y) - (pass ? 4 : 1.2), y);
    }
    setColour(cr, pass ? rgb(120, 88, 40, 0.8) : kGilt);
    cairo_set_line_width(cr, pass ? 1 : 2.4);
    cairo_stroke(cr);
  }
  // Hairlines under the village's name and over the dragon row.
  for (double y : {23.5, 183.5}) {
    setLinear(cr, 2, 0, 100, 0, rgb(196, 152, 64, 0.9), rgb(196, 152, 64, 0.0));
    cairo_rectangle(cr, 2, y, 100, 1);
    cairo_fill(cr);
  }
}

void paintExit(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  // A stone arch, its open doorway, and a gold arrow leading out.
  roundedRectangle(cr, 0.5, 0.5, 15, 16, 3);
  setLinear(cr, 0, 0, 0, 17, rgb(120, 60, 50), rgb(60, 24, 24));
  cairo_fill_preserve(cr);
  setColour(cr, kGilt);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, 3.5, 14.5);
  cairo_line_to(cr, 3.5, 7);
  cairo_arc(cr, 7.5, 7, 4, M_PI, 2 * M_PI);
  cairo_line_to(cr, 11.5, 14.5);
  cairo_close_path(cr);
  setColour(cr, rgb(16, 10, 14));
  cairo_fill(cr);
  cairo_move_to(cr, 4, 10);
  cairo_line_to(cr, 9, 10);
  cairo_line_to(cr, 9, 7.5);
  cairo_line_to(cr, 13.5, 11);
  cairo_line_to(cr, 9, 14.5);
  cairo_line_to(cr, 9, 12);
  cairo_line_to(cr, 4, 12);
  cairo_close_path(cr);
  setColour(cr, kGiltLight);
  cairo_fill(cr);
}

void paintDistanceArrow(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  cairo_move_to(cr, 1, 2.5);
  cairo_line_to(cr, 74, 2.5);
  cairo_line_to(cr, 74, 0.5);
  cairo_line_to(cr, 81.5, 3.5);
  cairo_line_to(cr, 74, 6.5);
  cairo_line_to(cr, 74, 4.5);
  cairo_line_to(cr, 1, 4.5);
  cairo_close_path(cr);
  setLinear(cr, 0, 0, 82, 0, rgb(150, 110, 50), kGiltLight);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 1, 2, 5);  // the tail's notch
  setColour(cr, kGilt);
  cairo_fill(cr);
}

void paintPotion(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  // Cork, neck, round belly with a glowing violet draught and a glint.
  cairo_rectangle(cr, 3.5, 0.5, 4, 3);
  setColour(cr, rgb(150, 104, 60));
  cairo_fill(cr);
  cairo_move_to(cr, 4, 3.5);
  cairo_line_to(cr, 4, 8);
  cairo_curve_to(cr, -0.5, 10, 0, 19.5, 5.5, 19.5);
  cairo_curve_to(cr, 11, 19.5, 11.5, 10, 7, 8);
  cairo_line_to(cr, 7, 3.5);
  cairo_close_path(cr);
  setColour(cr, rgb(200, 214, 230));
  cairo_fill_preserve(cr);
  setColour(cr, rgb(30, 24, 40));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  cairo_arc(cr, 5.5, 14.2, 4.2, 0, 2 * M_PI);
  setRadial(cr, 4.5, 13, 5, rgb(236, 150, 255), rgb(110, 30, 150));
  cairo_fill(cr);
  cairo_rectangle(cr, 3, 11, 1, 3);
  setColour(cr, rgb(255, 255, 255));
  cairo_fill(cr);
}

// The tax buttons: "+" on the left ten columns, "-" on the right ten.
void paintTax(Canvas& canvas, int pressed) {
  cairo_t* cr = canvas.cr();
  for (int side = 0; side < 2; ++side) {
    const double x = side * 10;
    bevelButton(cr, x, 0, 10, 15, pressed == side);
    const double dy = pressed == side ? 1 : 0, cx = x + 5, cy = 7.5 + dy;
    setColour(cr, rgb(255, 236, 170));
    cairo_rectangle(cr, cx - 3, cy - 1, 6, 2);
    if (side == 0) cairo_rectangle(cr, cx - 1, cy - 3, 2, 6);
    cairo_fill(cr);
  }
}

// The revolt gauge: calm green at the top to angry red at the bottom, with ticks.
void paintRevoltScale(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  roundedRectangle(cr, 0.5, 0.5, 9, 87, 3);
  cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, 88);
  cairo_pattern_add_color_stop_rgb(gradient, 0, 0.25, 0.6, 0.3);
  cairo_pattern_add_color_stop_rgb(gradient, 0.5, 0.85, 0.7, 0.2);
  cairo_pattern_add_color_stop_rgb(gradient, 1, 0.75, 0.12, 0.1);
  cairo_set_source(cr, gradient);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gradient);
  setColour(cr, kGilt);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  setColour(cr, rgb(20, 14, 24, 0.7));
  for (int i = 1; i < 10; ++i) cairo_rectangle(cr, 1, 0.5 + i * 8.7, i % 5 ? 3 : 6, 1);
  cairo_fill(cr);
  cairo_rectangle(cr, 3, 2, 1.5, 84);  // a gleam
  setColour(cr, rgb(255, 255, 255, 0.3));
  cairo_fill(cr);
}

void paintRevoltMarker(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  cairo_move_to(cr, 0.5, 0.5);
  cairo_line_to(cr, 5, 4);
  cairo_line_to(cr, 0.5, 7.5);
  cairo_close_path(cr);
  cairo_move_to(cr, 19.5, 0.5);
  cairo_line_to(cr, 15, 4);
  cairo_line_to(cr, 19.5, 7.5);
  cairo_close_path(cr);
  cairo_rectangle(cr, 4, 3, 12, 2);
  setLinear(cr, 0, 0, 0, 8, kGiltLight, kGiltDark);
  cairo_fill_preserve(cr);
  setColour(cr, rgb(40, 24, 10));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

// "Send a dragon": a bronze button with a small dragon flying towards a map pin.
void paintSendDragon(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  bevelButton(cr, 0, 0, 96, 32, false);
  DragonPose pose;
  pose.x = 30;
  pose.y = 19;
  pose.scale = 0.3;
  pose.wing = 0.8;
  pose.body = rgb(200, 70, 40);
  paintDragon(cr, pose);
  // The arrow of its flight and the pin on the map.
  cairo_move_to(cr, 50, 18);
  cairo_curve_to(cr, 58, 12, 66, 12, 72, 17);
  setColour(cr, kGiltLight);
  cairo_set_line_width(cr, 1.6);
  static const double dash[] = {3, 2};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_move_to(cr, 74, 20);
  cairo_line_to(cr, 69, 18);
  cairo_line_to(cr, 73, 14);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_move_to(cr, 82, 27);
  cairo_curve_to(cr, 76, 19, 76, 12, 82, 11);
  cairo_curve_to(cr, 88, 12, 88, 19, 82, 27);
  setLinear(cr, 76, 0, 88, 0, rgb(240, 80, 60), rgb(140, 20, 20));
  cairo_fill_preserve(cr);
  setColour(cr, rgb(40, 10, 10));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_arc(cr, 82, 16, 2, 0, 2 * M_PI);
  setColour(cr, rgb(255, 240, 200));
  cairo_fill(cr);
}

template <typename Paint>
void addPicture(ContentList& gfx, const char* name, int w, int h, Paint paint, bool bmp = false) {
  Canvas canvas(w, h);
  paint(canvas);
  gfx.push_back({name, bmp ? encodeBmp(canvas.rgb(true)) : encodeGif(canvas.rgb(true))});
}

}  // namespace

void addFightPanel(ContentList& gfx) {
  addPicture(gfx, "gfx\\fight\\map_bgn.gif", kPanelWidth, 240, paintMapPanel);
  addPicture(gfx, "gfx\\exit.bmp", 16, 17, paintExit, true);
  addPicture(gfx, "gfx\\fight\\ico_arrow.gif", 82, 7, paintDistanceArrow);
  addPicture(gfx, "gfx\\fight\\ico_trank.gif", 11, 20, paintPotion);
  addPicture(gfx, "gfx\\fight\\tax_bgn.gif", 20, 15, [](Canvas& c) { paintTax(c, -1); });
  addPicture(gfx, "gfx\\fight\\tax_up.gif", 20, 15, [](Canvas& c) { paintTax(c, 0); });
  addPicture(gfx, "gfx\\fight\\tax_down.gif", 20, 15, [](Canvas& c) { paintTax(c, 1); });
  addPicture(gfx, "gfx\\fight\\revo_bgn.gif", 10, 88, paintRevoltScale);
  addPicture(gfx, "gfx\\fight\\revo_bar.gif", 20, 8, paintRevoltMarker);
  addPicture(gfx, "gfx\\fight\\ico_dragon.gif", 96, 32, paintSendDragon);
  addFightIcons(gfx);
}

}  // namespace land
