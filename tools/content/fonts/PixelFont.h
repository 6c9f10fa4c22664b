// Fonts drawn pixel by pixel: glyph pictures written as text, read into rows of pixels.
//
// The text holds bands. A band starts with a line "> A B C", the characters it draws (a
// character may also be given as "#167", its byte value); each following line holds one
// pixel row of every glyph of the band, the glyphs separated by blanks, "X" for ink and "."
// for none. A band's first row is the glyph's top row; rows a band leaves out stay empty.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct PixelGlyph {
  int width = 0;
  std::vector<std::string> rows;  // top row first, each `width` characters of 'X' and '.'
  bool inkAt(int x, int y) const { return y >= 0 && y < int(rows.size()) && x >= 0 && x < width && rows[y][x] == 'X'; }
};

using PixelFont = std::map<uint8_t, PixelGlyph>;

// The glyphs of the text by byte value; an empty font and a message naming the line when the
// text is malformed (a row with too few or too many glyphs, a glyph of uneven rows, a
// character given twice or a pixel other than 'X' and '.').
PixelFont readPixelFont(const char* art, std::string& error);

extern const char* const kSmallGlyphArt;   // the 14-pixel fonts
extern const char* const kLittleGlyphArt;  // the 11-pixel font
