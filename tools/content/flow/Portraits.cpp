// Each bust is drawn in its own coordinates (the head's centre at the origin, the head 26
// units wide and 32 high) and scaled into the portrait.
#include "flow/Portraits.h"

#include "castle/Art.h"
#include "image/Style.h"

#include <cmath>
#include <utility>

namespace flow {

namespace {

using art::ellipse;
using art::fillLinear;
using art::fillRadial;
using art::glow;
using art::mix;
using art::withAlpha;

struct Ruler {
  Colour skin, hair, eyes;
  bool beard, longHair, scar;
  double hairLength;  // how far the hair falls below the chin
};

const Ruler kLooks[3] = {
    {rgb(238, 190, 150), rgb(140, 58, 28), rgb(70, 110, 60), true, false, false, 0},
    {rgb(248, 214, 192), rgb(34, 26, 44), rgb(60, 90, 170), false, true, false, 36},
    {rgb(212, 158, 118), rgb(214, 214, 210), rgb(90, 80, 60), true, false, true, 0},
};

void background(cairo_t* cr, const style::Heraldry& h, double w, double height) {
  cairo_rectangle(cr, 0, 0, w, height);
  fillRadial(cr, w / 2, height * 0.38, height * 0.75, mix(h.field, rgb(255, 230, 200), 0.18), h.dark);
  // A faint pattern of little lozenges in the ruler's metal.
  cairo_save(cr);
  setColour(cr, withAlpha(h.metal, 0.13));
  for (double y = 4; y < height; y += 9) {
    for (double x = (int(y / 9) % 2) * 4.5 + 2; x < w; x += 9) {
      cairo_move_to(cr, x, y - 2.2);
      cairo_line_to(cr, x + 1.6, y);
      cairo_line_to(cr, x, y + 2.2);
      cairo_line_to(cr, x - 1.6, y);
      cairo_close_path(cr);
    }
  }
  cairo_fill(cr);
  cairo_restore(cr);
  glow(cr, w / 2, height * 0.35, w * 0.55, rgb(255, 236, 200, 0.25));
}

void backHair(cairo_t* cr, const Ruler& r) {
  if (!r.longHair) return;
  cairo_move_to(cr, -15, -8);
  cairo_curve_to(cr, -22, 10, -24, 30, -20, 16 + r.hairLength);
  cairo_line_to(cr, 20, 16 + r.hairLength);
  cairo_curve_to(cr, 24, 30, 22, 10, 15, -8);
  cairo_close_path(cr);
  fillLinear(cr, -20, 0, 20, 0, mix(r.hair, rgb(120, 110, 160), 0.3), r.hair);
}

void body(cairo_t* cr, int ruler, const style::Heraldry& h, const Ruler& r) {
  // The neck.
  cairo_rectangle(cr, -6, 8, 12, 14);
  fillLinear(cr, -6, 0, 6, 0, mix(r.skin, rgb(0, 0, 0), 0.25), mix(r.skin, rgb(0, 0, 0), 0.1));
  // Shoulders in the ruler's colour, falling well below the picture.
  cairo_move_to(cr, -40, 90);
  cairo_curve_to(cr, -40, 34, -30, 22, -8, 19);
  cairo_line_to(cr, 8, 19);
  cairo_curve_to(cr, 30, 22, 40, 34, 40, 90);
  cairo_close_path(cr);
  fillLinear(cr, -40, 18, 30, 70, mix(h.field, rgb(255, 220, 200), 0.25), h.dark);
  // Folds of the cloth.
  cairo_set_line_width(cr, 1.2);
  setColour(cr, withAlpha(h.dark, 0.8));
  for (double x : {-22.0, -14.0, 14.0, 24.0}) {
    cairo_move_to(cr, x, 30);
    cairo_curve_to(cr, x * 1.1, 45, x * 1.05, 60, x * 1.15, 90);
  }
  cairo_stroke(cr);
  if (ruler == 0) {
    // An ermine collar: white fur with black tails.
    cairo_move_to(cr, -34, 36);
    cairo_curve_to(cr, -26, 20, -10, 18, 0, 26);
    cairo_curve_to(cr, 10, 18, 26, 20, 34, 36);
    cairo_curve_to(cr, 24, 32, 10, 34, 0, 40);
    cairo_curve_to(cr, -10, 34, -24, 32, -34, 36);
    cairo_close_path(cr);
    fillLinear(cr, 0, 18, 0, 40, rgb(255, 255, 250), rgb(200, 196, 190));
    setColour(cr, rgb(20, 20, 20));
    for (auto [x, y] : {std::pair{-24.0, 30.0}, {-14.0, 27.0}, {-5.0, 31.0}, {6.0, 30.0}, {16.0, 27.0}, {25.0, 31.0}}) {
      ellipse(cr, x, y, 0.9, 1.8);
      cairo_fill(cr);
    }
  } else if (ruler == 1) {
    // A silver necklace with a sapphire.
    cairo_move_to(cr, -9, 21);
    cairo_curve_to(cr, -6, 30, 6, 30, 9, 21);
    cairo_set_line_width(cr, 1.4);
    setColour(cr, h.metal);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, 28);
    cairo_line_to(cr, 3, 32);
    cairo_line_to(cr, 0, 36);
    cairo_line_to(cr, -3, 32);
    cairo_close_path(cr);
    fillRadial(cr, -1, 31, 4, rgb(180, 210, 255), rgb(20, 40, 140));
    // The gown's silver-trimmed neckline.
    cairo_move_to(cr, -24, 24);
    cairo_curve_to(cr, -12, 40, 12, 40, 24, 24);
    cairo_set_line_width(cr, 2);
    setColour(cr, h.metal);
    cairo_stroke(cr);
  } else {
    // A brown fur collar and a bronze brooch holding the cloak.
    for (double side : {-1.0, 1.0}) {
      cairo_move_to(cr, side * 6, 19);
      cairo_curve_to(cr, side * 20, 18, side * 34, 24, side * 38, 36);
      cairo_curve_to(cr, side * 28, 34, side * 16, 34, side * 4, 40);
      cairo_close_path(cr);
      fillLinear(cr, 0, 18, 0, 40, rgb(150, 110, 70), rgb(80, 54, 30));
    }
    cairo_arc(cr, 0, 38, 4.5, 0, 2 * M_PI);
    fillRadial(cr, -1.5, 36.5, 5, rgb(255, 220, 160), h.metal);
  }
}

void face(cairo_t* cr, const Ruler& r) {
  // Ears, then the head: a broad brow narrowing to the chin.
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, side * 13, 1, 3, 4.5);
    setColour(cr, mix(r.skin, rgb(120, 40, 20), 0.15));
    cairo_fill(cr);
  }
  cairo_move_to(cr, 0, -17);
  cairo_curve_to(cr, 10, -17, 14, -10, 13.5, -1);
  cairo_curve_to(cr, 13, 8, 8, 15, 0, 17);
  cairo_curve_to(cr, -8, 15, -13, 8, -13.5, -1);
  cairo_curve_to(cr, -14, -10, -10, -17, 0, -17);
  cairo_close_path(cr);
  fillRadial(cr, -4, -5, 22, mix(r.skin, rgb(255, 250, 240), 0.3), mix(r.skin, rgb(90, 40, 20), 0.3));
  // Cheeks, nose and its shadow.
  for (double side : {-1.0, 1.0}) glow(cr, side * 7, 5, 5, rgb(230, 90, 80, 0.3));
  cairo_move_to(cr, 0.5, -4);
  cairo_curve_to(cr, 1.5, 1, 2.5, 4, 2.5, 5.5);
  cairo_curve_to(cr, 1.5, 7, -0.5, 7, -1.5, 6);
  cairo_set_line_width(cr, 0.9);
  setColour(cr, withAlpha(mix(r.skin, rgb(60, 20, 10), 0.6), 0.8));
  cairo_stroke(cr);
  // The eyes: white, coloured iris, pupil, a glint and the lid's line.
  for (double side : {-1.0, 1.0}) {
    const double x = side * 5.5, y = -3;
    ellipse(cr, x, y, 3, 1.7);
    setColour(cr, rgb(250, 248, 240));
    cairo_fill(cr);
    cairo_arc(cr, x + 0.3, y, 1.5, 0, 2 * M_PI);
    setColour(cr, r.eyes);
    cairo_fill(cr);
    cairo_arc(cr, x + 0.3, y, 0.7, 0, 2 * M_PI);
    setColour(cr, rgb(10, 8, 8));
    cairo_fill(cr);
    cairo_arc(cr, x - 0.3, y - 0.6, 0.45, 0, 2 * M_PI);
    setColour(cr, rgb(255, 255, 255));
    cairo_fill(cr);
    cairo_move_to(cr, x - 3.2, y + 0.2);
    cairo_curve_to(cr, x - 2, y - 2.2, x + 2, y - 2.2, x + 3.2, y - 0.2);
    cairo_set_line_width(cr, r.longHair ? 1.1 : 0.8);
    setColour(cr, rgb(40, 20, 14));
    cairo_stroke(cr);
    // Brows: heavy for the men, fine for the queen.
    cairo_move_to(cr, x - side * 3.5, y - 3.2 + (r.longHair ? 0 : 0.4));
    cairo_curve_to(cr, x - side * 1, y - 4.8, x + side * 1.5, y - 4.8, x + side * 3.8, y - 3.6);
    cairo_set_line_width(cr, r.longHair ? 0.8 : 1.7);
    setColour(cr, mix(r.hair, rgb(30, 20, 10), 0.35));
    cairo_stroke(cr);
  }
  if (r.scar) {
    cairo_move_to(cr, 3, -10);
    cairo_line_to(cr, 8, 2);
    cairo_set_line_width(cr, 0.9);
    setColour(cr, rgb(160, 70, 60, 0.8));
    cairo_stroke(cr);
  }
  // The mouth.
  cairo_move_to(cr, -3.5, 10);
  cairo_curve_to(cr, -1.5, 11.2, 1.5, 11.2, 3.5, 10);
  cairo_set_line_width(cr, r.longHair ? 1.5 : 1.0);
  setColour(cr, r.longHair ? rgb(190, 50, 60) : rgb(140, 60, 50));
  cairo_stroke(cr);
}

