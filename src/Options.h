// The program's command line.
#pragma once

#include "players/ComputerKind.h"

#include <cstdint>
#include <optional>
#include <string>

struct Options {
  bool help = false;
  bool version = false;
  bool headless = false;
  std::string script;               // --script FILE
  std::string record;               // --record FILE
  std::optional<uint32_t> seed;     // --seed N
  int fps = 60;                     // --fps N
  std::optional<int> scale;         // --scale N (else the preferences' scale)
  std::optional<bool> fullscreen;   // --fullscreen, --windowed (else the preferences')
  bool noSound = false;             // --no-sound
  std::string screenshotDir;        // --screenshot-dir DIR
  int displayType = 1;              // --display-type N (headless panel layout)
  std::optional<ComputerKind> computer;  // --computer classic|cunning (or the preference)
  std::string dataDir;              // --data-dir DIR: where the archives are read
  std::string saveDir;              // --save-dir DIR: where every file the game writes goes
};

// False with a complaint in `error` when the command line is not understood.
bool parseOptions(int argc, const char* const* argv, Options& options, std::string& error);

const char* usageText();
