#include "core/Random.h"

#include <random>

namespace {
uint32_t state = 1;
}

void seedRandom(uint32_t seed) { state = seed; }

int randomNumber() {
  state = state * 214013u + 2531011u;
  return int((state >> 16) & 0x7FFFu);
}

uint32_t freshSeed() { return std::random_device{}(); }
