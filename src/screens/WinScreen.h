// The end of a game won: the closing picture and a two-line message, until a tap.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"
#include "screens/ScreenKit.h"

#include <memory>

class WinScreen : public Screen {
public:
  void getName(String& out) override { out = "WINSCREEN"; }
  // param: the address of the message, its two lines parted by "|".
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  const String& firstLine() const { return lines_.first; }
  const String& secondLine() const { return lines_.second; }

private:
  void loadPictures();

  AnnouncementLines lines_;
  std::unique_ptr<Bitmap> closing_, titleStrip_;
};
