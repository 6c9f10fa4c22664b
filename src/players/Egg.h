// One of the four places of a player's hatchery.
#pragma once

#include <cstdint>

struct Egg {
  static constexpr int kHatchingProgress = 100;

  bool occupied = false;
  int32_t heat = 0;  // 0 to 100; 50 when the egg is laid
  int32_t progress = 0;
  int32_t months = 0;  // months heated and paid for
};
