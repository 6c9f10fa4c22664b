// The handheld's platform services, emulated. The game talks only to this interface:
// a window with a message queue, the game display library's panel, the task bar, a
// millisecond tick counter and a message box. Two backends implement it: the desktop
// (SDL2 window, mouse, keyboard, gamepad) and headless (virtual clock, scripted input).
// No file outside src/platform/ includes SDL or an operating-system header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// Window messages, numbered as the handheld's window system numbers them.
enum : uint32_t {
  WM_NULL = 0,
  WM_CREATE = 1,
  WM_DESTROY = 2,
  WM_ACTIVATE = 6,
  WM_ENABLE = 10,
  WM_QUIT = 18,
  WM_SETTINGCHANGE = 26,
  WM_KEYDOWN = 256,
  WM_KEYUP = 257,
  WM_MOUSEMOVE = 512,
  WM_LBUTTONDOWN = 513,
  WM_LBUTTONUP = 514,
};

struct WindowMessage {
  uint32_t message = WM_NULL;
  uint32_t wParam = 0;
  uint32_t lParam = 0;
};

// What the game display library reports of the panel. Pitches are in bytes and may be
// negative: portrait pixel (px, py) lies at panel origin + px * xPitch + py * yPitch.
struct DisplayProperties {
  int bitsPerPixel = 16;
  int xPitch = 2;
  int yPitch = 480;
};

// Hardware key codes of the portrait device: its up, down, left, right, A, B, C, start.
struct KeyList {
  uint32_t up, down, left, right, a, b, c, start;
};

// The codes our emulated device reports (those of the handheld's direction keys and its
// application buttons).
inline constexpr KeyList kDeviceKeys{0x26, 0x28, 0x25, 0x27, 0xC1, 0xC2, 0xC3, 0x86};

inline constexpr int kPanelWidth = 240;   // portrait
inline constexpr int kPanelHeight = 320;
inline constexpr int kPictureWidth = 320;  // landscape, as the player sees it
inline constexpr int kPictureHeight = 240;

// The game's window lies this many pixels above the panel while the task bar is hidden.
inline constexpr int kTaskBarHeight = 26;

// A window-relative portrait point packed as the window procedure receives it.
constexpr uint32_t packPoint(int px, int py) {
  return (uint32_t(px) & 0xFFFFu) | (uint32_t(py) & 0xFFFFu) << 16;
}

// A point of the landscape picture (x from the left, y from the top, as the device is held)
// turned into the window-relative portrait point the stylus reports. Both backends feed the
// mouse and scripted taps through this, so the window procedure's mapping runs as written.
constexpr uint32_t landscapeToLParam(int x, int y) {
  return packPoint(y, kPictureWidth - 1 + kTaskBarHeight - x);
}

// The landscape point a window-relative portrait point stands for: the inverse of
// landscapeToLParam, clamped to the picture.
constexpr void lParamToLandscape(uint32_t lParam, int& x, int& y) {
  const int px = int(lParam & 0xFFFFu), py = int(lParam >> 16);
  x = kPictureWidth - 1 + kTaskBarHeight - py;
  x = x < 0 ? 0 : x > kPictureWidth - 1 ? kPictureWidth - 1 : x;
  y = px < 0 ? 0 : px > kPictureHeight - 1 ? kPictureHeight - 1 : px;
}

// Which physical key of the portrait device a player presses for a direction of the
// landscape picture: the device lies on its side, so right is the device's up key.
enum class Direction { Up, Down, Left, Right };
uint32_t physicalKeyFor(Direction d, const KeyList& keys);

// The landscape picture the window shows for a panel: window pixel (X, Y) shows panel row
// 319 - X, column Y. `out` receives 320 x 240 RGB565 pixels, row by row.
void panelToLandscape(const uint8_t* origin, const DisplayProperties& props, uint16_t* out);

class Platform {
public:
  virtual ~Platform() = default;

  // Creates the game's window (portrait width x height) and shows it; its first message,
  // WM_ACTIVATE, waits in the queue. Application construction, first.
  virtual bool createWindow(const char* className, int width, int height) = 0;

  // True when another copy of the game already has its window (the desktop holds a lock
  // beside the program). Application construction, once the window exists.
  virtual bool anotherInstanceRunning() = 0;

  // Gathers what happened since the last call into the message queue: desktop events on
  // the desktop, one fixed step of virtual time headless. Application::update, once a pump.
  virtual void pump() = 0;

  // Takes the next message from the queue. Application::update's drain.
  virtual bool nextMessage(WindowMessage& out) = 0;

  // Appends a message to the queue. The window procedure (WM_QUIT) and scripted input.
  virtual void postMessage(const WindowMessage& message) = 0;

  // GXGetDisplayProperties and GXGetDefaultKeys. Application construction.
  virtual DisplayProperties displayProperties() = 0;
  virtual KeyList defaultKeys() = 0;

  // GXBeginDraw: the panel memory at its portrait origin. GXEndDraw: the panel is shown;
  // presentation is paced to the frame rate. Application::update (present true).
  virtual uint8_t* beginDraw() = 0;
  virtual void endDraw() = 0;

  // The shell's task bar; recorded, with no effect on a desktop. Application::setFullScreen.
  virtual void setTaskBarVisible(bool shown) = 0;
  virtual bool taskBarVisible() const = 0;

  // GetTickCount: milliseconds, 32 bits, wrapping. Timer, now.
  virtual uint32_t tickCount() = 0;

  // Lets about `ms` milliseconds pass without spinning: the desktop sleeps (waking early
  // on input), headless advances its clock. wait, waitOrPen.
  virtual void sleep(uint32_t ms) = 0;

  // A plain message box (out of memory). Never returns before the user saw it.
  virtual void messageBox(const char* text) = 0;

  // Writes the picture the window shows now as a PNG file. Scripted `shot`, F12.
  virtual bool saveScreenshot(const std::string& path) = 0;

  // The window's icon: RGB565 pixels row by row, `key` marking the transparent ones.
  // Application construction, once the pictures can be read.
  virtual void setWindowIcon(const uint16_t* pixels, int width, int height, uint16_t key) {
    (void)pixels, (void)width, (void)height, (void)key;
  }

  // Audio output: a queue of signed 16-bit samples, `channels` interleaved, at `rate`
  // frames a second, which the device plays as it drains. The sound system's mixer fills
  // it from the pump. A backend without a device answers false, and the game plays
  // silently. The sound system.
  virtual bool openAudio(int rate, int channels) { (void)rate, (void)channels; return false; }
  virtual void queueAudio(const void* samples, size_t bytes) { (void)samples, (void)bytes; }
  // Bytes queued and not yet played.
  virtual size_t queuedAudioBytes() { return 0; }
  virtual void closeAudio() {}
};

// The running backend, set once by the program entry (or a test).
Platform& current();
void setCurrent(Platform* platform);

}  // namespace platform
