// Painting an item at any size, and its power card.
#pragma once

#include "image/Canvas.h"
#include "items/ItemArt.h"

namespace items {

// The item centred on (x, y), its design box scaled by `scale`; `look.pixel` is worked out
// from the scale (and any scaling already set on `cr`).
void paintItem(cairo_t* cr, const ItemArt& art, const Look& look, double x, double y, double scale);

// The power card filling the canvas (made for 96 x 120): a backdrop of the item's theme,
// the glow of its magic and the item itself in a gilt frame. Opaque, with no key colour.
void paintPowerCard(Canvas& canvas, const ItemArt& art, const Look& look, unsigned seed);

}  // namespace items
