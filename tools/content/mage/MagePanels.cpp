// The mage's panels: the translucent bottom bar and its four controls, the shelf panel that
// slides out from the left with the player's ingredients, its handle, and the help panel that
// names an ingredient (in the yellow font, so it is dark) and frames its power picture.
#include "image/Style.h"
#include "mage/PaintKit.h"
#include "mage/MagePaint.h"

#include <cmath>

namespace mage {

namespace {

using namespace paintkit;

const Colour kGilt = rgb(214, 170, 72);
const Colour kGiltDark = rgb(120, 84, 32);

void buttonPlate(cairo_t* cr, const Box& box) {
  const double x = box.x0 + 1.5, y = 1.5, w = box.width() - 3, h = kBarH - 3;
  roundedRectangle(cr, x, y, w, h, 4);
  fillVertical(cr, y, y + h, rgb(86, 62, 100), rgb(34, 22, 44));
  roundedRectangle(cr, x, y, w, h, 4);
  cairo_set_line_width(cr, 1);
  setColour(cr, kGilt);
  cairo_stroke(cr);
}

void arrow(cairo_t* cr, double cx, double cy, bool up) {
  const double d = up ? -1 : 1;
  cairo_move_to(cr, cx, cy + d * 5);
  cairo_line_to(cr, cx + 6, cy - d * 3);
  cairo_line_to(cr, cx + 2.2, cy - d * 3);
  cairo_line_to(cr, cx + 2.2, cy - d * 6);
  cairo_line_to(cr, cx - 2.2, cy - d * 6);
  cairo_line_to(cr, cx - 2.2, cy - d * 3);
  cairo_line_to(cr, cx - 6, cy - d * 3);
  cairo_close_path(cr);
  fillVertical(cr, cy - 6, cy + 6, rgb(255, 236, 150), rgb(200, 140, 40));
}

// A wand with a star at its tip: cast the spell.
void wandSymbol(cairo_t* cr, double cx, double cy) {
  cairo_move_to(cr, cx - 8, cy + 6);
  cairo_line_to(cr, cx + 2, cy - 3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 2.6);
  setColour(cr, rgb(70, 40, 20));
  cairo_stroke(cr);
  twinkle(cr, cx + 4, cy - 4, 6.5, rgb(150, 255, 170));
  twinkle(cr, cx + 4, cy - 4, 3.5, rgb(255, 255, 220));
  twinkle(cr, cx - 4, cy - 5, 2.2, rgb(200, 255, 210));
  twinkle(cr, cx + 9, cy + 3, 2, rgb(200, 255, 210));
}

// A red cross: leave without casting.
void crossSymbol(cairo_t* cr, double cx, double cy, double size) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, cx - size, cy - size);
    cairo_line_to(cr, cx + size, cy + size);
    cairo_move_to(cr, cx + size, cy - size);
    cairo_line_to(cr, cx - size, cy + size);
    cairo_set_line_width(cr, pass ? 2.2 : 4.2);
    setColour(cr, pass ? rgb(240, 70, 60) : rgb(60, 10, 10));
    cairo_stroke(cr);
  }
}

void chevrons(cairo_t* cr, double cx, double cy, bool left) {
  const double d = left ? -1 : 1;
  for (int i = 0; i < 2; ++i) {
    const double x = cx + (i - 0.5) * 7 * d;
    cairo_move_to(cr, x - d * 3, cy - 4);
    cairo_line_to(cr, x + d * 2, cy);
    cairo_line_to(cr, x - d * 3, cy + 4);
  }
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  setColour(cr, rgb(60, 30, 10));
  cairo_stroke(cr);
}

}  // namespace

void paintBarBackground(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  cairo_rectangle(cr, 0, 0, kScreenW, kBarH);
  fillVertical(cr, 0, kBarH, rgb(40, 26, 56), rgb(12, 8, 20));
  speckle(cr, 0, 0, kScreenW, kBarH, rgb(110, 90, 140, 0.35), 500, 3);
  cairo_rectangle(cr, 0, 0, kScreenW, 1.5);
  setColour(cr, kGilt);
  cairo_fill(cr);
}

void paintBarSymbols(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double mid = kBarH / 2.0;
  for (const Box& box : {kScrollBack, kScrollForward, kCast, kCancel}) buttonPlate(cr, box);
  arrow(cr, (kScrollBack.x0 + kScrollBack.x1 + 1) / 2.0, mid, true);
  arrow(cr, (kScrollForward.x0 + kScrollForward.x1 + 1) / 2.0, mid, false);
  wandSymbol(cr, (kCast.x0 + kCast.x1 + 1) / 2.0, mid);
  crossSymbol(cr, (kCancel.x0 + kCancel.x1 + 1) / 2.0, mid, 4.5);
}

