// The program's command line.
#pragma once

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
  int scale = 3;                    // --scale N
  bool fullscreen = false;          // --fullscreen
  bool noSound = false;             // --no-sound
  std::string screenshotDir;        // --screenshot-dir DIR
  int displayType = 1;              // --display-type N (headless panel layout)
};

// False with a complaint in `error` when the command line is not understood.
bool parseOptions(int argc, const char* const* argv, Options& options, std::string& error);

const char* usageText();
