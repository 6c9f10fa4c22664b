// The intro: a flight over the land, then the two makers' logos, with no input at all.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"

#include <memory>

class IntroScreen : public Screen {
public:
  void getName(String& out) override { out = "INTRO"; }
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  static constexpr int kFlightFrames = 50;

private:
  void showLogo(const Bitmap& logo);

  std::unique_ptr<Bitmap> firstLogo_, secondLogo_;
};
