#include "app/Screen.h"

#include "app/Application.h"
#include "gfx/FontManager.h"

#include <algorithm>

Screen::~Screen() = default;

void Screen::visible(bool, ScreenParam) {}

// Shows the screen and ends the game on the next tap.
void Screen::run(String& next) {
  Application* app = Application::instance();
  draw(app->getFramebuffer());
  app->update(true);
  app->waitForClick();
  next = String();
}

void Screen::draw(uint16_t* target) {
  std::fill(target, target + kScreenPixels, uint16_t(0));
  FontManager::instance().drawText(4, 0, 130, String("press the mouse to quit"), target, AlignCentre);
}
