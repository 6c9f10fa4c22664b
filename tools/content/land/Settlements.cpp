// The settlements on the map, one look per race (small: two or three houses in 30 x 30,
// large: a walled cluster in 35 x 35), and the marks drawn over them: the rulers' crosses,
// the order mark and the guard dragon's head. All keyed on magenta.
#include "land/LandEntries.h"
#include "land/Noise.h"
#include "land/Scenery.h"

#include "image/Canvas.h"
#include "image/Encode.h"
#include "image/Style.h"

#include <cmath>
#include <string>

namespace land {

namespace {

enum class Roof { Gable, Cone, Stilts };
enum class Extra { Pool, ReedStacks, Boat, Cairn, Holly, SaltHeap };

// Fenfolk, Reedkin, Ferrow, Cairnmen, Hollin and Saltkin, in the races' order.
struct RaceLook {
  Colour wall, roof, ground;
  Roof kind;
  Extra extra;
};
constexpr RaceLook kRaces[6] = {
    {rgb(120, 96, 64), rgb(84, 92, 48), rgb(96, 92, 58), Roof::Stilts, Extra::Pool},
    {rgb(196, 170, 112), rgb(214, 182, 88), rgb(150, 130, 80), Roof::Cone, Extra::ReedStacks},
    {rgb(176, 132, 86), rgb(62, 96, 150), rgb(142, 118, 82), Roof::Gable, Extra::Boat},
    {rgb(150, 146, 140), rgb(84, 88, 104), rgb(120, 114, 104), Roof::Gable, Extra::Cairn},
    {rgb(128, 86, 52), rgb(70, 112, 56), rgb(92, 84, 54), Roof::Gable, Extra::Holly},
    {rgb(232, 226, 210), rgb(170, 110, 80), rgb(196, 184, 150), Roof::Gable, Extra::SaltHeap},
};

const Colour kOutline = rgb(36, 24, 18);

void outline(cairo_t* cr, double width = 0.9) {
  setColour(cr, kOutline);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// A house in three-quarter view standing on (x, y): the gable end facing us, the long
// side going back to the right.
void gableHouse(cairo_t* cr, double x, double y, double w, double h, const RaceLook& look) {
  const double side = w * 0.55, roofH = h * 0.75;
  // Side wall and the long roof slope.
  cairo_move_to(cr, x + w, y);
  cairo_line_to(cr, x + w + side, y - side * 0.35);
  cairo_line_to(cr, x + w + side, y - h - side * 0.35);
  cairo_line_to(cr, x + w, y - h);
  cairo_close_path(cr);
  setColour(cr, shade(look.wall, 0.7));
  cairo_fill_preserve(cr);
  outline(cr);
  cairo_move_to(cr, x + w / 2, y - h - roofH);
  cairo_line_to(cr, x + w / 2 + side, y - h - roofH - side * 0.35);
  cairo_line_to(cr, x + w + side + 1, y - h - side * 0.35 + 0.5);
  cairo_line_to(cr, x + w + 1, y - h + 0.5);
  cairo_close_path(cr);
  setLinear(cr, x, y - h - roofH, x + w + side, y - h, shade(look.roof, 1.2), shade(look.roof, 0.75));
  cairo_fill_preserve(cr);
  outline(cr);
  // The gable end.
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x, y - h);
  cairo_line_to(cr, x + w / 2, y - h - roofH);
  cairo_line_to(cr, x + w, y - h);
  cairo_line_to(cr, x + w, y);
  cairo_close_path(cr);
  setLinear(cr, x, y - h, x + w, y, shade(look.wall, 1.15), look.wall);
  cairo_fill_preserve(cr);
  outline(cr);
  // Door and a lit window.
  cairo_rectangle(cr, x + w * 0.36, y - h * 0.55, w * 0.28, h * 0.55);
  setColour(cr, rgb(70, 40, 24));
  cairo_fill(cr);
  cairo_rectangle(cr, x + w * 0.4, y - h - roofH * 0.55, w * 0.2, roofH * 0.28);
  setColour(cr, style::kTorchCore);
  cairo_fill(cr);
}

// A round hut with a conical thatch, on posts over the water for the fen folk.
void roundHut(cairo_t* cr, double x, double y, double w, double h, const RaceLook& look, bool stilts) {
  const double lift = stilts ? h * 0.35 : 0;
  if (stilts) {
    cairo_set_line_width(cr, 1.2);
    setColour(cr, rgb(70, 48, 30));
    for (double px : {x + w * 0.15, x + w * 0.5, x + w * 0.85}) {
      cairo_move_to(cr, px, y);
      cairo_line_to(cr, px, y - lift);
    }
    cairo_stroke(cr);
  }
  const double base = y - lift;
  cairo_move_to(cr, x, base - h * 0.45);
  cairo_line_to(cr, x, base - 1);
  cairo_curve_to(cr, x + w * 0.3, base + 1, x + w * 0.7, base + 1, x + w, base - 1);
  cairo_line_to(cr, x + w, base - h * 0.45);
  cairo_close_path(cr);
  setLinear(cr, x, 0, x + w, 0, shade(look.wall, 1.15), shade(look.wall, 0.65));
  cairo_fill_preserve(cr);
  outline(cr);
  cairo_rectangle(cr, x + w * 0.4, base - h * 0.38, w * 0.2, h * 0.36);
  setColour(cr, rgb(60, 36, 20));
  cairo_fill(cr);
  cairo_move_to(cr, x - w * 0.15, base - h * 0.4);
  cairo_line_to(cr, x + w * 0.5, base - h * 1.25);
  cairo_line_to(cr, x + w * 1.15, base - h * 0.4);
  cairo_curve_to(cr, x + w * 0.8, base - h * 0.3, x + w * 0.2, base - h * 0.3, x - w * 0.15, base - h * 0.4);
  cairo_close_path(cr);
  setLinear(cr, x, 0, x + w, 0, shade(look.roof, 1.25), shade(look.roof, 0.7));
  cairo_fill_preserve(cr);
  outline(cr);
}

void house(cairo_t* cr, double x, double y, double w, double h, const RaceLook& look) {
  if (look.kind == Roof::Gable) gableHouse(cr, x, y, w, h, look);
  else roundHut(cr, x, y, w, h, look, look.kind == Roof::Stilts);
}

void extra(cairo_t* cr, double x, double y, double size, Extra kind) {
  switch (kind) {
    case Extra::Pool:
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_scale(cr, size, size * 0.4);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      setLinear(cr, 0, y - size * 0.4, 0, y + size * 0.4, rgb(60, 100, 110), rgb(90, 140, 150));
      cairo_fill_preserve(cr);
      outline(cr, 0.7);
      break;
    case Extra::ReedStacks:
      for (int i = 0; i < 2; ++i) {
        const double sx = x + i * size * 0.7;
        cairo_move_to(cr, sx - size * 0.3, y);
        cairo_line_to(cr, sx, y - size);
        cairo_line_to(cr, sx + size * 0.3, y);
        cairo_close_path(cr);
        setLinear(cr, sx - size * 0.3, 0, sx + size * 0.3, 0, rgb(232, 206, 120), rgb(160, 130, 60));
        cairo_fill_preserve(cr);
        outline(cr, 0.7);
      }
      break;
    case Extra::Boat:
      cairo_rectangle(cr, x - size * 0.9, y - size * 0.3, size * 1.8, size * 0.6);
      setColour(cr, rgb(70, 120, 160));
      cairo_fill(cr);
      cairo_move_to(cr, x - size * 0.6, y - size * 0.15);
      cairo_line_to(cr, x + size * 0.6, y - size * 0.15);
      cairo_line_to(cr, x + size * 0.4, y + size * 0.15);
      cairo_line_to(cr, x - size * 0.4, y + size * 0.15);
      cairo_close_path(cr);
      setColour(cr, rgb(120, 76, 40));
      cairo_fill_preserve(cr);
      outline(cr, 0.7);
      break;
    case Extra::Cairn:
      for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, x + (i == 1 ? 0 : (i == 0 ? -size * 0.25 : size * 0.25)), y - size * (i == 1 ? 0.55 : 0.2),
                  size * 0.28, 0, 2 * M_PI);
        setLinear(cr, x - size * 0.3, y - size, x + size * 0.3, y, rgb(190, 186, 180), rgb(100, 96, 96));
        cairo_fill_preserve(cr);
        outline(cr, 0.7);
      }
      break;
    case Extra::Holly:
      paintTree(cr, x, y, size * 1.6, rgb(30, 86, 40), 3);
      setColour(cr, rgb(220, 30, 30));
      for (int i = 0; i < 4; ++i) cairo_rectangle(cr, x - size * 0.3 + i * size * 0.2, y - size * (0.9 + 0.15 * (i % 2)), 1, 1);
      cairo_fill(cr);
      break;
    case Extra::SaltHeap:
      cairo_move_to(cr, x - size * 0.5, y);
      cairo_curve_to(cr, x - size * 0.2, y - size * 0.8, x + size * 0.2, y - size * 0.8, x + size * 0.5, y);
      cairo_close_path(cr);
      setLinear(cr, x - size * 0.5, 0, x + size * 0.5, 0, rgb(255, 255, 250), rgb(190, 196, 210));
      cairo_fill_preserve(cr);
      outline(cr, 0.7);
      break;
  }
}

