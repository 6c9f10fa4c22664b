// The symbols in front of a village's values on the fight panel (gfx\fight\ico_stats.gif)
// and the four little terrain pictures of the selected cell.
#include "land/LandEntries.h"
#include "land/PanelKit.h"
#include "land/Scenery.h"

#include "image/Canvas.h"
#include "image/Encode.h"

#include <cmath>

namespace land {

namespace {

const Colour kInkLine = rgb(24, 16, 12);

void inked(cairo_t* cr, const Colour& fillTop, const Colour& fillBottom, double y0, double y1, double line = 0.9) {
  setLinear(cr, 0, y0, 0, y1, fillTop, fillBottom);
  cairo_fill_preserve(cr);
  setColour(cr, kInkLine);
  cairo_set_line_width(cr, line);
  cairo_stroke(cr);
}

// Race: a head and shoulders.
void raceSymbol(cairo_t* cr, double cx, double cy) {
  cairo_move_to(cr, cx - 8, cy + 8);
  cairo_curve_to(cr, cx - 8, cy + 1, cx + 8, cy + 1, cx + 8, cy + 8);
  cairo_close_path(cr);
  inked(cr, rgb(110, 140, 200), rgb(50, 70, 130), cy, cy + 8);
  cairo_arc(cr, cx, cy - 3, 4.5, 0, 2 * M_PI);
  inked(cr, rgb(250, 214, 170), rgb(200, 150, 110), cy - 8, cy + 2);
}

// Yeomanry: a shield with a spear behind it.
void yeomanrySymbol(cairo_t* cr, double cx, double cy) {
  cairo_move_to(cr, cx - 7, cy + 8);
  cairo_line_to(cr, cx + 7, cy - 8);
  setColour(cr, rgb(120, 80, 40));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_move_to(cr, cx + 7, cy - 9);
  cairo_line_to(cr, cx + 9, cy - 10);
  cairo_line_to(cr, cx + 8, cy - 6);
  cairo_close_path(cr);
  inked(cr, rgb(230, 230, 240), rgb(150, 150, 170), cy - 10, cy - 6, 0.6);
  cairo_move_to(cr, cx - 6, cy - 7);
  cairo_line_to(cr, cx + 5, cy - 7);
  cairo_curve_to(cr, cx + 5, cy + 2, cx + 2, cy + 6, cx - 0.5, cy + 8);
  cairo_curve_to(cr, cx - 3, cy + 6, cx - 6, cy + 2, cx - 6, cy - 7);
  cairo_close_path(cr);
  inked(cr, rgb(200, 60, 50), rgb(120, 24, 24), cy - 7, cy + 8);
  cairo_move_to(cr, cx - 0.5, cy - 6);
  cairo_line_to(cr, cx - 0.5, cy + 6);
  cairo_move_to(cr, cx - 5, cy - 2);
  cairo_line_to(cr, cx + 4, cy - 2);
  setColour(cr, rgb(240, 200, 100));
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
}

// Population: three folk side by side.
void populationSymbol(cairo_t* cr, double cx, double cy) {
  const Colour coats[3] = {rgb(90, 150, 80), rgb(200, 120, 60), rgb(110, 110, 190)};
  const double xs[3] = {cx - 6, cx + 6, cx}, ys[3] = {cy - 1, cy - 1, cy + 1};
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, xs[i] - 4.5, ys[i] + 8);
    cairo_curve_to(cr, xs[i] - 4.5, ys[i] + 1, xs[i] + 4.5, ys[i] + 1, xs[i] + 4.5, ys[i] + 8);
    cairo_close_path(cr);
    inked(cr, shade(coats[i], 1.2), shade(coats[i], 0.7), ys[i], ys[i] + 8, 0.8);
    cairo_arc(cr, xs[i], ys[i] - 1.5, 3, 0, 2 * M_PI);
    inked(cr, rgb(250, 214, 170), rgb(200, 150, 110), ys[i] - 5, ys[i] + 2, 0.8);
  }
}

// Industry: a hammer over an anvil.
void industrySymbol(cairo_t* cr, double cx, double cy) {
  cairo_move_to(cr, cx - 9, cy + 1);
  cairo_line_to(cr, cx + 9, cy + 1);
  cairo_line_to(cr, cx + 6, cy + 4);
  cairo_line_to(cr, cx + 3, cy + 4);
  cairo_line_to(cr, cx + 4, cy + 8);
  cairo_line_to(cr, cx - 4, cy + 8);
  cairo_line_to(cr, cx - 3, cy + 4);
  cairo_line_to(cr, cx - 7, cy + 4);
  cairo_close_path(cr);
  inked(cr, rgb(170, 170, 180), rgb(70, 70, 84), cy + 1, cy + 8);
  cairo_save(cr);
  cairo_translate(cr, cx + 1, cy - 4);
  cairo_rotate(cr, -0.6);
  cairo_rectangle(cr, -1, -1, 11, 2.4);
  inked(cr, rgb(190, 130, 70), rgb(120, 76, 36), -1, 1.4, 0.7);
  cairo_rectangle(cr, -4, -3.5, 5, 7);
  inked(cr, rgb(220, 220, 230), rgb(110, 110, 124), -3.5, 3.5, 0.8);
  cairo_restore(cr);
  setColour(cr, rgb(255, 210, 80));  // sparks
  for (auto [x, y] : {std::pair{-7.0, -3.0}, {-9.0, -1.0}, {-5.0, -6.0}}) cairo_rectangle(cr, cx + x, cy + y, 1.4, 1.4);
  cairo_fill(cr);
}

