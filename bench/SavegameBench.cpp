// What saving and loading a game costs: a realistic game on the real land, three rulers of
// eight dragons each, encoded, decoded and checked in memory, loaded whole into the running
// game, and once through a file beside the program (written atomically, read back).
#include "core/Random.h"
#include "platform/Files.h"
#include "players/Savegame.h"
#include "res/SavegameReader.h"
#include "res/SavegameWriter.h"
#include "support/RealLand.h"
#include "world/CountryManager.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kCatalogue = 24;

// The real land and three rulers of a game some months on.
void startRealisticGame() {
  seedRandom(1);
  CountryManager& land = newGameOn(readRealLand(), {HumanPlayer, ComputerPlayer, HumanPlayer});
  PlayerManager& manager = PlayerManager::instance();
  for (int i = 0; i < PlayerManager::kPlayers; ++i) {
    Player& ruler = *manager.player(i);
    while (ruler.dragonCount() < Player::kMaxDragons) ruler.dragons.push_back(Dragon(String()));
    for (int slot = 0; slot < Player::kIncubators; ++slot) ruler.layEgg(slot);
    ruler.addItem(15, 2);
  }
  for (int v = 0; v < land.villageCount(); v += 3) land.village(v).owner = v % 3;
}

std::vector<uint8_t> savedBytes() {
  SavegameWriter out("unused.sve");
  writeGame(out, 20, CountryManager::instance(), playersOf(PlayerManager::instance()));
  return {out.data(), out.data() + out.used()};
}

void writeInMemory(benchmark::State& state) {
  startRealisticGame();
  const GamePlayers players = playersOf(PlayerManager::instance());
  for (auto _ : state) {
    SavegameWriter out("unused.sve");
    writeGame(out, 20, CountryManager::instance(), players);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetLabel(std::to_string(savedBytes().size()) + " bytes");
}
BENCHMARK(writeInMemory)->Unit(benchmark::kMicrosecond);

void decodeAndCheck(benchmark::State& state) {
  startRealisticGame();
  const std::vector<uint8_t> bytes = savedBytes();
  for (auto _ : state) {
    SavegameReader in(bytes);
    SavedGame game;
    if (readGame(in, CountryManager::instance(), kCatalogue, game) != LoadResult::Loaded) state.SkipWithError("refused");
    benchmark::DoNotOptimize(game.roundNumber);
  }
}
BENCHMARK(decodeAndCheck)->Unit(benchmark::kMicrosecond);

void loadInMemory(benchmark::State& state) {
  startRealisticGame();
  const std::vector<uint8_t> bytes = savedBytes();
  const GamePlayers players = playersOf(PlayerManager::instance());
  int32_t round = 0;
  for (auto _ : state) {
    SavegameReader in(bytes);
    if (loadGame(in, CountryManager::instance(), players, kCatalogue, round) != LoadResult::Loaded)
      state.SkipWithError("refused");
  }
}
BENCHMARK(loadInMemory)->Unit(benchmark::kMicrosecond);

// The whole round trip as the round screen runs it: the file replaced, then loaded.
void saveAndLoadFile(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / "nupavane-savegame-bench";
  fs::create_directories(folder);
  platform::setProgramPath((folder / "nupavane").string());
  startRealisticGame();
  const String name = savegameName(0);
  int32_t round = 0;
  for (auto _ : state) {
    if (!saveGame(name, 20)) state.SkipWithError("not saved");
    if (loadGame(name, round) != LoadResult::Loaded) state.SkipWithError("not loaded");
  }
  platform::setProgramPath("");
  fs::remove_all(folder);
}
BENCHMARK(saveAndLoadFile)->Unit(benchmark::kMicrosecond);

}  // namespace
