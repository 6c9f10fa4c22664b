#include "screens/CreditScreen.h"

#include "app/Application.h"
#include "core/Timer.h"
#include "screens/ScreenKit.h"

#include <algorithm>

void CreditScreen::visible(bool on, ScreenParam) {
  if (on) {
    credits_ = loadPicture("gfx\\start\\names.jpg");
    playSound(1106);
  } else {
    credits_.reset();
    playSound(1107);
  }
}

void CreditScreen::draw(uint16_t* target) {
  if (credits_) credits_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
}

void CreditScreen::run(String& next) {
  Application* app = Application::instance();
  Timer shown;
  draw(app->getFramebuffer());
  for (;;) {
    app->update(true);
    if (app->getClick()) {
      playSound(1108);
      break;
    }
    if (shown.elapsed() >= kShownMs) {
      playSound(1109);
      break;
    }
    draw(app->getFramebuffer());
  }
  next = "__DONE__";
}
