// Small things every screen does: make a sound (only once the sound system runs), load a
// picture that lives while the screen is shown, and fade the screen to black and back.
#pragma once

#include "app/Screen.h"
#include "core/String.h"
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

// The announcements (a won game, a dead dragon, a hatched egg) show two lines on the
// hatchery's label strip.
struct AnnouncementLines {
  String first, second;
  // The message handed to an announcement: its two lines parted by the first "|" (the
  // second is empty without one).
  void split(const String& message);
  // The label at (31, labelTop), the lines in font 4 centred on the rows 35 and 75 below.
  void draw(uint16_t* target, const Bitmap* label, int labelTop) const;
};

// Draws the screen and presents it until a tap; a tap made before the screen showed does
// not count.
void showUntilTap(Screen& screen);
