// Seeds for the savegame fuzzers: a game on the real land, saved by the game, with three
// rulers of eight dragons each (one of them killed), eggs in the hatchery and orders given;
// then the same game with a month full of events ahead: guards on villages and the
// talisman, a war, an egg about to hatch, a dragon at the end of its life, a rich and a
// poor ruler, attacks, an occupation and a recall.
#include "FuzzData.h"
#include "core/Random.h"
#include "players/Savegame.h"
#include "res/SavegameWriter.h"
#include "world/CountryManager.h"

#include <memory>
#include <tuple>

namespace {

bool writeGameSeed(const std::string& folder, const char* name, int round, CountryManager& land,
                   const std::unique_ptr<Player> (&rulers)[PlayerManager::kPlayers]) {
  SavegameWriter out(String("unused"));
  writeGame(out, round, land, {rulers[0].get(), rulers[1].get(), rulers[2].get()});
  return writeSeed(folder, name, std::string(reinterpret_cast<const char*>(out.data()), out.used()));
}

}  // namespace

bool writeSeeds(const std::string& folder) {
  seedRandom(1);
  const std::string country = readDataFile("country.xml");
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
  if (!writeGameSeed(folder, "saved-game", 12, land, rulers)) return false;

  int guarded = 0;
  for (int i = 0; i < land.villageCount() && guarded < 6; ++i) {
    Village& v = land.village(i);
    MapCell& cell = land.cell(v.x, v.y);
    const int owner = guarded % 3, place = 1 + guarded / 3;
    v.owner = owner;
    v.tax = 30 + 10 * guarded;
    v.revolt = 60 + 5 * guarded;
    std::tie(cell.guardOwner, cell.guardDragon) = std::make_tuple(owner, place);
    rulers[owner]->dragons[size_t(place)].atHome = false;
    ++guarded;
  }
  for (int i = 0; i + 1 < land.villageCount(); ++i) {
    Village &a = land.village(i), &b = land.village(i + 1);
    if (a.race == b.race) continue;
    std::tie(a.fightsAgainst, b.fightsAgainst, a.fightMonths, b.fightMonths) = std::make_tuple(i + 1, i, 3, 3);
    break;
  }
  rulers[0]->incubators[0].progress = 95;
  rulers[1]->dragons[1].age = rulers[1]->dragons[1].lifespan - 1;  // a guard dies of old age
  rulers[1]->money = 2000000000;
  rulers[2]->money = 3;
  rulers[2]->poorMonths = 5;
  const Village& target = land.village(0);
  land.cell(target.x, target.y).orders[1] = {5, TaskAttack, 80};
  land.cell(target.x, target.y).orders[2] = {6, TaskOccupy, 40};
  const Village& own = land.village(2);
  land.cell(own.x, own.y).orders[2] = {1, TaskRecall, 0};
  return writeGameSeed(folder, "lively-game", 40, land, rulers);
}
