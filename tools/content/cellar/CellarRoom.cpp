// The cellar's hall: the vault and its ribs, the walls, the gallery's ledge, the floor, the
// far torch and the lantern, the straw and the bucket; the stalls are laid into it.
#include "cellar/CellarLayout.h"
#include "cellar/CellarScene.h"

#include <cmath>

namespace cellar {
namespace {

// The ribs of the vault spring from the piers between the upper stalls.
constexpr double kRibFeet[] = {2, 86, 157, 215, 273};

void paintWalls(cairo_t* cr) {
  StoneCourse look{13, 28, rgb(108, 90, 82), rgb(28, 20, 20), 91};
  paintStoneWall(cr, 0, 30, kScreenWidth, kScreenHeight - 30, look);
  // The piers between the upper stalls, standing a little out of the wall.
  for (double x : kRibFeet) {
    const double top = kVaultFoot.at(x) - 4, bottom = kLedgeTop.at(x);
    cairo_rectangle(cr, x - 4, top, 8, bottom - top);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - 4, 0, x + 4, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.42, 0.35, 0.32);
    cairo_pattern_add_color_stop_rgb(g, 0.4, 0.55, 0.46, 0.40);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.18, 0.14, 0.14);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    setColour(cr, rgb(20, 14, 14, 0.6));
    cairo_set_line_width(cr, 1);
    for (double y = top + 10; y < bottom; y += 11) {
      cairo_move_to(cr, x - 4, y + 0.5);
      cairo_line_to(cr, x + 4, y + 0.5);
    }
    cairo_stroke(cr);
  }
}

void paintVault(cairo_t* cr) {
  // The vault's web between the ribs, dark at the crown.
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, kScreenWidth, 0);
  cairo_line_to(cr, kScreenWidth, kVaultFoot.right);
  cairo_line_to(cr, 0, kVaultFoot.left);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip(cr);
  StoneCourse web{9, 24, rgb(70, 58, 56), rgb(20, 16, 18), 93};
  paintStoneWall(cr, 0, 0, kScreenWidth, kVaultFoot.right, web);
  cairo_rectangle(cr, 0, 0, kScreenWidth, kVaultFoot.right);
  fillVertical(cr, 0, kVaultFoot.right, rgb(8, 6, 10, 0.85), rgb(8, 6, 10, 0.1));
  cairo_restore(cr);
  // The ribs: heavy stone arches leaning away towards the far end.
  for (double foot : kRibFeet) {
    const double y = kVaultFoot.at(foot);
    cairo_move_to(cr, foot, y);
    cairo_curve_to(cr, foot - 1, y - 22, foot - 10, y - 38, foot - 26 + foot * 0.05, -4);
    const double width = 11 - foot / 50;
    cairo_set_line_width(cr, width + 3);
    setColour(cr, rgb(20, 14, 16));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, width);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, y);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.16, 0.13, 0.13);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.50, 0.42, 0.38);
    cairo_set_source(cr, g);
    cairo_stroke_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 1.2);
    setColour(cr, rgb(200, 170, 140, 0.35));
    cairo_stroke(cr);
  }
  // The cornice the vault springs from.
  cairo_move_to(cr, 0, kVaultFoot.left - 3);
  cairo_line_to(cr, kScreenWidth, kVaultFoot.right - 3);
  cairo_line_to(cr, kScreenWidth, kVaultFoot.right + 3);
  cairo_line_to(cr, 0, kVaultFoot.left + 3);
  cairo_close_path(cr);
  fillVertical(cr, kVaultFoot.left - 3, kVaultFoot.right + 3, rgb(140, 122, 110), rgb(60, 50, 50));
}

void slopedBand(cairo_t* cr, const Slope& top, const Slope& bottom) {
  cairo_move_to(cr, 0, top.left);
  cairo_line_to(cr, kScreenWidth, top.right);
  cairo_line_to(cr, kScreenWidth, bottom.right);
  cairo_line_to(cr, 0, bottom.left);
  cairo_close_path(cr);
}

// The gallery's ledge between the rows: a lit top, a shadowed front face.
void paintLedge(cairo_t* cr) {
  slopedBand(cr, kLedgeTop, {kLedgeTop.left + 3, kLedgeTop.right + 3});
  setColour(cr, rgb(150, 130, 116));
  cairo_fill(cr);
  slopedBand(cr, {kLedgeTop.left + 3, kLedgeTop.right + 3}, kLedgeBottom);
  fillVertical(cr, kLedgeTop.right, kLedgeBottom.left, rgb(84, 70, 66), rgb(40, 32, 34));
  setColour(cr, rgb(20, 16, 18, 0.7));
  cairo_set_line_width(cr, 1);
  for (double x = 14; x < kScreenWidth; x += 26 - x / 30) {
    cairo_move_to(cr, x, kLedgeTop.at(x) + 3);
    cairo_line_to(cr, x, kLedgeBottom.at(x));
  }
  cairo_stroke(cr);
}

