// The items that grow: moss, salt from reeds, fern, bark, kelp ash, lily, root and nest down.
#include "items/Brush.h"
#include "items/ItemArt.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace items {

using namespace brush;

namespace {

// Circles that melt into one soft lump (moss, down): outlined once around the whole.
struct Blob {
  double x, y, r;
};

void blobPath(cairo_t* cr, const std::vector<Blob>& blobs, double grow) {
  for (const Blob& b : blobs) circle(cr, b.x, b.y, b.r + grow);
}

void paintLump(cairo_t* cr, const Look& look, const std::vector<Blob>& blobs, const Colour& top, const Colour& bottom,
               double y0, double y1) {
  const double edge = std::max(0.9, look.pixel * 0.8);
  blobPath(cr, blobs, edge);
  setColour(cr, kLine);
  cairo_fill(cr);
  blobPath(cr, blobs, 0);
  fillLinear(cr, 0, y0, 0, y1, top, bottom);
}

// A fern shoot: a stalk rising at the right of its coil, then rolling in over the top.
void fiddlehead(cairo_t* cr, const Look& look, double cx, double cy, double radius, double bottom, double width) {
  std::vector<Point> spine;
  std::vector<double> half;
  const Point foot{cx + radius + width * 0.6, bottom};
  const Point top{cx + radius, cy};
  for (int i = 0; i <= 10; ++i) {
    double t = i / 10.0;
    spine.push_back(bezier(foot, {foot.x + radius * 0.3, bottom - (bottom - cy) * 0.4},
                           {top.x, cy + (bottom - cy) * 0.3}, top, t));
    half.push_back(width);
  }
  const double turns = 2.5 * M_PI;
  for (int i = 1; i <= 30; ++i) {
    double a = turns * i / 30.0;
    double r = radius * (1.0 - 0.75 * a / turns);
    spine.push_back({cx + r * std::cos(a), cy - r * std::sin(a)});
    half.push_back(width * (1.0 - 0.55 * a / turns));
  }
  bandPath(cr, spine.data(), half.data(), int(spine.size()));
  fillLinearKeep(cr, cx - radius, cy - radius, cx + radius, bottom, rgb(150, 206, 84), rgb(52, 104, 34));
  outline(cr, look, 1.1);
  if (look.small()) return;
  // The rolled leaflets along the outside of the coil, and the brown scales of a young shoot.
  for (int i = 4; i <= 22; i += 3) {
    double a = turns * i / 30.0;
    double r = radius * (1.0 - 0.75 * a / turns) + width * 0.9;
    circle(cr, cx + r * std::cos(a), cy - r * std::sin(a), width * 0.55);
    setColour(cr, rgb(176, 222, 110));
    cairo_fill_preserve(cr);
    stroke(cr, rgb(52, 100, 30), 0.5);
  }
  Scatter s(unsigned(cx * 10 + 77));
  for (int i = 0; i < 6; ++i) {
    const Point& p = spine[size_t(s.between(2, 12))];
    circle(cr, p.x + s.between(-1, 1), p.y, 0.6);
    setColour(cr, rgb(140, 96, 48));
    cairo_fill(cr);
  }
}

}  // namespace

void paintMistmoss(cairo_t* cr, const Look& look) {
  // The stone under the moss.
  closedEllipse(cr, 0, 12, 16, 7);
  fillBall(cr, 0, 12, 16, rgb(118, 112, 116));
  closedEllipse(cr, 0, 12, 16, 7);
  outline(cr, look);
  const std::vector<Blob> moss = {{-10, 6, 5.5}, {-4, 2, 6.5}, {4, 1, 7}, {11, 6, 5}, {-6, 9, 5}, {5, 8, 6}};
  paintLump(cr, look, moss, rgb(168, 186, 128), rgb(70, 92, 58), -6, 14);
  if (!look.small()) {
    Scatter s(11);
    for (int i = 0; i < 40; ++i) {
      double x = s.between(-13, 14), y = s.between(-4, 11);
      circle(cr, x, y, 0.55);
      setColour(cr, i % 3 ? rgb(198, 210, 150) : rgb(60, 80, 48));
      cairo_fill(cr);
    }
  }
  // Mist curling up from the moss.
  const Colour fogEdge = rgb(118, 128, 150), fog = rgb(232, 236, 242);
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, -15, -6);
    cairo_curve_to(cr, -12, -12, -4, -8, -6, -13);
    cairo_curve_to(cr, -8, -18, 2, -19, 1, -14);
    cairo_move_to(cr, 4, -8);
    cairo_curve_to(cr, 8, -13, 16, -10, 12, -16);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (pass == 0)
      stroke(cr, fogEdge, 3.6, 2.6);
    else
      stroke(cr, fog, 2.0, 1.2);
  }
}

