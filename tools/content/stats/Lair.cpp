// The dragon's lair: a torch-lit vault with a straw bed and a wooden trough of food. The
// gauge rack hides the wall's upper part, so the wall's detail sits at the right and low.
#include "stats/Lair.h"

#include "image/Style.h"
#include "mage/PaintKit.h"
#include "stats/StatsLayout.h"

#include <cmath>

namespace stats {

namespace {

using namespace paintkit;

constexpr double kFloorY = 150;
constexpr double kTroughX0 = 88, kTroughX1 = 150, kTroughTop = 178, kTroughBottom = 204;
constexpr double kTorchX = 296, kTorchY = 62;

void paintWall(cairo_t* cr) {
  stoneWall(cr, 0, 0, kScreenW, kFloorY + 2, 15, 32, style::kStone, style::kStoneDark, 77);
  // A round arch of the vault above the dragon's bed.
  cairo_new_path(cr);
  cairo_arc(cr, 190, kFloorY, 112, M_PI, 2 * M_PI);
  cairo_set_line_width(cr, 10);
  setColour(cr, rgb(20, 16, 22, 0.55));
  cairo_stroke(cr);
  cairo_arc(cr, 190, kFloorY, 104, M_PI, 2 * M_PI);
  cairo_line_to(cr, 294, kFloorY);
  cairo_close_path(cr);
  fillVertical(cr, kFloorY - 104, kFloorY, rgb(18, 12, 20, 0.55), rgb(10, 6, 12, 0.75));
}

void paintTorch(cairo_t* cr) {
  glow(cr, kTorchX, kTorchY - 10, 110, rgb(255, 170, 70, 0.35));
  cairo_rectangle(cr, kTorchX - 2, kTorchY, 4, 20);
  fillLinear(cr, kTorchX - 2, 0, kTorchX + 2, 0, style::kWood, style::kWoodDark);
  cairo_rectangle(cr, kTorchX - 6, kTorchY + 14, 12, 3);
  setColour(cr, rgb(40, 36, 40));
  cairo_fill(cr);
  cairo_move_to(cr, kTorchX, kTorchY - 22);
  cairo_curve_to(cr, kTorchX + 8, kTorchY - 10, kTorchX + 6, kTorchY, kTorchX, kTorchY);
  cairo_curve_to(cr, kTorchX - 6, kTorchY, kTorchX - 7, kTorchY - 9, kTorchX, kTorchY - 22);
  fillVertical(cr, kTorchY - 22, kTorchY, style::kTorchCore, style::kFireOuter);
  ellipse(cr, kTorchX, kTorchY - 6, 2.5, 5);
  setColour(cr, rgb(255, 250, 220));
  cairo_fill(cr);
}

void paintFloor(cairo_t* cr) {
  cairo_rectangle(cr, 0, kFloorY, kScreenW, kScreenH - kFloorY);
  fillVertical(cr, kFloorY, kScreenH, rgb(70, 58, 54), rgb(30, 24, 24));
  setColour(cr, rgb(18, 12, 14, 0.7));
  cairo_set_line_width(cr, 1);
  for (double y = kFloorY + 8, gap = 9; y < kScreenH; gap *= 1.25, y += gap) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, kScreenW, y);
  }
  for (int i = -8; i <= 8; ++i) {  // joints running towards the viewer
    cairo_move_to(cr, 160 + i * 26, kFloorY);
    cairo_line_to(cr, 160 + i * 52, kScreenH);
  }
  cairo_stroke(cr);
  speckle(cr, 0, kFloorY, kScreenW, kScreenH - kFloorY, rgb(130, 110, 100, 0.3), 700, 12);
  // The wall's foot.
  cairo_rectangle(cr, 0, kFloorY - 1, kScreenW, 3);
  setColour(cr, rgb(16, 10, 12, 0.8));
  cairo_fill(cr);
}

void paintStraw(cairo_t* cr) {
  Dice dice(19);
  ellipse(cr, 220, 194, 100, 16);
  setColour(cr, rgb(120, 92, 40, 0.7));
  cairo_fill(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 420; ++i) {
    const double a = dice.between(0, 2 * M_PI), d = std::sqrt(dice.next());
    const double x = 220 + std::cos(a) * d * 102, y = 194 + std::sin(a) * d * 17;
    const double turn = dice.between(-0.6, 0.6), len = dice.between(3, 8);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + std::cos(turn) * len, y + std::sin(turn) * len * 0.5);
    cairo_set_line_width(cr, 0.9);
    setColour(cr, mix(rgb(150, 110, 40), rgb(240, 210, 120), dice.next()));
    cairo_stroke(cr);
  }
}

