#include "players/CunningRuler.h"

#include "core/Random.h"
#include "players/ItemManager.h"
#include "players/Player.h"
#include "players/TalismanNews.h"
#include "world/CountryManager.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The castle's roll for the dealer: he is in on 9 visits in 50.
constexpr int kDealerRoll = 50;
constexpr int kDealerAbove = 40;

// The quickest and the cheapest egg: 9 crystals a month for five months. No rule of the
// fights reads a dragon's strength, only whether it lives.
constexpr int kEggHeat = 100;
constexpr int kCostAtHeat = 9;
constexpr int kProgressAtHeat = 20;
// Crystals kept back for upkeep and feeding before another egg is laid.
constexpr int kReserve = 12;

// Taxes by unrest: each band stirs the village by at most as much as keeps its unrest at
// 70 or below, where it never revolts. Above that the village is calmed.
struct TaxBand {
  int highestUnrest;
  int tax;
};
constexpr std::array<TaxBand, 3> kTaxBands{{{36, 79}, {56, 59}, {70, 39}}};
constexpr int kCalmingTax = 10;

// What makes a village worth a dragon's month: an opponent's loses him his taxes, one at
// war pays a reward, one whose secret nobody has told may hold a part. A random part keeps
// two cunning rulers from always choosing alike.
constexpr int kOpponentsVillage = 6;
constexpr int kFreeVillage = 4;
constexpr int kAtWar = 5;
constexpr int kUntold = 3;
constexpr int kWhim = 4;
// While parts are still untold, all free dragons but this many go looking.
constexpr int kRaidersWhileSearching = 1;

struct Turn {
  Player& ruler;
  CountryManager& land;
  const TalismanNews& news;
  std::array<bool, CountryManager::kCells> targeted{};
};

// --- the dealer -----------------------------------------------------------------------

void visitDealer(Player& ruler) {
  if (randomNumber() % kDealerRoll <= kDealerAbove || !ItemManager::exists()) return;
  sellInventory(ruler, ItemManager::instance());
}

// --- taxes ----------------------------------------------------------------------------

int taxFor(int unrest) {
  for (const TaxBand& band : kTaxBands)
    if (unrest <= band.highestUnrest) return band.tax;
  return kCalmingTax;
}

void setTaxes(Turn& turn) {
  for (int v = 0; v < turn.land.villageCount(); ++v) {
    Village& village = turn.land.village(v);
    if (village.owner == turn.ruler.index) village.tax = taxFor(village.revolt);
  }
}

// --- the hatchery ---------------------------------------------------------------------

int costToHatch(const Egg& egg) {
  const int left = std::max(0, Egg::kHatchingProgress - egg.progress);
  return (left + kProgressAtHeat - 1) / kProgressAtHeat * kCostAtHeat;
}

// Every egg is kept at full heat; a new one is laid while the purse can carry it to its
// hatching, and while a lair is free for the young dragon.
void tendHatchery(Player& ruler) {
  int committed = kReserve;
  int inHatchery = 0;
  for (int slot = 0; slot < Player::kIncubators; ++slot) {
    if (!ruler.egg(slot).occupied) continue;
    ruler.setHeat(slot, kEggHeat);
    committed += costToHatch(ruler.egg(slot));
    ++inHatchery;
  }
  const int lairsFree = Player::kMaxDragons - ruler.livingDragons() - inHatchery;
  // The hatchery lays an egg whatever the count of eggs says, so the count is not asked.
  int eggsLeft = lairsFree;
  const int eggCost = costToHatch(Egg{});
  for (int slot = 0; slot < Player::kIncubators && eggsLeft > 0; ++slot) {
    if (ruler.egg(slot).occupied || ruler.money - committed < eggCost) continue;
    ruler.layEgg(slot);
    ruler.setHeat(slot, kEggHeat);
    committed += eggCost;
    --eggsLeft;
  }
}

// --- orders ---------------------------------------------------------------------------

// The dragons the fight screen offers: alive, in the lair, not on guard, without an order.
std::vector<int> freeDragons(Turn& turn) {
  std::vector<int> places;
  for (int d = 0; d < turn.ruler.dragonCount(); ++d) {
    const Dragon& dragon = *turn.ruler.dragon(d);
    if (dragon.alive() && dragon.atHome && !turn.land.isStationed(turn.ruler.index, d) &&
        !turn.land.findOrderCell(turn.ruler.index, d))
      places.push_back(d);
  }
  return places;
}

void order(Turn& turn, int cell, int dragon, int task) {
  turn.land.cell(cell).orders[turn.ruler.index] = CellOrder{dragon, task, task == TaskRecall ? 45 : 100};
  turn.targeted[size_t(cell)] = true;
}

