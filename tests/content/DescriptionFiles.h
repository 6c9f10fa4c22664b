// The three hand-written description files of data/, read the way the game reads them: the
// land (country.xml), the item catalogue (items.xml) and the item values for spells
// (magic.xml, plain text despite its name). Each reader follows the game's loader and notes
// a fault wherever that loader would take the file differently from how it reads, or would
// drop part of it without a word.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Race {
  std::string name;
  std::string colour;
};

struct Village {
  std::string name;
  int race = -1;            // index into the race table, -1 when unknown
  int column = 0, row = 0;  // counted from 1, as the file writes them
  long population = 0, industry = 0, yeomanry = 0;
};

struct Land {
  std::vector<std::string> faults;
  std::string area, time, moneySingle, moneyMulti;
  std::vector<std::string> players = std::vector<std::string>(3);  // player1 to player3
  std::vector<Race> races;
  std::vector<Village> villages;
  std::vector<std::string> dragons;
};

// One catalogue entry; level and value stay text so that the rules can judge their form.
struct Item {
  std::string name, image, desc, level, value;
};

struct ItemCatalogue {
  std::vector<std::string> faults;
  std::vector<Item> items;  // catalogue number = place in this list
};

// One record line of magic.xml: the item name, the target name and every word after them.
struct ValueRecord {
  int line = 0;  // as an editor counts lines, from 1
  std::string item, target;
  std::vector<std::string> numbers;
};

struct ItemValues {
  std::string header;  // line 0, which the game always skips
  std::vector<ValueRecord> records;
};

Land readLand(std::string_view xml);
ItemCatalogue readItems(std::string_view xml);
ItemValues readItemValues(std::string_view text);
