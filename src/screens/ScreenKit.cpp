#include "screens/ScreenKit.h"

#include "app/Application.h"
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
