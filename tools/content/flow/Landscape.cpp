// The land is a flat ground with things standing on it at world positions (x sideways,
// d the distance ahead); the camera sees a thing at distance d scaled by focal / (d - z).
// Things are painted from the farthest to the nearest, each hazed toward the sky's colour
// with its distance, so the far hills turn violet like the dusk.
#include "flow/Landscape.h"

#include "castle/Art.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace flow {

namespace {

using art::fillLinear;
using art::fillRadial;
using art::glow;
using art::mix;
using art::withAlpha;

constexpr double kEyeHeight = 6;  // the camera's height above the ground, in world units

struct View {
  cairo_t* cr;
  double w, h;
  Camera camera;
  SkyLight sky;
  double scale(double d) const { return camera.focal / std::max(d - camera.z, 0.05); }
  double sx(double x, double d) const { return w / 2 + (x - camera.x) * scale(d); }
  double sy(double height, double d) const { return camera.horizon + (kEyeHeight - height) * scale(d); }
  double haze(double d) const { return 1 - std::exp(-(d - camera.z) / 90); }
  Colour hazed(const Colour& c, double d) const {
    return mix(c, mix(sky.low, sky.mid, 0.45), std::clamp(haze(d), 0.0, 0.85));
  }
};

void paintSky(const View& v, double time) {
  cairo_t* cr = v.cr;
  cairo_rectangle(cr, 0, 0, v.w, v.camera.horizon + 1);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, v.camera.horizon - v.w * 0.55, 0, v.camera.horizon);
  cairo_pattern_add_color_stop_rgb(p, 0, v.sky.high.r, v.sky.high.g, v.sky.high.b);
  cairo_pattern_add_color_stop_rgb(p, 0.55, v.sky.mid.r, v.sky.mid.g, v.sky.mid.b);
  cairo_pattern_add_color_stop_rgb(p, 1, v.sky.low.r, v.sky.low.g, v.sky.low.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  const double sunX = v.w * v.sky.sunX - v.camera.x * 0.3;
  glow(cr, sunX, v.camera.horizon, v.w * 0.35, rgb(255, 210, 140, 0.55));
  glow(cr, sunX, v.camera.horizon, v.w * 0.08, rgb(255, 250, 220, 0.8));
  // Stars in the high, dark sky.
  art::Random random(3);
  for (int i = 0; i < 40; ++i) {
    const double x = random.unit() * v.w, y = random.unit() * (v.camera.horizon * 0.55);
    const double size = random.between(0.5, 1.6);
    cairo_arc(cr, x, y, size * 0.45, 0, 2 * M_PI);
    setColour(cr, rgb(255, 250, 230, 0.35 + 0.5 * (1 - y / v.camera.horizon)));
    cairo_fill(cr);
  }
  // Long glowing clouds drifting slowly.
  for (int i = 0; i < 7; ++i) {
    const double y = v.camera.horizon * random.between(0.25, 0.75);
    const double x = std::fmod(random.unit() * v.w * 1.4 + time * 30 - v.camera.x * 0.2, v.w * 1.4) - v.w * 0.2;
    const double length = random.between(30, 80), thick = random.between(2.5, 5);
    art::ellipse(cr, x, y, length, thick);
    const double warm = y / v.camera.horizon;
    fillRadial(cr, x, y, length, withAlpha(mix(rgb(190, 120, 170), rgb(255, 190, 140), warm), 0.55),
               withAlpha(mix(rgb(190, 120, 170), rgb(255, 190, 140), warm), 0));
  }
}

void paintMountains(const View& v) {
  cairo_t* cr = v.cr;
  for (int range = 0; range < 2; ++range) {
    const double d = range == 0 ? 260 : 170;
    art::Random random(17 + range);
    cairo_move_to(cr, 0, v.h);
    for (double x = -400; x <= 400; x += 12) {
      const double peak = 18 + 22 * std::pow(std::sin(x * 0.013 + range * 1.7), 2) + random.between(0, 9);
      cairo_line_to(cr, v.sx(x, d), v.sy(peak * (range == 0 ? 1.6 : 1.0), d));
    }
    cairo_line_to(cr, v.w, v.h);
    cairo_close_path(cr);
    const Colour far = range == 0 ? rgb(110, 80, 130) : rgb(90, 70, 110);
    fillVertical(cr, v.camera.horizon - 40, v.camera.horizon, mix(far, v.sky.mid, 0.35), mix(far, v.sky.low, 0.45));
  }
}

// One thing on the ground, painted when its turn comes (the farthest first).
struct Thing {
  double d;
  std::function<void(const View&)> paint;
};

void groundCell(const View& v, double x0, double x1, double d0, double d1, const Colour& c) {
  cairo_t* cr = v.cr;
  cairo_move_to(cr, v.sx(x0, d0), v.sy(0, d0));
  cairo_line_to(cr, v.sx(x1, d0), v.sy(0, d0));
  cairo_line_to(cr, v.sx(x1, d1), v.sy(0, d1));
  cairo_line_to(cr, v.sx(x0, d1), v.sy(0, d1));
  cairo_close_path(cr);
  setColour(cr, v.hazed(c, (d0 + d1) / 2));
  cairo_fill(cr);
}

void hill(const View& v, double x, double d, double width, double height, const Colour& c) {
  cairo_t* cr = v.cr;
  cairo_move_to(cr, v.sx(x - width, d), v.sy(0, d) + 2);
  for (int i = 0; i <= 24; ++i) {
    const double t = -1 + 2.0 * i / 24;
    cairo_line_to(cr, v.sx(x + t * width, d), v.sy(height * std::pow(std::cos(t * M_PI / 2), 1.6), d));
  }
  cairo_line_to(cr, v.sx(x + width, d), v.sy(0, d) + 2);
  cairo_close_path(cr);
  const double top = v.sy(height, d), foot = v.sy(0, d);
  fillVertical(cr, top, foot, v.hazed(mix(c, rgb(255, 200, 140), 0.25), d), v.hazed(mix(c, rgb(0, 0, 0), 0.35), d));
}

void tree(const View& v, double x, double d, double size, bool pine, unsigned seed) {
  cairo_t* cr = v.cr;
  const double s = v.scale(d), bx = v.sx(x, d), by = v.sy(0, d);
  if (s * size < 0.6) return;
  const Colour leaf = v.hazed(pine ? rgb(34, 70, 46) : rgb(56, 90, 44), d);
  const Colour lit = v.hazed(pine ? rgb(80, 110, 70) : rgb(120, 140, 70), d);
  cairo_rectangle(cr, bx - 0.12 * size * s, by - size * 0.3 * s, 0.24 * size * s, size * 0.3 * s);
  setColour(cr, v.hazed(rgb(60, 40, 28), d));
  cairo_fill(cr);
  if (pine) {
    for (int tier = 0; tier < 3; ++tier) {
      const double base = by - size * s * (0.22 + tier * 0.25), width = size * s * (0.42 - tier * 0.1);
      cairo_move_to(cr, bx - width, base);
      cairo_line_to(cr, bx, base - size * s * 0.45);
      cairo_line_to(cr, bx + width, base);
      cairo_close_path(cr);
      fillLinear(cr, bx + width, base - size * s * 0.4, bx - width, base, lit, leaf);
    }
  } else {
    art::Random random(seed);
    for (int puff = 0; puff < 4; ++puff) {
      const double px = bx + random.between(-0.25, 0.25) * size * s, py = by - size * s * random.between(0.55, 0.85);
      const double r = size * s * random.between(0.22, 0.32);
      cairo_arc(cr, px, py, r, 0, 2 * M_PI);
      fillRadial(cr, px + r * 0.4, py - r * 0.4, r * 1.4, lit, leaf);
    }
  }
}

void river(const View& v, double d0, double d1) {
  auto course = [](double d) { return -30 + 22 * std::sin(d * 0.045) + d * 0.08; };
  const double half = 2.2;
  cairo_t* cr = v.cr;
  cairo_move_to(cr, v.sx(course(d0) - half, d0), v.sy(0, d0));
  cairo_line_to(cr, v.sx(course(d0) + half, d0), v.sy(0, d0));
  cairo_line_to(cr, v.sx(course(d1) + half, d1), v.sy(0, d1) + 0.3);
  cairo_line_to(cr, v.sx(course(d1) - half, d1), v.sy(0, d1) + 0.3);
  cairo_close_path(cr);
  setColour(cr, mix(v.sky.low, v.sky.mid, std::clamp((d0 - v.camera.z) / 120, 0.0, 1.0)));
  cairo_fill(cr);
}

// Where the three castles stand: x, distance, the hill's height.
struct Seat {
  double x, d, height;
};
constexpr Seat kSeats[3] = {{-34, 74, 7}, {6, 96, 10}, {44, 70, 6}};

std::vector<Thing> groundThings() {
  std::vector<Thing> things;
  art::Random random(29);
  // The patchwork of fields and meadows.
  const Colour patches[4] = {style::kGrass, style::kField, rgb(120, 140, 70), rgb(80, 110, 56)};
  for (double d = 2; d < 220; d *= 1.13) {
    const double next = d * 1.13, width = 6 + d * 0.3;
    for (double x = -1.6 * next - random.between(0, width); x < 1.6 * next; x += width) {
      const Colour c = patches[int(random.unit() * 4) & 3];
      things.push_back({next + 0.001, [=](const View& v) { groundCell(v, x, x + width + 0.3, d, next + 0.2, c); }});
    }
  }
  for (double d = 3; d < 220; d *= 1.08) {
    const double next = d * 1.08;
    things.push_back({next, [=](const View& v) { river(v, d, next + 0.1); }});
  }
  // Hills under the castles, a few more around, and the castles on them.
  for (int ruler = 0; ruler < 3; ++ruler) {
    const Seat seat = kSeats[ruler];
    things.push_back({seat.d, [=](const View& v) {
                        hill(v, seat.x, seat.d, 22, seat.height, style::kGrass);
                        const double s = v.scale(seat.d);
                        paintRulerCastle(v.cr, v.sx(seat.x, seat.d), v.sy(seat.height - 0.6, seat.d), 16 * s, ruler,
                                         mix(v.sky.mid, v.sky.low, 0.5));
                      }});
  }
  for (auto [x, d, width, height] : {std::tuple{-80.0, 120.0, 40.0, 12.0}, {70.0, 130.0, 45.0, 14.0}, {-10.0, 150.0, 50.0, 9.0},
                                     {-60.0, 48.0, 25.0, 4.0}, {55.0, 40.0, 20.0, 3.5}}) {
    things.push_back({d + 1, [=](const View& v) { hill(v, x, d, width, height, rgb(70, 100, 56)); }});
  }
  // Woods in clumps, and single trees over the fields.
  for (int clump = 0; clump < 26; ++clump) {
    const double cd = random.between(10, 150), cx = random.between(-1.3, 1.3) * cd;
    const bool pines = random.unit() < 0.6;
    const int count = 4 + int(random.unit() * 8);
    for (int i = 0; i < count; ++i) {
      const double d = cd + random.between(-4, 4), x = cx + random.between(-7, 7), size = random.between(2.2, 3.6);
      const unsigned seed = unsigned(clump * 31 + i);
      if (std::abs(x - kSeats[1].x) < 12 && d > 60) continue;  // keep the view of the castles clear
      things.push_back({d, [=](const View& v) { tree(v, x, d, size, pines, seed); }});
    }
  }
  std::sort(things.begin(), things.end(), [](const Thing& a, const Thing& b) { return a.d > b.d; });
  return things;
}

}  // namespace

