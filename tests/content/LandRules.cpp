// Rules for the land: what the map, the wars between villages and the screens need from
// country.xml.
#include "DescriptionRules.h"
#include "ScreenText.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

// Settlement pictures exist for six races (tribe01..06, village01..06).
constexpr size_t kMostRaces = 6;
// The game needs three villages for the talisman parts and fewer than 100 for the war
// report; we want a full map that is not crowded.
constexpr size_t kLeastVillages = 40, kMostVillages = 60;
// Three rulers with up to eight dragons each hold 24 names at once; names come round again
// in file order, and a dragon dying of old age is removed by name, so we keep many more.
constexpr size_t kLeastDragonNames = 40;
// The map picture is 640 x 480 with 35-pixel cells: column 18 and row 13 (counted from 1)
// are the last whose cells lie wholly on it.
constexpr int kLastColumn = 18, kLastRow = 13;
// The castles of the three rulers, counted from 1 like the file.
constexpr std::pair<int, int> kCastles[] = {{1, 1}, {10, 1}, {6, 10}};
// Each month ends the wars older than four months and starts at most two new ones, so when
// the second new war is drawn up to 18 villages are at war. The drawing only ends when the
// villages at peace hold two races; that is certain when no race has more than N - 19 of
// the N villages, whichever 18 are at war.
constexpr int kMostAtWarWhileDrawing = 18;
// A population above 1000 shows the large settlement picture; both kinds should be seen.
constexpr long kLargeAbove = 1000;
constexpr long kMostPopulation = 9999, kMostIndustry = 999, kMostYeomanry = 999;
constexpr size_t kLongestPlayerName = 10;
// The widest number that a line built around a name has to hold.
constexpr const char* kWidestRound = "9999";

std::string range(long low, long high) { return std::to_string(low) + " to " + std::to_string(high); }

void checkCount(Faults& faults, const char* what, size_t count, size_t least, size_t most) {
  if (count < least || count > most)
    faults.push_back(std::to_string(count) + " " + what + ", wanted " +
                     range(static_cast<long>(least), static_cast<long>(most)));
}

void checkFigure(Faults& faults, const Village& village, const char* what, long value, long low, long high) {
  if (value < low || value > high)
    faults.push_back("village '" + village.name + "': " + what + " " + std::to_string(value) + " is outside " +
                     range(low, high));
}

std::vector<std::string> villageNames(const Land& land) {
  std::vector<std::string> names;
  for (const Village& village : land.villages) names.push_back(village.name);
  return names;
}

std::vector<std::string> raceNames(const Land& land) {
  std::vector<std::string> names;
  for (const Race& race : land.races) names.push_back(race.name);
  return names;
}

}  // namespace

Faults checkLandCounts(const Land& land) {
  Faults faults;
  checkCount(faults, "races", land.races.size(), 1, kMostRaces);
  checkCount(faults, "villages", land.villages.size(), kLeastVillages, kMostVillages);
  if (land.dragons.size() < kLeastDragonNames)
    faults.push_back(std::to_string(land.dragons.size()) + " dragon names, wanted at least " +
                     std::to_string(kLeastDragonNames));
  return faults;
}

Faults checkVillagePlaces(const Land& land) {
  Faults faults;
  std::map<std::pair<int, int>, std::string> taken;
  for (const Village& village : land.villages) {
    const std::pair<int, int> cell{village.column, village.row};
    const std::string at =
        "village '" + village.name + "' at " + std::to_string(cell.first) + "," + std::to_string(cell.second);
    if (cell.first < 1 || cell.first > kLastColumn || cell.second < 1 || cell.second > kLastRow)
      faults.push_back(at + " is not wholly on the map picture");
    if (std::find(std::begin(kCastles), std::end(kCastles), cell) != std::end(kCastles))
      faults.push_back(at + " stands on a castle");
    auto [before, isNew] = taken.emplace(cell, village.name);
    if (!isNew) faults.push_back(at + " shares its cell with '" + before->second + "'");
  }
  return faults;
}

Faults checkWarPartners(const Land& land) {
  Faults faults;
  const long most = static_cast<long>(land.villages.size()) - kMostAtWarWhileDrawing - 1;
  std::vector<long> count(land.races.size(), 0);
  for (const Village& village : land.villages)
    if (village.race >= 0 && village.race < static_cast<int>(count.size())) ++count[village.race];
  for (size_t race = 0; race < count.size(); ++race)
    if (count[race] > most)
      faults.push_back("race '" + land.races[race].name + "' has " + std::to_string(count[race]) + " of " +
                       std::to_string(land.villages.size()) + " villages, at most " + std::to_string(most) +
                       " keep the drawing of wars from running forever");
  return faults;
}

