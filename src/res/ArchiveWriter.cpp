#include "res/ArchiveWriter.h"

#include "res/ResourceArchive.h"

#include <cstring>

namespace {

constexpr uint64_t kOffsetLimit = uint64_t(1) << 32;

void put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
  put16(out, value & 0xFFFFu);
  put16(out, value >> 16);
}

}  // namespace

bool ArchiveWriter::add(const String& name, const std::vector<uint8_t>& data) {
  return add(name, data.data(), data.size());
}

bool ArchiveWriter::add(const String& name, const uint8_t* data, size_t size) {
  if (name.length() > kMaxNameLength || count() >= kMaxEntries) return false;
  // The header grows by one directory record with this entry.
  uint64_t end = dataStart() + ResourceArchive::kEntryBytes + dataSize() + size;
  if (end > kOffsetLimit) return false;
  entries_.push_back({name, std::vector<uint8_t>(data, data + size)});
  return true;
}

bool ArchiveWriter::setFiller(const std::vector<uint8_t>& filler) {
  if (filler.size() > 0xFFFF) return false;
  filler_ = filler;
  return true;
}

uint64_t ArchiveWriter::dataStart() const {
  return 4 + 2 + filler_.size() + 2 + entries_.size() * ResourceArchive::kEntryBytes;
}

uint64_t ArchiveWriter::dataSize() const {
  uint64_t total = 0;
  for (const Entry& entry : entries_) total += entry.data.size();
  return total;
}

std::vector<uint8_t> ArchiveWriter::bytes() const {
  std::vector<uint8_t> out;
  out.reserve(size_t(dataStart() + dataSize()));
  put32(out, ResourceArchive::kMagic);
  put16(out, uint32_t(filler_.size()));
  out.insert(out.end(), filler_.begin(), filler_.end());
  put16(out, uint32_t(entries_.size() * ResourceArchive::kEntryBytes));
  uint64_t offset = dataStart();
  for (const Entry& entry : entries_) {
    uint8_t name[ResourceArchive::kNameBytes] = {};
    std::memcpy(name, entry.name.c_str(), size_t(entry.name.length()));
    out.insert(out.end(), name, name + sizeof name);
    put32(out, uint32_t(offset));
    put32(out, uint32_t(entry.data.size()));
    offset += entry.data.size();
  }
  for (const Entry& entry : entries_) out.insert(out.end(), entry.data.begin(), entry.data.end());
  return out;
}
