// The land at dusk with the three rulers' castles on their hills and a dragon in the sky:
// the intro's camera flight, the title screen and the closing picture all show it.
//
// The scene is laid out in layers at different distances; a camera that moves sideways
// (x) and forward (z) sees the near layers move more than the far ones.
#pragma once

#include "image/Paint.h"
#include "image/Style.h"

#include <cairo.h>

namespace flow {

struct Camera {
  double x = 0;         // sideways, in world units
  double z = 0;         // forward: 0 at the start of the flight
  double horizon = 0;   // the horizon's row on the picture
  double focal = 160;   // how large one world unit at distance 1 appears
};

struct SkyLight {
  Colour high, mid, low;  // zenith, middle, horizon
  double sunX;            // where the sun has set, across the picture 0..1
};
inline constexpr SkyLight kDusk{style::kSkyHigh, style::kSkyMid, style::kSkyLow, 0.62};
inline constexpr SkyLight kDawn{rgb(70, 90, 160), rgb(236, 150, 140), rgb(255, 220, 140), 0.5};

// Paints the whole scene into a w x h picture. `time` (0..1) moves the clouds.
void paintLandscape(cairo_t* cr, double w, double h, const Camera& camera, const SkyLight& sky, double time);

// One ruler's castle, its base centred on (x, y), `size` its height in pixels.
void paintRulerCastle(cairo_t* cr, double x, double y, double size, int ruler, const Colour& dusk);

}  // namespace flow
