#include "app/StateDump.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace {
std::vector<StateSection>& sections() {
  static std::vector<StateSection> all;
  return all;
}
}  // namespace

void StateWriter::put(const std::string& name, long value) { put(name, std::to_string(value)); }

void StateWriter::put(const std::string& name, const std::string& value) {
  text_ += name;
  text_ += " = ";
  text_ += value;
  text_ += '\n';
}

void addStateSection(StateSection section) {
  auto& all = sections();
  if (std::find(all.begin(), all.end(), section) == all.end()) all.push_back(section);
}

std::string dumpState() {
  StateWriter writer;
  for (StateSection section : sections()) section(writer);
  return writer.text();
}

std::map<std::string, std::string> stateValues() {
  std::map<std::string, std::string> values;
  std::istringstream lines(dumpState());
  std::string line;
  while (std::getline(lines, line)) {
    size_t equals = line.find(" = ");
    if (equals != std::string::npos) values[line.substr(0, equals)] = line.substr(equals + 3);
  }
  return values;
}
