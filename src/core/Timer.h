// Milliseconds over the platform's tick counter, and the two waits that pace animations.
#pragma once

#include <cstdint>

// A millisecond stopwatch. The counter is 32 bits and wraps; differences stay right
// across the wrap because they are taken in unsigned arithmetic.
class Timer {
public:
  Timer();
  uint32_t restart();
  uint32_t elapsed() const;

private:
  uint32_t start_;
};

uint32_t now();

// What a wait does on each of its small steps, provided by the application: feed the
// sound mixer and keep the window answering, and tell whether the stylus is down.
class WaitHost {
public:
  virtual void keepAlive() = 0;
  virtual bool penDown() = 0;

protected:
  ~WaitHost() = default;
};

void setWaitHost(WaitHost* host);

// Keeps the window and the sound alive during long work (picture loading). Does nothing
// before the application exists.
void keepAlive();

// Lets `ms` milliseconds pass, keeping the window and the sound alive, in small sleeping
// steps rather than spinning. waitOrPen returns early as soon as the stylus is down.
void wait(uint32_t ms);
void waitOrPen(uint32_t ms);

// The handheld played its frame-by-frame animations (the air fight, the intro's flight, the
// hatchery's lever, the mage's sliding panels) as fast as it could decode and show their
// pictures: about one frame every 60 ms. That is the pace they were drawn for, so a faster
// machine holds each of their frames at least this long.
inline constexpr uint32_t kHandheldFrameMs = 60;

// Paces such an animation: call hold() after each frame is presented; it waits, keeping
// the window and the sound alive, until kHandheldFrameMs have passed since the previous
// frame was released (or since the pace was made). Headless this advances the virtual
// clock, so a script still plays the same every time.
class FramePace {
public:
  void hold();

private:
  Timer since_;
};