// A guard on a village the reports never named as a part does nothing there: home.
void recallIdleGuards(Turn& turn) {
  for (int i = 0; i < CountryManager::kCells; ++i) {
    const MapCell& cell = turn.land.cell(i);
    if (cell.guardOwner == turn.ruler.index && cell.guardDragon >= 0 &&
        turn.news.cell(i) != TalismanNews::Cell::Part && cell.orders[turn.ruler.index].dragon < 0)
      order(turn, i, cell.guardDragon, TaskRecall);
  }
}

// The parts told of that this player guards, as the map's dragon heads show them.
int partsHeld(const Turn& turn, int player) {
  int held = 0;
  for (int i = 0; i < CountryManager::kCells; ++i)
    held += turn.news.cell(i) == TalismanNews::Cell::Part && turn.land.cell(i).guardOwner == player;
  return held;
}

// The parts this ruler guards: another dragon sent there meets an attacker in the air, and
// of two orders in one cell the later ruler's stays, so a part can be held against the
// rulers before him.
std::vector<int> partsHeldBy(const Turn& turn) {
  std::vector<int> parts;
  for (int i = 0; i < CountryManager::kCells; ++i)
    if (turn.news.cell(i) == TalismanNews::Cell::Part && turn.land.cell(i).guardOwner == turn.ruler.index)
      parts.push_back(i);
  return parts;
}

// The parts told of and not held, those of the ruler nearest to victory first.
std::vector<int> partsToTake(Turn& turn) {
  std::vector<int> parts;
  for (int i = 0; i < CountryManager::kCells; ++i)
    if (turn.news.cell(i) == TalismanNews::Cell::Part && turn.land.cell(i).guardOwner != turn.ruler.index)
      parts.push_back(i);
  auto threat = [&](int i) {
    const int owner = turn.land.cell(i).guardOwner;
    return owner >= 0 ? 1 + partsHeld(turn, owner) : 0;
  };
  std::stable_sort(parts.begin(), parts.end(), [&](int a, int b) { return threat(a) > threat(b); });
  return parts;
}

int worth(Turn& turn, const Village& village, int cell) {
  int score = randomNumber() % kWhim;
  score += village.owner < 0 ? kFreeVillage : kOpponentsVillage;
  if (village.fightsAgainst >= 0) score += kAtWar;
  if (turn.news.cell(cell) == TalismanNews::Cell::Unknown) score += kUntold;
  return score;
}

// The best village not chosen this month: to attack, one not yet the ruler's; to search,
// one whose secret no report has told, his own too (he may have taken it without staying).
// -1 when there is none.
int chooseVillageCell(Turn& turn, bool untoldOnly) {
  int best = -1;
  int bestScore = -1;
  for (int i = 0; i < CountryManager::kCells; ++i) {
    const MapCell& cell = turn.land.cell(i);
    if (cell.village < 0 || turn.targeted[size_t(i)]) continue;
    const Village& village = turn.land.village(cell.village);
    if (untoldOnly ? turn.news.cell(i) != TalismanNews::Cell::Unknown : village.owner == turn.ruler.index) continue;
    const int score = worth(turn, village, i);
    if (score > bestScore) {
      best = i;
      bestScore = score;
    }
  }
  return best;
}

void giveOrders(Turn& turn) {
  recallIdleGuards(turn);
  std::vector<int> dragons = freeDragons(turn);
  size_t next = 0;
  for (int part : partsToTake(turn)) {
    if (next == dragons.size()) return;
    order(turn, part, dragons[next++], TaskOccupy);
  }
  for (int part : partsHeldBy(turn)) {
    if (next == dragons.size()) return;
    order(turn, part, dragons[next++], TaskOccupy);
  }
  const bool searching = turn.news.partsKnown() < 3;
  while (searching && dragons.size() - next > size_t(kRaidersWhileSearching)) {
    const int cell = chooseVillageCell(turn, true);
    if (cell < 0) break;
    order(turn, cell, dragons[next++], TaskOccupy);
  }
  while (next < dragons.size()) {
    const int cell = chooseVillageCell(turn, false);
    if (cell < 0) break;
    order(turn, cell, dragons[next++], TaskAttack);
  }
}

}  // namespace

int sellInventory(Player& ruler, const ItemManager& catalogue) {
  const auto inventory = ruler.items;
  int earned = 0;
  for (const auto& [id, pieces] : inventory) {
    const Item* item = catalogue.item(id);
    if (!item || pieces <= 0 || !ruler.delItem(id, pieces)) continue;
    earned += int(item->value) * pieces;  // the shop's price: the value, truncated
  }
  ruler.money += earned;
  return earned;
}

void playCunningMonth(Player& ruler, CountryManager& land) {
  if (ruler.index < 0 || ruler.index > 2) return;
  Turn turn{ruler, land, TalismanNews::instance(), {}};
  visitDealer(ruler);
  setTaxes(turn);
  tendHatchery(ruler);
  giveOrders(turn);
}
