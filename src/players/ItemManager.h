// The catalogue of every kind of magic item, read once from gfx\xml\items.xml and kept for
// the whole run. An item's catalogue number is its place among the file's valid <item>
// elements, counted from 0; players, savegames and the spell table name items by it.
#pragma once

#include "core/String.h"
#include "players/Item.h"

#include <cstddef>
#include <memory>
#include <vector>

class ItemManager {
public:
  // New rulers start with pieces of items 0 to 6: a smaller catalogue is refused.
  static constexpr int kMinItems = 7;
  // Prices above this (or no finite number at all) are refused: the shop counts in ints.
  static constexpr double kMaxValue = 1000000;

  // The one catalogue, read with its pictures on first use. A fatal fault of the file
  // leaves it invalid (see failure()); the start-up then ends the game.
  static ItemManager& instance();
  static bool exists();
  // At the program's end: every entry and its pictures.
  static void destroy();

  // Reads a catalogue from the bytes of an items.xml, without pictures: what instance()
  // does with the archive's file, open to tests.
  static std::unique_ptr<ItemManager> fromXml(const char* text, size_t length);

  // Empty when the catalogue was read; otherwise what is wrong with it.
  const String& failure() const { return failure_; }

  // The entry of that catalogue number, or null outside 0 to count() - 1.
  const Item* item(int index) const;
  // The first entry of exactly this name (case counts), or null.
  const Item* findByName(const String& name) const;
  int count() const { return int(items_.size()); }

  // The expat callback; end tags and text are of no interest.
  void XMLStartTag(const char* name, const char** attributes);

private:
  ItemManager() = default;
  bool loadItems(const char* text, size_t length);
  bool checkCatalogue();
  void refuse(const String& line);

  std::vector<std::unique_ptr<Item>> items_;
  String failure_;
};
