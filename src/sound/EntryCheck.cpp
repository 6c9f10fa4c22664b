#include "sound/EntryCheck.h"

#include <cstring>

namespace {

// Little-endian reads that never pass the end: a field that does not fit fails the check.
class Bytes {
public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool has(uint64_t at, uint64_t count) const { return data_ && at <= size_ && count <= size_ - at; }
  bool get16(uint64_t at, uint32_t& value) const {
    if (!has(at, 2)) return false;
    value = uint32_t(data_[at]) | uint32_t(data_[at + 1]) << 8;
    return true;
  }
  bool get32(uint64_t at, uint32_t& value) const {
    uint32_t low = 0, high = 0;
    if (!get16(at, low) || !get16(at + 2, high)) return false;
    value = low | high << 16;
    return true;
  }
  bool tagIs(uint64_t at, const char* tag) const {
    size_t length = std::strlen(tag);
    return has(at, length) && std::memcmp(data_ + at, tag, length) == 0;
  }
  size_t size() const { return size_; }

private:
  const uint8_t* data_;
  size_t size_;
};

constexpr uint64_t kRiffHeader = 12;
constexpr uint64_t kChunkHeader = 8;
constexpr uint32_t kPcm = 1;

bool isUsableFormat(const Bytes& in, uint64_t at, uint32_t length) {
  uint32_t format = 0, channels = 0, bits = 0;
  if (length < 16 || !in.get16(at, format) || !in.get16(at + 2, channels) || !in.get16(at + 14, bits)) return false;
  return format == kPcm && (channels == 1 || channels == 2) && (bits == 8 || bits == 16);
}

// XM layout: a 60-byte preamble and the header of the size it states (at 60); patterns
// each a header of its own length with the packed data's size at 7; instruments each a
// header of its own length, the sample count at 27 and the sample header size at 29,
// then that many sample headers (length at 0) and the samples' data.
constexpr uint64_t kXmPreamble = 60;
constexpr uint32_t kXmMaxPatterns = 256;
constexpr uint32_t kXmMaxInstruments = 128;
constexpr uint32_t kXmMaxSamples = 16;

bool skipPatterns(const Bytes& in, uint64_t& at, uint32_t patterns) {
  for (uint32_t i = 0; i < patterns; ++i) {
    uint32_t headerLength = 0, packedSize = 0;
    if (!in.get32(at, headerLength) || headerLength < 9 || !in.get16(at + 7, packedSize)) return false;
    at += uint64_t(headerLength) + packedSize;
    if (!in.has(at, 0)) return false;
  }
  return true;
}

bool skipInstruments(const Bytes& in, uint64_t& at, uint32_t instruments) {
  for (uint32_t i = 0; i < instruments; ++i) {
    uint32_t headerSize = 0, samples = 0, sampleHeaderSize = 0;
    if (!in.get32(at, headerSize) || headerSize < 29 || !in.get16(at + 27, samples) || samples > kXmMaxSamples)
      return false;
    if (samples > 0 && (headerSize < 33 || !in.get32(at + 29, sampleHeaderSize) || sampleHeaderSize < 4)) return false;
    uint64_t sampleHeaders = at + headerSize;
    uint64_t dataLength = 0;
    for (uint32_t s = 0; s < samples; ++s) {
      uint32_t length = 0;
      if (!in.get32(sampleHeaders + uint64_t(s) * sampleHeaderSize, length)) return false;
      dataLength += length;
    }
    at = sampleHeaders + uint64_t(samples) * sampleHeaderSize + dataLength;
    if (!in.has(at, 0)) return false;
  }
  return true;
}

}  // namespace

bool isWholeWave(const uint8_t* data, size_t size) {
  Bytes in(data, size);
  uint32_t riffLength = 0;
  if (!in.tagIs(0, "RIFF") || !in.get32(4, riffLength) || !in.tagIs(8, "WAVE")) return false;
  if (uint64_t(riffLength) + 8 > size) return false;  // claims more than the entry holds
  bool formatSeen = false;
  for (uint64_t at = kRiffHeader; in.has(at, kChunkHeader);) {
    uint32_t length = 0;
    in.get32(at + 4, length);
    uint64_t body = at + kChunkHeader;
    if (!in.has(body, length)) return false;
    if (in.tagIs(at, "fmt ")) {
      if (!isUsableFormat(in, body, length)) return false;
      formatSeen = true;
    } else if (in.tagIs(at, "data")) {
      return formatSeen;
    }
    at = body + length + (length & 1);  // chunks are padded to whole words
  }
  return false;  // no data chunk
}

bool isWholeModule(const uint8_t* data, size_t size) {
  Bytes in(data, size);
  uint32_t headerSize = 0, patterns = 0, instruments = 0;
  if (!in.tagIs(0, "Extended Module: ") || !in.get32(kXmPreamble, headerSize)) return false;
  if (!in.get16(kXmPreamble + 10, patterns) || !in.get16(kXmPreamble + 12, instruments)) return false;
  if (headerSize < 20 || patterns > kXmMaxPatterns || instruments > kXmMaxInstruments) return false;
  uint64_t at = kXmPreamble + headerSize;
  if (!in.has(at, 0)) return false;
  return skipPatterns(in, at, patterns) && skipInstruments(in, at, instruments);
}
