// Where things lie in the castle's great hall. The picture and its zone map are both made
// from these shapes, so every door's tap area is exactly the door the player sees.
//
// The hall is seen in one-point perspective: the back wall holds five openings (the mage's
// door, the war room, the main gate out, the merchant's door, the library) and each side
// wall one door (the hatchery on the left, the stairs down to the dragon cellar on the
// right). The navigation strip covers the bottom 50 rows.
#pragma once

#include <cairo.h>

#include <vector>

namespace hall {

struct Point {
  double x, y;
};

enum class Room { Fight, Cellar, Mage, Shop, Hatchery, Info, Leave };

// One opening of the hall: its outline on the screen (a closed polygon, arch included)
// and the box around it.
struct Door {
  Room room;
  std::vector<Point> outline;
  double left, top, right, bottom;
};

// Perspective: world point (x, y) at depth z (1 the front of the picture, kBackDepth the
// back wall) seen on the screen.
inline constexpr double kVanishX = 160, kVanishY = 88;
inline constexpr double kBackDepth = 1.5;
inline constexpr double kFloorWorld = 181;     // the floor's height in front-plane units
inline constexpr double kDepthUnits = 160;     // world length of one unit of depth
inline constexpr double kBackFloorY = kVanishY + (kFloorWorld - kVanishY) / kBackDepth;  // 150
inline constexpr double kBackLeft = kVanishX - kVanishX / kBackDepth;                   // 53.3
inline constexpr double kBackRight = 320 - kBackLeft;
Point project(double x, double y, double z);

// The strip of room symbols at the bottom: y 190 to the bottom edge, 45 px per symbol,
// and the dealer's square at x 270.
inline constexpr int kStripTop = 190;
inline constexpr int kSymbolWidth = 45;
inline constexpr int kDealerLeft = 270;
inline constexpr Room kStripOrder[6] = {Room::Fight, Room::Cellar, Room::Hatchery, Room::Mage, Room::Info, Room::Leave};

// The banner that waves on the back wall: the animation's frame is cut out here.
inline constexpr int kAnimationX = 125, kAnimationY = 0, kAnimationW = 70, kAnimationH = 60;

// The seven openings of the hall.
const std::vector<Door>& doors();
const Door& door(Room room);

// Adds the door's outline to the cairo path (the caller fills or clips with it).
void tracePath(cairo_t* cr, const Door& door);

}  // namespace hall
