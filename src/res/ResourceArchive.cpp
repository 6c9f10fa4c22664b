#include "res/ResourceArchive.h"

#include "core/Random.h"
#include "res/Files.h"

#include <cstring>
#include <filesystem>
#include <iostream>

ResourceArchive* graphicsArchive = nullptr;

namespace {

// A missing archive is written anew with these: a random filler after a fixed seed (so
// the game's random sequence restarts from it), no entries, and zero padding.
constexpr uint32_t kCreationSeed = 1234;
constexpr int kCreatedFillerBase = 128;
constexpr int kCreatedFillerSpread = 127;
constexpr size_t kCreatedPadding = 70000;

// Entry offsets are 32 bits; std::fseek takes a long.
static_assert(sizeof(long) >= 8, "seeking needs a long that holds every entry offset");

std::string pathOf(const String& name) { return std::string(folderOf(FilePlace::Archives).c_str()) + name.c_str(); }

uint32_t get16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t get32(const uint8_t* p) { return get16(p) | get16(p + 2) << 16; }

void put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

bool readExactly(std::FILE* file, void* into, size_t count) {
  return count == 0 || std::fread(into, 1, count, file) == count;
}

void complain(const char* operation, const String& fileName, const char* level, const char* what) {
  std::cerr << "ResourceArchive::" << operation << "(): " << level << ": '" << fileName.c_str() << "' "
            << what << " !" << std::endl;
}

// The directory record's name runs to its NUL, or fills all 52 bytes without one.
String recordName(const uint8_t* record) {
  const void* nul = std::memchr(record, 0, ResourceArchive::kNameBytes);
  int length = nul ? int(static_cast<const uint8_t*>(nul) - record) : ResourceArchive::kNameBytes;
  return String(reinterpret_cast<const char*>(record), length);
}

}  // namespace

// Only a missing archive is written anew: a file that exists but is unreadable, or is not
// an archive, may be the player's and is left as it is (the reader then stays invalid).
ResourceArchive::ResourceArchive(const String& fileName) {
  OpenResult result = open(fileName);
  switch (result) {
    case OpenResult::Opened: return;
    case OpenResult::Missing: create(fileName); return;
    case OpenResult::Unreadable: complain("open", fileName, "ERROR", "cannot be read"); break;
    case OpenResult::NotAnArchive: complain("open", fileName, "ERROR", "is not a resource archive"); break;
    case OpenResult::CutShort:
      complain("open", fileName, "ERROR", "is cut short: its directory reaches past its end");
      break;
  }
  close();
  filler_.clear();
  entries_.clear();
}

ResourceArchive::~ResourceArchive() { close(); }

bool ResourceArchive::isValid() const { return fileName_.length() > 0; }

int ResourceArchive::count() const { return int(entries_.size()); }

uint32_t ResourceArchive::sizeOf(int index) const {
  return index >= 0 && index < count() ? entries_[size_t(index)].size : 0;
}

String ResourceArchive::nameOf(int index) const {
  return index >= 0 && index < count() ? entries_[size_t(index)].name : String();
}

uint32_t ResourceArchive::offsetOf(int index) const {
  return index >= 0 && index < count() ? entries_[size_t(index)].offset : 0;
}

int ResourceArchive::find(const String& name) const {
  for (int i = 0; i < count(); ++i) {
    if (entries_[size_t(i)].name.equals(name)) return i;
  }
  return -1;
}

std::optional<std::vector<uint8_t>> ResourceArchive::read(int index) {
  if (!isValid() || index < 0 || index >= count()) return std::nullopt;
  const ArchiveEntry& entry = entries_[size_t(index)];
  if (!reopen()) return std::nullopt;
  if (uint64_t(entry.offset) + entry.size > fileSize_) return std::nullopt;
  std::vector<uint8_t> data(entry.size);
  std::clearerr(file_);
  if (std::fseek(file_, long(entry.offset), SEEK_SET) != 0) return std::nullopt;
  if (!readExactly(file_, data.data(), data.size())) return std::nullopt;
  return data;
}

