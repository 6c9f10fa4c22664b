// The castle's great hall, painted whole: stone walls lit by torches, a flagged floor with
// a carpet to the gate, seven open doors with a glimpse of each room, and the banner on the
// back wall, waving with `bannerPhase` (0..1, one full loop).
#pragma once

#include "castle/HallLayout.h"
#include "image/Canvas.h"

namespace castle {

void paintHall(Canvas& canvas, double bannerPhase);

// What is seen through one open door (the caller has clipped to the door's outline).
void paintRoomView(cairo_t* cr, const hall::Door& door);

// The banner hanging over the main gate, inside the animation's rectangle.
void paintBanner(Canvas& canvas, double phase);

}  // namespace castle
