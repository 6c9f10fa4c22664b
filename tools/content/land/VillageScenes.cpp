// The village fight's stage: three backdrops where the houses stand (on open ground from
// y 100 down, under a dusk sky), and the light title plate over every fight animation.
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

constexpr int kW = 320, kH = 240;

// The trodden village green where the houses will stand, with tufts and flowers.
void villageGround(cairo_t* cr, double top, const Colour& far, const Colour& near, unsigned seed) {
  cairo_rectangle(cr, 0, top, kW, kH - top);
  setLinear(cr, 0, top, 0, kH, far, near);
  cairo_fill(cr);
  speckle(cr, 0, top, kW, kH - top, rgb(30, 50, 20, 0.5), 900, seed);
  speckle(cr, 0, top, kW, kH - top, rgb(200, 220, 140, 0.4), 500, seed + 1);
  // A dirt lane across the green.
  cairo_move_to(cr, 0, 206);
  cairo_curve_to(cr, 90, 190, 200, 224, kW, 200);
  cairo_line_to(cr, kW, 214);
  cairo_curve_to(cr, 200, 238, 90, 204, 0, 222);
  cairo_close_path(cr);
  setLinear(cr, 0, 190, 0, 238, rgb(170, 140, 96), rgb(120, 92, 60));
  cairo_fill(cr);
  Random random(seed);
  for (int i = 0; i < 70; ++i) {  // grass tufts, bigger nearer the front
    const double x = random.range(0, kW), y = random.range(top + 10, kH);
    const double s = 2 + (y - top) / (kH - top) * 5;
    cairo_set_line_width(cr, 1);
    setColour(cr, rgb(50, 90, 36));
    for (int b = -1; b <= 1; ++b) {
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + b * s * 0.5, y - s);
    }
    cairo_stroke(cr);
    if (i % 5 == 0) {
      cairo_arc(cr, x, y - s, 1.2, 0, 2 * M_PI);
      setColour(cr, i % 10 ? rgb(255, 230, 110) : rgb(250, 140, 170));
      cairo_fill(cr);
    }
  }
}

void fence(cairo_t* cr, double y, double from, double to) {
  setColour(cr, rgb(96, 66, 40));
  cairo_set_line_width(cr, 1.6);
  for (double x = from; x <= to; x += 12) {
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y - 9);
  }
  cairo_move_to(cr, from, y - 7);
  cairo_line_to(cr, to, y - 7);
  cairo_move_to(cr, from, y - 3);
  cairo_line_to(cr, to, y - 3);
  cairo_stroke(cr);
}

// River meadow: hills and a castle far off, the river glinting behind the green.
void riverMeadow(cairo_t* cr) {
  paintDuskSky(cr, kW, kH, 95, 0.75);
  paintCloud(cr, 60, 60, 70, 0.6, 51);
  paintCloud(cr, 270, 50, 56, 0.5, 52);
  paintHillBand(cr, kW, 78, 8, kH, rgb(126, 100, 136), rgb(100, 90, 120), 53);
  paintCastle(cr, 262, 80, 22, style::kRulers[1]);
  paintHillBand(cr, kW, 90, 5, kH, rgb(100, 122, 84), rgb(80, 100, 70), 54);
  cairo_move_to(cr, 0, 98);
  cairo_curve_to(cr, 100, 94, 220, 104, kW, 96);
  cairo_line_to(cr, kW, 103);
  cairo_curve_to(cr, 220, 110, 100, 100, 0, 105);
  cairo_close_path(cr);
  setLinear(cr, 0, 94, 0, 106, rgb(250, 200, 150), rgb(90, 120, 160));
  cairo_fill(cr);
  villageGround(cr, 104, rgb(120, 150, 70), rgb(70, 110, 44), 55);
  for (int i = 0; i < 6; ++i) paintTree(cr, 14 + i * 60, 100 + (i % 2) * 3, 26, rgb(60, 100, 50), 60 + i);
  fence(cr, 232, 10, 130);
}

// A clearing in the woods: dark firs all round, the last light above them.
void forestClearing(cairo_t* cr) {
  paintDuskSky(cr, kW, kH, 90, 0.35);
  paintCloud(cr, 220, 46, 80, 0.55, 61);
  for (int row = 0; row < 2; ++row)
    for (int i = 0; i < 16; ++i)
      paintFir(cr, i * 22 + row * 11 - 4, 104 - row * 2 + (i % 3) * 2, 56 - row * 14 + (i % 4) * 5,
               row ? rgb(50, 80, 66) : rgb(34, 62, 48));
  // Undergrowth along the edge of the trees.
  Random random(66);
  for (double x = -4; x < kW + 6; x += random.range(5, 9)) {
    const double r = random.range(4, 7);
    cairo_arc(cr, x, 101 - r * 0.3, r, 0, 2 * M_PI);
    setRadial(cr, x - r * 0.3, 100 - r * 0.6, r * 1.3, rgb(70, 104, 56), rgb(28, 52, 34));
    cairo_fill(cr);
  }
  villageGround(cr, 102, rgb(104, 134, 64), rgb(60, 96, 40), 65);
  paintTree(cr, 8, 236, 70, rgb(50, 90, 44), 71);
  paintTree(cr, 312, 240, 80, rgb(60, 100, 48), 72);
}

