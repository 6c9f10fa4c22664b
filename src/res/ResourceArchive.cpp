#include "res/ResourceArchive.h"

#include "res/Files.h"

#include <cstring>
#include <filesystem>

ResourceArchive* graphicsArchive = nullptr;

namespace {

// Entry offsets are 32 bits; std::fseek takes a long.
static_assert(sizeof(long) >= 8, "seeking needs a long that holds every entry offset");

std::string pathOf(const String& name) { return std::string(folderOf(FilePlace::Archives).c_str()) + name.c_str(); }

uint32_t get16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t get32(const uint8_t* p) { return get16(p) | get16(p + 2) << 16; }

bool readExactly(std::FILE* file, void* into, size_t count) {
  return count == 0 || std::fread(into, 1, count, file) == count;
}

// The directory record's name runs to its NUL, or fills all 52 bytes without one.
String recordName(const uint8_t* record) {
  const void* nul = std::memchr(record, 0, ResourceArchive::kNameBytes);
  int length = nul ? int(static_cast<const uint8_t*>(nul) - record) : ResourceArchive::kNameBytes;
  return String(reinterpret_cast<const char*>(record), length);
}

}  // namespace

// Nothing is written: a file that is missing, unreadable or no archive leaves the reader
// invalid, and the callers say so in their own words.
ResourceArchive::ResourceArchive(const String& fileName) {
  switch (open(fileName)) {
    case OpenResult::Opened: return;
    case OpenResult::Missing: problem_ = "is missing"; break;
    case OpenResult::Unreadable: problem_ = "cannot be read"; break;
    case OpenResult::NotAnArchive: problem_ = "is not a resource archive"; break;
    case OpenResult::CutShort: problem_ = "is cut short: its directory reaches past its end"; break;
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
  // Only a regular file: opening a FIFO would wait for a writer for ever.
  if (type != std::filesystem::file_type::regular) return OpenResult::Unreadable;
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

// Entries are read through the handle the archive was opened with, opened again if it
// was closed.
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
