#include "app/ScreenManager.h"

#include "app/Application.h"
#include "gfx/Colour.h"

#include <vector>

namespace {
const String kDone("__DONE__");
}

// Never destroyed: the exit clean-up still empties it after static objects are gone.
ScreenManager& ScreenManager::instance() {
  static ScreenManager* manager = new ScreenManager();
  return *manager;
}

bool ScreenManager::addScreen(const String& name, Screen* screen) {
  if (count_ >= kCapacity || findScreen(name)) return false;
  names_[count_] = name;
  screens_[count_] = screen;
  ++count_;
  return true;
}

Screen* ScreenManager::findScreen(const String& name) const {
  for (int i = 0; i < count_; ++i)
    if (names_[i].equals(name)) return screens_[i];
  return nullptr;
}

void ScreenManager::clear() {
  for (int i = 0; i < count_; ++i) {
    names_[i] = String();
    screens_[i] = nullptr;
  }
  count_ = 0;
  current_ = running_ = nullptr;
}

// The old picture fades out in 13 steps (255, 235, ... 15), then the new screen fades in
// (0, 20, ... 240), redrawn off-screen on every step so that its animations keep moving.
// The last step leaves 240/256 brightness; the screen's own run redraws at full.
void ScreenManager::showScreen(Screen* screen, bool fade, ScreenParam param) {
  Application* app = Application::instance();
  screen->visible(true, param);
  uint16_t* framebuffer = app->getFramebuffer();
  if (!fade) {
    screen->draw(framebuffer);
    return;
  }
  std::vector<uint16_t> offscreen(framebuffer, framebuffer + kScreenPixels);
  for (int a = 255; a > -1; a -= 20) {
    fadePixels(offscreen.data(), framebuffer, kScreenPixels, a);
    app->update(true);
  }
  for (int a = 0; a < 256; a += 20) {
    screen->draw(offscreen.data());
    fadePixels(offscreen.data(), framebuffer, kScreenPixels, a);
    app->update(true);
  }
}

void ScreenManager::runScreens(const String& name, ScreenParam param) {
  current_ = findScreen(name);
  while (current_) {
    showScreen(current_, true, param);
    running_ = current_;
    String next;
    current_->run(next);
    // The last screen is not told it was left.
    if (next.length() == 0 || next.equals(kDone)) return;
    current_->visible(false, -1);
    current_ = findScreen(next);
    running_ = nullptr;
  }
}

bool ScreenManager::callScreen(Screen* caller, const String& name, ScreenParam param) {
  Screen* target = findScreen(name);
  if (!target) return false;
  Screen* before = running_;
  showScreen(target, true, param);
  if (caller) caller->visible(false, -1);
  running_ = target;
  String ignored;
  target->run(ignored);
  target->visible(false, -1);
  if (caller) showScreen(caller, true, -1);
  running_ = before;
  return true;
}
