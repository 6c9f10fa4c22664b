#include "players/Player.h"

#include "app/ScreenManager.h"
#include "core/Diagnostics.h"
#include "core/Random.h"
#include "players/PlayerManager.h"

#include "world/CountryManager.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

const Egg kEmptyPlace{};

// One more month of a count, stopping at its bound.
int32_t countedOn(int32_t count, int32_t more = 1) { return count < kMostCount - more ? count + more : kMostCount; }

// The land's posts follow the dragon list; without a land there are none.
CountryManager* runningLand() { return CountryManager::exists() ? &CountryManager::instance() : nullptr; }

bool validSlot(int slot) { return slot >= 0 && slot < Player::kIncubators; }

// "Dragon X owned|by Y died": the bar splits the announcement's two lines. Appended, not
// formatted, so no name is ever cut.
String deathOfOldAge(const Dragon& dragon, const Player& owner) {
  String text("Dragon ");
  text.append(dragon.name).append(" owned|by ").append(owner.name).append(" died");
  return text;
}

}  // namespace

int32_t addedMoney(int32_t money, int64_t amount) {
  return int32_t(std::clamp<int64_t>(int64_t(money) + amount, 0, std::numeric_limits<int32_t>::max()));
}

Player::Player(int number, const String& characterName, int playerType) {
  reset();
  index = number;
  type = playerType;
  name = characterName;
  poorMonths = 0;
}

void Player::reset() {
  type = HumanPlayer;
  name = "Unknown";
  money = kStartMoney;
  incubators.fill(Egg{});
  for (int32_t& a : accounts) a = 0;
  eggs = kStartEggs;
  dragons.clear();
  Dragon first{String()};
  for (int i = 0; i < Dragon::kAttributes; ++i) first.setAttribute(i, 35 + randomNumber() % 20);
  addDragon(first);
  items.clear();
  for (int id = 0; id <= 6; ++id) addItem(id, id + 1);
}

// Pieces stop at the largest count the int holds.
void Player::addItem(int id, int count) {
  int32_t& pieces = items[id];
  pieces = int32_t(std::min<int64_t>(int64_t(pieces) + count, std::numeric_limits<int32_t>::max()));
}

bool Player::delItem(int id, int count) {
  auto entry = items.find(id);
  char line[160];
  if (entry == items.end()) {
    std::snprintf(line, sizeof line,
                  "Player::delItem(%d,%d): ERROR: trying to remove an item which doesn't exist !\n", id, count);
    complain(line);
    return false;
  }
  if (entry->second < count) {
    std::snprintf(line, sizeof line,
                  "Player::delItem(%d,%d): ERROR: trying to remove more items of this type than there are in the "
                  "inventory !\n",
                  id, count);
    complain(line);
    return false;
  }
  if (entry->second == count) items.erase(entry);
  else entry->second -= count;
  return true;
}

int Player::itemCount(int id) const {
  auto entry = items.find(id);
  return entry == items.end() ? 0 : entry->second;
}

bool Player::addDragon(const Dragon& dragon) {
  for (size_t place = 0; place < dragons.size(); ++place)
    if (dragons[place].attributes[Dragon::kHealth] < 1) {
      // The newcomer takes the place, not the dead dragon's posts.
      if (CountryManager* land = runningLand()) land->releaseDragon(index, int(place));
      dragons[place] = dragon;
      return true;
    }
  if (dragons.size() >= size_t(kMaxDragons)) return false;
  dragons.push_back(dragon);
  return true;
}

Dragon* Player::dragon(int place) {
  return place >= 0 && place < dragonCount() ? &dragons[size_t(place)] : nullptr;
}

const Dragon* Player::dragon(int place) const {
  return place >= 0 && place < dragonCount() ? &dragons[size_t(place)] : nullptr;
}

int Player::livingDragons() const {
  int living = 0;
  for (const Dragon& d : dragons) living += d.alive();
  return living;
}

