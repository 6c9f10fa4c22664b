// The content the build made, checked against what the game's code relies on: every fixed
// entry is there, every picture decodes with the game's own decoders at the size the code
// draws it with, opaque pictures hold no key colour, zone maps hold only their colours,
// keyed JPEGs keep their key exact, and every item of the catalogue has its pictures. A
// missing entry is named on a line of its own.
#include "ContentArchive.h"
#include "DescriptionFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {

const std::string kBuildDir = NUPAVANE_BUILD_DIR;
const std::string kSourceDir = NUPAVANE_SOURCE_DIR;

struct Content {
  std::string error;
  std::vector<FixedEntry> fixed;
  ArchiveContents gfx, snd;
  bool ok() const { return error.empty(); }
};

// Read once for all the tests: the archives are large.
const Content& content() {
  static const Content loaded = [] {
    Content c;
    c.fixed = readFixedEntries(kSourceDir + "/tests/content/fixed_names.txt", c.error);
    if (!c.ok()) return c;
    auto gfx = readArchive(kBuildDir + "/gfx.arc", c.error);
    if (!gfx) return c;
    auto snd = readArchive(kBuildDir + "/snd.arc", c.error);
    if (!snd) return c;
    c.gfx = std::move(*gfx);
    c.snd = std::move(*snd);
    return c;
  }();
  return loaded;
}

const ArchiveContents& archiveOf(const Content& c, const std::string& name) {
  return name.rfind("snd\\", 0) == 0 ? c.snd : c.gfx;
}

const std::vector<uint8_t>* find(const ArchiveContents& archive, const std::string& name) {
  auto at = archive.find(name);
  return at == archive.end() ? nullptr : &at->second;
}

bool isPictureUse(const std::string& use) { return use != "data" && use != "sound" && use != "music"; }

// The fixed pictures that are present and decode, with their entries.
struct Decoded {
  const FixedEntry* entry;
  DecodedPicture picture;
};

std::vector<Decoded> decodedFixedPictures(const Content& c, const std::string& usePrefix) {
  std::vector<Decoded> out;
  for (const FixedEntry& e : c.fixed) {
    if (!isPictureUse(e.use) || e.use.rfind(usePrefix, 0) != 0) continue;
    if (const auto* bytes = find(c.gfx, e.name)) {
      if (auto picture = decodePicture(e.name, *bytes)) out.push_back({&e, std::move(*picture)});
    }
  }
  return out;
}

int countKeyPixels(const DecodedPicture& p) {
  int n = 0;
  for (uint16_t c : p.pixels) n += c == kKeyColour;
  return n;
}

std::string hex(uint16_t c) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", c);
  return text;
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ContentTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(content().ok()) << content().error; }
  // A picture of gfx.arc decoded; nothing when it is missing or does not decode.
  std::optional<DecodedPicture> picture(const std::string& name) const {
    const auto* bytes = find(c.gfx, name);
    return bytes ? decodePicture(name, *bytes) : std::nullopt;
  }
  const Content& c = content();
};

TEST_F(ContentTest, TheListOfFixedNamesHoldsEachOfTheSevenHundredOnce) {
  std::set<std::string> names;
  for (const FixedEntry& e : c.fixed) EXPECT_TRUE(names.insert(e.name).second) << "line " << e.line << ": " << e.name;
  EXPECT_EQ(c.fixed.size(), 700u);
}

TEST_F(ContentTest, EveryFixedNameIsInItsArchive) {
  std::vector<std::string> missing;
  for (const FixedEntry& e : c.fixed) {
    if (!find(archiveOf(c, e.name), e.name)) missing.push_back(e.name);
  }
  EXPECT_TRUE(missing.empty()) << missing.size() << " of " << c.fixed.size()
                               << " fixed entries are missing:" << listOf(missing, missing.size());
}

TEST_F(ContentTest, EveryFixedPictureDecodesAtTheSizeTheGameDrawsIt) {
  std::vector<std::string> faults;
  for (const FixedEntry& e : c.fixed) {
    const auto* bytes = find(c.gfx, e.name);
    if (!bytes || !isPictureUse(e.use)) continue;
    auto picture = decodePicture(e.name, *bytes);
    if (!picture) {
      faults.push_back(e.name + ": does not decode");
      continue;
    }
    const bool widthOk = e.width < 0 || picture->width == e.width;
    const bool heightOk = e.height < 0 || picture->height == e.height;
    if (!widthOk || !heightOk)
      faults.push_back(e.name + ": " + std::to_string(picture->width) + " x " + std::to_string(picture->height) +
                       ", the game needs " + (e.width < 0 ? "any" : std::to_string(e.width)) + " x " +
                       (e.height < 0 ? "any" : std::to_string(e.height)));
  }
  EXPECT_TRUE(faults.empty()) << listOf(faults);
}

TEST_F(ContentTest, PicturesDrawnOpaqueHoldNoPixelThatTurnsIntoTheKey) {
  std::vector<std::string> faults;
  for (const Decoded& d : decodedFixedPictures(c, "opaque")) {
    if (int n = countKeyPixels(d.picture)) faults.push_back(d.entry->name + ": " + std::to_string(n) + " key pixels");
  }
  EXPECT_TRUE(faults.empty()) << listOf(faults);
}

