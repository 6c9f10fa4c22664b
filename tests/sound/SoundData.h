// Tiny sound data for the tests: WAV effects, a four-channel XM song, and "snd.arc" holding
// them beside a program placed in a folder of the test's own.
#pragma once

#include "core/String.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Unsigned 8-bit mono PCM: a square wave of `count` samples at `rate`.
Bytes makeWav(uint32_t rate, size_t count);

// A song of three orders {0, 1, 1} over two 16-row patterns, each sounding one looped note
// on every one of its four channels; its own restart position is 0.
Bytes makeSong();

// The rate of the test effect in a slot: each slot's differs, so the mixer's voice tells
// which effect it plays.
uint32_t effectRate(int slot);

// The archive entries of a complete sound archive, by name: the 27 effects in lower case
// and the song.
std::map<std::string, Bytes> completeSoundEntries();

// A program folder of the test's own with "snd.arc" made of `entries`; the headless
// platform (or one passed in) is current while it lives. The sound system is destroyed
// when it ends.
class SoundFolder {
public:
  explicit SoundFolder(platform::Platform* backend = nullptr);
  ~SoundFolder();
  void writeArchive(const std::map<std::string, Bytes>& entries);
  // The file beside the program, or "(missing)".
  std::string read(const char* name) const;
  const std::filesystem::path& path() const { return folder_; }

private:
  std::filesystem::path folder_;
  platform::HeadlessPlatform headless_;
};
