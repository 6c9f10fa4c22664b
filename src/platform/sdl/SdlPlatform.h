// The desktop backend: the handheld's panel shown in an SDL2 window, upright and landscape,
// with mouse, keyboard and gamepad turned into the device's stylus and buttons.
// This header stays free of SDL so that the program entry can include it.
#pragma once

#include "platform/DesktopPreferences.h"
#include "platform/Platform.h"

#include <memory>
#include <string>

namespace platform {

struct DesktopOptions {
  int scale = 3;             // integer window scale of the 320 x 240 picture
  bool fullscreen = false;   // start in desktop fullscreen
  int fps = 60;              // presentation cap, frames per second
  std::string screenshotDir = ".";  // where F12 writes its pictures
  std::string lockPath;      // the single-instance lock file
  bool pauseWhenUnfocused = true;  // the game waits while another window has the focus
  // The desktop key of each handheld key, indexed by HandheldKey, by SDL key name
  // (SDL_GetKeyFromName); empty: the default key.
  std::array<std::string, kHandheldKeyCount> keys;
};

// What `error` says when no display is named at all.
inline constexpr const char* kNoDisplay = "no display";

// Opens SDL's video and game controller subsystems. Null, with the reason in `error` (one
// line naming the display), when there is no display to open a window on.
std::unique_ptr<Platform> createDesktopPlatform(const DesktopOptions& options, std::string& error);

}  // namespace platform
