// The font strips the build made, drawn through the game's own loader and drawText: every
// glyph has ink and keeps its cell's last column for the spacing, look-alike glyphs differ
// in their ink, the dots of i and j stand apart from their stems, and an outline or shadow
// never fills up a gap the ink encloses.
#include "ArcCommands.h"
#include "gfx/FontManager.h"
#include "gfx/FontTables.h"
#include "res/ResourceArchive.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr uint16_t kBackground = 0x0841;  // a dark grey no font uses

// One glyph as drawText leaves it: which pixels of its cell changed, and their colours.
struct DrawnGlyph {
  int width = 0, height = 0;
  std::vector<uint16_t> pixels;  // row by row from the cell's top; kBackground where undrawn
  uint16_t at(int x, int y) const { return x < 0 || y < 0 || x >= width || y >= height ? kBackground : pixels[size_t(y) * width + x]; }
  bool drawn(int x, int y) const { return at(x, y) != kBackground; }
};

class FontGlyphTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    auto reader = arc::openArchive(std::string(NUPAVANE_BUILD_DIR) + "/gfx.arc");
    ASSERT_TRUE(reader) << "gfx.arc cannot be opened";
    closeGraphicsArchive();
    graphicsArchive = reader.release();
    ASSERT_EQ(FontManager::instance().brokenFont(), -1);
  }
  static void TearDownTestSuite() {
    FontManager::destroy();
    closeGraphicsArchive();
  }

  static DrawnGlyph draw(int font, uint8_t byte) {
    std::vector<uint16_t> frame(320 * 240, kBackground);
    const int x = 20, baseline = 100, height = kFonts[font].height;
    FontManager::instance().drawText(font, x, baseline, String(std::string(1, char(byte)).c_str()), frame.data(), AlignLeft);
    DrawnGlyph glyph;
    glyph.width = FontManager::instance().textWidth(font, String(std::string(1, char(byte)).c_str()));
    glyph.height = height;
    for (int y = baseline - height; y < baseline; ++y)
      for (int gx = x; gx < x + glyph.width; ++gx) glyph.pixels.push_back(frame[gx * 240 + 239 - y]);
    return glyph;
  }

  // The font's ink colour: the colour most pixels have that are drawn on all four sides (an
  // outline or shadow always borders on the background somewhere).
  static uint16_t inkColour(int font) {
    std::map<uint16_t, int> counts;
    for (uint8_t byte : kGlyphOrder) {
      const DrawnGlyph g = draw(font, byte);
      for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
          if (g.drawn(x, y) && g.drawn(x - 1, y) && g.drawn(x + 1, y) && g.drawn(x, y - 1) && g.drawn(x, y + 1))
            ++counts[g.at(x, y)];
    }
    uint16_t best = 0;
    for (const auto& [colour, n] : counts)
      if (!counts.count(best) || n > counts[best]) best = colour;
    return best;
  }

  // The ink of a glyph as rows of 'X' and '.'.
  static std::vector<std::string> inkOf(int font, uint8_t byte) {
    static std::map<int, uint16_t> inks;
    if (!inks.count(font)) inks[font] = inkColour(font);
    const DrawnGlyph g = draw(font, byte);
    std::vector<std::string> rows(size_t(g.height), std::string(size_t(g.width), '.'));
    for (int y = 0; y < g.height; ++y)
      for (int x = 0; x < g.width; ++x)
        if (g.at(x, y) == inks[font]) rows[size_t(y)][size_t(x)] = 'X';
    return rows;
  }
};

std::string nameOf(int font, uint8_t byte) {
  return "font " + std::to_string(font) + " '" + (byte == 167 ? std::string("#167") : std::string(1, char(byte))) + "'";
}

// The 4- or 8-connected regions of the pixels in `rows` that equal `what`.
std::vector<std::vector<std::pair<int, int>>> regionsOf(const std::vector<std::string>& rows, char what, bool diagonal) {
  std::vector<std::vector<std::pair<int, int>>> regions;
  std::set<std::pair<int, int>> seen;
  const int h = int(rows.size()), w = h ? int(rows[0].size()) : 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (rows[size_t(y)][size_t(x)] != what || seen.count({x, y})) continue;
      std::vector<std::pair<int, int>> region, open{{x, y}};
      seen.insert({x, y});
      while (!open.empty()) {
        auto [px, py] = open.back();
        open.pop_back();
        region.push_back({px, py});
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = px + dx, ny = py + dy;
            if ((!diagonal && dx && dy) || nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
            if (rows[size_t(ny)][size_t(nx)] != what || !seen.insert({nx, ny}).second) continue;
            open.push_back({nx, ny});
          }
      }
      regions.push_back(std::move(region));
    }
  return regions;
}

// The pixels by which two glyphs' ink differs, each set at its own bottom-left corner.
int inkDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  auto pixels = [](const std::vector<std::string>& rows) {
    std::set<std::pair<int, int>> ink;
    int left = 1 << 20, bottom = -1;
    for (int y = 0; y < int(rows.size()); ++y)
      for (int x = 0; x < int(rows[size_t(y)].size()); ++x)
        if (rows[size_t(y)][size_t(x)] == 'X') left = std::min(left, x), bottom = std::max(bottom, y);
    for (int y = 0; y < int(rows.size()); ++y)
      for (int x = 0; x < int(rows[size_t(y)].size()); ++x)
        if (rows[size_t(y)][size_t(x)] == 'X') ink.insert({x - left, bottom - y});
    return ink;
  };
  const auto pa = pixels(a), pb = pixels(b);
  int differ = 0;
  for (const auto& p : pa) differ += !pb.count(p);
  for (const auto& p : pb) differ += !pa.count(p);
  return differ;
}

