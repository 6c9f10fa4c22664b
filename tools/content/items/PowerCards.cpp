// The power card of an item, shown in the mage's help panel: the item raised in the light of
// its own magic, before the place its power comes from, in a gilt frame.
#include "items/PowerCards.h"

#include "image/Style.h"
#include "items/Brush.h"

#include <cmath>

namespace items {

using namespace brush;

namespace {

constexpr double kW = 96, kH = 120;
constexpr double kItemX = 48, kItemY = 56, kItemScale = 1.9;

void skyFill(cairo_t* cr, const Colour& top, const Colour& bottom) {
  cairo_rectangle(cr, 0, 0, kW, kH);
  fillLinear(cr, 0, 0, 0, kH, top, bottom);
}

void wavyBand(cairo_t* cr, double y, double amplitude, double phase) {
  cairo_move_to(cr, -2, y);
  for (double x = 0; x <= kW + 4; x += 4) cairo_line_to(cr, x, y + amplitude * std::sin(x * 0.12 + phase));
}

void marsh(cairo_t* cr) {
  skyFill(cr, rgb(70, 62, 96), rgb(50, 70, 56));
  // Reeds along the water, and banks of fog drifting through them.
  Scatter s(3);
  for (int i = 0; i < 16; ++i) {
    double x = s.between(2, kW - 2), top = s.between(70, 96);
    cairo_move_to(cr, x, kH);
    cairo_curve_to(cr, x, kH - 10, x + s.between(-3, 3), top + 8, x + s.between(-4, 4), top);
    stroke(cr, rgb(28, 42, 30), 1.6);
  }
  for (double y : {84.0, 100.0, 30.0}) {
    closedEllipse(cr, kW / 2 + (y - 60) * 0.3, y, 70, 6);
    fillRadial(cr, kW / 2, y, 70, rgb(220, 226, 236, 0.45), rgb(220, 226, 236, 0));
  }
}

void water(cairo_t* cr) {
  skyFill(cr, rgb(24, 44, 84), rgb(30, 96, 128));
  for (int i = 0; i < 6; ++i) {
    closedEllipse(cr, kItemX, 104, 10 + i * 9, 3 + i * 2);
    stroke(cr, rgb(150, 210, 236, 0.5 - i * 0.07), 1.0);
  }
  for (int i = 0; i < 4; ++i) {
    wavyBand(cr, 14 + i * 9, 1.5, i);
    stroke(cr, rgb(90, 150, 200, 0.35), 1.0);
  }
}

void sky(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, kW, kH);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kH);
  cairo_pattern_add_color_stop_rgb(p, 0, style::kSkyHigh.r, style::kSkyHigh.g, style::kSkyHigh.b);
  cairo_pattern_add_color_stop_rgb(p, 0.6, style::kSkyMid.r, style::kSkyMid.g, style::kSkyMid.b);
  cairo_pattern_add_color_stop_rgb(p, 1, style::kSkyLow.r, style::kSkyLow.g, style::kSkyLow.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Clouds and the wind that drives them.
  const double clouds[][3] = {{14, 96, 16}, {80, 104, 20}, {50, 112, 18}};
  for (const auto& c : clouds) {
    closedEllipse(cr, c[0], c[1], c[2], c[2] * 0.4);
    fillLinear(cr, 0, c[1] - 8, 0, c[1] + 8, rgb(250, 210, 190, 0.8), rgb(150, 100, 130, 0.8));
  }
  for (int i = 0; i < 3; ++i) {
    double y = 16 + i * 12;
    cairo_move_to(cr, 4 + i * 8, y);
    cairo_curve_to(cr, 30, y - 6, 60, y + 6, 90, y - 2);
    stroke(cr, rgb(230, 220, 250, 0.4), 1.0);
  }
}

void fire(cairo_t* cr) {
  skyFill(cr, rgb(34, 12, 16), rgb(150, 46, 14));
  // Tongues of flame along the bottom.
  Scatter s(8);
  for (int i = 0; i < 9; ++i) {
    double x = i * 12 + s.between(-3, 3), h = s.between(24, 44);
    cairo_move_to(cr, x - 9, kH);
    cairo_curve_to(cr, x - 8, kH - h * 0.5, x + 4, kH - h * 0.6, x + s.between(-2, 2), kH - h);
    cairo_curve_to(cr, x + 2, kH - h * 0.5, x + 10, kH - h * 0.4, x + 9, kH);
    cairo_close_path(cr);
    fillLinear(cr, 0, kH - h, 0, kH, rgb(255, 214, 80, 0.9), rgb(220, 60, 16, 0.9));
  }
  for (int i = 0; i < 14; ++i) {
    circle(cr, s.between(4, 92), s.between(10, 80), s.between(0.6, 1.3));
    setColour(cr, rgb(255, 180, 80, 0.9));
    cairo_fill(cr);
  }
}

void earth(cairo_t* cr) {
  skyFill(cr, rgb(30, 24, 22), rgb(86, 66, 50));
  // The stones of a cave wall, and a ring of runes on its floor.
  Scatter s(14);
  for (int i = 0; i < 18; ++i) {
    double x = s.between(0, kW), y = s.between(0, kH), r = s.between(6, 13);
    closedEllipse(cr, x, y, r, r * 0.7);
    setColour(cr, rgb(120, 100, 84, 0.18));
    cairo_fill_preserve(cr);
    stroke(cr, rgb(20, 14, 12, 0.35), 0.8);
  }
  closedEllipse(cr, kItemX, 104, 36, 8);
  stroke(cr, rgb(255, 200, 120, 0.6), 1.2);
  for (int i = 0; i < 10; ++i) {
    double a = i * 2 * M_PI / 10;
    double x = kItemX + 36 * std::cos(a), y = 104 + 8 * std::sin(a);
    cairo_move_to(cr, x - 1.5, y - 2);
    cairo_line_to(cr, x + 1.5, y);
    cairo_line_to(cr, x - 1, y + 2);
    stroke(cr, rgb(255, 214, 140, 0.8), 0.8);
  }
}

void night(cairo_t* cr) {
  skyFill(cr, rgb(10, 12, 36), rgb(44, 40, 90));
  Scatter s(21);
  for (int i = 0; i < 30; ++i) {
    circle(cr, s.between(2, 94), s.between(2, 110), s.between(0.4, 0.9));
    setColour(cr, rgb(255, 255, 230, s.between(0.5, 1)));
    cairo_fill(cr);
  }
  // The crescent moon.
  cairo_new_sub_path(cr);
  cairo_arc(cr, 80, 16, 9, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, 84, 13, 8, 2 * M_PI, 0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  setColour(cr, rgb(250, 244, 210));
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void ice(cairo_t* cr) {
  skyFill(cr, rgb(36, 62, 120), rgb(170, 210, 240));
  Scatter s(33);
  for (int i = 0; i < 12; ++i) {
    double x = s.between(4, 92), y = s.between(4, 112), r = s.between(2, 4.5);
    for (int k = 0; k < 3; ++k) {
      double a = k * M_PI / 3;
      cairo_move_to(cr, x - r * std::cos(a), y - r * std::sin(a));
      cairo_line_to(cr, x + r * std::cos(a), y + r * std::sin(a));
    }
    stroke(cr, rgb(255, 255, 255, 0.7), 0.8);
  }
  // A floor of ice.
  cairo_move_to(cr, 0, 100);
  cairo_line_to(cr, 30, 96);
  cairo_line_to(cr, 66, 98);
  cairo_line_to(cr, kW, 95);
  cairo_line_to(cr, kW, kH);
  cairo_line_to(cr, 0, kH);
  cairo_close_path(cr);
  fillLinear(cr, 0, 95, 0, kH, rgb(230, 244, 255), rgb(150, 190, 230));
}

void forest(cairo_t* cr) {
  skyFill(cr, rgb(20, 40, 30), rgb(60, 96, 50));
  // Trunks in the dusk, leaves, and fireflies.
  for (double x : {8.0, 30.0, 70.0, 90.0}) {
    cairo_rectangle(cr, x - 3, 0, 6, kH);
    setColour(cr, rgb(24, 30, 20, 0.7));
    cairo_fill(cr);
  }
  Scatter s(44);
  for (int i = 0; i < 14; ++i) {
    double x = s.between(0, kW), y = s.between(0, 50);
    closedEllipse(cr, x, y, 5, 2.2);
    setColour(cr, rgb(60, 120, 50, 0.7));
    cairo_fill(cr);
  }
  for (int i = 0; i < 8; ++i) {
    circle(cr, s.between(6, 90), s.between(20, 110), 0.9);
    setColour(cr, rgb(230, 255, 140));
    cairo_fill(cr);
  }
}

void backdrop(cairo_t* cr, PowerTheme theme) {
  switch (theme) {
    case PowerTheme::Marsh: marsh(cr); break;
    case PowerTheme::Water: water(cr); break;
    case PowerTheme::Sky: sky(cr); break;
    case PowerTheme::Fire: fire(cr); break;
    case PowerTheme::Earth: earth(cr); break;
    case PowerTheme::Night: night(cr); break;
    case PowerTheme::Ice: ice(cr); break;
    case PowerTheme::Forest: forest(cr); break;
  }
}

// The item's magic: a glow behind it, a shining ring at its feet, motes rising.
void magic(cairo_t* cr, const Colour& aura, unsigned seed) {
  glow(cr, kItemX, kItemY, 46, withAlpha(aura, 0.85));
  closedEllipse(cr, kItemX, 100, 30, 6);
  fillRadial(cr, kItemX, 100, 30, withAlpha(aura, 0.7), withAlpha(aura, 0));
  closedEllipse(cr, kItemX, 100, 26, 5);
  stroke(cr, lighter(aura, 0.5), 1.2);
  Scatter s(seed);
  for (int i = 0; i < 9; ++i) {
    double x = kItemX + s.between(-38, 38), y = s.between(8, 96);
    sparkle(cr, x, y, s.between(1.5, 3.5), lighter(aura, 0.6));
  }
}

void frame(cairo_t* cr) {
  // Darken the corners so the light gathers on the item.
  cairo_rectangle(cr, 0, 0, kW, kH);
  cairo_pattern_t* vignette = cairo_pattern_create_radial(kItemX, kItemY, 30, kItemX, kItemY, 80);
  cairo_pattern_add_color_stop_rgba(vignette, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(vignette, 1, 0, 0, 0, 0.55);
  cairo_set_source(cr, vignette);
  cairo_fill(cr);
  cairo_pattern_destroy(vignette);
  cairo_rectangle(cr, 0.5, 0.5, kW - 1, kH - 1);
  stroke(cr, rgb(40, 26, 10), 1.0);
  cairo_rectangle(cr, 2.5, 2.5, kW - 5, kH - 5);
  cairo_set_line_width(cr, 3);
  cairo_pattern_t* gilt = cairo_pattern_create_linear(0, 0, kW, kH);
  cairo_pattern_add_color_stop_rgb(gilt, 0, 0.98, 0.86, 0.48);
  cairo_pattern_add_color_stop_rgb(gilt, 0.5, 0.70, 0.50, 0.18);
  cairo_pattern_add_color_stop_rgb(gilt, 1, 0.95, 0.78, 0.36);
  cairo_set_source(cr, gilt);
  cairo_stroke(cr);
  cairo_pattern_destroy(gilt);
  cairo_rectangle(cr, 4.5, 4.5, kW - 9, kH - 9);
  stroke(cr, rgb(60, 40, 14), 1.0);
}

}  // namespace

void paintPowerCard(Canvas& canvas, const ItemArt& art, const Look& tint, unsigned seed) {
  cairo_t* cr = canvas.cr();
  cairo_save(cr);
  cairo_scale(cr, canvas.width() / kW, canvas.height() / kH);
  backdrop(cr, art.theme);
  magic(cr, art.aura, seed);
  Look look = tint;
  look.pixel = 1.0 / kItemScale;
  paintItem(cr, art, look, kItemX, kItemY, kItemScale);
  frame(cr);
  cairo_restore(cr);
}

void paintItem(cairo_t* cr, const ItemArt& art, const Look& look, double x, double y, double scale) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Look scaled = look;
  double dx = 1, dy = 0;
  cairo_device_to_user_distance(cr, &dx, &dy);
  scaled.pixel = std::hypot(dx, dy);
  art.paint(cr, scaled);
  cairo_restore(cr);
}

}  // namespace items
