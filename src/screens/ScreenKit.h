// Small things every screen does: make a sound (only once the sound system runs), load a
// picture that lives while the screen is shown, and fade the screen to black and back.
#pragma once

#include "gfx/Bitmap.h"

#include <memory>

// Passes a sound event to the sound system while the application has it running.
void playSound(int event);

// A picture from the graphics archive.
std::unique_ptr<Bitmap> loadPicture(const char* name);

// The picture on the screen fades to black in 13 steps, presenting each.
void fadeOutScreen();
// `picture` (320 x 240) fades in from black in 13 steps, presenting each; the last step
// leaves it at 240/256.
void fadeInPicture(const Bitmap& picture);
