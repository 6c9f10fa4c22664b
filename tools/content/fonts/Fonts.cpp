// The 13 font strips, drawn pixel by pixel (PixelFont.h): every glyph hard-edged (no
// blending into the key colour) in its cell of exactly the width the game's tables give,
// its ink near the cell's left and the spare columns mostly at the right, so that a wide
// capital does not stand apart from the letter after it; the last column stays free. The 21-pixel fonts are the 11-pixel design at twice the size.
// The big black font has a thin light outline so that it reads on the black loading screen;
// the "info" and dragon fonts carry a dark shadow.
#include "Content.h"
#include "fonts/PixelFont.h"
#include "gfx/FontTables.h"
#include "image/Encode.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Rgb {
  uint8_t r, g, b;
};

struct Style {
  Rgb ink;
  bool outline = false;
  Rgb edge{0, 0, 0};  // outline or shadow colour
  bool shadow = false;
};

// Glyph pixels, per strip pixel: nothing, ink, or edge (outline or shadow).
enum Cell : uint8_t { Empty, Ink, Edge };

Style styleFor(int font) {
  const Rgb black{0, 0, 0}, shade{40, 24, 8};
  switch (font) {
    case 0: return {black};
    case 1: case 5: return {{200, 0, 200}};  // magenta, but not the key colour
    case 2: case 6: return {{255, 255, 255}};
    case 3: case 7: return {{255, 255, 0}};
    case 4: return {black, true, {224, 216, 200}};
    case 8: case 9: return {{255, 216, 96}, false, shade, true};
    case 10: return {{240, 240, 224}, false, shade, true};
    case 11: return {{96, 56, 16}};
    default: return {{255, 112, 16}, false, {48, 8, 0}, true};  // the dragon font: fiery
  }
}

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "nupavane-content: %s\n", what.c_str());
  std::exit(1);
}

class Strip {
public:
  Strip(int width, int height) : width_(width), height_(height), cells_(size_t(width) * height, Empty) {}
  Cell& at(int x, int y) { return cells_[size_t(y) * width_ + x]; }

  void placeGlyph(const PixelGlyph& glyph, int scale, int x0, int y0) {
    for (int row = 0; row < int(glyph.rows.size()) * scale; ++row)
      for (int col = 0; col < glyph.width * scale; ++col)
        if (glyph.inkAt(col / scale, row / scale)) at(x0 + col, y0 + row) = Ink;
  }

  // Widens every gap the ink encloses by a pixel upwards and to the left, where the stroke
  // there is two pixels thick: an outline then leaves the middle of the gap free, so an e
  // keeps its eye also on black, where the outline is all that shows.
  void thinAroundGaps(int cellX, int cellWidth) {
    const std::vector<Cell> before(cells_);
    auto inkAt = [&](int x, int y) {
      return x >= cellX && x < cellX + cellWidth && y >= 0 && y < height_ && before[size_t(y) * width_ + x] == Ink;
    };
    for (const std::vector<int>& gap : enclosedGaps(cellX, cellWidth, before))
      for (int i : gap) {
        const int x = i % width_, y = i / width_;
        if (inkAt(x, y - 1) && inkAt(x, y - 2)) at(x, y - 1) = Empty;
        if (inkAt(x - 1, y) && inkAt(x - 2, y)) at(x - 1, y) = Empty;
      }
  }

  // Around every ink pixel (outline) or below-right of it (shadow), inside its own cell. A
  // gap the ink encloses (the eye of an e, the bowl of an a) that the edges would fill up
  // altogether is left without edges, so it stays open and the letter keeps its shape.
  void addEdges(int cellX, int cellWidth, bool outline) {
    std::vector<Cell> before(cells_);
    auto inkAt = [&](int x, int y) {
      return x >= cellX && x < cellX + cellWidth && y >= 0 && y < height_ && before[size_t(y) * width_ + x] == Ink;
    };
    for (int y = 0; y < height_; ++y)
      for (int x = cellX; x < cellX + cellWidth; ++x) {
        if (at(x, y) != Empty) continue;
        bool edge = outline ? false : inkAt(x - 1, y - 1) || inkAt(x - 1, y) || inkAt(x, y - 1);
        for (int dy = -1; outline && dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) edge = edge || inkAt(x + dx, y + dy);
        if (edge) at(x, y) = Edge;
      }
    for (const std::vector<int>& gap : enclosedGaps(cellX, cellWidth, before)) {
      const bool filled = std::all_of(gap.begin(), gap.end(), [&](int i) { return cells_[size_t(i)] == Edge; });
      if (filled)
        for (int i : gap) cells_[size_t(i)] = Empty;
    }
  }

