// What a cunning computer ruler's turn costs: one ruler's decisions for one month (the
// dealer, taxes, hatchery, orders) on the game's own land, in games that have grown to
// many dragons and villages. The budget is a millisecond.
#include "core/Random.h"
#include "support/RealLand.h"
#include "players/CunningRuler.h"
#include "players/PlayerManager.h"
#include "players/TalismanNews.h"
#include "world/CountryManager.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// Marked human, so that their own months leave the turn to the benchmark's loop.
CountryManager& newGame(const std::string& text) { return newGameOn(text, {HumanPlayer, HumanPlayer, HumanPlayer}); }

// Months with three cunning rulers: each month's three turns are timed, the rest of the
// month (the rulers' upkeep, the land's month) is not.
void cunningTurn(benchmark::State& state) {
  const std::string text = readRealLand();
  if (text.empty()) {
    state.SkipWithError("data/country.xml cannot be read");
    return;
  }
  seedRandom(1);
  CountryManager* land = &newGame(text);
  int turn = 0;
  for (auto _ : state) {
    Player& ruler = *PlayerManager::instance().player(turn);
    playCunningMonth(ruler, *land);
    if (++turn < PlayerManager::kPlayers) continue;
    turn = 0;
    state.PauseTiming();
    for (int p = 0; p < PlayerManager::kPlayers; ++p) PlayerManager::instance().player(p)->startMonth();
    const std::vector<String> report = land->processMonth(nullptr);
    TalismanNews::instance().learn(report, *land);
    if (land->talismanWinner() >= 0) land = &newGame(text);
    state.ResumeTiming();
  }
  state.counters["turns/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  PlayerManager::destroy();
  CountryManager::destroy();
}
BENCHMARK(cunningTurn)->Unit(benchmark::kMicrosecond);

}  // namespace
