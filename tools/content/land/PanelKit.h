// The fight screen's furniture in the look of the game's dialogs: dark slate panels in gilt
// frames (the yellow font reads well on them) and bevelled bronze buttons.
#pragma once

#include "image/Paint.h"

#include <cairo.h>

namespace land {

inline constexpr Colour kPanelTop = rgb(52, 40, 70);
inline constexpr Colour kPanelBottom = rgb(22, 16, 34);
inline constexpr Colour kGilt = rgb(196, 152, 64);
inline constexpr Colour kGiltLight = rgb(246, 214, 132);
inline constexpr Colour kGiltDark = rgb(120, 88, 40);

// Fills the current path as a dark panel between y0 and y1, with faint speckle over the
// bounding box.
void fillPanel(cairo_t* cr, double y0, double y1, unsigned seed);
// A dark panel with a rounded gilt frame and, when `hairline`, a thin line inside it.
void framedPanel(cairo_t* cr, double x, double y, double w, double h, double radius, unsigned seed,
                 bool hairline = true);
// A bevelled bronze button, raised or pressed.
void bevelButton(cairo_t* cr, double x, double y, double w, double h, bool pressed);
// A sunken dark groove (for bars and gauges) with a gilt rim.
void groove(cairo_t* cr, double x, double y, double w, double h);

}  // namespace land