void paintReedsalt(cairo_t* cr, const Look& look) {
  // Two cut reeds behind the salt.
  const double reeds[2][4] = {{-6, 10, -12, -18}, {5, 10, 11, -19}};
  for (const auto& r : reeds) {
    const Point spine[2] = {{r[0], r[1]}, {r[2], r[3]}};
    const double half[2] = {1.8, 1.6};
    bandPath(cr, spine, half, 2);
    fillLinearKeep(cr, r[2] - 2, 0, r[2] + 2, 0, rgb(214, 196, 120), rgb(140, 118, 60));
    outline(cr, look, 1.0);
    // The slanted cut and a node ring.
    brush::closedEllipse(cr, r[2], r[3], 1.8, 0.8);
    setColour(cr, rgb(236, 224, 170));
    cairo_fill(cr);
    double nx = r[0] + (r[2] - r[0]) * 0.55, ny = r[1] + (r[3] - r[1]) * 0.55;
    cairo_move_to(cr, nx - 2, ny + 0.3);
    cairo_line_to(cr, nx + 2, ny - 0.3);
    stroke(cr, rgb(110, 90, 44), 0.9);
  }
  // The wooden dish and the heap of salt crust on it.
  cairo_move_to(cr, -16, 10);
  cairo_curve_to(cr, -14, 20, 14, 20, 16, 10);
  cairo_close_path(cr);
  fillLinearKeep(cr, 0, 10, 0, 19, rgb(150, 96, 52), rgb(80, 48, 24));
  outline(cr, look);
  cairo_move_to(cr, -14, 10);
  cairo_curve_to(cr, -10, -2, -4, -7, 0, -7);
  cairo_curve_to(cr, 5, -7, 10, -1, 14, 10);
  cairo_curve_to(cr, 6, 13, -6, 13, -14, 10);
  cairo_close_path(cr);
  fillLinearKeep(cr, -6, -7, 6, 12, rgb(255, 255, 255), rgb(176, 190, 210));
  outline(cr, look);
  // Square grains of salt catching the light.
  Scatter s(5);
  const int grains = look.small() ? 5 : 14;
  for (int i = 0; i < grains; ++i) {
    double x = s.between(-9, 9), y = s.between(-3, 9);
    if (std::abs(x) > 11 - (9 - y) * 0.4) continue;
    double size = look.small() ? 2.4 : s.between(1.4, 2.6);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, s.between(0, 1.5));
    cairo_rectangle(cr, -size / 2, -size / 2, size, size);
    setColour(cr, rgb(250, 252, 255));
    cairo_fill_preserve(cr);
    stroke(cr, rgb(120, 140, 170), 0.5, 0.5);
    cairo_restore(cr);
  }
  if (!look.small()) sparkle(cr, -4, -4, 3, rgb(255, 255, 255));
}

void paintFerncurl(cairo_t* cr, const Look& look) {
  fiddlehead(cr, look, -9, 2, 5.5, 20, 1.6);
  fiddlehead(cr, look, 1, -8, 9, 20, 2.4);
}

