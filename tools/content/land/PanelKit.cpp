#include "land/PanelKit.h"

#include "land/Scenery.h"

namespace land {

void fillPanel(cairo_t* cr, double y0, double y1, unsigned seed) {
  double x1, y1box, x2, y2;
  cairo_path_extents(cr, &x1, &y1box, &x2, &y2);
  cairo_save(cr);
  setLinear(cr, 0, y0, 0, y1, kPanelTop, kPanelBottom);
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  speckle(cr, x1, y1box, x2 - x1, y2 - y1box, rgb(96, 84, 128, 0.35), int((x2 - x1) * (y2 - y1box) / 30), seed);
  cairo_restore(cr);
}

void framedPanel(cairo_t* cr, double x, double y, double w, double h, double radius, unsigned seed, bool hairline) {
  roundedRectangle(cr, x + 1, y + 1, w - 2, h - 2, radius);
  fillPanel(cr, y, y + h, seed);
  roundedRectangle(cr, x + 1.5, y + 1.5, w - 3, h - 3, radius);
  cairo_set_line_width(cr, 2.2);
  setColour(cr, kGilt);
  cairo_stroke(cr);
  if (!hairline) return;
  roundedRectangle(cr, x + 4.5, y + 4.5, w - 9, h - 9, radius > 3 ? radius - 3 : 1);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(120, 88, 40, 0.8));
  cairo_stroke(cr);
}

void bevelButton(cairo_t* cr, double x, double y, double w, double h, bool pressed) {
  roundedRectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1, 4);
  setLinear(cr, 0, y, 0, y + h, pressed ? rgb(58, 40, 20) : rgb(150, 104, 48), pressed ? rgb(104, 72, 36) : rgb(74, 48, 20));
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(220, 176, 88));
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1);
  setColour(cr, pressed ? rgb(20, 12, 4, 0.7) : rgb(255, 230, 170, 0.6));
  cairo_move_to(cr, x + 3, y + 2);
  cairo_line_to(cr, x + w - 3, y + 2);
  cairo_stroke(cr);
  setColour(cr, pressed ? rgb(255, 230, 170, 0.4) : rgb(20, 12, 4, 0.7));
  cairo_move_to(cr, x + 3, y + h - 2);
  cairo_line_to(cr, x + w - 3, y + h - 2);
  cairo_stroke(cr);
}

void groove(cairo_t* cr, double x, double y, double w, double h) {
  roundedRectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1, 2);
  setLinear(cr, x, 0, x + w, 0, rgb(8, 6, 14), rgb(40, 32, 52));
  cairo_fill_preserve(cr);
  setColour(cr, kGilt);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

}  // namespace land
