#include "land/Scenery.h"

#include "land/Noise.h"

#include <algorithm>
#include <cmath>

namespace land {

Colour shade(const Colour& c, double factor) {
  if (factor <= 1) return {c.r * factor, c.g * factor, c.b * factor, c.a};
  const double t = std::min(1.0, factor - 1);
  return {c.r + (1 - c.r) * t, c.g + (1 - c.g) * t, c.b + (1 - c.b) * t, c.a};
}

void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& a, const Colour& b) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgba(gradient, 0, a.r, a.g, a.b, a.a);
  cairo_pattern_add_color_stop_rgba(gradient, 1, b.r, b.g, b.b, b.a);
  cairo_set_source(cr, gradient);
  cairo_pattern_destroy(gradient);
}

void setRadial(cairo_t* cr, double x, double y, double r, const Colour& inner, const Colour& outer) {
  cairo_pattern_t* gradient = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(gradient, 0, inner.r, inner.g, inner.b, inner.a);
  cairo_pattern_add_color_stop_rgba(gradient, 1, outer.r, outer.g, outer.b, outer.a);
  cairo_set_source(cr, gradient);
  cairo_pattern_destroy(gradient);
}

void paintTree(cairo_t* cr, double x, double y, double height, const Colour& leaf, unsigned seed) {
  Random random(seed);
  const double crownY = y - height * 0.62, r = height * 0.3;
  // Trunk.
  cairo_move_to(cr, x - height * 0.07, y);
  cairo_line_to(cr, x - height * 0.035, crownY);
  cairo_line_to(cr, x + height * 0.035, crownY);
  cairo_line_to(cr, x + height * 0.07, y);
  cairo_close_path(cr);
  setColour(cr, rgb(70, 46, 28));
  cairo_fill(cr);
  // The crown: lobes around the centre, first as a dark mass, then each lit from the upper left.
  struct Lobe {
    double x, y, r;
  } lobes[6];
  const int count = 4 + random.below(3);
  for (int i = 0; i < count; ++i) {
    const double a = 2 * M_PI * i / count + random.range(-0.3, 0.3);
    lobes[i] = {x + std::cos(a) * r * 0.55, crownY + std::sin(a) * r * 0.45, r * random.range(0.55, 0.75)};
  }
  for (int i = 0; i < count; ++i) cairo_arc(cr, lobes[i].x, lobes[i].y, lobes[i].r + 0.6, 0, 2 * M_PI), cairo_new_sub_path(cr);
  cairo_arc(cr, x, crownY, r * 0.7, 0, 2 * M_PI);
  setColour(cr, shade(leaf, 0.45));
  cairo_fill(cr);
  for (int i = 0; i < count; ++i) {
    const Lobe& l = lobes[i];
    cairo_arc(cr, l.x, l.y, l.r, 0, 2 * M_PI);
    setRadial(cr, l.x - l.r * 0.4, l.y - l.r * 0.45, l.r * 1.3, shade(leaf, 1.25), shade(leaf, 0.7));
    cairo_fill(cr);
  }
  cairo_arc(cr, x - r * 0.25, crownY - r * 0.3, r * 0.22, 0, 2 * M_PI);
  setColour(cr, mix(shade(leaf, 1.4), rgb(255, 220, 150), 0.2));
  cairo_fill(cr);
}

void paintFir(cairo_t* cr, double x, double y, double height, const Colour& needles) {
  cairo_rectangle(cr, x - height * 0.05, y - height * 0.2, height * 0.1, height * 0.2);
  setColour(cr, rgb(60, 40, 26));
  cairo_fill(cr);
  for (int tier = 0; tier < 3; ++tier) {
    const double bottom = y - height * (0.12 + tier * 0.25), top = bottom - height * 0.45;
    const double half = height * (0.3 - tier * 0.07);
    cairo_move_to(cr, x - half, bottom);
    cairo_line_to(cr, x, top);
    cairo_line_to(cr, x + half, bottom);
    cairo_close_path(cr);
    setLinear(cr, x - half, 0, x + half, 0, shade(needles, 1.15), shade(needles, 0.55));
    cairo_fill(cr);
  }
}

