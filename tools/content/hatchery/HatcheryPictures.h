// The hatchery's pictures painted on their own canvas, each the size the game draws it.
#pragma once

#include "hatchery/RoomKit.h"

namespace hatchery {

// A bar of glowing liquid filling the whole canvas (the game shows its lower part).
void paintBar(Canvas& canvas, const Colour& liquid);
// The place's egg in its cup on the rack, round and keyed outside the cup.
void paintPlaceButton(Canvas& canvas, int place);
// The brass plate with the place's number (1 to 4).
void paintPlacePlate(Canvas& canvas, int place);
// The parchment plate in a wooden frame on which the announcements are written.
void paintLabel(Canvas& canvas);

}  // namespace hatchery
