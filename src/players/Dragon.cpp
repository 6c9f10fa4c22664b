#include "players/Dragon.h"

#include "core/Random.h"
#include "world/CountryManager.h"

#include <cmath>

namespace {

// The index of the next name to give, shared by every player and every game of the run.
int counter = 0;
// The size of the land's name list, looked up when the first dragon is made and then kept.
int names = -1;

void learnNameCount() {
  if (names < 0 && CountryManager::exists()) names = CountryManager::instance().dragonNameCount();
}

}  // namespace

Dragon::Dragon() { initialise(); }

Dragon::Dragon(const String& given) : name(given) {
  initialise();
  name = CountryManager::exists() ? CountryManager::instance().dragonName(counter) : String();
  ++counter;
  if (counter >= names) counter = 0;
}

void Dragon::initialise() {
  learnNameCount();
  for (int32_t& a : attributes) a = 0;
  atHome = true;
  lifespan = 40 + randomNumber() % 10;
}

int Dragon::attribute(int i) const { return i >= 0 && i < kAttributes ? attributes[i] : 0; }

bool Dragon::setAttribute(int i, int value) {
  if (i < 0 || i >= kAttributes || value < 0 || value > 99) return false;
  attributes[i] = value;
  return true;
}

void Dragon::weaken(int percent) {
  for (int32_t& a : attributes) a -= int32_t(std::trunc(a * 0.01 * percent));
}

int Dragon::nameCounter() { return counter; }
void Dragon::setNameCounter(int value) { counter = value; }

void Dragon::resetNames() {
  counter = 0;
  names = -1;
}