void paintMountain(cairo_t* cr, double x, double y, double width, double height, bool snow, unsigned seed) {
  Random random(seed);
  const double peakX = x + random.range(-0.1, 0.1) * width, peakY = y - height;
  const double left = x - width / 2, right = x + width / 2;
  // The whole mountain in its lit colour, then the shaded right flank over it.
  cairo_move_to(cr, left, y);
  cairo_curve_to(cr, left + width * 0.2, y - height * 0.35, peakX - width * 0.12, peakY + height * 0.2, peakX, peakY);
  cairo_curve_to(cr, peakX + width * 0.12, peakY + height * 0.25, right - width * 0.2, y - height * 0.3, right, y);
  cairo_close_path(cr);
  setLinear(cr, 0, peakY, 0, y, rgb(176, 164, 150), rgb(112, 108, 90));
  cairo_fill(cr);
  cairo_move_to(cr, peakX, peakY);
  cairo_curve_to(cr, peakX + width * 0.12, peakY + height * 0.25, right - width * 0.2, y - height * 0.3, right, y);
  cairo_line_to(cr, peakX + width * 0.08, y);
  cairo_curve_to(cr, peakX + width * 0.02, y - height * 0.4, peakX + width * 0.06, peakY + height * 0.3, peakX, peakY);
  setLinear(cr, 0, peakY, 0, y, rgb(96, 86, 96), rgb(62, 60, 56));
  cairo_fill(cr);
  // Rock streaks down the lit flank.
  cairo_set_line_width(cr, std::max(0.6, width * 0.025));
  setColour(cr, rgb(120, 108, 100, 0.7));
  for (int i = 0; i < 3; ++i) {
    const double t = random.range(0.25, 0.7);
    cairo_move_to(cr, peakX - width * 0.08 * t * 2, peakY + height * t);
    cairo_line_to(cr, peakX - width * 0.08 * t * 2 - width * 0.06, peakY + height * (t + 0.18));
  }
  cairo_stroke(cr);
  if (snow) {
    const double capY = peakY + height * 0.3;
    cairo_move_to(cr, peakX, peakY);
    cairo_line_to(cr, peakX + width * 0.11, capY - height * 0.04);
    cairo_line_to(cr, peakX + width * 0.05, capY - height * 0.1);
    cairo_line_to(cr, peakX, capY);
    cairo_line_to(cr, peakX - width * 0.05, capY - height * 0.12);
    cairo_line_to(cr, peakX - width * 0.12, capY - height * 0.02);
    cairo_close_path(cr);
    setLinear(cr, peakX - width * 0.1, 0, peakX + width * 0.1, 0, rgb(250, 246, 240), rgb(180, 184, 204));
    cairo_fill(cr);
  }
}

namespace {

void tower(cairo_t* cr, double cx, double y, double w, double h, const style::Heraldry& ruler, double roof) {
  cairo_rectangle(cr, cx - w / 2, y - h, w, h);
  setLinear(cr, cx - w / 2, 0, cx + w / 2, 0, rgb(206, 194, 176), rgb(112, 100, 96));
  cairo_fill(cr);
  // Conical roof in the ruler's colour, lit on the left.
  cairo_move_to(cr, cx - w * 0.62, y - h);
  cairo_line_to(cr, cx, y - h - roof);
  cairo_line_to(cr, cx + w * 0.62, y - h);
  cairo_close_path(cr);
  setLinear(cr, cx - w * 0.6, 0, cx + w * 0.6, 0, shade(ruler.field, 1.3), ruler.dark);
  cairo_fill(cr);
  // A lit window.
  cairo_rectangle(cr, cx - w * 0.12, y - h * 0.72, w * 0.24, h * 0.16);
  setColour(cr, style::kTorchCore);
  cairo_fill(cr);
}

}  // namespace

void paintCastle(cairo_t* cr, double x, double y, double size, const style::Heraldry& ruler) {
  const double s = size;
  // The curtain wall with its battlements.
  const double wallTop = y - s * 0.42;
  cairo_rectangle(cr, x - s * 0.42, wallTop, s * 0.84, s * 0.42);
  setLinear(cr, 0, wallTop, 0, y, rgb(190, 178, 162), rgb(104, 94, 90));
  cairo_fill(cr);
  for (int i = 0; i < 5; ++i) cairo_rectangle(cr, x - s * 0.42 + i * s * 0.18, wallTop - s * 0.07, s * 0.1, s * 0.07);
  setColour(cr, rgb(170, 158, 144));
  cairo_fill(cr);
  // Stone courses.
  cairo_set_line_width(cr, std::max(0.5, s * 0.015));
  setColour(cr, rgb(80, 70, 66, 0.5));
  for (double row = wallTop + s * 0.1; row < y - 1; row += s * 0.1) {
    cairo_move_to(cr, x - s * 0.42, row);
    cairo_line_to(cr, x + s * 0.42, row);
  }
  cairo_stroke(cr);
  tower(cr, x, wallTop + s * 0.05, s * 0.24, s * 0.38, ruler, s * 0.3);
  tower(cr, x - s * 0.38, y, s * 0.2, s * 0.58, ruler, s * 0.24);
  tower(cr, x + s * 0.38, y, s * 0.2, s * 0.58, ruler, s * 0.24);
  // The gate.
  cairo_move_to(cr, x - s * 0.09, y);
  cairo_line_to(cr, x - s * 0.09, y - s * 0.16);
  cairo_arc(cr, x, y - s * 0.16, s * 0.09, M_PI, 2 * M_PI);
  cairo_line_to(cr, x + s * 0.09, y);
  cairo_close_path(cr);
  setColour(cr, rgb(40, 26, 20));
  cairo_fill(cr);
  // The banner over the keep.
  const double poleX = x, poleTop = wallTop + s * 0.05 - s * 0.38 - s * 0.3 - s * 0.22;
  cairo_set_line_width(cr, std::max(0.7, s * 0.025));
  setColour(cr, rgb(60, 40, 30));
  cairo_move_to(cr, poleX, poleTop + s * 0.24);
  cairo_line_to(cr, poleX, poleTop);
  cairo_stroke(cr);
  cairo_move_to(cr, poleX, poleTop);
  cairo_curve_to(cr, poleX + s * 0.1, poleTop - s * 0.03, poleX + s * 0.16, poleTop + s * 0.04, poleX + s * 0.26, poleTop + s * 0.01);
  cairo_line_to(cr, poleX + s * 0.22, poleTop + s * 0.06);
  cairo_line_to(cr, poleX + s * 0.26, poleTop + s * 0.12);
  cairo_curve_to(cr, poleX + s * 0.16, poleTop + s * 0.14, poleX + s * 0.1, poleTop + s * 0.08, poleX, poleTop + s * 0.11);
  cairo_close_path(cr);
  setColour(cr, ruler.field);
  cairo_fill_preserve(cr);
  setColour(cr, ruler.metal);
  cairo_set_line_width(cr, std::max(0.5, s * 0.02));
  cairo_stroke(cr);
}

