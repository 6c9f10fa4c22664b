// The preferences file "nupavane.conf" in the configuration folder: the desktop's own
// preferences and the game's choices a player makes once. A text file of "key = value"
// lines; blank lines and lines starting with '#' are skipped (a '#' elsewhere is part of
// the value). The keys and their values:
//
//   scale = 3                     window size, 1 to 16 times 320 x 240
//   fullscreen = no               yes or no
//   pause-when-unfocused = yes    yes or no
//   key-up = Up                   key-up, key-down, key-left, key-right, key-a, key-b,
//                                 key-c, key-start: a desktop key by its name
//   music-volume = 100            0 to 100 (percent)
//   effects-volume = 100          0 to 100 (percent)
//   computer = classic            how the computer rulers play: classic or cunning
//
// The command line's options win over the file. A line that is not understood is named on
// standard error and skipped; the rest of the file still counts. settings.dta (the settings
// screen's own file) is a file apart and never touched here.
#pragma once

#include "Options.h"
#include "platform/DesktopPreferences.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>


struct Preferences {
  platform::DesktopPreferences desktop;
  std::optional<ComputerKind> computer;  // not set: the game's own default
};

inline constexpr const char* kPreferencesFileName = "nupavane.conf";

// Reads the file's text. Each line that is not understood adds "LINE: complaint" to
// `complaints` and changes nothing.
Preferences parsePreferences(std::string_view text, std::vector<std::string>& complaints);

// The preferences with the command line's options laid over them.
platform::DesktopPreferences withOptions(platform::DesktopPreferences preferences, const Options& options);
