// Records what the player does as a script that plays it back: a `seed` line first, then
// each stylus and key message the window procedure receives, with `wait` lines for the
// time between them and an `until` line whenever another screen starts running. The
// `until` lines keep a recording from a window (real time, where loading takes time) in
// step when it is played back headless (virtual time, where it takes none).
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <cstdio>
#include <string>

class SessionRecorder {
public:
  SessionRecorder() = default;
  SessionRecorder(const SessionRecorder&) = delete;
  SessionRecorder& operator=(const SessionRecorder&) = delete;
  ~SessionRecorder();

  // Starts the script at `path` with the run's seed; false with the reason in `error`.
  bool open(const std::string& path, uint32_t seed, std::string& error);
  bool isOpen() const { return file_ != nullptr; }

  // The screen running after a pump, as a script's `until` sees it.
  void screenRunning(const std::string& name, uint32_t tick);
  // A message about to reach the window procedure.
  void message(const platform::WindowMessage& message, uint32_t tick, const platform::KeyList& keys);
  // Ends the script with a wait up to the tick the session ended at, so that a line added
  // after it (a `state` dump) runs where the session ended. Later calls do nothing.
  void finish(uint32_t tick);

private:
  struct Pending {
    bool present = false;
    uint32_t message = 0;
    int x = 0, y = 0;
    uint32_t tick = 0;
  };
  void flushPending();
  void emit(const std::string& line, uint32_t tick);

  std::FILE* file_ = nullptr;
  std::string screen_;
  uint32_t lastTick_ = 0;
  bool started_ = false;
  // A stylus move or press held back to see whether it is part of a tap.
  Pending pending_;
};
