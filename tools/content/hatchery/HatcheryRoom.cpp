// The hatchery's room: the walls, the arched alcove with the copper hood, the hearth with
// its coals, the rack of places, the two gauges, the torches and what stands on the floor.
#include "hatchery/Egg.h"
#include "hatchery/HatcheryLayout.h"
#include "hatchery/HatcheryScene.h"
#include "image/Style.h"

#include <cmath>

namespace hatchery {
namespace {

constexpr double kAlcoveLeft = 96, kAlcoveRight = 222, kAlcoveSpring = 76;
constexpr double kFloorY = 224;
constexpr double kHearthTop = 148;

void paintWalls(cairo_t* cr) {
  StoneCourse look{16, 34, rgb(104, 84, 72), rgb(30, 22, 22), 41};
  paintStoneWall(cr, 0, 0, kScreenWidth, kFloorY, look);
  // The floor: large flags, darker, going away from the viewer.
  StoneCourse flags{9, 46, rgb(82, 66, 58), rgb(24, 18, 18), 43};
  paintStoneWall(cr, 0, kFloorY, kScreenWidth, kScreenHeight - kFloorY, flags);
  cairo_rectangle(cr, 0, kFloorY - 1, kScreenWidth, 3);
  fillVertical(cr, kFloorY - 1, kFloorY + 2, rgb(20, 14, 12, 0.9), rgb(20, 14, 12, 0.0));
}

void alcovePath(cairo_t* cr, double inset) {
  const double radius = (kAlcoveRight - kAlcoveLeft) / 2 - inset;
  const double cx = (kAlcoveLeft + kAlcoveRight) / 2;
  cairo_move_to(cr, kAlcoveLeft + inset, kHearthTop);
  cairo_line_to(cr, kAlcoveLeft + inset, kAlcoveSpring);
  cairo_arc(cr, cx, kAlcoveSpring, radius, M_PI, 2 * M_PI);
  cairo_line_to(cr, kAlcoveRight - inset, kHearthTop);
  cairo_close_path(cr);
}

// The alcove behind the nest: a round arch of lighter voussoirs, deep and warm inside.
void paintAlcove(cairo_t* cr) {
  alcovePath(cr, -6);
  setColour(cr, rgb(128, 104, 88));
  cairo_fill(cr);
  // The voussoirs: wedges round the arch.
  const double cx = (kAlcoveLeft + kAlcoveRight) / 2, radius = (kAlcoveRight - kAlcoveLeft) / 2;
  setColour(cr, rgb(44, 32, 28));
  cairo_set_line_width(cr, 1.2);
  for (int i = 0; i <= 10; ++i) {
    const double a = M_PI + M_PI * i / 10;
    cairo_move_to(cr, cx + std::cos(a) * radius, kAlcoveSpring + std::sin(a) * radius);
    cairo_line_to(cr, cx + std::cos(a) * (radius + 6), kAlcoveSpring + std::sin(a) * (radius + 6));
  }
  cairo_stroke(cr);
  alcovePath(cr, 0);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, kHearthTop, 10, cx, kHearthTop - 20, 120);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.62, 0.34, 0.14);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.30, 0.17, 0.10);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.09, 0.06, 0.07);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_clip(cr);
  // Faint courses of the alcove's back wall.
  setColour(cr, rgb(20, 10, 8, 0.35));
  cairo_set_line_width(cr, 1);
  for (double y = 20; y < kHearthTop; y += 14) {
    cairo_move_to(cr, kAlcoveLeft, y + 0.5);
    cairo_line_to(cr, kAlcoveRight, y + 0.5);
  }
  cairo_stroke(cr);
  speckle(cr, kAlcoveLeft, 10, kAlcoveRight - kAlcoveLeft, kHearthTop, rgb(255, 200, 140, 0.12), 500, 5);
  cairo_restore(cr);
}

