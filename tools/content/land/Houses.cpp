// The houses of the village fight, six kinds in 40 x 40: frame 00 intact, then twelve
// frames in which the roof catches fire, the blaze grows and spreads, the roof falls in,
// the walls go down, and embers (or, for the stone house, a burnt-out shell) remain.
#include "land/LandEntries.h"
#include "land/Noise.h"
#include "land/Scenery.h"

#include "common/Dragon.h"
#include "image/Canvas.h"
#include "image/Encode.h"
#include "image/Style.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace land {

namespace {

constexpr int kSize = 40;
constexpr double kGround = 38;  // the base line of every house
const Colour kOutline = rgb(34, 22, 16);

enum class Shape { Cottage, TimberHouse, RoundHut, LogCabin, Barn, StoneHouse };

struct HouseLook {
  Shape shape;
  double left, right, wallTop, roofTop;  // the body's box and the roof's peak height
  Colour wall, roof;
};
constexpr HouseLook kKinds[6] = {
    {Shape::Cottage, 5, 35, 22, 7, rgb(232, 222, 196), rgb(206, 170, 84)},
    {Shape::TimberHouse, 7, 33, 18, 4, rgb(236, 226, 200), rgb(178, 70, 50)},
    {Shape::RoundHut, 7, 33, 23, 5, rgb(170, 130, 84), rgb(196, 168, 90)},
    {Shape::LogCabin, 4, 36, 23, 9, rgb(140, 92, 52), rgb(90, 110, 60)},
    {Shape::Barn, 3, 37, 20, 5, rgb(160, 60, 44), rgb(96, 70, 56)},
    {Shape::StoneHouse, 6, 34, 19, 6, rgb(176, 170, 160), rgb(70, 80, 100)},
};

// How the fire has gone in frame 1..12 (frame 0: not at all).
struct Burn {
  double fire;    // size of the flames, 0..1
  double roof;    // how much of the roof still stands, 1..0
  double walls;   // height of the walls left, 1..0
  double blackening;   // blackening, 0..1
  double smoke;   // 0..1
};

Burn burnAt(int frame) {
  static const Burn kBurn[13] = {
      {0, 1, 1, 0, 0},          {0.18, 1, 1, 0.05, 0.2},   {0.35, 1, 1, 0.12, 0.35},  {0.55, 0.95, 1, 0.25, 0.5},
      {0.8, 0.85, 1, 0.4, 0.6}, {1.0, 0.7, 1, 0.55, 0.7},  {1.0, 0.5, 0.95, 0.7, 0.8}, {0.95, 0.3, 0.85, 0.8, 0.85},
      {0.8, 0.1, 0.7, 0.9, 0.9}, {0.6, 0, 0.5, 1, 0.85},   {0.42, 0, 0.35, 1, 0.75},   {0.25, 0, 0.22, 1, 0.6},
      {0.08, 0, 0.12, 1, 0.45},
  };
  return kBurn[std::clamp(frame, 0, 12)];
}

Colour charred(const Colour& c, double amount) { return mix(c, rgb(30, 24, 22), amount * 0.85); }

void stroke(cairo_t* cr, double width = 1) {
  setColour(cr, kOutline);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void walls(cairo_t* cr, const HouseLook& k, double top, const Burn& burn, bool ruin) {
  const double l = k.left, r = k.right;
  cairo_new_path(cr);
  cairo_move_to(cr, l, kGround);
  if (ruin) {  // a broken, jagged top
    cairo_line_to(cr, l, top);
    for (double x = l; x < r; x += 4) cairo_line_to(cr, x + 2, top + ((int(x) / 4) % 2 ? 4 : 0));
    cairo_line_to(cr, r, top + 2);
  } else {
    cairo_line_to(cr, l, top);
    cairo_line_to(cr, r, top);
  }
  cairo_line_to(cr, r, kGround);
  cairo_close_path(cr);
  const Colour wall = charred(k.wall, burn.blackening);
  setLinear(cr, l, 0, r, 0, shade(wall, 1.1), shade(wall, 0.72));
  cairo_fill_preserve(cr);
  stroke(cr);
  cairo_save(cr);
  cairo_rectangle(cr, l, top, r - l, kGround - top);
  cairo_clip(cr);
  const double h = kGround - k.wallTop;
  switch (k.shape) {
    case Shape::TimberHouse:  // dark beams
      setColour(cr, charred(rgb(90, 56, 32), burn.blackening));
      cairo_set_line_width(cr, 1.6);
      for (double x : {l + 1, (l + r) / 2, r - 1}) cairo_move_to(cr, x, k.wallTop), cairo_line_to(cr, x, kGround);
      cairo_move_to(cr, l, k.wallTop + h * 0.45), cairo_line_to(cr, r, k.wallTop + h * 0.45);
      cairo_move_to(cr, l, k.wallTop), cairo_line_to(cr, (l + r) / 2, k.wallTop + h * 0.45);
      cairo_stroke(cr);
      break;
    case Shape::LogCabin:  // log courses
      setColour(cr, charred(rgb(90, 56, 30), burn.blackening));
      cairo_set_line_width(cr, 0.8);
      for (double y = k.wallTop + 2.5; y < kGround; y += 3) cairo_move_to(cr, l, y), cairo_line_to(cr, r, y);
      cairo_stroke(cr);
      break;
    case Shape::StoneHouse:  // stone blocks
      setColour(cr, rgb(90, 84, 80, 0.8));
      cairo_set_line_width(cr, 0.7);
      for (double y = k.wallTop + 3.5; y < kGround; y += 4) {
        cairo_move_to(cr, l, y), cairo_line_to(cr, r, y);
        for (double x = l + ((int(y) / 4) % 2 ? 3 : 6); x < r; x += 7) cairo_move_to(cr, x, y), cairo_line_to(cr, x, y - 4);
      }
      cairo_stroke(cr);
      break;
    case Shape::Barn:  // white cross-braced doors
      cairo_rectangle(cr, (l + r) / 2 - 6, kGround - 12, 12, 12);
      setColour(cr, charred(rgb(120, 40, 30), burn.blackening));
      cairo_fill_preserve(cr);
      setColour(cr, charred(rgb(240, 232, 220), burn.blackening));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      cairo_move_to(cr, (l + r) / 2 - 6, kGround - 12), cairo_line_to(cr, (l + r) / 2 + 6, kGround);
      cairo_move_to(cr, (l + r) / 2 + 6, kGround - 12), cairo_line_to(cr, (l + r) / 2 - 6, kGround);
      cairo_stroke(cr);
      break;
    default:
      break;
  }
  if (k.shape != Shape::Barn) {  // door and windows; the windows glow once the fire is inside
    cairo_rectangle(cr, (l + r) / 2 - 3, kGround - 9, 6, 9);
    setColour(cr, rgb(80, 46, 24));
    cairo_fill(cr);
    const Colour glow = burn.fire > 0.3 ? rgb(255, 150, 40) : style::kTorchCore;
    for (double x : {l + 3.5, r - 7.5}) cairo_rectangle(cr, x, k.wallTop + 4, 4, 4);
    setColour(cr, glow);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

// The roof, sagging and breaking as `standing` falls from 1 to 0.
void roof(cairo_t* cr, const HouseLook& k, const Burn& burn) {
  if (burn.roof <= 0) return;
  const double sag = (1 - burn.roof), mid = (k.left + k.right) / 2;
  const double peak = k.roofTop + (k.wallTop - k.roofTop) * sag * 0.8;
  const Colour colour = charred(k.roof, burn.blackening);
  cairo_new_path(cr);
  if (k.shape == Shape::RoundHut) {
    cairo_move_to(cr, k.left - 3, k.wallTop + 1);
    cairo_line_to(cr, mid + sag * 3, peak);
    cairo_line_to(cr, k.right + 3, k.wallTop + 1);
    cairo_curve_to(cr, k.right, k.wallTop + 4, k.left, k.wallTop + 4, k.left - 3, k.wallTop + 1);
  } else {
    cairo_move_to(cr, k.left - 3, k.wallTop + 1);
    cairo_line_to(cr, mid - 2 + sag * 2, peak);
    if (sag > 0.3) cairo_line_to(cr, mid + 1, peak + sag * 8);  // the ridge breaking
    cairo_line_to(cr, mid + 2, peak);
    cairo_line_to(cr, k.right + 3, k.wallTop + 1);
  }
  cairo_close_path(cr);
  setLinear(cr, k.left, peak, k.right, k.wallTop, shade(colour, 1.15), shade(colour, 0.7));
  cairo_fill_preserve(cr);
  stroke(cr);
  if (k.shape == Shape::Cottage || k.shape == Shape::RoundHut) {  // thatch strokes
    setColour(cr, shade(colour, 0.75));
    cairo_set_line_width(cr, 0.6);
    for (double x = k.left; x < k.right; x += 3) {
      cairo_move_to(cr, x, k.wallTop);
      cairo_line_to(cr, mid + (x - mid) * 0.4, peak + (k.wallTop - peak) * 0.45);
    }
    cairo_stroke(cr);
  }
  if (k.shape == Shape::StoneHouse || k.shape == Shape::TimberHouse) {  // a chimney
    cairo_rectangle(cr, k.right - 7, peak + 3, 3, 6);
    setColour(cr, charred(rgb(150, 90, 70), burn.blackening));
    cairo_fill_preserve(cr);
    stroke(cr, 0.8);
  }
}

// A heap of fallen beams and ash with glowing embers, growing as the walls fall.
void rubble(cairo_t* cr, const HouseLook& k, const Burn& burn, int frame) {
  if (burn.walls >= 1) return;
  const double h = 2 + (1 - burn.walls) * 7;
  cairo_move_to(cr, k.left - 2, kGround + 1);
  cairo_curve_to(cr, k.left + 2, kGround - h, k.right - 2, kGround - h, k.right + 2, kGround + 1);
  cairo_close_path(cr);
  setLinear(cr, 0, kGround - h, 0, kGround, rgb(70, 60, 56), rgb(30, 24, 22));
  cairo_fill(cr);
  Random random(unsigned(frame) * 7 + unsigned(k.shape));
  cairo_set_line_width(cr, 1.6);
  setColour(cr, rgb(40, 26, 18));
  for (int i = 0; i < 3; ++i) {  // charred beams
    const double x = random.range(k.left, k.right - 6);
    cairo_move_to(cr, x, kGround - random.range(0, h * 0.6));
    cairo_line_to(cr, x + random.range(5, 9), kGround - random.range(0, h));
  }
  cairo_stroke(cr);
  for (int i = 0; i < 7; ++i) {  // embers
    cairo_rectangle(cr, random.range(k.left, k.right), kGround - random.range(0.5, h * 0.7), 1.5, 1.2);
    setColour(cr, i % 2 ? rgb(255, 120, 30) : rgb(255, 210, 80));
    cairo_fill(cr);
  }
}

void smoke(cairo_t* cr, const HouseLook& k, const Burn& burn, int frame) {
  if (burn.smoke <= 0) return;
  Random random(unsigned(k.shape) * 31 + 5);
  const double mid = (k.left + k.right) / 2;
  for (int i = 0; i < 7; ++i) {
    // Each puff rises and swells a little further every frame, drifting with the wind.
    const double rise = std::fmod(i * 5.0 + frame * 2.5, 34.0);
    const double x = mid + random.range(-9, 9) + rise * 0.35, y = k.wallTop - rise;
    const double r = (2.2 + rise * 0.14) * (0.6 + 0.6 * burn.smoke);
    if (y + r < 0) continue;
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    setColour(cr, mix(rgb(130, 124, 124), rgb(66, 62, 66), burn.smoke * 0.7));
    cairo_fill(cr);
    cairo_arc(cr, x - r * 0.3, y - r * 0.35, r * 0.55, 0, 2 * M_PI);
    setColour(cr, mix(rgb(170, 162, 160), rgb(110, 104, 106), burn.smoke * 0.6));
    cairo_fill(cr);
  }
}

void flames(cairo_t* cr, const HouseLook& k, const Burn& burn, int frame) {
  if (burn.fire <= 0) return;
  const double mid = (k.left + k.right) / 2;
  const double base = burn.roof > 0 ? k.wallTop - 1 : kGround - (kGround - k.wallTop) * burn.walls;
  // The fire starts at one end of the roof and spreads along it.
  const int tongues = 1 + int(burn.fire * 4);
  for (int i = 0; i < tongues; ++i) {
    const double spread = tongues == 1 ? 0.3 : double(i) / (tongues - 1);
    const double x = k.left + 2 + (k.right - k.left - 4) * spread;
    const double height = (6 + 20 * burn.fire) * (0.75 + 0.25 * std::sin(i * 2.1 + frame * 1.7));
    const double y = base - (burn.roof > 0 ? (mid - std::fabs(x - mid)) * 0.5 * burn.roof : 0);
    paintFlame(cr, x, y + 2, -M_PI / 2 + 0.1 * std::sin(i + frame), height, 4 + 7 * burn.fire, unsigned(frame * 13 + i));
  }
}

void paintHouse(Canvas& canvas, const HouseLook& look, int frame) {
  cairo_t* cr = canvas.cr();
  const Burn burn = burnAt(frame);
  const bool stone = look.shape == Shape::StoneHouse;
  // The stone house's walls stand: they blacken and lose their top, never fall.
  const double wallsLeft = stone ? std::max(burn.walls, 0.75) : burn.walls;
  // The house's shadow on the green grounds it in every scene.
  cairo_save(cr);
  cairo_translate(cr, (look.left + look.right) / 2 + 2, kGround);
  cairo_scale(cr, (look.right - look.left) / 2 + 3, 2.2);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setColour(cr, rgb(40, 52, 28));
  cairo_fill(cr);
  smoke(cr, look, burn, frame);
  if (wallsLeft > 0.05) {
    const double top = kGround - (kGround - look.wallTop) * wallsLeft;
    walls(cr, look, top, burn, wallsLeft < 1);
  }
  roof(cr, look, burn);
  rubble(cr, look, burn, frame);
  flames(cr, look, burn, frame);
}

}  // namespace

void addHouses(ContentList& gfx) {
  for (int kind = 0; kind < 6; ++kind) {
    for (int frame = 0; frame <= 12; ++frame) {
      Canvas canvas(kSize, kSize);
      paintHouse(canvas, kKinds[kind], frame);
      const std::string number = std::string(1, char('0' + frame / 10)) + char('0' + frame % 10);
      gfx.push_back({"gfx\\action\\village\\houses\\house" + std::to_string(kind) + "_" + number + ".gif",
                     encodeGif(canvas.rgb(true))});
    }
  }
}

}  // namespace land