void paintWillowbark(cairo_t* cr, const Look& look) {
  // The outer face of the bark: grey-brown, split by fissures.
  cairo_move_to(cr, -6, -18);
  cairo_line_to(cr, 9, -17);
  cairo_curve_to(cr, 11, -6, 10, 6, 8, 18);
  cairo_line_to(cr, -5, 19);
  cairo_close_path(cr);
  fillLinearKeep(cr, -6, 0, 10, 0, rgb(138, 118, 94), rgb(78, 62, 48));
  cairo_save(cr);
  cairo_clip_preserve(cr);
  outline(cr, look);
  if (!look.small()) {
    for (double x : {-2.0, 2.0, 5.5}) {
      cairo_move_to(cr, x, -18);
      cairo_curve_to(cr, x + 1.5, -8, x - 1.5, 4, x + 0.5, 19);
      stroke(cr, rgb(50, 38, 30), 1.0);
      cairo_move_to(cr, x + 1.0, -18);
      cairo_curve_to(cr, x + 2.5, -8, x - 0.5, 4, x + 1.5, 19);
      stroke(cr, rgb(170, 152, 126), 0.5);
    }
  } else {
    cairo_move_to(cr, 2, -18);
    cairo_line_to(cr, 3, 19);
    stroke(cr, rgb(50, 38, 30), 1.0);
  }
  cairo_restore(cr);
  // The left edge curls forward and shows the pale inner bark.
  cairo_move_to(cr, -6, -18);
  cairo_curve_to(cr, -15, -10, -15, 10, -5, 19);
  cairo_curve_to(cr, -9, 8, -9, -8, -6, -18);
  cairo_close_path(cr);
  fillLinearKeep(cr, -14, 0, -6, 0, rgb(244, 228, 184), rgb(196, 164, 112));
  outline(cr, look, 1.1);
  // A willow leaf still on the strip.
  cairo_move_to(cr, 8, -14);
  cairo_curve_to(cr, 13, -20, 17, -19, 18, -21);
  cairo_curve_to(cr, 17, -15, 13, -11, 8, -14);
  cairo_close_path(cr);
  fillLinearKeep(cr, 8, -14, 18, -21, rgb(112, 160, 70), rgb(176, 214, 120));
  outline(cr, look, 0.9);
}

void paintKelpash(cairo_t* cr, const Look& look) {
  // The clay bowl.
  cairo_move_to(cr, -16, 5);
  cairo_curve_to(cr, -15, 19, 15, 19, 16, 5);
  cairo_close_path(cr);
  fillLinearKeep(cr, -16, 0, 16, 0, rgb(206, 116, 66), rgb(120, 56, 28));
  outline(cr, look);
  // The heap of ash, grey with a green cast, a few embers still in it.
  cairo_move_to(cr, -15, 5);
  cairo_curve_to(cr, -10, -4, -4, -9, 1, -9);
  cairo_curve_to(cr, 6, -9, 11, -3, 15, 5);
  cairo_curve_to(cr, 6, 8, -6, 8, -15, 5);
  cairo_close_path(cr);
  fillLinearKeep(cr, 0, -9, 0, 7, rgb(196, 204, 196), rgb(104, 112, 106));
  outline(cr, look);
  Scatter s(3);
  for (int i = 0; i < (look.small() ? 2 : 5); ++i) {
    double x = s.between(-8, 9), y = s.between(-4, 4);
    circle(cr, x, y, look.small() ? 1.4 : 1.0);
    setColour(cr, rgb(255, 150, 40));
    cairo_fill(cr);
  }
  // A frond of kelp hanging over the rim, with its air bladders.
  std::vector<Point> spine;
  std::vector<double> half;
  for (int i = 0; i <= 16; ++i) {
    spine.push_back(bezier({2, -8}, {-10, -16}, {-22, 0}, {-15, 15}, i / 16.0));
    half.push_back(1.9 - 0.8 * i / 16.0);
  }
  bandPath(cr, spine.data(), half.data(), int(spine.size()));
  fillLinearKeep(cr, -16, -10, -10, 15, rgb(138, 122, 46), rgb(78, 70, 24));
  outline(cr, look, 1.0);
  for (int i : {5, 10, 14}) {
    circle(cr, spine[size_t(i)].x - 1.8, spine[size_t(i)].y, 1.9);
    fillBall(cr, spine[size_t(i)].x - 1.8, spine[size_t(i)].y, 1.9, rgb(168, 150, 60));
    circle(cr, spine[size_t(i)].x - 1.8, spine[size_t(i)].y, 1.9);
    outline(cr, look, 0.8);
  }
}

