// What a month-end costs: the land's month on the game's own land with three computer
// rulers, each month after the rulers' own months (which place the computers' orders).
#include "core/Random.h"
#include "support/RealLand.h"
#include "players/PlayerManager.h"
#include "world/CountryManager.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// A new game on the land: its first wars, three computer rulers.
CountryManager& newGame(const std::string& text) {
  return newGameOn(text, {ComputerPlayer, ComputerPlayer, ComputerPlayer});
}

// Games last 36 months here, before old age and fights have emptied the rulers' lairs.
constexpr int kMonthsPerGame = 36;

void processMonth(benchmark::State& state) {
  const std::string text = readRealLand();
  if (text.empty()) {
    state.SkipWithError("data/country.xml cannot be read");
    return;
  }
  seedRandom(1);
  CountryManager* land = &newGame(text);
  int month = 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (++month % kMonthsPerGame == 0 || land->talismanWinner() >= 0) land = &newGame(text);
    for (int p = 0; p < PlayerManager::kPlayers; ++p) PlayerManager::instance().player(p)->startMonth();
    state.ResumeTiming();
    benchmark::DoNotOptimize(land->processMonth(nullptr));
  }
  state.counters["months/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  PlayerManager::destroy();
  CountryManager::destroy();
}
BENCHMARK(processMonth)->Unit(benchmark::kMicrosecond);

}  // namespace
