// The one look of the game's pictures: a painted storybook at dusk. Every family takes its
// colours from here, so the rooms, the land and the rulers belong together.
#pragma once

#include "image/Paint.h"

namespace style {

// The three rulers' heraldic colours: their portraits, frames, banners and owner crosses.
struct Heraldry {
  Colour field;   // the main colour
  Colour metal;   // trim and charges
  Colour dark;    // shadow of the field
};
inline constexpr Heraldry kRulers[3] = {
    {rgb(178, 34, 44), rgb(232, 190, 80), rgb(92, 14, 22)},    // ruler 0: crimson and gold
    {rgb(44, 76, 168), rgb(214, 220, 228), rgb(18, 32, 84)},   // ruler 1: royal blue and silver
    {rgb(40, 122, 64), rgb(196, 140, 72), rgb(16, 58, 30)},    // ruler 2: forest green and bronze
};

// Dusk sky, from the zenith down to the horizon.
inline constexpr Colour kSkyHigh = rgb(38, 34, 84);
inline constexpr Colour kSkyMid = rgb(122, 72, 120);
inline constexpr Colour kSkyLow = rgb(236, 150, 92);

// Dark stone rooms lit by torches.
inline constexpr Colour kStoneDark = rgb(34, 30, 36);
inline constexpr Colour kStone = rgb(78, 70, 74);
inline constexpr Colour kStoneLight = rgb(128, 116, 110);
inline constexpr Colour kTorchGlow = rgb(255, 176, 72);
inline constexpr Colour kTorchCore = rgb(255, 236, 160);

// Wood, parchment and gold.
inline constexpr Colour kWoodDark = rgb(64, 38, 20);
inline constexpr Colour kWood = rgb(116, 74, 38);
inline constexpr Colour kParchment = rgb(234, 214, 168);
inline constexpr Colour kParchmentEdge = rgb(176, 140, 88);
inline constexpr Colour kGold = rgb(222, 178, 72);
inline constexpr Colour kInk = rgb(48, 30, 18);

// The land.
inline constexpr Colour kSea = rgb(44, 86, 122);
inline constexpr Colour kGrass = rgb(96, 128, 62);
inline constexpr Colour kForest = rgb(44, 78, 44);
inline constexpr Colour kField = rgb(186, 162, 86);
inline constexpr Colour kMountain = rgb(118, 108, 100);

// Dragon fire.
inline constexpr Colour kFireOuter = rgb(220, 60, 16);
inline constexpr Colour kFireInner = rgb(255, 210, 64);

}  // namespace style