Faults checkVillageFigures(const Land& land) {
  Faults faults;
  int large = 0;
  for (const Village& village : land.villages) {
    checkFigure(faults, village, "population", village.population, 1, kMostPopulation);
    checkFigure(faults, village, "industry", village.industry, 0, kMostIndustry);
    checkFigure(faults, village, "yeomanry", village.yeomanry, 0, kMostYeomanry);
    large += village.population > kLargeAbove;
  }
  if (large == 0) faults.push_back("no village has more than 1000 people: the large settlement pictures never show");
  if (large == static_cast<int>(land.villages.size()))
    faults.push_back("no village has 1000 people or fewer: the small settlement pictures never show");
  return faults;
}

Faults checkLandNames(const Land& land) {
  Faults faults;
  auto add = [&faults](const Faults& more) { faults.insert(faults.end(), more.begin(), more.end()); };
  add(nameFaults("village", villageNames(land)));
  add(nameFaults("race", raceNames(land)));
  add(nameFaults("dragon", land.dragons));
  add(nameFaults("player", land.players));
  add(nameFaults("land", {land.area}));
  add(nameFaults("time", {land.time}));
  add(nameFaults("money", {land.moneySingle}));  // one crystal, two crystals: may be the same word
  add(nameFaults("money", {land.moneyMulti}));
  // The item dialogs count values in crystals ("Quantity: 1 crystal"): one money everywhere.
  if (land.moneySingle != "crystal" || land.moneyMulti != "crystals")
    faults.push_back("money '" + land.moneySingle + "/" + land.moneyMulti +
                     "' differs from the crystals the items are counted in");
  for (const std::string& player : land.players)
    if (player.size() > kLongestPlayerName)
      faults.push_back("player name '" + player + "' is longer than " + std::to_string(kLongestPlayerName));
  return faults;
}

// Each line below is built the way a screen builds it, from the widest names, and given the
// room that screen has for it. The big font's lines are centred on the 258-pixel label of the
// fight animation and the announcements; the month report is centred on its 298-pixel scroll.
Faults checkLandTextFits(const Land& land) {
  using enum FontSize;
  const std::string village = widestOf(villageNames(land), Small);
  const std::string bigVillage = widestOf(villageNames(land), Big);
  const std::string dragon = widestOf(land.dragons, Small);
  const std::string bigDragon = widestOf(land.dragons, Big);
  const std::string player = widestOf(land.players, Small);
  const std::string bigPlayer = widestOf(land.players, Big);
  const std::string money = land.moneyMulti;
  constexpr int kLabel = 258, kScroll = 296;
  const std::vector<ScreenLine> lines = {
      // fight screen panel: the village name at x 4 up to the potion icon at x 102, the race
      // name at x 30 up to where the map shows through the panel's edge at x 110
      {"fight panel", Small, village, 98},
      {"fight panel", Small, widestOf(raceNames(land), Small), 80},
      // dragon pop-up list: the name at x + 6 in an 85-pixel row
      {"dragon list", Small, dragon, 79},
      {"fight animation", Big, bigDragon + " attacks " + bigVillage, kLabel},
      {"fight animation", Big, bigDragon + " vs. " + bigDragon, kLabel},
      {"death announcement", Big, "Dragon " + bigDragon + " owned", kLabel},
      {"death announcement", Big, "by " + bigPlayer + " died", kLabel},
      {"egg announcement", Big, "One of " + bigPlayer + "s", kLabel},
      {"win announcement", Big, bigPlayer + " completed the", kLabel},
      {"month report", Small, "Village " + village + " revolts against " + player, kScroll},
      {"month report", Small, dragon + " was killed by the inhabitants", kScroll},
      {"month report", Small, "Dragonfight " + dragon + " vs. " + dragon, kScroll},
      {"month report", Small, "Player " + player + " gets a reward of 5", kScroll},
      {"month report", Small, player + " lost all dragons, game over !", kScroll},
      {"month report", Small, player + " found a part of the talisman", kScroll},
      // information screen: wars centred between the page buttons (x 26 to 291), the
      // ruler's lines from x 46 to the right edge, the accounts column at x 220
      {"information, wars", Small, village + " fights against " + village, 262},
      {"information, items", Small, player + " has 29 magic items in stock.", 273},
      {"information, accounts", Small, player + " owns 9999 " + money + " and 20 eggs.", 273},
      {"information, accounts", Small, "999 " + money, 99},
      // shop: the customer's name at x 195
      {"shop", Small, player, 124},
      // round screen: the date line centred on the 258-pixel title strip
      {"round screen", Small, "Land of " + land.area + ", " + land.time + " " + kWidestRound, kLabel},
  };
  return linesThatDoNotFit(lines);
}
