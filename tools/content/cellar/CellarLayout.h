// Where the dragon cellar draws its pictures and where its taps land. The room, the doors
// cut from it and the zone map take their places from here, so they agree.
#pragma once

#include "hatchery/RoomKit.h"

namespace cellar {

using namespace rooms;

inline constexpr int kDoors = 8;

// The stalls: four along the gallery above, four on the floor below, smaller towards the
// far end of the vault on the right. A door picture covers its stall exactly.
inline constexpr ScreenRect kDoorRects[kDoors] = {
    {10, 49, 70, 84},  {93, 54, 60, 78},   {162, 58, 50, 72},  {219, 63, 50, 66},
    {8, 143, 84, 80},  {103, 142, 70, 78}, {182, 139, 56, 76}, {244, 137, 54, 74},
};
inline constexpr uint16_t kDoorColours[kDoors] = {0xF81F, 0x07E0, 0xFE18, 0x001F, 0xF800, 0xFFE0, 0x87F0, 0x07FF};

// The torch at the far end, whose flicker is the screen's animation.
inline constexpr ScreenRect kTorchView{278, 66, 40, 60};
inline constexpr int kTorchFrames = 22;
inline constexpr double kTorchX = 298;
inline constexpr double kTorchY = 108;  // the top of its bracket
inline constexpr double kTorchSize = 1.0;

inline constexpr ScreenRect kExit{304, 223, 16, 17};
inline constexpr uint16_t kExitColour = 0xC618;

// The name tag: the dragon's name in the yellow font at (4, 22), at most 106 px wide.
inline constexpr int kTagWidth = 126;
inline constexpr int kTagHeight = 34;

// The gallery's ledge between the two rows and the floor's front edge, as lines that
// close in towards the far end: y at x 0 and at x 320.
struct Slope {
  double left, right;
  constexpr double at(double x) const { return left + (right - left) * x / kScreenWidth; }
};
inline constexpr Slope kLedgeTop{133, 128};
inline constexpr Slope kLedgeBottom{142, 136};
inline constexpr Slope kFloorTop{224, 212};
inline constexpr Slope kVaultFoot{44, 58};  // where the vault springs from the wall

}  // namespace cellar
