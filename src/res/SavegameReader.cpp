#include "res/SavegameReader.h"

#include "res/Files.h"

#include <cstring>
#include <utility>

SavegameReader::SavegameReader(const String& fileName) {
  if (auto bytes = readGameFile(FilePlace::Saves, fileName)) bytes_ = std::move(*bytes);
}

SavegameReader::SavegameReader(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

bool SavegameReader::has(size_t count) {
  if (!failed_ && count <= remaining()) return true;
  failed_ = true;
  return false;
}

SavegameReader& SavegameReader::readInt(int32_t& value) {
  value = 0;
  if (!has(4)) return *this;
  const uint8_t* at = bytes_.data() + position_;
  value = int32_t(uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24);
  position_ += 4;
  return *this;
}

SavegameReader& SavegameReader::readBool(bool& flag) {
  int32_t value = 0;
  readInt(value);
  flag = value != 0;
  return *this;
}

SavegameReader& SavegameReader::readString(String& text) {
  text = "";
  int32_t length = 0;
  readInt(length);
  if (failed_) return *this;
  if (length < 0 || !has(size_t(length))) {
    failed_ = true;
    return *this;
  }
  const char* at = reinterpret_cast<const char*>(bytes_.data() + position_);
  if (std::memchr(at, 0, size_t(length))) {
    failed_ = true;
    return *this;
  }
  text = String(at, int(length));
  position_ += size_t(length);
  return *this;
}
