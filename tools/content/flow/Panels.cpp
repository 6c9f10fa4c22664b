#include "flow/Panels.h"

#include "castle/Art.h"
#include "flow/Portraits.h"
#include "image/Style.h"

#include <cmath>

namespace flow {

namespace {

using art::fillLinear;
using art::fillRadial;
using art::glow;
using art::mix;
using art::withAlpha;

// Where the character choice draws the portraits, inside the panel.
constexpr double kNicheX[3] = {25, 109, 179}, kNicheY[3] = {45, 30, 38};

// A recessed well with a lit lower edge, for a control painted into the background.
void well(cairo_t* cr, double x, double y, double w, double h) {
  roundedRectangle(cr, x - 1.5, y - 1.5, w + 3, h + 3, 3);
  fillLinear(cr, 0, y - 1.5, 0, y + h + 1.5, rgb(10, 6, 4), rgb(150, 110, 60));
  roundedRectangle(cr, x, y, w, h, 2);
  fillVertical(cr, y, y + h, rgb(16, 10, 8), rgb(48, 32, 22));
}

void roller(cairo_t* cr, double y) {
  roundedRectangle(cr, 2, y, 316, 12, 6);
  fillVertical(cr, y, y + 12, rgb(150, 96, 50), rgb(50, 28, 12));
  cairo_rectangle(cr, 6, y + 3, 308, 1.5);
  setColour(cr, rgb(255, 220, 160, 0.35));
  cairo_fill(cr);
  for (double x : {0.0, 308.0}) {
    roundedRectangle(cr, x, y - 2, 12, 16, 3);
    fillLinear(cr, x, 0, x + 12, 0, style::kTorchCore, rgb(130, 84, 20));
  }
}

}  // namespace

void paintChoicePanel(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  roundedRectangle(cr, 1, 1, w - 2, h - 2, 10);
  fillVertical(cr, 0, h, rgb(52, 40, 70), rgb(22, 16, 34));
  speckle(cr, 6, 6, w - 12, h - 12, rgb(90, 80, 120, 0.35), int(w * h / 40), 77);
  for (int ruler = 0; ruler < 3; ++ruler) {
    const double x = kNicheX[ruler], y = kNicheY[ruler], pw = kPortraitW[ruler], ph = kPortraitH[ruler];
    glow(cr, x + pw / 2, y + ph / 2, pw * 0.85, withAlpha(style::kRulers[ruler].field, 0.55));
    archedOutline(cr, x - 4, y - 4, pw + 8, ph + 8);
    setColour(cr, rgb(12, 8, 18, 0.85));
    cairo_fill(cr);
    archedOutline(cr, x - 4, y - 4, pw + 8, ph + 8);
    cairo_set_line_width(cr, 1.2);
    setColour(cr, withAlpha(style::kRulers[ruler].metal, 0.8));
    cairo_stroke(cr);
  }
  roundedRectangle(cr, 2, 2, w - 4, h - 4, 9);
  cairo_set_line_width(cr, 2.5);
  setColour(cr, rgb(196, 152, 64));
  cairo_stroke(cr);
  roundedRectangle(cr, 5.5, 5.5, w - 11, h - 11, 6);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(120, 88, 40, 0.8));
  cairo_stroke(cr);
}

void paintSettingsScroll(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  // Behind the scroll: the dark wood of a table.
  cairo_rectangle(cr, 0, 0, 320, 240);
  fillVertical(cr, 0, 240, rgb(36, 22, 14), rgb(18, 10, 6));
  speckle(cr, 0, 0, 320, 240, rgb(90, 60, 30, 0.3), 1500, 4);
  // The scroll: old dark vellum, browned at the edges.
  cairo_rectangle(cr, 8, 14, 304, 212);
  fillLinear(cr, 0, 14, 0, 226, rgb(92, 60, 36), rgb(60, 38, 22));
  cairo_rectangle(cr, 8, 14, 304, 212);
  cairo_pattern_t* edge = cairo_pattern_create_radial(160, 120, 90, 160, 120, 200);
  cairo_pattern_add_color_stop_rgba(edge, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(edge, 1, 0.1, 0.04, 0, 0.6);
  cairo_set_source(cr, edge);
  cairo_fill(cr);
  cairo_pattern_destroy(edge);
  speckle(cr, 8, 14, 304, 212, rgb(20, 10, 4, 0.35), 2200, 5);
  speckle(cr, 8, 14, 304, 212, rgb(200, 160, 110, 0.12), 1200, 6);
  roller(cr, 6);
  roller(cr, 222);
  // A gilt rule under the title and between the two columns of settings.
  cairo_rectangle(cr, 70, 40, 180, 1.2);
  setColour(cr, withAlpha(style::kGold, 0.7));
  cairo_fill(cr);
  cairo_rectangle(cr, 150, 76, 1, 120);
  setColour(cr, withAlpha(style::kGold, 0.35));
  cairo_fill(cr);
  art::sparkle(cr, 62, 40.6, 3, withAlpha(style::kGold, 0.9));
  art::sparkle(cr, 258, 40.6, 3, withAlpha(style::kGold, 0.9));
  // The controls: the four key squares, the two switch slots and the confirm seal.
  for (const Square& s : kDirectionSquares) well(cr, s.x, s.y, kSquareSize, kSquareSize);
  for (const Square& s : {kSoundSwitch, kTurnSwitch}) well(cr, s.x, s.y, kSwitchW, kSwitchH);
  const double cx = (kConfirmLeft + kConfirmRight + 1) / 2.0, cy = (kConfirmTop + kConfirmBottom + 1) / 2.0;
  glow(cr, cx, cy, 14, rgb(255, 200, 120, 0.3));
  cairo_arc(cr, cx, cy, 9, 0, 2 * M_PI);
  fillRadial(cr, cx - 3, cy - 3, 12, rgb(110, 200, 110), rgb(20, 80, 30));
  cairo_arc(cr, cx, cy, 9, 0, 2 * M_PI);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(10, 40, 14));
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 4.5, cy);
  cairo_line_to(cr, cx - 1, cy + 4);
  cairo_line_to(cr, cx + 5, cy - 4.5);
  cairo_set_line_width(cr, 2.4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  setColour(cr, rgb(240, 255, 220));
  cairo_stroke(cr);
}

