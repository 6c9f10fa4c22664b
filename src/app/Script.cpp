#include "app/Script.h"

#include "app/ScreenManager.h"
#include "app/StateDump.h"
#include "platform/Files.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {

constexpr uint32_t kDefaultUntilMs = 30000;

bool toNumber(const std::string& word, long& out) {
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), out);
  return error == std::errc() && end == word.data() + word.size();
}

std::string runningScreenName() {
  Screen* shown = ScreenManager::instance().runningScreen();
  if (!shown) return "";
  String name;
  shown->getName(name);
  return name.c_str();
}

// What each verb takes: the fewest and most words, and whether they are numbers.
struct Grammar {
  size_t minWords, maxWords;
  bool numeric;
};

const std::map<std::string, Grammar>& grammar() {
  static const std::map<std::string, Grammar> verbs = {
      {"tap", {2, 2, true}},   {"press", {2, 2, true}},  {"move", {2, 2, true}},
      {"release", {0, 0, false}}, {"key", {2, 2, false}}, {"wait", {1, 1, true}},
      {"until", {1, 2, false}}, {"shot", {1, 1, false}}, {"state", {1, 1, false}},
      {"expect", {2, 1000, false}}, {"close", {0, 0, false}}, {"watchdog", {1, 1, true}},
      {"seed", {1, 1, true}},
  };
  return verbs;
}

const std::map<std::string, int>& keyNames() {
  static const std::map<std::string, int> names = {
      {"up", 0}, {"down", 1}, {"left", 2}, {"right", 3}, {"a", 4}, {"b", 5}, {"c", 6}, {"start", 7}};
  return names;
}

std::string checkLine(const ScriptRunner::Line& line) {
  auto verb = grammar().find(line.verb);
  if (verb == grammar().end()) return "unknown command '" + line.verb + "'";
  const Grammar& g = verb->second;
  if (line.words.size() < g.minWords || line.words.size() > g.maxWords)
    return "wrong number of arguments for '" + line.verb + "'";
  long value = 0;
  if (g.numeric) {
    for (const std::string& word : line.words)
      if (!toNumber(word, value) || value < 0) return "'" + word + "' is not a number";
    if (line.words.size() == 2) {
      long x = std::atol(line.words[0].c_str()), y = std::atol(line.words[1].c_str());
      if (x > 319 || y > 239) return "the point lies outside the 320 x 240 picture";
    }
  }
  if (line.verb == "seed" && value > long(UINT32_MAX)) return "a seed is a number from 0 to 4294967295";
  if (line.verb == "key") {
    if (!keyNames().count(line.words[0])) return "unknown key '" + line.words[0] + "'";
    if (line.words[1] != "down" && line.words[1] != "up") return "a key goes 'down' or 'up'";
  }
  if (line.verb == "until" && line.words.size() == 2 && (!toNumber(line.words[1], value) || value < 0))
    return "'" + line.words[1] + "' is not a number";
  return "";
}

uint32_t keyCode(const std::string& name, const platform::KeyList& keys) {
  using platform::Direction;
  switch (keyNames().at(name)) {
    case 0: return physicalKeyFor(Direction::Up, keys);
    case 1: return physicalKeyFor(Direction::Down, keys);
    case 2: return physicalKeyFor(Direction::Left, keys);
    case 3: return physicalKeyFor(Direction::Right, keys);
    case 4: return keys.a;
    case 5: return keys.b;
    case 6: return keys.c;
    default: return keys.start;
  }
}

}  // namespace

bool ScriptRunner::load(const std::string& text, std::string& error) {
  lines_.clear();
  next_ = 0;
  watchdogMs_ = 0;
  seed_.reset();
  std::istringstream input(text);
  std::string raw;
  for (int number = 1; std::getline(input, raw); ++number) {
    std::istringstream words(raw);
    Line line;
    line.number = number;
    if (!(words >> line.verb) || line.verb[0] == '#') continue;
    for (std::string word; words >> word;) line.words.push_back(word);
    if (!line.words.empty()) {
      size_t first = raw.find(line.words[0], raw.find(line.verb) + line.verb.size());
      size_t after = raw.find_first_not_of(" \t", first + line.words[0].size());
      if (after != std::string::npos) line.rest = raw.substr(after, raw.find_last_not_of(" \t\r") + 1 - after);
    }
    std::string complaint = checkLine(line);
    if (!complaint.empty()) {
      error = "script:" + std::to_string(number) + ": " + complaint;
      return false;
    }
    if (line.verb == "seed" && !seed_) seed_ = uint32_t(std::atol(line.words[0].c_str()));
    lines_.push_back(std::move(line));
  }
  return true;
}

