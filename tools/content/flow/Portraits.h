// The three rulers' portraits: painted busts in arched miniatures of their heraldic colours.
// Ruler 0 is a bearded king in crimson and gold, ruler 1 a queen in royal blue and silver,
// ruler 2 an old warlord in forest green and bronze.
#pragma once

#include "image/Canvas.h"

namespace flow {

// The portrait sizes the character choice and the round screen lay out.
inline constexpr int kPortraitW[3] = {74, 60, 74};
inline constexpr int kPortraitH[3] = {84, 106, 91};

// Paints ruler `ruler`'s portrait filling the canvas (transparent outside its arch).
void paintPortrait(Canvas& canvas, int ruler);

// The arched outline of a miniature inside (x, y, w, h), added to the current path.
void archedOutline(cairo_t* cr, double x, double y, double w, double h);

}  // namespace flow