ResourceArchive::OpenResult ResourceArchive::open(const String& fileName) {
  fileName_ = String();
  close();
  std::error_code error;
  std::filesystem::file_type type = std::filesystem::status(pathOf(fileName), error).type();
  if (type == std::filesystem::file_type::not_found) return OpenResult::Missing;
  file_ = std::fopen(pathOf(fileName).c_str(), "rb");
  if (!file_) return OpenResult::Unreadable;
  if (std::fseek(file_, 0, SEEK_END) != 0) return OpenResult::Unreadable;
  long size = std::ftell(file_);
  if (size < 0) return OpenResult::Unreadable;
  fileSize_ = uint64_t(size);
  std::rewind(file_);

  uint8_t magic[4];
  if (!readExactly(file_, magic, sizeof magic) || get32(magic) != kMagic) return OpenResult::NotAnArchive;
  if (!readDirectory()) return OpenResult::CutShort;
  fileName_ = fileName;
  return OpenResult::Opened;
}

// Reads the filler and the directory that follow the magic. False when the file ends
// before the lengths it states.
bool ResourceArchive::readDirectory() {
  uint8_t length[2];
  if (!readExactly(file_, length, sizeof length)) return false;
  filler_.assign(get16(length), 0);
  if (!readExactly(file_, filler_.data(), filler_.size())) return false;
  if (!readExactly(file_, length, sizeof length)) return false;
  // A directory length that is no multiple of a record leaves its last bytes unused.
  std::vector<uint8_t> directory(get16(length));
  if (!readExactly(file_, directory.data(), directory.size())) return false;
  entries_.clear();
  entries_.reserve(directory.size() / kEntryBytes);
  for (size_t at = 0; at + kEntryBytes <= directory.size(); at += kEntryBytes) {
    const uint8_t* record = directory.data() + at;
    entries_.push_back({recordName(record), get32(record + kNameBytes), get32(record + kNameBytes + 4)});
  }
  return true;
}

bool ResourceArchive::create(const String& fileName) {
  seedRandom(kCreationSeed);
  filler_.assign(size_t(randomNumber() % kCreatedFillerSpread + kCreatedFillerBase), 0);
  for (uint8_t& byte : filler_) byte = uint8_t(randomNumber() % 256);

  fileName_ = String();
  close();
  entries_.clear();
  std::vector<uint8_t> bytes;
  bytes.reserve(4 + 2 + filler_.size() + 2 + kCreatedPadding);
  put16(bytes, kMagic & 0xFFFFu);
  put16(bytes, kMagic >> 16);
  put16(bytes, uint32_t(filler_.size()));
  bytes.insert(bytes.end(), filler_.begin(), filler_.end());
  put16(bytes, 0);
  bytes.resize(bytes.size() + kCreatedPadding, 0);
  if (!writeGameFile(FilePlace::Archives, fileName, bytes.data(), bytes.size())) {
    complain("create", fileName, "ERROR", "is missing and cannot be written");
    return false;
  }
  complain("create", fileName, "WARNING", "was missing: an empty archive is written in its place");
  fileName_ = fileName;
  fileSize_ = bytes.size();
  return true;
}

// Entries are read through the handle the archive was opened with; an archive made by
// create has none yet.
bool ResourceArchive::reopen() {
  if (file_) return true;
  file_ = std::fopen(pathOf(fileName_).c_str(), "rb");
  if (!file_) return false;
  long size = std::fseek(file_, 0, SEEK_END) == 0 ? std::ftell(file_) : -1;
  if (size < 0) {
    close();
    return false;
  }
  fileSize_ = uint64_t(size);
  return true;
}

void ResourceArchive::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

ResourceArchive* openGraphicsArchive() {
  if (!graphicsArchive) graphicsArchive = new ResourceArchive("gfx.arc");
  return graphicsArchive;
}

void closeGraphicsArchive() {
  delete graphicsArchive;
  graphicsArchive = nullptr;
}
