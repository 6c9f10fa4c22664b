// The end of a game won: the closing picture and a two-line message, until a tap.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"

#include <memory>

class WinScreen : public Screen {
public:
  void getName(String& out) override { out = "WINSCREEN"; }
  // param: the address of the message, its two lines parted by "|".
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  const String& firstLine() const { return firstLine_; }
  const String& secondLine() const { return secondLine_; }

private:
  String firstLine_, secondLine_;
  std::unique_ptr<Bitmap> closing_, titleStrip_;
};
