// Scripted play: a line-based script that drives the game through the same messages a
// player's stylus and buttons send, and checks what the game shows. Its lines run inside
// the message pump, each when its time has come, so a script plays the same way on every
// run (headless, on the virtual clock) and on the desktop alike.
//
//   tap X Y            press and release the stylus at (X, Y) of the 320 x 240 picture
//   press X Y / move X Y / release      a drag, step by step
//   key NAME down|up   NAME: up down left right (as the player sees them) a b c start
//   wait MS            let MS milliseconds pass
//   until SCREEN [MS]  wait until SCREEN is shown; fail after MS (default 30000)
//   shot FILE          write the picture the window shows as PNG
//   state FILE         write the state dump
//   expect NAME VALUE  a line "NAME = VALUE" of the state dump must hold ("expect screen X")
//   close              close the window
//   watchdog MS        from now on, fail when the game shows no new frame for MS ms (a hang)
//   seed N             the game's seed, when the command line names none (a recording's
//                      first line); read before the game starts, nothing when it runs
// Blank lines and lines starting with # are skipped.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ScriptRunner {
public:
  struct Line {
    int number = 0;
    std::string verb;
    std::vector<std::string> words;  // the arguments
    std::string rest;                // everything after the first argument (expect)
  };

  explicit ScriptRunner(platform::Platform& platform) : platform_(platform) {}

  // Reads the whole script; false with "script:LINE: complaint" in `error` when a line is
  // not understood. Nothing runs before the whole script is known to be well formed.
  bool load(const std::string& text, std::string& error);

  // The seed its first `seed` line names.
  std::optional<uint32_t> seed() const { return seed_; }

  // With exitAtEnd, the program ends with status 0 when the last line has run (headless);
  // otherwise the player takes over. A failed line always ends the program with status 3.
  void setExitAtEnd(bool exitAtEnd) { exitAtEnd_ = exitAtEnd; }
  // Tests keep the process alive and look at failed() instead.
  void setExitOnFailure(bool exitOnFailure) { exitOnFailure_ = exitOnFailure; }

  // Runs every line whose time has come. Called by the message pump.
  void step();
  // The game showed a frame: the watchdog starts counting again.
  void framePresented();

  bool finished() const { return next_ >= lines_.size(); }
  bool failed() const { return !failure_.empty(); }
  const std::string& failure() const { return failure_; }
  // The line the script stopped at, for a game that ended before the script did.
  int pendingLine() const { return finished() ? 0 : lines_[next_].number; }

  static constexpr int kExitFailed = 3;

private:
  bool runLine(const Line& line);  // false while the line is still waiting
  bool waitLine(uint32_t ms);
  bool untilLine(const Line& line);
  void postStylus(uint32_t message, int x, int y);
  void fail(const Line& line, const std::string& why);

  platform::Platform& platform_;
  std::vector<Line> lines_;
  std::optional<uint32_t> seed_;
  size_t next_ = 0;
  bool waiting_ = false;
  uint32_t waitStart_ = 0;
  uint32_t watchdogMs_ = 0;  // 0: no watchdog
  uint32_t lastFrame_ = 0;
  int stylusX_ = 0, stylusY_ = 0;
  bool exitAtEnd_ = false;
  bool exitOnFailure_ = true;
  bool failureReported_ = false;
  bool doneReported_ = false;
  std::string failure_;
};
