// The numbers the game's generator will give, looked at without disturbing its sequence.
#pragma once

#include "core/Random.h"

#include <cstdint>
#include <vector>

namespace draws {

// The first n numbers after seedRandom(seed); the generator is left seeded so, to give
// them again.
inline std::vector<int> draws(uint32_t seed, int n) {
  seedRandom(seed);
  std::vector<int> out;
  for (int i = 0; i < n; ++i) out.push_back(randomNumber());
  seedRandom(seed);
  return out;
}

// The first seed from 1 on whose first n draws satisfy `wanted`, the generator seeded so.
template <typename Wanted>
uint32_t seedWhere(int n, Wanted wanted) {
  for (uint32_t seed = 1;; ++seed)
    if (wanted(draws(seed, n))) return seed;
}

}  // namespace draws
