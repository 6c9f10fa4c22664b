#include "players/ItemManager.h"

#include "app/StateDump.h"
#include "core/Diagnostics.h"
#include "res/ResourceArchive.h"
#include "res/XmlAttributes.h"

#include <expat.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

ItemManager* theCatalogue = nullptr;

void onStart(void* catalogue, const char* name, const char** attributes) {
  static_cast<ItemManager*>(catalogue)->XMLStartTag(name, attributes);
}

// Base 10; text that is no number gives 0, and a number beyond an int is held at its end.
int parseLevel(const char* text) {
  long level = std::strtol(text, nullptr, 10);
  if (level > INT_MAX) return INT_MAX;
  if (level < INT_MIN) return INT_MIN;
  return int(level);
}

void writeCatalogue(StateWriter& out) {
  if (theCatalogue) out.put("items.count", theCatalogue->count());
}

}  // namespace

ItemManager& ItemManager::instance() {
  if (!theCatalogue) {
    theCatalogue = new ItemManager();
    ResourceArchive* archive = openGraphicsArchive();
    int entry = archive ? archive->find(String("gfx\\xml\\items.xml")) : -1;
    auto bytes = entry >= 0 ? archive->read(entry) : std::nullopt;
    if (!bytes) {
      theCatalogue->refuse(String("ItemManager::ItemManager(): ERROR: 'gfx\\xml\\items.xml' cannot be read !\n"));
    } else if (theCatalogue->loadItems(reinterpret_cast<const char*>(bytes->data()), bytes->size())) {
      for (auto& item : theCatalogue->items_) item->loadPictures();
    }
    addStateSection(writeCatalogue);
  }
  return *theCatalogue;
}

bool ItemManager::exists() { return theCatalogue != nullptr; }

void ItemManager::destroy() {
  delete theCatalogue;
  theCatalogue = nullptr;
}

std::unique_ptr<ItemManager> ItemManager::fromXml(const char* text, size_t length) {
  std::unique_ptr<ItemManager> catalogue(new ItemManager());
  catalogue->loadItems(text, length);
  return catalogue;
}

void ItemManager::refuse(const String& line) {
  failure_ = line;
  complain(line.c_str());
}

// One parse over the whole file; a document that is not well-formed is fatal.
bool ItemManager::loadItems(const char* text, size_t length) {
  bool parsed = false;
  if (length <= size_t(INT_MAX)) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, this);
    XML_SetElementHandler(parser, onStart, nullptr);
    parsed = XML_Parse(parser, text, int(length), 1) == XML_STATUS_OK;
    XML_ParserFree(parser);
  }
  if (!parsed) {
    refuse(String("ItemManager::ItemManager(): ERROR: failure while parsing the list items !\n"));
    return false;
  }
  for (size_t i = 0; i < items_.size(); ++i) items_[i]->id = int(i);
  return checkCatalogue();
}

// A catalogue the game cannot trade with is refused rather than read past later: the
// starting items must exist, and every price must convert to a whole number of crystals.
bool ItemManager::checkCatalogue() {
  if (count() < kMinItems) {
    refuse(String::format("ItemManager::ItemManager(): ERROR: %d items, at least %d are needed !\n", count(),
                          kMinItems));
    return false;
  }
  for (const auto& item : items_) {
    if (std::isfinite(item->value) && item->value >= 0 && item->value <= kMaxValue) continue;
    refuse(String::format("ItemManager::ItemManager(): ERROR: item '%.100s' has no price from 0 to %d !\n",
                          item->name.c_str(), int(kMaxValue)));
    return false;
  }
  return true;
}

// The first attribute missing, in the order of this table, skips the element.
void ItemManager::XMLStartTag(const char* name, const char** attributes) {
  if (std::strcmp(name, "item") != 0) return;
  static const char* const kRequired[5][2] = {
      {"name", "an <item> tag should have a name attribute\n"},
      {"image", "an <item> tag should have an image attribute\n"},
      {"desc", "an <item> tag should have a desc attribute\n"},
      {"level", "an <item> tag should have a level attribute\n"},
      {"value", "an <item> tag should have a value attribute\n"},
  };
  const char* values[5];
  for (int i = 0; i < 5; ++i) {
    values[i] = xmlAttribute(attributes, kRequired[i][0]);
    if (!values[i]) return complain(kRequired[i][1]);
  }
  Item* item = new (std::nothrow)
      Item(String(values[0]), String(values[2]), parseLevel(values[3]), std::strtod(values[4], nullptr), String(values[1]));
  if (!item) return complain("unable to add a new item to the list !\n");
  items_.emplace_back(item);
}

const Item* ItemManager::item(int index) const {
  return index >= 0 && index < count() ? items_[size_t(index)].get() : nullptr;
}

const Item* ItemManager::findByName(const String& name) const {
  for (const auto& item : items_)
    if (item->name.equals(name)) return item.get();
  return nullptr;
}