// A copper hood over the nest gathers the heat; its flue goes up out of sight.
void paintHood(cairo_t* cr) {
  const double cx = kNestX;
  cairo_rectangle(cr, cx - 9, 0, 18, 12);
  cairo_pattern_t* pipe = cairo_pattern_create_linear(cx - 9, 0, cx + 9, 0);
  cairo_pattern_add_color_stop_rgb(pipe, 0, 0.35, 0.16, 0.08);
  cairo_pattern_add_color_stop_rgb(pipe, 0.35, 0.88, 0.56, 0.32);
  cairo_pattern_add_color_stop_rgb(pipe, 1, 0.30, 0.13, 0.07);
  cairo_set_source(cr, pipe);
  cairo_fill(cr);
  cairo_move_to(cr, cx - 10, 10);
  cairo_curve_to(cr, cx - 14, 22, cx - 34, 26, cx - 40, 34);
  cairo_line_to(cr, cx + 40, 34);
  cairo_curve_to(cr, cx + 34, 26, cx + 14, 22, cx + 10, 10);
  cairo_close_path(cr);
  cairo_pattern_t* hood = cairo_pattern_create_linear(cx - 40, 0, cx + 40, 0);
  cairo_pattern_add_color_stop_rgb(hood, 0, 0.32, 0.14, 0.07);
  cairo_pattern_add_color_stop_rgb(hood, 0.3, 0.92, 0.58, 0.34);
  cairo_pattern_add_color_stop_rgb(hood, 0.55, 0.66, 0.34, 0.18);
  cairo_pattern_add_color_stop_rgb(hood, 1, 0.26, 0.11, 0.06);
  cairo_set_source(cr, hood);
  cairo_fill(cr);
  cairo_pattern_destroy(hood);
  cairo_pattern_destroy(pipe);
  // The rolled rim and its rivets.
  roundedRectangle(cr, cx - 42, 32, 84, 5, 2.5);
  fillVertical(cr, 32, 37, rgb(236, 168, 104), rgb(110, 50, 24));
  setColour(cr, rgb(255, 220, 160));
  for (int i = -3; i <= 3; ++i) {
    cairo_arc(cr, cx + i * 11, 34.5, 0.9, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  // Heat glow on its underside.
  cairo_rectangle(cr, cx - 40, 37, 80, 6);
  fillVertical(cr, 37, 43, rgb(255, 150, 60, 0.35), rgb(255, 150, 60, 0));
}

// The hearth under the nest: a stone pedestal with a grated fire-mouth full of coals.
void paintHearth(cairo_t* cr) {
  roundedRectangle(cr, 102, kHearthTop, 114, kScreenHeight - kHearthTop + 4, 3);
  fillVertical(cr, kHearthTop, kScreenHeight, rgb(120, 98, 84), rgb(58, 44, 40));
  StoneCourse look{12, 26, rgb(112, 90, 78), rgb(36, 26, 24), 77};
  paintStoneWall(cr, 104, 172, 110, kScreenHeight - 172, look);
  // The slab the nest stands on.
  roundedRectangle(cr, 94, kHearthTop - 2, 130, 8, 2);
  fillVertical(cr, kHearthTop - 2, kHearthTop + 6, rgb(168, 142, 120), rgb(86, 66, 56));
  // The fire-mouth: a heap of coals glowing behind an iron grate, small flames licking up.
  roundedRectangle(cr, 110, 155, 98, 16, 5);
  setColour(cr, rgb(24, 10, 6));
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  paintGlow(cr, kNestX, 172, 50, rgb(255, 110, 30, 0.8));
  Dice dice(19);
  for (int i = 0; i < 7; ++i)
    paintFlameTongue(cr, 116 + i * 14 + dice.between(-2, 2), 168, 9, dice.between(8, 14), dice.between(-2, 2),
                     rgb(230, 80, 20, 0.9), rgb(255, 200, 80, 0.8));
  for (int i = 0; i < 34; ++i) {
    const double x = 112 + dice.between(0, 94), y = 170 - dice.between(0, 7) * (1 - std::abs(x - kNestX) / 60);
    const double r = dice.between(2.2, 4.2);
    cairo_move_to(cr, x - r, y);
    cairo_line_to(cr, x - r * 0.4, y - r * dice.between(0.7, 1.0));
    cairo_line_to(cr, x + r * 0.6, y - r * dice.between(0.6, 0.9));
    cairo_line_to(cr, x + r, y + r * 0.2);
    cairo_line_to(cr, x, y + r * 0.8);
    cairo_close_path(cr);
    cairo_pattern_t* coal = cairo_pattern_create_radial(x - 0.5, y - 1, 0.3, x, y, r * 1.2);
    const double heat = dice.next();
    cairo_pattern_add_color_stop_rgb(coal, 0, 1.0, 0.7 + 0.25 * heat, 0.3 + 0.3 * heat);
    cairo_pattern_add_color_stop_rgb(coal, 0.5, 0.85, 0.28, 0.06);
    cairo_pattern_add_color_stop_rgb(coal, 1, 0.22, 0.05, 0.02);
    cairo_set_source(cr, coal);
    cairo_fill(cr);
    cairo_pattern_destroy(coal);
  }
  cairo_restore(cr);
  setColour(cr, rgb(28, 22, 22));
  cairo_set_line_width(cr, 2);
  for (double x = 118; x < 206; x += 8) {
    cairo_move_to(cr, x, 155);
    cairo_line_to(cr, x, 171);
  }
  cairo_stroke(cr);
  roundedRectangle(cr, 110, 155, 98, 16, 5);
  setColour(cr, rgb(60, 48, 44));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

// The rack of the four places: a dark wooden board with a cup for each place's egg.
void paintRack(cairo_t* cr) {
  roundedRectangle(cr, kRack.x - 4, kRack.y - 4, kRack.w + 4, kRack.h + 4, 5);
  fillVertical(cr, 0, kRack.h, rgb(110, 70, 36), rgb(58, 34, 16));
  speckle(cr, 0, 0, kRack.w, kRack.h, rgb(30, 16, 6, 0.4), 500, 23);
  setColour(cr, rgb(40, 22, 10, 0.5));
  cairo_set_line_width(cr, 1);
  for (double y = 6; y < kRack.h; y += 7) {  // the grain
    cairo_move_to(cr, 0, y + 0.5);
    cairo_curve_to(cr, 40, y - 1, 80, y + 2, kRack.w, y + 0.5);
  }
  cairo_stroke(cr);
  for (int place = 0; place < kPlaces; ++place) {
    const ScreenRect b = placeButton(place);
    // The empty cup: a dark hollow with a lit lower lip.
    cairo_arc(cr, b.x + b.w / 2.0, b.y + b.h / 2.0 + kSelectedShift / 2.0, 12, 0, 2 * M_PI);
    cairo_pattern_t* cup = cairo_pattern_create_radial(b.x + 13, b.y + 13, 2, b.x + 15, b.y + 17, 13);
    cairo_pattern_add_color_stop_rgb(cup, 0, 0.10, 0.06, 0.04);
    cairo_pattern_add_color_stop_rgb(cup, 0.8, 0.20, 0.11, 0.05);
    cairo_pattern_add_color_stop_rgb(cup, 1, 0.62, 0.42, 0.22);
    cairo_set_source(cr, cup);
    cairo_fill(cr);
    cairo_pattern_destroy(cup);
  }
  roundedRectangle(cr, kRack.x - 4, kRack.y - 4, kRack.w + 4, kRack.h + 4, 5);
  setColour(cr, rgb(200, 150, 70));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

// An empty glass gauge where the game fills a bar: brass caps, a dark tube, tick marks.
void paintGauge(cairo_t* cr, const ScreenRect& bar, const Colour& tint) {
  roundedRectangle(cr, bar.x - 3, bar.y - 3, bar.w + 6, bar.h + 6, 4);
  fillVertical(cr, bar.y, bar.bottom(), rgb(150, 112, 52), rgb(90, 60, 26));
  cairo_rectangle(cr, bar.x, bar.y, bar.w, bar.h);
  cairo_pattern_t* glass = cairo_pattern_create_linear(bar.x, 0, bar.x + bar.w, 0);
  const Colour dark = mix(rgb(16, 14, 20), tint, 0.15);
  cairo_pattern_add_color_stop_rgb(glass, 0, dark.r, dark.g, dark.b);
  cairo_pattern_add_color_stop_rgb(glass, 0.3, dark.r + 0.12, dark.g + 0.12, dark.b + 0.12);
  cairo_pattern_add_color_stop_rgb(glass, 1, dark.r * 0.6, dark.g * 0.6, dark.b * 0.6);
  cairo_set_source(cr, glass);
  cairo_fill(cr);
  cairo_pattern_destroy(glass);
  setColour(cr, rgb(220, 180, 100, 0.7));
  cairo_set_line_width(cr, 1);
  for (int i = 1; i < 10; ++i) {
    const double y = bar.y + bar.h * i / 10.0 + 0.5;
    cairo_move_to(cr, bar.x - 3, y);
    cairo_line_to(cr, bar.x - (i % 5 ? 1 : 0), y);
  }
  cairo_stroke(cr);
  // Caps top and bottom.
  for (double y : {double(bar.y) - 6, double(bar.bottom()) + 2}) {
    roundedRectangle(cr, bar.x - 4, y, bar.w + 8, 5, 2);
    fillVertical(cr, y, y + 5, rgb(240, 200, 120), rgb(120, 80, 30));
  }
}

// Over the progress gauge a little cracked egg; under the heat gauge a flame on a bulb.
void paintGaugeEmblems(cairo_t* cr) {
  const double ex = kProgressBar.x + kProgressBar.w / 2.0, ey = kProgressBar.y - 16;
  paintGlow(cr, ex, ey, 12, rgb(255, 200, 120, 0.25));
  paintDragonEgg(cr, ex, ey, 6, 8, eggLookFor(2));
  setColour(cr, rgb(30, 16, 10));
  cairo_set_line_width(cr, 0.9);
  cairo_move_to(cr, ex - 5, ey - 1);
  cairo_line_to(cr, ex - 2, ey + 1);
  cairo_line_to(cr, ex, ey - 2);
  cairo_line_to(cr, ex + 3, ey + 1);
  cairo_line_to(cr, ex + 5, ey - 1);
  cairo_stroke(cr);
  const double hx = kHeatBar.x + kHeatBar.w / 2.0, hy = kHeatBar.bottom() + 13;
  cairo_arc(cr, hx, hy, 7, 0, 2 * M_PI);
  cairo_pattern_t* bulb = cairo_pattern_create_radial(hx - 2, hy - 2, 1, hx, hy, 7);
  cairo_pattern_add_color_stop_rgb(bulb, 0, 1.0, 0.8, 0.5);
  cairo_pattern_add_color_stop_rgb(bulb, 1, 0.6, 0.12, 0.05);
  cairo_set_source(cr, bulb);
  cairo_fill(cr);
  cairo_pattern_destroy(bulb);
  paintTorchFlame(cr, hx, hy + 12, 0.45, 0.3);
}

// A wicker basket of spare eggs on the floor, and a scuttle of coal by the hearth.
void paintFloorThings(cairo_t* cr) {
  const double bx = 72, by = 214;
  for (int i = 0; i < 4; ++i) {
    static constexpr double kOffsets[4][2] = {{-16, -6}, {-3, -10}, {11, -7}, {2, -3}};
    paintDragonEgg(cr, bx + kOffsets[i][0], by + kOffsets[i][1], 8, 11, eggLookFor((i + 1) % 4), 0.25 * (i - 1.5));
  }
  cairo_move_to(cr, bx - 30, by - 4);
  cairo_curve_to(cr, bx - 28, by + 20, bx + 28, by + 20, bx + 30, by - 4);
  cairo_close_path(cr);
  fillVertical(cr, by - 4, by + 16, rgb(176, 128, 64), rgb(84, 52, 22));
  setColour(cr, rgb(60, 36, 14, 0.8));
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, bx - 29 + i * 1.5, by + i * 4);
    cairo_curve_to(cr, bx - 10, by + 3 + i * 4.5, bx + 10, by + 3 + i * 4.5, bx + 29 - i * 1.5, by + i * 4);
  }
  cairo_stroke(cr);
  roundedRectangle(cr, bx - 31, by - 6, 62, 4, 2);
  fillVertical(cr, by - 6, by - 2, rgb(210, 160, 90), rgb(120, 76, 32));
  // The scuttle.
  const double sx = 250, sy = 216;
  cairo_move_to(cr, sx - 16, sy - 10);
  cairo_line_to(cr, sx + 16, sy - 14);
  cairo_line_to(cr, sx + 13, sy + 12);
  cairo_line_to(cr, sx - 13, sy + 12);
  cairo_close_path(cr);
  fillVertical(cr, sy - 14, sy + 12, rgb(80, 76, 80), rgb(30, 28, 32));
  Dice dice(31);
  for (int i = 0; i < 9; ++i) {
    cairo_arc(cr, sx - 12 + i * 3, sy - 11 - dice.between(0, 3) + i * -0.3, dice.between(2, 3.5), 0, 2 * M_PI);
    setColour(cr, i % 3 ? rgb(26, 24, 26) : rgb(60, 56, 58));
    cairo_fill(cr);
  }
}

// A small shelf on the right wall: a clay jar, a candle stub and a rolled hatching chart.
void paintShelf(cairo_t* cr) {
  const double x = 232, y = 128, w = 36;
  // The jar.
  cairo_move_to(cr, x + 5, y);
  cairo_curve_to(cr, x + 1, y - 8, x + 4, y - 16, x + 8, y - 17);
  cairo_line_to(cr, x + 14, y - 17);
  cairo_curve_to(cr, x + 18, y - 16, x + 21, y - 8, x + 17, y);
  cairo_close_path(cr);
  cairo_pattern_t* clay = cairo_pattern_create_linear(x + 2, 0, x + 20, 0);
  cairo_pattern_add_color_stop_rgb(clay, 0, 0.36, 0.18, 0.10);
  cairo_pattern_add_color_stop_rgb(clay, 0.35, 0.78, 0.46, 0.28);
  cairo_pattern_add_color_stop_rgb(clay, 1, 0.30, 0.14, 0.08);
  cairo_set_source(cr, clay);
  cairo_fill(cr);
  cairo_pattern_destroy(clay);
  roundedRectangle(cr, x + 7, y - 19, 8, 3, 1);
  setColour(cr, rgb(120, 80, 50));
  cairo_fill(cr);
  // The rolled chart.
  roundedRectangle(cr, x + 21, y - 5, 14, 5, 2.5);
  fillVertical(cr, y - 5, y, style::kParchment, style::kParchmentEdge);
  setColour(cr, rgb(150, 40, 30));
  cairo_rectangle(cr, x + 27, y - 5, 2, 5);
  cairo_fill(cr);
  // The board on two iron brackets.
  roundedRectangle(cr, x - 2, y, w + 4, 4, 1.5);
  fillVertical(cr, y, y + 4, rgb(140, 96, 50), rgb(70, 42, 18));
  setColour(cr, rgb(30, 26, 28));
  cairo_set_line_width(cr, 1.5);
  for (double bx : {x + 4, x + w - 4}) {
    cairo_move_to(cr, bx, y + 4);
    cairo_line_to(cr, bx, y + 12);
    cairo_line_to(cr, bx + 6, y + 4);
  }
  cairo_stroke(cr);
}

// Light: warm from the hearth and the torches, the corners in shadow.
void paintLight(cairo_t* cr) {
  paintGlow(cr, kNestX, 150, 150, rgb(255, 150, 70, 0.22));
  paintGlow(cr, 252, 24, 60, rgb(255, 170, 80, 0.25));
  paintGlow(cr, 20, 66, 50, rgb(255, 170, 80, 0.22));
  cairo_pattern_t* shade = cairo_pattern_create_radial(kNestX, 120, 70, kNestX, 120, 230);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0.05, 0.02, 0.03, 0);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0.05, 0.02, 0.03, 0.7);
  cairo_set_source(cr, shade);
  cairo_paint(cr);
  cairo_pattern_destroy(shade);
}

}  // namespace

void paintHatcheryRoom(cairo_t* cr) {
  cairo_save(cr);
  paintWalls(cr);
  paintAlcove(cr);
  paintHood(cr);
  paintHearth(cr);
  paintFloorThings(cr);
  paintShelf(cr);
  paintLight(cr);
  cairo_restore(cr);
}

void paintHatcheryFittings(cairo_t* cr, const HatcheryState& state) {
  cairo_save(cr);
  paintNestBack(cr);
  if (state.egg >= 0) paintNestedEgg(cr, state.egg);
  paintNestFront(cr);
  paintLeverPlate(cr);
  paintLever(cr, state.leverFrame);
  paintSpoutAndDish(cr);
  if (state.dropFrame >= 0) paintDrop(cr, state.dropFrame);
  paintGauge(cr, kProgressBar, rgb(60, 160, 80));
  paintGauge(cr, kHeatBar, rgb(60, 100, 200));
  paintGaugeEmblems(cr);
  paintTorch(cr, 252, 40, 0.9, 0.0);
  paintTorch(cr, 20, 96, 0.8, 0.4);
  paintRack(cr);
  cairo_restore(cr);
}

}  // namespace hatchery
