// The mage's zone map: the four sides of the cauldron, the two dials, the panel's handle and
// the bar's controls. A drop into the brew's middle goes to the side it lies nearest to,
// so every drop on the cauldron counts.
#include "mage/MagePaint.h"

#include <cmath>
#include <utility>

namespace mage {

namespace {

int sideOfCentre(int x, int y) {
  const double cx = (kCentre.x0 + kCentre.x1) / 2.0, cy = (kCentre.y0 + kCentre.y1) / 2.0;
  const double dx = (x - cx) / (kCentre.width() / 2.0), dy = (y - cy) / (kCentre.height() / 2.0);
  if (std::fabs(dy) >= std::fabs(dx)) return dy < 0 ? 0 : 2;
  return dx > 0 ? 1 : 3;
}

}  // namespace

uint16_t zoneAt(int x, int y) {
  for (int side = 0; side < 4; ++side)
    if (kSides[side].contains(x, y)) return kSideColours[side];
  if (kCentre.contains(x, y)) return kSideColours[sideOfCentre(x, y)];
  const std::pair<Box, uint16_t> controls[] = {
      {kBurner, kBurnerColour},         {kCondenser, kCondenserColour}, {kHandle, kHandleColour},
      {kScrollBack, kScrollBackColour}, {kScrollForward, kScrollForwardColour},
      {kCast, kCastColour},             {kCancel, kCancelColour},
  };
  for (const auto& [box, colour] : controls)
    if (box.contains(x, y)) return colour;
  return 0x0000;
}

}  // namespace mage
