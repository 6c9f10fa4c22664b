// The glyph order and widths of the game's three font sizes. Every font strip holds the
// same 84 glyphs side by side in this order, each exactly as wide as its size's table says.
#pragma once

#include <cstdint>

inline constexpr int kGlyphCount = 84;

// The byte value of each glyph, in strip order (167 is the section sign of the handheld's
// 8-bit code page).
inline constexpr uint8_t kGlyphOrder[kGlyphCount] = {
    65,  66,  67,  68,  69,  70,  71,  72,  73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85,
    86,  87,  88,  89,  90,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110,
    111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 49, 50, 51, 52, 53, 54, 55, 56,
    57,  48,  33,  34,  167, 36,  37,  38,  47,  40,  41,  61,  63,  44,  59,  46,  58,  45,  43,
    42,  126, 60,  62,  32};

// Heights 21, 14 and 11.
inline constexpr uint8_t kBigWidths[kGlyphCount] = {
    16, 16, 17, 17, 18, 13, 19, 16, 12, 14, 16, 14, 20, 17, 17, 19, 17, 19, 15, 16, 16,
    17, 22, 17, 16, 16, 11, 12, 9,  13, 9,  8,  12, 12, 6,  7,  12, 7,  18, 12, 11, 12,
    11, 10, 12, 8,  13, 12, 16, 12, 12, 12, 5,  12, 11, 11, 12, 12, 12, 13, 11, 13, 5,
    9,  11, 13, 21, 17, 7,  10, 13, 15, 8,  5,  6,  5,  5,  12, 17, 10, 19, 18, 18, 10};
inline constexpr uint8_t kSmallWidths[kGlyphCount] = {
    10, 11, 11, 11, 11, 9, 12, 11, 8, 9, 10, 9, 13, 11, 11, 12, 12, 12, 10, 10, 11,
    10, 15, 11, 10, 11, 7, 8,  6,  8, 6, 5,  8, 8,  4,  4,  8,  4,  12, 8,  7,  8,
    7,  7,  7,  6,  8,  8, 10, 8,  8, 7, 4,  7, 8,  7,  8,  8,  7,  9,  7,  8,  4,
    6,  7,  9,  13, 11, 5, 6,  8,  10, 6, 3, 4, 3, 4, 7, 11, 7, 12, 12, 12, 4};
inline constexpr uint8_t kLittleWidths[kGlyphCount] = {
    8, 9, 9, 9, 9, 7, 11, 8, 7, 7, 9, 7, 10, 10, 9, 10, 9, 10, 9, 8, 8,
    9, 12, 9, 9, 9, 5, 7, 4, 7, 5, 4, 6, 7,  3,  4, 5, 4,  10, 6, 6, 6,
    6, 5, 6, 5, 6, 7, 8, 6, 7, 6, 3, 6, 6,  6,  6, 6, 6,  8,  5, 7, 3,
    5, 6, 6, 1, 9, 4, 6, 6, 8, 4, 3, 3, 3, 2, 6, 8, 6, 1, 9, 9, 4};

enum class FontSize { Big, Small, Little };

struct FontDescription {
  const char* picture;  // archive name of the strip
  int height;
  FontSize size;
};

inline constexpr int kFontCount = 13;

inline constexpr FontDescription kFonts[kFontCount] = {
    {"gfx\\fonts\\smallBlack.gif", 14, FontSize::Small},
    {"gfx\\fonts\\smallMagenta.gif", 14, FontSize::Small},
    {"gfx\\fonts\\smallWhite.gif", 14, FontSize::Small},
    {"gfx\\fonts\\smallYellow.gif", 14, FontSize::Small},
    {"gfx\\fonts\\bigBlack.gif", 21, FontSize::Big},
    {"gfx\\fonts\\bigMagenta.gif", 21, FontSize::Big},
    {"gfx\\fonts\\bigWhite.gif", 21, FontSize::Big},
    {"gfx\\fonts\\bigYellow.gif", 21, FontSize::Big},
    {"gfx\\fonts\\smallInfoYellow.gif", 14, FontSize::Small},
    {"gfx\\fonts\\largeInfoYellow.gif", 21, FontSize::Big},
    {"gfx\\fonts\\largeInfoWhite.gif", 21, FontSize::Big},
    {"gfx\\fonts\\littleBrown.gif", 11, FontSize::Little},
    {"gfx\\fonts\\smallDragon.gif", 14, FontSize::Small},
};

constexpr const uint8_t* widthsOf(FontSize size) {
  return size == FontSize::Big ? kBigWidths : size == FontSize::Small ? kSmallWidths : kLittleWidths;
}

constexpr int stripWidth(FontSize size) {
  int sum = 0;
  for (int i = 0; i < kGlyphCount; ++i) sum += widthsOf(size)[i];
  return sum;
}

static_assert(stripWidth(FontSize::Big) == 1087);
static_assert(stripWidth(FontSize::Small) == 705);
static_assert(stripWidth(FontSize::Little) == 553);