void beard(cairo_t* cr, const Ruler& r, double length) {
  const Colour light = mix(r.hair, rgb(255, 240, 220), 0.3), dark = mix(r.hair, rgb(0, 0, 0), 0.35);
  cairo_move_to(cr, -13, 0);
  cairo_curve_to(cr, -13, 10, -9, 15, -3, 12.5);
  cairo_curve_to(cr, -1, 12, 1, 12, 3, 12.5);
  cairo_curve_to(cr, 9, 15, 13, 10, 13, 0);
  cairo_curve_to(cr, 15, 14, 8, 17 + length, 0, 19 + length);
  cairo_curve_to(cr, -8, 17 + length, -15, 14, -13, 0);
  cairo_close_path(cr);
  fillLinear(cr, 0, 0, 0, 19 + length, light, dark);
  cairo_set_line_width(cr, 0.6);
  setColour(cr, withAlpha(dark, 0.8));
  for (double x = -8; x <= 8; x += 3) {
    cairo_move_to(cr, x, 13);
    cairo_curve_to(cr, x * 0.9, 15 + length * 0.4, x * 0.6, 16 + length * 0.8, x * 0.4, 17 + length);
  }
  cairo_stroke(cr);
  // The moustache over the lip.
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 0, 8);
    cairo_curve_to(cr, side * 3, 7, side * 6, 8, side * 7.5, 11);
    cairo_curve_to(cr, side * 5, 10, side * 2, 10, 0, 9.8);
    cairo_close_path(cr);
  }
  setColour(cr, light);
  cairo_fill(cr);
  cairo_move_to(cr, -2.5, 11.2);
  cairo_curve_to(cr, -1, 12, 1, 12, 2.5, 11.2);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(130, 50, 40));
  cairo_stroke(cr);
}

