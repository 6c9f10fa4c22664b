#include "Simulation.h"

#include "core/Random.h"
#include "players/ItemManager.h"
#include "players/PlayerManager.h"
#include "players/TalismanNews.h"
#include "world/CountryManager.h"

#include <algorithm>

namespace {

enum class Outcome { GoesOn, Talisman, Defeat };

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
bool newGame(const SimulationOptions& options, SimulationResult& result) {
  CountryManager::destroy();
  CountryManager& land = CountryManager::instance();
  if (land.failure().length() > 0) return false;
  for (int i = 0; i < 3; ++i) result.rulers[size_t(i)] = land.playerName(i).c_str();
  PlayerManager::startGame(options.types);
  return true;
}

void countTalisman(int month, SimulationResult& result) {
  CountryManager& land = CountryManager::instance();
  const Player& winner = *PlayerManager::instance().player(land.talismanWinner());
  ++result.talismans;
  ++result.talismansOf[size_t(winner.index)];
  result.monthsToTalisman.push_back(month);
  if (winner.isHuman()) {
    ++result.humanWins;
  } else {
    ++result.computerWins;
    ++result.kindWins[computerKind(winner.index) == ComputerKind::Cunning ? 1 : 0];
  }
}

// One month of one game: the humans' turns, the rulers' own months, then the land's, whose
// report every ruler reads.
Outcome playMonth(const SimulationOptions& options, std::FILE* out, int month, int game, SimulationResult& result) {
  PlayerManager& players = PlayerManager::instance();
  CountryManager& land = CountryManager::instance();
  for (int i = 0; i < players.count(); ++i)
    if (players.player(i)->isHuman()) playHumanTurn(*players.player(i), land);
  for (int i = 0; i < players.count(); ++i) players.player(i)->startMonth();
  const bool hadHuman = anyHuman(players);
  const std::vector<String> report = land.processMonth(nullptr);
  TalismanNews::instance().learn(report, land);
  if (!options.quiet) printMonth(out, month, players, land, report.size());
  if (options.report)
    for (const String& line : report) std::fprintf(out, "  %s\n", line.c_str());
  if (land.talismanWinner() >= 0) {
    countTalisman(month, result);
    std::fprintf(out, "game %d ends in month %d: %s completed the talisman\n", game, month,
                 players.player(land.talismanWinner())->name.c_str());
    return Outcome::Talisman;
  }
  // As in the game: when no human is left, a new game begins.
  if (hadHuman && !anyHuman(players)) {
    ++result.defeats;
    ++result.computerWins;
    std::fprintf(out, "game %d ends in month %d: no human ruler is left\n", game, month);
    return Outcome::Defeat;
  }
  return Outcome::GoesOn;
}

bool moreGames(const SimulationOptions& options, const SimulationResult& result) {
  return options.games > 0 ? result.games < options.games : result.months < options.months;
}

bool moreMonths(const SimulationOptions& options, const SimulationResult& result, int month) {
  return options.games > 0 ? month < options.months : result.months < options.months;
}

int median(std::vector<int> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

const char* kindOf(const SimulationOptions& options, int character) {
  return options.types[size_t(character)] == HumanPlayer ? "human" : computerKindName(options.kinds[size_t(character)]);
}

}  // namespace

bool simulate(const SimulationOptions& options, std::FILE* out, SimulationResult& result) {
  result = SimulationResult{};
  seedRandom(options.seed);
  for (int i = 0; i < 3; ++i) setComputerKind(i, options.kinds[size_t(i)]);
  ItemManager::instance();  // the dealer's prices, for the rulers who trade
  while (moreGames(options, result)) {
    if (!newGame(options, result)) break;
    ++result.games;
    int month = 0;
    Outcome outcome = Outcome::GoesOn;
    while (outcome == Outcome::GoesOn && moreMonths(options, result, month)) {
      ++month;
      ++result.months;
      outcome = playMonth(options, out, month, result.games, result);
    }
    if (outcome == Outcome::GoesOn) {
      ++result.cutOff;
      std::fprintf(out, "game %d cut off after %d months\n", result.games, month);
    }
  }
  PlayerManager::destroy();
  CountryManager::destroy();
  return result.games > 0;
}

void printTable(const SimulationOptions& options, const SimulationResult& result, std::FILE* out) {
  std::fprintf(out, "\ngames %d, months %d", result.games, result.months);
  if (options.games > 0) std::fprintf(out, ", each cut off after %d months", options.months);
  std::fputs("\n", out);
  std::fprintf(out, "%-10s %-8s %s\n", "ruler", "kind", "talismans");
  for (int i = 0; i < 3; ++i)
    std::fprintf(out, "%-10s %-8s %d\n", result.rulers[size_t(i)].c_str(), kindOf(options, i),
                 result.talismansOf[size_t(i)]);
  std::fprintf(out, "talismans by kind: human %d, classic %d, cunning %d\n", result.humanWins, result.kindWins[0],
               result.kindWins[1]);
  std::fprintf(out, "median months to a talisman: %d\n", median(result.monthsToTalisman));
  std::fprintf(out, "defeats of the last human: %d\n", result.defeats);
  std::fprintf(out, "wins: human %d, computer %d, none %d\n", result.humanWins, result.computerWins, result.cutOff);
}
