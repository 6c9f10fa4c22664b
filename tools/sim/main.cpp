// nupavane-sim: plays whole games by the rules alone and prints a line per month.
#include "Simulation.h"

#include "platform/Files.h"
#include "platform/Folders.h"
#include "players/Player.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const kUsage =
    "usage: nupavane-sim [--seed S] [--months N] [--players T,T,T] [--quiet] [--report]\n"
    "  T is human or computer for each of the three characters (default computer,computer,computer);\n"
    "  the land is read from gfx.arc (beside the program, or installed); --report adds each month's report lines.\n";

bool parseTypes(const std::string& text, std::array<int, 3>& types) {
  size_t from = 0;
  for (int i = 0; i < 3; ++i) {
    const size_t comma = text.find(',', from);
    if ((i < 2) != (comma != std::string::npos)) return false;
    const std::string word = text.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
    if (word == "human") types[size_t(i)] = HumanPlayer;
    else if (word == "computer") types[size_t(i)] = ComputerPlayer;
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
  options.types = {ComputerPlayer, ComputerPlayer, ComputerPlayer};
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    long value = 0;
    if (option == "--quiet") {
      options.quiet = true;
    } else if (option == "--report") {
      options.report = true;
    } else if (i + 1 >= argc) {
      return false;
    } else if (option == "--seed" && parseNumber(argv[i + 1], 0, 0xFFFFFFFFL, value)) {
      options.seed = uint32_t(value);
      ++i;
    } else if (option == "--months" && parseNumber(argv[i + 1], 1, 100000000, value)) {
      options.months = int(value);
      ++i;
    } else if (option == "--players" && parseTypes(argv[i + 1], options.types)) {
      ++i;
    } else {
      return false;
    }
  }
  return true;
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
  const auto start = std::chrono::steady_clock::now();
  const SimulationResult result = simulate(options, stdout);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::fflush(stdout);
  if (result.games == 0) {
    std::fputs("nupavane-sim: the land could not be read from gfx.arc\n", stderr);
    return 1;
  }
  std::fprintf(stderr, "%d months, %d games (%d talismans, %d defeats) in %.3f s: %.0f months/s\n", result.months,
               result.games, result.talismans, result.defeats, seconds, result.months / seconds);
  return 0;
}