void paintTroughBack(cairo_t* cr) {
  // The back board and the food heaped inside: meat on the bone and red apples.
  cairo_rectangle(cr, kTroughX0 + 3, kTroughTop - 6, kTroughX1 - kTroughX0 - 6, 8);
  fillVertical(cr, kTroughTop - 6, kTroughTop + 2, style::kWood, style::kWoodDark);
  Dice dice(8);
  for (int i = 0; i < 7; ++i) {
    const double x = kTroughX0 + 10 + i * 7 + dice.between(-2, 2), y = kTroughTop - 1 + dice.between(-2, 2);
    if (i % 3 == 1) {
      ellipse(cr, x, y, 4, 4);
      fillRadial(cr, x - 1.5, y - 1.5, 5, rgb(255, 120, 100), rgb(140, 10, 20));
    } else {
      ellipse(cr, x, y, 6, 4);
      fillRadial(cr, x - 2, y - 1, 7, rgb(220, 110, 100), rgb(120, 40, 36));
      cairo_rectangle(cr, x + 3, y - 1, 5, 2);
      setColour(cr, rgb(236, 226, 200));
      cairo_fill(cr);
    }
  }
}

}  // namespace

void paintLair(cairo_t* cr) {
  paintWall(cr);
  paintFloor(cr);
  paintTorch(cr);
  paintStraw(cr);
  paintTroughBack(cr);
}

void paintTroughFront(cairo_t* cr) {
  cairo_move_to(cr, kTroughX0, kTroughTop);
  cairo_line_to(cr, kTroughX1, kTroughTop);
  cairo_line_to(cr, kTroughX1 - 5, kTroughBottom);
  cairo_line_to(cr, kTroughX0 + 5, kTroughBottom);
  cairo_close_path(cr);
  fillVertical(cr, kTroughTop, kTroughBottom, rgb(150, 100, 54), style::kWoodDark);
  setColour(cr, rgb(40, 24, 12, 0.8));
  cairo_set_line_width(cr, 1);
  for (double y = kTroughTop + 8; y < kTroughBottom; y += 8) {
    cairo_move_to(cr, kTroughX0 + 2, y);
    cairo_line_to(cr, kTroughX1 - 2, y);
  }
  cairo_stroke(cr);
  for (double x : {kTroughX0 + 10, kTroughX1 - 10}) {  // iron bands
    cairo_rectangle(cr, x - 2, kTroughTop, 4, kTroughBottom - kTroughTop);
    fillLinear(cr, x - 2, 0, x + 2, 0, rgb(110, 104, 110), rgb(30, 28, 32));
  }
  cairo_rectangle(cr, kTroughX0, kTroughTop - 1, kTroughX1 - kTroughX0, 2);
  setColour(cr, rgb(200, 150, 90));
  cairo_fill(cr);
}

void paintForeground(cairo_t* cr) {
  // Shadow along the bottom, so the gold name line reads over the floor.
  cairo_rectangle(cr, 0, kNameTop - 10, kScreenW, kScreenH - kNameTop + 10);
  fillVertical(cr, kNameTop - 10, kNameTop + 2, rgb(8, 4, 6, 0), rgb(8, 4, 6, 0.75));
  // The vault's edges fall into darkness.
  cairo_rectangle(cr, 0, 0, kScreenW, kScreenH);
  cairo_pattern_t* dark = cairo_pattern_create_radial(180, 150, 80, 180, 150, 250);
  cairo_pattern_add_color_stop_rgba(dark, 0, 0.02, 0.01, 0.02, 0);
  cairo_pattern_add_color_stop_rgba(dark, 1, 0.02, 0.01, 0.02, 0.6);
  cairo_set_source(cr, dark);
  cairo_fill(cr);
  cairo_pattern_destroy(dark);
}

void paintStrip(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  cairo_rectangle(cr, 0, 0, w, h);
  fillVertical(cr, 0, h, rgb(44, 30, 24), rgb(16, 10, 8));
  speckle(cr, 0, 0, w, h, rgb(110, 80, 60, 0.35), 500, 21);
  cairo_rectangle(cr, 0, 0, w, 1.5);
  setColour(cr, rgb(214, 170, 72));
  cairo_fill(cr);
  // A recess behind the potion and the exit.
  roundedRectangle(cr, 276, 2, w - 277, h - 3, 3);
  setColour(cr, rgb(8, 4, 4, 0.6));
  cairo_fill(cr);
}

}  // namespace stats
