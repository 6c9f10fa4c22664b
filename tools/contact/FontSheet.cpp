#include "FontSheet.h"

#include "gfx/Bitmap.h"
#include "gfx/Colour.h"
#include "gfx/FontManager.h"
#include "gfx/FontTables.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace contact {

namespace {

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

constexpr int kScreenW = 320, kScreenH = 240;
constexpr int kMaxPageWidth = 1400;

void setPixelColour(cairo_t* cr, uint16_t c) {
  cairo_set_source_rgb(cr, ((c >> 11) & 31) / 31.0, ((c >> 5) & 63) / 63.0, (c & 31) / 31.0);
}

void heading(cairo_t* cr, int x, int y, const std::string& text, double size) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_set_source_rgb(cr, 1, 0.85, 0.45);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

std::string baseName(const char* archiveName) {
  std::string name = archiveName;
  name = name.substr(name.rfind('\\') + 1);
  return name.substr(0, name.rfind('.'));
}

// One font: each glyph's cell magnified, the key as a chequer, cells a little apart so that
// a glyph's ink is seen against its own cell's edges.
bool writeGlyphPage(int font, const std::string& png) {
  const FontDescription& d = kFonts[font];
  const uint8_t* widths = widthsOf(d.size);
  Bitmap strip(String(d.picture), true);
  const int scale = d.height > 14 ? 4 : 6, gap = 6, lineH = d.height * scale + 26;
  int lines = 1, x = gap;
  for (int i = 0; i < kGlyphCount; ++i) {
    if (x + widths[i] * scale > kMaxPageWidth) x = gap, ++lines;
    x += widths[i] * scale + gap;
  }
  Surface page(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kMaxPageWidth, 34 + lines * lineH), cairo_surface_destroy);
  Context cr(cairo_create(page.get()), cairo_destroy);
  cairo_set_source_rgb(cr.get(), 0.16, 0.16, 0.18);
  cairo_paint(cr.get());
  heading(cr.get(), gap, 22, "font " + std::to_string(font) + ": " + baseName(d.picture) + "  (shown x" +
                                 std::to_string(scale) + ")", 15);
  cairo_select_font_face(cr.get(), "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr.get(), 11);
  int column = 0, top = 34;
  x = gap;
  for (int i = 0; i < kGlyphCount; column += widths[i++]) {
    const int w = widths[i];
    if (x + w * scale > kMaxPageWidth) x = gap, top += lineH;
    for (int gx = 0; gx < w; ++gx)
      for (int gy = 0; gy < d.height; ++gy) {
        const uint16_t c = strip.getPixel(column + gx, gy);
        if (c == kMaskColour) {
          const bool light = (gx + gy) % 2 == 0;
          cairo_set_source_rgb(cr.get(), light ? 0.46 : 0.38, light ? 0.46 : 0.38, light ? 0.48 : 0.40);
        } else {
          setPixelColour(cr.get(), c);
        }
        cairo_rectangle(cr.get(), x + gx * scale, top + gy * scale, scale, scale);
        cairo_fill(cr.get());
      }
    const uint8_t code = kGlyphOrder[i];
    const std::string label = code == 167 ? "#167" : code == ' ' ? "sp" : std::string(1, char(code));
    cairo_set_source_rgb(cr.get(), 0.85, 0.85, 0.85);
    cairo_move_to(cr.get(), x, top + d.height * scale + 14);
    cairo_show_text(cr.get(), label.c_str());
    x += w * scale + gap;
  }
  return cairo_surface_write_to_png(page.get(), png.c_str()) == CAIRO_STATUS_SUCCESS;
}

struct SampleLine {
  int font;
  const char* text;
};

// A screen's picture with sample lines on it, each line's baseline below the last.
struct SampleScreen {
  const char* name;
  const char* background;  // "" for black
  const char* overlay;     // a panel drawn over the background at (ox, oy), or ""
  int ox, oy;
  int firstBaseline;
  std::vector<SampleLine> lines;
};

const char* const kAlphabetCaps1 = "ABCDEFGHIJKLM";
const char* const kAlphabetCaps2 = "NOPQRSTUVWXYZ";
const char* const kAlphabetSmall = "abcdefghijklmnopqrstuvwxyz";
const char* const kSigns = "0123456789 !\"$%&/()=?,;.:-+*~<>";
const char* const kLookAlikes = "il1Ij !;:,. o0O";

std::vector<SampleLine> smallLines(int font) {
  return {{font, "Owlquill  Dragon  Brackfen"},  {font, "Invalid cursor mapping"},
          {font, "Slot 1   1 Comp.   No Comp."}, {font, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
          {font, kAlphabetSmall},                {font, kSigns},
          {font, kLookAlikes},                   {font, "done his move until now; 1/10"}};
}

std::vector<SampleLine> bigLines(int font) {
  return {{font, "Owlquill Dragon"}, {font, "Brackfen: Slot 1"}, {font, kAlphabetCaps1}, {font, kAlphabetCaps2},
          {font, "abcdefghijklm"},   {font, "nopqrstuvwxyz"},    {font, "0123456789 il1Ij"}, {font, "!;:,. o0O ?&%"},
          {font, "press the mouse to quit"}};
}

std::vector<SampleLine> join(std::vector<SampleLine> a, const std::vector<SampleLine>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<SampleScreen> sampleScreens() {
  return {
      {"shop", "gfx\\shop\\bgn.jpg", "", 0, 0, 20, join(smallLines(0), {{11, "Owlquill  Invalid cursor mapping"},
                                                                         {11, "Slot 1  1 Comp.  Dragon Brackfen"},
                                                                         {11, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
                                                                         {11, "abcdefghijklmnopqrstuvwxyz"},
                                                                         {11, kSigns},
                                                                         {11, kLookAlikes}})},
      {"dialog", "gfx\\castle\\bgn.jpg", "gfx\\dialog_large.gif", 11, 45, 62, smallLines(3)},
      {"report", "gfx\\engine\\bgn00.jpg", "", 0, 0, 40, smallLines(3)},
      {"fight_panel", "gfx\\fight\\map.jpg", "gfx\\fight\\map_bgn.gif", 190, 0, 18,
       join(smallLines(12), {{3, "Owlquill Dragon 1 Comp."}, {3, kLookAlikes}})},
      {"info", "gfx\\info\\bgn.gif", "", 0, 0, 30, join(smallLines(8), {{10, "Owlquill Slot 1"}, {10, kLookAlikes}})},
      {"label", "gfx\\hatchery\\bgn.jpg", "gfx\\hatchery\\label.jpg", 31, 40, 30, bigLines(4)},
      {"black", "", "", 0, 0, 24, bigLines(4)},
      {"big_colours", "gfx\\hatchery\\bgn.jpg", "", 0, 0, 24,
       {{5, "Owlquill 1 Comp."}, {6, "Owlquill 1 Comp."}, {7, "Owlquill 1 Comp."}, {9, "Owlquill 1 Comp."},
        {10, "Owlquill 1 Comp."}, {1, "Owlquill Slot 1 il1Ij o0O"}, {2, "Owlquill Slot 1 il1Ij o0O"}}},
  };
}

void paintScreen(cairo_t* cr, const uint16_t* frame, int left, int top, int scale) {
  for (int x = 0; x < kScreenW; ++x)
    for (int y = 0; y < kScreenH; ++y) {
      setPixelColour(cr, frame[x * kScreenH + (kScreenH - 1 - y)]);
      cairo_rectangle(cr, left + x * scale, top + y * scale, scale, scale);
      cairo_fill(cr);
    }
}

bool writeSamplePage(const SampleScreen& s, const std::string& png) {
  std::vector<uint16_t> frame(size_t(kScreenW) * kScreenH, 0);
  if (*s.background) Bitmap(String(s.background), true).draw(0, 0, frame.data());
  if (*s.overlay) Bitmap(String(s.overlay), true).draw(s.ox, s.oy, frame.data(), kMaskColour);
  int y = s.firstBaseline;
  for (const SampleLine& line : s.lines) {
    const int x = *s.overlay ? s.ox + 4 : 4;  // on the panel, if there is one
    FontManager::instance().drawText(line.font, x, y, String(line.text), frame.data(), AlignLeft);
    y += kFonts[line.font].height + 2;
  }
  const int scale = 3, gap = 12;
  Surface page(cairo_image_surface_create(CAIRO_FORMAT_RGB24, gap * 3 + kScreenW * (1 + scale), 34 + kScreenH * scale + gap),
               cairo_surface_destroy);
  Context cr(cairo_create(page.get()), cairo_destroy);
  cairo_set_source_rgb(cr.get(), 0.16, 0.16, 0.18);
  cairo_paint(cr.get());
  heading(cr.get(), gap, 22, std::string("fonts on ") + (*s.background ? s.background : "black") + "  (1x and x3)", 15);
  paintScreen(cr.get(), frame.data(), gap, 34, 1);
  paintScreen(cr.get(), frame.data(), gap * 2 + kScreenW, 34, scale);
  return cairo_surface_write_to_png(page.get(), png.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace

int writeFontSheets(const std::string& outDir) {
  int failed = 0;
  for (int font = 0; font < kFontCount; ++font) {
    char name[32];
    std::snprintf(name, sizeof name, "fonts_glyphs_%02d.png", font);
    failed += !writeGlyphPage(font, (std::filesystem::path(outDir) / name).string());
  }
  for (const SampleScreen& s : sampleScreens())
    failed += !writeSamplePage(s, (std::filesystem::path(outDir) / ("fonts_on_" + std::string(s.name) + ".png")).string());
  FontManager::destroy();
  return failed;
}

}  // namespace contact
