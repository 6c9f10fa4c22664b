// A text dump of the game's state, one "name = value" line each, for scripted play and
// bug reports. Names are stable; each subsystem adds a section as it comes to exist.
#pragma once

#include <map>
#include <string>

class StateWriter {
public:
  void put(const std::string& name, long value);
  void put(const std::string& name, const std::string& value);
  const std::string& text() const { return text_; }

private:
  std::string text_;
};

using StateSection = void (*)(StateWriter&);

// Sections are written in the order they were added; adding one twice adds it once.
void addStateSection(StateSection section);
std::string dumpState();
// The dump as a lookup table.
std::map<std::string, std::string> stateValues();
