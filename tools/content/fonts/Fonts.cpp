// The 13 font strips: every glyph drawn hard-edged (no blending into the key colour) in
// its cell of exactly the width the game's tables give, on an inner baseline that leaves
// room for descenders. The big black font has a thin light outline so that it reads on
// the black loading screen; the "info" fonts carry a dark shadow.
#include "Content.h"
#include "gfx/FontTables.h"
#include "image/Encode.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const kFontFolder = "/usr/share/fonts/truetype/dejavu/";

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

struct SizeMetrics {
  const char* face;
  int pixelSize;
  int baseline;  // strip row of the baseline; below it the descenders
};

SizeMetrics metricsFor(FontSize size) {
  switch (size) {
    case FontSize::Big: return {"DejaVuSerifCondensed-Bold.ttf", 17, 16};
    case FontSize::Small: return {"DejaVuSansCondensed-Bold.ttf", 12, 10};
    default: return {"DejaVuSansCondensed-Bold.ttf", 10, 8};
  }
}

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

class GlyphRenderer {
public:
  GlyphRenderer() {
    if (FT_Init_FreeType(&library_)) fail("cannot start FreeType");
  }
  ~GlyphRenderer() {
    for (auto& [name, face] : faces_) FT_Done_Face(face);
    FT_Done_FreeType(library_);
  }

  // Renders one character hard-edged, squeezed sideways until it fits `room` columns.
  const FT_Bitmap& render(const SizeMetrics& metrics, uint8_t code, int room, int& left, int& top) {
    FT_Face face = faceFor(metrics.face);
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(metrics.pixelSize));
    double squeeze = 1.0;
    for (int attempt = 0; attempt < 8; ++attempt) {
      FT_Matrix matrix{FT_Fixed(squeeze * 0x10000), 0, 0, 0x10000};
      FT_Set_Transform(face, &matrix, nullptr);
      // The byte is the character of the handheld's 8-bit code page: Latin-1 here.
      if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME))
        fail("cannot render character " + std::to_string(code));
      const int width = int(face->glyph->bitmap.width);
      if (width <= room || room <= 0) break;
      squeeze *= double(room) / width * 0.98;
    }
    left = face->glyph->bitmap_left;
    top = face->glyph->bitmap_top;
    return face->glyph->bitmap;
  }

private:
  FT_Face faceFor(const std::string& name) {
    for (auto& [known, face] : faces_)
      if (known == name) return face;
    FT_Face face = nullptr;
    if (FT_New_Face(library_, (kFontFolder + name).c_str(), 0, &face)) fail("cannot open the font " + name);
    faces_.emplace_back(name, face);
    return face;
  }

  FT_Library library_ = nullptr;
  std::vector<std::pair<std::string, FT_Face>> faces_;
};

class Strip {
public:
  Strip(int width, int height) : width_(width), height_(height), cells_(size_t(width) * height, Empty) {}
  Cell& at(int x, int y) { return cells_[size_t(y) * width_ + x]; }

  void placeGlyph(const FT_Bitmap& bitmap, int cellX, int cellWidth, int x0, int y0) {
    for (unsigned row = 0; row < bitmap.rows; ++row)
      for (unsigned col = 0; col < bitmap.width; ++col) {
        const bool on = bitmap.buffer[row * unsigned(bitmap.pitch) + col / 8] & (0x80 >> (col % 8));
        const int x = x0 + int(col), y = y0 + int(row);
        if (on && x >= cellX && x < cellX + cellWidth && y >= 0 && y < height_) at(x, y) = Ink;
      }
  }

  bool hasInk(int cellX, int cellWidth) {
    for (int y = 0; y < height_; ++y)
      for (int x = cellX; x < cellX + cellWidth; ++x)
        if (at(x, y) == Ink) return true;
    return false;
  }

  // Around every ink pixel (outline) or below-right of it (shadow), inside its own cell.
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
  int width_, height_;
  std::vector<Cell> cells_;
};

std::vector<uint8_t> makeStrip(GlyphRenderer& renderer, const FontDescription& font, const Style& style) {
  const SizeMetrics metrics = metricsFor(font.size);
  const uint8_t* widths = widthsOf(font.size);
  Strip strip(stripWidth(font.size), font.height);
  const int margin = style.outline ? 2 : style.shadow ? 1 : 0;
  int cellX = 0;
  for (int i = 0; i < kGlyphCount; ++i) {
    const int width = widths[i];
    const uint8_t code = kGlyphOrder[i];
    if (code != ' ') {
      // One column of spacing stays free at the right; outlines take one on each side.
      const int room = std::max(1, width - 1 - margin);
      int left = 0, top = 0;
      const FT_Bitmap& bitmap = renderer.render(metrics, code, room, left, top);
      const int x0 = cellX + (style.outline ? 1 : 0) + std::max(0, (room - int(bitmap.width)) / 2);
      strip.placeGlyph(bitmap, cellX, width, x0, metrics.baseline - top);
      if (!strip.hasInk(cellX, width))  // a cell too narrow for the glyph still shows a mark
        for (int y = metrics.baseline - 4; y < metrics.baseline; ++y) strip.at(cellX, y) = Ink;
      if (margin) strip.addEdges(cellX, width, style.outline);
    }
    cellX += width;
  }
  return encodeGif(strip.paint(style));
}

void addFonts(ContentList& gfx, const ContentSources&) {
  GlyphRenderer renderer;
  for (int font = 0; font < kFontCount; ++font)
    gfx.push_back({kFonts[font].picture, makeStrip(renderer, kFonts[font], styleFor(font))});
}

}  // namespace

CONTENT_FAMILY(fonts, addFonts);