void paintRulerCastle(cairo_t* cr, double x, double y, double size, int ruler, const Colour& dusk) {
  const style::Heraldry& h = style::kRulers[ruler];
  const double u = size / 16;  // the castle is 16 units high
  const Colour stone = mix(rgb(150, 140, 150), dusk, 0.3), shade = mix(stone, rgb(20, 10, 30), 0.5);
  auto block = [&](double bx, double by, double bw, double bh) {
    cairo_rectangle(cr, x + bx * u, y - by * u - bh * u, bw * u, bh * u);
    fillLinear(cr, x + bx * u, 0, x + (bx + bw) * u, 0, mix(stone, rgb(255, 200, 150), 0.2), shade);
  };
  auto battlements = [&](double bx, double by, double bw) {
    for (double cx = bx; cx < bx + bw - 0.1; cx += 1.6) {
      cairo_rectangle(cr, x + cx * u, y - (by + 1) * u, 0.9 * u, 1 * u);
    }
    setColour(cr, stone);
    cairo_fill(cr);
  };
  auto roof = [&](double cx, double by, double half, double tall) {
    cairo_move_to(cr, x + (cx - half) * u, y - by * u);
    cairo_line_to(cr, x + cx * u, y - (by + tall) * u);
    cairo_line_to(cr, x + (cx + half) * u, y - by * u);
    cairo_close_path(cr);
    fillLinear(cr, x + (cx - half) * u, 0, x + (cx + half) * u, 0, mix(h.field, rgb(255, 220, 180), 0.25), h.dark);
  };
  auto flag = [&](double cx, double top) {
    cairo_move_to(cr, x + cx * u, y - top * u);
    cairo_line_to(cr, x + cx * u, y - (top + 2.5) * u);
    cairo_set_line_width(cr, std::max(0.4, 0.25 * u));
    setColour(cr, rgb(40, 30, 30));
    cairo_stroke(cr);
    cairo_move_to(cr, x + cx * u, y - (top + 2.5) * u);
    cairo_curve_to(cr, x + (cx + 1) * u, y - (top + 2.8) * u, x + (cx + 2) * u, y - (top + 2.0) * u, x + (cx + 3) * u,
                   y - (top + 2.2) * u);
    cairo_line_to(cr, x + (cx + 2.6) * u, y - (top + 1.5) * u);
    cairo_line_to(cr, x + cx * u, y - (top + 1.4) * u);
    cairo_close_path(cr);
    setColour(cr, h.field);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, std::max(0.3, 0.15 * u));
    setColour(cr, h.metal);
    cairo_stroke(cr);
  };
  // Curtain wall, keep, two towers, each tower with a roof in the ruler's colour.
  block(-7, 0, 14, 5);
  battlements(-7, 5, 14);
  block(-2.5, 0, 5, 10);
  battlements(-2.5, 10, 5);
  block(-8.5, 0, 3.4, 8);
  block(5.1, 0, 3.4, 8);
  roof(-6.8, 8, 2.3, 4.5);
  roof(6.8, 8, 2.3, 4.5);
  roof(0, 11, 3.2, 5);
  flag(0, 16);
  flag(-6.8, 12.5);
  flag(6.8, 12.5);
  // Lit windows and the gate.
  for (auto [wx, wy] : {std::pair{-0.6, 6.5}, {0.9, 6.5}, {-7.2, 5.0}, {6.4, 5.0}, {-4, 2.5}, {3.5, 2.5}}) {
    cairo_rectangle(cr, x + wx * u, y - wy * u - 1.1 * u, 0.6 * u, 1.1 * u);
    setColour(cr, rgb(255, 220, 120));
    cairo_fill(cr);
    if (size > 30) glow(cr, x + (wx + 0.3) * u, y - (wy + 0.5) * u, 1.6 * u, rgb(255, 200, 100, 0.5));
  }
  cairo_move_to(cr, x - 1.2 * u, y);
  cairo_line_to(cr, x - 1.2 * u, y - 2.2 * u);
  cairo_arc(cr, x, y - 2.2 * u, 1.2 * u, M_PI, 2 * M_PI);
  cairo_line_to(cr, x + 1.2 * u, y);
  cairo_close_path(cr);
  setColour(cr, rgb(30, 20, 24));
  cairo_fill(cr);
}

void paintLandscape(cairo_t* cr, double w, double h, const Camera& camera, const SkyLight& sky, double time) {
  View v{cr, w, h, camera, sky};
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_clip(cr);
  paintSky(v, time);
  paintMountains(v);
  cairo_rectangle(cr, 0, camera.horizon, w, h - camera.horizon);
  fillVertical(cr, camera.horizon, h, v.hazed(style::kGrass, 200), rgb(40, 60, 30));
  for (const Thing& thing : groundThings()) {
    if (thing.d - camera.z < 0.8) continue;  // behind or right under the camera
    thing.paint(v);
  }
  // Evening light: warm from the sunset, the foreground sinking into shadow.
  cairo_rectangle(cr, 0, camera.horizon, w, h - camera.horizon);
  fillVertical(cr, camera.horizon, h, rgb(255, 170, 110, 0.18), rgb(10, 6, 20, 0.45));
  cairo_restore(cr);
}

}  // namespace flow
