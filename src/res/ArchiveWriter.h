// Builds resource archive bytes from (name, data) entries: the packing tool writes gfx.arc
// and snd.arc with it, and tests make their archives with it.
#pragma once

#include "core/String.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class ArchiveWriter {
public:
  // A name fills at most 51 bytes, so its NUL fits the 52-byte field.
  static constexpr int kMaxNameLength = 51;
  // The directory length is a 16-bit count of bytes.
  static constexpr int kMaxEntries = 65535 / 60;

  // Adds an entry after the ones before it, in this order in the directory and the data.
  // False (nothing added) for a name too long to store, a full directory, or data that
  // would lie past the 4 GiB the 32-bit offsets reach.
  bool add(const String& name, const std::vector<uint8_t>& data);
  bool add(const String& name, const uint8_t* data, size_t size);

  // The filler after the header; 128 zero bytes unless set. False when longer than 65535.
  bool setFiller(const std::vector<uint8_t>& filler);

  int count() const { return int(entries_.size()); }

  // The whole archive: header, filler, directory, then every entry's data in order.
  std::vector<uint8_t> bytes() const;

private:
  struct Entry {
    String name;
    std::vector<uint8_t> data;
  };
  uint64_t dataStart() const;
  uint64_t dataSize() const;

  std::vector<uint8_t> filler_ = std::vector<uint8_t>(128, 0);
  std::vector<Entry> entries_;
};
