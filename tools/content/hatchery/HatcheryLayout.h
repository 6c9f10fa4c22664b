// Where the hatchery screen draws its pictures and where its taps land. The background, the
// pictures cut from it and the zone map all take their places from here, so they agree.
#pragma once

#include "hatchery/RoomKit.h"

namespace hatchery {

using namespace rooms;

inline constexpr int kPlaces = 4;
inline constexpr int kPlacePitch = 31;
inline constexpr int kSelectedShift = 2;  // the selected place's button and plate sit 2 px lower

// The egg-in-place indicator (drawn only when the place holds an egg) and the numbered
// plate under it (always drawn).
constexpr ScreenRect placeButton(int place) { return {1 + kPlacePitch * place, 1, 30, 30}; }
constexpr ScreenRect placePlate(int place) { return {1 + kPlacePitch * place, 32, 30, 22}; }
// Tapping anywhere on the button, the plate or the 2 px they move selects the place.
constexpr ScreenRect placeZone(int place) { return {1 + kPlacePitch * place, 1, 30, 55}; }
// The wooden rack behind the four places.
inline constexpr ScreenRect kRack{0, 0, 125, 58};

// The bars grow upward from their bottom row; the room shows an empty glass tube there.
inline constexpr ScreenRect kProgressBar{15, 134, 12, 100};
inline constexpr ScreenRect kHeatBar{276, 69, 12, 100};
inline constexpr ScreenRect kHeatZone{272, 65, 20, 108};

// The selected egg in its nest, the drip beside it and the lever in the hearth's front.
inline constexpr ScreenRect kEggView{84, 0, 150, 170};
inline constexpr ScreenRect kDropView{36, 93, 44, 64};
inline constexpr ScreenRect kLever{123, 176, 50, 60};
inline constexpr int kLeverFrames = 10;  // 0: up (place empty) ... 9: down (egg laid)
inline constexpr int kDropFrames = 18;

// Drawn by the game over the room's bottom-right corner.
inline constexpr ScreenRect kExit{304, 223, 16, 17};
inline constexpr ScreenRect kPotion{287, 219, 16, 20};

// The nest: a copper bowl of straw on a stone hearth, the egg resting in it.
inline constexpr double kNestX = 159;
inline constexpr double kNestRimY = 130;
inline constexpr double kEggX = 159;
inline constexpr double kEggY = 98;
inline constexpr double kEggHalfWidth = 27;
inline constexpr double kEggHalfHeight = 36;

// The spout the drop forms at and the dish it falls into.
inline constexpr double kSpoutX = 58;
inline constexpr double kSpoutY = 103;
inline constexpr double kDishY = 146;

// The lever's pivot in the hearth's brass plate, and its length.
inline constexpr double kLeverPivotX = 148;
inline constexpr double kLeverPivotY = 207;
inline constexpr double kLeverLength = 22;

// The announcement plate of EGGINFO, DRAGONDIED and WINSCREEN.
inline constexpr int kLabelWidth = 258;
inline constexpr int kLabelHeight = 90;

// Zone colours.
inline constexpr uint16_t kPlaceColours[kPlaces] = {0x001F, 0x07FF, 0xF81F, 0xFE18};
inline constexpr uint16_t kLeverColour = 0x8410;
inline constexpr uint16_t kHeatColour = 0xFFE0;
inline constexpr uint16_t kLeaveColour = 0xF800;

}  // namespace hatchery