void groundPatch(cairo_t* cr, double cx, double cy, double rx, double ry, const RaceLook& look) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setRadial(cr, cx - rx * 0.2, cy - ry * 0.3, rx * 1.1, shade(look.ground, 1.15), shade(look.ground, 0.8));
  cairo_fill_preserve(cr);
  setColour(cr, rgb(50, 40, 24));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void paintSmall(cairo_t* cr, const RaceLook& look) {
  groundPatch(cr, 15, 22, 14, 7.5, look);
  house(cr, 13, 19, 10, 7, look);
  extra(cr, 24.5, 27, 4.5, look.extra);
  house(cr, 3, 27, 11, 8, look);
}

void paintLarge(cairo_t* cr, const RaceLook& look) {
  groundPatch(cr, 17.5, 24, 16.5, 9.5, look);
  // A palisade around the back.
  cairo_set_line_width(cr, 1.6);
  for (int i = 0; i < 14; ++i) {
    const double a = M_PI + i * M_PI / 13;
    const double px = 17.5 + std::cos(a) * 15.5, py = 22 + std::sin(a) * 9;
    cairo_move_to(cr, px, py + 2);
    cairo_line_to(cr, px, py - 3);
  }
  setColour(cr, rgb(96, 64, 36));
  cairo_stroke(cr);
  house(cr, 14, 20, 9, 7, look);
  house(cr, 2, 24, 9, 7, look);
  extra(cr, 29, 31, 4.5, look.extra);
  house(cr, 10, 32, 11, 8, look);
  // A watchtower with a pennant marks the larger town.
  cairo_rectangle(cr, 28, 9, 4, 14);
  setLinear(cr, 28, 0, 32, 0, shade(look.wall, 1.1), shade(look.wall, 0.6));
  cairo_fill_preserve(cr);
  outline(cr, 0.8);
  cairo_move_to(cr, 27, 9);
  cairo_line_to(cr, 30, 4);
  cairo_line_to(cr, 33, 9);
  cairo_close_path(cr);
  setColour(cr, look.roof);
  cairo_fill_preserve(cr);
  outline(cr, 0.8);
}

