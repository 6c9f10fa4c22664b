// The mage's tower room: a round stone wall with an arched window on the night, shelves of
// jars and bottles, herbs drying under a beam, spell books on the floor and flagstones
// curving with the tower.
#include "image/Style.h"
#include "mage/PaintKit.h"
#include "mage/MagePaint.h"

#include <cmath>

namespace mage {

namespace {

using namespace paintkit;

// The floor is the lower part of an ellipse: the far wall meets it along its top arc.
constexpr double kFloorCx = 190, kFloorCy = 205, kFloorRx = 260, kFloorRy = 112;

void paintWall(cairo_t* cr) {
  stoneWall(cr, 0, 0, kScreenW, 150, 13, 28, style::kStone, style::kStoneDark, 41);
  // The tower curves away at both sides: darker towards the edges.
  cairo_rectangle(cr, 0, 0, kScreenW, 150);
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, kScreenW, 0);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0.05, 0.03, 0.08, 0.75);
  cairo_pattern_add_color_stop_rgba(shade, 0.4, 0.05, 0.03, 0.08, 0.2);
  cairo_pattern_add_color_stop_rgba(shade, 0.75, 0.05, 0.03, 0.08, 0.25);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0.05, 0.03, 0.08, 0.8);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
}

void paintFloor(cairo_t* cr) {
  cairo_save(cr);
  ellipse(cr, kFloorCx, kFloorCy, kFloorRx, kFloorRy);
  cairo_clip(cr);
  cairo_rectangle(cr, 0, 0, kScreenW, kScreenH);
  fillVertical(cr, 90, 240, rgb(62, 52, 58), rgb(36, 28, 34));
  // Flagstones: rings around the tower's middle and joints between them.
  setColour(cr, rgb(22, 16, 22, 0.8));
  cairo_set_line_width(cr, 1.2);
  for (double ring = 0.45; ring < 1.0; ring += 0.17) {
    ellipse(cr, kFloorCx, kFloorCy, kFloorRx * ring, kFloorRy * ring);
    cairo_stroke(cr);
  }
  for (int spoke = 0; spoke < 18; ++spoke) {
    const double a = M_PI + spoke * M_PI / 17.0 + (spoke % 2) * 0.05;
    cairo_move_to(cr, kFloorCx + std::cos(a) * kFloorRx * 0.45, kFloorCy + std::sin(a) * kFloorRy * 0.45);
    cairo_line_to(cr, kFloorCx + std::cos(a) * kFloorRx, kFloorCy + std::sin(a) * kFloorRy);
    cairo_stroke(cr);
  }
  speckle(cr, 0, 80, kScreenW, 160, rgb(120, 104, 110, 0.3), 900, 5);
  speckle(cr, 0, 80, kScreenW, 160, rgb(10, 6, 10, 0.4), 900, 6);
  cairo_restore(cr);
  // The foot of the wall: a dark line where wall and floor meet.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kScreenW, kFloorCy);
  cairo_clip(cr);
  ellipse(cr, kFloorCx, kFloorCy, kFloorRx, kFloorRy);
  setColour(cr, rgb(14, 10, 16, 0.9));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void paintWindow(cairo_t* cr) {
  const double x = 262, y = 8, w = 44, h = 60;
  auto arch = [&](double inset) {
    const double r = (w - 2 * inset) / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, x + inset, y + h - inset);
    cairo_line_to(cr, x + inset, y + r + inset);
    cairo_arc(cr, x + w / 2, y + r + inset, r, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + w - inset, y + h - inset);
    cairo_close_path(cr);
  };
  arch(-4);
  fillLinear(cr, x - 4, 0, x + w + 4, 0, style::kStoneLight, style::kStone);
  arch(0);
  fillVertical(cr, y, y + h, style::kSkyHigh, style::kSkyMid);
  cairo_save(cr);
  arch(0);
  cairo_clip(cr);
  glow(cr, x + 30, y + 16, 16, rgb(250, 240, 200, 0.5));
  ellipse(cr, x + 30, y + 16, 6, 6);
  setColour(cr, rgb(250, 244, 214));
  cairo_fill(cr);
  ellipse(cr, x + 33, y + 14, 5.5, 5.5);  // a crescent: the sky bites the moon
  setColour(cr, rgb(60, 48, 98));
  cairo_fill(cr);
  Dice dice(3);
  for (int i = 0; i < 9; ++i) twinkle(cr, x + dice.between(3, w - 3), y + dice.between(4, h - 14), dice.between(1, 2.4), rgb(255, 250, 220, 0.9));
  // Distant hills under the night sky.
  cairo_move_to(cr, x, y + h);
  cairo_line_to(cr, x, y + h - 12);
  cairo_curve_to(cr, x + 12, y + h - 20, x + 20, y + h - 10, x + 30, y + h - 16);
  cairo_curve_to(cr, x + 38, y + h - 21, x + 42, y + h - 14, x + w, y + h - 15);
  cairo_line_to(cr, x + w, y + h);
  setColour(cr, rgb(30, 26, 52));
  cairo_fill(cr);
  cairo_restore(cr);
  // Lead bars and the sill.
  setColour(cr, rgb(30, 24, 30, 0.9));
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, x + w / 2, y + 2);
  cairo_line_to(cr, x + w / 2, y + h);
  cairo_move_to(cr, x, y + h * 0.55);
  cairo_line_to(cr, x + w, y + h * 0.55);
  cairo_stroke(cr);
  cairo_rectangle(cr, x - 6, y + h, w + 12, 5);
  fillVertical(cr, y + h, y + h + 5, style::kStoneLight, style::kStoneDark);
}

