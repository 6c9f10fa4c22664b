#include "platform/sdl/SdlInput.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace platform::sdl {

namespace {

constexpr int kKeyboard = 0;
constexpr int kPad = 1;
constexpr int kWheel = 2;

void post(std::deque<WindowMessage>& queue, uint32_t message, uint32_t wParam, uint32_t lParam) {
  queue.push_back(WindowMessage{message, wParam, lParam});
}

bool insidePicture(int x, int y) {
  return x >= 0 && x < kPictureWidth && y >= 0 && y < kPictureHeight;
}

int64_t padButtonId(SDL_JoystickID instance, uint8_t button) {
  return int64_t(instance) << 8 | button;
}

SDL_JoystickID instanceOf(SDL_GameController* pad) {
  return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
}

}  // namespace

WindowRequest InputTranslator::translate(const SDL_Event& event, std::deque<WindowMessage>& queue) {
  switch (event.type) {
    case SDL_QUIT:
      // The window procedure answers with the quit message; the game ends through its
      // normal exit.
      post(queue, WM_DESTROY, 0, 0);
      return WindowRequest::None;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      return translateKey(event.key, queue);
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.which == SDL_TOUCH_MOUSEID) return WindowRequest::None;
      if (pointerShown_) pointerMoved_ = true;
      pointerShown_ = false;
      if (event.button.button == SDL_BUTTON_LEFT && !padStylus_) pressStylus(event.button.x, event.button.y, queue);
      return WindowRequest::None;
    case SDL_MOUSEMOTION:
      // The mouse is in use again: the pad's pointer goes.
      if (pointerShown_ && !padStylus_) {
        pointerShown_ = false;
        pointerMoved_ = true;
      }
      // A stylus does not hover: only a held button moves it.
      if (stylusDown_ && !padStylus_) dragStylus(event.motion.x, event.motion.y, queue);
      return WindowRequest::None;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT && !padStylus_) liftStylus(queue);
      return WindowRequest::None;
    case SDL_MOUSEWHEEL:
      translateWheel(event.wheel);
      return WindowRequest::None;
    case SDL_CONTROLLERAXISMOTION:
      translatePadAxis(event.caxis);
      return WindowRequest::None;
    case SDL_CONTROLLERDEVICEADDED:
      openPad(event.cdevice.which);
      return WindowRequest::None;
    case SDL_CONTROLLERDEVICEREMOVED:
      closePad(event.cdevice.which, queue);
      return WindowRequest::None;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      translatePadButton(event.cbutton, queue);
      return WindowRequest::None;
    case SDL_WINDOWEVENT:
      return translateWindowEvent(event.window);
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      return WindowRequest::Redraw;
    default:
      return WindowRequest::None;
  }
}

WindowRequest InputTranslator::translateKey(const SDL_KeyboardEvent& key,
                                            std::deque<WindowMessage>& queue) {
  const SDL_Keycode sym = key.keysym.sym;
  const Source source{kKeyboard, sym};
  if (key.state == SDL_RELEASED) {
    releaseKey(source, queue);
    return WindowRequest::None;
  }
  if (key.repeat) return WindowRequest::None;
  // The desktop window's own keys never reach the game.
  const bool enter = sym == SDLK_RETURN || sym == SDLK_KP_ENTER;
  if (sym == SDLK_F11 || (enter && (key.keysym.mod & KMOD_ALT))) return WindowRequest::ToggleFullscreen;
  if (sym == SDLK_F12) return WindowRequest::Screenshot;
  if (uint32_t code = deviceKeyForKeyboard(sym)) pressKey(source, code, queue);
  return WindowRequest::None;
}

WindowRequest InputTranslator::translateWindowEvent(const SDL_WindowEvent& window) {
  switch (window.event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_RESTORED:
      return WindowRequest::Redraw;
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN: return WindowRequest::Minimised;
    case SDL_WINDOWEVENT_FOCUS_LOST: return WindowRequest::Unfocused;
    case SDL_WINDOWEVENT_FOCUS_GAINED: return WindowRequest::Focused;
    default:
      return WindowRequest::None;
  }
}

// A notch of the wheel is a press of a direction key: up and down as the picture scrolls,
// left and right with the horizontal wheel, or with shift held.
void InputTranslator::translateWheel(const SDL_MouseWheelEvent& wheel) {
  int dx = wheel.x, dy = wheel.y;
  if (wheel.direction == SDL_MOUSEWHEEL_FLIPPED) dx = -dx, dy = -dy;
  if (SDL_GetModState() & KMOD_SHIFT) {
    dx = dx != 0 ? dx : -dy;
    dy = 0;
  }
  auto notch = [this](Direction d, int count) {
    for (int i = 0; i < count && int(wheelNotches_.size()) < kMaxWheelNotches; ++i)
      wheelNotches_.push_back(physicalKeyFor(d, keys_));
  };
  notch(dy > 0 ? Direction::Up : Direction::Down, std::abs(dy));
  notch(dx > 0 ? Direction::Right : Direction::Left, std::abs(dx));
}

