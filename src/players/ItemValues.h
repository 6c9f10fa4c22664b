// What each magic item does in a spell: for every item (catalogue numbers 0 to 28) and
// every one of eleven targets, six numbers, read from gfx\xml\magic.xml. The mage keeps one
// table for the program's life.
//
// magic.xml is plain text in spite of its name. Its first line is a header and never read;
// after it, blank lines and lines starting with '#' (after leading blanks) are comments,
// and every other line is a record: an item name, a target name and six numbers, split at
// white space.
#pragma once

#include "core/String.h"

#include <array>
#include <cstddef>

class ItemManager;

class ItemValues {
public:
  static constexpr int kItems = 29;  // catalogue numbers 0 to 28
  static constexpr int kTargets = 11;
  static constexpr int kValues = 6;
  static const char* const kTargetNames[kTargets];

  using Values = std::array<double, kValues>;

  ItemValues() { clear(); }
  void clear();

  // The target's number in kTargetNames (exact match), or -1.
  static int targetNumber(const String& name);

  // The six values of (item, target), or null when either lies outside the table.
  const Values* values(int item, int target) const;

  // Fills the table from the text of a magic.xml, looking items up in `items`. Stops at the
  // first record whose item or target is unknown (it says which) and returns false; what
  // was stored before stays. Items numbered beyond the table are ignored with a warning.
  bool readItemValues(const char* text, size_t length, const ItemManager& items);

  // The mage's start: clears the table and reads gfx\xml\magic.xml from the graphics
  // archive. A bad record is reported and the game goes on with what was read; a file that
  // cannot be read at all is fatal: false, with failure() saying why.
  bool load(const ItemManager& items);
  const String& failure() const { return failure_; }

private:
  // Entry = catalogue number * 11 + target number.
  std::array<Values, size_t(kItems) * kTargets> table_;
  String failure_;
};
