// The death announcement: at dusk a dragon lies still on a hill among flowers and candles,
// while its pale spirit rises to the stars. The announcement's plate covers the middle of
// the picture, so the spirit flies above it and the body lies below it.
#include "image/Style.h"
#include "mage/PaintKit.h"
#include "stats/JpegCheck.h"
#include "stats/Lair.h"
#include "stats/StatsLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace stats {

namespace {

using namespace paintkit;

constexpr double kHillTop = 168;

void paintSky(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, kScreenW, kScreenH);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kHillTop + 10);
  const Colour stops[3] = {style::kSkyHigh, style::kSkyMid, style::kSkyLow};
  for (int i = 0; i < 3; ++i) cairo_pattern_add_color_stop_rgb(sky, i / 2.0, stops[i].r, stops[i].g, stops[i].b);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  Dice dice(61);
  for (int i = 0; i < 40; ++i) {
    const double x = dice.between(0, kScreenW), y = dice.between(0, 90);
    twinkle(cr, x, y, dice.between(0.8, 2.2), rgb(255, 248, 220, 0.5 + 0.5 * (1 - y / 90)));
  }
  // A low moon at the left.
  glow(cr, 40, 34, 30, rgb(255, 240, 200, 0.35));
  ellipse(cr, 40, 34, 11, 11);
  fillRadial(cr, 36, 30, 14, rgb(255, 252, 236), rgb(226, 214, 180));
}

void paintHills(cairo_t* cr) {
  cairo_move_to(cr, 0, kHillTop + 4);
  cairo_curve_to(cr, 60, kHillTop - 14, 120, kHillTop - 6, 170, kHillTop);
  cairo_curve_to(cr, 220, kHillTop + 6, 270, kHillTop - 18, kScreenW, kHillTop - 6);
  cairo_line_to(cr, kScreenW, kScreenH);
  cairo_line_to(cr, 0, kScreenH);
  cairo_close_path(cr);
  fillVertical(cr, kHillTop - 18, kScreenH, rgb(70, 90, 56), rgb(24, 34, 22));
  Dice dice(62);
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 260; ++i) {  // grass blades
    const double x = dice.between(0, kScreenW), y = dice.between(kHillTop + 6, kScreenH);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + dice.between(-2, 2), y - dice.between(3, 6));
    setColour(cr, mix(rgb(60, 90, 40), rgb(130, 150, 80), dice.next()));
    cairo_stroke(cr);
  }
}

void paintFlowers(cairo_t* cr) {
  Dice dice(63);
  for (int i = 0; i < 30; ++i) {
    const double x = dice.between(6, kScreenW - 6), y = dice.between(kPlateY1 + 58, kScreenH - 3);
    const Colour petal = i % 3 ? rgb(240, 236, 250) : rgb(240, 170, 200);
    for (int p = 0; p < 5; ++p) {
      const double a = p * 2 * M_PI / 5;
      ellipse(cr, x + std::cos(a) * 1.6, y + std::sin(a) * 1.2, 1.3, 1.1);
    }
    setColour(cr, petal);
    cairo_fill(cr);
    ellipse(cr, x, y, 0.8, 0.8);
    setColour(cr, rgb(250, 210, 80));
    cairo_fill(cr);
  }
  candle(cr, 22, 226, 12, rgb(236, 226, 200));
  candle(cr, 298, 224, 14, rgb(236, 226, 200));
  candle(cr, 308, 232, 9, rgb(236, 226, 200));
}

