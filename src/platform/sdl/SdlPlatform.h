// The desktop backend: the handheld's panel shown in an SDL2 window, upright and landscape,
// with mouse, keyboard and gamepad turned into the device's stylus and buttons.
// This header stays free of SDL so that the program entry can include it.
#pragma once

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
  bool pauseWhenUnfocused = true;  // hold the game and its music while another window has the focus
};

// Opens SDL's video and game controller subsystems. Null, with the reason in `error`, when
// there is no display to open a window on.
std::unique_ptr<Platform> createDesktopPlatform(const DesktopOptions& options, std::string& error);

}  // namespace platform
