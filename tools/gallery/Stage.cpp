#include "Gallery.h"

#include "core/Random.h"
#include "players/Dragon.h"
#include "players/PlayerManager.h"
#include "players/Savegame.h"
#include "world/CountryManager.h"

#include <cstdio>
#include <vector>

namespace gallery {

namespace {

// A dragon in its prime, so the fights of the staged month leave it alive.
Dragon strongDragon() {
  Dragon dragon{String()};
  for (int32_t& a : dragon.attributes) a = 60;
  dragon.age = 5;
  return dragon;
}

void order(MapCell& cell, int player, int place, int task) { cell.orders[player] = {place, task, 100}; }

void guard(MapCell& cell, Player& owner, int place, Village& village) {
  cell.guardDragon = place;
  cell.guardOwner = owner.index;
  owner.dragon(place)->atHome = false;
  village.owner = owner.index;
}

struct Targets {
  std::vector<int> talisman;  // cells holding a part of the talisman
  std::vector<int> plain;     // village cells without one
};

Targets targetsOf(CountryManager& land) {
  Targets out;
  for (int i = 0; i < CountryManager::kCells; ++i) {
    const MapCell& c = land.cell(i);
    if (c.village < 0) continue;
    (c.talisman ? out.talisman : out.plain).push_back(i);
  }
  return out;
}

// Three human rulers; the first has five dragons in their prime, after the dragon the new
// game gave him.
bool newStage() {
  CountryManager::destroy();
  if (CountryManager::instance().failure().length() > 0) return false;
  PlayerManager& players = PlayerManager::startGame({HumanPlayer, HumanPlayer, HumanPlayer});
  Player& ruler = *players.player(0);
  while (ruler.dragonCount() < 6) ruler.addDragon(strongDragon());
  Player& rival = *players.player(1);
  rival.dragons[0] = strongDragon();
  return true;
}

bool save(const char* file) {
  if (saveGame(String(file), 2045)) return true;
  std::fprintf(stderr, "nupavane-gallery: cannot write %s\n", file);
  std::fflush(stderr);
  return false;
}

}  // namespace

// slot0.sve: the ruler's only dragon guards a village, so the fight room finds every dragon
// busy.
// slot1.sve: a month that shows every announcement but the win: the ruler's first dragon dies
// of old age, an egg is about to hatch, two rulers' dragons meet over one village and a
// third dragon attacks another.
// slot2.sve: the ruler guards two parts of the talisman and sends a dragon to the third.
bool stageGames() {
  seedRandom(7);
  if (!newStage()) return false;
  {
    CountryManager& land = CountryManager::instance();
    Player& ruler = *PlayerManager::instance().player(0);
    const Targets targets = targetsOf(land);
    if (targets.plain.size() < 2) return false;
    Dragon& old = ruler.dragons[0];
    old.age = old.lifespan - 1;
    ruler.layEgg(0);
    ruler.setHeat(0, 100);
    ruler.incubators[0].progress = 95;
    order(land.cell(targets.plain[0]), 0, 1, TaskAttack);
    order(land.cell(targets.plain[1]), 0, 2, TaskAttack);
    order(land.cell(targets.plain[1]), 1, 0, TaskAttack);
    if (!save("slot1.sve")) return false;
  }
  if (!newStage()) return false;
  CountryManager& land = CountryManager::instance();
  Player& ruler = *PlayerManager::instance().player(0);
  const Targets targets = targetsOf(land);
  if (targets.talisman.size() < 3) return false;
  for (int part = 0; part < 2; ++part) {
    MapCell& cell = land.cell(targets.talisman[size_t(part)]);
    guard(cell, ruler, 1 + part, land.village(cell.village));
  }
  order(land.cell(targets.talisman[2]), 0, 3, TaskOccupy);
  if (!save("slot2.sve") || !newStage()) return false;
  CountryManager& busyLand = CountryManager::instance();
  Player& busy = *PlayerManager::instance().player(0);
  busy.dragons.resize(1);
  const int guarded = targetsOf(busyLand).plain[0];
  guard(busyLand.cell(guarded), busy, 0, busyLand.village(busyLand.cell(guarded).village));
  const bool saved = save("slot0.sve");
  PlayerManager::destroy();
  CountryManager::destroy();
  return saved;
}

}  // namespace gallery