std::string twoDigits(int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); }

// The rulers' owner mark: a heraldic cross in the field colour, edged in its metal.
void paintCross(cairo_t* cr, const style::Heraldry& ruler) {
  cairo_move_to(cr, 3.5, 0.5);
  for (auto [x, y] : {std::pair{6.5, 0.5}, {6.5, 3.5}, {9.5, 3.5}, {9.5, 6.5}, {6.5, 6.5}, {6.5, 9.5},
                      {3.5, 9.5}, {3.5, 6.5}, {0.5, 6.5}, {0.5, 3.5}, {3.5, 3.5}})
    cairo_line_to(cr, x, y);
  cairo_close_path(cr);
  setLinear(cr, 0, 0, 10, 10, shade(ruler.field, 1.3), ruler.dark);
  cairo_fill_preserve(cr);
  setColour(cr, ruler.metal);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// "You have an order here": a golden flame-shaped pennant on a staff.
void paintOrderMark(cairo_t* cr) {
  cairo_move_to(cr, 2, 9.5);
  cairo_line_to(cr, 2, 0.5);
  setColour(cr, kOutline);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  cairo_move_to(cr, 2.5, 0.5);
  cairo_curve_to(cr, 5, 1.5, 7, 0, 9.5, 2);
  cairo_line_to(cr, 7, 3.5);
  cairo_line_to(cr, 9.5, 5.5);
  cairo_curve_to(cr, 7, 6.5, 5, 5, 2.5, 6);
  cairo_close_path(cr);
  setLinear(cr, 2, 0, 9, 6, rgb(255, 236, 130), rgb(230, 120, 20));
  cairo_fill_preserve(cr);
  setColour(cr, kOutline);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

// "Guarded by a dragon": a fiery dragon's head in profile looking right, horned, with a
// bright eye; small enough to perch on the settlement's corner.
void paintGuardHead(cairo_t* cr) {
  const double horns[2][4] = {{4.5, 3.5, 0.5, 0.6}, {6.5, 3, 4, 0.2}};
  for (const auto& h : horns) {
    cairo_move_to(cr, h[0] - 1, h[1] + 0.5);
    cairo_line_to(cr, h[2], h[3]);
    cairo_line_to(cr, h[0] + 1, h[1]);
    cairo_close_path(cr);
    setColour(cr, rgb(240, 226, 190));
    cairo_fill_preserve(cr);
    outline(cr, 0.7);
  }
  cairo_move_to(cr, 0.5, 11.5);
  cairo_curve_to(cr, 1, 7, 2, 3.5, 6, 3);
  cairo_curve_to(cr, 9, 3, 11, 4, 13.5, 5.5);
  cairo_line_to(cr, 13.5, 7);
  cairo_line_to(cr, 8, 7.3);
  cairo_line_to(cr, 12.5, 8.6);
  cairo_line_to(cr, 12, 9.6);
  cairo_line_to(cr, 7, 10);
  cairo_curve_to(cr, 5, 10.5, 4.5, 11, 4, 11.5);
  cairo_close_path(cr);
  setLinear(cr, 0, 3, 0, 11, rgb(236, 112, 52), rgb(150, 36, 24));
  cairo_fill_preserve(cr);
  outline(cr, 0.9);
  cairo_rectangle(cr, 7.5, 4.3, 2, 1.5);
  setColour(cr, rgb(255, 236, 80));
  cairo_fill(cr);
  cairo_rectangle(cr, 8.5, 4.3, 0.8, 1.5);
  setColour(cr, rgb(20, 10, 10));
  cairo_fill(cr);
}

}  // namespace

void addSettlements(ContentList& gfx) {
  for (int race = 0; race < 6; ++race) {
    Canvas small(30, 30), large(35, 35);
    paintSmall(small.cr(), kRaces[race]);
    paintLarge(large.cr(), kRaces[race]);
    gfx.push_back({"gfx\\fight\\tribe" + twoDigits(race + 1) + ".gif", encodeGif(small.rgb(true))});
    gfx.push_back({"gfx\\fight\\village" + twoDigits(race + 1) + ".gif", encodeGif(large.rgb(true))});
  }
  for (int player = 0; player < 3; ++player) {
    Canvas cross(10, 10);
    paintCross(cross.cr(), style::kRulers[player]);
    gfx.push_back({"gfx\\fight\\cross" + twoDigits(player) + ".gif", encodeGif(cross.rgb(true))});
  }
  Canvas order(10, 10);
  paintOrderMark(order.cr());
  gfx.push_back({"gfx\\fight\\cross_action.gif", encodeGif(order.rgb(true))});
  Canvas head(14, 12);
  paintGuardHead(head.cr());
  gfx.push_back({"gfx\\fight\\dragon_head.gif", encodeGif(head.rgb(true))});
}

}  // namespace land
