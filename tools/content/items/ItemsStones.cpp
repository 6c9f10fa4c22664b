// The items of stone, water and glass: tarn water, bog iron, cairn stone, moon silt, hail,
// ember wax, fog glass, the storm's eye, and the plain potion of an unpainted item.
#include "items/Brush.h"
#include "items/ItemArt.h"

#include <cmath>
#include <vector>

namespace items {

using namespace brush;

namespace {

// A rounded lump: an ellipse whose rim wanders in and out by up to `rough`, smoothed with
// curves through the points.
void lumpPath(cairo_t* cr, double cx, double cy, double rx, double ry, double rough, unsigned seed) {
  Scatter s(seed);
  const int n = 11;
  std::vector<Point> p;
  for (int i = 0; i < n; ++i) {
    double a = 2 * M_PI * i / n;
    double k = 1 + rough * (s.next() * 2 - 1);
    p.push_back({cx + rx * k * std::cos(a), cy + ry * k * std::sin(a)});
  }
  auto at = [&](int i) { return p[size_t((i + n) % n)]; };
  cairo_move_to(cr, p[0].x, p[0].y);
  for (int i = 0; i < n; ++i) {
    Point a = at(i - 1), b = at(i), c = at(i + 1), d = at(i + 2);
    cairo_curve_to(cr, b.x + (c.x - a.x) / 6, b.y + (c.y - a.y) / 6, c.x - (d.x - b.x) / 6, c.y - (d.y - b.y) / 6, c.x, c.y);
  }
  cairo_close_path(cr);
}

// A cork in a bottle's neck.
void cork(cairo_t* cr, const Look& look, double x, double y, double w, double h) {
  roundedRectangle(cr, x, y, w, h, 1.2);
  fillLinearKeep(cr, x, 0, x + w, 0, rgb(206, 160, 104), rgb(130, 88, 50));
  outline(cr, look, 1.0);
}

void glassShine(cairo_t* cr, double x, double y0, double y1) {
  cairo_move_to(cr, x, y0);
  cairo_curve_to(cr, x - 2.5, y0 + (y1 - y0) * 0.3, x - 2.5, y0 + (y1 - y0) * 0.7, x, y1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  stroke(cr, rgb(255, 255, 255), 1.6, 1.0);
}

// A round-bellied flask: the glass, then `liquid` up to `level` (y), cork and shine.
void flask(cairo_t* cr, const Look& look, const Colour& liquid, double level) {
  auto body = [cr] {
    cairo_move_to(cr, -4, -12);
    cairo_line_to(cr, -4, -5);
    cairo_curve_to(cr, -17, -1, -15, 19, 0, 19);
    cairo_curve_to(cr, 15, 19, 17, -1, 4, -5);
    cairo_line_to(cr, 4, -12);
    cairo_close_path(cr);
  };
  body();
  fillLinear(cr, -14, 0, 14, 0, rgb(222, 236, 242), rgb(160, 186, 200));
  cairo_save(cr);
  body();
  cairo_clip(cr);
  cairo_rectangle(cr, -20, level, 40, 30);
  fillLinear(cr, 0, level, 0, 19, lighter(liquid, 0.2), darker(liquid, 0.45));
  closedEllipse(cr, 0, level, 14, 1.6);
  setColour(cr, lighter(liquid, 0.5));
  cairo_fill(cr);
  cairo_restore(cr);
  body();
  outline(cr, look);
  closedEllipse(cr, 0, -12, 5.5, 1.8);
  setColour(cr, rgb(200, 220, 228));
  cairo_fill_preserve(cr);
  outline(cr, look, 1.0);
  cork(cr, look, -3.5, -19, 7, 7);
  glassShine(cr, -8, 2, 13);
}

}  // namespace

void paintTarnwater(cairo_t* cr, const Look& look) {
  flask(cr, look, rgb(60, 116, 156), 2);
  if (!look.small()) {
    // The hills of the tarn mirrored in its water.
    cairo_move_to(cr, -9, 7);
    cairo_line_to(cr, -4, 11);
    cairo_line_to(cr, 0, 8);
    cairo_line_to(cr, 5, 12);
    cairo_line_to(cr, 9, 7);
    stroke(cr, rgb(150, 200, 226), 0.8);
  }
}

void paintPotion(cairo_t* cr, const Look& look) { flask(cr, look, look.tint, -1); }

void paintBogiron(cairo_t* cr, const Look& look) {
  lumpPath(cr, 0, 2, 16, 13, 0.22, 41);
  cairo_pattern_t* rust = cairo_pattern_create_radial(-5, -4, 1, 0, 2, 17);
  cairo_pattern_add_color_stop_rgb(rust, 0, 0.90, 0.52, 0.28);
  cairo_pattern_add_color_stop_rgb(rust, 0.5, 0.70, 0.32, 0.14);
  cairo_pattern_add_color_stop_rgb(rust, 1, 0.36, 0.14, 0.06);
  cairo_set_source(cr, rust);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(rust);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  outline(cr, look, 1.5);
  // Pits, a bluish sheen of iron, and bright rust grains.
  Scatter s(17);
  for (int i = 0; i < (look.small() ? 4 : 12); ++i) {
    closedEllipse(cr, s.between(-12, 12), s.between(-8, 12), s.between(1, 2.4), s.between(0.8, 1.6));
    setColour(cr, rgb(70, 28, 12));
    cairo_fill(cr);
  }
  closedEllipse(cr, 4, -3, 4.5, 2.5);
  setColour(cr, rgb(96, 96, 120));
  cairo_fill(cr);
  closedEllipse(cr, 3, -4, 2.2, 0.9);
  setColour(cr, rgb(190, 196, 220));
  cairo_fill(cr);
  for (int i = 0; i < (look.small() ? 3 : 10); ++i) {
    circle(cr, s.between(-12, 6), s.between(-8, 4), look.small() ? 1.2 : 0.7);
    setColour(cr, rgb(250, 170, 110));
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void paintCairnstone(cairo_t* cr, const Look& look) {
  lumpPath(cr, 0, 2, 17, 14, 0.08, 5);
  fillBall(cr, 0, 2, 17, rgb(136, 140, 152));
  lumpPath(cr, 0, 2, 17, 14, 0.08, 5);
  outline(cr, look, 1.5);
  // A spiral carved into the stone: a dark groove lit on its lower edge.
  for (int pass = 0; pass < 2; ++pass) {
    double off = pass == 0 ? 0 : 0.7;
    for (int i = 0; i <= 60; ++i) {
      double a = i / 60.0 * 4.2 * M_PI;
      double r = 1 + 8.5 * i / 60.0;
      double x = r * std::cos(a) + off, y = 2 + r * std::sin(a) * 0.85 + off;
      if (i == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
    if (pass == 0)
      stroke(cr, rgb(52, 54, 64), 1.8, 1.0);
    else
      stroke(cr, rgb(200, 204, 216), 0.6);
    if (look.small()) break;
  }
  // Lichen on the rim.
  Scatter s(23);
  for (int i = 0; i < (look.small() ? 2 : 6); ++i) {
    double a = s.between(0.6, 2.8) + (i % 2) * M_PI;
    circle(cr, 14 * std::cos(a), 2 + 11.5 * std::sin(a), look.small() ? 1.8 : s.between(1, 2));
    setColour(cr, rgb(184, 190, 80));
    cairo_fill(cr);
  }
}

void paintMoonsilt(cairo_t* cr, const Look& look) {
  // The silver silt spilling in front of the pouch.
  cairo_move_to(cr, 0, 19);
  cairo_curve_to(cr, 3, 11, 14, 9, 18, 19);
  cairo_close_path(cr);
  fillLinearKeep(cr, 0, 10, 0, 19, rgb(240, 242, 255), rgb(150, 156, 190));
  outline(cr, look, 1.0);
  // The pouch, its ruffled neck and the tie.
  cairo_move_to(cr, -8, -8);
  cairo_curve_to(cr, -17, 0, -18, 17, -4, 17);
  cairo_curve_to(cr, 9, 17, 9, 0, 2, -8);
  cairo_close_path(cr);
  fillLinearKeep(cr, -14, 0, 8, 0, rgb(70, 84, 168), rgb(28, 32, 88));
  outline(cr, look);
  cairo_move_to(cr, -9, -9);
  cairo_line_to(cr, -12, -17);
  cairo_line_to(cr, -7, -14);
  cairo_line_to(cr, -3, -19);
  cairo_line_to(cr, 0, -14);
  cairo_line_to(cr, 4, -17);
  cairo_line_to(cr, 3, -9);
  cairo_close_path(cr);
  fillLinearKeep(cr, -10, 0, 4, 0, rgb(80, 96, 180), rgb(40, 46, 110));
  outline(cr, look, 1.0);
  roundedRectangle(cr, -10, -10, 14, 3, 1.2);
  setColour(cr, rgb(214, 186, 110));
  cairo_fill_preserve(cr);
  outline(cr, look, 0.8);
  // The crescent moon stitched on it.
  cairo_new_sub_path(cr);
  cairo_arc(cr, -4, 5, 5.5, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, -2, 3.5, 4.8, 2 * M_PI, 0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  setColour(cr, rgb(236, 238, 255));
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  if (!look.small()) {
    Scatter s(31);
    for (int i = 0; i < 8; ++i) {
      circle(cr, s.between(4, 16), s.between(13, 18), 0.5);
      setColour(cr, rgb(255, 255, 255));
      cairo_fill(cr);
    }
    sparkle(cr, 13, 6, 3, rgb(240, 244, 255));
  }
}

void paintHailstone(cairo_t* cr, const Look& look) {
  // Frost spikes round the ball.
  for (int i = 0; i < 8; ++i) {
    double a = i * M_PI / 4 + 0.2;
    double c = std::cos(a), s = std::sin(a);
    cairo_move_to(cr, 12 * c - 3.5 * s, 12 * s + 3.5 * c);
    cairo_line_to(cr, 20 * c, 20 * s);
    cairo_line_to(cr, 12 * c + 3.5 * s, 12 * s - 3.5 * c);
    cairo_close_path(cr);
    fillLinearKeep(cr, 12 * c, 12 * s, 20 * c, 20 * s, rgb(170, 206, 240), rgb(250, 254, 255));
    outline(cr, look, 0.8);
  }
  circle(cr, 0, 0, 14.5);
  cairo_pattern_t* ice = cairo_pattern_create_radial(-5, -6, 1, 0, 0, 15);
  cairo_pattern_add_color_stop_rgb(ice, 0, 1.0, 1.0, 1.0);
  cairo_pattern_add_color_stop_rgb(ice, 0.5, 0.72, 0.84, 0.95);
  cairo_pattern_add_color_stop_rgb(ice, 1, 0.40, 0.56, 0.80);
  cairo_set_source(cr, ice);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(ice);
  outline(cr, look, 1.4);
  // The layers of ice the stone grew in the storm.
  if (!look.small()) {
    for (double r : {4.5, 8.5, 12.0}) {
      closedEllipse(cr, 1, 1, r, r * 0.9);
      stroke(cr, rgb(255, 255, 255, 0.55), 0.8);
    }
  }
  sparkle(cr, -5, -6, look.small() ? 4 : 3.5, rgb(255, 255, 255));
}

void paintEmberwax(cairo_t* cr, const Look& look) {
  // A squat lump of red wax with drips down its side.
  cairo_move_to(cr, -13, -4);
  cairo_line_to(cr, -13, 15);
  cairo_curve_to(cr, -13, 19, 13, 19, 13, 15);
  cairo_line_to(cr, 13, -4);
  cairo_close_path(cr);
  fillLinearKeep(cr, -13, 0, 13, 0, rgb(206, 54, 44), rgb(104, 14, 18));
  outline(cr, look);
  const double drips[][2] = {{-8, 6}, {2, 10}, {8, 4}};
  for (const auto& d : drips) {
    cairo_move_to(cr, d[0] - 2, -4);
    cairo_line_to(cr, d[0] - 2, d[1]);
    cairo_arc_negative(cr, d[0], d[1], 2, M_PI, 0);
    cairo_line_to(cr, d[0] + 2, -4);
    cairo_close_path(cr);
    setColour(cr, rgb(226, 80, 60));
    cairo_fill_preserve(cr);
    outline(cr, look, 0.8);
  }
  closedEllipse(cr, 0, -4, 13, 4.5);
  fillLinearKeep(cr, 0, -8, 0, 0, rgb(240, 110, 84), rgb(180, 40, 34));
  outline(cr, look);
  // The coal kept alive in the wax, and its small flame.
  cairo_move_to(cr, 0, -21);
  cairo_curve_to(cr, 4, -14, 5, -10, 0, -7);
  cairo_curve_to(cr, -5, -10, -3, -14, 0, -21);
  cairo_close_path(cr);
  fillLinearKeep(cr, 0, -21, 0, -7, rgb(255, 236, 120), rgb(255, 120, 20));
  outline(cr, look, 0.8);
  lumpPath(cr, 0, -4.5, 5.5, 2.8, 0.2, 3);
  fillRadialKeep(cr, 0, -4.5, 6, rgb(255, 236, 150), rgb(220, 70, 16));
  outline(cr, look, 0.9);
}

void paintFogglass(cairo_t* cr, const Look& look) {
  // The bronze stand.
  cairo_move_to(cr, -8, 11);
  cairo_line_to(cr, 8, 11);
  cairo_line_to(cr, 12, 19);
  cairo_line_to(cr, -12, 19);
  cairo_close_path(cr);
  fillLinearKeep(cr, -12, 0, 12, 0, rgb(222, 170, 90), rgb(122, 80, 34));
  outline(cr, look);
  // The orb with fog curling inside it.
  circle(cr, 0, -3, 14);
  fillRadialKeep(cr, -3, -6, 15, rgb(214, 226, 240), rgb(104, 124, 158));
  cairo_save(cr);
  cairo_clip(cr);
  const double swirls[][6] = {{-12, 0, -4, -10, 10, -2}, {-9, 6, 0, 0, 11, 6}, {-10, -8, 2, -14, 8, -10}};
  for (const auto& w : swirls) {
    cairo_move_to(cr, w[0], w[1]);
    cairo_curve_to(cr, w[2], w[3], w[2] + 4, w[3] + 8, w[4], w[5]);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    stroke(cr, rgb(250, 252, 255, 0.9), look.small() ? 2.6 : 2.2);
    if (look.small()) break;
  }
  cairo_restore(cr);
  circle(cr, 0, -3, 14);
  outline(cr, look, 1.4);
  closedEllipse(cr, -6, -10, 3, 1.8);
  setColour(cr, rgb(255, 255, 255));
  cairo_fill(cr);
}

void paintStormeye(cairo_t* cr, const Look& look) {
  lumpPath(cr, -1, 3, 16, 14, 0.1, 12);
  fillBall(cr, -1, 3, 16, rgb(72, 80, 102));
  lumpPath(cr, -1, 3, 16, 14, 0.1, 12);
  outline(cr, look, 1.5);
  // The storm turning round its eye.
  if (!look.small()) {
    for (int arm = 0; arm < 2; ++arm) {
      for (int i = 0; i <= 20; ++i) {
        double a = arm * M_PI + i / 20.0 * 1.6 * M_PI;
        double r = 5 + 7 * i / 20.0;
        double x = -1 + r * std::cos(a), y = 3 + r * std::sin(a) * 0.8;
        if (i == 0)
          cairo_move_to(cr, x, y);
        else
          cairo_line_to(cr, x, y);
      }
      stroke(cr, rgb(140, 152, 186), 1.0);
    }
  }
  closedEllipse(cr, -1, 3, 6.5, 4);
  fillRadialKeep(cr, -1, 3, 6.5, rgb(230, 246, 255), rgb(90, 160, 236));
  outline(cr, look, 0.9);
  closedEllipse(cr, -1, 3, 1.2, 3);
  setColour(cr, rgb(16, 20, 40));
  cairo_fill(cr);
  // A bolt of lightning leaping from it.
  cairo_move_to(cr, 9, -20);
  cairo_line_to(cr, 4, -9);
  cairo_line_to(cr, 8, -9);
  cairo_line_to(cr, 4, -1);
  cairo_line_to(cr, 14, -12);
  cairo_line_to(cr, 10, -12);
  cairo_line_to(cr, 15, -20);
  cairo_close_path(cr);
  setColour(cr, rgb(255, 232, 90));
  cairo_fill_preserve(cr);
  outline(cr, look, 1.0);
}

}  // namespace items
