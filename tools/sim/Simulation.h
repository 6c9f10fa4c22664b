// Whole games played by the rules alone: no window, no pictures, no nested screens. The
// computer rulers make their own moves (classic or cunning); a human ruler is played by a
// simple policy. Used to watch the game's balance and to measure how fast the rules run.
#pragma once

#include "players/ComputerKind.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct SimulationOptions {
  uint32_t seed = 1;
  // Without `games`: the months played in all, games following each other. With it: the
  // most months of one game; a game that lasts longer is cut off.
  int months = 100;
  int games = 0;                     // 0: play until the months are played
  std::array<int, 3> types{};        // HumanPlayer or ComputerPlayer for characters 0, 1, 2
  std::array<ComputerKind, 3> kinds{};  // the mind of each computer ruler
  bool allComputer = false;          // a game without a human, which the game never plays
  bool quiet = false;                // no line per month
  bool report = false;               // each month's report lines too
};

// How the games ended. A talisman is won by a ruler of the kind it had then (a human who
// lost all dragons plays on as a computer); the last human's defeat is a win of the
// computer's rulers; a game cut off is won by none.
struct SimulationResult {
  int months = 0;  // months played, over every game
  int games = 0;   // games begun
  int talismans = 0;
  int defeats = 0;
  int cutOff = 0;
  std::array<int, 3> talismansOf{};  // per character
  int humanWins = 0;
  int computerWins = 0;
  std::array<int, 2> kindWins{};     // talismans won by classic and by cunning rulers
  std::vector<int> monthsToTalisman;
  std::array<std::string, 3> rulers;  // the characters' names
};

// Plays games as options say; a game that ends is followed by a new one, as in the game
// itself: when the talisman is completed or no human is left. Writes a line per month and
// one per game's end to `out`. The land and items come from the graphics archive beside
// the program. False (nothing played) when the land cannot be read.
bool simulate(const SimulationOptions& options, std::FILE* out, SimulationResult& result);

// The closing table of a run of games, ending in "wins: human H, computer C, none N".
void printTable(const SimulationOptions& options, const SimulationResult& result, std::FILE* out);

// What the policy does for a human ruler before the month ends: see HumanPolicy.cpp. Draws
// from the game's one generator.
class Player;
class CountryManager;
void playHumanTurn(Player& player, CountryManager& land);
