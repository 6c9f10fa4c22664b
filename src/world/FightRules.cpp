// The month's fights: dragons sent to the same cell fight in the air, then the one order
// left in a cell is carried out on the ground (a recall, or an attack on the village).
#include "world/MonthRules.h"

#include "app/Application.h"
#include "app/ScreenManager.h"
#include "core/Random.h"
#include "players/PlayerManager.h"

#include <string>

namespace month {

namespace {

// Dragons lose this many percent of every attribute in a fight in the air, and when they
// attack a village.
constexpr int kAirFightHarm = 20;
constexpr int kAttackHarm = 5;

// The dragon a player's order in the cell sends, or null without one (or when the order
// names a place the player's list does not have).
Dragon* orderedDragon(const MapCell& cell, int player) {
  const int place = cell.orders[player].dragon;
  return place >= 0 ? dragonOf(player, place) : nullptr;
}

void airFight(Run& run, Dragon& earlier, Dragon& later) {
  // The caption names the later player's dragon first.
  String caption = later.name;
  caption.append(" vs. ").append(earlier.name);
  announce(run.caller, "ACTION", String("air:") + caption);
  run.report.push_back(String("Dragonfight ") + caption);
  later.weaken(kAirFightHarm);
  earlier.weaken(kAirFightHarm);
}

// A recall: the player's own guard goes back to its lair.
void recallGuard(Run& run, MapCell& cell, int player) {
  if (cell.guardOwner != player) return;
  Dragon* guard = dragonOf(player, cell.guardDragon);
  if (!guard) return;
  guard->atHome = true;
  cell.guardDragon = -1;
  cell.guardOwner = -1;
  run.report.push_back(guard->name + " returns to its lair");
}

// Attacking a village at war earns a reward from each village fighting it: the money
// gets every reward, the account the last one.
void payRewards(Run& run, int villageIndex, Player& attacker) {
  for (int i = 0; i < run.land.villageCount(); ++i) {
    pump();
    if (run.land.village(i).fightsAgainst != villageIndex) continue;
    const int reward = randomNumber() % 5 + 1;
    String line("Player ");
    line.append(attacker.name).append(" gets a reward of ").append(std::to_string(reward).c_str());
    run.report.push_back(line);
    attacker.accounts[AccountRewards] = reward;
    attacker.money = addedMoney(attacker.money, reward);
  }
}

// A guard displaced by an attack, whoever it belongs to, goes home.
void sendGuardHome(MapCell& cell) {
  if (cell.guardOwner < 0) return;
  if (Dragon* guard = dragonOf(cell.guardOwner, cell.guardDragon)) guard->atHome = true;
  cell.guardDragon = -1;
  cell.guardOwner = -1;
}

// A dragon stationed on a talisman part: with all three parts guarded the game is won.
bool completesTalisman(Run& run, const Player& player) {
  if (run.land.talismanParts(player.index) == 3) {
    announce(run.caller, "WINSCREEN", player.name + " completed the|talisman. Game over !");
    if (Application* app = Application::instance()) app->restartRequested = true;
    return true;
  }
  run.report.push_back(player.name + " found a part of the talisman");
  return false;
}

// The attack of one dragon on the cell's village; it becomes the attacker's whatever
// happens to the dragon. Returns the player who completed the talisman, or -1.
int attackVillage(Run& run, MapCell& cell, int player, Dragon& dragon) {
  Player& attacker = *month::player(player);
  Village& village = run.land.village(cell.village);
  String caption = dragon.name;
  caption.append(" attacks ").append(village.name);
  announce(run.caller, "ACTION", String("grd:") + caption);
  run.report.push_back(String("Dragon ") + caption);

  dragon.weaken(kAttackHarm);
  if (!dragon.alive()) announce(run.caller, "DRAGONDIED", dragon.name + " died");
  payRewards(run, cell.village, attacker);
  sendGuardHome(cell);
  village.owner = player;
  if (cell.orders[player].task != TaskOccupy) return -1;

  // The dragon stays as the village's guard, even a dead one.
  cell.guardDragon = cell.orders[player].dragon;
  cell.guardOwner = player;
  dragon.atHome = false;
  if (cell.talisman && completesTalisman(run, attacker)) return player;
  return -1;
}

}  // namespace

void announce(Screen* caller, const char* screen, const String& text) {
  // Nested screens run inside the application's loop; without one there is nothing to show.
  if (!Application::instance()) return;
  String shown = text;
  ScreenManager::instance().callScreen(caller, String(screen), ScreenParam(&shown));
}

void pump() {
  if (Application* app = Application::instance()) app->update(false);
}

Player* player(int index) {
  return PlayerManager::exists() ? PlayerManager::instance().player(index) : nullptr;
}

Dragon* dragonOf(int playerIndex, int place) {
  Player* owner = player(playerIndex);
  return owner ? owner->dragon(place) : nullptr;
}

void airFights(Run& run, MapCell& cell) {
  int first = -1;
  for (int p = 0; p < PlayerManager::kPlayers; ++p) {
    pump();
    Dragon* later = orderedDragon(cell, p);
    if (!later) continue;
    if (first >= 0) {
      airFight(run, *orderedDragon(cell, first), *later);
      // Nobody wins: the earlier order is dropped, the later one stays.
      cell.orders[first].dragon = -1;
    }
    first = p;
  }
}

int groundOrder(Run& run, MapCell& cell) {
  for (int p = 0; p < PlayerManager::kPlayers; ++p) {
    pump();
    Dragon* dragon = orderedDragon(cell, p);
    if (!dragon) continue;
    if (cell.orders[p].task == TaskRecall) {
      recallGuard(run, cell, p);
      return -1;
    }
    if (cell.village < 0) return -1;
    return attackVillage(run, cell, p, *dragon);
  }
  return -1;
}

}  // namespace month
