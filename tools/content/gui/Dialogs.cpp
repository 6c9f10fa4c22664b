// The dialog panel and its two buttons: a dark slate panel in a gilt frame, on which the
// yellow dialog font reads well, and bevelled buttons, the pressed one sunk by two pixels.
#include "Content.h"
#include "image/Canvas.h"
#include "image/Encode.h"
#include "image/Paint.h"

namespace {

void paintPanel(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  roundedRectangle(cr, 1, 1, w - 2, h - 2, 9);
  fillVertical(cr, 0, h, rgb(52, 40, 70), rgb(22, 16, 34));
  speckle(cr, 6, 6, w - 12, h - 12, rgb(90, 80, 120, 0.35), int(w * h / 40), unsigned(w + h));
  roundedRectangle(cr, 2, 2, w - 4, h - 4, 8);
  cairo_set_line_width(cr, 2.5);
  setColour(cr, rgb(196, 152, 64));
  cairo_stroke(cr);
  roundedRectangle(cr, 5.5, 5.5, w - 11, h - 11, 5);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(120, 88, 40, 0.8));
  cairo_stroke(cr);
}

// The face fills the whole button but for its rounded corners, so the widest labels ("No
// Comp.", "Unassign") have it under them from edge to edge; a gilt rim runs along the top and
// the bottom only, the light catches the top row and the shade the bottom.
void paintButton(Canvas& canvas, bool pressed) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  roundedRectangle(cr, 0, 0, w, h, 3);
  fillVertical(cr, 0, h, pressed ? rgb(58, 40, 20) : rgb(150, 104, 48), pressed ? rgb(104, 72, 36) : rgb(74, 48, 20));
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(220, 176, 88));
  for (double y : {0.5, h - 0.5}) {
    cairo_move_to(cr, 3, y);
    cairo_line_to(cr, w - 3, y);
  }
  cairo_stroke(cr);
  // Light from the top left: a raised button catches it above, a sunk one below.
  setColour(cr, pressed ? rgb(20, 12, 4, 0.7) : rgb(255, 230, 170, 0.6));
  cairo_move_to(cr, 3, 1.5);
  cairo_line_to(cr, w - 3, 1.5);
  cairo_stroke(cr);
  setColour(cr, pressed ? rgb(255, 230, 170, 0.4) : rgb(20, 12, 4, 0.7));
  cairo_move_to(cr, 3, h - 2);
  cairo_line_to(cr, w - 3, h - 2);
  cairo_stroke(cr);
}

void addDialogs(ContentList& gfx, const ContentSources&) {
  Canvas panel(298, 70);
  paintPanel(panel);
  gfx.push_back({"gfx\\dialog.bmp", encodeBmp(panel.rgb(true))});
  for (bool pressed : {false, true}) {
    Canvas button(60, 24);
    paintButton(button, pressed);
    gfx.push_back({pressed ? "gfx\\gui\\button_on.bmp" : "gfx\\gui\\button_off.bmp", encodeBmp(button.rgb(true))});
  }
}

}  // namespace

CONTENT_FAMILY(dialogs, addDialogs);
