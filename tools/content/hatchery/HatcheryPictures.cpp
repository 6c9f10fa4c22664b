// The hatchery's small pictures that are not cut from the room: the two bars, the egg
// indicators, the numbered plates and the announcement plate.
#include "hatchery/HatcheryPictures.h"

#include "hatchery/Egg.h"
#include "hatchery/HatcheryLayout.h"
#include "image/Style.h"

#include <cmath>
#include <string>

namespace hatchery {

void paintBar(Canvas& canvas, const Colour& liquid) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  // A column of glowing liquid, round like the tube: light left of the middle, dark edges.
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, 0);
  const Colour dark = mix(liquid, rgb(0, 0, 0), 0.55), lit = mix(liquid, rgb(255, 255, 255), 0.55);
  cairo_pattern_add_color_stop_rgb(g, 0, dark.r, dark.g, dark.b);
  cairo_pattern_add_color_stop_rgb(g, 0.3, lit.r, lit.g, lit.b);
  cairo_pattern_add_color_stop_rgb(g, 0.55, liquid.r, liquid.g, liquid.b);
  cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Small bubbles rising in it.
  Dice dice(unsigned(liquid.b * 100) + 1);
  for (int i = 0; i < 9; ++i) {
    const double x = dice.between(3, w - 3), y = dice.between(4, h - 4), r = dice.between(0.7, 1.4);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    setColour(cr, withAlpha(lit, 0.8));
    cairo_fill(cr);
  }
  // Level marks every tenth, faint so the bar still reads as one column.
  setColour(cr, withAlpha(dark, 0.5));
  for (int i = 1; i < 10; ++i) cairo_rectangle(cr, 0, std::floor(h * i / 10.0), 3, 1);
  cairo_fill(cr);
}

void paintPlaceButton(Canvas& canvas, int place) {
  cairo_t* cr = canvas.cr();
  const double c = canvas.width() / 2.0;
  // The cup as the rack shows it, its lip catching the light, with the place's egg in it.
  cairo_arc(cr, c, c, 14, 0, 2 * M_PI);
  fillVertical(cr, 0, canvas.height(), rgb(210, 160, 84), rgb(96, 60, 24));
  cairo_arc(cr, c, c + 1, 11.5, 0, 2 * M_PI);
  cairo_pattern_t* cup = cairo_pattern_create_radial(c, c + 4, 2, c, c + 1, 12);
  cairo_pattern_add_color_stop_rgb(cup, 0, 0.55, 0.28, 0.10);
  cairo_pattern_add_color_stop_rgb(cup, 1, 0.16, 0.08, 0.04);
  cairo_set_source(cr, cup);
  cairo_fill(cr);
  cairo_pattern_destroy(cup);
  paintGlow(cr, c, c + 2, 12, rgb(255, 150, 60, 0.45));
  paintDragonEgg(cr, c, c, 8, 11, eggLookFor(place), 0.15);
}

void paintPlacePlate(Canvas& canvas, int place) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  // A brass plate on the rack, its number struck into it.
  roundedRectangle(cr, 1, 1, w - 2, h - 2, 4);
  fillVertical(cr, 0, h, rgb(238, 200, 112), rgb(136, 92, 34));
  roundedRectangle(cr, 1.5, 1.5, w - 3, h - 3, 4);
  setColour(cr, rgb(74, 44, 14));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (double x : {4.5, w - 4.5}) {
    cairo_arc(cr, x, h / 2, 1.4, 0, 2 * M_PI);
    setColour(cr, rgb(110, 70, 24));
    cairo_fill(cr);
  }
  const std::string number = std::to_string(place + 1);
  cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 15);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, number.c_str(), &extents);
  const double x = (w - extents.width) / 2 - extents.x_bearing, y = (h - extents.height) / 2 - extents.y_bearing;
  cairo_move_to(cr, x + 0.8, y + 0.8);  // the struck edge catches the light below
  setColour(cr, rgb(255, 236, 180));
  cairo_show_text(cr, number.c_str());
  cairo_move_to(cr, x, y);
  setColour(cr, rgb(60, 30, 8));
  cairo_show_text(cr, number.c_str());
}

void paintLabel(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  // A dark wooden frame round a sheet of parchment, a gilt line inside the frame.
  cairo_rectangle(cr, 0, 0, w, h);
  fillVertical(cr, 0, h, style::kWood, style::kWoodDark);
  speckle(cr, 0, 0, w, h, rgb(20, 10, 4, 0.5), 900, 61);
  roundedRectangle(cr, 5, 5, w - 10, h - 10, 6);
  cairo_pattern_t* sheet = cairo_pattern_create_radial(w / 2, h / 2, 20, w / 2, h / 2, w * 0.6);
  const Colour centre = mix(style::kParchment, rgb(255, 255, 255), 0.25);
  cairo_pattern_add_color_stop_rgb(sheet, 0, centre.r, centre.g, centre.b);
  cairo_pattern_add_color_stop_rgb(sheet, 0.6, style::kParchment.r, style::kParchment.g, style::kParchment.b);
  cairo_pattern_add_color_stop_rgb(sheet, 1, style::kParchmentEdge.r, style::kParchmentEdge.g,
                                   style::kParchmentEdge.b);
  cairo_set_source(cr, sheet);
  cairo_fill(cr);
  cairo_pattern_destroy(sheet);
  speckle(cr, 8, 8, w - 16, h - 16, rgb(150, 110, 60, 0.25), 700, 62);
  roundedRectangle(cr, 3.5, 3.5, w - 7, h - 7, 7);
  setColour(cr, style::kGold);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  roundedRectangle(cr, 9.5, 9.5, w - 19, h - 19, 4);
  setColour(cr, rgb(176, 128, 60, 0.7));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // A gilt stud in each corner, inside the inner line and clear of the widest lines of text.
  setColour(cr, rgb(150, 96, 40, 0.8));
  for (int corner = 0; corner < 4; ++corner) {
    cairo_arc(cr, corner % 2 ? w - 12.5 : 12.5, corner / 2 ? h - 12.5 : 12.5, 1.6, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

}  // namespace hatchery