void paintBeamWithHerbs(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, 250, 8);
  fillVertical(cr, 0, 8, style::kWood, style::kWoodDark);
  speckle(cr, 0, 0, 250, 8, rgb(30, 16, 6, 0.5), 160, 9);
  const double at[] = {58, 84, 126, 166, 228};
  const Colour leaf[] = {rgb(86, 120, 54), rgb(150, 120, 60), rgb(112, 78, 120), rgb(96, 132, 70), rgb(160, 96, 50)};
  for (int i = 0; i < 5; ++i) {
    const double x = at[i], len = 20 + (i * 7) % 9;
    setColour(cr, rgb(70, 50, 30));
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, x, 7);
    cairo_line_to(cr, x, 11);
    cairo_stroke(cr);
    // Stalks hanging head down, fanning out towards their leafy tips.
    for (int s = -3; s <= 3; ++s) {
      const double tipX = x + s * 2.2, tipY = 12 + len - std::abs(s) * 1.5;
      cairo_move_to(cr, x, 12);
      cairo_curve_to(cr, x + s * 0.5, 12 + len * 0.4, tipX, tipY - len * 0.3, tipX, tipY);
      setColour(cr, darker(leaf[i], 0.3));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      for (double t = 0.45; t < 1.0; t += 0.18) {
        const double lx = x + (tipX - x) * t, ly = 12 + (tipY - 12) * t;
        ellipse(cr, lx + (s < 0 ? -1 : 1), ly, 1.6, 2.6);
        setColour(cr, (s + int(t * 10)) % 2 ? leaf[i] : lighter(leaf[i], 0.25));
        cairo_fill(cr);
      }
    }
    setColour(cr, rgb(190, 150, 80));  // the string that ties the bundle
    cairo_rectangle(cr, x - 2.5, 10, 5, 3);
    cairo_fill(cr);
  }
}

