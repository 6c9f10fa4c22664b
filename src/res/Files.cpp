#include "res/Files.h"

#include "platform/Files.h"
#include "platform/Folders.h"

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

String folderOf(FilePlace place) {
  const platform::GameFolders folders = platform::gameFolders();
  switch (place) {
    case FilePlace::Archives: return String(folders.archives.c_str());
    case FilePlace::Config: return String(folders.config.c_str());
    case FilePlace::Saves: return String(folders.saves.c_str());
    case FilePlace::State: return String(folders.state.c_str());
  }
  return programDirectory();
}

std::optional<std::vector<uint8_t>> readGameFile(FilePlace place, const String& name) {
  return platform::readFile(std::string(folderOf(place).c_str()) + name.c_str());
}

bool writeGameFile(FilePlace place, const String& name, const uint8_t* data, size_t length) {
  const std::string folder = folderOf(place).c_str();
  if (!platform::prepareFolder(folder)) return false;
  return platform::replaceFile(folder + name.c_str(), data, length);
}

namespace {
int removeStaleTemporariesIn(const String& folder, const std::vector<String>& names) {
  std::vector<std::string> plain;
  for (const String& name : names) plain.emplace_back(name.c_str());
  return platform::removeStaleTemporaries(folder.c_str(), plain);
}
}  // namespace

int removeStaleTemporariesBesideProgram(const std::vector<String>& names) {
  return removeStaleTemporariesIn(programDirectory(), names);
}

int removeStaleTemporaries(FilePlace place, const std::vector<String>& names) {
  return removeStaleTemporariesIn(folderOf(place), names);
}