  RgbPixels paint(const Style& style) const {
    RgbPixels out{width_, height_, std::vector<uint8_t>(size_t(width_) * height_ * 3)};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        uint8_t* o = out.at(x, y);
        const Cell cell = cells_[size_t(y) * width_ + x];
        const Rgb c = cell == Ink ? style.ink : cell == Edge ? style.edge : Rgb{255, 0, 255};
        o[0] = c.r, o[1] = c.g, o[2] = c.b;
      }
    return out;
  }

private:
  // The regions of pixels without ink (4-connected) that do not reach the cell's border,
  // as indices into `cells`.
  std::vector<std::vector<int>> enclosedGaps(int cellX, int cellWidth, const std::vector<Cell>& cells) const {
    std::vector<std::vector<int>> gaps;
    std::vector<bool> seen(cells.size(), false);
    for (int y = 0; y < height_; ++y)
      for (int x = cellX; x < cellX + cellWidth; ++x) {
        const int start = y * width_ + x;
        if (seen[size_t(start)] || cells[size_t(start)] == Ink) continue;
        std::vector<int> region{start}, open{start};
        seen[size_t(start)] = true;
        bool reachesBorder = false;
        while (!open.empty()) {
          const int i = open.back();
          open.pop_back();
          const int px = i % width_, py = i / width_;
          reachesBorder = reachesBorder || px == cellX || px == cellX + cellWidth - 1 || py == 0 || py == height_ - 1;
          const int next[4][2] = {{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}};
          for (const auto& [nx, ny] : next) {
            if (nx < cellX || nx >= cellX + cellWidth || ny < 0 || ny >= height_) continue;
            const int n = ny * width_ + nx;
            if (seen[size_t(n)] || cells[size_t(n)] == Ink) continue;
            seen[size_t(n)] = true;
            region.push_back(n);
            open.push_back(n);
          }
        }
        if (!reachesBorder) gaps.push_back(std::move(region));
      }
    return gaps;
  }

  int width_, height_;
  std::vector<Cell> cells_;
};

// How a size is drawn: its pixel design, magnified by `scale`, with the design's top row at
// strip row `top` (capitals start there; the rows below the baseline take the descenders).
struct SizeDesign {
  const char* art;
  int scale;
  int top;
};

SizeDesign designFor(FontSize size) {
  switch (size) {
    case FontSize::Big: return {kLittleGlyphArt, 2, 2};
    case FontSize::Small: return {kSmallGlyphArt, 1, 1};
    default: return {kLittleGlyphArt, 1, 1};
  }
}

const PixelFont& pixelFontOf(const char* art) {
  static std::vector<std::pair<const char*, PixelFont>> read;
  for (const auto& [known, font] : read)
    if (known == art) return font;
  std::string error;
  PixelFont font = readPixelFont(art, error);
  if (!error.empty()) fail(error);
  read.emplace_back(art, std::move(font));
  return read.back().second;
}

// The glyph's first column in its cell: the free columns are shared out with the larger part
// on the right, which holds the letter spacing; an outline needs one column on each side.
// A cell too narrow for that gives the outline up on the left before the spacing.
int glyphLeft(int cellWidth, int inkWidth, bool outline) {
  const int margin = outline ? 1 : 0;
  return std::max(0, std::min(margin + (cellWidth - 1 - 2 * margin - inkWidth) / 2, cellWidth - 1 - inkWidth));
}

std::vector<uint8_t> makeStrip(const FontDescription& font, const Style& style) {
  const SizeDesign design = designFor(font.size);
  const PixelFont& glyphs = pixelFontOf(design.art);
  const uint8_t* widths = widthsOf(font.size);
  Strip strip(stripWidth(font.size), font.height);
  int cellX = 0;
  for (int i = 0; i < kGlyphCount; ++i) {
    const int width = widths[i];
    const uint8_t code = kGlyphOrder[i];
    auto glyph = glyphs.find(code);
    if (code != ' ') {
      if (glyph == glyphs.end()) fail("the font has no glyph for byte " + std::to_string(code));
      const int inkWidth = glyph->second.width * design.scale;
      const int inkHeight = int(glyph->second.rows.size()) * design.scale;
      // A one-column cell has no room for spacing: its glyph is the column itself.
      if (inkWidth > std::max(1, width - 1) || design.top + inkHeight > font.height)
        fail(std::string(font.picture) + ": the glyph of byte " + std::to_string(code) + " does not fit its cell");
      strip.placeGlyph(glyph->second, design.scale, cellX + glyphLeft(width, inkWidth, style.outline), design.top);
      if (style.outline) strip.thinAroundGaps(cellX, width);
      if (style.outline || style.shadow) strip.addEdges(cellX, width, style.outline);
    }
    cellX += width;
  }
  return encodeGif(strip.paint(style));
}

void addFonts(ContentList& gfx, const ContentSources&) {
  for (int font = 0; font < kFontCount; ++font)
    gfx.push_back({kFonts[font].picture, makeStrip(kFonts[font], styleFor(font))});
}

}  // namespace

CONTENT_FAMILY(fonts, addFonts);
