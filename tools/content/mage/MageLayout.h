// Where things stand on the mage's screen. The backgrounds, the side flashes and the zone
// map are all made from these numbers, so a tap lands where the picture shows its thing.
#pragma once

#include <cstdint>

namespace mage {

// A screen rectangle, inclusive of its first and last column and row.
struct Box {
  int x0, y0, x1, y1;
  int width() const { return x1 - x0 + 1; }
  int height() const { return y1 - y0 + 1; }
  bool contains(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

inline constexpr int kScreenW = 320;
inline constexpr int kScreenH = 240;

// The cauldron, seen steeply from above: its mouth is an ellipse and the brew fills it.
inline constexpr double kCauldronX = 210, kCauldronY = 122;
inline constexpr double kRimRx = 100, kRimRy = 70;    // outer edge of the rim
inline constexpr double kMouthRx = 88, kMouthRy = 60;  // inner edge of the rim
// The brew stands a little below the rim, so the far inner wall shows above it.
inline constexpr double kBrewX = 210, kBrewY = 126, kBrewRx = 84, kBrewRy = 54;

// The four sides: the side pictures flash where the game draws them, and the same boxes
// are the drop zones. Side order is the drop mode: north, east, south, west.
inline constexpr Box kSides[4] = {
    {185, 2, 254, 71},     // north: north.bmp at (185,2), 70 x 70
    {253, 76, 318, 169},   // east: east.bmp at (253,76), 66 x 94
    {160, 172, 259, 219},  // south: south.bmp at (160,172), 100 x 48
    {92, 70, 167, 169},    // west: west.bmp at (92,70), 76 x 100
};
inline constexpr uint16_t kSideColours[4] = {0x001F, 0x07FF, 0xFFE0, 0xF81F};
// The gem on the rim that marks each side, in the side's colour.
inline constexpr double kGemAt[4][2] = {{210, 57}, {304, 122}, {210, 187}, {116, 122}};

// The brew's middle between the sides: a drop there goes to the nearest side.
inline constexpr Box kCentre = {168, 72, 252, 169};
// The bubbling brew after the first drop: center.bmp at (168,74), 84 x 96.
inline constexpr Box kBubbling = {168, 74, 251, 169};

// The two dials, painted into every background; a tap on them turns them on.
inline constexpr Box kBurner = {52, 172, 157, 219};
inline constexpr Box kCondenser = {262, 172, 319, 219};
inline constexpr uint16_t kBurnerColour = 0x07E0;
inline constexpr uint16_t kCondenserColour = 0xF800;
inline constexpr int kSettings = 4;  // both dials turn 0..3 and wrap
// Where their flame and glass coil stand: inside their zones.
inline constexpr double kBurnerTubeX = 124, kBurnerTubeTop = 184;
inline constexpr double kCondenserX = 303, kCondenserTop = 148;

// The item panel: open 208 wide, closed only its rightmost 48 columns at the screen's left.
inline constexpr int kPanelW = 208, kPanelH = 220;
inline constexpr int kPanelClosedW = 48;
inline constexpr int kItemColumnW = 34, kItemRowH = 40, kItemTop = 16, kItemLeft = 4;
inline constexpr int kItemColumns = 6, kItemRows = 5;
inline constexpr Box kHandle = {0, 0, 47, 15};  // item_open / item_close at (3,3), 42 x 12
// The closed panel's item column: taps there pick an item before the zone map is read.
inline constexpr Box kItemColumn = {4, 16, 37, 215};
inline constexpr int kHandleW = 42, kHandleH = 12;
inline constexpr uint16_t kHandleColour = 0xFA08;

// The bottom bar at (0,221) and its four controls.
inline constexpr int kBarY = 221, kBarH = 19;
inline constexpr Box kScrollBack = {0, 221, 23, 239};
inline constexpr Box kScrollForward = {24, 221, 47, 239};
inline constexpr Box kCast = {256, 221, 287, 239};
inline constexpr Box kCancel = {288, 221, 319, 239};
inline constexpr uint16_t kScrollBackColour = 0xFE1F, kScrollForwardColour = 0xC61F;
inline constexpr uint16_t kCastColour = 0xC7FF, kCancelColour = 0xC7F8;

// The help panel at (213,0): the item's name at (8, 21), the close button, the power
// picture at (5, 40) in panel coordinates.
inline constexpr int kHelpW = 106, kHelpH = 180;
inline constexpr Box kHelpClose = {88, 7, 100, 19};
inline constexpr Box kHelpPower = {5, 40, 100, 159};

}  // namespace mage
