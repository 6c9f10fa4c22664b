#include "support/TestContent.h"

#include "gfx/FontTables.h"
#include "gfx/TestPictures.h"
#include "platform/Files.h"
#include "res/ArchiveWriter.h"
#include "sound/SoundData.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace testcontent {

namespace {

const Rgb kMagenta{255, 0, 255};
const Rgb kYellow{255, 255, 0};

std::vector<uint8_t> fontStrip(int width, int height) {
  IndexedImage strip;
  strip.width = width;
  strip.height = height;
  strip.palette = {kMagenta, kYellow};
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < width; ++c) strip.indices.push_back(glyphPixelIsInk(c, r) ? 1 : 0);
  return writeGif(strip);
}

}  // namespace

bool glyphPixelIsInk(int stripColumn, int row) { return (stripColumn * 3 + row) % 5 != 0; }

std::string writeGraphicsArchive(const std::string& testName, bool withZoneMaps) {
  fs::path folder = fs::path(::testing::TempDir()) / ("content-" + testName);
  fs::remove_all(folder);
  fs::create_directories(folder);
  platform::setProgramPath((folder / "nupavane").string());
  ArchiveWriter archive;
  for (const FontDescription& font : kFonts)
    archive.add(font.picture, fontStrip(stripWidth(font.size), font.height));
  archive.add("gfx\\dialog.bmp", plainBmp(298, 70, kPanelColour));
  archive.add("gfx\\gui\\button_off.bmp", plainBmp(60, 24, kButtonOff));
  archive.add("gfx\\gui\\button_on.bmp", plainBmp(60, 24, kButtonOn));
  // The new game's character choice.
  archive.add("gfx\\dialog_large.gif", plainGif(298, 150, kPanelColour));
  archive.add("gfx\\choose\\p0.bmp", plainBmp(74, 84, kButtonOff));
  archive.add("gfx\\choose\\p1.bmp", plainBmp(60, 106, kButtonOff));
  archive.add("gfx\\choose\\p2.bmp", plainBmp(74, 91, kButtonOff));
  if (withZoneMaps) {
    archive.add("gfx\\castle\\mask.gif", plainGif(320, 240, 0));
    for (const char* room : {"cellar", "hatchery", "mage", "shop"})
      archive.add((std::string("gfx\\") + room + "\\mask.bmp").c_str(), plainBmp(320, 240, 0));
  }
  // The game's own descriptions: the land the start-up reads.
  for (const char* file : {"country.xml", "items.xml", "magic.xml"}) {
    auto bytes = platform::readFile(std::string(NUPAVANE_SOURCE_DIR) + "/data/" + file);
    if (bytes) archive.add((std::string("gfx\\xml\\") + file).c_str(), *bytes);
  }
  std::vector<uint8_t> bytes = archive.bytes();
  platform::replaceFile((folder / "gfx.arc").string(), bytes.data(), bytes.size());
  return folder.string();
}

void writeSoundArchive(const std::string& folder) {
  ArchiveWriter sounds;
  for (const auto& [name, bytes] : completeSoundEntries()) sounds.add(name.c_str(), bytes);
  std::vector<uint8_t> bytes = sounds.bytes();
  platform::replaceFile(folder + "/snd.arc", bytes.data(), bytes.size());
}

}  // namespace testcontent
