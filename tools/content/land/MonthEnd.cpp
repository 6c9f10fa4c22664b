// The month-end pictures: four landscapes at the turn of the month (one is picked at
// random), and the dark scroll on which the month's report is written in yellow.
#include "land/LandEntries.h"
#include "land/Noise.h"
#include "land/PanelKit.h"
#include "land/Scenery.h"

#include "common/Dragon.h"
#include "image/Canvas.h"
#include "image/Encode.h"
#include "image/Style.h"

#include <cmath>

namespace land {

namespace {

constexpr int kW = 320, kH = 240;

void moon(cairo_t* cr, double x, double y, double r) {
  cairo_arc(cr, x, y, r * 2.6, 0, 2 * M_PI);
  setRadial(cr, x, y, r * 2.6, rgb(255, 250, 220, 0.35), rgb(255, 250, 220, 0));
  cairo_fill(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  setRadial(cr, x - r * 0.3, y - r * 0.3, r * 1.2, rgb(255, 252, 236), rgb(220, 214, 190));
  cairo_fill(cr);
  setColour(cr, rgb(190, 184, 160, 0.6));  // its seas
  cairo_arc(cr, x + r * 0.25, y - r * 0.1, r * 0.25, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_arc(cr, x - r * 0.3, y + r * 0.35, r * 0.18, 0, 2 * M_PI);
  cairo_fill(cr);
}

void stars(cairo_t* cr, double bottom, int count, unsigned seed) {
  Random random(seed);
  for (int i = 0; i < count; ++i) {
    const double x = random.range(0, kW), y = random.range(0, bottom), b = random.range(0.4, 1.0);
    cairo_rectangle(cr, x, y, b > 0.85 ? 1.5 : 1, b > 0.85 ? 1.5 : 1);
    setColour(cr, rgb(255, 250, 230, b * (1 - y / bottom * 0.7)));
    cairo_fill(cr);
  }
}

void nightSky(cairo_t* cr, double horizon) {
  cairo_rectangle(cr, 0, 0, kW, kH);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, horizon);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.05, 0.05, 0.16);
  cairo_pattern_add_color_stop_rgb(sky, 0.7, 0.16, 0.14, 0.34);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.36, 0.26, 0.44);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
}

// Lit windows of a village on a hillside.
void villageLights(cairo_t* cr, double x, double y, int count, unsigned seed) {
  Random random(seed);
  for (int i = 0; i < count; ++i) {
    const double hx = x + random.range(-20, 20), hy = y + random.range(-4, 6);
    cairo_move_to(cr, hx - 4, hy);
    cairo_line_to(cr, hx - 4, hy - 4);
    cairo_line_to(cr, hx, hy - 8);
    cairo_line_to(cr, hx + 4, hy - 4);
    cairo_line_to(cr, hx + 4, hy);
    cairo_close_path(cr);
    setColour(cr, rgb(28, 22, 36));
    cairo_fill(cr);
    cairo_rectangle(cr, hx - 1, hy - 3, 2, 2);
    setColour(cr, style::kTorchCore);
    cairo_fill(cr);
  }
}

void silhouetteDragon(cairo_t* cr, double x, double y, double scale, double wing, bool left) {
  DragonPose pose;
  pose.x = x, pose.y = y, pose.scale = scale, pose.wing = wing, pose.facingLeft = left;
  pose.body = rgb(40, 30, 50);
  paintDragon(cr, pose);
}

// The rulers' land at dusk seen from a hill: castles on far ridges, the river shining.
void duskValley(cairo_t* cr) {
  paintDuskSky(cr, kW, kH, 150, 0.7);
  paintCloud(cr, 70, 50, 80, 0.5, 3);
  paintCloud(cr, 250, 34, 60, 0.4, 8);
  paintHillBand(cr, kW, 132, 10, kH, rgb(120, 96, 130), rgb(90, 80, 110), 4);
  paintCastle(cr, 62, 128, 30, style::kRulers[0]);
  paintCastle(cr, 262, 124, 26, style::kRulers[1]);
  paintHillBand(cr, kW, 156, 8, kH, rgb(90, 110, 80), rgb(56, 70, 56), 9);
  paintCastle(cr, 170, 160, 22, style::kRulers[2]);
  // The river winding through the valley towards the viewer, mirroring the sky.
  cairo_move_to(cr, 168, 166);
  cairo_curve_to(cr, 130, 182, 230, 204, 150, 240);
  cairo_line_to(cr, 214, 240);
  cairo_curve_to(cr, 262, 200, 150, 184, 174, 166);
  cairo_close_path(cr);
  setLinear(cr, 0, 166, 0, 240, rgb(246, 184, 140), rgb(96, 90, 150));
  cairo_fill(cr);
  setColour(cr, rgb(255, 230, 200, 0.7));
  for (int i = 0; i < 8; ++i) cairo_rectangle(cr, 166 + (i % 3) * 8 + i * 1.5, 172 + i * 8, 6 + i, 1);
  cairo_fill(cr);
  paintHillBand(cr, kW, 204, 12, kH, rgb(60, 80, 50), rgb(30, 40, 30), 14);
  Random random(70);
  for (int i = 0; i < 10; ++i) {
    const double x = i * 34 + random.range(-6, 6), y = 240 - random.range(0, 12), h = random.range(28, 46);
    if (x > 130 && x < 230) continue;  // keep the river in view
    if (i % 3 == 1) paintFir(cr, x, y, h * 1.2, rgb(30, 56, 40));
    else paintTree(cr, x, y, h, rgb(44, 76, 42), 20 + unsigned(i));
  }
  silhouetteDragon(cr, 210, 78, 0.35, 0.6, true);
}

// A moonlit night: a dragon crossing the full moon over sleeping villages.
void moonNight(cairo_t* cr) {
  nightSky(cr, 170);
  stars(cr, 160, 140, 5);
  moon(cr, 200, 80, 34);
  paintCloud(cr, 90, 120, 90, 0.1, 12);
  silhouetteDragon(cr, 198, 84, 0.75, 0.85, false);
  paintHillBand(cr, kW, 160, 14, kH, rgb(44, 42, 74), rgb(30, 28, 50), 17);
  villageLights(cr, 80, 170, 6, 3);
  paintHillBand(cr, kW, 196, 10, kH, rgb(30, 36, 48), rgb(16, 18, 26), 23);
  villageLights(cr, 250, 206, 5, 9);
  for (int i = 0; i < 6; ++i) paintFir(cr, 14 + i * 58, 240, 40 + (i % 2) * 10, rgb(20, 30, 36));
}

// The castle's battlement at night: torches, a banner, the land below with its lights.
void battlements(cairo_t* cr) {
  nightSky(cr, 150);
  stars(cr, 140, 110, 11);
  moon(cr, 60, 50, 14);
  paintHillBand(cr, kW, 140, 16, kH, rgb(50, 46, 80), rgb(34, 30, 56), 31);
  villageLights(cr, 120, 150, 4, 4);
  villageLights(cr, 240, 146, 5, 6);
  paintHillBand(cr, kW, 162, 6, kH, rgb(40, 50, 60), rgb(24, 28, 36), 37);
  silhouetteDragon(cr, 230, 90, 0.4, -0.5, true);
  // The wall along the bottom with its merlons, lit by two torches.
  cairo_rectangle(cr, 0, 190, kW, 50);
  for (int i = 0; i < 8; ++i) cairo_rectangle(cr, i * 42 + 4, 172, 26, 20);
  setLinear(cr, 0, 172, 0, kH, rgb(96, 86, 90), rgb(34, 30, 36));
  cairo_fill(cr);
  setColour(cr, rgb(20, 16, 22, 0.6));
  cairo_set_line_width(cr, 1);
  for (double y = 200; y < kH; y += 10) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, kW, y);
  }
  cairo_stroke(cr);
  for (double tx : {36.0, 288.0}) {
    cairo_arc(cr, tx, 168, 30, 0, 2 * M_PI);
    setRadial(cr, tx, 168, 30, rgb(255, 180, 80, 0.55), rgb(255, 140, 40, 0));
    cairo_fill(cr);
    cairo_rectangle(cr, tx - 2, 170, 4, 18);
    setColour(cr, style::kWoodDark);
    cairo_fill(cr);
    paintFlame(cr, tx, 171, -M_PI / 2, 16, 9, unsigned(tx));
  }
  // A banner in each ruler's colours on the wall.
  for (int ruler = 0; ruler < 3; ++ruler) {
    const double bx = 96 + ruler * 64;
    cairo_move_to(cr, bx, 192);
    cairo_line_to(cr, bx + 22, 192);
    cairo_line_to(cr, bx + 22, 226);
    cairo_line_to(cr, bx + 11, 218);
    cairo_line_to(cr, bx, 226);
    cairo_close_path(cr);
    setLinear(cr, bx, 0, bx + 22, 0, style::kRulers[ruler].field, style::kRulers[ruler].dark);
    cairo_fill_preserve(cr);
    setColour(cr, style::kRulers[ruler].metal);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
}

