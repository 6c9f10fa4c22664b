#include "screens/SettingsFile.h"

#include "app/Application.h"
#include "core/String.h"
#include "gfx/Bitmap.h"
#include "res/Files.h"
#include "sound/Sound.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kFileName = "settings.dta";

uint64_t readLittle(const uint8_t* at, int bytes) {
  uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | at[i];
  return value;
}

void writeLittle(uint8_t* at, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = uint8_t(value >> (8 * i));
}

int32_t readWord(const uint8_t* data, size_t offset) {
  return int32_t(uint32_t(readLittle(data + offset, 4)));
}

void writeWord(uint8_t* data, size_t offset, int32_t value) { writeLittle(data + offset, uint32_t(value), 4); }

}  // namespace

std::optional<Settings> Settings::decode(const uint8_t* data, size_t length) {
  if (!data || length < kBytes) return std::nullopt;
  Settings s;
  s.colourFactor = std::bit_cast<double>(readLittle(data, 8));
  s.up = readWord(data, 8);
  s.down = readWord(data, 12);
  s.left = readWord(data, 16);
  s.right = readWord(data, 20);
  s.turned = readWord(data, 24) != 0;
  s.soundOn = readWord(data, 28) != 0;
  return s;
}

bool Settings::isUsable() const {
  std::array<int32_t, 4> codes{up, down, left, right};
  std::sort(codes.begin(), codes.end());
  bool permutation = codes == std::array<int32_t, 4>{KeyLeft, KeyRight, KeyUp, KeyDown};
  return permutation && std::isfinite(colourFactor) && colourFactor > 0;
}

std::array<uint8_t, Settings::kBytes> Settings::encode() const {
  std::array<uint8_t, kBytes> bytes{};
  writeLittle(bytes.data(), std::bit_cast<uint64_t>(colourFactor), 8);
  writeWord(bytes.data(), 8, up);
  writeWord(bytes.data(), 12, down);
  writeWord(bytes.data(), 16, left);
  writeWord(bytes.data(), 20, right);
  writeWord(bytes.data(), 24, turned ? 1 : 0);
  writeWord(bytes.data(), 28, soundOn ? 1 : 0);
  return bytes;
}

std::optional<Settings> readSettingsFile() {
  auto bytes = readGameFile(FilePlace::Config, String(kFileName));
  if (!bytes) return std::nullopt;
  return Settings::decode(bytes->data(), bytes->size());
}

bool writeSettingsFile(const Settings& settings) {
  auto bytes = settings.encode();
  return writeGameFile(FilePlace::Config, String(kFileName), bytes.data(), bytes.size());
}

void applySettingsFile(Application& app) {
  auto settings = readSettingsFile();
  if (!settings) return;
  if (!settings->isUsable()) {
    std::fprintf(stderr, "GameApplication::start(): WARNING: '%s' holds settings no settings screen makes, the defaults "
                 "are used instead !\n", kFileName);
    std::fflush(stderr);
    return;
  }
  colourFactor = settings->colourFactor;
  app.setKeyMapping(settings->up, settings->down, settings->left, settings->right);
  app.turned = settings->turned;
  if (!settings->soundOn) Sound::instance().mute();
}
