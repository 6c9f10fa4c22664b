#include "res/SavegameWriter.h"

#include "res/Files.h"

#include <cstdio>
#include <cstring>
#include <new>

SavegameWriter::SavegameWriter(const String& fileName)
    : fileName_(fileName), buffer_(new (std::nothrow) uint8_t[kCapacity]) {}

void SavegameWriter::append(const uint8_t* bytes, size_t count) {
  const bool fits = buffer_ && wanted_ == used_ && count <= kCapacity - used_;
  wanted_ += count;
  if (!fits) return;
  if (count > 0) std::memcpy(buffer_.get() + used_, bytes, count);
  used_ += count;
}

SavegameWriter& SavegameWriter::writeInt(int32_t value) {
  const uint32_t bits = uint32_t(value);
  const uint8_t bytes[4] = {uint8_t(bits), uint8_t(bits >> 8), uint8_t(bits >> 16), uint8_t(bits >> 24)};
  append(bytes, sizeof bytes);
  return *this;
}

SavegameWriter& SavegameWriter::writeBool(bool flag) { return writeInt(flag ? 1 : 0); }

// The length and the bytes go in together or not at all.
SavegameWriter& SavegameWriter::writeString(const String& text) {
  const size_t length = size_t(text.length());
  if (wanted_ == used_ && (kCapacity - used_ < 4 || length > kCapacity - used_ - 4)) {
    wanted_ += 4 + length;
    return *this;
  }
  writeInt(int32_t(length));
  append(reinterpret_cast<const uint8_t*>(text.c_str()), length);
  return *this;
}

bool SavegameWriter::store() {
  if (!buffer_) return false;
  if (wanted_ >= kCapacity) {
    std::fprintf(stderr, "SavegameWriter::store(): WARNING: used buffer (%zu) larger than allocated buffer (%zu) !\n",
                 wanted_, kCapacity);
    std::fflush(stderr);
  }
  if (wanted_ != used_) return false;
  return writeGameFile(FilePlace::Saves, fileName_, buffer_.get(), used_);
}
