// Pieces shared by the hatchery and the dragon cellar: rectangles on the screen, cutting a
// part out of a painted room (the animation frames and egg pictures are such parts, so they
// join the background without a seam), stone walls, torches, warm glows and zone maps.
#pragma once

#include "image/Canvas.h"
#include "image/Paint.h"

#include <cstdint>
#include <string>

namespace rooms {

// A screen rectangle: top-left corner and size, in pixels.
struct ScreenRect {
  int x, y, w, h;
  constexpr int right() const { return x + w - 1; }   // last column inside
  constexpr int bottom() const { return y + h - 1; }  // last row inside
};

// A 320 x 240 room: the size of every background and zone map.
inline constexpr int kScreenWidth = 320;
inline constexpr int kScreenHeight = 240;

// A canvas of the rectangle's size holding that part of `room` (a painted 320 x 240
// surface); the cairo origin is moved so the caller keeps painting in screen coordinates.
void cutFrom(Canvas& part, cairo_surface_t* room, const ScreenRect& where);

// The shared seeded generator, with this family's salt.
struct Dice : ::SeededDice {
  explicit Dice(unsigned seed) : ::SeededDice(seed, 12345u) {}
};

// The colour arithmetic all pictures share.
using ::mix;
using ::withAlpha;

// Dressed stone in courses over the rectangle: each block a little lighter or darker,
// rounded a little, with dark mortar between and a grain of speckle.
struct StoneCourse {
  double courseHeight = 14;
  double blockWidth = 30;
  Colour stone;
  Colour mortar;
  unsigned seed = 1;
};
void paintStoneWall(cairo_t* cr, double x, double y, double w, double h, const StoneCourse& look);

// A soft round glow of light laid over whatever is there.
void paintGlow(cairo_t* cr, double x, double y, double radius, const Colour& colour);

// One tongue of flame rising from (x, y): a teardrop whose tip sways sideways by `sway`,
// coloured from `base` at the bottom to `tip` at the top.
void paintFlameTongue(cairo_t* cr, double x, double y, double width, double height, double sway, const Colour& base,
                      const Colour& tip);

// A wall torch: iron bracket at (x, y) (the top of the bracket), wooden shaft and a flame
// above it. `phase` in [0, 1) moves the flame; phase 0 and phase 1 give the same picture,
// so a loop of frames joins. `size` 1 is a torch about 40 px tall with its flame.
void paintTorch(cairo_t* cr, double x, double y, double size, double phase);
// Only the flame of that torch (for frames in which the bracket is already painted).
void paintTorchFlame(cairo_t* cr, double x, double y, double size, double phase);

// A zone map: exact colours, no blending, "nothing" black everywhere else.
class ZoneMap {
public:
  ZoneMap();
  // Fills the rectangle with the 16-bit colour written as its exact 8-bit triple.
  void fill(const ScreenRect& where, uint16_t colour565);
  uint16_t at(int x, int y) const;
  const RgbPixels& pixels() const { return pixels_; }

private:
  RgbPixels pixels_;
};

// The 8-bit triple that converts exactly to a 16-bit colour, as the zone maps need it.
void tripleOf(uint16_t colour565, uint8_t out[3]);

// Stops the generator with a message: a picture would not fit where the game draws it.
[[noreturn]] void failContent(const std::string& what);

}  // namespace rooms
