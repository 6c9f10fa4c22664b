#include "screens/DragonDiedScreen.h"

#include "app/Application.h"
#include "screens/ScreenKit.h"

#include <algorithm>

void DragonDiedScreen::visible(bool on, ScreenParam param) {
  if (!on) {
    playSound(1116);
    picture_.reset();
    label_.reset();
    return;
  }
  playSound(1115);
  picture_ = loadPicture("gfx\\cellar\\stats\\dragon_dead.jpg");
  label_ = loadPicture("gfx\\hatchery\\label.jpg");
  // Shown again without a message (-1, or none at all): the lines stay as they were.
  if (param == 0 || param == -1) return;
  lines_.split(*reinterpret_cast<const String*>(param));
}

void DragonDiedScreen::run(String& next) {
  showUntilTap(*this);
  playSound(1117);
  next = String();
}

void DragonDiedScreen::draw(uint16_t* target) {
  if (picture_) picture_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
  lines_.draw(target, label_.get(), 70);
}
