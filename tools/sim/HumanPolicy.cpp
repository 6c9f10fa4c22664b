#include "Simulation.h"

#include "core/Random.h"
#include "players/Player.h"
#include "world/CountryManager.h"

namespace {

// Taxes from 11 to 39 neither calm nor stir a village; 30 brings 3 crystals a month.
constexpr int kCalmTax = 30;
// A slow heat: 3 crystals a month, twenty months, a strong dragon.
constexpr int kEggHeat = 25;
// Each egg in the hatchery wants this many crystals in the purse; a poorer ruler lays fewer.
constexpr int kCrystalsPerEgg = 40;
constexpr int kTargetTries = 5;

// Eggs are laid and warmed while the purse can carry them; an egg that cooled for want of
// crystals is warmed again.
void fillHatchery(Player& player) {
  int affordable = player.money / kCrystalsPerEgg;
  for (int slot = 0; slot < Player::kIncubators; ++slot) {
    if (player.egg(slot).occupied) {
      --affordable;
      if (player.egg(slot).heat == 0 && affordable >= 0) player.setHeat(slot, kEggHeat);
    }
  }
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

// A few draws for a village of somebody else; the last draw is taken as it falls.
int chooseTarget(const Player& player, CountryManager& land) {
  int v = 0;
  for (int tries = 0; tries < kTargetTries; ++tries) {
    v = randomNumber() % land.villageCount();
    if (land.village(v).owner != player.index) break;
  }
  return v;
}

// The first free dragon attacks, which wins the village and leaves the dragon free for
// the next month; the others occupy, which may find a part of the talisman.
void sendDragons(Player& player, CountryManager& land) {
  bool attacked = false;
  for (int d = 0; d < player.dragonCount(); ++d) {
    const Dragon& dragon = *player.dragon(d);
    if (!dragon.alive() || !dragon.atHome || land.isStationed(player.index, d) || land.findOrderCell(player.index, d))
      continue;
    const Village& target = land.village(chooseTarget(player, land));
    const int task = attacked ? TaskOccupy : TaskAttack;
    land.cell(target.x, target.y).orders[player.index] = CellOrder{d, task, 50};
    attacked = true;
  }
}

// A guard that found no part of the talisman is called home, free for the next month; the
// ruler learnt where the parts lie from the month's report.
void recallIdleGuards(const Player& player, CountryManager& land) {
  for (int i = 0; i < CountryManager::kCells; ++i) {
    MapCell& cell = land.cell(i);
    if (cell.guardOwner == player.index && cell.talisman == 0 && cell.orders[player.index].dragon < 0)
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
