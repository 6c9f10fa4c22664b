// The items that come from creatures: eel skin, frog spawn, feathers, amber, glow worm,
// otter's fang and the dragon's scale.
#include "items/Brush.h"
#include "items/ItemArt.h"

#include <cmath>
#include <vector>

namespace items {

using namespace brush;

namespace {

// A feather along a curve: `vane(t)` gives the half width at t (0 the quill, 1 the tip).
template <typename Vane>
void featherPath(cairo_t* cr, const Point (&curve)[4], std::vector<Point>& spine, Vane vane) {
  std::vector<double> half;
  spine.clear();
  for (int i = 0; i <= 24; ++i) {
    double t = i / 24.0;
    spine.push_back(bezier(curve[0], curve[1], curve[2], curve[3], t));
    half.push_back(vane(t));
  }
  bandPath(cr, spine.data(), half.data(), int(spine.size()));
}

void strokeAlong(cairo_t* cr, const std::vector<Point>& spine, size_t from, size_t to) {
  cairo_move_to(cr, spine[from].x, spine[from].y);
  for (size_t i = from + 1; i <= to; ++i) cairo_line_to(cr, spine[i].x, spine[i].y);
}

}  // namespace

void paintEelskin(cairo_t* cr, const Look& look) {
  std::vector<Point> spine, back, belly;
  std::vector<double> half, stripe;
  for (int i = 0; i <= 30; ++i) {
    double t = i / 30.0;
    spine.push_back(bezier({-17, -11}, {2, -25}, {-4, 23}, {17, 9}, t));
    half.push_back(t < 0.08 ? 2.6 + 30 * t : 5.2 * (1 - t) + 0.8);
  }
  // The dark back runs along one edge of the skin and the pale belly along the other.
  for (size_t i = 0; i < spine.size(); ++i) {
    const Point& a = spine[i ? i - 1 : 0];
    const Point& b = spine[i + 1 < spine.size() ? i + 1 : i];
    double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
    double nx = -dy / l, ny = dx / l;
    back.push_back({spine[i].x - nx * half[i] * 0.45, spine[i].y - ny * half[i] * 0.45});
    belly.push_back({spine[i].x + nx * half[i] * 0.5, spine[i].y + ny * half[i] * 0.5});
    stripe.push_back(half[i] * 0.4);
  }
  bandPath(cr, spine.data(), half.data(), int(spine.size()));
  fillLinearKeep(cr, -15, -15, 15, 15, rgb(150, 146, 70), rgb(104, 100, 44));
  cairo_save(cr);
  cairo_clip_preserve(cr);
  outline(cr, look);
  bandPath(cr, back.data(), stripe.data(), int(back.size()));
  setColour(cr, rgb(70, 66, 28));
  cairo_fill(cr);
  bandPath(cr, belly.data(), stripe.data(), int(belly.size()));
  setColour(cr, rgb(214, 204, 132));
  cairo_fill(cr);
  // The creases of the dried skin.
  if (!look.small()) {
    for (size_t i = 5; i < 28; i += 3) {
      const Point& p = spine[i];
      const Point& q = spine[i + 1];
      double dx = q.x - p.x, dy = q.y - p.y, l = std::hypot(dx, dy);
      cairo_move_to(cr, p.x - dy / l * 5, p.y + dx / l * 5);
      cairo_line_to(cr, p.x + dy / l * 5, p.y - dx / l * 5);
      stroke(cr, rgb(60, 56, 24), 0.5);
    }
  }
  cairo_restore(cr);
  // The head: a round eye and the line of the mouth; a frill of fin at the tail.
  circle(cr, spine[2].x + 0.4, spine[2].y - 1.4, look.small() ? 1.6 : 1.5);
  setColour(cr, rgb(250, 240, 190));
  cairo_fill_preserve(cr);
  outline(cr, look, 0.6);
  circle(cr, spine[2].x + 0.6, spine[2].y - 1.4, 0.7);
  setColour(cr, kLine);
  cairo_fill(cr);
  cairo_move_to(cr, spine[0].x, spine[0].y + 0.5);
  cairo_line_to(cr, spine[3].x, spine[3].y + 1.5);
  stroke(cr, kLine, 0.6, 0.7);
  cairo_move_to(cr, spine[25].x - 1, spine[25].y + 3);
  cairo_line_to(cr, spine[30].x + 3, spine[30].y + 4);
  cairo_line_to(cr, spine[30].x + 2, spine[30].y - 2);
  cairo_close_path(cr);
  setColour(cr, rgb(176, 170, 96));
  cairo_fill_preserve(cr);
  outline(cr, look, 0.8);
}

void paintFrogspawn(cairo_t* cr, const Look& look) {
  // The jar: a glass body, a neck and a cork.
  roundedRectangle(cr, -12, -10, 24, 29, 5);
  fillLinearKeep(cr, -12, 0, 12, 0, rgb(200, 226, 214), rgb(134, 172, 160));
  outline(cr, look);
  roundedRectangle(cr, -10, -6, 20, 23, 4);
  fillLinearKeep(cr, 0, -6, 0, 17, rgb(196, 224, 150), rgb(120, 168, 96));
  cairo_save(cr);
  cairo_clip(cr);
  // Eggs: black yolks in pale jelly.
  const double step = look.small() ? 6.5 : 4.4;
  int row = 0;
  for (double y = -3; y < 18; y += step * 0.86, ++row) {
    for (double x = -9 + (row % 2) * step / 2; x < 10; x += step) {
      circle(cr, x, y, step * 0.42);
      setColour(cr, rgb(226, 240, 210));
      cairo_fill(cr);
      circle(cr, x, y, step * 0.2);
      setColour(cr, rgb(24, 26, 20));
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
  cairo_rectangle(cr, -9, -14, 18, 5);
  fillLinearKeep(cr, -9, 0, 9, 0, rgb(206, 228, 220), rgb(140, 176, 166));
  outline(cr, look);
  roundedRectangle(cr, -7, -20, 14, 7, 1.5);
  fillLinearKeep(cr, -7, 0, 7, 0, rgb(196, 150, 96), rgb(122, 84, 48));
  outline(cr, look);
  // The shine on the glass.
  cairo_move_to(cr, -9, -5);
  cairo_curve_to(cr, -10, 2, -10, 9, -8.5, 15);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  stroke(cr, rgb(255, 255, 255), 1.6, 1.0);
}

void paintOwlquill(cairo_t* cr, const Look& look) {
  const Point curve[4] = {{-13, 19}, {-5, 6}, {4, -8}, {13, -19}};
  std::vector<Point> spine;
  auto vane = [](double t) { return t < 0.18 ? 0.7 : t < 0.45 ? 0.7 + 7.5 * (t - 0.18) / 0.27 : t < 0.85 ? 8.2 - 2 * (t - 0.45) : 7.4 * (1 - t) / 0.15; };
  featherPath(cr, curve, spine, vane);
  fillLinearKeep(cr, -10, 10, 10, -10, rgb(214, 180, 130), rgb(176, 134, 84));
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_new_path(cr);
  // The owl's brown bars across the vane.
  for (size_t i = 6; i < 24; i += look.small() ? 4 : 3) {
    const Point& p = spine[i];
    const Point& q = spine[i + 1];
    double dx = q.x - p.x, dy = q.y - p.y, l = std::hypot(dx, dy);
    cairo_move_to(cr, p.x - dy / l * 10 + dx / l * 2, p.y + dx / l * 10 + dy / l * 2);
    cairo_line_to(cr, p.x + dy / l * 10 - dx / l * 2, p.y - dx / l * 10 - dy / l * 2);
    stroke(cr, rgb(104, 70, 40), 1.6, 1.0);
  }
  cairo_restore(cr);
  featherPath(cr, curve, spine, vane);
  outline(cr, look);
  // Two splits in the vane, and the pale shaft.
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  for (size_t i : {11u, 17u}) {
    const Point& p = spine[i];
    cairo_move_to(cr, p.x + 9, p.y + 6);
    cairo_line_to(cr, p.x + 2.5, p.y + 1.5);
    cairo_line_to(cr, p.x + 9, p.y + 3);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  strokeAlong(cr, spine, 0, 23);
  stroke(cr, rgb(246, 236, 210), 1.0, 0.8);
}

void paintHeronplume(cairo_t* cr, const Look& look) {
  const Point curve[4] = {{7, 20}, {14, 0}, {-14, -2}, {-9, -20}};
  std::vector<Point> spine;
  auto vane = [](double t) { return t < 0.12 ? 0.7 : t < 0.35 ? 0.7 + 4.8 * (t - 0.12) / 0.23 : 5.5 - 4.7 * (t - 0.35) / 0.65; };
  // Wispy barbs stand out of the vane's edges.
  if (!look.small()) {
    featherPath(cr, curve, spine, vane);
    cairo_new_path(cr);
    for (size_t i = 4; i < 24; i += 2) {
      const Point& p = spine[i];
      const Point& q = spine[i + 1];
      double dx = q.x - p.x, dy = q.y - p.y, l = std::hypot(dx, dy);
      double w = vane(i / 24.0) + 3.0;
      for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, p.x + side * -dy / l * w + dx / l * 3, p.y + side * dx / l * w + dy / l * 3);
      }
    }
    stroke(cr, rgb(176, 186, 206), 1.1);
  }
  featherPath(cr, curve, spine, vane);
  fillLinearKeep(cr, -8, 0, 8, 0, rgb(240, 242, 248), rgb(170, 180, 198));
  outline(cr, look);
  // The black streak of the crest along the middle.
  strokeAlong(cr, spine, 5, 23);
  stroke(cr, rgb(30, 32, 40), 1.8, 1.0);
  strokeAlong(cr, spine, 0, 6);
  stroke(cr, rgb(236, 228, 200), 0.9, 0.8);
}

void paintAmberdrop(cairo_t* cr, const Look& look) {
  cairo_move_to(cr, 0, -19);
  cairo_curve_to(cr, 5, -10, 13, -4, 13, 5);
  cairo_curve_to(cr, 13, 13, 7, 18, 0, 18);
  cairo_curve_to(cr, -7, 18, -13, 13, -13, 5);
  cairo_curve_to(cr, -13, -4, -5, -10, 0, -19);
  cairo_close_path(cr);
  cairo_pattern_t* amber = cairo_pattern_create_radial(-3, 2, 1, 0, 5, 16);
  cairo_pattern_add_color_stop_rgb(amber, 0, 1.0, 0.86, 0.44);
  cairo_pattern_add_color_stop_rgb(amber, 0.55, 0.93, 0.58, 0.12);
  cairo_pattern_add_color_stop_rgb(amber, 1, 0.62, 0.30, 0.04);
  cairo_set_source(cr, amber);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(amber);
  outline(cr, look);
  // A little fly caught in the resin long ago.
  setColour(cr, rgb(90, 44, 10, 0.85));
  closedEllipse(cr, 1, 6, 2.2, 3.4);
  cairo_fill(cr);
  if (!look.small()) {
    setColour(cr, rgb(250, 220, 150, 0.6));
    closedEllipse(cr, -2.5, 3.5, 2.6, 1.4);
    closedEllipse(cr, 4.5, 3.5, 2.6, 1.4);
    cairo_fill(cr);
    for (double side : {-1.0, 1.0}) {
      for (double y : {5.0, 7.0, 9.0}) {
        cairo_move_to(cr, 1 + side * 1.8, y);
        cairo_line_to(cr, 1 + side * 4, y + 1.5);
      }
    }
    stroke(cr, rgb(90, 44, 10, 0.85), 0.5);
  }
  // Light on the drop.
  cairo_move_to(cr, -8, 0);
  cairo_curve_to(cr, -8, -5, -5, -9, -3, -12);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  stroke(cr, rgb(255, 244, 200), 1.8, 1.0);
  circle(cr, -7, 6, look.small() ? 1.4 : 1.0);
  setColour(cr, rgb(255, 250, 226));
  cairo_fill(cr);
}

void paintGlowworm(cairo_t* cr, const Look& look) {
  // The handle of the reed cage.
  cairo_move_to(cr, -5, -13);
  cairo_curve_to(cr, -5, -22, 5, -22, 5, -13);
  stroke(cr, kLine, 3.0, 2.0);
  cairo_move_to(cr, -5, -13);
  cairo_curve_to(cr, -5, -22, 5, -22, 5, -13);
  stroke(cr, rgb(196, 164, 100), 1.4, 0.8);
  // The light inside the cage.
  cairo_move_to(cr, -10, -12);
  cairo_curve_to(cr, -13, -2, -13, 6, -11, 15);
  cairo_line_to(cr, 11, 15);
  cairo_curve_to(cr, 13, 6, 13, -2, 10, -12);
  cairo_close_path(cr);
  fillRadialKeep(cr, 0, 2, 14, rgb(255, 255, 210), rgb(150, 190, 60));
  outline(cr, look);
  // The worm, glowing brightest at its tail.
  std::vector<Point> spine;
  std::vector<double> half;
  for (int i = 0; i <= 14; ++i) {
    spine.push_back(bezier({-5, 10}, {-9, 0}, {8, 6}, {3, -7}, i / 14.0));
    half.push_back(1.9 - 0.5 * i / 14.0);
  }
  bandPath(cr, spine.data(), half.data(), int(spine.size()));
  fillLinearKeep(cr, -5, 10, 3, -7, rgb(255, 255, 190), rgb(150, 200, 40));
  outline(cr, look, 0.8);
  if (!look.small()) {
    for (size_t i = 3; i < 14; i += 2) {
      circle(cr, spine[i].x, spine[i].y, 0.5);
      setColour(cr, rgb(110, 150, 30));
      cairo_fill(cr);
    }
  }
  // The reed bars and rings in front.
  for (double x : {-7.0, 0.0, 7.0}) {
    cairo_move_to(cr, x, -12.5);
    cairo_curve_to(cr, x * 1.3, -2, x * 1.3, 6, x * 1.1, 15);
    stroke(cr, kLine, 2.4, 1.6);
    cairo_move_to(cr, x, -12.5);
    cairo_curve_to(cr, x * 1.3, -2, x * 1.3, 6, x * 1.1, 15);
    stroke(cr, rgb(206, 170, 100), 1.1, 0.6);
  }
  for (double y : {-12.5, 15.5}) {
    closedEllipse(cr, 0, y, y < 0 ? 11 : 12, 2.4);
    fillLinearKeep(cr, -12, 0, 12, 0, rgb(210, 176, 110), rgb(130, 96, 50));
    outline(cr, look, 1.0);
  }
}

void paintOtterfang(cairo_t* cr, const Look& look) {
  // The leather thong the fang hangs on.
  cairo_move_to(cr, -16, -19);
  cairo_curve_to(cr, -10, -8, -4, -9, -1, -10);
  cairo_move_to(cr, 16, -19);
  cairo_curve_to(cr, 10, -8, 4, -9, 1, -10);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  stroke(cr, kLine, 3.0, 2.0);
  cairo_move_to(cr, -16, -19);
  cairo_curve_to(cr, -10, -8, -4, -9, -1, -10);
  cairo_move_to(cr, 16, -19);
  cairo_curve_to(cr, 10, -8, 4, -9, 1, -10);
  stroke(cr, rgb(150, 96, 54), 1.5, 0.8);
  // The fang: a curved ivory crescent, yellowed at the root.
  cairo_move_to(cr, -6, -8);
  cairo_curve_to(cr, -6, 4, -2, 12, 7, 19);
  cairo_curve_to(cr, 3, 10, 4, 0, 6, -8);
  cairo_curve_to(cr, 3, -11, -3, -11, -6, -8);
  cairo_close_path(cr);
  fillLinearKeep(cr, 0, -10, 4, 19, rgb(214, 180, 120), rgb(255, 250, 232));
  outline(cr, look);
  // The binding round the root and the light along the curve.
  cairo_rectangle(cr, -6.5, -9, 13, 3);
  setColour(cr, rgb(120, 72, 38));
  cairo_fill_preserve(cr);
  outline(cr, look, 0.8);
  cairo_move_to(cr, -3, -3);
  cairo_curve_to(cr, -3, 5, 0, 10, 4, 14);
  stroke(cr, rgb(255, 255, 248), 1.1, 0.8);
}

void paintWyrmscale(cairo_t* cr, const Look& look) {
  cairo_move_to(cr, 0, 19);
  cairo_curve_to(cr, -9, 12, -16, 4, -16, -6);
  cairo_curve_to(cr, -16, -15, -8, -19, 0, -19);
  cairo_curve_to(cr, 8, -19, 16, -15, 16, -6);
  cairo_curve_to(cr, 16, 4, 9, 12, 0, 19);
  cairo_close_path(cr);
  cairo_pattern_t* sheen = cairo_pattern_create_linear(-14, -18, 14, 18);
  cairo_pattern_add_color_stop_rgb(sheen, 0, 0.45, 0.92, 0.80);
  cairo_pattern_add_color_stop_rgb(sheen, 0.35, 0.12, 0.62, 0.56);
  cairo_pattern_add_color_stop_rgb(sheen, 0.75, 0.10, 0.34, 0.36);
  cairo_pattern_add_color_stop_rgb(sheen, 1, 0.32, 0.20, 0.50);
  cairo_set_source(cr, sheen);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(sheen);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  outline(cr, look, 1.5);
  // Ridges fanning up from the point, and the bright worn rim along the top.
  const int ridges = look.small() ? 3 : 7;
  for (int i = 0; i < ridges; ++i) {
    double x = -12 + 24.0 * i / (ridges - 1);
    cairo_move_to(cr, 0, 17);
    cairo_curve_to(cr, x * 0.4, 6, x, -6, x * 1.05, -20);
    stroke(cr, rgb(16, 70, 70), look.small() ? 1.2 : 0.8);
  }
  cairo_move_to(cr, -15, -8);
  cairo_curve_to(cr, -14, -17, 14, -17, 15, -8);
  stroke(cr, rgb(180, 255, 230), 1.6, 1.0);
  cairo_restore(cr);
  cairo_move_to(cr, -9, -10);
  cairo_curve_to(cr, -10, -4, -8, 2, -4, 7);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  stroke(cr, rgb(230, 255, 246), 1.4, 0.8);
}

}  // namespace items