void InputTranslator::translatePadAxis(const SDL_ControllerAxisEvent& axis) {
  if (axis.axis == SDL_CONTROLLER_AXIS_LEFTX) stickX_ = axis.value;
  else if (axis.axis == SDL_CONTROLLER_AXIS_LEFTY) stickY_ = axis.value;
  else return;
  if (!pointerShown_ && (std::abs(stickX_) > kStickDeadZone || std::abs(stickY_) > kStickDeadZone)) {
    pointerShown_ = true;
    pointerMoved_ = true;
  }
}

namespace {
// Past the dead zone, a stick's push from 0 to 1, squared so that a small push moves finely.
double stickPush(int value) {
  const int travel = std::abs(value) - InputTranslator::kStickDeadZone;
  if (travel <= 0) return 0;
  const double push = std::min(1.0, travel / double(32767 - InputTranslator::kStickDeadZone));
  return (value < 0 ? -1 : 1) * push * push;
}
}  // namespace

void InputTranslator::followPads(uint32_t nowMs, std::deque<WindowMessage>& queue) {
  if (wheelHeld_) {
    releaseKey({kWheel, 0}, queue);
    wheelHeld_ = 0;
  } else if (!wheelNotches_.empty()) {
    wheelHeld_ = wheelNotches_.front();
    wheelNotches_.pop_front();
    pressKey({kWheel, 0}, wheelHeld_, queue);
  }
  // A stall (loading, a minimised window) does not fling the pointer across the picture.
  const double seconds = std::min<uint32_t>(nowMs - lastFollowMs_, 100) / 1000.0;
  lastFollowMs_ = nowMs;
  const double dx = stickPush(stickX_) * kPointerSpeed * seconds;
  const double dy = stickPush(stickY_) * kPointerSpeed * seconds;
  if (dx == 0 && dy == 0) return;
  const int oldX = int(pointerX_), oldY = int(pointerY_);
  pointerX_ = std::clamp(pointerX_ + dx, 0.0, kPictureWidth - 0.001);
  pointerY_ = std::clamp(pointerY_ + dy, 0.0, kPictureHeight - 0.001);
  if (int(pointerX_) == oldX && int(pointerY_) == oldY) return;
  pointerShown_ = true;
  pointerMoved_ = true;
  if (padStylus_) dragStylus(int(pointerX_), int(pointerY_), queue);
}

bool InputTranslator::padPointer(int& x, int& y) const {
  if (!pointerShown_) return false;
  x = int(pointerX_);
  y = int(pointerY_);
  return true;
}

void InputTranslator::translatePadButton(const SDL_ControllerButtonEvent& button,
                                         std::deque<WindowMessage>& queue) {
  // A is the stylus, at the pointer: a tap, or a drag while held.
  if (button.button == SDL_CONTROLLER_BUTTON_A) {
    if (button.state == SDL_PRESSED && !stylusDown_) {
      if (!pointerShown_) pointerMoved_ = true;
      pointerShown_ = true;
      padStylus_ = true;
      pressStylus(int(pointerX_), int(pointerY_), queue);
    } else if (button.state == SDL_RELEASED && padStylus_) {
      padStylus_ = false;
      liftStylus(queue);
    }
    return;
  }
  const Source source{kPad, padButtonId(button.which, button.button)};
  if (button.state == SDL_RELEASED) {
    releaseKey(source, queue);
  } else if (uint32_t code = deviceKeyForPad(button.button)) {
    pressKey(source, code, queue);
  }
}

void InputTranslator::pressStylus(int x, int y, std::deque<WindowMessage>& queue) {
  // The letterbox around the picture is not part of the panel.
  if (!insidePicture(x, y)) return;
  stylusDown_ = true;
  stylusX_ = x;
  stylusY_ = y;
  const uint32_t point = landscapeToLParam(x, y);
  post(queue, WM_MOUSEMOVE, 0, point);
  post(queue, WM_LBUTTONDOWN, 0, point);
}

void InputTranslator::dragStylus(int x, int y, std::deque<WindowMessage>& queue) {
  // A stylus dragged off the picture stays on its edge.
  stylusX_ = std::clamp(x, 0, kPictureWidth - 1);
  stylusY_ = std::clamp(y, 0, kPictureHeight - 1);
  post(queue, WM_MOUSEMOVE, 0, landscapeToLParam(stylusX_, stylusY_));
}

void InputTranslator::liftStylus(std::deque<WindowMessage>& queue) {
  if (!stylusDown_) return;  // pressed in the letterbox
  stylusDown_ = false;
  post(queue, WM_LBUTTONUP, 0, landscapeToLParam(stylusX_, stylusY_));
}

std::vector<std::string> InputTranslator::bindKeys(const std::array<std::string, kHandheldKeyCount>& names) {
  std::vector<std::string> unknown;
  for (int k = 0; k < kHandheldKeyCount; ++k) {
    bound_[k] = SDLK_UNKNOWN;
    if (names[k].empty()) continue;
    const SDL_Keycode code = SDL_GetKeyFromName(names[k].c_str());
    if (code == SDLK_UNKNOWN) unknown.push_back(names[k]);
    bound_[k] = code;
  }
  return unknown;
}

