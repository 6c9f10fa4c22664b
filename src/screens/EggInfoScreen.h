// The announcement that one of a ruler's eggs hatched: the hatchery with its egg and two
// lines, until a tap.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"
#include "screens/ScreenKit.h"

#include <memory>

class EggInfoScreen : public Screen {
public:
  void getName(String& out) override { out = "EGGINFO"; }
  // param: the ruler's index; -1 (or hidden) releases the pictures.
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  const String& firstLine() const { return lines_.first; }
  const String& secondLine() const { return lines_.second; }

private:
  void setLines(ScreenParam player);
  void release();

  AnnouncementLines lines_;
  std::unique_ptr<Bitmap> background_, egg_, label_;
};
