// The banner over the main gate: a violet cloth with a golden crown and the three rulers'
// colours, hanging from a gilt rod. The cloth is painted flat once, then laid onto the wall
// row by row, swaying more toward its hem and lit by folds that run across it; everything
// moves with whole turns of the phase, so frame 29 leads back into frame 0.
#include "castle/Art.h"
#include "castle/Hall.h"
#include "image/Style.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace castle {

namespace {

constexpr int kClothW = 42, kClothH = 50;
constexpr double kClothLeft = 139, kClothTop = 7;

void paintCloth(Canvas& cloth) {
  cairo_t* cr = cloth.cr();
  const double w = kClothW, h = kClothH;
  // The swallow-tailed outline.
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, w, 0);
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, w / 2, h - 9);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  fillVertical(cr, 0, h, rgb(96, 40, 130), rgb(52, 18, 76));
  speckle(cr, 0, 0, w, h, rgb(255, 255, 255, 0.08), 160, 77);
  // A gold border inside the edge.
  cairo_move_to(cr, 2.5, 0);
  cairo_line_to(cr, 2.5, h - 3.5);
  cairo_line_to(cr, w / 2, h - 12);
  cairo_line_to(cr, w - 2.5, h - 3.5);
  cairo_line_to(cr, w - 2.5, 0);
  cairo_set_line_width(cr, 1.6);
  setColour(cr, style::kGold);
  cairo_stroke(cr);
  // The crown.
  const double cx = w / 2, cy = 17;
  cairo_move_to(cr, cx - 10, cy + 5);
  cairo_line_to(cr, cx - 11, cy - 6);
  cairo_line_to(cr, cx - 5, cy - 1);
  cairo_line_to(cr, cx, cy - 9);
  cairo_line_to(cr, cx + 5, cy - 1);
  cairo_line_to(cr, cx + 11, cy - 6);
  cairo_line_to(cr, cx + 10, cy + 5);
  cairo_close_path(cr);
  art::fillLinear(cr, 0, cy - 9, 0, cy + 5, style::kTorchCore, rgb(170, 110, 30));
  for (double dx : {-11.0, 0.0, 11.0}) {
    cairo_arc(cr, cx + dx, cy - (dx == 0 ? 9.5 : 6.5), 1.5, 0, 2 * M_PI);
    setColour(cr, style::kTorchCore);
    cairo_fill(cr);
  }
  // The three rulers, one jewel each.
  for (int ruler = 0; ruler < 3; ++ruler) {
    const double x = cx - 9 + ruler * 9, y = 33;
    cairo_move_to(cr, x - 3.5, y - 4);
    cairo_line_to(cr, x + 3.5, y - 4);
    cairo_line_to(cr, x + 3.5, y + 1);
    cairo_curve_to(cr, x + 3.5, y + 3, x + 1, y + 4.5, x, y + 5);
    cairo_curve_to(cr, x - 1, y + 4.5, x - 3.5, y + 3, x - 3.5, y + 1);
    cairo_close_path(cr);
    setColour(cr, style::kRulers[ruler].field);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.9);
    setColour(cr, style::kRulers[ruler].metal);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

struct Pixel {
  double a, r, g, b;  // premultiplied, 0..255
};

// Bilinear sample of a premultiplied ARGB surface; outside it is transparent.
Pixel sample(const uint8_t* data, int stride, int w, int h, double u, double v) {
  const int x0 = int(std::floor(u)), y0 = int(std::floor(v));
  const double fx = u - x0, fy = v - y0;
  Pixel out{0, 0, 0, 0};
  for (int dy = 0; dy < 2; ++dy) {
    for (int dx = 0; dx < 2; ++dx) {
      const int x = x0 + dx, y = y0 + dy;
      if (x < 0 || y < 0 || x >= w || y >= h) continue;
      const double weight = (dx ? fx : 1 - fx) * (dy ? fy : 1 - fy);
      const uint32_t p = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride)[x];
      out.a += weight * (p >> 24), out.r += weight * ((p >> 16) & 255);
      out.g += weight * ((p >> 8) & 255), out.b += weight * (p & 255);
    }
  }
  return out;
}

void over(uint32_t& target, const Pixel& p) {
  const double keep = 1 - p.a / 255;
  auto channel = [&](int shift, double value) {
    return uint32_t(std::clamp(value + keep * ((target >> shift) & 255), 0.0, 255.0) + 0.5) << shift;
  };
  target = channel(24, p.a) | channel(16, p.r) | channel(8, p.g) | channel(0, p.b);
}

void rod(cairo_t* cr) {
  cairo_set_line_width(cr, 0.8);
  setColour(cr, rgb(30, 24, 20));
  cairo_move_to(cr, kClothLeft + 4, kClothTop - 2);
  cairo_line_to(cr, kClothLeft + kClothW / 2, -1);
  cairo_line_to(cr, kClothLeft + kClothW - 4, kClothTop - 2);
  cairo_stroke(cr);
  roundedRectangle(cr, kClothLeft - 5, kClothTop - 3, kClothW + 10, 3, 1.5);
  art::fillLinear(cr, 0, kClothTop - 3, 0, kClothTop, style::kTorchCore, rgb(140, 90, 20));
  for (double x : {kClothLeft - 6.0, kClothLeft + kClothW + 6.0}) {
    cairo_arc(cr, x, kClothTop - 1.5, 2.2, 0, 2 * M_PI);
    art::fillRadial(cr, x - 0.6, kClothTop - 2.2, 2.4, style::kTorchCore, rgb(150, 100, 20));
  }
}

}  // namespace

void paintBanner(Canvas& canvas, double phase) {
  Canvas cloth(kClothW, kClothH);
  paintCloth(cloth);
  cairo_surface_flush(cloth.surface());
  const uint8_t* source = cairo_image_surface_get_data(cloth.surface());
  const int sourceStride = cairo_image_surface_get_stride(cloth.surface());

  cairo_surface_t* target = canvas.surface();
  cairo_surface_flush(target);
  uint8_t* data = cairo_image_surface_get_data(target);
  const int stride = cairo_image_surface_get_stride(target);
  const double turn = 2 * M_PI * phase;
  // Drawn twice: first the shadow on the wall, then the cloth itself.
  for (int pass = 0; pass < 2; ++pass) {
    const double shiftX = pass == 0 ? 2.5 : 0, shiftY = pass == 0 ? 2 : 0;
    for (int y = int(kClothTop); y < int(kClothTop) + kClothH + 4; ++y) {
      const double v = y - kClothTop - shiftY;
      const double hang = std::clamp(v / kClothH, 0.0, 1.0);
      const double sway = 3.2 * hang * std::sin(turn - v * 0.09);
      for (int x = int(kClothLeft) - 6; x < int(kClothLeft) + kClothW + 8; ++x) {
        const double u = x - kClothLeft - shiftX - sway;
        Pixel p = sample(source, sourceStride, kClothW, kClothH, u, v);
        if (p.a <= 0) continue;
        if (pass == 0) {
          p = {p.a * 0.4, 0, 0, 0};
        } else {
          // Folds running across the cloth: lit ridges and shaded valleys.
          const double fold = std::sin(u * 0.42 - turn * 2 + v * 0.05) * (0.35 + 0.65 * hang);
          const double light = 1 + 0.28 * fold;
          p.r = std::min(p.r * light, p.a), p.g = std::min(p.g * light, p.a), p.b = std::min(p.b * light, p.a);
        }
        over(reinterpret_cast<uint32_t*>(data + size_t(y) * stride)[x], p);
      }
    }
  }
  cairo_surface_mark_dirty(target);
  rod(canvas.cr());
}

}  // namespace castle