TEST_F(FontGlyphTest, EveryGlyphHasInkAndKeepsItsLastColumnForTheSpacing) {
  std::vector<std::string> faults;
  for (int font = 0; font < kFontCount; ++font)
    for (uint8_t byte : kGlyphOrder) {
      if (byte == ' ') continue;
      const std::vector<std::string> ink = inkOf(font, byte);
      bool any = false, inLastColumn = false;
      for (const std::string& row : ink) {
        any = any || row.find('X') != std::string::npos;
        inLastColumn = inLastColumn || (row.size() > 1 && row.back() == 'X');
      }
      if (!any) faults.push_back(nameOf(font, byte) + " has no ink");
      if (inLastColumn) faults.push_back(nameOf(font, byte) + " inks its last column and touches the next glyph");
    }
  EXPECT_TRUE(faults.empty()) << faults.size() << " faults:\n" << ::testing::PrintToString(faults);
}

// Glyphs a reader mixes up: at least two pixels apart as they stand in their cells, and of
// another shape, not the same ink shifted (compared again set at the same corner).
TEST_F(FontGlyphTest, LookAlikeGlyphsDifferInTheirInk) {
  const std::vector<std::string> families = {"il1Ij!", ";:,.", "o0O", "5S", "8B", "2Z", "rn", "ce"};
  std::vector<std::string> faults;
  for (int font = 0; font < kFontCount; ++font)
    for (const std::string& family : families)
      for (size_t i = 0; i < family.size(); ++i)
        for (size_t j = i + 1; j < family.size(); ++j) {
          const auto a = inkOf(font, uint8_t(family[i])), b = inkOf(font, uint8_t(family[j]));
          int inCell = 0;
          for (size_t y = 0; y < a.size(); ++y)
            for (size_t x = 0; x < std::max(a[y].size(), b[y].size()); ++x)
              inCell += (x < a[y].size() && a[y][x] == 'X') != (x < b[y].size() && b[y][x] == 'X');
          if (inCell < 2 || inkDifference(a, b) < 1)
            faults.push_back(nameOf(font, uint8_t(family[i])) + " and '" + family[j] + "' look alike");
        }
  EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

TEST_F(FontGlyphTest, TheDotsOfIAndJStandApartFromTheirStems) {
  std::vector<std::string> faults;
  for (int font = 0; font < kFontCount; ++font)
    for (uint8_t byte : {uint8_t('i'), uint8_t('j')}) {
      const auto ink = inkOf(font, byte);
      const auto parts = regionsOf(ink, 'X', true);
      if (parts.size() != 2) {
        faults.push_back(nameOf(font, byte) + " is " + std::to_string(parts.size()) + " pieces of ink, not dot and stem");
        continue;
      }
      auto rowsOf = [](const std::vector<std::pair<int, int>>& part) {
        int top = 1 << 20, bottom = -1;
        for (auto [x, y] : part) top = std::min(top, y), bottom = std::max(bottom, y);
        return std::pair{top, bottom};
      };
      auto [dotTop, dotBottom] = rowsOf(parts[0]);
      auto [stemTop, stemBottom] = rowsOf(parts[1]);
      if (dotTop > stemTop) std::swap(dotTop, stemTop), std::swap(dotBottom, stemBottom);
      if (stemTop - dotBottom < 2) faults.push_back(nameOf(font, byte) + ": no empty row between dot and stem");
      if (dotBottom - dotTop + 1 > (stemBottom - stemTop + 1) / 2)
        faults.push_back(nameOf(font, byte) + ": the dot is no smaller than the stem");
    }
  EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

// An enclosed gap of the ink (the eye of an e) shows what lies behind the text in at least
// one pixel: an outline or shadow that fills it turns the letter into a blot. On the black
// loading screen only the outline of the big black font shows, so there a gap also needs
// outline inside it, or the e loses its eye.
TEST_F(FontGlyphTest, OutlinesAndShadowsLeaveTheGapsInsideAGlyphOpen) {
  constexpr int kOutlined = 4;
  std::vector<std::string> faults;
  for (int font = 0; font < kFontCount; ++font)
    for (uint8_t byte : kGlyphOrder) {
      const auto ink = inkOf(font, byte);
      const DrawnGlyph drawn = draw(font, byte);
      for (const auto& gap : regionsOf(ink, '.', false)) {
        bool enclosed = true, outlined = false, open = false;
        for (auto [x, y] : gap) {
          enclosed = enclosed && x > 0 && y > 0 && x < drawn.width - 1 && y < drawn.height - 1;
          outlined = outlined || drawn.drawn(x, y);
          open = open || !drawn.drawn(x, y);
        }
        if (enclosed && !open) faults.push_back(nameOf(font, byte) + ": a gap inside the glyph is filled up");
        if (enclosed && font == kOutlined && !outlined)
          faults.push_back(nameOf(font, byte) + ": a gap shows no outline inside");
      }
    }
  EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

}  // namespace
