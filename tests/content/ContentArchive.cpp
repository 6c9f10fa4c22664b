#include "ContentArchive.h"

#include "ArcCommands.h"

#include <fstream>
#include <sstream>

namespace {

bool readSize(const std::string& word, int& size) {
  if (word == "any" || word == "-") {
    size = -1;
    return true;
  }
  try {
    size = std::stoi(word);
    return size > 0;
  } catch (...) {
    return false;
  }
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::vector<FixedEntry> readFixedEntries(const std::string& path, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + path;
    return {};
  }
  std::vector<FixedEntry> entries;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    FixedEntry e;
    std::string width, height, extra;
    e.line = number;
    if (!(words >> e.name >> width >> height >> e.use) || (words >> extra) || !readSize(width, e.width) ||
        !readSize(height, e.height)) {
      error = path + ":" + std::to_string(number) + ": expected NAME WIDTH HEIGHT USE";
      return {};
    }
    entries.push_back(e);
  }
  return entries;
}

std::optional<ArchiveContents> readArchive(const std::string& path, std::string& error) {
  auto reader = arc::openArchive(path);
  if (!reader) {
    error = "cannot open the archive " + path;
    return std::nullopt;
  }
  ArchiveContents contents;
  for (int i = 0; i < reader->count(); ++i) {
    const std::string name = reader->nameOf(i).c_str();
    if (contents.count(name)) continue;
    auto bytes = reader->read(i);
    if (!bytes) {
      error = "cannot read the entry " + name + " of " + path;
      return std::nullopt;
    }
    contents[name] = std::move(*bytes);
  }
  return contents;
}

std::optional<DecodedPicture> decodePicture(const std::string& name, const std::vector<uint8_t>& bytes) {
  DecodedPicture picture;
  bool decoded = false;
  if (endsWith(name, ".bmp"))
    decoded = decodeBmp(bytes.data(), bytes.size(), picture);
  else if (endsWith(name, ".gif"))
    decoded = decodeGif(bytes.data(), bytes.size(), picture);
  else if (endsWith(name, ".jpg"))
    decoded = decodeJpeg(bytes.data(), bytes.size(), picture);
  if (!decoded || picture.pixels.size() != size_t(picture.width) * size_t(picture.height) || picture.pixels.empty())
    return std::nullopt;
  return picture;
}

std::string listOf(const std::vector<std::string>& items, size_t shown) {
  std::string text;
  for (size_t i = 0; i < items.size() && i < shown; ++i) text += "\n  " + items[i];
  if (items.size() > shown) text += "\n  (and " + std::to_string(items.size() - shown) + " more)";
  return text;
}
