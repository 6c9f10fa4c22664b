// Reads a savegame back: the whole file is held in memory and decoded from the front in the
// writer's encodings. Every read is bounds-checked: a value that would reach past the last
// byte, a negative string length or a string holding a zero byte (which no saved text can
// contain) marks the reader failed, and from then on every read gives 0, false or the empty
// text. A loader decodes everything first and asks failed() once.
#pragma once

#include "core/String.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class SavegameReader {
public:
  // Reads the whole file beside the program; a missing file reads as no data.
  explicit SavegameReader(const String& fileName);
  // Decodes bytes already in memory.
  explicit SavegameReader(std::vector<uint8_t> bytes);

  // Data was read and there is at least one byte of it.
  bool valid() const { return !bytes_.empty(); }
  size_t size() const { return bytes_.size(); }

  SavegameReader& readInt(int32_t& value);
  // Any nonzero integer is true.
  SavegameReader& readBool(bool& flag);
  SavegameReader& readString(String& text);

  bool failed() const { return failed_; }
  size_t consumed() const { return position_; }
  size_t remaining() const { return bytes_.size() - position_; }

private:
  // True when count more bytes are there to read; otherwise marks the reader failed.
  bool has(size_t count);

  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
  bool failed_ = false;
};
