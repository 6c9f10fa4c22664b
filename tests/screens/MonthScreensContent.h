// A graphics archive for the month-end and fight animation tests: the font strips as the
// shared test content paints them (yellow ink), plus plain-coloured pictures under the
// names the screens load, so a test can tell by colour what was drawn where.
#pragma once

#include "gfx/FontTables.h"
#include "gfx/TestPictures.h"
#include "platform/Files.h"
#include "res/ArchiveWriter.h"
#include "support/TestContent.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace monthscreens {

inline const Rgb kMagenta{255, 0, 255};

class Archive {
public:
  Archive() {
    for (const FontDescription& font : kFonts) {
      IndexedImage strip;
      strip.width = stripWidth(font.size);
      strip.height = font.height;
      strip.palette = {kMagenta, rgbOf(testcontent::kGlyphInk)};
      for (int r = 0; r < strip.height; ++r)
        for (int c = 0; c < strip.width; ++c) strip.indices.push_back(testcontent::glyphPixelIsInk(c, r) ? 1 : 0);
      writer_.add(font.picture, writeGif(strip));
    }
    // What the application loads when it opens: the dialog panel and its buttons.
    writer_.add("gfx\\dialog.bmp", plainBmp(298, 70, testcontent::kPanelColour));
    writer_.add("gfx\\gui\\button_off.bmp", plainBmp(60, 24, testcontent::kButtonOff));
    writer_.add("gfx\\gui\\button_on.bmp", plainBmp(60, 24, testcontent::kButtonOn));
  }
  void add(const std::string& name, const std::vector<uint8_t>& bytes) { writer_.add(name.c_str(), bytes); }
  // Puts the program in a fresh folder named after the test and the archive beside it;
  // done before the application opens, which reads the archive.
  void write(const std::string& testName) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(::testing::TempDir()) / ("month-screens-" + testName);
    fs::remove_all(folder);
    fs::create_directories(folder);
    platform::setProgramPath((folder / "nupavane").string());
    const std::vector<uint8_t> bytes = writer_.bytes();
    platform::replaceFile((folder / "gfx.arc").string(), bytes.data(), bytes.size());
  }

private:
  ArchiveWriter writer_;
};

inline std::string currentTestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// Whether any pixel of the rows [top, bottom) between x0 and x1 is glyph ink.
inline bool inkIn(const uint16_t* framebuffer, int x0, int x1, int top, int bottom) {
  for (int x = x0; x < x1; ++x)
    for (int y = top; y < bottom; ++y)
      if (framebuffer[x * 240 + 239 - y] == testcontent::kGlyphInk) return true;
  return false;
}

inline uint16_t pixelAt(const uint16_t* framebuffer, int x, int y) { return framebuffer[x * 240 + 239 - y]; }

}  // namespace monthscreens
