// The program's one random generator. Every random choice among n values is the remainder
// of randomNumber() divided by n, so a seed replays a whole game.
#pragma once

#include <cstdint>

inline constexpr int kRandomMax = 32767;

// Seeds the generator; the start-up does it once (with --seed, or a per-run value).
void seedRandom(uint32_t seed);

// The next number, 0 to kRandomMax: the classic linear congruential generator of the
// handheld's C library, so the remainders are spread as the game was balanced for.
int randomNumber();

// A per-run seed for when none is given.
uint32_t freshSeed();