void paintBottle(cairo_t* cr, double x, double base, double h, const Colour& liquid, bool round) {
  const double w = round ? h * 0.7 : h * 0.45;
  cairo_new_path(cr);
  if (round) {
    cairo_arc(cr, x, base - w / 2, w / 2, 0, 2 * M_PI);
    cairo_rectangle(cr, x - w * 0.13, base - h, w * 0.26, h - w * 0.8);
  } else {
    roundedRectangle(cr, x - w / 2, base - h * 0.7, w, h * 0.7, 2);
    cairo_rectangle(cr, x - w * 0.2, base - h, w * 0.4, h * 0.32);
  }
  fillLinear(cr, x - w / 2, 0, x + w / 2, 0, lighter(liquid, 0.25), darker(liquid, 0.45));
  glow(cr, x, base - w * 0.45, w * 0.9, withAlpha(liquid, 0.25));
  setColour(cr, rgb(255, 255, 255, 0.55));
  cairo_rectangle(cr, x - w * 0.3, base - (round ? w * 0.75 : h * 0.6), 1.2, round ? w * 0.35 : h * 0.4);
  cairo_fill(cr);
  setColour(cr, rgb(120, 80, 50));  // the cork
  cairo_rectangle(cr, x - w * 0.16, base - h - 2, w * 0.32, 3);
  cairo_fill(cr);
}

void paintBooks(cairo_t* cr, double x, double base, int count, unsigned seed) {
  Dice dice(seed);
  const Colour covers[] = {rgb(120, 30, 34), rgb(40, 60, 110), rgb(54, 96, 54), rgb(110, 76, 30), rgb(84, 40, 96)};
  for (int i = 0; i < count; ++i) {
    const double w = dice.between(3.5, 5.5), h = dice.between(13, 19);
    const Colour c = covers[int(dice.next() * 5) % 5];
    cairo_rectangle(cr, x, base - h, w, h);
    fillLinear(cr, x, 0, x + w, 0, lighter(c, 0.2), darker(c, 0.4));
    setColour(cr, rgb(220, 180, 90, 0.8));
    cairo_rectangle(cr, x + 0.5, base - h + 3, w - 1, 1);
    cairo_rectangle(cr, x + 0.5, base - 4, w - 1, 1);
    cairo_fill(cr);
    x += w + 0.5;
  }
}

void paintSkull(cairo_t* cr, double x, double base) {
  ellipse(cr, x, base - 7, 6, 6);
  cairo_rectangle(cr, x - 3.5, base - 4, 7, 4);
  fillRadial(cr, x - 2, base - 9, 9, rgb(236, 226, 196), rgb(150, 136, 110));
  setColour(cr, rgb(30, 20, 20));
  ellipse(cr, x - 2.3, base - 6.5, 1.6, 1.9);
  ellipse(cr, x + 2.3, base - 6.5, 1.6, 1.9);
  cairo_fill(cr);
}

void paintShelf(cairo_t* cr, double x0, double x1, double y) {
  cairo_rectangle(cr, x0, y, x1 - x0, 4);
  fillVertical(cr, y, y + 4, style::kWood, style::kWoodDark);
  setColour(cr, rgb(0, 0, 0, 0.35));
  cairo_rectangle(cr, x0, y + 4, x1 - x0, 3);
  cairo_fill(cr);
  for (double bx : {x0 + 8, x1 - 10}) {  // iron brackets
    cairo_move_to(cr, bx, y + 4);
    cairo_line_to(cr, bx + 4, y + 4);
    cairo_line_to(cr, bx, y + 12);
    cairo_close_path(cr);
    setColour(cr, rgb(40, 36, 40));
    cairo_fill(cr);
  }
}

