// The glimpse of each room through its open door: enough of the room's light and furniture
// that the player knows where the door leads before he reads the symbol strip.
#include "castle/Art.h"
#include "castle/Hall.h"
#include "image/Style.h"

#include <cmath>
#include <tuple>

namespace castle {

namespace {

using art::fillLinear;
using art::fillRadial;
using art::glow;
using art::mix;
using art::withAlpha;

struct Box {
  double l, t, r, b;
  double w() const { return r - l; }
  double h() const { return b - t; }
  double cx() const { return (l + r) / 2; }
};

void backdrop(cairo_t* cr, const Box& box, const Colour& top, const Colour& bottom) {
  cairo_rectangle(cr, box.l - 1, box.t - 1, box.w() + 2, box.h() + 2);
  fillVertical(cr, box.t, box.b, top, bottom);
}

void floorBand(cairo_t* cr, const Box& box, double height, const Colour& c) {
  cairo_rectangle(cr, box.l - 1, box.b - height, box.w() + 2, height + 1);
  fillVertical(cr, box.b - height, box.b, c, mix(c, rgb(0, 0, 0), 0.5));
}

void shelf(cairo_t* cr, const Box& box, double y) {
  cairo_rectangle(cr, box.l - 1, y, box.w() + 2, 2.2);
  fillVertical(cr, y, y + 2.2, style::kWood, style::kWoodDark);
}

void bottles(cairo_t* cr, const Box& box, double shelfY, unsigned seed) {
  art::Random random(seed);
  for (double x = box.l + 3; x < box.r - 3; x += random.between(4.5, 6.5)) {
    const double h = random.between(4, 7), w = random.between(2.4, 3.6);
    const Colour c = mix(rgb(120, 220, 140), rgb(230, 90, 220), random.unit());
    roundedRectangle(cr, x - w / 2, shelfY - h, w, h, 1);
    fillLinear(cr, x - w / 2, 0, x + w / 2, 0, mix(c, rgb(255, 255, 255), 0.4), mix(c, rgb(0, 0, 0), 0.4));
    glow(cr, x, shelfY - h / 2, 4, withAlpha(c, 0.35));
  }
}

void mageView(cairo_t* cr, const Box& box) {
  backdrop(cr, box, rgb(36, 14, 60), rgb(90, 40, 120));
  glow(cr, box.cx(), box.b - 14, 26, rgb(200, 120, 255, 0.55));
  shelf(cr, box, box.t + 30);
  bottles(cr, box, box.t + 30, 3);
  shelf(cr, box, box.t + 44);
  bottles(cr, box, box.t + 44, 9);
  floorBand(cr, box, 8, rgb(60, 30, 80));
  // A crystal ball on a little stand.
  cairo_move_to(cr, box.cx() - 5, box.b - 3);
  cairo_line_to(cr, box.cx() + 5, box.b - 3);
  cairo_line_to(cr, box.cx() + 3, box.b - 8);
  cairo_line_to(cr, box.cx() - 3, box.b - 8);
  cairo_close_path(cr);
  setColour(cr, style::kGold);
  cairo_fill(cr);
  cairo_arc(cr, box.cx(), box.b - 13, 6, 0, 2 * M_PI);
  fillRadial(cr, box.cx() - 2, box.b - 15, 7, rgb(250, 230, 255), rgb(130, 60, 200));
  art::sparkle(cr, box.l + 7, box.t + 16, 3, rgb(255, 220, 255));
  art::sparkle(cr, box.r - 8, box.t + 22, 2.5, rgb(220, 240, 255));
  art::sparkle(cr, box.cx() + 6, box.b - 20, 2, rgb(255, 255, 255));
}

void fightView(cairo_t* cr, const Box& box) {
  backdrop(cr, box, rgb(50, 12, 10), rgb(130, 44, 24));
  glow(cr, box.cx(), box.b - 20, 30, rgb(255, 120, 50, 0.45));
  // Two crossed spears behind a round shield.
  cairo_set_line_width(cr, 1.6);
  setColour(cr, style::kWood);
  cairo_move_to(cr, box.l + 2, box.t + 48);
  cairo_line_to(cr, box.r - 2, box.t + 14);
  cairo_move_to(cr, box.r - 2, box.t + 48);
  cairo_line_to(cr, box.l + 2, box.t + 14);
  cairo_stroke(cr);
  for (double side : {-1.0, 1.0}) {
    const double x = side < 0 ? box.r - 2 : box.l + 2;
    cairo_move_to(cr, x, box.t + 10);
    cairo_line_to(cr, x + 2.5, box.t + 16);
    cairo_line_to(cr, x - 2.5, box.t + 16);
    cairo_close_path(cr);
    setColour(cr, rgb(220, 220, 230));
    cairo_fill(cr);
  }
  const double sy = box.t + 31;
  cairo_arc(cr, box.cx(), sy, 10, 0, 2 * M_PI);
  fillRadial(cr, box.cx() - 3, sy - 3, 12, rgb(220, 60, 60), rgb(110, 16, 20));
  cairo_arc(cr, box.cx(), sy, 10, 0, 2 * M_PI);
  cairo_set_line_width(cr, 1.6);
  setColour(cr, style::kGold);
  cairo_stroke(cr);
  cairo_arc(cr, box.cx(), sy, 3, 0, 2 * M_PI);
  fillRadial(cr, box.cx() - 1, sy - 1, 3.5, style::kTorchCore, rgb(170, 110, 30));
  // The war table with its map.
  floorBand(cr, box, 10, rgb(80, 30, 20));
  cairo_move_to(cr, box.l - 1, box.b - 12);
  cairo_line_to(cr, box.r + 1, box.b - 12);
  cairo_line_to(cr, box.r + 1, box.b - 6);
  cairo_line_to(cr, box.l - 1, box.b - 6);
  cairo_close_path(cr);
  setColour(cr, style::kWoodDark);
  cairo_fill(cr);
  cairo_move_to(cr, box.l + 4, box.b - 13);
  cairo_line_to(cr, box.r - 4, box.b - 13);
  cairo_line_to(cr, box.r - 1, box.b - 10);
  cairo_line_to(cr, box.l + 1, box.b - 10);
  cairo_close_path(cr);
  setColour(cr, style::kParchment);
  cairo_fill(cr);
}

void gateView(cairo_t* cr, const Box& box) {
  const double horizon = box.b - 24;
  cairo_rectangle(cr, box.l - 1, box.t - 1, box.w() + 2, horizon - box.t + 2);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, box.t, 0, horizon);
  cairo_pattern_add_color_stop_rgb(sky, 0, style::kSkyHigh.r, style::kSkyHigh.g, style::kSkyHigh.b);
  cairo_pattern_add_color_stop_rgb(sky, 0.55, style::kSkyMid.r, style::kSkyMid.g, style::kSkyMid.b);
  cairo_pattern_add_color_stop_rgb(sky, 1, style::kSkyLow.r, style::kSkyLow.g, style::kSkyLow.b);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  glow(cr, box.cx() + 6, horizon, 16, rgb(255, 220, 140, 0.8));
  art::sparkle(cr, box.l + 9, box.t + 14, 1.6, rgb(255, 255, 230));
  art::sparkle(cr, box.r - 10, box.t + 24, 1.2, rgb(255, 255, 230));
  // Distant hills, a far castle and the nearer land.
  cairo_move_to(cr, box.l - 1, horizon + 1);
  cairo_curve_to(cr, box.l + 8, horizon - 9, box.l + 18, horizon - 4, box.cx(), horizon - 6);
  cairo_curve_to(cr, box.r - 12, horizon - 8, box.r - 4, horizon - 2, box.r + 1, horizon - 4);
  cairo_line_to(cr, box.r + 1, horizon + 2);
  cairo_close_path(cr);
  setColour(cr, rgb(80, 62, 110));
  cairo_fill(cr);
  cairo_rectangle(cr, box.r - 12, horizon - 14, 3, 8);
  cairo_rectangle(cr, box.r - 9, horizon - 11, 4, 5);
  cairo_rectangle(cr, box.r - 5, horizon - 13, 2.5, 7);
  setColour(cr, rgb(60, 44, 84));
  cairo_fill(cr);
  cairo_rectangle(cr, box.l - 1, horizon, box.w() + 2, box.b - horizon + 1);
  fillVertical(cr, horizon, box.b, rgb(70, 90, 60), rgb(40, 60, 34));
  // The road out, widening toward the gate.
  cairo_move_to(cr, box.cx() - 2, horizon);
  cairo_line_to(cr, box.cx() + 2, horizon);
  cairo_line_to(cr, box.cx() + 12, box.b + 1);
  cairo_line_to(cr, box.cx() - 12, box.b + 1);
  cairo_close_path(cr);
  fillVertical(cr, horizon, box.b, rgb(200, 160, 120), rgb(150, 120, 90));
  // The raised portcullis: its spikes hang under the arch.
  for (double x = box.l + 3; x < box.r - 1; x += 5) {
    cairo_move_to(cr, x - 1, box.t);
    cairo_line_to(cr, x + 1, box.t);
    cairo_line_to(cr, x + 1, box.t + 11);
    cairo_line_to(cr, x, box.t + 14);
    cairo_line_to(cr, x - 1, box.t + 11);
    cairo_close_path(cr);
  }
  setColour(cr, rgb(34, 30, 34));
  cairo_fill(cr);
  cairo_rectangle(cr, box.l - 1, box.t + 7, box.w() + 2, 1.6);
  cairo_fill(cr);
}

void shopView(cairo_t* cr, const Box& box) {
  backdrop(cr, box, rgb(60, 36, 14), rgb(140, 92, 40));
  glow(cr, box.cx(), box.t + 24, 22, rgb(255, 200, 110, 0.6));
  // A hanging lantern.
  cairo_move_to(cr, box.cx(), box.t);
  cairo_line_to(cr, box.cx(), box.t + 18);
  cairo_set_line_width(cr, 0.8);
  setColour(cr, rgb(30, 20, 10));
  cairo_stroke(cr);
  roundedRectangle(cr, box.cx() - 3, box.t + 18, 6, 8, 1.5);
  fillRadial(cr, box.cx(), box.t + 22, 5, style::kTorchCore, style::kTorchGlow);
  // Crates, a barrel and a sack.
  floorBand(cr, box, 9, rgb(90, 60, 30));
  cairo_rectangle(cr, box.l + 1, box.b - 22, 13, 13);
  fillVertical(cr, box.b - 22, box.b - 9, rgb(170, 120, 60), rgb(100, 64, 28));
  cairo_rectangle(cr, box.l + 1.5, box.b - 21.5, 12, 12);
  cairo_move_to(cr, box.l + 1.5, box.b - 21.5);
  cairo_line_to(cr, box.l + 13.5, box.b - 9.5);
  cairo_set_line_width(cr, 0.8);
  setColour(cr, rgb(70, 40, 16));
  cairo_stroke(cr);
  art::ellipse(cr, box.r - 8, box.b - 15, 6, 8);
  fillLinear(cr, box.r - 14, 0, box.r - 2, 0, rgb(150, 96, 44), rgb(80, 46, 20));
  cairo_rectangle(cr, box.r - 14, box.b - 19, 12, 1.2);
  cairo_rectangle(cr, box.r - 14, box.b - 12, 12, 1.2);
  setColour(cr, rgb(60, 56, 60));
  cairo_fill(cr);
  for (double x : {box.cx() - 2, box.cx() + 2, box.cx()}) {
    art::ellipse(cr, x, box.b - 8, 2.2, 1.4);
    fillRadial(cr, x - 0.5, box.b - 8.5, 2.4, style::kTorchCore, rgb(190, 130, 30));
  }
}

void infoView(cairo_t* cr, const Box& box) {
  backdrop(cr, box, rgb(16, 30, 44), rgb(44, 70, 80));
  art::Random random(21);
  for (double y = box.t + 14; y < box.b - 12; y += 11) {
    for (double x = box.l; x < box.r; x += random.between(2.2, 3.6)) {
      const double h = random.between(6.5, 9.5), w = random.between(1.6, 3.0);
      const Colour spine = mix(rgb(170, 50, 40), rgb(60, 120, 160), random.unit());
      const Colour c = random.unit() < 0.3 ? rgb(200, 160, 60) : spine;
      cairo_rectangle(cr, x, y + 9.5 - h, w, h);
      fillLinear(cr, x, 0, x + w, 0, mix(c, rgb(255, 255, 255), 0.25), mix(c, rgb(0, 0, 0), 0.4));
    }
    shelf(cr, box, y + 9.5);
  }
  glow(cr, box.cx(), box.b - 10, 20, rgb(150, 220, 255, 0.4));
  floorBand(cr, box, 8, rgb(40, 56, 60));
  // A lectern with an open book.
  cairo_move_to(cr, box.cx() - 2, box.b - 1);
  cairo_line_to(cr, box.cx() + 2, box.b - 1);
  cairo_line_to(cr, box.cx() + 1.5, box.b - 10);
  cairo_line_to(cr, box.cx() - 1.5, box.b - 10);
  cairo_close_path(cr);
  setColour(cr, style::kWoodDark);
  cairo_fill(cr);
  cairo_move_to(cr, box.cx() - 7, box.b - 9);
  cairo_line_to(cr, box.cx() + 7, box.b - 12);
  cairo_line_to(cr, box.cx() + 7, box.b - 14);
  cairo_line_to(cr, box.cx() - 7, box.b - 11);
  cairo_close_path(cr);
  setColour(cr, style::kParchment);
  cairo_fill(cr);
}

void hatcheryView(cairo_t* cr, const Box& box) {
  backdrop(cr, box, rgb(70, 26, 8), rgb(200, 100, 30));
  glow(cr, box.cx(), box.b - 18, 34, rgb(255, 170, 60, 0.8));
  glow(cr, box.cx(), box.b - 14, 14, rgb(255, 240, 160, 0.7));
  // Straw and a nest with two eggs.
  floorBand(cr, box, 20, rgb(200, 150, 60));
  art::Random random(33);
  cairo_set_line_width(cr, 0.7);
  for (int i = 0; i < 40; ++i) {
    const double x = random.between(box.l, box.r), y = random.between(box.b - 20, box.b);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + random.between(-4, 4), y + random.between(-1.5, 1.5));
  }
  setColour(cr, rgb(250, 210, 110, 0.8));
  cairo_stroke(cr);
  for (auto [dx, dy, s] : {std::tuple{-4.0, -22.0, 1.0}, {5.0, -20.0, 0.85}}) {
    art::ellipse(cr, box.cx() + dx, box.b + dy, 4.2 * s, 5.8 * s);
    fillRadial(cr, box.cx() + dx - 1.5, box.b + dy - 2, 7 * s, rgb(255, 250, 230), rgb(210, 150, 80));
  }
  art::ellipse(cr, box.cx(), box.b - 16, 11, 3.5);
  fillVertical(cr, box.b - 19, box.b - 12, rgb(190, 140, 60), rgb(120, 80, 30));
}

