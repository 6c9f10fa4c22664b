#include "screens/WinScreen.h"

#include "app/Application.h"
#include "gfx/FontManager.h"
#include "screens/ScreenKit.h"

#include <algorithm>

void WinScreen::visible(bool on, ScreenParam param) {
  if (!on || !param) return;
  const String& text = *reinterpret_cast<const String*>(param);
  firstLine_ = text.beforeFirst('|');
  secondLine_ = text.afterFirst('|');
}

void WinScreen::run(String& next) {
  Application* app = Application::instance();
  closing_ = loadPicture("gfx\\final.jpg");
  titleStrip_ = loadPicture("gfx\\hatchery\\label.jpg");
  draw(app->getFramebuffer());
  for (;;) {
    app->update(true);
    if (app->getClick()) break;
    draw(app->getFramebuffer());
  }
  closing_.reset();
  titleStrip_.reset();
  next = String();
}

void WinScreen::draw(uint16_t* target) {
  if (closing_) closing_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
  if (titleStrip_) titleStrip_->draw(31, 143, target);
  const FontManager& fonts = FontManager::instance();
  fonts.drawText(4, 0, 178, firstLine_, target, AlignCentre);
  fonts.drawText(4, 0, 218, secondLine_, target, AlignCentre);
}
