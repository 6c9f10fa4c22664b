// The little pictures that name the castle's rooms: crossed swords for the war room, a
// dragon's head for the cellar, an egg for the hatchery, a potion for the mage, a book for
// the library, a door with an arrow for the way out and a coin purse for the merchant. The
// symbol strip shows them large, the plaques over the hall's doors small.
#pragma once

#include "castle/HallLayout.h"

#include <cairo.h>

namespace castle {

// Paints the room's symbol centred on (x, y), `size` pixels across.
void paintSymbol(cairo_t* cr, hall::Room room, double x, double y, double size);

}  // namespace castle
