// The land's month, after every ruler's own: wars between villages, taxes and revolts,
// fights in the air and on the ground, the talisman, defeat and poverty.
#include "world/MonthRules.h"

#include "core/Random.h"
#include "players/PlayerManager.h"

#include <algorithm>

namespace {

// A guard caught in a revolt loses this many percent of every attribute.
constexpr int kRevoltHarm = 10;

using Income = int[PlayerManager::kPlayers];

// A tenth of the tax, at least one piece.
int taxYield(int tax) { return std::max(1, int(tax * 0.1)); }

// High taxes stir the village up; low ones calm it.
void stirByTax(Village& village) {
  if (village.tax >= 80) village.revolt += 100;
  else if (village.tax >= 60) village.revolt += randomNumber() % 25 + 10;
  else if (village.tax >= 40) village.revolt += randomNumber() % 10 + 5;
  else if (village.tax <= 10) village.revolt -= 2;
  village.revolt = std::clamp(village.revolt, 0, 100);
}

// Above 90 a village always revolts, from 71 on by chance (9 in 20).
bool revolts(const Village& village) {
  if (village.revolt > 90) return true;
  return village.revolt > 70 && randomNumber() % 20 > 10;
}

// The village rises against its owner. Its guard is weakened and may flee (the village is
// then free again) or die; a village without guard stays with its owner but pays nothing.
void revolt(month::Run& run, MapCell& cell, Village& village, Income& income) {
  const Player* owner = month::player(village.owner);
  String line("Village ");
  line.append(village.name).append(" revolts against ").append(owner ? owner->name.c_str() : "");
  run.report.push_back(line);

  Dragon* guard = month::dragonOf(village.owner, cell.guardDragon);
  if (!guard) return;
  guard->weaken(kRevoltHarm);
  const int escape = randomNumber() % 100;
  if (village.revolt >= 95 || escape > 80) {
    village.tax = 1;
    guard->atHome = true;
    cell.guardDragon = -1;
    cell.guardOwner = -1;
    village.owner = -1;
    village.revolt = 0;
    run.report.push_back(guard->name + " escaped from the village");
  }
  if (!guard->alive()) {
    village.tax = 1;
    month::announce(run.caller, "DRAGONDIED", guard->name + " died");
    run.report.push_back(guard->name + " was killed by the inhabitants");
  }
  if (village.owner >= 0) income[village.owner] += taxYield(village.tax);
}

// Every village on the map, in cell order: a free village calms down to a fresh level; an
// owned one pays its tax unless it revolts.
void collectTaxes(month::Run& run, Income& income) {
  for (int i = 0; i < CountryManager::kCells; ++i) {
    MapCell& cell = run.land.cell(i);
    if (cell.village < 0) continue;
    month::pump();
    Village& village = run.land.village(cell.village);
    if (village.owner < 0 || village.owner >= PlayerManager::kPlayers) {
      village.revolt = randomNumber() % 10 + 1;
      continue;
    }
    stirByTax(village);
    if (revolts(village)) revolt(run, cell, village, income);
    else income[village.owner] += taxYield(village.tax);
  }
}

void payTaxes(const Income& income) {
  for (int p = 0; p < PlayerManager::kPlayers; ++p) {
    Player* player = month::player(p);
    if (!player || income[p] == 0) continue;
    player->money = addedMoney(player->money, income[p]);
    player->accounts[AccountTaxes] = income[p];
  }
}

// A ruler without a living dragon has lost: the computer plays on for it. The lines come
// every month, for every ruler.
void judgeRulers(std::vector<String>& report) {
  for (int p = 0; p < PlayerManager::kPlayers; ++p) {
    Player* player = month::player(p);
    if (!player) continue;
    if (player->livingDragons() == 0) {
      player->type = ComputerPlayer;
      report.push_back(player->name + " lost all dragons, game over !");
    } else if (player->poorMonths != 0) {
      report.push_back(player->name + " needs more money !");
    }
  }
}

}  // namespace

std::vector<String> CountryManager::processMonth(Screen* caller) {
  talismanWinner_ = -1;
  std::vector<String> report;
  month::Run run{*this, caller, report};
  updateFights();
  Income income = {};
  collectTaxes(run, income);
  payTaxes(income);
  for (MapCell& cell : cells_) month::airFights(run, cell);
  for (MapCell& cell : cells_) {
    // A completed talisman ends the game at once: the rest of the month is not played
    // and the orders stay where they are.
    const int winner = month::groundOrder(run, cell);
    if (winner >= 0) {
      talismanWinner_ = winner;
      return report;
    }
  }
  judgeRulers(report);
  clearOrders();
  return report;
}
