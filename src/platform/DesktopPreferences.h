// What only the desktop has: the window's size and fullscreen, pausing when the window
// loses the focus, the desktop keys of the handheld's eight keys, and the loudness of the
// music and the effects. The program entry reads them from the preferences file
// (Preferences.h) and hands them to the desktop backend.
#pragma once

#include <array>
#include <string>

namespace platform {

// The handheld's eight keys, in the order the preferences bind them: the four directions
// as the player sees the picture, then A, B, C and start.
enum class HandheldKey { Up, Down, Left, Right, A, B, C, Start };
inline constexpr int kHandheldKeyCount = 8;

struct DesktopPreferences {
  int scale = 3;                   // the window's starting size, times 320 x 240 (1 to 16)
  bool fullscreen = false;         // start in fullscreen
  bool pauseWhenUnfocused = true;  // the game waits while another window has the focus
  // The desktop key of each handheld key (indexed by HandheldKey), by its SDL key name
  // ("Up", "Z", "Return", "Space", "Keypad 8"); empty: the default key of the README.
  std::array<std::string, kHandheldKeyCount> keys;
  int musicVolume = 100;    // percent of the music's own loudness
  int effectsVolume = 100;  // percent of the effects' own loudness
};

}  // namespace platform
