// The content the build made, read back for the tests: the two archives beside the program,
// the list of fixed entry names with what the game needs of each, and pictures decoded by
// the game's own decoders.
#pragma once

#include "gfx/Decoders.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// One line of fixed_names.txt.
struct FixedEntry {
  std::string name;
  int width = -1, height = -1;  // -1: any size (or no picture)
  std::string use;              // opaque, keyed, keyed-jpeg, zones:..., font-*, data, sound, music
  int line = 0;
};

// The entries of fixed_names.txt; an empty list and a message when it cannot be read or a
// line is malformed.
std::vector<FixedEntry> readFixedEntries(const std::string& path, std::string& error);

// Every entry of an archive by name (the first of equal names, which is the one the game
// finds); nothing and a message when the archive cannot be opened or read.
using ArchiveContents = std::map<std::string, std::vector<uint8_t>>;
std::optional<ArchiveContents> readArchive(const std::string& path, std::string& error);

// The picture decoded by the decoder its extension selects, as the game's loader does;
// nothing for an entry that is no picture or does not decode.
std::optional<DecodedPicture> decodePicture(const std::string& name, const std::vector<uint8_t>& bytes);

// The game's key colour, and pixel access in the decoders' column runs.
inline constexpr uint16_t kKeyColour = 0xF81F;
inline uint16_t pixelAt(const DecodedPicture& p, int x, int y) { return p.pixels[columnRunIndex(x, y, p.height)]; }

// "a, b, c (and 12 more)": a readable list for failure messages.
std::string listOf(const std::vector<std::string>& items, size_t shown = 200);
