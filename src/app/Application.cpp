#include "app/Application.h"

#include "app/ExitCleanUp.h"
#include "app/Recorder.h"
#include "app/ScreenManager.h"
#include "app/Script.h"
#include "app/StateDump.h"
#include "gfx/Bitmap.h"
#include "sound/Sound.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

Application* published = nullptr;

// The original mapping for the turned picture: the physical up, down, left and right keys
// are read as right, left, up and down.
constexpr int kTurnedMapping[4] = {KeyRight, KeyLeft, KeyUp, KeyDown};

// As long as a step of the core's waits: the mixer's queue outlasts it many times over, and
// a key or a lift is seen within it.
constexpr uint32_t kIdleStepMs = 5;

void restoreTaskBar() {
  if (published) published->setFullScreen(false);
}

void writeState(StateWriter& out) {
  Screen* shown = ScreenManager::instance().runningScreen();
  String name;
  if (shown) shown->getName(name);
  out.put("screen", name.c_str());
  out.put("tick", long(now()));
  if (!published) return;
  published->writeState(out);
}

}  // namespace

Application* Application::instance() { return published; }

Application::Application(platform::Platform& platform)
    : platform_(platform), framebuffer_(kScreenPixels, 0) {}

Application::~Application() {
  if (published == this) published = nullptr;
  setWaitHost(nullptr);
}

Application::OpenResult Application::open() {
  atExitCleanUp(restoreTaskBar);
  // The window does not exist yet: this hides the task bar; the window procedure hides it
  // again whenever the game's window is activated.
  setFullScreen(true);
  if (!platform_.createWindow("nuPavane", platform::kPanelWidth, platform::kPanelHeight)) {
    std::fprintf(stderr, "Application::Application(): ERROR: unable to create the window !\n");
    std::fflush(stderr);
    return OpenResult::Failed;
  }
  // Only a copy that has its window takes the lock: one that cannot show itself must not
  // keep the next correct start out.
  if (platform_.anotherInstanceRunning()) {
    std::fprintf(stderr, "Application::Application(): INFO: another copy of nuPavane is running !\n");
    std::fflush(stderr);
    return OpenResult::AlreadyRunning;
  }
  published_ = true;
  published = this;
  clearScreen(0);
  display_ = platform_.displayProperties();
  keys_ = platform_.defaultKeys();
  turned = true;
  clickPending_ = false;
  penDown_ = false;
  std::fill(std::begin(keySlots_), std::end(keySlots_), 0);
  std::copy(std::begin(kTurnedMapping), std::end(kTurnedMapping), mapping_);
  setWaitHost(&waits_);
  addStateSection(::writeState);
  if (!loadDialogPictures()) {
    std::fprintf(stderr, "Application::Application(): ERROR: unable to create the dialog pictures !\n");
    std::fflush(stderr);
    return OpenResult::Failed;
  }
  setWindowIcon();
  return OpenResult::Opened;
}

// The first ruler's portrait, as the window's icon; without it the desktop's own is kept.
void Application::setWindowIcon() {
  Bitmap portrait(String("gfx\\choose\\p0.bmp"), true);
  if (portrait.getPixels())
    platform_.setWindowIcon(portrait.getPixels(), portrait.getWidth(), portrait.getHeight(), 0xF81F);
}

void Application::update(bool present) {
  if (soundActive) Sound::instance().update();
  if (present) {
    copyToPanel();
    presented_ = true;
    if (script_) script_->framePresented();
  }
  platform_.pump();
  // A script begins with the game's first frame, not while it is still loading; so does a
  // recording, which watches the running screen where a script's `until` looks at it.
  if (script_ && presented_) script_->step();
  if (recorder_ && presented_) {
    Screen* shown = ScreenManager::instance().runningScreen();
    String name;
    if (shown) shown->getName(name);
    recorder_->screenRunning(name.c_str(), now());
  }
  drainMessages();
  // Asked between two frames, over the picture just shown, never in the middle of loading.
  if (present && closeRequested_) askBeforeClosing();
}

void Application::idle() {
  update(false);
  platform_.sleep(kIdleStepMs);
}

void Application::drainMessages() {
  platform::WindowMessage message;
  while (platform_.nextMessage(message)) {
    // The window was closed: the game ends here, through the exit clean-up.
    if (message.message == platform::WM_QUIT) std::exit(int(message.wParam));
    if (recorder_ && presented_) recorder_->message(message, now(), keys_);
    windowProc(message);
  }
}

namespace {

// The picture as it was when the window's close was asked about, to give back afterwards.
class ShownPicture : public Screen {
public:
  explicit ShownPicture(const uint16_t* pixels) : pixels_(pixels, pixels + kScreenPixels) {}
  void getName(String& out) override { out = ""; }
  void draw(uint16_t* target) override { std::copy(pixels_.begin(), pixels_.end(), target); }

private:
  std::vector<uint16_t> pixels_;
};

}  // namespace

// The round screen's own question. "No" gives the picture and the game back as they were
// (the tap that answered is not passed on); "Yes" ends the program through the exit
// clean-up.
void Application::askBeforeClosing() {
  closeRequested_ = false;
  askingToClose_ = true;
  ShownPicture shown(framebuffer_.data());
  const String answers[2] = {String("Yes"), String("No")};
  const int answer = askChoice(&shown, String("Do you really want to quit ?"), answers, 2);
  askingToClose_ = false;
  if (answer == 0) std::exit(0);
  clickPending_ = false;
}

