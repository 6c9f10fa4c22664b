// Every symbol is drawn in a 40 x 40 box around the origin and scaled to its size.
#include "castle/Symbols.h"

#include "castle/Art.h"
#include "image/Style.h"

#include <cmath>
#include <utility>

namespace castle {

namespace {

using art::fillLinear;
using art::fillRadial;
using art::mix;
using art::withAlpha;

void sword(cairo_t* cr, double angle) {
  cairo_save(cr);
  cairo_rotate(cr, angle);
  // Blade, lit along one edge.
  cairo_move_to(cr, -2.2, 8);
  cairo_line_to(cr, -2.2, -13);
  cairo_line_to(cr, 0, -18);
  cairo_line_to(cr, 2.2, -13);
  cairo_line_to(cr, 2.2, 8);
  cairo_close_path(cr);
  fillLinear(cr, -2.2, 0, 2.2, 0, rgb(240, 244, 250), rgb(120, 126, 140));
  cairo_move_to(cr, 0, -16);
  cairo_line_to(cr, 0, 7);
  cairo_set_line_width(cr, 0.6);
  setColour(cr, rgb(90, 96, 110, 0.8));
  cairo_stroke(cr);
  // Cross guard, grip and pommel.
  roundedRectangle(cr, -7, 7.5, 14, 3, 1.4);
  fillLinear(cr, 0, 7.5, 0, 10.5, style::kTorchCore, rgb(150, 100, 30));
  cairo_rectangle(cr, -1.5, 10.5, 3, 7);
  setColour(cr, rgb(92, 50, 24));
  cairo_fill(cr);
  cairo_arc(cr, 0, 19, 2.4, 0, 2 * M_PI);
  fillRadial(cr, -0.8, 18.2, 2.6, style::kTorchCore, rgb(160, 110, 30));
  cairo_restore(cr);
}

void swords(cairo_t* cr) {
  sword(cr, -0.62);
  sword(cr, 0.62);
}

void dragonHead(cairo_t* cr) {
  const Colour scale = rgb(64, 150, 84), dark = rgb(22, 66, 36);
  // Horns swept back.
  for (double dx : {0.0, 4.0}) {
    cairo_move_to(cr, -4 + dx, -8);
    cairo_curve_to(cr, -8 + dx, -14, -14 + dx, -16, -19 + dx, -15);
    cairo_curve_to(cr, -13 + dx, -12, -10 + dx, -8, -8 + dx, -4);
    cairo_close_path(cr);
    fillLinear(cr, -18, -16, -4, -6, rgb(250, 240, 210), rgb(170, 150, 110));
  }
  // Neck and head in profile, snout to the right.
  cairo_move_to(cr, -14, 18);
  cairo_curve_to(cr, -14, 6, -12, -6, -4, -9);
  cairo_curve_to(cr, 2, -11, 8, -8, 12, -5);
  cairo_curve_to(cr, 16, -3, 19, -1, 18, 3);
  cairo_curve_to(cr, 17, 6, 12, 6, 8, 6);
  cairo_curve_to(cr, 4, 7, 0, 9, -2, 18);
  cairo_close_path(cr);
  fillLinear(cr, 0, -10, 0, 18, mix(scale, rgb(220, 255, 200), 0.15), dark);
  // Jaw line, nostril and a bright eye.
  cairo_move_to(cr, 17, 3);
  cairo_curve_to(cr, 11, 3, 6, 2, 2, 4);
  cairo_set_line_width(cr, 1.0);
  setColour(cr, rgb(14, 40, 20));
  cairo_stroke(cr);
  cairo_arc(cr, 15.5, -1.5, 0.9, 0, 2 * M_PI);
  cairo_fill(cr);
  art::ellipse(cr, 3, -4.5, 2.6, 1.8);
  fillRadial(cr, 3, -4.5, 2.6, rgb(255, 250, 150), rgb(230, 140, 20));
  cairo_rectangle(cr, 2.6, -6, 0.8, 3);
  setColour(cr, rgb(20, 10, 0));
  cairo_fill(cr);
  // Spines down the neck.
  for (int i = 0; i < 4; ++i) {
    const double y = -6 + i * 5.5, x = -11 - i * 0.8;
    cairo_move_to(cr, x + 1, y - 2);
    cairo_line_to(cr, x - 4, y + 1);
    cairo_line_to(cr, x + 1, y + 2.5);
    cairo_close_path(cr);
    setColour(cr, rgb(230, 200, 120));
    cairo_fill(cr);
  }
}

void egg(cairo_t* cr) {
  // A nest of straw.
  art::ellipse(cr, 0, 12, 16, 5.5);
  fillLinear(cr, 0, 7, 0, 18, rgb(200, 160, 80), rgb(110, 74, 30));
  cairo_set_line_width(cr, 0.8);
  for (int i = 0; i < 9; ++i) {
    const double x = -14 + i * 3.5;
    cairo_move_to(cr, x, 8 + (i % 3));
    cairo_line_to(cr, x + 5, 15 - (i % 2) * 2);
    setColour(cr, rgb(236, 200, 120, 0.7));
    cairo_stroke(cr);
  }
  // The egg: warm ivory with freckles and a gloss.
  cairo_move_to(cr, 0, -17);
  cairo_curve_to(cr, 9, -17, 12, 0, 11, 6);
  cairo_curve_to(cr, 10, 13, -10, 13, -11, 6);
  cairo_curve_to(cr, -12, 0, -9, -17, 0, -17);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  fillRadial(cr, -4, -6, 18, rgb(255, 246, 220), rgb(206, 150, 90));
  art::Random random(5);
  for (int i = 0; i < 14; ++i) {
    art::ellipse(cr, random.between(-9, 9), random.between(-13, 9), random.between(0.6, 1.6), random.between(0.5, 1.2));
    setColour(cr, rgb(150, 80, 40, 0.7));
    cairo_fill(cr);
  }
  cairo_restore(cr);
  art::ellipse(cr, -4, -8, 2.5, 4.5);
  setColour(cr, rgb(255, 255, 255, 0.6));
  cairo_fill(cr);
}

void potion(cairo_t* cr) {
  // A round flask with a long neck, violet brew glowing inside.
  cairo_arc(cr, 0, 6, 12, 0, 2 * M_PI);
  cairo_move_to(cr, -4, -12);
  cairo_rectangle(cr, -4, -14, 8, 12);
  fillLinear(cr, -12, 0, 12, 0, rgb(200, 220, 240, 0.55), rgb(90, 110, 150, 0.55));
  cairo_save(cr);
  cairo_arc(cr, 0, 6, 11, 0, 2 * M_PI);
  cairo_clip(cr);
  cairo_rectangle(cr, -12, 0, 24, 20);
  fillLinear(cr, 0, 0, 0, 18, rgb(220, 120, 255), rgb(90, 20, 150));
  cairo_restore(cr);
  art::ellipse(cr, 0, 0.5, 10.6, 2);
  setColour(cr, rgb(240, 190, 255));
  cairo_fill(cr);
  roundedRectangle(cr, -5, -19, 10, 6, 1.5);
  fillLinear(cr, 0, -19, 0, -13, rgb(190, 140, 90), rgb(110, 70, 36));
  art::ellipse(cr, -5, 2, 2.2, 4.5);
  setColour(cr, rgb(255, 255, 255, 0.55));
  cairo_fill(cr);
  art::sparkle(cr, 8, -10, 4, rgb(255, 230, 255));
  art::sparkle(cr, 3, 9, 2.5, rgb(255, 240, 255));
}

void book(cairo_t* cr) {
  // An open book: leather cover below, two curved pages, lines of ink.
  cairo_move_to(cr, -19, -9);
  cairo_line_to(cr, 0, -6);
  cairo_line_to(cr, 19, -9);
  cairo_line_to(cr, 19, 13);
  cairo_line_to(cr, 0, 16);
  cairo_line_to(cr, -19, 13);
  cairo_close_path(cr);
  fillLinear(cr, 0, -9, 0, 16, rgb(150, 60, 40), rgb(80, 26, 16));
  for (int side : {-1, 1}) {
    cairo_move_to(cr, 0, -4);
    cairo_curve_to(cr, side * 6, -9, side * 12, -9, side * 17, -8);
    cairo_line_to(cr, side * 17, 11);
    cairo_curve_to(cr, side * 12, 10, side * 6, 10, 0, 14);
    cairo_close_path(cr);
    fillLinear(cr, 0, 0, side * 17, 0, rgb(200, 180, 140), style::kParchment);
    cairo_set_line_width(cr, 0.9);
    setColour(cr, withAlpha(style::kInk, 0.7));
    for (int line = 0; line < 5; ++line) {
      const double y = -4 + line * 3.4;
      cairo_move_to(cr, side * 3.5, y);
      cairo_line_to(cr, side * 14.5, y - 1.2);
    }
    cairo_stroke(cr);
  }
  // A red ribbon as a bookmark.
  cairo_move_to(cr, 1, 13);
  cairo_line_to(cr, 3, 19);
  cairo_line_to(cr, 5, 17);
  cairo_line_to(cr, 4, 12);
  cairo_close_path(cr);
  setColour(cr, rgb(210, 40, 40));
  cairo_fill(cr);
}

void exitDoor(cairo_t* cr) {
  // A stone arch, an open door leaf and an arrow pointing out.
  cairo_move_to(cr, -13, 18);
  cairo_line_to(cr, -13, -6);
  cairo_arc(cr, 0, -6, 13, M_PI, 2 * M_PI);
  cairo_line_to(cr, 13, 18);
  cairo_close_path(cr);
  fillLinear(cr, 0, -19, 0, 18, rgb(150, 140, 130), rgb(80, 72, 70));
  cairo_move_to(cr, -9, 18);
  cairo_line_to(cr, -9, -6);
  cairo_arc(cr, 0, -6, 9, M_PI, 2 * M_PI);
  cairo_line_to(cr, 9, 18);
  cairo_close_path(cr);
  fillLinear(cr, 0, -15, 0, 18, style::kSkyLow, style::kSkyMid);
  cairo_move_to(cr, -9, 18);
  cairo_line_to(cr, -9, -6);
  cairo_line_to(cr, -16, -3);
  cairo_line_to(cr, -16, 20);
  cairo_close_path(cr);
  fillLinear(cr, -16, 0, -9, 0, style::kWoodDark, style::kWood);
  cairo_move_to(cr, -4, 4);
  cairo_line_to(cr, 8, 4);
  cairo_line_to(cr, 8, -1);
  cairo_line_to(cr, 17, 7);
  cairo_line_to(cr, 8, 15);
  cairo_line_to(cr, 8, 10);
  cairo_line_to(cr, -4, 10);
  cairo_close_path(cr);
  fillLinear(cr, 0, -1, 0, 15, rgb(255, 236, 140), rgb(210, 140, 30));
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(70, 40, 10));
  cairo_move_to(cr, -4, 4);
  cairo_line_to(cr, 8, 4);
  cairo_line_to(cr, 8, -1);
  cairo_line_to(cr, 17, 7);
  cairo_line_to(cr, 8, 15);
  cairo_line_to(cr, 8, 10);
  cairo_line_to(cr, -4, 10);
  cairo_close_path(cr);
  cairo_stroke(cr);
}

void purse(cairo_t* cr) {
  // A leather purse tied at the neck, gold coins spilling in front.
  cairo_move_to(cr, -4, -10);
  cairo_curve_to(cr, -16, -4, -16, 14, -2, 15);
  cairo_curve_to(cr, 14, 15, 14, -4, 4, -10);
  cairo_close_path(cr);
  fillRadial(cr, -3, 0, 16, rgb(170, 110, 60), rgb(80, 44, 18));
  cairo_move_to(cr, -6, -16);
  cairo_line_to(cr, 0, -10);
  cairo_line_to(cr, 6, -16);
  cairo_line_to(cr, 3, -9);
  cairo_line_to(cr, -3, -9);
  cairo_close_path(cr);
  setColour(cr, rgb(130, 80, 40));
  cairo_fill(cr);
  cairo_rectangle(cr, -5, -11, 10, 2.4);
  setColour(cr, rgb(220, 170, 70));
  cairo_fill(cr);
  for (auto [x, y] : {std::pair{10.0, 13.0}, {15.0, 9.0}, {5.0, 16.0}, {-12.0, 15.0}}) {
    art::ellipse(cr, x, y, 4.2, 3.0);
    fillRadial(cr, x - 1, y - 1, 4.5, style::kTorchCore, rgb(180, 120, 20));
    art::ellipse(cr, x, y, 4.2, 3.0);
    cairo_set_line_width(cr, 0.6);
    setColour(cr, rgb(120, 70, 10));
    cairo_stroke(cr);
  }
}

}  // namespace

void paintSymbol(cairo_t* cr, hall::Room room, double x, double y, double size) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size / 40, size / 40);
  switch (room) {
    case hall::Room::Fight: swords(cr); break;
    case hall::Room::Cellar: dragonHead(cr); break;
    case hall::Room::Hatchery: egg(cr); break;
    case hall::Room::Mage: potion(cr); break;
    case hall::Room::Info: book(cr); break;
    case hall::Room::Leave: exitDoor(cr); break;
    case hall::Room::Shop: purse(cr); break;
  }
  cairo_restore(cr);
}

}  // namespace castle
