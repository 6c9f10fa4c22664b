// What a month-end costs: the land's month on the game's own land with three computer
// rulers, each month after the rulers' own months (which place the computers' orders).
#include "core/Random.h"
#include "players/PlayerManager.h"
#include "world/CountryManager.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

std::string readLand() {
  std::string text;
  if (std::FILE* file = std::fopen(NUPAVANE_SOURCE_DIR "/data/country.xml", "rb")) {
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, n);
    std::fclose(file);
  }
  return text;
}

// A new game on the land: its first wars, three computer rulers.
CountryManager& newGame(const std::string& text) {
  CountryManager& land = CountryManager::install(CountryManager::fromXml(text.data(), text.size()));
  PlayerManager::startGame({ComputerPlayer, ComputerPlayer, ComputerPlayer});
  return land;
}

// Games last 36 months here, before old age and fights have emptied the rulers' lairs.
constexpr int kMonthsPerGame = 36;

void processMonth(benchmark::State& state) {
  const std::string text = readLand();
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
