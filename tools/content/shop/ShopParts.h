// The pieces of the shop family, each in a file of its own; Shop.cpp adds them all.
#pragma once

#include "Content.h"
#include "shop/ShopLayout.h"

#include <cairo.h>

namespace shop {

// The background with every released control painted in, and its zone map.
void addRoom(ContentList& gfx);
void addZoneMap(ContentList& gfx);
// The header plates, the pressed arrows and the pressed OK button.
void addPieces(ContentList& gfx);
// The six faces of the dealer and the bird's 30 frames.
void addFaces(ContentList& gfx);
void addBird(ContentList& gfx);

// Controls shared by the background (released) and the pressed pictures. Each fills the
// given box (x, y, w, h in the current user space).
void paintQuantityArrow(cairo_t* cr, double x, double y, double w, double h, bool up, bool pressed);
void paintSeal(cairo_t* cr, double x, double y, double side, bool pressed);
void paintScrollKnob(cairo_t* cr, const Area& area, bool up);
void paintExitSign(cairo_t* cr, const Area& area);

}  // namespace shop
