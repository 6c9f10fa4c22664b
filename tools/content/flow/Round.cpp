#include "flow/Round.h"

#include "castle/Art.h"
#include "flow/Portraits.h"
#include "image/Style.h"

#include <cmath>

namespace flow {

namespace {

using art::fillLinear;
using art::fillRadial;
using art::glow;
using art::mix;
using art::withAlpha;

// A tall window in the back wall with the dusk sky behind it.
void window(cairo_t* cr, double x, double y, double w, double h) {
  archedOutline(cr, x - 3, y - 3, w + 6, h + 6);
  fillLinear(cr, x, y, x + w, y + h, style::kStoneLight, style::kStoneDark);
  archedOutline(cr, x, y, w, h);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(sky, 0, style::kSkyHigh.r, style::kSkyHigh.g, style::kSkyHigh.b);
  cairo_pattern_add_color_stop_rgb(sky, 0.6, style::kSkyMid.r, style::kSkyMid.g, style::kSkyMid.b);
  cairo_pattern_add_color_stop_rgb(sky, 1, style::kSkyLow.r, style::kSkyLow.g, style::kSkyLow.b);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  art::sparkle(cr, x + w * 0.3, y + h * 0.25, 1.5, rgb(255, 255, 230));
  // Lead lines of the glazing.
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(30, 26, 30, 0.8));
  cairo_move_to(cr, x + w / 2, y);
  cairo_line_to(cr, x + w / 2, y + h);
  cairo_move_to(cr, x, y + h * 0.55);
  cairo_line_to(cr, x + w, y + h * 0.55);
  cairo_stroke(cr);
}

// A long banner of a ruler's colours hanging from the top of the wall.
void hangingBanner(cairo_t* cr, double x, double w, double bottom, const style::Heraldry& h) {
  cairo_move_to(cr, x, 0);
  cairo_line_to(cr, x + w, 0);
  cairo_line_to(cr, x + w, bottom);
  cairo_line_to(cr, x + w / 2, bottom - 10);
  cairo_line_to(cr, x, bottom);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  fillLinear(cr, x, 0, x + w, 0, mix(h.field, rgb(255, 230, 210), 0.2), h.dark);
  for (double fx = x + w * 0.3; fx < x + w; fx += w * 0.33) {
    cairo_rectangle(cr, fx, 0, w * 0.1, bottom);
    setColour(cr, rgb(0, 0, 0, 0.15));
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x, 0, 3, bottom);
  cairo_rectangle(cr, x + w - 3, 0, 3, bottom);
  setColour(cr, h.metal);
  cairo_fill(cr);
  cairo_restore(cr);
}

void boards(cairo_t* cr) {
  // The dais of wooden boards the rulers stand on, and the table edge at the bottom.
  cairo_rectangle(cr, 0, 168, 320, 72);
  fillVertical(cr, 168, 240, rgb(96, 62, 34), rgb(40, 24, 12));
  art::Random random(12);
  cairo_set_line_width(cr, 1);
  for (double y = 172; y < 240; y += 9 + (y - 168) * 0.18) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, 320, y);
    setColour(cr, rgb(20, 10, 4, 0.6));
    cairo_stroke(cr);
    for (double x = random.between(0, 60); x < 320; x += random.between(50, 90)) {
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x, y + 9 + (y - 168) * 0.18);
    }
    cairo_stroke(cr);
  }
  speckle(cr, 0, 168, 320, 72, rgb(0, 0, 0, 0.25), 1400, 13);
  cairo_rectangle(cr, 0, 166, 320, 4);
  fillVertical(cr, 166, 170, style::kStoneLight, style::kStoneDark);
}

}  // namespace

