// What the month reports have told every ruler about where the parts of the talisman lie.
// A report names the village of every attack ("Dragon D attacks V"); when the attacker
// stays there on a part, "P found a part of the talisman" follows (reward lines may come
// between). A village that kept its attacker as guard without such a line holds no part.
// That is all a ruler can know: the map shows only owners and guards. The news is the same
// for every ruler, and is forgotten when a new game begins or a game is loaded.
#pragma once

#include "core/String.h"
#include "world/CountryManager.h"

#include <array>
#include <cstdint>
#include <vector>

class TalismanNews {
public:
  enum class Cell : uint8_t { Unknown, Part, NoPart };

  static TalismanNews& instance();

  void forget();
  // Reads one month's report, with the land as the month left it (its guards).
  void learn(const std::vector<String>& report, CountryManager& land);

  Cell cell(int index) const;
  int partsKnown() const;

private:
  void settle(int cell, bool foundPart, CountryManager& land);

  std::array<Cell, CountryManager::kCells> cells_{};
};
