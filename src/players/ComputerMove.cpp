// The whole mind of a computer ruler: now and then it sends a free dragon to occupy a
// village, preferably one of its own. It never lays eggs, trades, casts or sets taxes.
#include "players/PlayerManager.h"

#include "core/Random.h"
#include "players/ComputerKind.h"
#include "players/CunningRuler.h"
#include "world/CountryManager.h"

namespace {

// The first dragon of the list without guard duty; health and orders are not looked at.
int freeDragon(const Player& player, const CountryManager& land) {
  for (int d = 0; d < player.dragonCount(); ++d)
    if (!land.isStationed(player.index, d)) return d;
  return -1;
}

// Up to ten draws; the first nine stop at a village of the player's own, the tenth is
// taken whoever owns it.
int chooseVillage(const Player& player, CountryManager& land) {
  const int villages = land.villageCount();
  int v = 0;
  for (int draw = 0; draw < 10; ++draw) {
    v = randomNumber() % villages;
    if (draw < 9 && land.village(v).owner == player.index) break;
  }
  return v;
}

}  // namespace

void sendComputerDragon(Player& player) {
  CountryManager& land = CountryManager::instance();
  if (player.index < 0 || player.index > 2 || land.villageCount() == 0) return;
  const int dragon = freeDragon(player, land);
  if (dragon < 0) return;
  const Village& village = land.village(chooseVillage(player, land));
  MapCell* cell = land.cellAt(village.x * CountryManager::kCellPixels, village.y * CountryManager::kCellPixels);
  if (!cell) return;
  cell->orders[player.index] = CellOrder{dragon, TaskOccupy, 2};
}

void playComputerTurn(Player& player) {
  if (computerKind(player.index) == ComputerKind::Cunning) {
    playCunningMonth(player, CountryManager::instance());
    return;
  }
  if (randomNumber() % 20 > 13) sendComputerDragon(player);
}
