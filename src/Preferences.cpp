#include "Preferences.h"

#include <charconv>

namespace {

using Setter = bool (*)(Preferences& preferences, std::string_view value);

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool toNumber(std::string_view text, int min, int max, int& out) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < min || value > max) return false;
  out = value;
  return true;
}

bool toYesNo(std::string_view text, bool& out) {
  if (text == "yes" || text == "on" || text == "true" || text == "1") out = true;
  else if (text == "no" || text == "off" || text == "false" || text == "0") out = false;
  else return false;
  return true;
}

template <platform::HandheldKey key>
bool setKey(Preferences& p, std::string_view v) {
  p.desktop.keys[size_t(key)] = std::string(v);
  return !v.empty();
}

bool setComputer(Preferences& p, std::string_view v) {
  ComputerKind kind;
  if (!parseComputerKind(v, kind)) return false;
  p.computer = kind;
  return true;
}

struct Key {
  const char* name;
  Setter set;
  const char* expected;  // said when a value is not understood
};

// One row a preference: a new preference is a new row (and a line in the README).
constexpr Key kKeys[] = {
    {"scale", [](Preferences& p, std::string_view v) { return toNumber(v, 1, 16, p.desktop.scale); },
     "a whole number from 1 to 16"},
    {"fullscreen", [](Preferences& p, std::string_view v) { return toYesNo(v, p.desktop.fullscreen); }, "yes or no"},
    {"pause-when-unfocused", [](Preferences& p, std::string_view v) { return toYesNo(v, p.desktop.pauseWhenUnfocused); },
     "yes or no"},
    {"music-volume", [](Preferences& p, std::string_view v) { return toNumber(v, 0, 100, p.desktop.musicVolume); },
     "a whole number from 0 to 100"},
    {"effects-volume", [](Preferences& p, std::string_view v) { return toNumber(v, 0, 100, p.desktop.effectsVolume); },
     "a whole number from 0 to 100"},
    {"key-up", setKey<platform::HandheldKey::Up>, "a key's name"},
    {"key-down", setKey<platform::HandheldKey::Down>, "a key's name"},
    {"key-left", setKey<platform::HandheldKey::Left>, "a key's name"},
    {"key-right", setKey<platform::HandheldKey::Right>, "a key's name"},
    {"key-a", setKey<platform::HandheldKey::A>, "a key's name"},
    {"key-b", setKey<platform::HandheldKey::B>, "a key's name"},
    {"key-c", setKey<platform::HandheldKey::C>, "a key's name"},
    {"key-start", setKey<platform::HandheldKey::Start>, "a key's name"},
    {"computer", setComputer, "classic or cunning"},
};

// Applies one line; an empty answer when it was understood, else the complaint.
std::string applyLine(Preferences& preferences, std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return "not a \"key = value\" line";
  const std::string_view name = trimmed(line.substr(0, equals)), value = trimmed(line.substr(equals + 1));
  for (const Key& key : kKeys) {
    if (name != key.name) continue;
    // A value not understood leaves the preference as it was.
    Preferences changed = preferences;
    if (!key.set(changed, value)) return std::string(name) + " takes " + key.expected + ", not '" + std::string(value) + "'";
    preferences = std::move(changed);
    return "";
  }
  return "unknown preference '" + std::string(name) + "'";
}

}  // namespace

Preferences parsePreferences(std::string_view text, std::vector<std::string>& complaints) {
  Preferences preferences;
  int number = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    if (line.empty() || line.front() == '#') continue;
    if (std::string complaint = applyLine(preferences, line); !complaint.empty())
      complaints.push_back(std::to_string(number) + ": " + complaint);
  }
  return preferences;
}

platform::DesktopPreferences withOptions(platform::DesktopPreferences preferences, const Options& options) {
  if (options.scale) preferences.scale = *options.scale;
  if (options.fullscreen) preferences.fullscreen = *options.fullscreen;
  return preferences;
}