void Application::writeState(StateWriter& out) const {
  out.put("app.turned", long(turned));
  out.put("app.soundActive", long(soundActive));
  out.put("app.restartRequested", long(restartRequested));
  out.put("app.taskBarVisible", long(platform_.taskBarVisible()));
  out.put("app.pen.down", long(penDown_));
  out.put("app.pen.x", penX_);
  out.put("app.pen.y", penY_);
  out.put("app.press.x", pressX_);
  out.put("app.press.y", pressY_);
  out.put("app.clickPending", long(clickPending_));
  out.put("app.askingToClose", long(askingToClose_));
  std::string slots;
  for (uint8_t slot : keySlots_) slots += char('0' + slot);
  out.put("app.keys", slots);
  out.put("app.keyMapping", std::to_string(mapping_[0]) + " " + std::to_string(mapping_[1]) + " " +
                                std::to_string(mapping_[2]) + " " + std::to_string(mapping_[3]));
}

void Application::clearScreen(uint8_t value) {
  std::memset(framebuffer_.data(), value, framebuffer_.size() * sizeof(uint16_t));
}

bool Application::getClick(int* x, int* y) {
  if (!clickPending_) return false;
  clickPending_ = false;
  if (x) *x = pressX_;
  if (y) *y = pressY_;
  penX_ = pressX_;
  penY_ = pressY_;
  return true;
}

bool Application::waitForClick() {
  while (getClick()) update(true);  // presses made before the call do not count
  while (!getClick()) update(true);
  return true;
}

void Application::getPenPosition(int& x, int& y) const {
  x = penX_;
  y = penY_;
}

bool Application::isKeyDown(int slot, bool mapped) const {
  if (slot < 0 || slot > KeyDown) return false;
  if (mapped && slot >= KeyLeft) {
    if (slot == mapping_[0]) slot = KeyUp;
    else if (slot == mapping_[1]) slot = KeyDown;
    else if (slot == mapping_[2]) slot = KeyLeft;
    else if (slot == mapping_[3]) slot = KeyRight;
  }
  return keySlots_[slot] != 0;
}

void Application::setKeyMapping(int up, int down, int left, int right) {
  mapping_[0] = up;
  mapping_[1] = down;
  mapping_[2] = left;
  mapping_[3] = right;
}

void Application::getKeyMapping(int& up, int& down, int& left, int& right) const {
  up = mapping_[0];
  down = mapping_[1];
  left = mapping_[2];
  right = mapping_[3];
}

void Application::setFullScreen(bool hide) { platform_.setTaskBarVisible(!hide); }

long Application::windowProc(const platform::WindowMessage& message) {
  using namespace platform;
  if (!published_) return 0;
  switch (message.message) {
    case WM_CREATE:
    case WM_ACTIVATE:
    case WM_ENABLE:
    case WM_SETTINGCHANGE:
      setFullScreen(true);
      return 0;
    case WM_DESTROY:
      if (closeAsksFirst_ && !askingToClose_) closeRequested_ = true;
      else platform_.postMessage({WM_QUIT, 0, 0});
      return 0;
    case WM_KEYDOWN:
      if (message.wParam == keys_.a) keySlots_[KeyA] = 1;
      else if (message.wParam == keys_.b) keySlots_[KeyB] = 1;
      else if (message.wParam == keys_.c) keySlots_[KeyC] = 1;
      else if (message.wParam == keys_.start) keySlots_[KeyStart] = 1;
      setKeySlot(message.wParam, 1);
      return 0;
    case WM_KEYUP:
      setKeySlot(message.wParam, 0);
      return 0;
    case WM_MOUSEMOVE:
      mapStylus(message.lParam, penX_, penY_);
      return 0;
    case WM_LBUTTONDOWN:
      mapStylus(message.lParam, pressX_, pressY_);
      clickPending_ = true;
      penDown_ = true;
      return 0;
    case WM_LBUTTONUP:
      penDown_ = false;
      return 0;
    default:
      return 0;
  }
}

// The direction keys set their slot while held; A, B, C and start only ever set theirs.
void Application::setKeySlot(uint32_t keyCode, uint8_t state) {
  if (keyCode == keys_.left) keySlots_[KeyLeft] = state;
  else if (keyCode == keys_.right) keySlots_[KeyRight] = state;
  else if (keyCode == keys_.up) keySlots_[KeyUp] = state;
  else if (keyCode == keys_.down) keySlots_[KeyDown] = state;
}

// The stylus reports a window-relative portrait point; the window lies 26 pixels above the
// panel while the task bar is hidden, hence 345 = 319 + 26.
void Application::mapStylus(uint32_t lParam, int& x, int& y) const {
  int px = int(lParam & 0xFFFFu);
  int py = int(lParam >> 16);
  if (turned) {
    x = std::clamp(345 - py, 0, kScreenWidth - 1);
    y = px;
  } else {
    x = py - platform::kTaskBarHeight;
    y = 240 - px;
  }
}
