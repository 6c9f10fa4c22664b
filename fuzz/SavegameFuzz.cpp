// Any bytes as a whole savegame, loaded through the game's own checks into a running game:
// the loader must take a file whole or refuse it, without reading out of bounds, trusting a
// count or leaving a player half loaded. Built twice: the second (FUZZ_MONTH) then plays
// the month on a game that loads, every ruler's own month and the land's: a file the loader
// takes must be one the month can play without overflowing, indexing past a list or naming
// a dragon that is not there.
#include "FuzzData.h"
#include "core/Random.h"
#include "players/ItemManager.h"
#include "players/PlayerManager.h"
#include "players/Savegame.h"
#include "res/SavegameReader.h"
#include "world/CountryManager.h"

#include <vector>

namespace {

// The land and the rulers stay for the whole run: a game that loads replaces every field
// the month reads, and one that does not leaves them as they were.
struct RunningGame {
  RunningGame() {
    const std::string country = readDataFile("country.xml");
    CountryManager::install(CountryManager::fromXml(country.data(), country.size()));
    const std::string catalogue = readDataFile("items.xml");
    itemLimit = ItemManager::fromXml(catalogue.data(), catalogue.size())->count();
    PlayerManager::startGame({HumanPlayer, ComputerPlayer, HumanPlayer});
  }
  int itemLimit = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static RunningGame game;
  CountryManager& land = CountryManager::instance();
  PlayerManager& rulers = PlayerManager::instance();
  SavegameReader in(std::vector<uint8_t>(data, data + size));
  int32_t round = 0;
  if (loadGame(in, land, playersOf(rulers), game.itemLimit, round) != LoadResult::Loaded) return 0;
#ifdef FUZZ_MONTH
  seedRandom(uint32_t(size));
  for (int p = 0; p < PlayerManager::kPlayers; ++p) rulers.player(p)->startMonth();
  land.processMonth(nullptr);
#endif
  return 0;
}
