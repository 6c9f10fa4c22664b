// A savegame built in memory and written beside the program in one piece. Integers are
// 32-bit two's complement, little-endian on every machine; a bool is the integer 1 or 0; a
// string is its byte length as an integer, then its bytes, no terminator.
#pragma once

#include "core/String.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class SavegameWriter {
public:
  static constexpr size_t kCapacity = 102400;

  // Allocates the buffer; ready() tells whether that worked.
  explicit SavegameWriter(const String& fileName);

  bool ready() const { return buffer_ != nullptr; }

  // Each appends in its encoding. A value that does not fit whole into what is left of the
  // buffer is not written at all; the writer remembers it and store() refuses the file.
  SavegameWriter& writeInt(int32_t value);
  SavegameWriter& writeBool(bool flag);
  SavegameWriter& writeString(const String& text);

  // Warns on standard error when the bytes asked for reach the buffer's size; then replaces
  // the file with exactly the bytes used, unless a value had to be left out (a cut savegame
  // would not load). True when the file was written.
  bool store();

  const uint8_t* data() const { return buffer_.get(); }
  size_t used() const { return used_; }
  // Bytes the calls asked for, written or not: more than used() after an overflow.
  size_t wanted() const { return wanted_; }

private:
  // Copies count bytes when they fit; otherwise only counts them as wanted.
  void append(const uint8_t* bytes, size_t count);

  String fileName_;
  std::unique_ptr<uint8_t[]> buffer_;
  size_t used_ = 0;
  size_t wanted_ = 0;
};
