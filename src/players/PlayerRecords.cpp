// The player and dragon records of a savegame. A player: name, index, type, poor months,
// crystals, eggs, the hatched flag, the inventory (count, then number and pieces of each
// entry in ascending number), the eight accounts, the four incubator places, then the
// dragon count and the dragons. A dragon: the name counter, name, at home, age, lifespan
// and the six attributes.
#include "players/PlayerRecords.h"

#include "res/SavegameReader.h"
#include "res/SavegameWriter.h"

#include <algorithm>

namespace {

bool within(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// A count read from the file, before anything is allocated for it: it must be one the
// bytes left can hold.
bool countFits(const SavegameReader& in, int32_t count, size_t recordBytes) {
  return count >= 0 && size_t(count) <= in.remaining() / recordBytes;
}

void readIncubator(SavegameReader& in, Egg& egg) {
  in.readBool(egg.occupied).readInt(egg.heat).readInt(egg.progress).readInt(egg.months);
}

String dragonFault(const SavedDragon& dragon, int place) {
  if (dragon.nameCounter < 0) return String::format("dragon %d holds the name counter %d", place, dragon.nameCounter);
  if (!within(dragon.age, 0, kMostCount) || !within(dragon.lifespan, 0, kMostCount))
    return String::format("dragon %d is %d months old of %d", place, dragon.age, dragon.lifespan);
  for (int32_t value : dragon.attributes)
    if (!within(value, 0, 99)) return String::format("dragon %d holds an attribute of %d", place, value);
  return String();
}

String itemsFault(const SavedPlayer& player, int itemLimit) {
  int32_t previous = -1;
  for (const auto& [id, count] : player.items) {
    if (id < 0 || id >= itemLimit) return String::format("item %d is not in the catalogue", id);
    if (id <= previous) return String::format("item %d is out of order", id);
    if (count <= 0) return String::format("item %d has %d pieces", id, count);
    previous = id;
  }
  return String();
}

// Progress and months only ever grow from 0, and stop at the bound of every count; the heat is the hatchery lever's 0 to 100.
String incubatorsFault(const SavedPlayer& player) {
  for (size_t slot = 0; slot < player.incubators.size(); ++slot) {
    const Egg& egg = player.incubators[slot];
    if (!within(egg.heat, 0, 100) || !within(egg.progress, 0, kMostCount) || !within(egg.months, 0, kMostCount))
      return String::format("incubator %d is damaged", int(slot));
  }
  return String();
}

}  // namespace

void Dragon::save(SavegameWriter& out) const {
  out.writeInt(nameCounter()).writeString(name).writeBool(atHome).writeInt(age).writeInt(lifespan);
  for (int32_t value : attributes) out.writeInt(value);
}

void Dragon::load(SavegameReader& in) {
  SavedDragon saved;
  readDragonRecord(in, saved);
  if (!in.failed()) applyDragonRecord(saved, *this);
}

void Player::save(SavegameWriter& out) const {
  out.writeString(name).writeInt(index).writeInt(type).writeInt(poorMonths).writeInt(money).writeInt(eggs);
  out.writeBool(hatchedThisMonth);
  out.writeInt(int32_t(items.size()));
  for (const auto& [id, count] : items) out.writeInt(id).writeInt(count);
  for (int32_t value : accounts) out.writeInt(value);
  for (const Egg& egg : incubators)
    out.writeBool(egg.occupied).writeInt(egg.heat).writeInt(egg.progress).writeInt(egg.months);
  out.writeInt(int32_t(dragons.size()));
  for (const Dragon& dragon : dragons) dragon.save(out);
}

// A record that is not whole leaves the player as it was; the caller asks the reader.
void Player::load(SavegameReader& in) {
  SavedPlayer saved;
  if (readPlayerRecord(in, saved).length() == 0 && !in.failed()) applyPlayerRecord(saved, *this);
}

void readDragonRecord(SavegameReader& in, SavedDragon& dragon) {
  in.readInt(dragon.nameCounter).readString(dragon.name).readBool(dragon.atHome);
  in.readInt(dragon.age).readInt(dragon.lifespan);
  for (int32_t& value : dragon.attributes) in.readInt(value);
}

String readPlayerRecord(SavegameReader& in, SavedPlayer& player) {
  in.readString(player.name).readInt(player.index).readInt(player.type).readInt(player.poorMonths);
  in.readInt(player.money).readInt(player.eggs).readBool(player.hatchedThisMonth);
  int32_t count = 0;
  in.readInt(count);
  if (in.failed()) return String("the record is cut short or damaged");
  if (!countFits(in, count, kItemRecordBytes)) return String::format("an inventory of %d entries cannot be", count);
  player.items.assign(size_t(count), {0, 0});
  for (auto& [id, pieces] : player.items) in.readInt(id).readInt(pieces);
  for (int32_t& value : player.accounts) in.readInt(value);
  for (Egg& egg : player.incubators) readIncubator(in, egg);
  in.readInt(count);
  if (in.failed()) return String("the record is cut short or damaged");
  if (!countFits(in, count, kDragonRecordBytes)) return String::format("a list of %d dragons cannot be", count);
  player.dragons.assign(size_t(count), SavedDragon{});
  for (SavedDragon& dragon : player.dragons) readDragonRecord(in, dragon);
  if (in.failed()) return String("a dragon's record is cut short or damaged");
  return String();
}

String playerRecordFault(const SavedPlayer& player, int place, int itemLimit) {
  if (player.index != place) return String::format("the player at place %d says it is player %d", place, player.index);
  if (player.type != HumanPlayer && player.type != ComputerPlayer)
    return String::format("player type %d is neither human nor computer", player.type);
  // Money is never below 0 and may be as large as the int holds: the month adds to it only
  // up to there.
  if (player.money < 0) return String::format("a purse of %d crystals cannot be", player.money);
  if (!within(player.poorMonths, 0, kMostCount)) return String::format("%d poor months cannot be", player.poorMonths);
  if (!within(player.eggs, -kMostCount, kMostCount)) return String::format("%d eggs cannot be", player.eggs);
  String fault = itemsFault(player, itemLimit);
  if (fault.length() == 0) fault = incubatorsFault(player);
  for (size_t i = 0; i < player.dragons.size() && fault.length() == 0; ++i)
    fault = dragonFault(player.dragons[i], int(i));
  return fault;
}

void applyDragonRecord(const SavedDragon& saved, Dragon& dragon) {
  dragon.name = saved.name;
  dragon.atHome = saved.atHome;
  dragon.age = saved.age;
  dragon.lifespan = saved.lifespan;
  std::copy(std::begin(saved.attributes), std::end(saved.attributes), std::begin(dragon.attributes));
  Dragon::setNameCounter(saved.nameCounter);
}

void applyPlayerRecord(const SavedPlayer& saved, Player& player) {
  player.name = saved.name;
  player.index = saved.index;
  player.type = saved.type;
  player.poorMonths = saved.poorMonths;
  player.money = saved.money;
  player.eggs = saved.eggs;
  player.hatchedThisMonth = saved.hatchedThisMonth;
  player.items.clear();
  for (const auto& [id, pieces] : saved.items) player.items[id] = pieces;
  std::copy(std::begin(saved.accounts), std::end(saved.accounts), std::begin(player.accounts));
  player.incubators = saved.incubators;
  // Appended in file order: no limit of eight, no place of a dead dragon taken again.
  player.dragons.clear();
  for (const SavedDragon& record : saved.dragons) {
    Dragon dragon;
    applyDragonRecord(record, dragon);
    player.dragons.push_back(dragon);
  }
}
