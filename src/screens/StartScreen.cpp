#include "screens/StartScreen.h"

#include "app/Application.h"
#include "app/Version.h"
#include "core/Timer.h"
#include "gfx/FontManager.h"
#include "screens/ScreenKit.h"

#include <cstdio>

namespace {

// The start button's tap area, inclusive.
bool onStartButton(int x, int y) { return x >= 200 && x <= 289 && y >= 180 && y <= 229; }

}  // namespace

void StartScreen::visible(bool on, ScreenParam) {
  pressed_ = false;
  buttonFrame_ = 0;
  if (on) {
    background_ = loadPicture("gfx\\start\\bgn2.jpg");
    char name[32];
    for (int i = 0; i < kButtonFrames; ++i) {
      std::snprintf(name, sizeof name, "gfx\\start\\button%03d.jpg", i);
      buttonFrames_[i] = loadPicture(name);
    }
    playSound(1083);
  } else {
    playSound(1084);
    background_.reset();
    for (auto& frame : buttonFrames_) frame.reset();
  }
}

// Every drawing of this screen is paced by its 40 ms wait, which a tap cuts short.
void StartScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  FontManager::instance().drawText(0, 0, 239, String(kGameVersion), target, AlignLeft);
  if (buttonFrames_[buttonFrame_]) buttonFrames_[buttonFrame_]->draw(200, 182, target);
  if (pressed_) buttonFrame_ = (buttonFrame_ + 1) % kButtonFrames;
  waitOrPen(40);
}

void StartScreen::run(String& next) {
  Application* app = Application::instance();
  pressed_ = false;
  int x = 0, y = 0;
  do {
    do {
      draw(app->getFramebuffer());
      app->update(true);
    } while (!app->getClick());
    playSound(1085);
    app->getPenPosition(x, y);
  } while (!onStartButton(x, y));
  playSound(1086);
  pressed_ = true;
  for (int i = 0; i < kButtonFrames; ++i) {
    draw(app->getFramebuffer());
    app->update(true);
  }
  next = "ROUND";
}