void paintFrostlily(cairo_t* cr, const Look& look) {
  // Stem and a blade of a leaf.
  cairo_move_to(cr, 0, 2);
  cairo_curve_to(cr, 2, 8, -2, 14, 1, 20);
  stroke(cr, kLine, 3.2, 1.8);
  cairo_move_to(cr, 0, 2);
  cairo_curve_to(cr, 2, 8, -2, 14, 1, 20);
  stroke(cr, rgb(90, 150, 110), 1.8, 0.8);
  cairo_move_to(cr, 1, 19);
  cairo_curve_to(cr, 8, 16, 14, 10, 16, 4);
  cairo_curve_to(cr, 12, 12, 7, 16, 1, 19);
  cairo_close_path(cr);
  fillLinearKeep(cr, 1, 19, 16, 4, rgb(70, 130, 100), rgb(150, 206, 180));
  outline(cr, look, 0.9);
  // Six pointed petals, the back three in the blue of ice.
  const double cx = 0, cy = -5;
  for (int layer = 0; layer < 2; ++layer) {
    for (int i = 0; i < 3; ++i) {
      double a = (layer == 0 ? -M_PI / 2 + M_PI / 3 : -M_PI / 2) + i * 2 * M_PI / 3;
      double length = layer == 0 ? 14.5 : 13.0, width = layer == 0 ? 4.6 : 5.2;
      double tx = cx + length * std::cos(a), ty = cy + length * std::sin(a);
      double nx = -std::sin(a) * width, ny = std::cos(a) * width;
      double mx = cx + length * 0.5 * std::cos(a), my = cy + length * 0.5 * std::sin(a);
      cairo_move_to(cr, cx, cy);
      cairo_curve_to(cr, mx + nx, my + ny, tx + nx * 0.2, ty + ny * 0.2, tx, ty);
      cairo_curve_to(cr, tx - nx * 0.2, ty - ny * 0.2, mx - nx, my - ny, cx, cy);
      cairo_close_path(cr);
      if (layer == 0)
        fillRadialKeep(cr, cx, cy, length, rgb(150, 196, 240), rgb(92, 140, 210));
      else
        fillRadialKeep(cr, cx, cy, length, rgb(255, 255, 255), rgb(196, 226, 255));
      outline(cr, look, 1.0);
    }
  }
  // Stamens, and frost glittering round the flower.
  for (int i = 0; i < 3; ++i) {
    double a = -M_PI / 2 + (i - 1) * 0.5;
    circle(cr, cx + 4 * std::cos(a), cy + 4 * std::sin(a), look.small() ? 1.2 : 0.9);
    setColour(cr, rgb(236, 200, 80));
    cairo_fill(cr);
  }
  if (!look.small()) {
    sparkle(cr, -14, -16, 3.2, rgb(220, 240, 255));
    sparkle(cr, 14, -14, 2.4, rgb(220, 240, 255));
    sparkle(cr, -13, 8, 2.2, rgb(220, 240, 255));
  }
}

