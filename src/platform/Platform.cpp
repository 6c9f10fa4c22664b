#include "platform/Platform.h"

#include <cassert>

namespace platform {

namespace {
Platform* running = nullptr;
}

Platform& current() {
  assert(running && "no platform backend set");
  return *running;
}

void setCurrent(Platform* platform) { running = platform; }

uint32_t physicalKeyFor(Direction d, const KeyList& keys) {
  switch (d) {
    case Direction::Right: return keys.up;
    case Direction::Left: return keys.down;
    case Direction::Up: return keys.left;
    case Direction::Down: return keys.right;
  }
  return keys.up;
}

void panelToLandscape(const uint8_t* origin, const DisplayProperties& props, uint16_t* out) {
  const std::ptrdiff_t xPitch = props.xPitch, yPitch = props.yPitch;
  for (int y = 0; y < kPictureHeight; ++y) {
    // Window row Y shows panel column Y; window column X shows panel row 319 - X.
    const uint8_t* column = origin + y * xPitch;
    uint16_t* row = out + y * kPictureWidth;
    for (int x = 0; x < kPictureWidth; ++x) {
      const uint8_t* p = column + (kPanelHeight - 1 - x) * yPitch;
      row[x] = uint16_t(p[0] | p[1] << 8);
    }
  }
}

}  // namespace platform
