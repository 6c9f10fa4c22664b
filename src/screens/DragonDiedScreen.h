// The announcement of a dragon's death: the dead dragon and two lines, until a tap. Opened
// by the month's processing, often with no screen to return to.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"
#include "screens/ScreenKit.h"

#include <memory>

class DragonDiedScreen : public Screen {
public:
  void getName(String& out) override { out = "DRAGONDIED"; }
  // param: the address of the message, its two lines parted by the first "|".
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  const String& firstLine() const { return lines_.first; }
  const String& secondLine() const { return lines_.second; }

private:
  AnnouncementLines lines_;
  std::unique_ptr<Bitmap> picture_, label_;
};
