// The application object: the window, the 320 x 240 framebuffer, the display properties,
// the input state and the message pump every loop of the game calls. One instance, reached
// through Application::instance() once it is published.
#pragma once

#include "core/String.h"
#include "core/Timer.h"
#include "platform/Platform.h"

#include <cstdint>
#include <memory>
#include <vector>

class Bitmap;
class Screen;
class ScriptRunner;
class SessionRecorder;
class StateWriter;

// Key slots as screens ask for them.
enum KeySlot {
  KeyA = 0,
  KeyB = 1,
  KeyC = 2,
  KeyStart = 3,
  KeyLeft = 4,
  KeyRight = 5,
  KeyUp = 6,
  KeyDown = 7,
};

inline constexpr int kScreenWidth = 320;
inline constexpr int kScreenHeight = 240;
inline constexpr int kScreenPixels = kScreenWidth * kScreenHeight;

class Application {
public:
  // How construction ended.
  enum class OpenResult { Opened, AlreadyRunning, Failed };

  static Application* instance();

  // The construction steps: single-instance check, task bar, window, framebuffer, display
  // and input. On failure a line on standard error names what failed.
  OpenResult open();

  // The game start-up and its screen loop.
  virtual void start() = 0;

  // The message pump: feeds the sound mixer, with present true copies the framebuffer to
  // the panel, runs the script's due lines and drains the window's messages.
  void update(bool present);
  // One step of a loop that waits for the player (a key held or let go, the stylus lifted,
  // a key pressed): the pump without a picture, then a short sleep that input cuts short,
  // so such a loop costs no processor while the sound goes on.
  void idle();
  void clearScreen(uint8_t value);
  uint16_t* getFramebuffer() { return framebuffer_.data(); }

  bool getClick(int* x = nullptr, int* y = nullptr);
  bool waitForClick();
  bool isPenDown() const { return penDown_; }
  void getPenPosition(int& x, int& y) const;
  bool isKeyDown(int slot, bool mapped) const;
  void setKeyMapping(int up, int down, int left, int right);
  void getKeyMapping(int& up, int& down, int& left, int& right) const;
  void setFullScreen(bool hide);

  // A message over the current picture, until the next tap; then `screen` (or, when null,
  // black) is drawn again.
  void showMessage(Screen* screen, const String& text);
  // Lines and one to three buttons: the index of the button pressed and released on the
  // same button, or -1 for a label count outside 1 to 3.
  int askChoice(Screen* screen, const String& text, const String* labels, int count);
  void drawButton(int x, int y, const String& label, bool pressed, uint16_t* framebuffer);

  // The window procedure; returns what the window system expects (0 when handled).
  long windowProc(const platform::WindowMessage& message);

  // While a game runs, closing the window first asks whether to quit; a second close
  // while the question shows ends the program at once.
  void setCloseAsksFirst(bool asks) { closeAsksFirst_ = asks; }
  bool closeAsksFirst() const { return closeAsksFirst_; }

  void setScript(ScriptRunner* script) { script_ = script; }
  // Records the player's input as a script from the first frame on.
  void setRecorder(SessionRecorder* recorder) { recorder_ = recorder; }
  // The application's part of the state dump.
  void writeState(StateWriter& out) const;

  bool turned = true;
  bool soundActive = false;
  bool restartRequested = false;

protected:
  explicit Application(platform::Platform& platform);
  // Not virtual: the application is never deleted through its base.
  ~Application();

private:
  // What the waits of the core do on each step: keep the window alive, watch the stylus.
  class Waits : public WaitHost {
  public:
    explicit Waits(Application& app) : app_(app) {}
    void keepAlive() override { app_.update(false); }
    bool penDown() override { return app_.isPenDown(); }

  private:
    Application& app_;
  };

  bool loadDialogPictures();
  void setWindowIcon();
  void closeDialog(Screen* screen);
  void copyToPanel();
  void mapStylus(uint32_t lParam, int& x, int& y) const;
  void setKeySlot(uint32_t keyCode, uint8_t state);
  void drainMessages();
  void askBeforeClosing();

  platform::Platform& platform_;
  std::vector<uint16_t> framebuffer_;
  platform::DisplayProperties display_;
  platform::KeyList keys_{};
  uint8_t keySlots_[8] = {};
  int mapping_[4] = {5, 4, 6, 7};  // slots of the physical up, down, left, right keys
  int penX_ = 0, penY_ = 0;
  int pressX_ = 0, pressY_ = 0;
  bool penDown_ = false;
  bool clickPending_ = false;
  bool published_ = false;
  bool presented_ = false;
  bool closeAsksFirst_ = false;
  bool closeRequested_ = false;
  bool askingToClose_ = false;
  ScriptRunner* script_ = nullptr;
  SessionRecorder* recorder_ = nullptr;
  Waits waits_{*this};
  std::unique_ptr<Bitmap> dialog_, buttonOff_, buttonOn_;
};