void paintThroneHall(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  art::stoneWall(cr, 0, 0, 320, 170, 10, 22, style::kStone, 91);
  cairo_rectangle(cr, 0, 0, 320, 60);
  fillVertical(cr, 0, 60, rgb(6, 4, 10, 0.6), rgb(6, 4, 10, 0));
  window(cr, 104, 38, 26, 56);
  window(cr, 190, 38, 26, 56);
  for (int ruler = 0; ruler < 3; ++ruler) {
    const RulerPlace& place = kRulerPlaces[ruler];
    hangingBanner(cr, place.frameX + place.frameW / 2.0 - 22, 44, place.frameY + 24, style::kRulers[ruler]);
  }
  boards(cr);
  for (double x : {92.0, 228.0, 160.0}) {
    art::torch(cr, x, x == 160 ? 60 : 122, 5, x / 100);
    glow(cr, x, x == 160 ? 56 : 118, 70, rgb(255, 170, 80, 0.18));
  }
  // Light on the dais where the rulers stand.
  for (const RulerPlace& place : kRulerPlaces) {
    art::ellipse(cr, place.frameX + place.frameW / 2.0, place.frameY + place.frameH + 4, place.frameW * 0.5, 8);
    fillRadial(cr, place.frameX + place.frameW / 2.0, place.frameY + place.frameH + 4, place.frameW * 0.5,
               rgb(0, 0, 0, 0.5), rgb(0, 0, 0, 0));
  }
  cairo_rectangle(cr, 0, 0, 320, 240);
  cairo_pattern_t* p = cairo_pattern_create_radial(160, 120, 100, 160, 120, 220);
  cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.5);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void paintThrone(Canvas& canvas, int ruler) {
  cairo_t* cr = canvas.cr();
  const RulerPlace& place = kRulerPlaces[ruler];
  const style::Heraldry& h = style::kRulers[ruler];
  const double w = place.frameW, height = place.frameH;
  const double px = place.portraitX - place.frameX, py = place.portraitY - place.frameY;
  const double pw = kPortraitW[ruler], ph = kPortraitH[ruler];
  // The throne's back: a pointed arch of carved wood faced with the ruler's cloth.
  auto back = [&](double inset) {
    cairo_move_to(cr, inset, height - inset);
    cairo_line_to(cr, inset, height * 0.3);
    cairo_curve_to(cr, inset, height * 0.12, w * 0.3, inset + 4, w / 2, inset);
    cairo_curve_to(cr, w * 0.7, inset + 4, w - inset, height * 0.12, w - inset, height * 0.3);
    cairo_line_to(cr, w - inset, height - inset);
    cairo_close_path(cr);
  };
  back(3);
  fillLinear(cr, 0, 0, w, height, mix(h.metal, rgb(255, 255, 255), 0.35), mix(h.metal, rgb(0, 0, 0), 0.5));
  back(8);
  fillRadial(cr, w / 2, height * 0.4, w * 0.7, mix(h.field, rgb(255, 220, 200), 0.15), h.dark);
  // Gilt studs along the edge and two finials.
  for (double t = 0.35; t < 0.95; t += 0.12) {
    for (double x : {5.5, w - 5.5}) {
      cairo_arc(cr, x, height * t, 1.4, 0, 2 * M_PI);
      setColour(cr, mix(h.metal, rgb(255, 255, 255), 0.5));
      cairo_fill(cr);
    }
  }
  for (double x : {6.0, w - 6}) {
    cairo_arc(cr, x, height * 0.28, 4.5, 0, 2 * M_PI);
    fillRadial(cr, x - 1.5, height * 0.28 - 1.5, 5, mix(h.metal, rgb(255, 255, 255), 0.6), mix(h.metal, rgb(0, 0, 0), 0.5));
  }
  // A warm light round the portrait and a dark recess under it.
  glow(cr, px + pw / 2, py + ph / 2, pw * 0.9, withAlpha(h.metal, 0.35));
  archedOutline(cr, px - 2, py - 2, pw + 4, ph + 4);
  setColour(cr, rgb(10, 8, 10));
  cairo_fill(cr);
}

