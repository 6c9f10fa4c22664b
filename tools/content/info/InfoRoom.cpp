// The information room: a scholar's study at night. A great slate board in a walnut frame
// fills the room's wall; the pages are written on it in yellow and cream, so the slate stays
// dark and quiet. A bookshelf and a candle stand at its left, a pillar at its right.
#include "image/Encode.h"
#include "image/Style.h"
#include "items/Brush.h"
#include "info/InfoParts.h"

#include <cmath>

namespace info {

using namespace brush;

namespace {

// The slate's writing surface and the frame around it. The slate reaches almost to the
// screen's right edge, so a five-digit gain in the accounts ("88888 crystals", up to x 312)
// stays on it; the frame's right side shows only its inner part.
constexpr double kBoardLeft = 34, kBoardTop = 4, kBoardRight = 315, kBoardBottom = 236;
constexpr double kFrame = 6;

void paintWall(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, 320, 240);
  fillLinear(cr, 0, 0, 320, 0, rgb(44, 30, 24), rgb(24, 16, 14));
  speckle(cr, 0, 0, 320, 240, rgb(70, 50, 40, 0.5), 900, 31);
}

void paintBooks(cairo_t* cr, double shelfY, unsigned seed) {
  const Colour spines[] = {style::kRulers[0].dark, style::kRulers[1].dark, style::kRulers[2].dark,
                           rgb(90, 60, 30), rgb(70, 40, 70), rgb(110, 90, 50)};
  Scatter s(seed);
  double x = 2;
  int i = int(seed);
  while (x < 26) {
    const double w = s.between(3, 5.5), h = s.between(22, 32);
    if (x + w > 27) break;
    cairo_rectangle(cr, x, shelfY - h, w, h);
    const Colour& c = spines[size_t(i++ % 6)];
    fillLinear(cr, x, 0, x + w, 0, lighter(c, 0.25), darker(c, 0.3));
    cairo_move_to(cr, x + 0.5, shelfY - h + 4);
    cairo_line_to(cr, x + w - 0.5, shelfY - h + 4);
    stroke(cr, rgb(200, 160, 80, 0.6), 0.8);
    x += w + 0.6;
  }
  cairo_rectangle(cr, 0, shelfY, 28, 4);
  fillLinear(cr, 0, shelfY, 0, shelfY + 4, rgb(120, 80, 44), rgb(60, 36, 18));
}

// A candle on the shelf's top with the warm light it throws about.
void paintCandle(cairo_t* cr) {
  glow(cr, 15, 26, 60, rgb(255, 176, 80, 0.35));
  roundedRectangle(cr, 11, 30, 8, 22, 1.5);
  fillLinear(cr, 11, 0, 19, 0, rgb(250, 240, 214), rgb(200, 180, 150));
  cairo_move_to(cr, 15, 14);
  cairo_curve_to(cr, 19, 21, 18, 27, 15, 29);
  cairo_curve_to(cr, 12, 27, 11, 21, 15, 14);
  cairo_close_path(cr);
  fillLinear(cr, 0, 14, 0, 29, style::kTorchCore, style::kTorchGlow);
  closedEllipse(cr, 15, 52, 9, 2.5);
  fillLinear(cr, 0, 50, 0, 55, rgb(200, 160, 70), rgb(110, 80, 30));
}

void paintShelf(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, 28, 240);
  fillLinear(cr, 0, 0, 28, 0, rgb(60, 40, 26), rgb(36, 24, 16));
  cairo_rectangle(cr, 0, 54, 28, 4);
  fillLinear(cr, 0, 54, 0, 58, rgb(120, 80, 44), rgb(60, 36, 18));
  paintBooks(cr, 96, 1);
  paintBooks(cr, 182, 2);
  paintBooks(cr, 236, 3);
  paintCandle(cr);
}

void paintSlate(cairo_t* cr) {
  const double w = kBoardRight - kBoardLeft, h = kBoardBottom - kBoardTop;
  cairo_rectangle(cr, kBoardLeft, kBoardTop, w, h);
  fillLinear(cr, kBoardLeft, kBoardTop, kBoardRight, kBoardBottom, rgb(36, 46, 54), rgb(20, 26, 34));
  // Old chalk smudges, faint, and the dust of the chalk.
  Scatter s(5);
  for (int i = 0; i < 10; ++i) {
    double x = s.between(kBoardLeft + 20, kBoardRight - 20), y = s.between(kBoardTop + 20, kBoardBottom - 20);
    closedEllipse(cr, x, y, s.between(20, 50), s.between(6, 14));
    fillRadial(cr, x, y, 50, rgb(160, 180, 190, 0.06), rgb(160, 180, 190, 0));
  }
  speckle(cr, kBoardLeft, kBoardTop, w, h, rgb(150, 166, 176, 0.25), 700, 6);
  // The candle's light reaches the board's left edge.
  cairo_rectangle(cr, kBoardLeft, kBoardTop, w, h);
  fillRadial(cr, kBoardLeft, 30, 120, rgb(255, 170, 80, 0.16), rgb(255, 170, 80, 0));
  // Shade towards the corners.
  cairo_rectangle(cr, kBoardLeft, kBoardTop, w, h);
  cairo_pattern_t* shade = cairo_pattern_create_radial(170, 120, 60, 170, 120, 200);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0.35);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
}

void paintFrame(cairo_t* cr) {
  const double l = kBoardLeft - kFrame, t = kBoardTop - kFrame, r = kBoardRight + kFrame, b = kBoardBottom + kFrame;
  cairo_rectangle(cr, l, t, r - l, b - t);
  cairo_rectangle(cr, kBoardLeft, kBoardTop, kBoardRight - kBoardLeft, kBoardBottom - kBoardTop);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  fillLinear(cr, l, t, r, b, rgb(110, 72, 40), rgb(48, 28, 14));
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_rectangle(cr, kBoardLeft - 1.5, kBoardTop - 1.5, kBoardRight - kBoardLeft + 3, kBoardBottom - kBoardTop + 3);
  stroke(cr, style::kGold, 1.0);
  cairo_rectangle(cr, l + 0.5, t + 0.5, r - l - 1, b - t - 1);
  stroke(cr, rgb(20, 10, 4), 1.0);
}

}  // namespace

void addRoom(ContentList& gfx) {
  Canvas canvas(320, 240);
  cairo_t* cr = canvas.cr();
  paintWall(cr);
  paintSlate(cr);
  paintFrame(cr);
  paintShelf(cr);
  gfx.push_back({"gfx\\info\\bgn.gif", encodeGif(canvas.rgb(false))});
}

}  // namespace info
