#include "castle/Art.h"

#include "image/Style.h"

#include <algorithm>
#include <cmath>

namespace art {

double Random::unit() {
  state_ = state_ * 1103515245u + 12345u;
  return double((state_ >> 8) & 0xFFFF) / 65536.0;
}

void glow(cairo_t* cr, double x, double y, double radius, const Colour& c) {
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  fillRadial(cr, x, y, radius, c, withAlpha(c, 0));
}

void stoneWall(cairo_t* cr, double x, double y, double w, double h, double rowHeight, double blockWidth,
               const Colour& base, unsigned seed) {
  Random random(seed);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  setColour(cr, mix(base, rgb(0, 0, 0), 0.45));
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  int row = 0;
  for (double top = y; top < y + h; top += rowHeight, ++row) {
    double left = x - (row % 2 ? blockWidth / 2 : 0) - random.between(0, blockWidth / 4);
    while (left < x + w) {
      const double width = blockWidth * random.between(0.75, 1.25);
      const double shade = random.between(-0.18, 0.14);
      Colour c = shade > 0 ? mix(base, rgb(255, 240, 220), shade) : mix(base, rgb(0, 0, 0), -shade);
      roundedRectangle(cr, left + 0.6, top + 0.6, width - 1.2, rowHeight - 1.2, 1.2);
      fillVertical(cr, top, top + rowHeight, mix(c, rgb(255, 255, 255), 0.08), mix(c, rgb(0, 0, 0), 0.2));
      // The lit upper edge of the block.
      setColour(cr, withAlpha(mix(c, rgb(255, 236, 200), 0.35), 0.5));
      cairo_rectangle(cr, left + 1.2, top + 0.8, width - 2.4, 0.8);
      cairo_fill(cr);
      left += width;
    }
  }
  speckle(cr, x, y, w, h, rgb(0, 0, 0, 0.25), int(w * h / 18), seed + 7);
  speckle(cr, x, y, w, h, rgb(255, 240, 220, 0.12), int(w * h / 30), seed + 11);
  cairo_restore(cr);
}

namespace {

void flameTongue(cairo_t* cr, double x, double y, double width, double height, double lean) {
  cairo_move_to(cr, x - width / 2, y);
  cairo_curve_to(cr, x - width / 2, y - height * 0.45, x + lean - width * 0.2, y - height * 0.7, x + lean, y - height);
  cairo_curve_to(cr, x + lean + width * 0.15, y - height * 0.7, x + width / 2, y - height * 0.45, x + width / 2, y);
  cairo_curve_to(cr, x + width / 2, y + width * 0.35, x - width / 2, y + width * 0.35, x - width / 2, y);
  cairo_close_path(cr);
}

}  // namespace

void torch(cairo_t* cr, double x, double y, double size, double phase) {
  const double s = size;
  glow(cr, x, y - s * 0.9, s * 4.0, withAlpha(style::kTorchGlow, 0.28));
  // The bracket and the wooden shaft.
  cairo_move_to(cr, x - s * 0.28, y - s * 0.1);
  cairo_line_to(cr, x + s * 0.28, y - s * 0.1);
  cairo_line_to(cr, x + s * 0.12, y + s * 1.1);
  cairo_line_to(cr, x - s * 0.12, y + s * 1.1);
  cairo_close_path(cr);
  fillLinear(cr, x - s * 0.3, 0, x + s * 0.3, 0, style::kWood, style::kWoodDark);
  cairo_rectangle(cr, x - s * 0.36, y - s * 0.22, s * 0.72, s * 0.22);
  setColour(cr, rgb(40, 36, 40));
  cairo_fill(cr);
  cairo_rectangle(cr, x - s * 0.1, y + s * 0.55, s * 0.2, s * 0.9);
  setColour(cr, rgb(30, 26, 30));
  cairo_fill(cr);
  // The flame: an outer red tongue, a yellow one and a white core, all leaning with the phase.
  const double sway = std::sin(phase * 2 * M_PI) * s * 0.12;
  const double lift = 1.0 + 0.12 * std::sin(phase * 4 * M_PI + 1.0);
  flameTongue(cr, x, y - s * 0.2, s * 0.62, s * 1.35 * lift, sway * 1.6);
  fillLinear(cr, 0, y - s * 1.5, 0, y, withAlpha(style::kFireOuter, 0.85), rgb(255, 140, 40));
  flameTongue(cr, x, y - s * 0.2, s * 0.42, s * 0.95 * lift, sway);
  setColour(cr, style::kFireInner);
  cairo_fill(cr);
  flameTongue(cr, x, y - s * 0.22, s * 0.2, s * 0.5 * lift, sway * 0.5);
  setColour(cr, style::kTorchCore);
  cairo_fill(cr);
}

void lettering(cairo_t* cr, const std::string& text, double x, double y, double size, const Colour& ink,
               const Colour& edge, double outline, bool bold) {
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  cairo_move_to(cr, x - extents.width / 2 - extents.x_bearing, y);
  cairo_text_path(cr, text.c_str());
  if (outline > 0) {
    setColour(cr, edge);
    cairo_set_line_width(cr, outline * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  setColour(cr, ink);
  cairo_fill(cr);
  cairo_restore(cr);
}

RgbPixels cut(const Canvas& canvas, int x, int y, int w, int h) {
  RgbPixels whole = canvas.rgb(false);
  RgbPixels part{w, h, std::vector<uint8_t>(size_t(w) * h * 3)};
  for (int row = 0; row < h; ++row) {
    for (int column = 0; column < w; ++column) {
      const uint8_t* from = whole.at(std::clamp(x + column, 0, whole.width - 1), std::clamp(y + row, 0, whole.height - 1));
      std::copy(from, from + 3, part.at(column, row));
    }
  }
  return part;
}

void sparkle(cairo_t* cr, double x, double y, double size, const Colour& c) {
  glow(cr, x, y, size * 1.6, withAlpha(c, 0.45));
  setColour(cr, c);
  for (int i = 0; i < 4; ++i) {
    const double a = i * M_PI / 4;
    const double long_ = (i % 2 ? 0.55 : 1.0) * size;
    cairo_move_to(cr, x + std::cos(a) * long_, y + std::sin(a) * long_);
    cairo_line_to(cr, x + std::cos(a + M_PI / 2) * size * 0.12, y + std::sin(a + M_PI / 2) * size * 0.12);
    cairo_line_to(cr, x - std::cos(a) * long_, y - std::sin(a) * long_);
    cairo_line_to(cr, x - std::cos(a + M_PI / 2) * size * 0.12, y - std::sin(a + M_PI / 2) * size * 0.12);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
}

}  // namespace art
