#include "Simulation.h"

#include "core/Random.h"
#include "players/PlayerManager.h"
#include "world/CountryManager.h"

namespace {

int villagesOf(CountryManager& land, int player) {
  int owned = 0;
  for (int v = 0; v < land.villageCount(); ++v) owned += land.village(v).owner == player;
  return owned;
}

int warsIn(const CountryManager& land) { return int(land.wars().size()); }

bool anyHuman(PlayerManager& players) {
  for (int i = 0; i < players.count(); ++i)
    if (players.player(i)->isHuman()) return true;
  return false;
}

void printMonth(std::FILE* out, int month, PlayerManager& players, CountryManager& land, size_t events) {
  int money[3], dragons[3], villages[3], parts[3];
  for (int i = 0; i < 3; ++i) {
    const Player& p = *players.player(i);
    money[i] = p.money;
    dragons[i] = p.livingDragons();
    villages[i] = villagesOf(land, i);
    parts[i] = land.talismanParts(i);
  }
  std::fprintf(out,
               "month %d: crystals %d/%d/%d dragons %d/%d/%d villages %d/%d/%d talisman %d/%d/%d wars %d "
               "events %zu\n",
               month, money[0], money[1], money[2], dragons[0], dragons[1], dragons[2], villages[0], villages[1],
               villages[2], parts[0], parts[1], parts[2], warsIn(land), events);
}

// A fresh land read from its file, and the rulers of a new game.
bool newGame(const SimulationOptions& options) {
  CountryManager::destroy();
  if (CountryManager::instance().failure().length() > 0) return false;
  PlayerManager::startGame(options.types);
  return true;
}

// One month of one game: the rulers' own months, then the land's. True when the game
// goes on.
bool playMonth(const SimulationOptions& options, std::FILE* out, int month, int game, SimulationResult& result) {
  PlayerManager& players = PlayerManager::instance();
  CountryManager& land = CountryManager::instance();
  for (int i = 0; i < players.count(); ++i)
    if (players.player(i)->isHuman()) playHumanTurn(*players.player(i), land);
  for (int i = 0; i < players.count(); ++i) players.player(i)->startMonth();
  const bool hadHuman = anyHuman(players);
  const std::vector<String> report = land.processMonth(nullptr);
  if (!options.quiet) printMonth(out, month, players, land, report.size());
  if (options.report)
    for (const String& line : report) std::fprintf(out, "  %s\n", line.c_str());
  if (land.talismanWinner() >= 0) {
    ++result.talismans;
    std::fprintf(out, "game %d ends in month %d: %s completed the talisman\n", game, month,
                 players.player(land.talismanWinner())->name.c_str());
    return false;
  }
  if (hadHuman && !anyHuman(players)) {
    ++result.defeats;
    std::fprintf(out, "game %d ends in month %d: no human ruler is left\n", game, month);
    return false;
  }
  return true;
}

}  // namespace

SimulationResult simulate(const SimulationOptions& options, std::FILE* out) {
  SimulationResult result;
  seedRandom(options.seed);
  int month = 0;
  while (result.months < options.months) {
    if (!newGame(options)) break;
    ++result.games;
    month = 1;
    while (result.months < options.months) {
      ++result.months;
      if (!playMonth(options, out, month++, result.games, result)) break;
    }
  }
  PlayerManager::destroy();
  CountryManager::destroy();
  return result;
}