uint32_t InputTranslator::deviceKeyFor(HandheldKey key) const {
  switch (key) {
    case HandheldKey::Up: return physicalKeyFor(Direction::Up, keys_);
    case HandheldKey::Down: return physicalKeyFor(Direction::Down, keys_);
    case HandheldKey::Left: return physicalKeyFor(Direction::Left, keys_);
    case HandheldKey::Right: return physicalKeyFor(Direction::Right, keys_);
    case HandheldKey::A: return keys_.a;
    case HandheldKey::B: return keys_.b;
    case HandheldKey::C: return keys_.c;
    case HandheldKey::Start: return keys_.start;
  }
  return 0;
}

namespace {

// The default desktop key of each handheld key; -1 for a key that stands for none. The
// device lies on its side: the arrows name directions of the landscape picture.
int defaultHandheldKey(SDL_Keycode key) {
  switch (key) {
    case SDLK_UP: return int(HandheldKey::Up);
    case SDLK_DOWN: return int(HandheldKey::Down);
    case SDLK_LEFT: return int(HandheldKey::Left);
    case SDLK_RIGHT: return int(HandheldKey::Right);
    case SDLK_z: return int(HandheldKey::A);
    case SDLK_x: return int(HandheldKey::B);
    case SDLK_c: return int(HandheldKey::C);
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return int(HandheldKey::Start);
    default: return -1;
  }
}

}  // namespace

uint32_t InputTranslator::deviceKeyForKeyboard(SDL_Keycode key) const {
  for (int k = 0; k < kHandheldKeyCount; ++k)
    if (bound_[k] != SDLK_UNKNOWN && bound_[k] == key) return deviceKeyFor(HandheldKey(k));
  const int k = defaultHandheldKey(key);
  // A handheld key the player bound elsewhere no longer answers to its default.
  if (k < 0 || bound_[k] != SDLK_UNKNOWN) return 0;
  return deviceKeyFor(HandheldKey(k));
}

uint32_t InputTranslator::deviceKeyForPad(uint8_t button) const {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return physicalKeyFor(Direction::Right, keys_);
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return physicalKeyFor(Direction::Left, keys_);
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return physicalKeyFor(Direction::Up, keys_);
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return physicalKeyFor(Direction::Down, keys_);
    case SDL_CONTROLLER_BUTTON_B: return keys_.b;
    case SDL_CONTROLLER_BUTTON_X: return keys_.c;
    case SDL_CONTROLLER_BUTTON_START: return keys_.start;
    default: return 0;
  }
}

bool InputTranslator::keyHeld(uint32_t code) const {
  return std::any_of(held_.begin(), held_.end(), [code](const auto& h) { return h.second == code; });
}

void InputTranslator::pressKey(Source source, uint32_t code, std::deque<WindowMessage>& queue) {
  if (held_.count(source)) return;
  const bool first = !keyHeld(code);
  held_.emplace(source, code);
  if (first) post(queue, WM_KEYDOWN, code, 0);
}

void InputTranslator::releaseKey(Source source, std::deque<WindowMessage>& queue) {
  auto it = held_.find(source);
  if (it == held_.end()) return;  // never passed on (a window key) or pressed before focus
  const uint32_t code = it->second;
  held_.erase(it);
  if (!keyHeld(code)) post(queue, WM_KEYUP, code, 0);
}

void InputTranslator::openPresentPads() {
  for (int i = 0; i < SDL_NumJoysticks(); ++i) openPad(i);
}

void InputTranslator::openPad(int deviceIndex) {
  if (!SDL_IsGameController(deviceIndex)) return;
  const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  if (std::any_of(pads_.begin(), pads_.end(), [instance](auto* p) { return instanceOf(p) == instance; }))
    return;
  if (SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex)) {
    pads_.push_back(pad);
  } else {
    std::cerr << "gamepad " << deviceIndex << " could not be opened: " << SDL_GetError() << std::endl;
  }
}

void InputTranslator::closePad(SDL_JoystickID instance, std::deque<WindowMessage>& queue) {
  // A pad pulled out while a button is held lets go of it.
  std::vector<Source> released;
  for (const auto& [source, code] : held_) {
    if (source.first == kPad && (source.second >> 8) == instance) released.push_back(source);
  }
  for (const Source& source : released) releaseKey(source, queue);
  if (padStylus_) {
    padStylus_ = false;
    liftStylus(queue);
  }
  auto it = std::find_if(pads_.begin(), pads_.end(), [instance](auto* p) { return instanceOf(p) == instance; });
  if (it == pads_.end()) return;
  SDL_GameControllerClose(*it);
  pads_.erase(it);
}

void InputTranslator::closePads() {
  for (SDL_GameController* pad : pads_) SDL_GameControllerClose(pad);
  pads_.clear();
}

}  // namespace platform::sdl
