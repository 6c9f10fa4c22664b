// A small gfx.arc for the castle and hatchery tests: zone maps painted in rectangles of
// their zone colours, and plain pictures where a test looks at what is drawn. Pictures a
// test leaves out become the loader's grey placeholders.
#pragma once

#include "core/String.h"
#include "gfx/TestPictures.h"
#include "platform/Files.h"
#include "res/ArchiveWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace castletest {

// A rectangle of a zone map, edges included.
struct Zone {
  int left, top, right, bottom;
  uint16_t colour;
};

// 320 x 240, colour 0 outside the zones; a later zone paints over an earlier one.
inline RgbImage zoneImage(const std::vector<Zone>& zones) {
  RgbImage image;
  image.width = 320;
  image.height = 240;
  image.rgb.assign(size_t(320 * 240 * 3), 0);
  for (const Zone& zone : zones)
    for (int y = zone.top; y <= zone.bottom; ++y)
      for (int x = zone.left; x <= zone.right; ++x) {
        Rgb c = rgbOf(zone.colour);
        std::copy(c.begin(), c.end(), image.rgb.begin() + (size_t(y) * 320 + size_t(x)) * 3);
      }
  return image;
}

// The same as a GIF with one palette entry a colour.
inline std::vector<uint8_t> zoneGif(const std::vector<Zone>& zones) {
  RgbImage rgb = zoneImage(zones);
  IndexedImage image;
  image.width = rgb.width;
  image.height = rgb.height;
  for (size_t i = 0; i < rgb.rgb.size(); i += 3) {
    Rgb c{rgb.rgb[i], rgb.rgb[i + 1], rgb.rgb[i + 2]};
    auto found = std::find(image.palette.begin(), image.palette.end(), c);
    if (found == image.palette.end()) found = image.palette.insert(image.palette.end(), c);
    image.indices.push_back(uint8_t(found - image.palette.begin()));
  }
  while (image.palette.size() < 2) image.palette.push_back({1, 2, 3});
  return writeGif(image);
}

// A black full-screen JPEG: black decodes exactly.
inline std::vector<uint8_t> blackJpeg() {
  RgbImage image;
  image.width = 320;
  image.height = 240;
  image.rgb.assign(size_t(320 * 240 * 3), 0);
  return writeJpeg(image);
}

// Puts the program in a fresh folder and writes gfx.arc there with these entries.
inline void writeArchive(const std::vector<std::pair<const char*, std::vector<uint8_t>>>& entries) {
  namespace fs = std::filesystem;
  std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  fs::path folder = fs::path(::testing::TempDir()) / ("castle-" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  platform::setProgramPath((folder / "nupavane").string());
  ArchiveWriter archive;
  // The application opens only with its dialog pictures.
  archive.add("gfx\\dialog.bmp", plainBmp(298, 70, 0x18C3));
  archive.add("gfx\\gui\\button_off.bmp", plainBmp(60, 24, 0x4208));
  archive.add("gfx\\gui\\button_on.bmp", plainBmp(60, 24, 0x8410));
  for (const auto& [entry, bytes] : entries) archive.add(String(entry), bytes);
  std::vector<uint8_t> bytes = archive.bytes();
  platform::replaceFile((folder / "gfx.arc").string(), bytes.data(), bytes.size());
}

// The pixel (x, y) of a 320 x 240 buffer in column runs.
inline uint16_t pixelAt(const uint16_t* buffer, int x, int y) { return buffer[x * 240 + (239 - y)]; }

// A land just big enough for the player manager: three rulers and a few dragon names.
inline const char* kLand =
    R"(<country><area name="Nevelholm"/><time name="Moon"/><money name_single="crystal" name_multi="crystals"/>
    <player1 name="Harvek"/><player2 name="Orlenna"/><player3 name="Sivrane"/>
    <dragon name="Ashwing"/><dragon name="Mistclaw"/><dragon name="Emberjaw"/>
    <race name="Fenfolk" color="#4a6"/>
    <village name="Millbrook"><race>Fenfolk</race><position>3,4</position><population>500</population></village>
    <village name="Tarnby"><race>Fenfolk</race><position>10,5</position><population>900</population></village>
    <village name="Cold Ford"><race>Fenfolk</race><position>12,9</position><population>300</population></village>
    </country>)";

}  // namespace castletest
