// The pictures of every item items.xml names: the 20 x 20 shop icon and the 34 x 42 picture
// of the mage's shelf under the same file name, and the 96 x 120 power card. The icons are
// drawn keyed, the power card opaque; each is written in the format its name's extension
// asks for.
#include "Content.h"
#include "image/Encode.h"
#include "items/ItemCatalogue.h"
#include "items/PowerCards.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

namespace {

using items::CatalogueItem;
using items::ItemArt;
using items::Look;

constexpr int kSmallSide = 20;
constexpr int kLargeWidth = 34, kLargeHeight = 42;
constexpr int kPowerWidth = 96, kPowerHeight = 120;
// Design units to pixels: the icon fills its square, the large picture its shelf slot.
constexpr double kSmallScale = 0.48, kLargeScale = 0.9;

enum class Format { Gif, Bmp, Jpeg, None };

Format formatOf(const std::string& file) {
  auto endsWith = [&](const char* tail) {
    std::string t(tail);
    return file.size() > t.size() && file.compare(file.size() - t.size(), t.size(), t) == 0;
  };
  if (endsWith(".gif")) return Format::Gif;
  if (endsWith(".bmp")) return Format::Bmp;
  if (endsWith(".jpg")) return Format::Jpeg;
  return Format::None;
}

std::vector<uint8_t> encode(const Canvas& canvas, Format format, bool keyed) {
  switch (format) {
    case Format::Gif: return encodeGif(canvas.rgb(keyed));
    case Format::Bmp: return encodeBmp(canvas.rgb(keyed));
    default: return encodeJpeg(canvas.rgb(false));
  }
}

std::string readCatalogue(const ContentSources& sources) {
  const std::string path = sources.dataDir + "/items.xml";
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "nupavane-content: cannot read '%s'\n", path.c_str());
    std::exit(1);
  }
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The sparkles of a card scatter by the item's name, so adding items changes no other card.
unsigned seedOf(const std::string& name) {
  unsigned hash = 2166136261u;
  for (char c : name) hash = (hash ^ uint8_t(c)) * 16777619u;
  return hash;
}

class ItemPictures {
public:
  explicit ItemPictures(ContentList& gfx) : gfx_(gfx) {}

  void add(const CatalogueItem& item) {
    Look look;
    const ItemArt* found = items::findItemArt(item.name);
    ItemArt art = found ? *found : items::unknownItemArt(item.name, look.tint);
    if (!found)
      std::fprintf(stderr, "nupavane-content: the item '%s' has no painting of its own: drawn as a potion\n",
                   item.name.c_str());
    addIcon(art, look, "gfx\\items\\small\\" + item.image, item.image, kSmallSide, kSmallSide, kSmallScale);
    addIcon(art, look, "gfx\\items\\large\\" + item.image, item.image, kLargeWidth, kLargeHeight, kLargeScale);
    if (!item.desc.empty()) addPowerCard(art, look, item);
  }

private:
  bool firstTime(const std::string& name) { return made_.insert(name).second; }

  // Icons are drawn keyed, so only GIF and BMP hold them: a JPEG would blur the key.
  void addIcon(const ItemArt& art, const Look& look, const std::string& name, const std::string& file, int w, int h,
               double scale) {
    const Format format = formatOf(file);
    if (format != Format::Gif && format != Format::Bmp) {
      std::fprintf(stderr, "nupavane-content: '%s' is no .gif or .bmp, which an item picture must be\n", name.c_str());
      return;
    }
    if (!firstTime(name)) return;  // two items sharing one picture
    Canvas canvas(w, h);
    items::paintItem(canvas.cr(), art, look, w / 2.0, h / 2.0, scale);
    gfx_.push_back({name, encode(canvas, format, true)});
  }

  void addPowerCard(const ItemArt& art, const Look& look, const CatalogueItem& item) {
    const std::string name = "gfx\\items\\power\\" + item.desc;
    const Format format = formatOf(item.desc);
    if (format == Format::None) {
      std::fprintf(stderr, "nupavane-content: '%s' is no .jpg, .gif or .bmp\n", name.c_str());
      return;
    }
    if (!firstTime(name)) return;
    Canvas canvas(kPowerWidth, kPowerHeight);
    items::paintPowerCard(canvas, art, look, seedOf(item.name));
    gfx_.push_back({name, encode(canvas, format, false)});
  }

  ContentList& gfx_;
  std::set<std::string> made_;
};

void addItemPictures(ContentList& gfx, const ContentSources& sources) {
  std::vector<CatalogueItem> catalogue;
  if (!items::parseItemCatalogue(readCatalogue(sources), catalogue)) {
    std::fprintf(stderr, "nupavane-content: items.xml is not well-formed, and the game would stop on it\n");
    std::exit(1);
  }
  ItemPictures pictures(gfx);
  for (const CatalogueItem& item : catalogue) pictures.add(item);
}

}  // namespace

CONTENT_FAMILY(items, addItemPictures);
