// settings.dta beside the program: 32 bytes, little-endian. The colour factor (a double),
// the direction codes paired with the key slots up, down, left and right (int32 each),
// then the turn and sound flags (int32, nonzero = set).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

class Application;

struct Settings {
  static constexpr size_t kBytes = 32;

  double colourFactor = 1.0;
  // Direction codes paired with the key slots KeyUp, KeyDown, KeyLeft, KeyRight: the
  // turned picture's pairing unless the file says otherwise.
  int32_t up = 5;
  int32_t down = 4;
  int32_t left = 6;
  int32_t right = 7;
  bool turned = true;
  bool soundOn = true;

  // Nothing for fewer than 32 bytes; longer data is read from its first 32. The values
  // are taken as they stand; isUsable tells whether the game can use them.
  static std::optional<Settings> decode(const uint8_t* data, size_t length);
  // What a settings screen can write: the four direction codes (4 to 7) each paired with
  // one key slot, and a finite positive colour factor. Anything else (random bytes, a
  // file of another program) would leave the settings screen impossible to confirm.
  bool isUsable() const;
  // The flags are written as 1 or 0.
  std::array<uint8_t, kBytes> encode() const;
};

// The file beside the program, or nothing when it is missing or short.
std::optional<Settings> readSettingsFile();
// Replaces the file atomically; false when it could not be written.
bool writeSettingsFile(const Settings& settings);

// What the start-up does with the file: without one the defaults stay, and with one it
// cannot use too, after a line that says so; with a usable one, the colour factor, the key
// pairing and the turn are set and a silent sound is muted.
void applySettingsFile(Application& app);
