#include "screens/WinScreen.h"

#include "app/Application.h"
#include "screens/ScreenKit.h"

#include <algorithm>

void WinScreen::visible(bool on, ScreenParam param) {
  if (!on || !param) return;
  lines_.split(*reinterpret_cast<const String*>(param));
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
  lines_.draw(target, titleStrip_.get(), 143);
}
