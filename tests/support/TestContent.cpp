#include "support/TestContent.h"

#include "gfx/FontTables.h"
#include "gfx/TestPictures.h"
#include "platform/Files.h"
#include "res/ArchiveWriter.h"
#include "sound/SoundData.h"
#include "support/DataFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
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

std::vector<uint8_t> dataFile(const std::string& name) {
  const std::string text = readDataFile(name);
  return {text.begin(), text.end()};
}

std::string writeGraphicsArchive(const std::string& testName, bool withZoneMaps, const Entries& extra) {
  fs::path folder = fs::path(::testing::TempDir()) / ("content-" + testName);
  fs::remove_all(folder);
  fs::create_directories(folder);
  platform::setProgramPath((folder / "nupavane").string());
  Entries entries;
  for (const FontDescription& font : kFonts)
    entries.emplace_back(font.picture, fontStrip(stripWidth(font.size), font.height));
  entries.emplace_back("gfx\\dialog.bmp", plainBmp(298, 70, kPanelColour));
  entries.emplace_back("gfx\\gui\\button_off.bmp", plainBmp(60, 24, kButtonOff));
  entries.emplace_back("gfx\\gui\\button_on.bmp", plainBmp(60, 24, kButtonOn));
  // The new game's character choice.
  entries.emplace_back("gfx\\dialog_large.gif", plainGif(298, 150, kPanelColour));
  entries.emplace_back("gfx\\choose\\p0.bmp", plainBmp(74, 84, kButtonOff));
  entries.emplace_back("gfx\\choose\\p1.bmp", plainBmp(60, 106, kButtonOff));
  entries.emplace_back("gfx\\choose\\p2.bmp", plainBmp(74, 91, kButtonOff));
  if (withZoneMaps) {
    entries.emplace_back("gfx\\castle\\mask.gif", plainGif(320, 240, 0));
    for (const char* room : {"cellar", "hatchery", "mage", "shop"})
      entries.emplace_back(std::string("gfx\\") + room + "\\mask.bmp", plainBmp(320, 240, 0));
  }
  // The game's own descriptions: the land the start-up reads.
  for (const char* file : {"country.xml", "items.xml", "magic.xml"})
    entries.emplace_back(std::string("gfx\\xml\\") + file, dataFile(file));
  for (const auto& entry : extra) {
    auto same = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == entry.first; });
    if (same == entries.end()) entries.push_back(entry);
    else same->second = entry.second;
  }
  ArchiveWriter archive;
  for (const auto& [name, bytes] : entries)
    if (!bytes.empty()) archive.add(name.c_str(), bytes);
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
