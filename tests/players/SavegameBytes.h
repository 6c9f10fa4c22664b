// Savegame bytes written out, read and damaged by hand in the tests: little-endian
// integers, strings with their length in front, joined runs.
#pragma once

#include "res/SavegameWriter.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace savebytes {

using Bytes = std::vector<uint8_t>;

inline Bytes le(std::initializer_list<int32_t> values) {
  Bytes bytes;
  for (int32_t v : values)
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(uint8_t(uint32_t(v) >> shift));
  return bytes;
}

inline Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A string as the file holds it, its length given apart to write a damaged one.
inline Bytes text(int32_t length, const std::string& bytes) {
  return le({length}) + Bytes(bytes.begin(), bytes.end());
}
inline Bytes text(const std::string& s) { return text(int32_t(s.size()), s); }

inline int32_t intAt(const Bytes& bytes, size_t at) {
  return int32_t(uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
                 uint32_t(bytes[at + 3]) << 24);
}

inline void putInt(Bytes& bytes, size_t at, int32_t value) {
  const Bytes four = le({value});
  std::copy(four.begin(), four.end(), bytes.begin() + long(at));
}

inline Bytes bytesOf(const SavegameWriter& out) { return Bytes(out.data(), out.data() + out.used()); }

}  // namespace savebytes