void ScriptRunner::framePresented() { lastFrame_ = platform_.tickCount(); }

void ScriptRunner::step() {
  if (watchdogMs_ > 0 && !finished() && !failed() && platform_.tickCount() - lastFrame_ > watchdogMs_)
    fail(lines_[next_], "no new frame for " + std::to_string(watchdogMs_) + " ms: the game hangs");
  while (!finished() && !failed()) {
    if (!runLine(lines_[next_])) break;
    waiting_ = false;
    ++next_;
  }
  if (failed()) {
    if (!failureReported_) {
      failureReported_ = true;
      std::fprintf(stderr, "%s\n", failure_.c_str());
      std::fflush(stderr);
    }
    if (exitOnFailure_) std::exit(kExitFailed);
    return;
  }
  if (finished() && !doneReported_) {
    doneReported_ = true;
    if (exitAtEnd_) std::exit(0);
    std::fprintf(stderr, "script: done\n");
    std::fflush(stderr);
  }
}

bool ScriptRunner::runLine(const Line& line) {
  const std::string& verb = line.verb;
  auto number = [&](size_t i) { return int(std::atol(line.words[i].c_str())); };
  if (verb == "tap") {
    postStylus(platform::WM_MOUSEMOVE, number(0), number(1));
    postStylus(platform::WM_LBUTTONDOWN, number(0), number(1));
    postStylus(platform::WM_LBUTTONUP, number(0), number(1));
  } else if (verb == "press") {
    postStylus(platform::WM_MOUSEMOVE, number(0), number(1));
    postStylus(platform::WM_LBUTTONDOWN, number(0), number(1));
  } else if (verb == "move") {
    postStylus(platform::WM_MOUSEMOVE, number(0), number(1));
  } else if (verb == "release") {
    postStylus(platform::WM_LBUTTONUP, stylusX_, stylusY_);
  } else if (verb == "key") {
    uint32_t message = line.words[1] == "down" ? platform::WM_KEYDOWN : platform::WM_KEYUP;
    platform_.postMessage({message, keyCode(line.words[0], platform_.defaultKeys()), 0});
  } else if (verb == "wait") {
    return waitLine(uint32_t(number(0)));
  } else if (verb == "until") {
    return untilLine(line);
  } else if (verb == "shot") {
    if (!platform_.saveScreenshot(line.words[0])) fail(line, "cannot write '" + line.words[0] + "'");
  } else if (verb == "state") {
    std::string dump = dumpState();
    if (!platform::replaceFile(line.words[0], reinterpret_cast<const uint8_t*>(dump.data()), dump.size()))
      fail(line, "cannot write '" + line.words[0] + "'");
  } else if (verb == "expect") {
    auto values = stateValues();
    auto found = values.find(line.words[0]);
    std::string actual = found == values.end() ? "(no such value)" : found->second;
    if (actual != line.rest) fail(line, "expected " + line.words[0] + " " + line.rest + ", found " + actual);
  } else if (verb == "watchdog") {
    watchdogMs_ = uint32_t(number(0));
    lastFrame_ = platform_.tickCount();
  } else if (verb == "close") {
    platform_.postMessage({platform::WM_DESTROY, 0, 0});
  }
  return true;
}

bool ScriptRunner::waitLine(uint32_t ms) {
  uint32_t tick = platform_.tickCount();
  if (!waiting_) {
    waiting_ = true;
    waitStart_ = tick;
  }
  return tick - waitStart_ >= ms;
}

bool ScriptRunner::untilLine(const Line& line) {
  uint32_t limit = line.words.size() > 1 ? uint32_t(std::atol(line.words[1].c_str())) : kDefaultUntilMs;
  bool timedOut = waitLine(limit);
  if (runningScreenName() == line.words[0]) return true;
  if (timedOut) fail(line, "screen " + line.words[0] + " not shown after " + std::to_string(limit) + " ms (" +
                               (runningScreenName().empty() ? "none" : runningScreenName()) + " is)");
  return false;
}

void ScriptRunner::postStylus(uint32_t message, int x, int y) {
  stylusX_ = x;
  stylusY_ = y;
  platform_.postMessage({message, 0, platform::landscapeToLParam(x, y)});
}

void ScriptRunner::fail(const Line& line, const std::string& why) {
  failure_ = "script:" + std::to_string(line.number) + ": " + why;
}