void paintFloor(cairo_t* cr) {
  cairo_save(cr);
  slopedBand(cr, kFloorTop, {kScreenHeight, kScreenHeight});
  cairo_clip(cr);
  fillVertical(cr, kFloorTop.right, kScreenHeight, rgb(70, 58, 52), rgb(40, 32, 30));
  cairo_paint(cr);
  slopedBand(cr, kFloorTop, {kScreenHeight, kScreenHeight});
  fillVertical(cr, kFloorTop.right, kScreenHeight, rgb(74, 62, 56), rgb(46, 38, 34));
  // Joints of the flags, the long ones running off to the far end.
  setColour(cr, rgb(22, 18, 18, 0.8));
  cairo_set_line_width(cr, 1);
  for (double depth : {0.3, 0.62}) {
    cairo_move_to(cr, 0, kFloorTop.left + depth * (kScreenHeight - kFloorTop.left));
    cairo_line_to(cr, kScreenWidth, kFloorTop.right + depth * 0.8 * (kScreenHeight - kFloorTop.right));
  }
  for (double x = -40; x < kScreenWidth; x += 46) {
    cairo_move_to(cr, x + 20, kFloorTop.at(x + 20));
    cairo_line_to(cr, x, kScreenHeight);
  }
  cairo_stroke(cr);
  speckle(cr, 0, kFloorTop.right, kScreenWidth, 30, rgb(150, 130, 110, 0.3), 400, 95);
  // Straw blown out of the stalls.
  Dice dice(96);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 80; ++i) {
    const double x = dice.between(0, 300), y = dice.between(kFloorTop.at(x) + 1, kScreenHeight - 2);
    const double turn = dice.between(0, M_PI), length = dice.between(3, 7);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + std::cos(turn) * length, y + std::sin(turn) * length * 0.3);
    setColour(cr, mix(rgb(120, 90, 40), rgb(220, 190, 110), dice.next()));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// A wooden bucket of water on the floor near the far end.
void paintBucket(cairo_t* cr) {
  const double x = 276, y = 216;
  cairo_move_to(cr, x - 11, y);
  cairo_line_to(cr, x + 11, y);
  cairo_line_to(cr, x + 9, y + 18);
  cairo_line_to(cr, x - 9, y + 18);
  cairo_close_path(cr);
  cairo_pattern_t* wood = cairo_pattern_create_linear(x - 11, 0, x + 11, 0);
  cairo_pattern_add_color_stop_rgb(wood, 0, 0.26, 0.15, 0.07);
  cairo_pattern_add_color_stop_rgb(wood, 0.35, 0.58, 0.38, 0.18);
  cairo_pattern_add_color_stop_rgb(wood, 1, 0.20, 0.11, 0.05);
  cairo_set_source(cr, wood);
  cairo_fill(cr);
  cairo_pattern_destroy(wood);
  setColour(cr, rgb(40, 36, 40));
  for (double band : {y + 3, y + 13}) cairo_rectangle(cr, x - 10.5, band, 21, 2);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, 11, 2.6);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setColour(cr, rgb(50, 70, 90));
  cairo_fill(cr);
}

// A lantern hangs from the first rib and lights the near stalls.
void paintLantern(cairo_t* cr) {
  const double x = kRibFeet[1], y = 64;
  setColour(cr, rgb(30, 26, 28));
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, x, kVaultFoot.at(x) + 3);
  cairo_line_to(cr, x, y - 7);
  cairo_stroke(cr);
  paintGlow(cr, x, y, 22, rgb(255, 190, 90, 0.5));
  roundedRectangle(cr, x - 4, y - 6, 8, 12, 2);
  fillVertical(cr, y - 6, y + 6, rgb(255, 236, 160), rgb(250, 160, 60));
  setColour(cr, rgb(30, 26, 28));
  cairo_set_line_width(cr, 1.2);
  roundedRectangle(cr, x - 4, y - 6, 8, 12, 2);
  cairo_move_to(cr, x, y - 6);
  cairo_line_to(cr, x, y + 6);
  cairo_stroke(cr);
  cairo_move_to(cr, x - 5, y - 6);
  cairo_line_to(cr, x, y - 10);
  cairo_line_to(cr, x + 5, y - 6);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void paintLight(cairo_t* cr) {
  paintGlow(cr, kTorchX, kTorchY - 14, 150, rgb(255, 150, 60, 0.32));
  paintGlow(cr, kRibFeet[1], 64, 110, rgb(255, 160, 70, 0.28));
  cairo_pattern_t* shade = cairo_pattern_create_radial(170, 120, 50, 170, 120, 240);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0.04, 0.02, 0.04, 0);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0.04, 0.02, 0.04, 0.7);
  cairo_set_source(cr, shade);
  cairo_paint(cr);
  cairo_pattern_destroy(shade);
}

}  // namespace

void stallPath(cairo_t* cr, int door, double inset) {
  const ScreenRect& r = kDoorRects[door];
  const double radius = r.w / 2.0;
  const double cx = r.x + radius, springY = r.y + radius;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, r.x + inset, r.y + r.h);
  cairo_line_to(cr, r.x + inset, springY);
  cairo_arc(cr, cx, springY, radius - inset, M_PI, 2 * M_PI);
  cairo_line_to(cr, r.x + r.w - inset, r.y + r.h);
  cairo_close_path(cr);
}

void paintCellarHall(cairo_t* cr, bool dragonsHome) {
  cairo_save(cr);
  paintWalls(cr);
  paintVault(cr);
  paintLedge(cr);
  paintFloor(cr);
  for (int door = 0; door < kDoors; ++door) paintStall(cr, door, dragonsHome);
  paintBucket(cr);
  paintLight(cr);
  paintLantern(cr);
  cairo_restore(cr);
}

void paintFarTorch(cairo_t* cr, double phase) { paintTorch(cr, kTorchX, kTorchY, kTorchSize, phase); }

}  // namespace cellar
