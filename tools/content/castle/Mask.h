// The castle's zone map: which room a tap at each point of the screen opens. Made from the
// same door outlines and strip columns as the pictures, without smoothing, in exactly the
// colours the castle looks up.
#pragma once

#include "image/Canvas.h"

namespace castle {

RgbPixels castleZoneMap();

// Checks the map: only zone colours and "nothing", every door and symbol tappable where
// it is drawn. Writes what is wrong to stderr and answers false.
bool zoneMapIsSound(const RgbPixels& map);

}  // namespace castle
