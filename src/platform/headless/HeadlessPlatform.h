// The headless backend: the same panel and messages without a window. Input is posted by
// a script or a test; time is virtual and moves only when the game pumps (a fixed step per
// pump, a frame period per present, a whole sleep at once), so a run with a fixed seed is
// reproducible to the bit whatever the machine's load.
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace platform {

struct HeadlessOptions {
  int displayType = 1;        // panel layout 1, 2 or 3
  int bitsPerPixel = 16;      // another depth makes the game run blind, as on such a panel
  int fps = 60;               // virtual frame period
  uint32_t startTick = 0;     // tick count at start (tests set it near the wrap)
  bool anotherInstance = false;  // pretend another copy runs
  std::string frameDir;       // when set, every changed frame is written there as PNG
};

class HeadlessPlatform : public Platform {
public:
  explicit HeadlessPlatform(const HeadlessOptions& options = {});

  bool anotherInstanceRunning() override { return options_.anotherInstance; }
  bool createWindow(const char* className, int width, int height) override;
  void pump() override;
  bool nextMessage(WindowMessage& out) override;
  void postMessage(const WindowMessage& message) override;
  DisplayProperties displayProperties() override { return properties_; }
  KeyList defaultKeys() override { return kDeviceKeys; }
  uint8_t* beginDraw() override;
  void endDraw() override;
  void setTaskBarVisible(bool shown) override { taskBarShown_ = shown; }
  bool taskBarVisible() const override { return taskBarShown_; }
  uint32_t tickCount() override;
  void sleep(uint32_t ms) override;
  void messageBox(const char* text) override;
  bool saveScreenshot(const std::string& path) override;

  // For tests: the whole panel memory, its portrait origin, and what has happened.
  const std::vector<uint8_t>& panelMemory() const { return panel_; }
  size_t panelOriginOffset() const { return origin_; }
  const char* windowClass() const { return windowClass_.c_str(); }
  int presentCount() const { return presents_; }
  uint64_t virtualMicroseconds() const { return micros_; }
  // How much of that time passed in sleep rather than in pumps and presents.
  uint64_t sleptMicroseconds() const { return slept_; }
  size_t pendingMessages() const { return queue_.size(); }
  // The landscape picture the window would show now, row by row.
  std::vector<uint16_t> landscape() const;

  // Called after every present, for tests that look at the frames as they go out.
  std::function<void()> onPresent;

  // Virtual time each pump and each present adds.
  static constexpr uint64_t kPumpStepMicros = 1000;

private:
  void recordFrame();

  HeadlessOptions options_;
  DisplayProperties properties_;
  std::vector<uint8_t> panel_;
  size_t origin_ = 0;
  std::deque<WindowMessage> queue_;
  std::string windowClass_;
  uint64_t micros_;
  uint64_t framePeriodMicros_;
  uint64_t slept_ = 0;
  int presents_ = 0;
  bool taskBarShown_ = true;
  std::vector<uint16_t> lastFrame_;
};

}  // namespace platform
