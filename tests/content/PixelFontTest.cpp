// The reader of the hand-drawn glyph pictures: a slip in the drawing (a glyph left out of a
// row, a ragged glyph, a stray character) is reported with its line instead of shifting
// every glyph after it into its neighbour's place.
#include "fonts/PixelFont.h"

#include <gtest/gtest.h>

namespace {

TEST(PixelFontTest, ReadsBandsOfGlyphsSideBySide) {
  std::string error;
  const PixelFont font = readPixelFont("> i #167 l\n.. X.X X\nX. .X. X\n", error);
  ASSERT_EQ(error, "");
  ASSERT_EQ(font.size(), 3u);
  EXPECT_EQ(font.at('i').width, 2);
  EXPECT_TRUE(font.at('i').inkAt(0, 1));
  EXPECT_FALSE(font.at('i').inkAt(0, 0));
  EXPECT_EQ(font.at(167).rows, (std::vector<std::string>{"X.X", ".X."}));
  EXPECT_FALSE(font.at('l').inkAt(0, 2)) << "below the drawn rows there is no ink";
}

TEST(PixelFontTest, ReportsTheLineOfEveryKindOfSlip) {
  const struct {
    const char* art;
    const char* error;
  } cases[] = {
      {"> a b\nX.\n", "glyph line 2: 1 glyphs in a band of 2"},
      {"> a\nX. X.\n", "glyph line 2: 2 glyphs in a band of 1"},
      {"> a\nX.\nX\n", "glyph line 3: uneven rows in a glyph"},
      {"> a\nXo\n", "glyph line 2: 'Xo' is no pixel row"},
      {"> a\nX\n> a\n", "glyph line 3: 'a' is drawn twice"},
      {"> #256\n", "glyph line 1: '#256' is not a character"},
      {"> ab\n", "glyph line 1: 'ab' is not a character"},
      {"X.\n", "glyph line 1: 1 glyphs in a band of 0"},
  };
  for (const auto& c : cases) {
    std::string error;
    const PixelFont font = readPixelFont(c.art, error);
    EXPECT_EQ(error, c.error) << c.art;
    EXPECT_TRUE(font.empty()) << c.art;
  }
}

}  // namespace