// Tax: a stack of coins and a purse.
void taxSymbol(cairo_t* cr, double cx, double cy) {
  cairo_move_to(cr, cx + 1, cy - 4);
  cairo_curve_to(cr, cx - 3, cy - 2, cx - 3, cy + 8, cx + 4, cy + 8);
  cairo_curve_to(cr, cx + 11, cy + 8, cx + 11, cy - 2, cx + 7, cy - 4);
  cairo_close_path(cr);
  inked(cr, rgb(170, 110, 60), rgb(100, 60, 30), cy - 4, cy + 8);
  cairo_move_to(cr, cx + 1, cy - 4);
  cairo_line_to(cr, cx + 7, cy - 4);
  setColour(cr, rgb(240, 200, 100));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, cx - 5, cy + 7 - i * 2.6);
    cairo_scale(cr, 4.5, 1.6);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    inked(cr, rgb(255, 230, 120), rgb(190, 140, 40), cy - 2, cy + 9, 0.7);
  }
}

void paintStats(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  // Centred on the rows whose values are written at baselines 84, 107, 128, 151 and 175.
  raceSymbol(cr, 13, 14);
  yeomanrySymbol(cr, 13, 37);
  populationSymbol(cr, 13, 58);
  industrySymbol(cr, 12, 81);
  taxSymbol(cr, 12, 104);
}

// ---- terrain pictures ----

void framedVignette(Canvas& canvas, void (*scene)(cairo_t*, double, double)) {
  cairo_t* cr = canvas.cr();
  const double w = canvas.width(), h = canvas.height();
  cairo_save(cr);
  roundedRectangle(cr, 1, 1, w - 2, h - 2, 5);
  cairo_clip(cr);
  scene(cr, w, h);
  cairo_restore(cr);
  roundedRectangle(cr, 1, 1, w - 2, h - 2, 5);
  setColour(cr, kGilt);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void waterScene(cairo_t* cr, double w, double h) {
  paintDuskSky(cr, w, h, h * 0.45, 0.3);
  cairo_rectangle(cr, 0, h * 0.45, w, h);
  setLinear(cr, 0, h * 0.45, 0, h, rgb(70, 120, 160), rgb(24, 52, 96));
  cairo_fill(cr);
  setColour(cr, rgb(190, 226, 240));
  cairo_set_line_width(cr, 1);
  for (int row = 0; row < 4; ++row)
    for (double x = (row % 2) * 5 - 2; x < w; x += 10) {
      const double y = h * 0.55 + row * 4.5;
      cairo_move_to(cr, x, y);
      cairo_curve_to(cr, x + 2, y - 2, x + 4, y - 2, x + 6, y);
    }
  cairo_stroke(cr);
  // A sail on the horizon.
  cairo_move_to(cr, 22, h * 0.45 - 1);
  cairo_line_to(cr, 25, h * 0.45 - 9);
  cairo_line_to(cr, 27, h * 0.45 - 1);
  cairo_close_path(cr);
  setColour(cr, rgb(250, 240, 220));
  cairo_fill(cr);
}

void treeScene(cairo_t* cr, double w, double h) {
  paintDuskSky(cr, w, h, h * 0.7, 0.7);
  cairo_rectangle(cr, 0, h * 0.72, w, h);
  setLinear(cr, 0, h * 0.7, 0, h, rgb(90, 130, 60), rgb(40, 70, 36));
  cairo_fill(cr);
  paintFir(cr, 8, h * 0.82, 18, rgb(40, 84, 58));
  paintTree(cr, 27, h * 0.84, 22, rgb(70, 118, 52), 4);
  paintTree(cr, 16, h - 1, 26, rgb(60, 110, 50), 9);
}

void mountainScene(cairo_t* cr, double w, double h) {
  paintDuskSky(cr, w, h, h * 0.8, 0.2);
  paintMountain(cr, 25, h + 2, 34, 26, true, 3);
  paintMountain(cr, 11, h + 2, 30, 30, true, 7);
  cairo_rectangle(cr, 0, h - 5, w, 5);
  setColour(cr, rgb(80, 96, 60));
  cairo_fill(cr);
}

void grassScene(cairo_t* cr, double w, double h) {
  paintDuskSky(cr, w, h, h * 0.55, 0.75);
  cairo_arc(cr, 27, h * 0.45, 4, 0, 2 * M_PI);
  setColour(cr, rgb(255, 226, 150));
  cairo_fill(cr);
  paintHillBand(cr, w, h * 0.55, 3, h, rgb(150, 180, 84), rgb(80, 120, 50), 12);
  paintHillBand(cr, w, h * 0.75, 2, h, rgb(120, 160, 70), rgb(70, 110, 44), 21);
  const Colour flowers[3] = {rgb(255, 240, 120), rgb(255, 130, 150), rgb(250, 250, 250)};
  for (int i = 0; i < 12; ++i) {
    cairo_rectangle(cr, 3 + (i * 13) % 30, h * 0.7 + (i * 7) % 9, 1.5, 1.5);
    setColour(cr, flowers[i % 3]);
    cairo_fill(cr);
  }
}

}  // namespace

void addFightIcons(ContentList& gfx) {
  Canvas stats(26, 112);
  paintStats(stats);
  gfx.push_back({"gfx\\fight\\ico_stats.gif", encodeGif(stats.rgb(true))});
  const struct {
    const char* name;
    void (*scene)(cairo_t*, double, double);
  } terrains[4] = {{"gfx\\fight\\ico_water.gif", waterScene},
                   {"gfx\\fight\\ico_tree.gif", treeScene},
                   {"gfx\\fight\\ico_mountain.gif", mountainScene},
                   {"gfx\\fight\\ico_grassland.gif", grassScene}};
  for (const auto& terrain : terrains) {
    Canvas canvas(36, 34);
    framedVignette(canvas, terrain.scene);
    gfx.push_back({terrain.name, encodeGif(canvas.rgb(true))});
  }
}

}  // namespace land
