// The paintings of the magic items. Every item is painted by one function into a design box
// centred on (0, 0), about 36 units wide (x -18...18) and 40 high (y -20...20); the callers
// scale it to the 20 x 20 shop icon, the 34 x 42 picture of the mage's shelf and the power
// card. The items are drawn keyed, so a painter lays opaque paint only: no faint halo that
// the key would turn into a hard disc.
#pragma once

#include "image/Paint.h"

#include <cairo.h>

#include <string_view>

namespace items {

// How one painting is made: one device pixel in design units (large when the picture is
// small, so fine details can be left out) and a tint for the painters that take one.
struct Look {
  double pixel = 1.0;
  Colour tint{0.5, 0.5, 0.5, 1.0};
  bool small() const { return pixel > 1.6; }
};

using ItemPainter = void (*)(cairo_t* cr, const Look& look);

// The backdrop of an item's power card: where its magic comes from.
enum class PowerTheme { Marsh, Water, Sky, Fire, Earth, Night, Ice, Forest };

struct ItemArt {
  const char* name;    // the item's name in items.xml
  ItemPainter paint;
  Colour aura;         // the colour of its magic on the power card
  PowerTheme theme;
};

// The painting of the catalogue item of this name, or null when nobody has painted it.
const ItemArt* findItemArt(std::string_view name);
// For an item without a painting of its own: a stoppered potion in a colour taken from its
// name, so every new item still has pictures until it gets its own.
ItemArt unknownItemArt(std::string_view name, Colour& tint);

// The common outline of the items: dark brown, never thinner than a pixel.
inline constexpr Colour kLine = rgb(34, 22, 16);
void outline(cairo_t* cr, const Look& look, double width = 1.3);

// The painters, in three files: plants, creatures and stones.
void paintMistmoss(cairo_t* cr, const Look& look);
void paintReedsalt(cairo_t* cr, const Look& look);
void paintFerncurl(cairo_t* cr, const Look& look);
void paintWillowbark(cairo_t* cr, const Look& look);
void paintKelpash(cairo_t* cr, const Look& look);
void paintFrostlily(cairo_t* cr, const Look& look);
void paintThornroot(cairo_t* cr, const Look& look);
void paintNestdown(cairo_t* cr, const Look& look);

void paintEelskin(cairo_t* cr, const Look& look);
void paintFrogspawn(cairo_t* cr, const Look& look);
void paintOwlquill(cairo_t* cr, const Look& look);
void paintHeronplume(cairo_t* cr, const Look& look);
void paintAmberdrop(cairo_t* cr, const Look& look);
void paintGlowworm(cairo_t* cr, const Look& look);
void paintOtterfang(cairo_t* cr, const Look& look);
void paintWyrmscale(cairo_t* cr, const Look& look);

void paintTarnwater(cairo_t* cr, const Look& look);
void paintBogiron(cairo_t* cr, const Look& look);
void paintCairnstone(cairo_t* cr, const Look& look);
void paintMoonsilt(cairo_t* cr, const Look& look);
void paintHailstone(cairo_t* cr, const Look& look);
void paintEmberwax(cairo_t* cr, const Look& look);
void paintFogglass(cairo_t* cr, const Look& look);
void paintStormeye(cairo_t* cr, const Look& look);
void paintPotion(cairo_t* cr, const Look& look);

// A band along a spine: the path of a stalk, a feather's vane or an eel, `half[i]` wide on
// either side of spine point i.
struct Point {
  double x, y;
};
void bandPath(cairo_t* cr, const Point* spine, const double* half, int count);
// A point of the cubic curve a-b-c-d at t in [0, 1].
Point bezier(Point a, Point b, Point c, Point d, double t);

}  // namespace items