// The spirit: the same dragon, pale and half transparent, flying up.
void paintSpirit(cairo_t* cr) {
  Canvas spirit(kScreenW, kPlateY0);
  DragonPose pose;
  pose.x = 236;
  pose.y = 38;
  pose.scale = 0.6;
  pose.wing = 0.85;
  pose.pitch = -0.35;
  pose.headTilt = -0.2;
  pose.body = rgb(200, 230, 255);
  paintDragon(spirit.cr(), pose);
  glow(cr, 236, 36, 50, rgb(220, 240, 255, 0.35));
  cairo_set_source_surface(cr, spirit.surface(), 0, 0);
  cairo_paint_with_alpha(cr, 0.6);
  Dice dice(64);
  for (int i = 0; i < 14; ++i) {  // a trail of light from the hill to the spirit
    const double t = dice.next();
    twinkle(cr, 180 + t * 40 + dice.between(-10, 10), 66 - t * 14 + dice.between(-4, 4), dice.between(1, 2.5), rgb(230, 245, 255, 0.9));
  }
}

// Closes the dragon's eyes on its own layer: the amber eye is found by its colour, covered
// with a lid of the scales' colour and a dark line drawn where the lids meet.
void closeEyes(Canvas& layer, const Colour& lid) {
  cairo_surface_flush(layer.surface());
  const uint8_t* data = cairo_image_surface_get_data(layer.surface());
  const int stride = cairo_image_surface_get_stride(layer.surface());
  auto pixel = [&](int x, int y) { return reinterpret_cast<const uint32_t*>(data + size_t(y) * stride)[x]; };
  int x0 = layer.width(), y0 = layer.height(), x1 = -1, y1 = -1;
  for (int y = 0; y < layer.height(); ++y)
    for (int x = 0; x < layer.width(); ++x) {
      const uint32_t p = pixel(x, y);
      const unsigned a = p >> 24, r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      const bool amber = a == 255 && r > 200 && g > 100 && r > b + 100;
      if (amber) x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    }
  if (x1 < 0 || x1 - x0 > 12 || y1 - y0 > 12) return;  // no eye, or not one small eye
  cairo_t* cr = layer.cr();
  const double cx = (x0 + x1 + 1) / 2.0, cy = (y0 + y1 + 1) / 2.0, rx = (x1 - x0 + 1) / 2.0 + 0.8, ry = (y1 - y0 + 1) / 2.0 + 0.8;
  ellipse(cr, cx, cy, rx, ry);
  setColour(cr, lid);
  cairo_fill(cr);
  cairo_move_to(cr, cx - rx, cy);
  cairo_curve_to(cr, cx - rx * 0.4, cy + ry * 0.7, cx + rx * 0.4, cy + ry * 0.7, cx + rx, cy);
  cairo_set_line_width(cr, 1.2);
  setColour(cr, rgb(20, 16, 16));
  cairo_stroke(cr);
}

// The body, at rest on the grass: head down on the ground, wings limp, eyes closed.
void paintBody(cairo_t* cr) {
  DragonPose pose;
  pose.x = 160;
  pose.y = 210;
  pose.scale = 1.55;
  pose.wing = -0.4;
  pose.headTilt = 1.1;
  pose.pitch = 0.12;
  pose.legsDown = false;
  pose.body = mix(rgb(52, 128, 92), rgb(110, 110, 116), 0.55);
  ellipse(cr, 160, 224, 112, 12);
  setColour(cr, rgb(10, 14, 8, 0.45));
  cairo_fill(cr);
  Canvas layer(kScreenW, kScreenH);
  paintDragon(layer.cr(), pose);
  closeEyes(layer, lighter(pose.body, 0.1));
  cairo_set_source_surface(cr, layer.surface(), 0, 0);
  cairo_paint(cr);
}

}  // namespace

void addDeathPicture(ContentList& gfx) {
  Canvas canvas(kScreenW, kScreenH);
  cairo_t* cr = canvas.cr();
  paintSky(cr);
  paintSpirit(cr);
  paintHills(cr);
  paintBody(cr);
  paintFlowers(cr);
  gfx.push_back({"gfx\\cellar\\stats\\dragon_dead.jpg", checkedJpeg("dragon_dead", canvas.rgb(false), false)});
}

}  // namespace stats
