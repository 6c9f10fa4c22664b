// Turns SDL's events into what the handheld's window would receive: the mouse becomes the
// stylus, keyboard and gamepad become the device's keys, closing the window becomes
// WM_DESTROY. Keys meant for the desktop window itself (fullscreen, screenshot) and window
// events that need a redraw come back as a request instead of a message.
#pragma once

#include "platform/DesktopPreferences.h"
#include "platform/Platform.h"

#include <SDL.h>

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace platform::sdl {

enum class WindowRequest { None, ToggleFullscreen, Screenshot, Redraw, Minimised, Unfocused, Focused };

class InputTranslator {
public:
  explicit InputTranslator(const KeyList& keys) : keys_(keys) {}
  InputTranslator(const InputTranslator&) = delete;
  InputTranslator& operator=(const InputTranslator&) = delete;

  // Appends the messages `event` means to `queue` and says what the window must do.
  WindowRequest translate(const SDL_Event& event, std::deque<WindowMessage>& queue);

  // Opens every game controller already plugged in (they also arrive as device-added
  // events; a pad is opened once whichever comes first).
  void openPresentPads();
  // Closes the open pads. Only while SDL still runs: SDL_Quit closes them itself.
  void closePads();

  bool stylusDown() const { return stylusDown_; }

  // The player's own desktop keys for the handheld's keys, by SDL key name (indexed by
  // HandheldKey; empty keeps the default). A bound key replaces the default one; the names
  // SDL does not know come back, and their keys keep their defaults.
  std::vector<std::string> bindKeys(const std::array<std::string, kHandheldKeyCount>& names);

  // Once a pump: moves the gamepad's pointer by its left stick for the time since the last
  // call (a drag while A is held), and lets go of a direction the mouse wheel pressed, so
  // that every notch is one press the game sees for at least a frame.
  void followPads(uint32_t nowMs, std::deque<WindowMessage>& queue);
  // True once after the pad's pointer moved or appeared.
  bool pointerMoved() { return std::exchange(pointerMoved_, false); }
  // Where the pad's pointer is, in picture pixels; false while the mouse is in use.
  bool padPointer(int& x, int& y) const;

  // The pointer moves this many picture pixels a second with the stick pushed all the way.
  static constexpr double kPointerSpeed = 240;
  // Stick travel below this is the stick's own play, not the player's push.
  static constexpr int kStickDeadZone = 8000;
  // Notches beyond this many waiting are dropped: a flick must not scroll for seconds.
  static constexpr int kMaxWheelNotches = 8;

private:
  // A physical control that can hold a device key: the keyboard key (by key code) or a
  // button of one pad (by instance id and button).
  using Source = std::pair<int, int64_t>;

  WindowRequest translateKey(const SDL_KeyboardEvent& key, std::deque<WindowMessage>& queue);
  WindowRequest translateWindowEvent(const SDL_WindowEvent& window);
  void translatePadButton(const SDL_ControllerButtonEvent& button, std::deque<WindowMessage>& queue);
  void translateWheel(const SDL_MouseWheelEvent& wheel);
  void translatePadAxis(const SDL_ControllerAxisEvent& axis);
  void pressStylus(int x, int y, std::deque<WindowMessage>& queue);
  void dragStylus(int x, int y, std::deque<WindowMessage>& queue);
  void liftStylus(std::deque<WindowMessage>& queue);

  // The device key a keyboard key or a pad button stands for; 0 for none.
  uint32_t deviceKeyForKeyboard(SDL_Keycode key) const;
  uint32_t deviceKeyForPad(uint8_t button) const;
  uint32_t deviceKeyFor(HandheldKey key) const;

  // Key down for the first source holding a device key, key up when the last lets go,
  // so that two controls on one key (Return and keypad Enter, arrow and D-pad) never
  // release it while the other still holds it. A source already down is a repeat.
  void pressKey(Source source, uint32_t code, std::deque<WindowMessage>& queue);
  void releaseKey(Source source, std::deque<WindowMessage>& queue);
  bool keyHeld(uint32_t code) const;

  void openPad(int deviceIndex);
  void closePad(SDL_JoystickID instance, std::deque<WindowMessage>& queue);

  KeyList keys_;
  std::array<SDL_Keycode, kHandheldKeyCount> bound_{};  // SDLK_UNKNOWN: the default key
  std::map<Source, uint32_t> held_;
  std::vector<SDL_GameController*> pads_;
  bool stylusDown_ = false;
  int stylusX_ = 0, stylusY_ = 0;

  // The wheel's notches not yet passed on, and the direction key one of them holds now.
  std::deque<uint32_t> wheelNotches_;
  uint32_t wheelHeld_ = 0;

  // The pad's pointer: shown from the first push of a stick or press of A until the mouse
  // moves; the stick's last position; the A button holding the stylus.
  bool pointerShown_ = false;
  bool pointerMoved_ = false;
  double pointerX_ = kPictureWidth / 2.0, pointerY_ = kPictureHeight / 2.0;
  int stickX_ = 0, stickY_ = 0;
  uint32_t lastFollowMs_ = 0;
  bool padStylus_ = false;
};

}  // namespace platform::sdl