void paintShelves(cairo_t* cr) {
  paintShelf(cr, 0, 176, 38);
  paintBottle(cr, 14, 38, 18, rgb(200, 60, 60), true);
  paintBooks(cr, 24, 38, 5, 2);
  paintBottle(cr, 58, 38, 20, rgb(70, 160, 220), false);
  paintBottle(cr, 72, 38, 14, rgb(230, 200, 70), true);
  paintSkull(cr, 89, 38);
  candle(cr, 103, 38, 9, rgb(230, 220, 190));
  paintBottle(cr, 118, 38, 22, rgb(150, 80, 200), true);
  paintBooks(cr, 130, 38, 4, 7);
  paintBottle(cr, 160, 38, 16, rgb(80, 200, 120), false);
  paintShelf(cr, 0, 150, 74);
  paintBooks(cr, 4, 74, 6, 11);
  paintBottle(cr, 40, 74, 17, rgb(90, 210, 170), true);
  paintBottle(cr, 55, 74, 22, rgb(220, 110, 40), false);
  paintBottle(cr, 70, 74, 12, rgb(220, 80, 160), true);
  candle(cr, 84, 74, 7, rgb(200, 190, 170));
  paintBooks(cr, 92, 74, 3, 13);
  paintBottle(cr, 112, 74, 19, rgb(120, 170, 240), true);
  paintBottle(cr, 128, 74, 14, rgb(240, 230, 120), false);
}

void paintFloorClutter(cairo_t* cr) {
  // A stack of spell books and a big jar of glowing mushrooms beside the cauldron.
  const Colour covers[] = {rgb(96, 30, 40), rgb(40, 56, 100), rgb(90, 70, 30), rgb(50, 86, 50)};
  for (int i = 0; i < 4; ++i) {
    const double y = 164 - i * 7, x = 52 + (i % 2) * 3, w = 34 - i * 2;
    roundedRectangle(cr, x, y, w, 7, 1.5);
    fillVertical(cr, y, y + 7, lighter(covers[i], 0.25), darker(covers[i], 0.4));
    cairo_rectangle(cr, x + w - 5, y + 1.5, 4, 4);  // the pages' edge
    setColour(cr, rgb(226, 208, 160));
    cairo_fill(cr);
    cairo_rectangle(cr, x + 4, y + 1, 1.5, 5);  // a gilt band on the spine
    cairo_rectangle(cr, x + w - 12, y + 1, 1.5, 5);
    setColour(cr, rgb(220, 180, 90));
    cairo_fill(cr);
  }
  const double jx = 98, jb = 166;
  glow(cr, jx, jb - 14, 26, rgb(120, 230, 200, 0.3));
  roundedRectangle(cr, jx - 10, jb - 28, 20, 28, 5);
  fillLinear(cr, jx - 10, 0, jx + 10, 0, rgb(120, 170, 170, 0.55), rgb(40, 70, 80, 0.7));
  for (int m = 0; m < 3; ++m) {
    const double mx = jx - 5 + m * 5, my = jb - 6 - (m % 2) * 6;
    ellipse(cr, mx, my, 3.5, 2.2);
    setColour(cr, rgb(150, 255, 220));
    cairo_fill(cr);
    cairo_rectangle(cr, mx - 0.7, my, 1.4, jb - my - 1);
    setColour(cr, rgb(200, 240, 220));
    cairo_fill(cr);
  }
  cairo_rectangle(cr, jx - 11, jb - 31, 22, 4);
  fillVertical(cr, jb - 31, jb - 27, style::kWood, style::kWoodDark);
}

}  // namespace

void paintRoom(cairo_t* cr) {
  paintWall(cr);
  paintWindow(cr);
  paintShelves(cr);
  paintFloor(cr);
  paintBeamWithHerbs(cr);
  paintFloorClutter(cr);
}

void paintVignette(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, kScreenW, kScreenH);
  cairo_pattern_t* dark = cairo_pattern_create_radial(205, 120, 90, 205, 120, 260);
  cairo_pattern_add_color_stop_rgba(dark, 0, 0.02, 0.01, 0.04, 0);
  cairo_pattern_add_color_stop_rgba(dark, 1, 0.02, 0.01, 0.04, 0.65);
  cairo_set_source(cr, dark);
  cairo_fill(cr);
  cairo_pattern_destroy(dark);
}

}  // namespace mage
