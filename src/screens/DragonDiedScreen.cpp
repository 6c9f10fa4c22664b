#include "screens/DragonDiedScreen.h"

#include "app/Application.h"
#include "gfx/FontManager.h"
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
  const String& message = *reinterpret_cast<const String*>(param);
  firstLine_ = message.beforeFirst('|');
  secondLine_ = message.afterFirst('|');
}

void DragonDiedScreen::run(String& next) {
  Application* app = Application::instance();
  app->getClick();  // a tap made before the announcement showed does not dismiss it
  do {
    draw(app->getFramebuffer());
    app->update(true);
  } while (!app->getClick());
  playSound(1117);
  next = String();
}

void DragonDiedScreen::draw(uint16_t* target) {
  if (picture_) picture_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
  if (label_) label_->draw(31, 70, target);
  const FontManager& fonts = FontManager::instance();
  fonts.drawText(4, 0, 105, firstLine_, target, AlignCentre);
  fonts.drawText(4, 0, 145, secondLine_, target, AlignCentre);
}