void paintDuskSky(cairo_t* cr, double width, double height, double horizon, double glow) {
  cairo_rectangle(cr, 0, 0, width, height);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, horizon);
  cairo_pattern_add_color_stop_rgb(sky, 0, style::kSkyHigh.r, style::kSkyHigh.g, style::kSkyHigh.b);
  cairo_pattern_add_color_stop_rgb(sky, 0.55, style::kSkyMid.r, style::kSkyMid.g, style::kSkyMid.b);
  cairo_pattern_add_color_stop_rgb(sky, 1, style::kSkyLow.r, style::kSkyLow.g, style::kSkyLow.b);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  // The sun's glow low over the horizon.
  cairo_rectangle(cr, 0, 0, width, height);
  setRadial(cr, width * glow, horizon, horizon * 0.9, rgb(255, 214, 140, 0.7), rgb(255, 170, 110, 0.0));
  cairo_fill(cr);
}

void paintCloud(cairo_t* cr, double x, double y, double width, double light, unsigned seed) {
  Random random(seed);
  const int puffs = 5 + random.below(3);
  struct Puff {
    double x, y, r;
  } shape[8];
  for (int i = 0; i < puffs; ++i) {
    const double centre = 1.0 - std::fabs(i - (puffs - 1) / 2.0) / puffs;
    const double r = width / puffs * random.range(0.8, 1.2) * (0.5 + 0.9 * centre);
    shape[i] = {x - width / 2 + width * (i + 0.5) / puffs + random.range(-2, 2), y - r * random.range(0.3, 0.6), r};
  }
  const double base = y + width * 0.06;  // a cumulus sits on a flat base
  const Colour top = mix(rgb(84, 64, 116), rgb(176, 136, 170), light);
  const Colour bottom = mix(rgb(196, 116, 130), rgb(255, 206, 164), light);
  cairo_save(cr);
  cairo_rectangle(cr, x - width, y - width, width * 2, base - (y - width));
  cairo_clip(cr);
  for (int i = 0; i < puffs; ++i) cairo_new_sub_path(cr), cairo_arc(cr, shape[i].x, shape[i].y, shape[i].r, 0, 2 * M_PI);
  setLinear(cr, 0, y - width * 0.3, 0, base, top, bottom);
  cairo_fill(cr);
  // The glow of the low sun on the puffs' undersides, and shadowed hollows above.
  for (int i = 0; i < puffs; ++i) {
    const Puff& p = shape[i];
    cairo_arc(cr, p.x + p.r * 0.15, p.y + p.r * 0.45, p.r * 0.6, 0, 2 * M_PI);
    Colour glow = mix(bottom, rgb(255, 236, 200), 0.4);
    glow.a = 0.55;
    setColour(cr, glow);
    cairo_fill(cr);
    cairo_arc(cr, p.x - p.r * 0.25, p.y - p.r * 0.3, p.r * 0.45, 0, 2 * M_PI);
    Colour hollow = mix(top, rgb(60, 40, 90), 0.3);
    hollow.a = 0.35;
    setColour(cr, hollow);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void paintHillBand(cairo_t* cr, double width, double ridge, double amplitude, double bottom, const Colour& top,
                   const Colour& base, unsigned seed) {
  cairo_move_to(cr, 0, bottom);
  for (double x = 0; x <= width + 4; x += 4) {
    const double h = (fractalNoise(x, 0, 90, seed, 3) - 0.5) * 2 * amplitude;
    cairo_line_to(cr, x, ridge + h);
  }
  cairo_line_to(cr, width, bottom);
  cairo_close_path(cr);
  setLinear(cr, 0, ridge - amplitude, 0, bottom, top, base);
  cairo_fill(cr);
}

}  // namespace land