void topHair(cairo_t* cr, const Ruler& r) {
  const Colour light = mix(r.hair, rgb(255, 240, 220), 0.25), dark = mix(r.hair, rgb(0, 0, 0), 0.3);
  cairo_move_to(cr, -14, 2);
  cairo_curve_to(cr, -16, -14, -8, -21, 0, -21);
  cairo_curve_to(cr, 8, -21, 16, -14, 14, 2);
  cairo_curve_to(cr, 12, -6, 10, -9, 6, -11);
  cairo_curve_to(cr, 2, -9, -4, -10, -8, -12);
  cairo_curve_to(cr, -10, -9, -12, -6, -14, 2);
  cairo_close_path(cr);
  fillLinear(cr, -10, -21, 8, 0, light, dark);
  cairo_set_line_width(cr, 0.6);
  setColour(cr, withAlpha(dark, 0.7));
  for (double x = -10; x <= 10; x += 3.3) {
    cairo_move_to(cr, x * 0.3, -20);
    cairo_curve_to(cr, x * 0.8, -16, x, -12, x * 1.2, -8);
  }
  cairo_stroke(cr);
}

void crown(cairo_t* cr, int ruler, const style::Heraldry& h) {
  const Colour bright = mix(h.metal, rgb(255, 255, 240), 0.5), deep = mix(h.metal, rgb(0, 0, 0), 0.45);
  if (ruler == 0) {
    // A tall golden crown with five points, each tipped with a pearl, rubies on the band.
    cairo_move_to(cr, -14, -14);
    const double points[5] = {-12, -6, 0, 6, 12};
    cairo_line_to(cr, -15, -28);
    for (int i = 0; i < 5; ++i) {
      cairo_line_to(cr, points[i], i % 2 ? -25 : -31);
      if (i < 4) cairo_line_to(cr, (points[i] + points[i + 1]) / 2, -22);
    }
    cairo_line_to(cr, 15, -28);
    cairo_line_to(cr, 14, -14);
    cairo_close_path(cr);
    fillLinear(cr, -15, -31, 10, -14, bright, deep);
    for (int i = 0; i < 5; ++i) {
      cairo_arc(cr, points[i], (i % 2 ? -25 : -31) - 1, 1.3, 0, 2 * M_PI);
      setColour(cr, rgb(255, 250, 235));
      cairo_fill(cr);
    }
    cairo_rectangle(cr, -14.5, -19, 29, 5);
    fillLinear(cr, 0, -19, 0, -14, bright, deep);
    for (double x : {-8.0, 0.0, 8.0}) {
      ellipse(cr, x, -16.5, 1.8, 1.6);
      fillRadial(cr, x - 0.5, -17, 2, rgb(255, 160, 160), rgb(150, 0, 20));
    }
  } else if (ruler == 1) {
    // A fine silver tiara rising to a sapphire.
    cairo_move_to(cr, -13, -13);
    cairo_curve_to(cr, -8, -17, -4, -24, 0, -27);
    cairo_curve_to(cr, 4, -24, 8, -17, 13, -13);
    cairo_curve_to(cr, 8, -15, -8, -15, -13, -13);
    cairo_close_path(cr);
    fillLinear(cr, -13, -27, 10, -13, bright, deep);
    ellipse(cr, 0, -19, 2.4, 3);
    fillRadial(cr, -0.7, -20, 3, rgb(190, 220, 255), rgb(20, 40, 150));
    art::sparkle(cr, -2, -25, 2.6, rgb(255, 255, 255));
  } else {
    // A bronze war crown: a band with leaf-shaped points, rough and old.
    cairo_move_to(cr, -15, -12);
    cairo_line_to(cr, -15, -20);
    for (int i = 0; i < 4; ++i) {
      const double x = -11 + i * 7.3;
      cairo_curve_to(cr, x - 3, -24, x - 1, -28, x, -30);
      cairo_curve_to(cr, x + 1, -28, x + 3, -24, x + 3.6, -20);
    }
    cairo_line_to(cr, 15, -20);
    cairo_line_to(cr, 15, -12);
    cairo_close_path(cr);
    fillLinear(cr, -15, -30, 10, -12, bright, deep);
    cairo_rectangle(cr, -15, -17, 30, 1.2);
    setColour(cr, withAlpha(deep, 0.9));
    cairo_fill(cr);
    ellipse(cr, 0, -15, 2, 1.6);
    fillRadial(cr, -0.5, -15.5, 2.2, rgb(160, 255, 170), rgb(10, 90, 40));
  }
}

