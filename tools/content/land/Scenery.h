// Pieces of the land painted in the storybook look, at any size: trees, mountains, a
// ruler's castle, a dusk sky with clouds, rolling hills. The map, the village scenes, the
// sky of the air fights and the month-end pictures are built from them.
#pragma once

#include "image/Paint.h"
#include "image/Style.h"

#include <cairo.h>

namespace land {

using ::mix;
Colour shade(const Colour& c, double factor);  // darker below 1, lighter above
void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& a, const Colour& b);
void setRadial(cairo_t* cr, double x, double y, double r, const Colour& inner, const Colour& outer);

// A leafy tree standing on (x, y), `height` tall: trunk, a crown of shaded lobes and a
// rim of light from the upper left. `seed` varies its shape.
void paintTree(cairo_t* cr, double x, double y, double height, const Colour& leaf, unsigned seed);
// A dark fir on (x, y).
void paintFir(cairo_t* cr, double x, double y, double height, const Colour& needles);
// A mountain on the base line y, peak at (x, y - height): a lit and a shaded flank, rock
// streaks and a snow cap when `snow`.
void paintMountain(cairo_t* cr, double x, double y, double width, double height, bool snow, unsigned seed);
// A castle standing on (x, y) about `size` wide and high: a keep between two towers with
// conical roofs, a gate, and a banner in the ruler's colours.
void paintCastle(cairo_t* cr, double x, double y, double size, const style::Heraldry& ruler);
// A dusk sky over the rectangle: deep blue at the top down to a glowing horizon at `horizon`.
void paintDuskSky(cairo_t* cr, double width, double height, double horizon, double glow);
// A soft cloud centred on (x, y), lit from below by the sunset.
void paintCloud(cairo_t* cr, double x, double y, double width, double light, unsigned seed);
// A band of hills: a smooth ridge at about y `ridge` with the given roughness, filled down
// to `bottom` with a gradient from `top` to `base`.
void paintHillBand(cairo_t* cr, double width, double ridge, double amplitude, double bottom, const Colour& top,
                   const Colour& base, unsigned seed);

}  // namespace land
