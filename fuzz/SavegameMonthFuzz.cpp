// Any bytes as a savegame of a running game and, when it loads, the month played on it:
// every ruler's own month and the land's. A file the loader takes must be one the month can
// play without overflowing, indexing past a list or naming a dragon that is not there.
#include "core/Random.h"
#include "players/ItemManager.h"
#include "players/PlayerManager.h"
#include "players/Savegame.h"
#include "res/SavegameReader.h"
#include "world/CountryManager.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string readWhole(const char* name) {
  std::ifstream in(std::string(NUPAVANE_SOURCE_DIR) + "/data/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The land and the rulers stay for the whole run: a game that loads replaces every field
// the month reads, and one that does not leaves them as they were.
struct RunningGame {
  RunningGame() {
    const std::string country = readWhole("country.xml");
    CountryManager::install(CountryManager::fromXml(country.data(), country.size()));
    const std::string catalogue = readWhole("items.xml");
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
  seedRandom(uint32_t(size));
  for (int p = 0; p < PlayerManager::kPlayers; ++p) rulers.player(p)->startMonth();
  land.processMonth(nullptr);
  return 0;
}
