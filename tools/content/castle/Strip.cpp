// The castle's navigation: the dark bar laid translucently over the bottom of the hall,
// the strip of room symbols on it, and the dealer's corner (the merchant, or his empty
// place).
#include "castle/Strip.h"

#include "castle/Art.h"
#include "castle/Symbols.h"
#include "image/Style.h"

#include <cmath>

namespace castle {

using art::fillLinear;
using art::fillRadial;

void paintNavigationBar(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  cairo_rectangle(cr, 0, 0, 320, 40);
  fillVertical(cr, 0, 40, rgb(40, 26, 18), rgb(12, 8, 6));
  // Planks of dark wood with a gilt rail along the top.
  art::Random random(8);
  for (double x = 0; x < 320; x += 64) {
    cairo_move_to(cr, x + random.between(-4, 4) + 0.5, 3);
    cairo_line_to(cr, x + random.between(-4, 4) + 0.5, 40);
  }
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(0, 0, 0, 0.6));
  cairo_stroke(cr);
  for (int i = 0; i < 30; ++i) {
    const double y = random.between(5, 38);
    cairo_move_to(cr, random.between(0, 300), y);
    cairo_rel_line_to(cr, random.between(10, 40), random.between(-0.5, 0.5));
  }
  cairo_set_line_width(cr, 0.6);
  setColour(cr, rgb(90, 60, 36, 0.5));
  cairo_stroke(cr);
  cairo_rectangle(cr, 0, 0, 320, 3);
  fillVertical(cr, 0, 3, style::kTorchCore, rgb(140, 96, 30));
}

namespace {

// A bronze medallion with a dark face, the room's symbol on it.
void medallion(cairo_t* cr, double x, double y, double radius) {
  cairo_arc(cr, x + 1, y + 1.5, radius, 0, 2 * M_PI);
  setColour(cr, rgb(0, 0, 0, 0.8));
  cairo_fill(cr);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  fillRadial(cr, x - radius * 0.35, y - radius * 0.4, radius * 1.4, rgb(255, 226, 150), rgb(110, 68, 20));
  cairo_arc(cr, x, y, radius - 2.6, 0, 2 * M_PI);
  fillRadial(cr, x, y - radius * 0.3, radius, rgb(78, 60, 70), rgb(26, 18, 24));
  cairo_arc(cr, x, y, radius - 2.6, 0, 2 * M_PI);
  cairo_set_line_width(cr, 0.8);
  setColour(cr, rgb(60, 36, 10));
  cairo_stroke(cr);
}

}  // namespace

void paintSymbolStrip(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  for (int i = 0; i < 6; ++i) {
    const double x = hall::kSymbolWidth * i + hall::kSymbolWidth / 2.0, y = 26;
    medallion(cr, x, y, 21);
    paintSymbol(cr, hall::kStripOrder[i], x, y, 31);
  }
}

namespace {

void merchant(cairo_t* cr, double x, double y) {
  // Shoulders in a green travelling coat with a gold chain.
  cairo_move_to(cr, x - 17, y + 22);
  cairo_curve_to(cr, x - 16, y + 10, x - 9, y + 7, x, y + 7);
  cairo_curve_to(cr, x + 9, y + 7, x + 16, y + 10, x + 17, y + 22);
  cairo_close_path(cr);
  fillLinear(cr, 0, y + 7, 0, y + 22, rgb(70, 130, 90), rgb(24, 60, 36));
  cairo_move_to(cr, x - 8, y + 10);
  cairo_curve_to(cr, x - 4, y + 17, x + 4, y + 17, x + 8, y + 10);
  cairo_set_line_width(cr, 1.2);
  setColour(cr, style::kGold);
  cairo_stroke(cr);
  // The round, cheerful face with a curled moustache.
  art::ellipse(cr, x, y - 1, 8, 9);
  fillRadial(cr, x - 2, y - 4, 11, rgb(250, 210, 170), rgb(190, 120, 80));
  for (double side : {-1.0, 1.0}) {
    cairo_arc(cr, x + side * 3.2, y - 2, 0.9, 0, 2 * M_PI);
    setColour(cr, rgb(30, 20, 14));
    cairo_fill(cr);
    cairo_move_to(cr, x, y + 2.5);
    cairo_curve_to(cr, x + side * 3, y + 1.5, x + side * 5, y + 3.5, x + side * 6, y + 1.5);
    cairo_set_line_width(cr, 1.4);
    setColour(cr, rgb(90, 50, 24));
    cairo_stroke(cr);
    art::glow(cr, x + side * 5, y + 1, 3, rgb(230, 100, 90, 0.5));
  }
  cairo_move_to(cr, x - 2.5, y + 5);
  cairo_curve_to(cr, x - 1, y + 6.5, x + 1, y + 6.5, x + 2.5, y + 5);
  cairo_set_line_width(cr, 0.8);
  setColour(cr, rgb(120, 40, 30));
  cairo_stroke(cr);
  // A wide-brimmed hat with a feather.
  art::ellipse(cr, x, y - 8, 14, 3.5);
  fillLinear(cr, 0, y - 12, 0, y - 4, rgb(150, 40, 44), rgb(80, 16, 20));
  cairo_move_to(cr, x - 8, y - 8);
  cairo_curve_to(cr, x - 8, y - 19, x + 8, y - 19, x + 8, y - 8);
  cairo_close_path(cr);
  fillLinear(cr, 0, y - 18, 0, y - 8, rgb(190, 60, 60), rgb(100, 20, 24));
  cairo_rectangle(cr, x - 8, y - 11, 16, 2);
  setColour(cr, style::kGold);
  cairo_fill(cr);
  cairo_move_to(cr, x + 5, y - 11);
  cairo_curve_to(cr, x + 12, y - 20, x + 16, y - 20, x + 18, y - 22);
  cairo_curve_to(cr, x + 15, y - 15, x + 11, y - 12, x + 6, y - 10);
  cairo_close_path(cr);
  fillLinear(cr, x + 5, 0, x + 18, 0, rgb(255, 250, 220), rgb(220, 200, 120));
}

}  // namespace

void paintDealer(Canvas& canvas, bool present) {
  cairo_t* cr = canvas.cr();
  const double x = 25, y = 26, radius = 22;
  medallion(cr, x, y, radius);
  cairo_save(cr);
  cairo_arc(cr, x, y, radius - 2.8, 0, 2 * M_PI);
  cairo_clip(cr);
  if (present) {
    art::glow(cr, x, y, radius, rgb(255, 210, 120, 0.6));
    merchant(cr, x, y + 1);
    paintSymbol(cr, hall::Room::Shop, x + 11, y + 13, 13);
  } else {
    // Only his empty stool and the marks of his cart in the dust.
    art::ellipse(cr, x, y + 10, 9, 2.5);
    setColour(cr, rgb(70, 52, 40, 0.8));
    cairo_fill(cr);
    cairo_rectangle(cr, x - 7, y + 10, 2, 8);
    cairo_rectangle(cr, x + 5, y + 10, 2, 8);
    setColour(cr, rgb(56, 40, 30, 0.8));
    cairo_fill(cr);
    cairo_arc(cr, x, y - 4, 8, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1.2);
    setColour(cr, rgb(140, 120, 110, 0.35));
    cairo_stroke(cr);
    for (int spoke = 0; spoke < 4; ++spoke) {
      const double a = spoke * M_PI / 4;
      cairo_move_to(cr, x + std::cos(a) * 8, y - 4 + std::sin(a) * 8);
      cairo_line_to(cr, x - std::cos(a) * 8, y - 4 - std::sin(a) * 8);
    }
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

}  // namespace castle