void paintThornroot(cairo_t* cr, const Look& look) {
  struct Branch {
    Point a, b, c, d;
    double from, to;
  };
  const Branch branches[] = {
      {{0, -17}, {4, -8}, {-5, 4}, {-1, 19}, 4.6, 1.2},
      {{0, -6}, {5, -3}, {8, 2}, {15, 9}, 2.8, 0.9},
      {{-1, 2}, {-6, 4}, {-10, 6}, {-15, 13}, 2.6, 0.8},
  };
  for (const Branch& b : branches) {
    std::vector<Point> spine;
    std::vector<double> half;
    for (int i = 0; i <= 14; ++i) {
      double t = i / 14.0;
      spine.push_back(bezier(b.a, b.b, b.c, b.d, t));
      half.push_back(b.from + (b.to - b.from) * t);
    }
    // Thorns first, so the outline of the root runs over their feet.
    for (int i = 2; i < 13; i += 3) {
      const Point& p = spine[size_t(i)];
      const Point& q = spine[size_t(i + 1)];
      double dx = q.x - p.x, dy = q.y - p.y, l = std::hypot(dx, dy);
      double side = (i / 3) % 2 ? 1 : -1;
      double nx = -dy / l * side, ny = dx / l * side;
      double w = half[size_t(i)];
      cairo_move_to(cr, p.x + nx * w - dx / l * 1.2, p.y + ny * w - dy / l * 1.2);
      cairo_line_to(cr, p.x + nx * (w + 4.5) + dx / l * 1.5, p.y + ny * (w + 4.5) + dy / l * 1.5);
      cairo_line_to(cr, p.x + nx * w + dx / l * 1.2, p.y + ny * w + dy / l * 1.2);
      cairo_close_path(cr);
      setColour(cr, rgb(226, 206, 190));
      cairo_fill_preserve(cr);
      outline(cr, look, 0.8);
    }
    bandPath(cr, spine.data(), half.data(), int(spine.size()));
    fillLinearKeep(cr, -5, 0, 5, 0, rgb(150, 96, 124), rgb(70, 36, 56));
    outline(cr, look, 1.1);
  }
  // The cut face at the top shows the rings of the wood.
  closedEllipse(cr, 0, -17, 4.6, 1.9);
  setColour(cr, rgb(224, 180, 170));
  cairo_fill_preserve(cr);
  outline(cr, look, 0.8);
  if (!look.small()) {
    for (double x : {-2.0, 1.5}) {
      cairo_move_to(cr, x, 10);
      cairo_line_to(cr, x - 2, 16);
      stroke(cr, rgb(70, 36, 56), 0.6);
    }
  }
}

void paintNestdown(cairo_t* cr, const Look& look) {
  // The cup of the nest, woven of twigs.
  cairo_move_to(cr, -18, 6);
  cairo_curve_to(cr, -16, 20, 16, 20, 18, 6);
  cairo_close_path(cr);
  fillLinearKeep(cr, 0, 6, 0, 18, rgb(140, 98, 54), rgb(74, 48, 24));
  outline(cr, look);
  Scatter s(9);
  const int twigs = look.small() ? 4 : 14;
  for (int i = 0; i < twigs; ++i) {
    double y = s.between(7, 15), x = s.between(-14, 10);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + s.between(5, 9), y + s.between(-2.5, 2.5));
    stroke(cr, i % 2 ? rgb(188, 146, 90) : rgb(58, 36, 18), look.small() ? 1.2 : 0.8);
  }
  // Down billowing out of the nest.
  const std::vector<Blob> down = {{-10, 2, 6}, {-3, -3, 7.5}, {6, -2, 7}, {12, 3, 5}, {0, 4, 6}, {-4, -10, 5}, {5, -10, 4.5}};
  paintLump(cr, look, down, rgb(255, 252, 244), rgb(198, 188, 176), -14, 8);
  if (!look.small()) {
    // Soft barbs sticking out of the fluff.
    const double wisps[][4] = {{-14, -2, -18, -6}, {-6, -14, -8, -19}, {8, -13, 11, -18}, {15, 0, 19, -3}};
    for (const auto& w : wisps) {
      cairo_move_to(cr, w[0], w[1]);
      cairo_line_to(cr, w[2], w[3]);
      stroke(cr, rgb(150, 140, 130), 0.9);
    }
    cairo_move_to(cr, -6, -4);
    cairo_curve_to(cr, -3, -7, 1, -7, 3, -5);
    stroke(cr, rgb(214, 204, 190), 0.8);
  }
}

}  // namespace items
