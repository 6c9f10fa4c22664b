// The hatchery painted whole: a torch-lit stone room, a copper nest on a glowing hearth,
// a drip feeding a steaming dish, the lever, the rack of the four places and the two
// gauges. The screen's pictures are parts of this room in one state or another, so each
// part is painted as the whole room and cut out.
#pragma once

#include <cairo.h>

namespace hatchery {

struct HatcheryState {
  int egg = -1;        // the place whose egg lies in the nest, -1 for an empty nest
  int dropFrame = -1;  // the drip's frame (0 to 17), -1 for a still spout
  int leverFrame = 0;  // 0: lever up ... 9: lever down
};

// The room in a state: the walls, the hearth and the light never change, so they are
// painted once by paintHatcheryRoom, and the rest over them by paintHatcheryFittings.
void paintHatcheryRoom(cairo_t* cr);
void paintHatcheryFittings(cairo_t* cr, const HatcheryState& state);

// The parts, in screen coordinates (HatcheryPieces.cpp).
void paintNestBack(cairo_t* cr);
void paintNestFront(cairo_t* cr);
void paintNestedEgg(cairo_t* cr, int place);  // the egg, the heat rising round it
void paintSpoutAndDish(cairo_t* cr);
void paintDrop(cairo_t* cr, int frame);
void paintLeverPlate(cairo_t* cr);
void paintLever(cairo_t* cr, int frame);

}  // namespace hatchery
