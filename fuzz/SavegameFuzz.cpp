// Any bytes as a whole savegame, loaded through the game's own checks into a running game:
// the loader must take a file whole or refuse it, without reading out of bounds, trusting a
// count or leaving a player half loaded.
#include "players/ItemManager.h"
#include "players/Savegame.h"
#include "res/SavegameReader.h"
#include "world/CountryManager.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string readWhole(const char* name) {
  std::ifstream in(std::string(NUPAVANE_SOURCE_DIR) + "/data/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct RunningGame {
  RunningGame() {
    const std::string country = readWhole("country.xml");
    land = CountryManager::fromXml(country.data(), country.size());
    const std::string catalogue = readWhole("items.xml");
    itemLimit = ItemManager::fromXml(catalogue.data(), catalogue.size())->count();
    for (int i = 0; i < PlayerManager::kPlayers; ++i)
      rulers.push_back(std::make_unique<Player>(i, land->playerName(i), HumanPlayer));
  }
  std::unique_ptr<CountryManager> land;
  std::vector<std::unique_ptr<Player>> rulers;
  int itemLimit = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static RunningGame game;
  const GamePlayers players{game.rulers[0].get(), game.rulers[1].get(), game.rulers[2].get()};
  SavegameReader in(std::vector<uint8_t>(data, data + size));
  int32_t round = 0;
  loadGame(in, *game.land, players, game.itemLimit, round);
  return 0;
}
