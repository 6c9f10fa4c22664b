// The credits: shown until a tap or for 15 seconds; then the program ends.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"

#include <memory>

class CreditScreen : public Screen {
public:
  void getName(String& out) override { out = "CREDIT"; }
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  static constexpr uint32_t kShownMs = 15000;

private:
  std::unique_ptr<Bitmap> credits_;
};