void frontHair(cairo_t* cr, const Ruler& r) {
  if (!r.longHair) return;
  // Locks falling past the cheeks onto the shoulders.
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, side * 2, -17);
    cairo_curve_to(cr, side * 14, -18, side * 17, -6, side * 16, 6);
    cairo_curve_to(cr, side * 16, 18, side * 20, 28, side * 22, 16 + r.hairLength);
    cairo_curve_to(cr, side * 17, 30, side * 13, 20, side * 12.5, 6);
    cairo_curve_to(cr, side * 12, -6, side * 8, -12, side * 2, -14);
    cairo_close_path(cr);
    fillLinear(cr, side * 4, -18, side * 20, 40, mix(r.hair, rgb(150, 140, 200), 0.35), r.hair);
  }
}

}  // namespace

void archedOutline(cairo_t* cr, double x, double y, double w, double h) {
  const double r = w / 2;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + r, y + r, r, M_PI, 2 * M_PI);
  cairo_line_to(cr, x + w, y + h - 5);
  cairo_arc(cr, x + w - 5, y + h - 5, 5, 0, M_PI / 2);
  cairo_arc(cr, x + 5, y + h - 5, 5, M_PI / 2, M_PI);
  cairo_close_path(cr);
}

void paintPortrait(Canvas& canvas, int ruler) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  const style::Heraldry& heraldry = style::kRulers[ruler];
  const Ruler& look = kLooks[ruler];
  cairo_save(cr);
  archedOutline(cr, 1, 1, w - 2, h - 2);
  cairo_clip(cr);
  background(cr, heraldry, w, h);
  // Where the head sits and how large the bust is in this picture.
  const double scale[3] = {1.15, 0.98, 1.12};
  const double headY[3] = {40, 46, 44};
  cairo_translate(cr, w / 2, headY[ruler]);
  cairo_scale(cr, scale[ruler], scale[ruler]);
  backHair(cr, look);
  body(cr, ruler, heraldry, look);
  face(cr, look);
  if (look.beard) beard(cr, look, ruler == 2 ? 14 : 5);
  topHair(cr, look);
  frontHair(cr, look);
  crown(cr, ruler, heraldry);
  cairo_restore(cr);
  // The miniature's rim in the ruler's metal.
  cairo_set_line_width(cr, 2.2);
  archedOutline(cr, 1.5, 1.5, w - 3, h - 3);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, w, h);
  const Colour a = mix(heraldry.metal, rgb(255, 255, 255), 0.4), b = mix(heraldry.metal, rgb(0, 0, 0), 0.4);
  cairo_pattern_add_color_stop_rgb(rim, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(rim, 1, b.r, b.g, b.b);
  cairo_set_source(cr, rim);
  cairo_stroke(cr);
  cairo_pattern_destroy(rim);
}

}  // namespace flow
