// The game's own land, read from data/, for the tests and benchmarks that play on it.
#pragma once

#include "players/PlayerManager.h"
#include "world/CountryManager.h"

#include "support/DataFiles.h"

#include <array>
#include <string>

// The text of data/country.xml; empty when it cannot be read.
inline std::string readRealLand() { return readDataFile("country.xml"); }

// A new game on the land `text` holds (its first wars drawn), with rulers of these types.
inline CountryManager& newGameOn(const std::string& text, const std::array<int, PlayerManager::kPlayers>& types) {
  CountryManager& land = CountryManager::install(CountryManager::fromXml(text.data(), text.size()));
  PlayerManager::startGame(types);
  return land;
}
