// Wars between villages: pairs of villages of different races fight for four months, and
// the land starts new wars each month while fewer than its drawn limit are going on.
#include "world/CountryManager.h"

#include "core/Random.h"

namespace {

// A war lasts while it has been counted in four updates; the fifth ends it.
constexpr int kWarMonths = 4;

}  // namespace

void CountryManager::updateFights() {
  const int count = advanceWars();
  const int limit = randomNumber() % 10 + 10;
  if (count / 2 > limit) return;
  const int room = limit - count;
  startWars(room >= 2 || room < 0 ? 2 : room);
}

// Every village at war has fought one month more; a war older than four months ends for
// both villages at once, so the partner later in the list is not counted. Returns the
// number of villages still at war.
int CountryManager::advanceWars() {
  const int villages = villageCount();
  int count = 0;
  for (Village& v : villages_) {
    if (v.fightsAgainst < 0) continue;
    if (++v.fightMonths <= kWarMonths) {
      ++count;
      continue;
    }
    if (v.fightsAgainst < villages) {
      Village& partner = villages_[size_t(v.fightsAgainst)];
      partner.fightsAgainst = -1;
      partner.fightMonths = 0;
    }
    v.fightsAgainst = -1;
    v.fightMonths = 0;
  }
  return count;
}

// A war needs two villages at peace of different races. Then every village at peace has a
// partner, so the draws below always end.
bool CountryManager::warCanStart() const {
  int race = -1;
  for (const Village& v : villages_) {
    if (v.fightsAgainst >= 0) continue;
    if (race < 0) race = v.race;
    else if (v.race != race) return true;
  }
  return false;
}

// Each war: a village at peace, drawn until one is found, then a partner at peace of
// another race, drawn the same way. When no such pair is left no more wars start.
void CountryManager::startWars(int count) {
  const int villages = villageCount();
  for (int war = 0; war < count; ++war) {
    if (!warCanStart()) return;
    int a, b;
    do a = randomNumber() % villages;
    while (villages_[size_t(a)].fightsAgainst >= 0);
    do b = randomNumber() % villages;
    while (b == a || villages_[size_t(b)].fightsAgainst >= 0 || villages_[size_t(b)].race == villages_[size_t(a)].race);
    villages_[size_t(a)].fightsAgainst = b;
    villages_[size_t(b)].fightsAgainst = a;
    villages_[size_t(a)].fightMonths = 0;
    villages_[size_t(b)].fightMonths = 0;
  }
}

std::vector<CountryManager::War> CountryManager::wars() const {
  const int villages = villageCount();
  std::vector<bool> listed(size_t(villages), false);
  std::vector<War> result;
  for (int i = 0; i < villages; ++i) {
    const Village& v = villages_[size_t(i)];
    if (v.fightsAgainst < 0 || v.fightsAgainst >= villages || listed[size_t(i)]) continue;
    listed[size_t(i)] = true;
    listed[size_t(v.fightsAgainst)] = true;
    result.push_back({i, v.fightsAgainst, v.fightMonths});
  }
  return result;
}

std::vector<String> CountryManager::fightReport() const {
  std::vector<String> lines;
  for (const War& war : wars()) {
    String line = villages_[size_t(war.first)].name;
    line.append(" fights against ").append(villages_[size_t(war.second)].name).append("\n");
    lines.push_back(line);
  }
  return lines;
}
