// What the months cost on the game's own land: the land's month-end with three computer
// rulers, and a cunning computer ruler's turn (the dealer, taxes, hatchery, orders) in games
// that have grown to many dragons and villages, whose budget is a millisecond.
#include "core/Random.h"
#include "players/CunningRuler.h"
#include "players/PlayerManager.h"
#include "players/TalismanNews.h"
#include "support/RealLand.h"
#include "world/CountryManager.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string& realLand() {
  static const std::string text = readRealLand();
  return text;
}

// Every ruler's own month, which places the computers' orders.
void rulersMonth() {
  for (int p = 0; p < PlayerManager::kPlayers; ++p) PlayerManager::instance().player(p)->startMonth();
}

// Games last 36 months here, before old age and fights have emptied the rulers' lairs.
constexpr int kMonthsPerGame = 36;

void processMonth(benchmark::State& state) {
  if (realLand().empty()) return state.SkipWithError("data/country.xml cannot be read");
  const std::array types{ComputerPlayer, ComputerPlayer, ComputerPlayer};
  seedRandom(1);
  CountryManager* land = &newGameOn(realLand(), types);
  int month = 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (++month % kMonthsPerGame == 0 || land->talismanWinner() >= 0) land = &newGameOn(realLand(), types);
    rulersMonth();
    state.ResumeTiming();
    benchmark::DoNotOptimize(land->processMonth(nullptr));
  }
  state.counters["months/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  PlayerManager::destroy();
  CountryManager::destroy();
}
BENCHMARK(processMonth)->Unit(benchmark::kMicrosecond);

// Three cunning rulers, marked human so that their own months leave the turn to the loop:
// each month's three turns are timed, the rest of the month (the rulers' upkeep, the land's
// month) is not.
void cunningTurn(benchmark::State& state) {
  if (realLand().empty()) return state.SkipWithError("data/country.xml cannot be read");
  const std::array types{HumanPlayer, HumanPlayer, HumanPlayer};
  seedRandom(1);
  CountryManager* land = &newGameOn(realLand(), types);
  int turn = 0;
  for (auto _ : state) {
    playCunningMonth(*PlayerManager::instance().player(turn), *land);
    if (++turn < PlayerManager::kPlayers) continue;
    turn = 0;
    state.PauseTiming();
    rulersMonth();
    TalismanNews::instance().learn(land->processMonth(nullptr), *land);
    if (land->talismanWinner() >= 0) land = &newGameOn(realLand(), types);
    state.ResumeTiming();
  }
  state.counters["turns/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  PlayerManager::destroy();
  CountryManager::destroy();
}
BENCHMARK(cunningTurn)->Unit(benchmark::kMicrosecond);

}  // namespace
