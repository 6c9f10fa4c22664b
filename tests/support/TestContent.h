// A small gfx.arc for tests, made from code: the 13 font strips at their real widths, the
// dialog panel and the two buttons, and the game's own description files from data/;
// written beside a program placed in a fresh folder.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace testcontent {

// The colours the test pictures are painted in.
inline constexpr uint16_t kGlyphInk = 0xFFE0;    // yellow: every font's visible pixels
inline constexpr uint16_t kPanelColour = 0x18C3;  // the dialog panel
inline constexpr uint16_t kButtonOff = 0x4208;
inline constexpr uint16_t kButtonOn = 0x8410;

// Glyph pixel (column j of the strip, row r from the top) is ink unless this says it is
// transparent: a pattern that makes every glyph's columns differ.
bool glyphPixelIsInk(int stripColumn, int row);

// Archive entries: a name and its bytes.
using Entries = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

// Puts the program at `folder`/nupavane and writes gfx.arc there. Returns the folder.
// With the rooms' zone maps (plain, one zone each), which the game's start-up checks; the
// screens' own tests bring theirs in `extra`, whose entries replace those of the same name.
std::string writeGraphicsArchive(const std::string& testName, bool withZoneMaps = false,
                                 const Entries& extra = {});

// The bytes of a file of data/; empty when it cannot be read.
std::vector<uint8_t> dataFile(const std::string& name);

// Writes snd.arc with every effect and the song into that folder.
void writeSoundArchive(const std::string& folder);

}  // namespace testcontent
