// Whole games played by the rules alone: no window, no pictures, no nested screens. The
// computer rulers make their own moves; a human ruler is played by a simple policy. Used to
// watch the game's balance and to measure how fast the rules run.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>

struct SimulationOptions {
  uint32_t seed = 1;
  int months = 100;
  std::array<int, 3> types{};  // HumanPlayer or ComputerPlayer for characters 0, 1, 2
  bool quiet = false;          // no line per month
  bool report = false;         // each month's report lines too
};

struct SimulationResult {
  int months = 0;  // months played, over every game
  int games = 0;   // games begun
  int talismans = 0;
  int defeats = 0;
};

// Plays months until options.months have passed; a game that ends is followed by a new
// one, as in the game itself. Writes a line per month and one per game's end to `out`.
// The land comes from the graphics archive beside the program.
SimulationResult simulate(const SimulationOptions& options, std::FILE* out);

// What the policy does for a human ruler before the month ends: keep the hatchery warm
// while the purse allows, taxes in the calm band, guards without a part of the talisman
// called home, and every free living dragon sent against a village not yet his. Draws
// from the game's one generator.
class Player;
class CountryManager;
void playHumanTurn(Player& player, CountryManager& land);
