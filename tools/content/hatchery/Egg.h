// A dragon egg: egg-shaped (narrow at the top), its shell in overlapping scales, speckled,
// lit from the upper left.
#pragma once

#include "image/Paint.h"

#include <cairo.h>

namespace rooms {

struct EggLook {
  Colour shell;  // the lit colour of the shell
  Colour shade;  // its shadowed side
  Colour fleck;  // speckles and the scale edges' glint
};

// The egg lying in place `place` (0 to 3) of the hatchery; each place has its own egg.
EggLook eggLookFor(int place);

// Paints the egg centred at (x, y), `halfWidth` wide and `halfHeight` tall each way,
// turned by `tilt` radians.
void paintDragonEgg(cairo_t* cr, double x, double y, double halfWidth, double halfHeight, const EggLook& look,
                    double tilt = 0.0);

}  // namespace rooms