void paintItemPanel(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = kPanelW, h = kPanelH;
  // Dark cabinet wood; the panel is laid over the room half transparent.
  cairo_rectangle(cr, 0, 0, w, h);
  fillLinear(cr, 0, 0, w, 0, rgb(30, 18, 14), rgb(58, 36, 24));
  Dice dice(13);
  for (int i = 0; i < 40; ++i) {  // grain
    const double x = dice.between(0, w);
    cairo_move_to(cr, x, 0);
    cairo_curve_to(cr, x + dice.between(-4, 4), h * 0.3, x + dice.between(-4, 4), h * 0.7, x + dice.between(-3, 3), h);
    cairo_set_line_width(cr, dice.between(0.5, 1.5));
    setColour(cr, rgb(90, 56, 30, 0.35));
    cairo_stroke(cr);
  }
  // The head board under the handle.
  cairo_rectangle(cr, 0, 0, w, kItemTop - 1);
  fillVertical(cr, 0, kItemTop - 1, rgb(74, 46, 26), rgb(34, 20, 12));
  // One shelf board under each row of ingredients.
  for (int r = 0; r < kItemRows; ++r) {
    const double y = kItemTop + kItemRowH * (r + 1) - 3;
    glow(cr, w * 0.5, y - 18, 80, rgb(255, 190, 110, 0.06));
    cairo_rectangle(cr, 0, y, w, 4);
    fillVertical(cr, y, y + 4, rgb(150, 100, 54), rgb(70, 42, 20));
    cairo_rectangle(cr, 0, y + 4, w, 2);
    setColour(cr, rgb(10, 6, 4, 0.6));
    cairo_fill(cr);
  }
  // A gilt edge on the side that slides out, the part that stays on screen when closed.
  cairo_rectangle(cr, w - 4, 0, 4, h);
  fillLinear(cr, w - 4, 0, w, 0, kGilt, kGiltDark);
  cairo_rectangle(cr, 0, h - 2, w, 2);
  setColour(cr, kGiltDark);
  cairo_fill(cr);
}

void paintHandle(Canvas& canvas, bool open) {
  cairo_t* cr = canvas.cr();
  const double w = kHandleW, h = kHandleH;
  cairo_rectangle(cr, 0, 0, w, h);
  setColour(cr, rgb(34, 20, 12));  // the head board, so no corner shows the key colour
  cairo_fill(cr);
  roundedRectangle(cr, 0.5, 0.5, w - 1, h - 1, 4);
  fillVertical(cr, 0, h, rgb(250, 214, 120), rgb(150, 100, 36));
  roundedRectangle(cr, 0.5, 0.5, w - 1, h - 1, 4);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(80, 50, 16));
  cairo_stroke(cr);
  // Open: the arrows point left, to slide the panel shut; closed: right, to pull it out.
  chevrons(cr, w / 2, h / 2, open);
}

void paintHelpPanel(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = kHelpW, h = kHelpH;
  roundedRectangle(cr, 1, 1, w - 2, h - 2, 8);
  fillVertical(cr, 0, h, rgb(52, 40, 70), rgb(22, 16, 34));
  speckle(cr, 4, 4, w - 8, h - 8, rgb(90, 80, 120, 0.35), 500, 17);
  // The name band, kept plain so the yellow name reads on it.
  cairo_rectangle(cr, 5, 5, kHelpClose.x0 - 8, 19);
  setColour(cr, rgb(16, 10, 24, 0.7));
  cairo_fill(cr);
  // The close button.
  const Box& c = kHelpClose;
  roundedRectangle(cr, c.x0, c.y0, c.width(), c.height(), 3);
  fillVertical(cr, c.y0, c.y1 + 1, rgb(150, 50, 40), rgb(70, 16, 12));
  roundedRectangle(cr, c.x0 + 0.5, c.y0 + 0.5, c.width() - 1, c.height() - 1, 3);
  cairo_set_line_width(cr, 1);
  setColour(cr, kGilt);
  cairo_stroke(cr);
  crossSymbol(cr, (c.x0 + c.x1 + 1) / 2.0, (c.y0 + c.y1 + 1) / 2.0, 2.8);
  // The frame of the power picture.
  const Box& p = kHelpPower;
  cairo_rectangle(cr, p.x0 - 2, p.y0 - 2, p.width() + 4, p.height() + 4);
  fillVertical(cr, p.y0 - 2, p.y1 + 3, kGilt, kGiltDark);
  cairo_rectangle(cr, p.x0, p.y0, p.width(), p.height());
  fillVertical(cr, p.y0, p.y1 + 1, rgb(18, 12, 26), rgb(40, 30, 54));
  twinkle(cr, (p.x0 + p.x1) / 2.0, (p.y0 + p.y1) / 2.0, 10, rgb(90, 70, 120));
  // A flourish under the frame.
  for (double d : {-1.0, 1.0}) {
    cairo_move_to(cr, w / 2, h - 12);
    cairo_curve_to(cr, w / 2 + d * 14, h - 20, w / 2 + d * 28, h - 4, w / 2 + d * 38, h - 13);
  }
  cairo_set_line_width(cr, 1.5);
  setColour(cr, kGilt);
  cairo_stroke(cr);
  twinkle(cr, w / 2, h - 12, 4, kGilt);
  // The gilt frame.
  roundedRectangle(cr, 2, 2, w - 4, h - 4, 7);
  cairo_set_line_width(cr, 2.5);
  setColour(cr, rgb(196, 152, 64));
  cairo_stroke(cr);
}

}  // namespace mage
