#include "platform/headless/HeadlessPlatform.h"

#include "platform/Files.h"

#include <algorithm>
#include <cstdio>

namespace platform {

namespace {

// The three panels the game knows: a plain portrait panel; one whose lines lie 512 bytes
// apart; and a landscape panel addressed in its own orientation, whose portrait origin is
// the first pixel of its last line.
struct PanelLayout {
  DisplayProperties properties;
  size_t bytes;
  size_t origin;
};

PanelLayout layoutFor(int displayType, int bitsPerPixel) {
  switch (displayType) {
    case 2: return {{bitsPerPixel, 2, 512}, 320 * 512, 0};
    case 3: return {{bitsPerPixel, -640, 2}, 153600, 239 * 640};
    default: return {{bitsPerPixel, 2, 480}, 153600, 0};
  }
}

}  // namespace

HeadlessPlatform::HeadlessPlatform(const HeadlessOptions& options)
    : options_(options),
      micros_(uint64_t(options.startTick) * 1000),
      framePeriodMicros_(1000000 / uint64_t(std::max(1, options.fps))) {
  PanelLayout layout = layoutFor(options.displayType, options.bitsPerPixel);
  properties_ = layout.properties;
  panel_.assign(layout.bytes, 0);
  origin_ = layout.origin;
}

bool HeadlessPlatform::createWindow(const char* className, int, int) {
  windowClass_ = className;
  postMessage({WM_ACTIVATE, 1, 0});
  return true;
}

void HeadlessPlatform::pump() { micros_ += kPumpStepMicros; }

bool HeadlessPlatform::nextMessage(WindowMessage& out) {
  if (queue_.empty()) return false;
  out = queue_.front();
  queue_.pop_front();
  return true;
}

void HeadlessPlatform::postMessage(const WindowMessage& message) { queue_.push_back(message); }

uint8_t* HeadlessPlatform::beginDraw() { return panel_.data() + origin_; }

void HeadlessPlatform::endDraw() {
  ++presents_;
  micros_ += framePeriodMicros_;
  if (!options_.frameDir.empty()) recordFrame();
  if (onPresent) onPresent();
}

// Writes the frame when it differs from the last one written, named by its present.
void HeadlessPlatform::recordFrame() {
  std::vector<uint16_t> frame = landscape();
  if (frame == lastFrame_) return;
  char name[32];
  std::snprintf(name, sizeof name, "/frame-%06d.png", presents_);
  writePng(options_.frameDir + name, frame.data(), kPictureWidth, kPictureHeight);
  lastFrame_ = std::move(frame);
}

uint32_t HeadlessPlatform::tickCount() { return uint32_t(micros_ / 1000); }

void HeadlessPlatform::sleep(uint32_t ms) {
  micros_ += uint64_t(ms) * 1000;
  slept_ += uint64_t(ms) * 1000;
}

void HeadlessPlatform::messageBox(const char* text) {
  std::fprintf(stderr, "%s\n", text);
  std::fflush(stderr);
}

std::vector<uint16_t> HeadlessPlatform::landscape() const {
  std::vector<uint16_t> picture(size_t(kPictureWidth) * kPictureHeight);
  panelToLandscape(panel_.data() + origin_, properties_, picture.data());
  return picture;
}

bool HeadlessPlatform::saveScreenshot(const std::string& path) {
  std::vector<uint16_t> picture = landscape();
  return writePng(path, picture.data(), kPictureWidth, kPictureHeight);
}

}  // namespace platform
