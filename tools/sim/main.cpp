// nupavane-sim: plays whole games by the rules alone and prints a line per month.
#include "Simulation.h"

#include "platform/Files.h"
#include "platform/Folders.h"
#include "players/Player.h"

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const kUsage =
    "usage: nupavane-sim [--seed S] [--months N] [--games N] [--players T,T,T] [--computer K]\n"
    "                    [--all-computer] [--quiet] [--report]\n"
    "  T is human, computer, classic or cunning for each of the three characters (default\n"
    "  human,computer,computer); computer is the kind K of --computer: classic (default) or\n"
    "  cunning. A game ends with a completed talisman or when no human is left, and a new one\n"
    "  begins. --games N plays N games, each cut off after --months months (default 1000),\n"
    "  and closes with a table. --all-computer allows a game without a human, which the game\n"
    "  itself never plays. The land is read from gfx.arc (beside the program, or installed); --report adds\n"
    "  each month's report lines.\n";

// "computer" takes the kind of --computer, given before or after.
enum class Word { Human, Computer, Classic, Cunning };

bool parseTypes(const std::string& text, std::array<Word, 3>& words) {
  size_t from = 0;
  for (int i = 0; i < 3; ++i) {
    const size_t comma = text.find(',', from);
    if ((i < 2) != (comma != std::string::npos)) return false;
    const std::string word = text.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
    if (word == "human") words[size_t(i)] = Word::Human;
    else if (word == "computer") words[size_t(i)] = Word::Computer;
    else if (word == "classic") words[size_t(i)] = Word::Classic;
    else if (word == "cunning") words[size_t(i)] = Word::Cunning;
    else return false;
    from = comma + 1;
  }
  return true;
}

bool parseNumber(const char* text, long low, long high, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return end != text && *end == 0 && value >= low && value <= high;
}

bool parseOptions(int argc, char** argv, SimulationOptions& options) {
  std::array<Word, 3> words{Word::Human, Word::Computer, Word::Computer};
  ComputerKind computer = ComputerKind::Classic;
  bool monthsGiven = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    long value = 0;
    if (option == "--quiet") {
      options.quiet = true;
    } else if (option == "--report") {
      options.report = true;
    } else if (option == "--all-computer") {
      options.allComputer = true;
    } else if (i + 1 >= argc) {
      return false;
    } else if (option == "--seed" && parseNumber(argv[i + 1], 0, 0xFFFFFFFFL, value)) {
      options.seed = uint32_t(value);
      ++i;
    } else if (option == "--months" && parseNumber(argv[i + 1], 1, 100000000, value)) {
      options.months = int(value);
      monthsGiven = true;
      ++i;
    } else if (option == "--games" && parseNumber(argv[i + 1], 1, 10000000, value)) {
      options.games = int(value);
      ++i;
    } else if (option == "--players" && parseTypes(argv[i + 1], words)) {
      ++i;
    } else if (option == "--computer" && parseComputerKind(argv[i + 1], computer)) {
      ++i;
    } else {
      return false;
    }
  }
  if (options.games > 0 && !monthsGiven) options.months = 1000;
  for (size_t i = 0; i < 3; ++i) {
    options.types[i] = words[i] == Word::Human ? HumanPlayer : ComputerPlayer;
    options.kinds[i] = words[i] == Word::Classic ? ComputerKind::Classic
                       : words[i] == Word::Cunning ? ComputerKind::Cunning
                                                   : computer;
  }
  return true;
}

bool anyHuman(const SimulationOptions& options) {
  for (int type : options.types)
    if (type == HumanPlayer) return true;
  return false;
}

}  // namespace

// Beside its archives in the build folder; installed, the land is in the data folder.
void findArchives() {
  const std::string program = platform::programPath();
  platform::GameFolders folders;
  folders.archives = platform::installedArchiveFolder(program.substr(0, program.find_last_of('/') + 1));
  platform::setGameFolders(folders);
}

int main(int argc, char** argv) {
  findArchives();
  SimulationOptions options;
  if (!parseOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (!anyHuman(options)) {
    if (!options.allComputer) {
      std::fputs("nupavane-sim: every game of the game itself has a human ruler (it ends when none is left);\n"
                 "  --all-computer plays one without anyway\n",
                 stderr);
      return 2;
    }
    std::fputs("nupavane-sim: no human ruler: a game the game itself cannot reach\n", stderr);
  }
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t startCpu = std::clock();
  SimulationResult result;
  const bool played = simulate(options, stdout, result);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // On a busy machine the clock on the wall says little of the rules' speed: the processor
  // time is given too.
  const double cpuSeconds = double(std::clock() - startCpu) / CLOCKS_PER_SEC;
  if (played && options.games > 0) printTable(options, result, stdout);
  std::fflush(stdout);
  if (!played) {
    std::fputs("nupavane-sim: the land could not be read from gfx.arc\n", stderr);
    return 1;
  }
  std::fprintf(stderr,
               "%d months, %d games (%d talismans, %d defeats) in %.3f s: %.0f months/s (%.0f a second of "
               "processor time)\n",
               result.months, result.games, result.talismans, result.defeats, seconds, result.months / seconds,
               cpuSeconds > 0 ? result.months / cpuSeconds : 0.0);
  return 0;
}
