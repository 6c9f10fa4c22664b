// A full-screen mode of the game (castle, shop, hatchery...). Screens never call each
// other: a screen's run ends by naming the next one, or it was opened modally by another.
#pragma once

#include "core/String.h"

#include <cstdint>

// One machine word: most screens read an integer; announcement screens read the address
// of a String their caller keeps alive during the call.
using ScreenParam = intptr_t;

class Screen {
public:
  virtual ~Screen();
  // The name the screen is registered under ("CASTLE").
  virtual void getName(String& out) = 0;
  // on: the screen becomes current and prepares itself from param (pictures, state).
  // off (param -1): it is left and releases what it prepared.
  virtual void visible(bool on, ScreenParam param);
  // The screen's own loop; returns the next screen's name in `next`.
  virtual void run(String& next);
  // Draws the whole screen into a 320 x 240 buffer in framebuffer order.
  virtual void draw(uint16_t* target);
};
