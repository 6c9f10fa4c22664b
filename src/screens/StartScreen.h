// The title screen: it waits for the start button, which runs its animation once.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"

#include <memory>

class StartScreen : public Screen {
public:
  void getName(String& out) override { out = "START"; }
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  static constexpr int kButtonFrames = 12;

private:
  bool pressed_ = false;
  int buttonFrame_ = 0;
  std::unique_ptr<Bitmap> background_;
  std::unique_ptr<Bitmap> buttonFrames_[kButtonFrames];
};