// Daybreak over the fields: a new month begins, haystacks and a dragon on the wing.
void daybreak(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, kW, kH);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 150);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.36, 0.5, 0.76);
  cairo_pattern_add_color_stop_rgb(sky, 0.7, 0.9, 0.72, 0.7);
  cairo_pattern_add_color_stop_rgb(sky, 1, 1.0, 0.86, 0.6);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  cairo_arc(cr, 240, 140, 60, 0, 2 * M_PI);
  setRadial(cr, 240, 140, 60, rgb(255, 250, 200, 0.9), rgb(255, 230, 160, 0));
  cairo_fill(cr);
  paintCloud(cr, 100, 60, 90, 0.9, 21);
  paintCloud(cr, 270, 80, 60, 0.95, 22);
  paintHillBand(cr, kW, 140, 8, kH, rgb(130, 150, 140), rgb(110, 130, 110), 41);
  paintHillBand(cr, kW, 160, 6, kH, rgb(170, 170, 90), rgb(140, 140, 70), 43);
  // Strips of ripe and green fields running to the horizon.
  for (int i = 0; i < 7; ++i) {
    cairo_move_to(cr, 160 + (i - 3) * 14, 160);
    cairo_line_to(cr, 160 + (i - 2) * 14, 160);
    cairo_line_to(cr, 160 + (i - 2) * 80, kH);
    cairo_line_to(cr, 160 + (i - 3) * 80, kH);
    cairo_close_path(cr);
    setLinear(cr, 0, 160, 0, kH, i % 2 ? rgb(210, 180, 90) : rgb(140, 170, 70), i % 2 ? rgb(170, 130, 50) : rgb(80, 120, 40));
    cairo_fill(cr);
  }
  for (int i = 0; i < 4; ++i) {  // haystacks
    const double hx = 40 + i * 78, hy = 200 + (i % 2) * 16, s = 14 + (i % 2) * 5;
    cairo_move_to(cr, hx - s, hy);
    cairo_curve_to(cr, hx - s, hy - s * 1.4, hx + s, hy - s * 1.4, hx + s, hy);
    cairo_close_path(cr);
    setLinear(cr, hx - s, 0, hx + s, 0, rgb(250, 220, 120), rgb(170, 120, 40));
    cairo_fill(cr);
  }
  paintTree(cr, 290, 176, 50, rgb(70, 120, 60), 33);
  DragonPose pose;
  pose.x = 110, pose.y = 100, pose.scale = 0.55, pose.wing = 0.9, pose.body = style::kRulers[2].field;
  paintDragon(cr, pose);
}

