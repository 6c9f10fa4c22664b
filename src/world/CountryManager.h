// The land over which the rulers fight: a map of 20 x 15 cells, the villages on some of
// them and the races of their people, the names the screens print, and every player's
// orders for the month. Read from gfx\xml\country.xml at the start of each game.
#pragma once

#include "core/String.h"
#include "gfx/Bitmap.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class SavegameReader;
class SavegameWriter;
class Screen;

enum Task { TaskAttack = 0, TaskOccupy = 1, TaskRecall = 2 };

struct Race {
  String name;
  String color;  // required in the file; nothing reads it
};

// A village's population, industry and yeomanry lie within plus or minus this, in the land
// file and in a savegame alike: far from where a spell's change or the month's arithmetic
// could overflow.
inline constexpr int32_t kMostVillageAmount = 100000000;

struct Village {
  int32_t index = 0;
  String name;
  int32_t race = -1;
  int32_t owner = -1;  // player 0 to 2, -1 free
  int32_t x = 0;       // column 0 to 19
  int32_t y = 0;       // row 0 to 14
  int32_t population = 0;
  int32_t industry = 0;
  int32_t yeomanry = 0;
  int32_t revolt = 0;  // 0 to 100
  int32_t tax = 0;     // percent
  int32_t fightsAgainst = -1;
  int32_t fightMonths = 0;
};

struct CellOrder {
  int32_t dragon = -1;  // index in that player's dragon list, -1 no order
  int32_t task = -1;
  int32_t effort = 0;
};

struct MapCell {
  int32_t terrain = 0;  // 0 water, 1 tree, 2 mountain, 3 grassland
  int32_t guardDragon = -1;
  int32_t guardOwner = -1;
  int32_t x = 0;
  int32_t y = 0;
  int32_t village = -1;
  int32_t talisman = 0;
  CellOrder orders[3];
};

class CountryManager {
public:
  static constexpr int kColumns = 20;
  static constexpr int kRows = 15;
  static constexpr int kCells = kColumns * kRows;
  static constexpr int kCellPixels = 35;  // on the 640 x 480 map
  static constexpr int kMaxRaces = 6;

  // The one land, read on first use. Fatal faults of the file leave it invalid (see
  // failure()); the start-up then ends the game.
  static CountryManager& instance();
  static bool exists();
  // A new game: the next instance() reads the file again, with new random values.
  static void destroy();

  // Reads a land from the bytes of a country.xml: what the constructor does with the
  // archive's file, open to tests.
  static std::unique_ptr<CountryManager> fromXml(const char* text, size_t length);
  // Makes such a land the one instance() hands out, replacing any other (tests, the
  // simulation).
  static CountryManager& install(std::unique_ptr<CountryManager> land);

  // Empty when the land was read; otherwise what is wrong with it.
  const String& failure() const { return failure_; }

  void clearOrders();
  MapCell* cellAt(int mapX, int mapY);
  Village* villageAt(int mapX, int mapY);
  MapCell& cell(int column, int row) { return cells_[size_t(row) * kColumns + column]; }
  MapCell& cell(int index) { return cells_[size_t(index)]; }
  int castleDistance(int player, int column, int row) const;
  bool isStationed(int player, int dragon) const;
  bool hasOrder(int player, int column, int row) const;
  MapCell* findOrderCell(int player, int dragon);
  int talismanParts(int player) const;
  // A dragon that dies gives up its posts: no cell keeps it as guard or names it in an
  // order. Guarded villages stay with their owner, unguarded.
  void releaseDragon(int player, int place);
  // The dragon at `place` left its owner's list and the later ones moved up one place:
  // its posts are given up, and every post of a later dragon moves with it.
  void dragonRemoved(int player, int place);

  String raceName(int race) const;
  int raceCount() const { return int(races_.size()); }
  int villageCount() const { return int(villages_.size()); }
  Village& village(int index) { return villages_[size_t(index)]; }
  int dragonNameCount() const { return int(dragonNames_.size()); }
  String dragonName(int index) const;

  // The land's part of a savegame: every cell, then the villages. Races, names and pictures
  // are not saved; they come from country.xml.
  struct SavedLand {
    std::array<MapCell, kCells> cells{};
    std::vector<Village> villages;
  };
  void saveState(SavegameWriter& out) const;
  // All or nothing: decodes and checks the land's part, then replaces cells and villages.
  // False, with a line on standard error and the land untouched, for a damaged part.
  bool loadState(SavegameReader& in);
  // The two halves of loadState for a loader that checks a whole file before it changes
  // anything: readState decodes into a staging copy and checks it against this land (its
  // races) without touching it; commitState then takes the copy over and cannot fail.
  bool readState(SavegameReader& in, SavedLand& land) const;
  void commitState(SavedLand&& land);

  // The month of the whole land, after every ruler's own month: wars, taxes and revolts,
  // fights in the air and on the ground, the talisman, defeat and poverty; then every
  // order is cleared. The fights and deaths are shown through nested screens opened over
  // `caller`. Returns the month's report, one line per event.
  std::vector<String> processMonth(Screen* caller);
  // The player who completed the talisman in the last processMonth, or -1.
  int talismanWinner() const { return talismanWinner_; }
  // Wars between villages: ends those that have lasted long enough and starts new ones.
  void updateFights();
  // One line per war: "%s fights against %s\n".
  std::vector<String> fightReport() const;
  // The wars in the report's order: each named from the village that comes first in the
  // list, with its partner and the months the war has lasted.
  struct War {
    int first = -1;
    int second = -1;
    int months = 0;
  };
  std::vector<War> wars() const;
  // The villages, their owners' marks, guards and the current player's orders, over the
  // 640 x 480 map picture.
  void drawVillages(Bitmap& target);

  const String& playerName(int player) const { return playerNames_[size_t(player)]; }
  const String& moneySingle() const { return moneySingle_; }
  const String& moneyMulti() const { return moneyMulti_; }
  const String& areaName() const { return areaName_; }
  const String& timeName() const { return timeName_; }

  // The expat callbacks.
  void XMLStartTag(const char* name, const char** attributes);
  void XMLEndTag(const char* name);
  void XMLCharData(const char* text, int length);

private:
  enum class Target { None, Race, Position, Population, Industry, Yeomanry };

  CountryManager();
  void createMap();
  bool loadCountry(const char* text, size_t length);
  bool checkLand();
  void placeTalisman();
  void loadImages();
  // The wars between villages: those that end this month, then the new ones.
  int advanceWars();
  void startWars(int count);
  bool warCanStart() const;

  std::array<MapCell, kCells> cells_{};
  std::vector<Race> races_;
  std::vector<Village> villages_;
  std::unique_ptr<Bitmap> tribeImages_[kMaxRaces], villageImages_[kMaxRaces], crossImages_[3];
  std::unique_ptr<Bitmap> crossActionImage_, dragonHeadImage_;
  std::unique_ptr<Village> currentVillage_;
  Target charDataTarget_ = Target::None;
  String playerNames_[3];
  String moneySingle_, moneyMulti_, areaName_, timeName_;
  std::vector<String> dragonNames_;
  String failure_;
  int talismanWinner_ = -1;
};
