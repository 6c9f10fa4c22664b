#include "res/Files.h"

#include "platform/Files.h"

namespace {

std::string pathOf(const String& name) { return std::string(programDirectory().c_str()) + name.c_str(); }

}  // namespace

// The whole path is kept, however long: cutting it would put the files in another folder.
String programDirectory() {
  String path(platform::programPath().c_str());
  return path.beforeLast('/') + "/";
}

std::optional<std::vector<uint8_t>> readBesideProgram(const String& name) {
  return platform::readFile(pathOf(name));
}

bool writeBesideProgram(const String& name, const uint8_t* data, size_t length) {
  return platform::replaceFile(pathOf(name), data, length);
}

int removeStaleTemporariesBesideProgram(const std::vector<String>& names) {
  std::vector<std::string> plain;
  for (const String& name : names) plain.emplace_back(name.c_str());
  return platform::removeStaleTemporaries(programDirectory().c_str(), plain);
}