// The report scroll: dark night-blue vellum between two wooden rollers.
void paintScroll(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  roundedRectangle(cr, 12, 12, w - 24, h - 24, 3);
  fillPanel(cr, 12, h - 12, 216);
  // The gilt frame keeps outside the widest report line; its foot runs under the lower roller.
  cairo_rectangle(cr, 14.5, 23.5, w - 29, h - 26);
  setColour(cr, kGilt);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  for (double y : {0.0, h - 22}) {  // the rollers
    roundedRectangle(cr, 4, y + 2, w - 8, 18, 9);
    setLinear(cr, 0, y + 2, 0, y + 20, rgb(170, 116, 60), rgb(60, 34, 16));
    cairo_fill(cr);
    cairo_rectangle(cr, 10, y + 6, w - 20, 2);
    setColour(cr, rgb(240, 200, 130, 0.5));
    cairo_fill(cr);
    for (double x : {4.0, w - 16}) {  // gilt caps
      roundedRectangle(cr, x, y, 12, 22, 4);
      setLinear(cr, x, 0, x + 12, 0, kGiltLight, kGiltDark);
      cairo_fill(cr);
    }
  }
  // A small crest under the upper roller, above the first report line: a crescent moon
  // between two stars over a rule fading out to both sides.
  const double crestY = 31;
  cairo_arc(cr, w / 2, crestY, 5, 0, 2 * M_PI);
  cairo_arc_negative(cr, w / 2 + 2.5, crestY - 2, 4.4, 2 * M_PI, 0);
  setColour(cr, kGiltLight);
  cairo_fill(cr);
  for (double dx : {-16.0, 16.0}) {
    for (int i = 0; i < 4; ++i) {
      const double a = i * M_PI / 2;
      cairo_move_to(cr, w / 2 + dx, crestY);
      cairo_line_to(cr, w / 2 + dx + std::cos(a) * 3.5, crestY + std::sin(a) * 3.5);
    }
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  setLinear(cr, 30, 0, w / 2 - 24, 0, rgb(196, 152, 64, 0), rgb(196, 152, 64, 0.9));
  cairo_rectangle(cr, 30, 38, w / 2 - 54, 1);
  cairo_fill(cr);
  setLinear(cr, w / 2 + 24, 0, w - 30, 0, rgb(196, 152, 64, 0.9), rgb(196, 152, 64, 0));
  cairo_rectangle(cr, w / 2 + 24, 38, w / 2 - 54, 1);
  cairo_fill(cr);
}

}  // namespace

void addMonthEnd(ContentList& gfx) {
  void (*scenes[4])(cairo_t*) = {duskValley, moonNight, battlements, daybreak};
  for (int i = 0; i < 4; ++i) {
    Canvas canvas(kW, kH);
    scenes[i](canvas.cr());
    gfx.push_back({"gfx\\engine\\bgn0" + std::to_string(i) + ".jpg", encodeJpeg(canvas.rgb(false), 90)});
  }
  Canvas scroll(298, 216);
  paintScroll(scroll);
  gfx.push_back({"gfx\\cellar\\scroll.gif", encodeGif(scroll.rgb(true))});
}

}  // namespace land
