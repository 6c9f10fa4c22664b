// One of the three rulers: crystals, an inventory of magic items, unhatched eggs, up to
// eight dragons, a hatchery of four places and last month's accounts.
#pragma once

#include "core/String.h"
#include "players/Dragon.h"
#include "players/Egg.h"

#include <array>
#include <cstdint>
#include <map>
#include <vector>

class SavegameReader;
class SavegameWriter;

// Counts that grow by a little each month (the round number, months of poverty, a dragon's
// age and lifespan, an egg's months and progress, eggs hatched past the stock) stop at this
// size either way, and a savegame holding more is damaged: no game lasts so many months,
// and the month's arithmetic on them stays far from the int's limit.
inline constexpr int32_t kMostCount = 100000000;

// A purse after `amount` more crystals: taxes, rewards and sales can make it large, so it
// stops at the largest the int holds instead of wrapping; it never goes below 0.
int32_t addedMoney(int32_t money, int64_t amount);

// Player types: not 1 and 0, so a test for one compares with exactly its value.
inline constexpr int HumanPlayer = 256;
inline constexpr int ComputerPlayer = 1;

// The entries of the accounts: 0 to 3 the heating of each incubator, then these.
enum Account { AccountDragons = 4, AccountRewards = 5, AccountTaxes = 6, AccountGeneral = 7 };

class Player {
public:
  static constexpr int kMaxDragons = 8;
  static constexpr int kIncubators = 4;
  static constexpr int kAccounts = 8;
  static constexpr int kStartMoney = 109;
  static constexpr int kStartEggs = 20;
  static constexpr int kUpkeep = 2;
  // Ending the upkeep with fewer crystals than this counts as a poor month.
  static constexpr int kPoorBelow = 10;

  // A ruler as a new game makes it (see reset).
  Player(int index, const String& name, int type);

  // A new ruler: 109 crystals, 20 eggs, empty hatchery, one dragon with attributes 35 to
  // 54, items 0 to 6 with 1 to 7 pieces. Draws the dragon's lifespan, then its six
  // attributes.
  void reset();

  bool isComputer() const { return type == ComputerPlayer; }
  bool isHuman() const { return type == HumanPlayer; }

  // The inventory: catalogue number to pieces, in ascending catalogue number.
  void addItem(int id, int count);
  // False, with a line on standard error and nothing changed, when there are fewer pieces
  // than `count` (or none); an entry that falls to 0 is removed.
  bool delItem(int id, int count);
  int itemCount(int id) const;

  // The new dragon takes the first place of a dead one; else it is appended while fewer
  // than eight places exist; else it is refused.
  bool addDragon(const Dragon& dragon);
  Dragon* dragon(int place);
  const Dragon* dragon(int place) const;
  int dragonCount() const { return int(dragons.size()); }
  int livingDragons() const;

  // The hatchery; a place outside 0 to 3 is ignored, and reads as an empty place.
  void layEgg(int slot);
  void removeEgg(int slot);
  void setHeat(int slot, int heat);
  const Egg& egg(int slot) const;

  // The ruler's own month, before the land's: the computer's move, upkeep, the poverty
  // count, ageing, feeding, incubation.
  void startMonth();

  // The savegame record (the dragons last).
  void save(SavegameWriter& out) const;
  void load(SavegameReader& in);

  int32_t poorMonths = 0;
  int32_t index = 0;
  String name;
  int32_t type = HumanPlayer;
  int32_t money = 0;
  std::map<int32_t, int32_t> items;
  int32_t eggs = 0;
  std::vector<Dragon> dragons;
  std::array<Egg, kIncubators> incubators{};
  int32_t accounts[kAccounts] = {};
  bool hatchedThisMonth = false;

private:
  void payUpkeep();
  void ageDragons();
  void feedDragons();
  void incubate();
  void hatch(int slot);
};
