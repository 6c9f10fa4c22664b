// The game's 13 bitmap fonts, named by number (0 to 12), and the one-line text drawing
// every screen uses.
#pragma once

#include "core/String.h"
#include "gfx/Bitmap.h"

#include <cstdint>
#include <memory>

enum Alignment { AlignLeft = 1, AlignCentre = 2, AlignRight = 3 };

struct Font {
  std::unique_ptr<Bitmap> strip;
  int16_t height = 0;
  uint8_t widths[256] = {};  // 0 for bytes the font lacks
  int16_t starts[256] = {};  // first strip column of each glyph
};

class FontManager {
public:
  // Creates the manager on first call, loading fonts 0 to 12 from the graphics archive.
  static FontManager& instance();
  // The exit clean-up: deletes every font and its strip.
  static void destroy();
  static bool exists();

  // The number of the first font whose strip decoded to nothing, or -1. The start-up ends
  // the game when there is one: without its fonts the game cannot say anything.
  int brokenFont() const { return brokenFont_; }

  // The sum of the text's glyph widths; 0 for a font number above 12.
  int textWidth(int font, const String& text) const;

  // Draws one line into a 320 x 240 framebuffer and returns the x after the last glyph
  // drawn. y is the baseline: the row below the glyphs. AlignCentre and AlignRight ignore
  // x and centre on the screen or end at its right edge. The line ends before the glyph
  // that would reach the width limit (-1: up to the right edge). Nothing is drawn and 0
  // returned for a font above 12 or a start outside 0 to 318.
  int drawText(int font, int x, int y, const String& text, uint16_t* framebuffer, int alignment,
               int widthLimit = -1) const;

  static constexpr int kMaxFont = 12;

private:
  FontManager();
  void drawGlyph(const Font& font, uint8_t c, int x, int y, uint16_t* framebuffer) const;

  Font fonts_[kMaxFont + 1];
  int brokenFont_ = -1;
};
