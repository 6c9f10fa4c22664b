#include "core/Timer.h"

#include "platform/Platform.h"

#include <algorithm>

namespace {

WaitHost* waitHost = nullptr;

// Long enough to let the processor rest, short enough that the sound mixer never starves
// and a tap ends waitOrPen promptly.
constexpr uint32_t kWaitStepMs = 5;

void waitFor(uint32_t ms, bool untilPen) {
  Timer timer;
  for (;;) {
    if (untilPen && waitHost && waitHost->penDown()) return;
    uint32_t spent = timer.elapsed();
    if (spent >= ms) return;
    if (waitHost) waitHost->keepAlive();
    platform::current().sleep(std::min(ms - spent, kWaitStepMs));
  }
}

}  // namespace

Timer::Timer() : start_(now()) {}

uint32_t Timer::restart() {
  start_ = now();
  return start_;
}

uint32_t Timer::elapsed() const { return now() - start_; }

uint32_t now() { return platform::current().tickCount(); }

void setWaitHost(WaitHost* host) { waitHost = host; }

void keepAlive() {
  if (waitHost) waitHost->keepAlive();
}

void wait(uint32_t ms) { waitFor(ms, false); }

void waitOrPen(uint32_t ms) { waitFor(ms, true); }

void FramePace::hold() {
  const uint32_t spent = since_.elapsed();
  if (spent < kHandheldFrameMs) wait(kHandheldFrameMs - spent);
  since_.restart();
}
