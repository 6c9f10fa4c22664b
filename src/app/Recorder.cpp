#include "app/Recorder.h"

#include <cerrno>
#include <cstring>

namespace {

// A screen appears long after the last input when the player waits on a timed screen.
constexpr uint32_t kUntilSlackMs = 30000;

const char* keyName(uint32_t code, const platform::KeyList& keys) {
  using platform::Direction;
  if (code == physicalKeyFor(Direction::Up, keys)) return "up";
  if (code == physicalKeyFor(Direction::Down, keys)) return "down";
  if (code == physicalKeyFor(Direction::Left, keys)) return "left";
  if (code == physicalKeyFor(Direction::Right, keys)) return "right";
  if (code == keys.a) return "a";
  if (code == keys.b) return "b";
  if (code == keys.c) return "c";
  if (code == keys.start) return "start";
  return nullptr;
}

std::string point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

}  // namespace

SessionRecorder::~SessionRecorder() {
  if (file_) std::fclose(file_);
}

bool SessionRecorder::open(const std::string& path, uint32_t seed, std::string& error) {
  file_ = std::fopen(path.c_str(), "w");
  if (!file_) {
    error = "cannot write the recording '" + path + "': " + std::strerror(errno);
    return false;
  }
  std::fprintf(file_, "# a session of nuPavane as played; replay: nupavane --headless --script FILE\nseed %u\n",
               unsigned(seed));
  std::fflush(file_);
  return true;
}

void SessionRecorder::emit(const std::string& line, uint32_t tick) {
  if (!file_) return;
  if (!started_) {
    started_ = true;
    lastTick_ = tick;
  }
  if (tick != lastTick_) std::fprintf(file_, "wait %u\n", unsigned(tick - lastTick_));
  std::fprintf(file_, "%s\n", line.c_str());
  std::fflush(file_);
  lastTick_ = tick;
}

void SessionRecorder::screenRunning(const std::string& name, uint32_t tick) {
  if (!file_) return;
  // The first frame: where a script's first wait begins.
  if (!started_) {
    started_ = true;
    lastTick_ = tick;
  }
  if (name == screen_) return;
  screen_ = name;
  if (name.empty()) return;
  flushPending();
  // The replay waits for the screen from the last line on; give it as long as it took here.
  const uint32_t took = tick - lastTick_;
  emit("until " + name + " " + std::to_string(took + kUntilSlackMs), tick);
}

void SessionRecorder::message(const platform::WindowMessage& message, uint32_t tick, const platform::KeyList& keys) {
  using namespace platform;
  if (!file_) return;
  int x = 0, y = 0;
  lParamToLandscape(message.lParam, x, y);
  switch (message.message) {
    case WM_MOUSEMOVE:
      flushPending();
      pending_ = {true, WM_MOUSEMOVE, x, y, tick};
      return;
    case WM_LBUTTONDOWN:
      // A press is the move to its point and the button going down together.
      if (pending_.present && pending_.message == WM_MOUSEMOVE && pending_.tick == tick && pending_.x == x &&
          pending_.y == y) {
        pending_.message = WM_LBUTTONDOWN;
        return;
      }
      flushPending();
      pending_ = {true, WM_LBUTTONDOWN, x, y, tick};
      return;
    case WM_LBUTTONUP:
      if (pending_.present && pending_.message == WM_LBUTTONDOWN && pending_.tick == tick) {
        pending_.present = false;
        emit("tap " + point(pending_.x, pending_.y), tick);
        return;
      }
      flushPending();
      emit("release", tick);
      return;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (const char* name = keyName(message.wParam, keys)) {
        flushPending();
        emit(std::string("key ") + name + (message.message == WM_KEYDOWN ? " down" : " up"), tick);
      }
      return;
    case WM_DESTROY:
      flushPending();
      emit("close", tick);
      return;
    default:
      return;
  }
}

void SessionRecorder::flushPending() {
  if (!pending_.present) return;
  pending_.present = false;
  const std::string verb = pending_.message == platform::WM_LBUTTONDOWN ? "press " : "move ";
  emit(verb + point(pending_.x, pending_.y), pending_.tick);
}

void SessionRecorder::finish(uint32_t tick) {
  if (!file_) return;
  flushPending();
  if (started_ && tick != lastTick_) std::fprintf(file_, "wait %u\n", unsigned(tick - lastTick_));
  std::fclose(file_);
  file_ = nullptr;
}
