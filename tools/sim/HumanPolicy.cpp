#include "Simulation.h"

#include "core/Random.h"
#include "players/Player.h"
#include "players/TalismanNews.h"
#include "world/CountryManager.h"

#include <algorithm>

namespace {

// Taxes from 11 to 39 neither calm nor stir a village; 30 brings 3 crystals a month.
constexpr int kCalmTax = 30;
// Full heat: 9 crystals a month for five months, the cheapest and quickest dragon (a slow
// heat makes a stronger one, but no fight reads a dragon's strength).
constexpr int kEggHeat = 100;
// Each egg in the hatchery wants this many crystals in the purse; a poorer ruler lays fewer.
constexpr int kCrystalsPerEgg = 45;
constexpr int kTargetTries = 5;

// Eggs are laid and warmed while the purse can carry them and a lair is free for the young
// dragon (with eight alive it would be lost); an egg that cooled for want of crystals is
// warmed again.
void fillHatchery(Player& player) {
  int affordable = player.money / kCrystalsPerEgg;
  int lairs = Player::kMaxDragons - player.livingDragons();
  for (int slot = 0; slot < Player::kIncubators; ++slot) {
    if (player.egg(slot).occupied) {
      --affordable;
      --lairs;
      if (player.egg(slot).heat == 0 && affordable >= 0) player.setHeat(slot, kEggHeat);
    }
  }
  affordable = std::min(affordable, lairs);
  for (int slot = 0; slot < Player::kIncubators && affordable > 0; ++slot) {
    if (player.egg(slot).occupied) continue;  // the hatchery never asks for the egg count
    player.layEgg(slot);
    player.setHeat(slot, kEggHeat);
    --affordable;
  }
}

void setTaxes(const Player& player, CountryManager& land) {
  for (int v = 0; v < land.villageCount(); ++v)
    if (land.village(v).owner == player.index) land.village(v).tax = kCalmTax;
}

// A few draws for a village of somebody else that none of his dragons is sent to yet (a
// second order in one cell would take the first one's place); the last draw is taken as
// it falls.
int chooseTarget(const Player& player, CountryManager& land) {
  int v = 0;
  for (int tries = 0; tries < kTargetTries; ++tries) {
    v = randomNumber() % land.villageCount();
    const Village& village = land.village(v);
    if (village.owner != player.index && land.cell(village.x, village.y).orders[player.index].dragon < 0) break;
  }
  return v;
}

bool isTold(int cell) { return TalismanNews::instance().cell(cell) == TalismanNews::Cell::Part; }

// A part of the talisman the reports told of and another ruler holds (or nobody): the
// place a free dragon should occupy first. -1 when there is none left.
int toldPartToTake(const Player& player, CountryManager& land) {
  for (int i = 0; i < CountryManager::kCells; ++i)
    if (isTold(i) && land.cell(i).guardOwner != player.index && land.cell(i).orders[player.index].dragon < 0)
      return i;
  return -1;
}

// Free dragons go first to the parts of the talisman the reports told of and he does not
// hold; of the rest the first attacks, which wins the village and leaves the dragon free
// for the next month, and the others occupy, which may find a part.
void sendDragons(Player& player, CountryManager& land) {
  bool attacked = false;
  for (int d = 0; d < player.dragonCount(); ++d) {
    const Dragon& dragon = *player.dragon(d);
    if (!dragon.alive() || !dragon.atHome || land.isStationed(player.index, d) || land.findOrderCell(player.index, d))
      continue;
    const int part = toldPartToTake(player, land);
    if (part >= 0) {
      land.cell(part).orders[player.index] = CellOrder{d, TaskOccupy, 50};
      continue;
    }
    const Village& target = land.village(chooseTarget(player, land));
    const int task = attacked ? TaskOccupy : TaskAttack;
    land.cell(target.x, target.y).orders[player.index] = CellOrder{d, task, 50};
    attacked = true;
  }
}

// A guard on a village the reports never named as a part is called home, free for the
// next month.
void recallIdleGuards(const Player& player, CountryManager& land) {
  for (int i = 0; i < CountryManager::kCells; ++i) {
    MapCell& cell = land.cell(i);
    if (cell.guardOwner == player.index && !isTold(i) && cell.orders[player.index].dragon < 0)
      cell.orders[player.index] = CellOrder{cell.guardDragon, TaskRecall, 45};
  }
}

}  // namespace

void playHumanTurn(Player& player, CountryManager& land) {
  if (land.villageCount() == 0) return;
  fillHatchery(player);
  setTaxes(player, land);
  recallIdleGuards(player, land);
  sendDragons(player, land);
}
