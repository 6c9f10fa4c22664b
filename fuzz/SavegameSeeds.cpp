// Seeds for the savegame fuzzer: a game on the real land, saved by the game, with three
// rulers of eight dragons each (one of them killed), eggs in the hatchery and orders given.
#include "core/Random.h"
#include "players/Savegame.h"
#include "res/SavegameWriter.h"
#include "world/CountryManager.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

std::string readWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
    return 2;
  }
  seedRandom(1);
  const std::string country = readWhole(std::string(NUPAVANE_SOURCE_DIR) + "/data/country.xml");
  CountryManager::install(CountryManager::fromXml(country.data(), country.size()));
  CountryManager& land = CountryManager::instance();
  std::unique_ptr<Player> rulers[PlayerManager::kPlayers];
  for (int i = 0; i < PlayerManager::kPlayers; ++i) {
    rulers[i] = std::make_unique<Player>(i, land.playerName(i), i == 1 ? ComputerPlayer : HumanPlayer);
    while (rulers[i]->dragonCount() < Player::kMaxDragons) rulers[i]->dragons.push_back(Dragon(String()));
    rulers[i]->layEgg(i);
  }
  rulers[0]->dragons[3].attributes[Dragon::kHealth] = 0;
  land.village(0).owner = 0;
  land.cell(0).orders[1] = {2, TaskOccupy, 2};
  SavegameWriter out(String("unused"));
  writeGame(out, 12, land, {rulers[0].get(), rulers[1].get(), rulers[2].get()});
  std::ofstream(std::string(argv[1]) + "/saved-game", std::ios::binary)
      .write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.used()));
  return 0;
}