void paintHourglass(Canvas& canvas, int frame) {
  cairo_t* cr = canvas.cr();
  // Frames 0 to 11 the sand runs down; 12 to 14 the glass turns over, so frame 0 follows.
  const int running = 12;
  const double drained = frame < running ? double(frame) / (running - 1) : 1.0;
  const double turn = frame < running ? 0 : (frame - running + 1) * M_PI / 4;
  cairo_save(cr);
  cairo_translate(cr, 31.5, 27);
  cairo_rotate(cr, turn);
  const double half = 24;  // half the height of the hourglass
  // The glass: two bulbs meeting at a narrow waist.
  auto bulb = [&](double sign) {
    cairo_move_to(cr, -1.6, 0);
    cairo_curve_to(cr, -5, sign * 4, -11, sign * 8, -11, sign * (half - 7));
    cairo_curve_to(cr, -11, sign * (half - 4), -8, sign * (half - 3), 0, sign * (half - 3));
    cairo_curve_to(cr, 8, sign * (half - 3), 11, sign * (half - 4), 11, sign * (half - 7));
    cairo_curve_to(cr, 11, sign * 8, 5, sign * 4, 1.6, 0);
    cairo_close_path(cr);
  };
  for (double sign : {-1.0, 1.0}) {
    bulb(sign);
    fillLinear(cr, -11, 0, 11, 0, rgb(200, 220, 240, 0.5), rgb(120, 140, 170, 0.5));
  }
  // Sand: what is left above sinks from the top, what fell heaps up below.
  const Colour sand = rgb(236, 190, 96), sandDark = rgb(180, 124, 50);
  const double top = 1.0 - drained;
  if (top > 0.01) {
    cairo_save(cr);
    bulb(-1);
    cairo_clip(cr);
    const double surface = -3 - (half - 6) * top;
    cairo_rectangle(cr, -12, surface, 24, -surface);
    fillLinear(cr, 0, surface, 0, 0, sand, sandDark);
    cairo_restore(cr);
    cairo_rectangle(cr, -0.6, 0, 1.2, half - 4);
    setColour(cr, sand);
    cairo_fill(cr);
  }
  cairo_save(cr);
  bulb(1);
  cairo_clip(cr);
  const double heap = (half - 5) * (0.08 + 0.92 * drained);
  cairo_move_to(cr, -12, half);
  cairo_line_to(cr, -12, half - 3 - heap * 0.6);
  cairo_curve_to(cr, -5, half - 3 - heap * 0.8, -2, half - 3 - heap, 0, half - 3 - heap);
  cairo_curve_to(cr, 2, half - 3 - heap, 5, half - 3 - heap * 0.8, 12, half - 3 - heap * 0.6);
  cairo_line_to(cr, 12, half);
  cairo_close_path(cr);
  fillLinear(cr, 0, half - heap, 0, half, sand, sandDark);
  cairo_restore(cr);
  // Glints on the glass.
  for (double sign : {-1.0, 1.0}) {
    art::ellipse(cr, -6, sign * (half * 0.55), 1.4, 4.5);
    setColour(cr, rgb(255, 255, 255, 0.6));
    cairo_fill(cr);
  }
  // The wooden frame: two plates and three turned posts.
  for (double sign : {-1.0, 1.0}) {
    roundedRectangle(cr, -15, sign > 0 ? half - 3 : -half - 2, 30, 5, 2);
    fillLinear(cr, 0, sign * half - 3, 0, sign * half + 3, rgb(170, 110, 56), style::kWoodDark);
  }
  for (double x : {-13.5, 13.5}) {
    cairo_rectangle(cr, x - 1.3, -half + 2, 2.6, 2 * half - 4);
    fillLinear(cr, x - 1.3, 0, x + 1.3, 0, rgb(180, 120, 60), style::kWoodDark);
    for (double y : {-half * 0.5, 0.0, half * 0.5}) {
      art::ellipse(cr, x, y, 2.1, 1.4);
      setColour(cr, style::kGold);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

void paintChestButton(Canvas& canvas, bool saving) {
  cairo_t* cr = canvas.cr();
  // A small iron-bound chest.
  roundedRectangle(cr, 1, 15, 22, 14, 2);
  fillLinear(cr, 0, 15, 0, 29, rgb(160, 104, 52), style::kWoodDark);
  cairo_move_to(cr, 1, 18);
  cairo_curve_to(cr, 1, 11, 23, 11, 23, 18);
  cairo_close_path(cr);
  fillLinear(cr, 0, 12, 0, 18, rgb(190, 130, 70), style::kWood);
  for (double x : {5.0, 17.0}) {
    cairo_rectangle(cr, x, 13, 2, 16);
    setColour(cr, style::kGold);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 10, 19, 4, 4);
  setColour(cr, rgb(40, 30, 20));
  cairo_fill(cr);
  // The arrow: gold into the chest to save, green out of it to load.
  const Colour c0 = saving ? rgb(255, 230, 130) : rgb(170, 255, 150);
  const Colour c1 = saving ? rgb(200, 120, 20) : rgb(30, 130, 40);
  const double tip = saving ? 14 : 0.5, back = saving ? 1 : 12.5;
  const double head = saving ? tip - 6 : tip + 6;
  cairo_move_to(cr, 12, tip);
  cairo_line_to(cr, 19, head);
  cairo_line_to(cr, 15, head);
  cairo_line_to(cr, 15, back);
  cairo_line_to(cr, 9, back);
  cairo_line_to(cr, 9, head);
  cairo_line_to(cr, 5, head);
  cairo_close_path(cr);
  cairo_path_t* arrow = cairo_copy_path(cr);
  fillLinear(cr, 0, 0, 0, 14, c0, c1);
  cairo_append_path(cr, arrow);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(30, 20, 10));
  cairo_stroke(cr);
  cairo_path_destroy(arrow);
}

void paintSettingsButton(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  // A bronze cog wheel.
  const double cx = 15, cy = 15;
  for (int tooth = 0; tooth < 8; ++tooth) {
    const double a = tooth * M_PI / 4;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, a);
    cairo_rectangle(cr, -2.8, -14, 5.6, 6);
    cairo_restore(cr);
  }
  cairo_arc(cr, cx, cy, 10.5, 0, 2 * M_PI);
  fillLinear(cr, 0, 0, 30, 30, rgb(250, 210, 130), rgb(120, 70, 20));
  cairo_arc(cr, cx, cy, 4.5, 0, 2 * M_PI);
  fillRadial(cr, cx, cy, 5, rgb(40, 30, 40), rgb(10, 8, 10));
  cairo_arc(cr, cx, cy, 8, 0, 2 * M_PI);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(90, 50, 10, 0.7));
  cairo_stroke(cr);
}

}  // namespace flow
