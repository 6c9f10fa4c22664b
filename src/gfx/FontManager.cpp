#include "gfx/FontManager.h"

#include "gfx/Colour.h"
#include "gfx/FontTables.h"

#include <algorithm>

namespace {

// A plain pointer, not a static object: the exit clean-up deletes the manager after the
// program's static objects may already be gone.
FontManager* theManager = nullptr;

// Each glyph's start column is the sum of the widths before it in the strip.
void buildFont(Font& font, std::unique_ptr<Bitmap> strip, int height, FontSize size) {
  const uint8_t* widths = widthsOf(size);
  int start = 0;
  for (int i = 0; i < kGlyphCount; ++i) {
    font.widths[kGlyphOrder[i]] = widths[i];
    font.starts[kGlyphOrder[i]] = int16_t(start);
    start += widths[i];
  }
  font.height = int16_t(height);
  font.strip = std::move(strip);
}

}  // namespace

FontManager& FontManager::instance() {
  if (!theManager) theManager = new FontManager();
  return *theManager;
}

void FontManager::destroy() {
  delete theManager;
  theManager = nullptr;
}

bool FontManager::exists() { return theManager != nullptr; }

// A strip that is missing or decodes to nothing is noted (the grey placeholder stands in
// for it), and the start-up ends the game: it could not say anything with it.
FontManager::FontManager() {
  for (int i = 0; i <= kMaxFont; ++i) {
    auto strip = std::make_unique<Bitmap>(String(kFonts[i].picture), true);
    if (!strip->isLoaded(String(kFonts[i].picture)) && brokenFont_ < 0) brokenFont_ = i;
    buildFont(fonts_[i], std::move(strip), kFonts[i].height, kFonts[i].size);
  }
}

int FontManager::textWidth(int font, const String& text) const {
  if (font < 0 || font > kMaxFont) return 0;
  int width = 0;
  for (const char* c = text.c_str(); *c; ++c) width += fonts_[font].widths[uint8_t(*c)];
  return width;
}

int FontManager::drawText(int font, int x, int y, const String& text, uint16_t* framebuffer, int alignment,
                          int widthLimit) const {
  if (font < 0 || font > kMaxFont) return 0;
  if (alignment == AlignCentre) x = 160 - textWidth(font, text) / 2;
  else if (alignment == AlignRight) x = 320 - textWidth(font, text);
  if (x < 0 || x > 318) return 0;
  const Font& f = fonts_[font];
  const int limit = widthLimit == -1 ? 319 - x : widthLimit;
  int total = 0;
  for (const char* c = text.c_str(); *c; ++c) {
    const uint8_t byte = uint8_t(*c);
    total += f.widths[byte];
    if (total >= limit) break;  // the glyph that reaches the limit is not drawn
    drawGlyph(f, byte, x, y, framebuffer);
    x += f.widths[byte];
  }
  return x;
}

// Column by column from the strip, bottom row first, skipping the mask colour. Only what
// lies inside both the strip and the screen is touched.
void FontManager::drawGlyph(const Font& font, uint8_t c, int x, int y, uint16_t* framebuffer) const {
  const int width = font.widths[c];
  const Bitmap& strip = *font.strip;
  const uint16_t* pixels = strip.getPixels();
  if (c == ' ' || width == 0 || !pixels) return;
  const int stripHeight = strip.getHeight();
  const int height = std::min<int>(font.height, stripHeight);
  // Glyph row r (from the bottom) lands on screen row y - 1 - r.
  const int firstRow = std::max(0, y - 240);
  const int lastRow = std::min(height, y);
  if (firstRow >= lastRow) return;
  for (int j = 0; j < width; ++j) {
    const int column = font.starts[c] + j, screenX = x + j;
    if (column >= strip.getWidth() || screenX >= 320) break;
    const uint16_t* source = pixels + size_t(column) * stripHeight;
    uint16_t* target = framebuffer + screenX * 240 + (240 - y);
    for (int r = firstRow; r < lastRow; ++r)
      if (source[r] != kMaskColour) target[r] = source[r];
  }
}
