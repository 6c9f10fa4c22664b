// The dragon cellar painted whole: a vaulted stone hall with two rows of arched stalls, a
// gallery between them, a torch at the far end. A stall whose dragon is at home shows the
// dragon behind a closed half-gate; the game draws those stalls as the door pictures, cut
// from this room.
#pragma once

#include "image/Canvas.h"

#include <cairo.h>

namespace cellar {

// The hall without the far torch's flame, every stall empty or every stall with its dragon
// at home (the doors are cut from that one).
void paintCellarHall(cairo_t* cr, bool dragonsHome);
// The far torch over it; `phase` 0 to 1 is its flicker, 1 the same as 0.
void paintFarTorch(cairo_t* cr, double phase);

// The stall's outline in screen coordinates: an arch over the door rectangle, `inset` px
// inside its outer edge (0: the outer edge of the stone rim).
void stallPath(cairo_t* cr, int door, double inset);

// The stall, empty or with its dragon (CellarStalls.cpp).
void paintStall(cairo_t* cr, int door, bool dragonHome);

// The dark name tag (CellarStalls.cpp), filling the canvas of the tag's size.
void paintTag(Canvas& canvas);

}  // namespace cellar
