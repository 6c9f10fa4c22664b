#include "screens/WinScreen.h"

#include "app/Application.h"
#include "screens/ScreenKit.h"

#include <algorithm>

// The pictures are loaded when the screen is shown, so that it fades in with them rather
// than fading in black and popping up at full brightness when it runs.
void WinScreen::visible(bool on, ScreenParam param) {
  if (!on) return;
  loadPictures();
  if (param) lines_.split(*reinterpret_cast<const String*>(param));
}

void WinScreen::loadPictures() {
  if (!closing_) closing_ = loadPicture("gfx\\final.jpg");
  if (!titleStrip_) titleStrip_ = loadPicture("gfx\\hatchery\\label.jpg");
}

// A tap made while the message faded in does not end it: it waits for a fresh one.
void WinScreen::run(String& next) {
  loadPictures();
  showUntilTap(*this);
  closing_.reset();
  titleStrip_.reset();
  next = String();
}

void WinScreen::draw(uint16_t* target) {
  if (closing_) closing_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
  lines_.draw(target, titleStrip_.get(), 143);
}