void cellarView(cairo_t* cr, const Box& box) {
  backdrop(cr, box, rgb(10, 10, 14), rgb(24, 26, 30));
  // Stairs going down: each step a lit edge, each one lower and darker than the last.
  const int steps = 9;
  for (int i = steps - 1; i >= 0; --i) {
    const double t = double(i) / steps;
    const double y = box.b - 4 - i * 5.5;
    const double inset = t * box.w() * 0.35;
    cairo_rectangle(cr, box.l + inset - 1, y, box.w() - inset * 0.2 + 2, 5.5);
    const Colour stone = mix(rgb(110, 100, 96), rgb(16, 16, 20), t);
    fillVertical(cr, y, y + 5.5, mix(stone, rgb(255, 200, 140), 0.15 * (1 - t)), mix(stone, rgb(0, 0, 0), 0.5));
  }
  cairo_rectangle(cr, box.l - 1, box.t - 1, box.w() + 2, box.h() * 0.35);
  fillVertical(cr, box.t, box.t + box.h() * 0.35, rgb(6, 6, 8), rgb(6, 6, 8, 0));
  // A dragon's eyes glowing down in the dark.
  const double ey = box.t + box.h() * 0.42, ex = box.cx() + 2;
  glow(cr, ex, ey, 12, rgb(120, 255, 120, 0.25));
  for (double dx : {-3.2, 3.2}) {
    art::ellipse(cr, ex + dx, ey, 1.8, 1.1);
    fillRadial(cr, ex + dx, ey, 2, rgb(255, 255, 160), rgb(200, 160, 20));
    cairo_rectangle(cr, ex + dx - 0.25, ey - 1, 0.5, 2);
    setColour(cr, rgb(20, 10, 0));
    cairo_fill(cr);
  }
}

}  // namespace

void paintRoomView(cairo_t* cr, const hall::Door& door) {
  const Box box{door.left, door.top, door.right, door.bottom};
  switch (door.room) {
    case hall::Room::Mage: mageView(cr, box); break;
    case hall::Room::Fight: fightView(cr, box); break;
    case hall::Room::Leave: gateView(cr, box); break;
    case hall::Room::Shop: shopView(cr, box); break;
    case hall::Room::Info: infoView(cr, box); break;
    case hall::Room::Hatchery: hatcheryView(cr, box); break;
    case hall::Room::Cellar: cellarView(cr, box); break;
  }
}

}  // namespace castle