// By the sea: the sun sinking into the water, dunes and a jetty.
void seaShore(cairo_t* cr) {
  paintDuskSky(cr, kW, kH, 92, 0.6);
  paintCloud(cr, 80, 40, 90, 0.7, 81);
  cairo_arc(cr, 190, 90, 16, M_PI, 2 * M_PI);
  setColour(cr, rgb(255, 220, 140));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 90, kW, 16);
  setLinear(cr, 0, 90, 0, 106, rgb(150, 120, 150), rgb(60, 90, 130));
  cairo_fill(cr);
  setColour(cr, rgb(255, 214, 150, 0.8));  // the sun's path on the water
  for (int i = 0; i < 6; ++i) cairo_rectangle(cr, 190 - 14 + i * 2 + (i % 2) * 3, 92 + i * 2.4, 28 - i * 4, 1);
  cairo_fill(cr);
  cairo_move_to(cr, 0, 108);
  cairo_curve_to(cr, 80, 100, 160, 112, kW, 104);
  cairo_line_to(cr, kW, 112);
  cairo_line_to(cr, 0, 112);
  cairo_close_path(cr);
  setColour(cr, rgb(222, 200, 150));
  cairo_fill(cr);
  villageGround(cr, 110, rgb(150, 160, 90), rgb(100, 120, 60), 85);
  // The jetty running out to the left, with a boat.
  cairo_rectangle(cr, 20, 100, 50, 3);
  setColour(cr, rgb(100, 70, 44));
  cairo_fill(cr);
  for (double x = 22; x < 70; x += 10) cairo_rectangle(cr, x, 100, 2, 7);
  cairo_fill(cr);
  cairo_move_to(cr, 74, 100);
  cairo_line_to(cr, 96, 100);
  cairo_line_to(cr, 92, 105);
  cairo_line_to(cr, 78, 105);
  cairo_close_path(cr);
  setColour(cr, rgb(130, 80, 44));
  cairo_fill(cr);
  cairo_move_to(cr, 85, 100);
  cairo_line_to(cr, 85, 84);
  cairo_line_to(cr, 95, 98);
  cairo_close_path(cr);
  setColour(cr, rgb(240, 230, 210));
  cairo_fill(cr);
}

// The light title plate: parchment in a thin wooden frame.
// A parchment strip between two wooden bars. The widest caption the land can make (the widest
// dragon attacking the widest village) is within two pixels of the strip's width, so its
// ends are only a hairline of gilt: no caps or scrolls for the words to run into.
void paintLabel(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  cairo_rectangle(cr, 0, 0, w, h);
  setLinear(cr, 0, 3, 0, h - 3, rgb(246, 232, 196), rgb(228, 206, 158));
  cairo_fill(cr);
  speckle(cr, 1, 4, w - 2, h - 8, rgb(170, 130, 80, 0.25), 600, 36);
  for (double y : {0.0, h - 3}) {  // the bars
    cairo_rectangle(cr, 0, y, w, 3);
    setLinear(cr, 0, y, 0, y + 3, style::kWood, style::kWoodDark);
    cairo_fill(cr);
  }
  setColour(cr, style::kGold);
  cairo_set_line_width(cr, 1);
  for (double y : {3.5, h - 3.5}) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, w, y);
  }
  for (double x : {0.5, w - 0.5}) {
    cairo_move_to(cr, x, 3);
    cairo_line_to(cr, x, h - 3);
  }
  cairo_stroke(cr);
}

}  // namespace

void addVillageScenes(ContentList& gfx) {
  Canvas label(258, 36);
  paintLabel(label);
  gfx.push_back({"gfx\\action\\label.jpg", encodeJpeg(label.rgb(false), 92)});
  void (*scenes[3])(cairo_t*) = {riverMeadow, forestClearing, seaShore};
  for (int i = 0; i < 3; ++i) {
    Canvas canvas(kW, kH);
    scenes[i](canvas.cr());
    gfx.push_back({"gfx\\action\\village\\bgn0" + std::to_string(i) + ".jpg", encodeJpeg(canvas.rgb(false), 90)});
  }
}

}  // namespace land
