// The gauge columns of the dragon statistics and the potion icon.
#pragma once

#include "image/Canvas.h"

namespace stats {

// A 45 x 110 gauge of attribute 0..5: empty (the tube's inside left transparent, which
// becomes the key colour) or full.
void paintGauge(Canvas& canvas, int attribute, bool full);
// True for the pixels of an empty gauge that the game must not draw.
bool inTube(int x, int y);

// The 16 x 20 potion icon: cast a spell. Opaque, so its JPEG holds no key colour at all.
void paintPotion(Canvas& canvas);

}  // namespace stats
