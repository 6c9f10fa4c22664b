// The fight panel's cell lines, built from the game's own land (kept apart from the tests'
// reading of the description files, whose types share the land's names).
#include "CellLines.h"

#include "world/CountryManager.h"

#include <cstdio>

std::vector<std::string> cellLines(const std::string& countryXml) {
  std::vector<std::string> lines;
  const auto country = CountryManager::fromXml(countryXml.data(), countryXml.size());
  if (!country || country->failure().length() > 0) return lines;
  for (int player = 0; player < 3; ++player)
    for (int row = 0; row < CountryManager::kRows; ++row)
      for (int column = 0; column < CountryManager::kColumns; ++column)
      {
        char line[32];
        std::snprintf(line, sizeof line, "%c%d: %d m", 'A' + column, row + 1, country->castleDistance(player, column, row));
        lines.emplace_back(line);
      }
  return lines;
}