void paintArrow(Canvas& canvas, int direction) {
  cairo_t* cr = canvas.cr();
  const double angles[4] = {M_PI, 0, -M_PI / 2, M_PI / 2};  // left, right, up, down
  cairo_translate(cr, 10.5, 10.5);
  cairo_rotate(cr, angles[(direction - 4) & 3]);
  cairo_move_to(cr, 8.5, 0);
  cairo_line_to(cr, 0.5, -7.5);
  cairo_line_to(cr, 0.5, -3.5);
  cairo_line_to(cr, -8, -3.5);
  cairo_line_to(cr, -8, 3.5);
  cairo_line_to(cr, 0.5, 3.5);
  cairo_line_to(cr, 0.5, 7.5);
  cairo_close_path(cr);
  cairo_path_t* arrow = cairo_copy_path(cr);
  cairo_set_line_width(cr, 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  setColour(cr, rgb(30, 16, 6));
  cairo_stroke(cr);
  cairo_append_path(cr, arrow);
  fillLinear(cr, 0, -7, 0, 7, style::kTorchCore, rgb(200, 130, 30));
  cairo_path_destroy(arrow);
  cairo_identity_matrix(cr);
}

namespace {

// A slot with a knob at the left or the right and a lamp.
void switchPlate(cairo_t* cr, bool right, const Colour& lamp) {
  roundedRectangle(cr, 0.5, 0.5, 25, 16, 4);
  fillVertical(cr, 0, 17, rgb(70, 50, 34), rgb(26, 16, 10));
  roundedRectangle(cr, 0.5, 0.5, 25, 16, 4);
  cairo_set_line_width(cr, 1);
  setColour(cr, style::kGold);
  cairo_stroke(cr);
  const double knob = right ? 18.5 : 7.5;
  cairo_arc(cr, knob, 8.5, 5.5, 0, 2 * M_PI);
  fillRadial(cr, knob - 2, 6.5, 7, rgb(255, 236, 180), rgb(140, 90, 30));
  cairo_arc(cr, knob, 8.5, 2.6, 0, 2 * M_PI);
  fillRadial(cr, knob - 0.8, 7.7, 3, mix(lamp, rgb(255, 255, 255), 0.5), lamp);
}

}  // namespace

void paintSoundSwitch(Canvas& canvas, bool on) {
  cairo_t* cr = canvas.cr();
  switchPlate(cr, on, on ? rgb(60, 200, 60) : rgb(200, 40, 30));
  // A little horn in the free half: sounding waves when on, a cross when off.
  const double x = on ? 4 : 15;
  cairo_move_to(cr, x, 6.5);
  cairo_line_to(cr, x + 2, 6.5);
  cairo_line_to(cr, x + 5, 4);
  cairo_line_to(cr, x + 5, 13);
  cairo_line_to(cr, x + 2, 10.5);
  cairo_line_to(cr, x, 10.5);
  cairo_close_path(cr);
  setColour(cr, rgb(236, 214, 168));
  cairo_fill(cr);
  cairo_set_line_width(cr, 1);
  if (on) {
    cairo_arc(cr, x + 5, 8.5, 3, -0.9, 0.9);
    cairo_stroke(cr);
  } else {
    setColour(cr, rgb(230, 60, 50));
    cairo_move_to(cr, x + 6, 6);
    cairo_line_to(cr, x + 9, 11);
    cairo_move_to(cr, x + 9, 6);
    cairo_line_to(cr, x + 6, 11);
    cairo_stroke(cr);
  }
}

void paintTurnSwitch(Canvas& canvas, bool turned) {
  cairo_t* cr = canvas.cr();
  switchPlate(cr, turned, turned ? rgb(80, 160, 255) : rgb(150, 140, 130));
  // A half-turn arrow in the free half.
  const double x = turned ? 7 : 18.5;
  cairo_arc(cr, x, 8.5, 4, M_PI * 0.2, M_PI * 1.55);
  cairo_set_line_width(cr, 1.4);
  setColour(cr, rgb(236, 214, 168));
  cairo_stroke(cr);
  const double ax = x + 4 * std::cos(M_PI * 0.2), ay = 8.5 + 4 * std::sin(M_PI * 0.2);
  cairo_move_to(cr, ax + 2.2, ay - 1.5);
  cairo_line_to(cr, ax - 0.5, ay + 2.6);
  cairo_line_to(cr, ax - 2.6, ay - 1.4);
  cairo_close_path(cr);
  cairo_fill(cr);
}

}  // namespace flow
