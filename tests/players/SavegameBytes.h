// Savegame bytes written out by hand in the tests: little-endian integers, joined runs.
#pragma once

#include <cstdint>
#include <initializer_list>
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

}  // namespace savebytes
