// Turns SDL's events into what the handheld's window would receive: the mouse becomes the
// stylus, keyboard and gamepad become the device's keys, closing the window becomes
// WM_DESTROY. Keys meant for the desktop window itself (fullscreen, screenshot) and window
// events that need a redraw come back as a request instead of a message.
#pragma once

#include "platform/Platform.h"

#include <SDL.h>

#include <cstdint>
#include <deque>
#include <map>
#include <utility>
#include <vector>

namespace platform::sdl {

enum class WindowRequest { None, ToggleFullscreen, Screenshot, Redraw };

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

private:
  // A physical control that can hold a device key: the keyboard key (by key code) or a
  // button of one pad (by instance id and button).
  using Source = std::pair<int, int64_t>;

  WindowRequest translateKey(const SDL_KeyboardEvent& key, std::deque<WindowMessage>& queue);
  WindowRequest translateWindowEvent(const SDL_WindowEvent& window);
  void translatePadButton(const SDL_ControllerButtonEvent& button, std::deque<WindowMessage>& queue);
  void pressStylus(int x, int y, std::deque<WindowMessage>& queue);
  void dragStylus(int x, int y, std::deque<WindowMessage>& queue);
  void liftStylus(std::deque<WindowMessage>& queue);

  // The device key a keyboard key or a pad button stands for; 0 for none.
  uint32_t deviceKeyForKeyboard(SDL_Keycode key) const;
  uint32_t deviceKeyForPad(uint8_t button) const;

  // Key down for the first source holding a device key, key up when the last lets go,
  // so that two controls on one key (Return and keypad Enter, arrow and D-pad) never
  // release it while the other still holds it. A source already down is a repeat.
  void pressKey(Source source, uint32_t code, std::deque<WindowMessage>& queue);
  void releaseKey(Source source, std::deque<WindowMessage>& queue);
  bool keyHeld(uint32_t code) const;

  void openPad(int deviceIndex);
  void closePad(SDL_JoystickID instance, std::deque<WindowMessage>& queue);

  KeyList keys_;
  std::map<Source, uint32_t> held_;
  std::vector<SDL_GameController*> pads_;
  bool stylusDown_ = false;
  int stylusX_ = 0, stylusY_ = 0;
};

}  // namespace platform::sdl
