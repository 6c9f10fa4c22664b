// The page icons of the information room: crossed swords over a shield for the feuds of the
// land, a few magic items for the player's stock, an open ledger with pearls and a quill for
// the accounts.
#include "image/Encode.h"
#include "image/Style.h"
#include "items/Brush.h"
#include "items/ItemArt.h"
#include "items/PowerCards.h"
#include "info/InfoParts.h"

#include <cmath>

namespace info {

using namespace brush;

namespace {

const Colour kInk = rgb(30, 18, 10);

// A sword from its pommel at (x0, y0) to its point at (x1, y1).
void sword(cairo_t* cr, double x0, double y0, double x1, double y1) {
  const double dx = x1 - x0, dy = y1 - y0, l = std::hypot(dx, dy);
  const double ux = dx / l, uy = dy / l, nx = -uy, ny = ux;
  auto at = [&](double along, double across) { return std::pair{x0 + ux * along + nx * across, y0 + uy * along + ny * across}; };
  const double guard = 11;
  // The blade.
  auto [ax, ay] = at(guard, -2.4);
  auto [bx, by] = at(l - 5, -2.4);
  auto [tx, ty] = at(l, 0);
  auto [cx, cy] = at(l - 5, 2.4);
  auto [dx2, dy2] = at(guard, 2.4);
  cairo_move_to(cr, ax, ay);
  cairo_line_to(cr, bx, by);
  cairo_line_to(cr, tx, ty);
  cairo_line_to(cr, cx, cy);
  cairo_line_to(cr, dx2, dy2);
  cairo_close_path(cr);
  fillLinearKeep(cr, ax, ay, dx2, dy2, rgb(250, 252, 255), rgb(130, 140, 160));
  stroke(cr, kInk, 1.0);
  auto [fx, fy] = at(guard + 2, 0);
  auto [gx, gy] = at(l - 6, 0);
  cairo_move_to(cr, fx, fy);
  cairo_line_to(cr, gx, gy);
  stroke(cr, rgb(110, 120, 140), 0.8);
  // Grip, cross guard and pommel.
  auto [hx, hy] = at(2, 0);
  auto [ix, iy] = at(guard, 0);
  cairo_move_to(cr, hx, hy);
  cairo_line_to(cr, ix, iy);
  stroke(cr, kInk, 4.2);
  cairo_move_to(cr, hx, hy);
  cairo_line_to(cr, ix, iy);
  stroke(cr, rgb(110, 60, 30), 2.6);
  auto [jx, jy] = at(guard, -7);
  auto [kx, ky] = at(guard, 7);
  cairo_move_to(cr, jx, jy);
  cairo_line_to(cr, kx, ky);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  stroke(cr, kInk, 4.4);
  cairo_move_to(cr, jx, jy);
  cairo_line_to(cr, kx, ky);
  stroke(cr, style::kGold, 2.6);
  circle(cr, x0, y0, 3);
  fillBall(cr, x0, y0, 3, style::kGold);
  circle(cr, x0, y0, 3);
  stroke(cr, kInk, 0.9);
}

std::vector<uint8_t> affairsIcon() {
  Canvas canvas(52, 46);
  cairo_t* cr = canvas.cr();
  sword(cr, 6, 40, 46, 4);
  sword(cr, 46, 40, 6, 4);
  // A shield quartered in two rulers' colours.
  cairo_move_to(cr, 16, 16);
  cairo_line_to(cr, 36, 16);
  cairo_curve_to(cr, 36, 30, 32, 38, 26, 43);
  cairo_curve_to(cr, 20, 38, 16, 30, 16, 16);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  fillLinearKeep(cr, 16, 16, 36, 43, style::kRulers[0].field, style::kRulers[0].dark);
  cairo_new_path(cr);
  cairo_rectangle(cr, 26, 16, 10, 13);
  cairo_rectangle(cr, 16, 29, 10, 15);
  fillLinear(cr, 16, 16, 36, 43, style::kRulers[1].field, style::kRulers[1].dark);
  cairo_restore(cr);
  stroke(cr, kInk, 1.2);
  cairo_move_to(cr, 17.5, 17.5);
  cairo_line_to(cr, 34.5, 17.5);
  stroke(cr, style::kGold, 1.0);
  return encodeBmp(canvas.rgb(true));
}

std::vector<uint8_t> itemsIcon() {
  Canvas canvas(60, 46);
  cairo_t* cr = canvas.cr();
  items::Look look;
  look.tint = rgb(150, 60, 190);
  const items::ItemArt potion{"", items::paintPotion, {}, {}};
  const items::ItemArt orb{"", items::paintFogglass, {}, {}};
  const items::ItemArt feather{"", items::paintOwlquill, {}, {}};
  items::paintItem(cr, feather, look, 46, 22, 1.0);
  items::paintItem(cr, orb, look, 14, 27, 0.85);
  items::paintItem(cr, potion, look, 32, 27, 0.9);
  sparkle(cr, 26, 5, 4, rgb(255, 250, 200));
  sparkle(cr, 5, 8, 3, rgb(220, 240, 255));
  return encodeBmp(canvas.rgb(true));
}

std::vector<uint8_t> accountsIcon() {
  Canvas canvas(62, 50);
  cairo_t* cr = canvas.cr();
  // The open ledger, its pages ruled and filled with figures.
  for (double side : {-1.0, 1.0}) {
    const double spine = 28;
    cairo_move_to(cr, spine, 12);
    cairo_curve_to(cr, spine + side * 8, 8, spine + side * 18, 8, spine + side * 25, 10);
    cairo_line_to(cr, spine + side * 25, 38);
    cairo_curve_to(cr, spine + side * 18, 36, spine + side * 8, 36, spine, 40);
    cairo_close_path(cr);
    fillLinearKeep(cr, spine, 0, spine + side * 25, 0, rgb(220, 196, 150), rgb(250, 240, 214));
    stroke(cr, kInk, 1.0);
    for (int i = 0; i < 5; ++i) {
      const double y = 15 + i * 4.5;
      cairo_move_to(cr, spine + side * 4, y);
      cairo_line_to(cr, spine + side * (i % 2 ? 16 : 21), y);
    }
    stroke(cr, rgb(120, 90, 60), 0.8);
  }
  cairo_move_to(cr, 28, 12);
  cairo_line_to(cr, 28, 40);
  stroke(cr, rgb(120, 90, 60), 1.0);
  // A quill in its ink pot.
  cairo_move_to(cr, 50, 30);
  cairo_curve_to(cr, 52, 20, 56, 10, 61, 1);
  cairo_curve_to(cr, 60, 12, 56, 22, 52, 30);
  cairo_close_path(cr);
  fillLinearKeep(cr, 50, 30, 61, 1, rgb(200, 200, 210), rgb(255, 255, 255));
  stroke(cr, kInk, 0.8);
  roundedRectangle(cr, 46, 30, 11, 10, 2);
  fillLinearKeep(cr, 46, 0, 57, 0, rgb(60, 70, 110), rgb(20, 24, 50));
  stroke(cr, kInk, 1.0);
  // The pearls of the treasury spilled in front.
  const double pearls[][3] = {{8, 44, 3.6}, {15, 45, 3.4}, {11, 39, 3.4}, {22, 46, 3.0}, {4, 39, 3.0}, {18, 40, 2.8}};
  for (const auto& p : pearls) {
    circle(cr, p[0], p[1], p[2]);
    fillBall(cr, p[0], p[1], p[2], rgb(236, 230, 240));
    circle(cr, p[0], p[1], p[2]);
    stroke(cr, rgb(80, 70, 90), 0.8);
  }
  return encodeBmp(canvas.rgb(true));
}

}  // namespace

void addIcons(ContentList& gfx) {
  gfx.push_back({"gfx\\info\\ico00.bmp", affairsIcon()});
  gfx.push_back({"gfx\\info\\ico02.bmp", itemsIcon()});
  gfx.push_back({"gfx\\info\\ico03.bmp", accountsIcon()});
}

}  // namespace info