TEST_F(ContentTest, ZoneMapsHoldOnlyTheirZoneColours) {
  std::vector<std::string> faults;
  for (const Decoded& d : decodedFixedPictures(c, "zones:")) {
    std::set<uint16_t> allowed;
    std::istringstream list(d.entry->use.substr(6));
    for (std::string word; std::getline(list, word, ',');) allowed.insert(uint16_t(std::stoul(word, nullptr, 16)));
    std::map<uint16_t, int> strangers;
    for (uint16_t colour : d.picture.pixels) {
      if (!allowed.count(colour)) ++strangers[colour];
    }
    for (const auto& [colour, count] : strangers)
      faults.push_back(d.entry->name + ": " + std::to_string(count) + " pixels of " + hex(colour));
  }
  EXPECT_TRUE(faults.empty()) << listOf(faults, 40);
}

// JPEG moves colours, so a keyed JPEG keeps its key only in whole flat 8 x 8 blocks; a
// pink pixel that misses the key would show as a fringe.
TEST_F(ContentTest, KeyedJpegsKeepTheirKeyExactInWholeBlocks) {
  std::vector<std::string> faults;
  for (const Decoded& d : decodedFixedPictures(c, "keyed-jpeg")) {
    const DecodedPicture& p = d.picture;
    int pink = 0, brokenBlocks = 0;
    for (uint16_t colour : p.pixels) {
      const int r = colour >> 11, g = (colour >> 5) & 63, b = colour & 31;
      pink += colour != kKeyColour && r >= 26 && g <= 12 && b >= 26;
    }
    for (int by = 0; by < p.height; by += 8) {
      for (int bx = 0; bx < p.width; bx += 8) {
        int key = 0, all = 0;
        for (int y = by; y < std::min(by + 8, int(p.height)); ++y) {
          for (int x = bx; x < std::min(bx + 8, int(p.width)); ++x, ++all) key += pixelAt(p, x, y) == kKeyColour;
        }
        brokenBlocks += key > 0 && key < all;
      }
    }
    if (pink) faults.push_back(d.entry->name + ": " + std::to_string(pink) + " pink pixels that miss the key");
    if (brokenBlocks) faults.push_back(d.entry->name + ": " + std::to_string(brokenBlocks) + " blocks only partly key");
  }
  EXPECT_TRUE(faults.empty()) << listOf(faults);
}

TEST_F(ContentTest, EveryItemOfTheCatalogueHasItsPictures) {
  const ItemCatalogue catalogue = readItems(readText(kSourceDir + "/data/items.xml"));
  ASSERT_FALSE(catalogue.items.empty()) << "no items in data/items.xml";
  std::vector<std::string> missing, faults;
  auto check = [&](const std::string& name, int width, int height, bool keyAllowed) {
    const auto* bytes = find(c.gfx, name);
    if (!bytes) return missing.push_back(name);
    auto picture = decodePicture(name, *bytes);
    if (!picture) return faults.push_back(name + ": does not decode");
    if ((width > 0 && picture->width != width) || (height > 0 && picture->height != height))
      faults.push_back(name + ": " + std::to_string(picture->width) + " x " + std::to_string(picture->height));
    // The help panel holds a power picture up to 100 pixels wide.
    if (width < 0 && picture->width > 100) faults.push_back(name + ": wider than the help panel");
    if (!keyAllowed && countKeyPixels(*picture)) faults.push_back(name + ": holds the key colour");
  };
  for (const Item& item : catalogue.items) {
    check("gfx\\items\\small\\" + item.image, 20, 20, true);
    check("gfx\\items\\large\\" + item.image, 34, 42, true);
    if (!item.desc.empty()) check("gfx\\items\\power\\" + item.desc, -1, -1, false);
  }
  EXPECT_TRUE(missing.empty()) << missing.size() << " item pictures are missing:" << listOf(missing, missing.size());
  EXPECT_TRUE(faults.empty()) << listOf(faults);
}

// The shop reads its zone map before it looks at the columns: in a button column only the
// lower part of a row may be "one less", and no other zone may reach into the columns. Taps
// from y 5 count as row 0, so the column is "one more" there too.
TEST_F(ContentTest, ShopZoneMapSplitsEveryButtonRowIntoMoreAndLess) {
  auto map = picture("gfx\\shop\\mask.bmp");
  ASSERT_TRUE(map && map->width == 320 && map->height == 240);
  std::vector<std::string> faults;
  for (auto [left, right] : {std::pair{177, 184}, std::pair{307, 315}}) {
    for (int x = left; x <= right; ++x) {
      for (int y = 5; y <= 171; ++y) {
        const bool less = y >= 25 && (y - 25) % 21 >= 10;
        const uint16_t colour = pixelAt(*map, x, y);
        const bool otherZone = colour == 0xC61F || colour == 0xC7F8 || colour == 0xFFFF || colour == 0xC7FF;
        if ((colour == 0xFFE0) != less || otherZone)
          faults.push_back("(" + std::to_string(x) + ", " + std::to_string(y) + ") is " + hex(colour));
      }
    }
  }
  EXPECT_TRUE(faults.empty()) << listOf(faults, 20);
}

TEST_F(ContentTest, ShopConfirmZoneCoversThePressedOkButton) {
  auto map = picture("gfx\\shop\\mask.bmp"), ok = picture("gfx\\shop\\ok.bmp");
  ASSERT_TRUE(map && ok);
  ASSERT_LE(276 + ok->width, 320);
  ASSERT_LE(195 + ok->height, 240);
  int outside = 0;
  for (int x = 276; x < 276 + ok->width; ++x) {
    for (int y = 195; y < 195 + ok->height; ++y) outside += pixelAt(*map, x, y) != 0xC7FF;
  }
  EXPECT_EQ(outside, 0) << "pixels of the pressed OK button that a tap would miss";
}

}  // namespace