void Player::layEgg(int slot) {
  if (!validSlot(slot) || incubators[size_t(slot)].occupied) return;
  Egg& egg = incubators[size_t(slot)];
  egg.occupied = true;
  egg.progress = 0;
  egg.heat = 50;
  egg.months = 0;
}

// The egg is lost; the count of eggs is not given back.
void Player::removeEgg(int slot) {
  if (!validSlot(slot) || !incubators[size_t(slot)].occupied) return;
  Egg& egg = incubators[size_t(slot)];
  egg.occupied = false;
  egg.heat = 0;
  egg.progress = 0;
}

void Player::setHeat(int slot, int heat) {
  if (validSlot(slot) && heat >= 0 && heat <= 100) incubators[size_t(slot)].heat = heat;
}

const Egg& Player::egg(int slot) const { return validSlot(slot) ? incubators[size_t(slot)] : kEmptyPlace; }

void Player::startMonth() {
  hatchedThisMonth = false;
  for (int32_t& a : accounts) a = 0;
  // Human rulers draw nothing here; the computer plays its rulers' turns.
  if (type == ComputerPlayer) playComputerTurn(*this);
  payUpkeep();
  ageDragons();
  feedDragons();
  incubate();
}

void Player::payUpkeep() {
  money = money > kUpkeep ? money - kUpkeep : 0;
  accounts[AccountGeneral] = -kUpkeep;  // booked whole, even when less was paid
  poorMonths = money < kPoorBelow ? countedOn(poorMonths) : 0;
}

// Every dragon ages; those that reach their lifespan are announced during the pass and
// removed after it, by name: the first dragon of that name goes, which need not be the
// one that died when two share a name. The posts of the dragon removed are given up and
// those of the dragons after it follow them up the list.
void Player::ageDragons() {
  std::vector<String> dead;
  for (Dragon& d : dragons) {
    d.age = countedOn(d.age);
    if (d.age < d.lifespan) continue;
    String text = deathOfOldAge(d, *this);
    ScreenManager::instance().callScreen(nullptr, String("DRAGONDIED"), ScreenParam(&text));
    dead.push_back(d.name);
  }
  for (const String& name : dead)
    for (auto d = dragons.begin(); d != dragons.end(); ++d)
      if (d->name.equals(name)) {
        const int place = int(d - dragons.begin());
        dragons.erase(d);
        if (CountryManager* land = runningLand()) land->dragonRemoved(index, place);
        break;
      }
}

// Dead dragons still take a place, and every place is fed.
void Player::feedDragons() {
  const int places = dragonCount();
  money = money > places ? money - places : 0;
  accounts[AccountDragons] = -places;
}

void Player::incubate() {
  for (int slot = 0; slot < kIncubators; ++slot) {
    Egg& egg = incubators[size_t(slot)];
    if (!egg.occupied) continue;
    const int cost = 1 + int(std::trunc(egg.heat * 0.08));
    money -= cost;
    if (money <= 0) {
      // The purse is empty: the egg cools and waits, unpaid and unbooked.
      money = 0;
      egg.heat = 0;
      continue;
    }
    accounts[slot] = -cost;
    egg.months = countedOn(egg.months);
    egg.progress = countedOn(egg.progress, int32_t(std::trunc(egg.heat * 0.2)));
    if (egg.progress >= Egg::kHatchingProgress) hatch(slot);
  }
}

// Low heat and long months make strong dragons: each attribute is
// (110 - heat) / 10 + 0..19 + 3 ln(months), truncated.
void Player::hatch(int slot) {
  const double heat = incubators[size_t(slot)].heat;
  const double months = incubators[size_t(slot)].months;
  removeEgg(slot);
  if (eggs > -kMostCount) eggs -= 1;
  Dragon young{String()};
  for (int i = 0; i < Dragon::kAttributes; ++i) {
    const double growth = std::trunc(3.0 * std::log(months));
    young.setAttribute(i, int(std::trunc((110.0 - heat) * 0.1 + double(randomNumber() % 20) + growth)));
  }
  addDragon(young);  // with eight living dragons the young one is lost
  hatchedThisMonth = true;
}
