#include "screens/ScreenKit.h"

#include "app/Application.h"
#include "gfx/FontManager.h"
#include "sound/Sound.h"

#include <algorithm>

void playSound(int event) {
  if (Application::instance()->soundActive) Sound::instance().play(event);
}

std::unique_ptr<Bitmap> loadPicture(const char* name) { return std::make_unique<Bitmap>(String(name), true); }

void fadeOutScreen() {
  Application* app = Application::instance();
  Bitmap shown(kScreenWidth, kScreenHeight);
  std::copy(app->getFramebuffer(), app->getFramebuffer() + kScreenPixels, shown.getPixels());
  for (int a = 255; a > -1; a -= 20) {
    shown.drawFaded(0, 0, app->getFramebuffer(), a);
    app->update(true);
  }
}

void fadeInPicture(const Bitmap& picture) {
  Application* app = Application::instance();
  for (int a = 0; a < 256; a += 20) {
    picture.drawFaded(0, 0, app->getFramebuffer(), a);
    app->update(true);
  }
}

void AnnouncementLines::split(const String& message) {
  first = message.beforeFirst('|');
  second = message.afterFirst('|');
}

void AnnouncementLines::draw(uint16_t* target, const Bitmap* label, int labelTop) const {
  if (label) label->draw(31, labelTop, target);
  const FontManager& fonts = FontManager::instance();
  fonts.drawText(4, 0, labelTop + 35, first, target, AlignCentre);
  fonts.drawText(4, 0, labelTop + 75, second, target, AlignCentre);
}

void showUntilTap(Screen& screen) {
  Application* app = Application::instance();
  app->getClick();
  do {
    screen.draw(app->getFramebuffer());
    app->update(true);
  } while (!app->getClick());
}
