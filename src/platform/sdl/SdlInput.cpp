#include "platform/sdl/SdlInput.h"

#include <algorithm>
#include <iostream>

namespace platform::sdl {

namespace {

constexpr int kKeyboard = 0;
constexpr int kPad = 1;

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
      if (event.button.button == SDL_BUTTON_LEFT) pressStylus(event.button.x, event.button.y, queue);
      return WindowRequest::None;
    case SDL_MOUSEMOTION:
      // A stylus does not hover: only a held button moves it.
      if (stylusDown_) dragStylus(event.motion.x, event.motion.y, queue);
      return WindowRequest::None;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT) liftStylus(queue);
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
    default:
      return WindowRequest::None;
  }
}

void InputTranslator::translatePadButton(const SDL_ControllerButtonEvent& button,
                                         std::deque<WindowMessage>& queue) {
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

uint32_t InputTranslator::deviceKeyForKeyboard(SDL_Keycode key) const {
  // The device lies on its side: the arrows name directions of the landscape picture.
  switch (key) {
    case SDLK_RIGHT: return physicalKeyFor(Direction::Right, keys_);
    case SDLK_LEFT: return physicalKeyFor(Direction::Left, keys_);
    case SDLK_UP: return physicalKeyFor(Direction::Up, keys_);
    case SDLK_DOWN: return physicalKeyFor(Direction::Down, keys_);
    case SDLK_z: return keys_.a;
    case SDLK_x: return keys_.b;
    case SDLK_c: return keys_.c;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return keys_.start;
    default: return 0;
  }
}

uint32_t InputTranslator::deviceKeyForPad(uint8_t button) const {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return physicalKeyFor(Direction::Right, keys_);
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return physicalKeyFor(Direction::Left, keys_);
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return physicalKeyFor(Direction::Up, keys_);
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return physicalKeyFor(Direction::Down, keys_);
    case SDL_CONTROLLER_BUTTON_A: return keys_.a;
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
