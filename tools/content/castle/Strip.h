// The castle's navigation pictures, painted on transparent canvases of their own size.
#pragma once

#include "castle/HallLayout.h"
#include "image/Canvas.h"

namespace castle {

void paintNavigationBar(Canvas& canvas);   // 320 x 40
void paintSymbolStrip(Canvas& canvas);     // 320 x 50, the dealer's columns left empty
void paintDealer(Canvas& canvas, bool present);  // 50 x 50

}  // namespace castle
