// The painters of the mage's pictures. All paint in screen coordinates (a part picture moves
// the cairo origin to its own corner first), so the parts join the backgrounds.
#pragma once

#include "image/Canvas.h"
#include "image/Paint.h"
#include "mage/MageLayout.h"

#include <cairo.h>

namespace mage {

// The colour of a side's gem and flash: north blue, east cyan, south gold, west violet.
Colour sideColour(int side);

// The tower room without the cauldron and the dials: walls, floor, window, shelves.
void paintRoom(cairo_t* cr);
// The cauldron with its brew, rim gems and steam; `heat` 0..3 (the burner) thickens the steam.
void paintCauldron(cairo_t* cr, int heat);
// Only the brew's surface, clipped to its ellipse: the background and center.bmp share it.
void paintBrew(cairo_t* cr);
// The burner and the condenser at the given settings (0..3).
void paintBurner(cairo_t* cr, int setting);
void paintCondenser(cairo_t* cr, int setting);
// The soft darkening towards the screen's edges, laid last.
void paintVignette(cairo_t* cr);

// The picture parts drawn over the background.
void paintBubbling(Canvas& canvas);             // center.bmp
void paintSideFlash(Canvas& canvas, int side);  // north/east/south/west.bmp
void paintBarBackground(Canvas& canvas);        // bar_bgn.gif
void paintBarSymbols(Canvas& canvas);           // bar_elem.bmp
void paintItemPanel(Canvas& canvas);            // item_bgn.bmp
void paintHandle(Canvas& canvas, bool open);    // item_open.bmp / item_close.bmp
void paintHelpPanel(Canvas& canvas);            // help_bgn.gif

// The zone map's colour at a screen position.
uint16_t zoneAt(int x, int y);

}  // namespace mage
