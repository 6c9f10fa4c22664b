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

void paintButton(Canvas& canvas, bool pressed) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  roundedRectangle(cr, 0.5, 0.5, w - 1, h - 1, 5);
  fillVertical(cr, 0, h, pressed ? rgb(58, 40, 20) : rgb(150, 104, 48), pressed ? rgb(104, 72, 36) : rgb(74, 48, 20));
  roundedRectangle(cr, 0.5, 0.5, w - 1, h - 1, 5);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(220, 176, 88));
  cairo_stroke(cr);
  // Light from the top left: a raised button catches it above, a sunk one below.
  cairo_set_line_width(cr, 1.5);
  setColour(cr, pressed ? rgb(20, 12, 4, 0.7) : rgb(255, 230, 170, 0.6));
  cairo_move_to(cr, 4, pressed ? 3 : 2.5);
  cairo_line_to(cr, w - 4, pressed ? 3 : 2.5);
  cairo_stroke(cr);
  setColour(cr, pressed ? rgb(255, 230, 170, 0.4) : rgb(20, 12, 4, 0.7));
  cairo_move_to(cr, 4, h - 2.5);
  cairo_line_to(cr, w - 4, h - 2.5);
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
