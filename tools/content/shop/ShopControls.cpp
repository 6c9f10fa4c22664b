// The shop's controls: quantity arrows, the OK seal, the list's scroll knobs and the exit
// sign. The background shows them released; the pressed pictures reuse the same shapes.
#include "image/Style.h"
#include "items/Brush.h"
#include "shop/ShopParts.h"

#include <algorithm>
#include <cmath>

namespace shop {

using namespace brush;

namespace {

void trianglePath(cairo_t* cr, double x, double y, double w, double h, bool up) {
  const double tip = up ? y : y + h, base = up ? y + h : y;
  cairo_move_to(cr, x, base);
  cairo_line_to(cr, x + w, base);
  cairo_line_to(cr, x + w / 2, tip);
  cairo_close_path(cr);
}

}  // namespace

void paintQuantityArrow(cairo_t* cr, double x, double y, double w, double h, bool up, bool pressed) {
  if (pressed) {
    // Sunk into the column, the arrow lit from inside.
    cairo_rectangle(cr, x, y, w, h);
    fillLinear(cr, 0, y, 0, y + h, rgb(40, 22, 8), rgb(86, 52, 20));
    trianglePath(cr, x + 0.6, y + 2.2, w - 1.2, h - 3.6, up);
    fillLinear(cr, 0, y, 0, y + h, rgb(255, 250, 190), rgb(255, 196, 60));
    return;
  }
  trianglePath(cr, x + 0.5, y + 1.5, w - 1, h - 3, up);
  fillLinearKeep(cr, x, y, x + w, y + h, rgb(250, 220, 130), rgb(170, 118, 40));
  stroke(cr, rgb(52, 30, 10), 0.9);
}

void paintSeal(cairo_t* cr, double x, double y, double side, bool pressed) {
  const double cx = x + side / 2, cy = y + side / 2, r = side / 2 - 0.5;
  // A green wax seal in a brass ring, the tick pressed into the wax.
  circle(cr, cx, cy, r);
  fillLinear(cr, x, y, x + side, y + side, pressed ? rgb(170, 120, 40) : rgb(255, 226, 140),
             pressed ? rgb(100, 66, 20) : rgb(150, 100, 30));
  circle(cr, cx, cy, r - 2.5);
  const Colour& green = style::kRulers[2].field;
  if (pressed)
    fillRadial(cr, cx, cy + 1, r, darker(green, 0.35), darker(green, 0.6));
  else
    fillRadial(cr, cx - 3, cy - 3, r, lighter(green, 0.35), darker(green, 0.35));
  circle(cr, cx, cy, r);
  stroke(cr, rgb(44, 26, 8), 1.0);
  const double dy = pressed ? 1 : 0;
  cairo_move_to(cr, cx - 6, cy + dy);
  cairo_line_to(cr, cx - 2, cy + 4.5 + dy);
  cairo_line_to(cr, cx + 6, cy - 5 + dy);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  stroke(cr, rgb(20, 40, 20), 4.0);
  cairo_move_to(cr, cx - 6, cy + dy);
  cairo_line_to(cr, cx - 2, cy + 4.5 + dy);
  cairo_line_to(cr, cx + 6, cy - 5 + dy);
  stroke(cr, pressed ? rgb(255, 240, 150) : rgb(250, 250, 236), 2.2);
}

void paintScrollKnob(cairo_t* cr, const Area& area, bool up) {
  const double x = area.left + 1, y = area.top + 1, w = area.width() - 2, h = area.height() - 2;
  roundedRectangle(cr, x, y, w, h, 4);
  fillLinearKeep(cr, x, y, x + w, y + h, rgb(252, 224, 140), rgb(150, 100, 34));
  stroke(cr, rgb(48, 28, 8), 1.0);
  const double aw = std::min(w - 6, 10.0), ah = std::min(h - 8, 9.0);
  trianglePath(cr, x + (w - aw) / 2, y + (h - ah) / 2, aw, ah, up);
  setColour(cr, rgb(60, 34, 12));
  cairo_fill(cr);
}

void paintExitSign(cairo_t* cr, const Area& area) {
  // A small door under an arch with an arrow leading out.
  const double x = area.left + 1, y = area.top + 1, w = area.width() - 2, h = area.height() - 1;
  cairo_move_to(cr, x, y + h);
  cairo_line_to(cr, x, y + w / 2);
  cairo_arc(cr, x + w / 2, y + w / 2, w / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, x + w, y + h);
  cairo_close_path(cr);
  fillLinearKeep(cr, x, y, x + w, y, rgb(150, 96, 48), rgb(84, 50, 22));
  stroke(cr, rgb(30, 16, 6), 1.0);
  cairo_move_to(cr, x + 3, y + h * 0.6);
  cairo_line_to(cr, x + w - 4, y + h * 0.6);
  cairo_move_to(cr, x + w - 7, y + h * 0.6 - 3.5);
  cairo_line_to(cr, x + w - 3.5, y + h * 0.6);
  cairo_line_to(cr, x + w - 7, y + h * 0.6 + 3.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  stroke(cr, rgb(255, 236, 170), 1.8);
}

}  // namespace shop
