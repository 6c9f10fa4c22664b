#include "sound/Wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace synth {

namespace {

void put(std::vector<uint8_t>& b, uint32_t value, int count) {
  for (int i = 0; i < count; ++i) b.push_back(uint8_t(value >> (8 * i)));
}

void putTag(std::vector<uint8_t>& b, const char* tag) { b.insert(b.end(), tag, tag + std::strlen(tag)); }

std::vector<uint8_t> header(int rate, int bytesPerSample, size_t dataBytes) {
  std::vector<uint8_t> b;
  putTag(b, "RIFF");
  put(b, uint32_t(36 + dataBytes), 4);
  putTag(b, "WAVE");
  putTag(b, "fmt ");
  put(b, 16, 4);
  put(b, 1, 2);  // PCM
  put(b, 1, 2);  // mono
  put(b, uint32_t(rate), 4);
  put(b, uint32_t(rate * bytesPerSample), 4);
  put(b, uint32_t(bytesPerSample), 2);  // block align: the reader tells 16-bit from 8-bit by it
  put(b, uint32_t(8 * bytesPerSample), 2);
  putTag(b, "data");
  put(b, uint32_t(dataBytes), 4);
  return b;
}

}  // namespace

int16_t toPcm16(float sample) {
  return int16_t(std::clamp(std::lround(double(sample) * 32767.0), -32767L, 32767L));
}

std::vector<uint8_t> wav16(const Signal& signal, int rate) {
  std::vector<uint8_t> b = header(rate, 2, signal.size() * 2);
  for (float s : signal) put(b, uint16_t(toPcm16(s)), 2);
  return b;
}

std::vector<uint8_t> wav8(const Signal& signal, int rate) {
  std::vector<uint8_t> b = header(rate, 1, signal.size());
  for (float s : signal) b.push_back(uint8_t(128 + std::clamp(std::lround(double(s) * 127.0), -127L, 127L)));
  return b;
}

}  // namespace synth
