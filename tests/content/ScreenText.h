// Names as the screens show them: which characters the bitmap fonts hold, how wide a text is
// in each font size, and whether the lines the screens build from names fit their room.
#pragma once

#include "gfx/FontTables.h"

#include <string>
#include <string_view>
#include <vector>

// True when every byte is a glyph of the fonts. The section sign (167) is left out: the
// description files are plain ASCII.
bool usesFontCharacters(std::string_view text);

int textWidth(FontSize size, std::string_view text);

// The name that is widest in that font size; "" for an empty list.
std::string widestOf(const std::vector<std::string>& names, FontSize size);

// Faults of a list of on-screen names of one kind ("village", "dragon"...): empty names,
// blanks at either end, characters the fonts lack and names given twice.
std::vector<std::string> nameFaults(const std::string& kind, const std::vector<std::string>& names);

// A line a screen builds from names, and the pixels it has for it.
struct ScreenLine {
  std::string where;
  FontSize size;
  std::string text;
  int room;
};

std::vector<std::string> linesThatDoNotFit(const std::vector<ScreenLine>& lines);
