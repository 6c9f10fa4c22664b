#include "players/PlayerManager.h"

#include "app/StateDump.h"
#include "core/Diagnostics.h"
#include "players/PlayerState.h"
#include "players/TalismanNews.h"
#include "world/CountryManager.h"

#include <cstdio>

namespace {
PlayerManager* theManager = nullptr;
}

PlayerManager& PlayerManager::instance() {
  if (!theManager) theManager = new PlayerManager(askPlayerTypes());
  return *theManager;
}

bool PlayerManager::exists() { return theManager != nullptr; }

PlayerManager& PlayerManager::startGame(const std::array<int, kPlayers>& types) {
  destroy();
  theManager = new PlayerManager(types);
  return *theManager;
}

void PlayerManager::destroy() {
  delete theManager;
  theManager = nullptr;
}

// The characters are the land's three rulers, in the order the land names them; making
// each draws its first dragon and takes that dragon's name.
PlayerManager::PlayerManager(const std::array<int, kPlayers>& types) {
  CountryManager& land = CountryManager::instance();
  for (int i = 0; i < kPlayers; ++i)
    players_.push_back(std::make_unique<Player>(i, land.playerName(i), types[size_t(i)]));
  current_ = 0;
  TalismanNews::instance().forget();  // what the last game's reports told is void
  addStateSection(writePlayerState);
}

Player* PlayerManager::player(int place) {
  return place >= 0 && place < count() ? players_[size_t(place)].get() : nullptr;
}

void PlayerManager::setCurrentPlayer(int place) {
  if (place < 0 || place >= count()) {
    char line[120];
    std::snprintf(line, sizeof line, "PlayerManager::setCurrentPlayer(%d): ERROR: this player is unknown !\n", place);
    complain(line);
    current_ = 0;
    return;
  }
  current_ = place;
}
