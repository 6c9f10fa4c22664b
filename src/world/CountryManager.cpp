#include "world/CountryManager.h"

#include "app/StateDump.h"
#include "core/Diagnostics.h"
#include "core/Random.h"
#include "res/ResourceArchive.h"
#include "res/SavegameReader.h"
#include "res/SavegameWriter.h"
#include "res/XmlAttributes.h"

#include <expat.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace {

CountryManager* theLand = nullptr;

bool isAmount(int32_t value) { return value >= -kMostVillageAmount && value <= kMostVillageAmount; }

// A number beyond the bound is kept as one just beyond it, so the land's check refuses it
// instead of reading it cut to an int.
int32_t boundedAmount(long value) {
  if (value > kMostVillageAmount) return kMostVillageAmount + 1;
  if (value < -kMostVillageAmount) return -kMostVillageAmount - 1;
  return int32_t(value);
}

void onStart(void* land, const char* name, const char** attributes) {
  static_cast<CountryManager*>(land)->XMLStartTag(name, attributes);
}
void onEnd(void* land, const char* name) { static_cast<CountryManager*>(land)->XMLEndTag(name); }
void onText(void* land, const char* text, int length) {
  static_cast<CountryManager*>(land)->XMLCharData(text, length);
}

void writeLand(StateWriter& out) {
  if (!theLand) return;
  CountryManager& land = *theLand;
  for (int i = 0; i < land.villageCount(); ++i) {
    const Village& v = land.village(i);
    const std::string at = "village." + std::to_string(i) + ".";
    out.put(at + "name", v.name.c_str());
    out.put(at + "race", v.race);
    out.put(at + "owner", v.owner);
    out.put(at + "position", std::to_string(v.x) + "," + std::to_string(v.y));
    out.put(at + "population", v.population);
    out.put(at + "industry", v.industry);
    out.put(at + "yeomanry", v.yeomanry);
    out.put(at + "revolt", v.revolt);
    out.put(at + "tax", v.tax);
    out.put(at + "fightsAgainst", v.fightsAgainst);
    out.put(at + "fightMonths", v.fightMonths);
  }
  // One line per war, in the order of the fight report: the two villages and its months.
  const std::vector<CountryManager::War> wars = land.wars();
  for (size_t i = 0; i < wars.size(); ++i)
    out.put("war." + std::to_string(i), std::to_string(wars[i].first) + " " + std::to_string(wars[i].second) + " " +
                                            std::to_string(wars[i].months));
  // Only the cells with something on them: a guard, a talisman part or an order.
  for (int i = 0; i < CountryManager::kCells; ++i) {
    const MapCell& c = land.cell(i);
    const std::string at = "cell." + std::to_string(i) + ".";
    if (c.guardOwner >= 0) out.put(at + "guard", std::to_string(c.guardOwner) + " " + std::to_string(c.guardDragon));
    if (c.talisman) out.put(at + "talisman", 1);
    for (int p = 0; p < 3; ++p)
      if (c.orders[p].dragon >= 0)
        out.put(at + "order." + std::to_string(p), std::to_string(c.orders[p].dragon) + " " +
                                                       std::to_string(c.orders[p].task) + " " +
                                                       std::to_string(c.orders[p].effort));
  }
}

}  // namespace

CountryManager& CountryManager::instance() {
  if (!theLand) {
    theLand = new CountryManager();
    theLand->loadImages();
    ResourceArchive* archive = openGraphicsArchive();
    int entry = archive ? archive->find(String("gfx\\xml\\country.xml")) : -1;
    auto bytes = entry >= 0 ? archive->read(entry) : std::nullopt;
    if (!bytes) {
      theLand->failure_ = "CountryManager::loadCountry(): ERROR: 'gfx\\xml\\country.xml' cannot be read !\n";
      complain(theLand->failure_.c_str());
    } else {
      theLand->loadCountry(reinterpret_cast<const char*>(bytes->data()), bytes->size());
      if (theLand->failure_.length() == 0) theLand->updateFights();
    }
    addStateSection(writeLand);
  }
  return *theLand;
}

bool CountryManager::exists() { return theLand != nullptr; }

void CountryManager::destroy() {
  delete theLand;
  theLand = nullptr;
}

CountryManager& CountryManager::install(std::unique_ptr<CountryManager> land) {
  destroy();
  theLand = land.release();
  addStateSection(writeLand);
  return *theLand;
}

std::unique_ptr<CountryManager> CountryManager::fromXml(const char* text, size_t length) {
  std::unique_ptr<CountryManager> land(new CountryManager());
  land->loadCountry(text, length);
  if (land->failure_.length() == 0) land->updateFights();
  return land;
}

CountryManager::CountryManager() { createMap(); }

void CountryManager::loadImages() {
  char name[40];
  for (int i = 0; i < kMaxRaces; ++i) {
    std::snprintf(name, sizeof name, "gfx\\fight\\tribe%02d.gif", i + 1);
    tribeImages_[i] = std::make_unique<Bitmap>(String(name), true);
    std::snprintf(name, sizeof name, "gfx\\fight\\village%02d.gif", i + 1);
    villageImages_[i] = std::make_unique<Bitmap>(String(name), true);
  }
  for (int i = 0; i < 3; ++i) {
    std::snprintf(name, sizeof name, "gfx\\fight\\cross%02d.gif", i);
    crossImages_[i] = std::make_unique<Bitmap>(String(name), true);
  }
  crossActionImage_ = std::make_unique<Bitmap>(String("gfx\\fight\\cross_action.gif"), true);
  dragonHeadImage_ = std::make_unique<Bitmap>(String("gfx\\fight\\dragon_head.gif"), true);
}

void CountryManager::createMap() {
  for (int i = 0; i < kCells; ++i) {
    MapCell& c = cells_[size_t(i)];
    c = MapCell{};
    c.terrain = i % 4;
    c.x = i % kColumns;
    c.y = i / kColumns;
  }
  clearOrders();
}

void CountryManager::clearOrders() {
  for (MapCell& c : cells_)
    for (CellOrder& order : c.orders) order = CellOrder{};
}

bool CountryManager::loadCountry(const char* text, size_t length) {
  XML_Parser parser = XML_ParserCreate(nullptr);
  XML_SetUserData(parser, this);
  XML_SetElementHandler(parser, onStart, onEnd);
  XML_SetCharacterDataHandler(parser, onText);
  // A parse error is not reported: whatever was read before it stands.
  bool parsed = XML_Parse(parser, text, int(length), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
  currentVillage_.reset();
  if (!checkLand()) return false;
  placeTalisman();
  for (size_t i = 0; i < villages_.size(); ++i) villages_[i].index = int32_t(i);
  return parsed;
}

// A land the game cannot play is refused with a line that says why, rather than read
// past the end of a table later: every village needs a known race and a cell on the map,
// images exist for six races, and the talisman needs three villages.
bool CountryManager::checkLand() {
  char line[200];
  auto refuse = [&] {
    failure_ = line;
    complain(line);
    return false;
  };
  if (villages_.empty()) {
    std::snprintf(line, sizeof line, "please check 'country.xml', it seems to be invalid !\n");
    return refuse();
  }
  if (races_.size() > size_t(kMaxRaces)) {
    std::snprintf(line, sizeof line, "CountryManager::loadCountry(): ERROR: %zu races, at most %d are allowed !\n",
                  races_.size(), kMaxRaces);
    return refuse();
  }
  if (villages_.size() < 3) {
    std::snprintf(line, sizeof line,
                  "CountryManager::loadCountry(): ERROR: %zu villages cannot hold the three parts of the talisman !\n",
                  villages_.size());
    return refuse();
  }
  for (const Village& v : villages_) {
    if (v.x < 0 || v.x >= kColumns || v.y < 0 || v.y >= kRows) {
      std::snprintf(line, sizeof line, "CountryManager::loadCountry(): ERROR: village '%s' lies outside the map !\n",
                    v.name.c_str());
      return refuse();
    }
    if (!isAmount(v.population) || !isAmount(v.industry) || !isAmount(v.yeomanry)) {
      std::snprintf(line, sizeof line,
                    "CountryManager::loadCountry(): ERROR: village '%s' has a number beyond %d either way !\n",
                    v.name.c_str(), kMostVillageAmount);
      return refuse();
    }
    if (v.race < 0 || v.race >= int(races_.size())) {
      std::snprintf(line, sizeof line, "CountryManager::loadCountry(): ERROR: village '%s' has no known race !\n",
                    v.name.c_str());
      return refuse();
    }
  }
  return true;
}

// Three different villages, each drawn again while it was already chosen.
void CountryManager::placeTalisman() {
  int chosen[3] = {-1, -1, -1};
  for (int part = 0; part < 3; ++part) {
    int v;
    do v = randomNumber() % int(villages_.size());
    while (v == chosen[0] || v == chosen[1]);
    chosen[part] = v;
    cell(villages_[size_t(v)].x, villages_[size_t(v)].y).talisman = 1;
  }
}

void CountryManager::XMLStartTag(const char* name, const char** attributes) {
  charDataTarget_ = Target::None;
  auto missing = [](const char* tag, const char* attr) {
    char line[160];
    std::snprintf(line, sizeof line, "CountryManager::XMLStartTag(): ERROR: a '%s' tag should have a '%s' attribute !\n",
                  tag, attr);
    complain(line);
  };
  const char* nameAttribute = xmlAttribute(attributes, "name");
  const std::string element = name;
  if (element == "village") {
    if (!nameAttribute) return missing("village", "name");
    currentVillage_ = std::make_unique<Village>();
    currentVillage_->name = nameAttribute;
    currentVillage_->revolt = randomNumber() % 10 + 1;  // revolt first, then tax
    currentVillage_->tax = randomNumber() % 4 + 1;
  } else if (element == "race") {
    if (!nameAttribute) {
      charDataTarget_ = Target::Race;
    } else if (const char* colour = xmlAttribute(attributes, "color")) {
      races_.push_back({String(nameAttribute), String(colour)});
    } else {
      missing("race", "color");
    }
  } else if (element == "position") {
    charDataTarget_ = Target::Position;
  } else if (element == "population") {
    charDataTarget_ = Target::Population;
  } else if (element == "industry") {
    charDataTarget_ = Target::Industry;
  } else if (element == "yeomanry") {
    charDataTarget_ = Target::Yeomanry;
  } else if (element == "player1" || element == "player2" || element == "player3") {
    if (!nameAttribute) return missing("playerX", "name");
    playerNames_[element[6] - '1'] = nameAttribute;
  } else if (element == "money") {
    const char* single = xmlAttribute(attributes, "name_single");
    const char* multi = xmlAttribute(attributes, "name_multi");
    if (!single) return missing("money", "name_single");
    if (!multi) return missing("money", "name_multi");
    moneySingle_ = single;
    moneyMulti_ = multi;
  } else if (element == "time" || element == "area" || element == "dragon") {
    if (!nameAttribute) return missing(name, "name");
    if (element == "time") timeName_ = nameAttribute;
    else if (element == "area") areaName_ = nameAttribute;
    else dragonNames_.push_back(String(nameAttribute));
  }
}

void CountryManager::XMLEndTag(const char* name) {
  if (std::strcmp(name, "village") != 0 || !currentVillage_) return;
  villages_.push_back(*currentVillage_);
  const Village& v = villages_.back();
  if (v.x >= 0 && v.x < kColumns && v.y >= 0 && v.y < kRows) cell(v.x, v.y).village = int32_t(villages_.size() - 1);
  currentVillage_.reset();
}

// Each piece of text is taken by itself; the target stays until the next start tag.
void CountryManager::XMLCharData(const char* text, int length) {
  String piece(text, length);
  piece.trimLeft();
  if (piece.length() == 0 || !currentVillage_) return;
  Village& v = *currentVillage_;
  switch (charDataTarget_) {
    case Target::Race: {
      for (size_t i = 0; i < races_.size(); ++i)
        if (races_[i].name.equals(piece)) {
          v.race = int32_t(i);
          return;
        }
      char line[160];
      std::snprintf(line, sizeof line, "CountryManager::XMLCharData(): ERROR: unknown race '%s' found !\n", piece.c_str());
      complain(line);
      return;
    }
    case Target::Position:
      v.x = int32_t(piece.beforeFirst(',').toInt() - 1);
      v.y = int32_t(piece.afterFirst(',').toInt() - 1);
      return;
    case Target::Population: v.population = boundedAmount(piece.toInt()); return;
    case Target::Industry: v.industry = boundedAmount(piece.toInt()); return;
    case Target::Yeomanry: v.yeomanry = boundedAmount(piece.toInt()); return;
    case Target::None: return;
  }
}

MapCell* CountryManager::cellAt(int mapX, int mapY) {
  if (mapX < 0 || mapX > 640 || mapY < 0 || mapY > 480) return nullptr;
  const int column = mapX / kCellPixels, row = mapY / kCellPixels;
  if (column >= kColumns || row >= kRows) return nullptr;
  return &cell(column, row);
}

Village* CountryManager::villageAt(int mapX, int mapY) {
  if (mapX < 0 || mapX > 640 || mapY < 0 || mapY > 480) return nullptr;
  const int column = mapX / kCellPixels, row = mapY / kCellPixels;
  for (Village& v : villages_)
    if (v.x == column && v.y == row) return &v;
  return nullptr;
}

// The castles stand at (0, 0), (1800, 0) and (1000, 1800) metres; a cell is 200 metres.
int CountryManager::castleDistance(int player, int column, int row) const {
  if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return 0;
  const double castles[3][2] = {{0, 0}, {1800, 0}, {1000, 1800}};
  const double* castle = player >= 0 && player < 3 ? castles[player] : castles[0];
  const double dx = column * 200.0 - castle[0], dy = row * 200.0 - castle[1];
  return int(std::sqrt(dx * dx + dy * dy));
}

bool CountryManager::isStationed(int player, int dragon) const {
  for (const MapCell& c : cells_)
    if (c.guardOwner == player && c.guardDragon == dragon) return true;
  return false;
}

bool CountryManager::hasOrder(int player, int column, int row) const {
  if (player < 0 || player > 2 || column < 0 || column >= kColumns || row < 0 || row >= kRows) return false;
  return cells_[size_t(row) * kColumns + column].orders[player].dragon >= 0;
}

MapCell* CountryManager::findOrderCell(int player, int dragon) {
  if (player < 0 || player > 2) return nullptr;
  for (MapCell& c : cells_)
    if (c.orders[player].dragon == dragon) return &c;
  return nullptr;
}

void CountryManager::releaseDragon(int player, int place) {
  if (player < 0 || player > 2) return;
  for (MapCell& c : cells_) {
    if (c.guardOwner == player && c.guardDragon == place) {
      c.guardOwner = -1;
      c.guardDragon = -1;
    }
    if (c.orders[player].dragon == place) c.orders[player] = CellOrder{};
  }
}

void CountryManager::dragonRemoved(int player, int place) {
  releaseDragon(player, place);
  if (player < 0 || player > 2) return;
  for (MapCell& c : cells_) {
    if (c.guardOwner == player && c.guardDragon > place) --c.guardDragon;
    if (c.orders[player].dragon > place) --c.orders[player].dragon;
  }
}

int CountryManager::talismanParts(int player) const {
  int parts = 0;
  for (const MapCell& c : cells_) parts += c.talisman != 0 && c.guardOwner == player;
  return parts;
}

String CountryManager::raceName(int race) const {
  return race >= 0 && race < int(races_.size()) ? races_[size_t(race)].name : String();
}

String CountryManager::dragonName(int index) const {
  return index >= 0 && index < int(dragonNames_.size()) ? dragonNames_[size_t(index)] : String();
}

// The land in a savegame: each cell's 16 integers in field order, then the village count
// and each village's index, name and eleven integers.
namespace {

// Index, name length and eleven integers: a village takes at least this many bytes, so a
// count that promises more villages than the bytes left can hold is refused before any
// memory is taken for them.
constexpr size_t kVillageMinBytes = 4 + 4 + 11 * 4;
// A dragon record takes at least 44 bytes, so no savegame the writer can make holds a
// dragon list place this high. The owner's real list is checked once players are read.
constexpr int32_t kMaxDragonPlace = int32_t(SavegameWriter::kCapacity / 44);

bool within(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// One line saying what is wrong; the loader then reports the failed load.
bool refuseState(const char* fault, int at = 0) {
  std::fprintf(stderr, "CountryManager::loadState(): ERROR: ");
  std::fprintf(stderr, fault, at);
  std::fprintf(stderr, " !\n");
  std::fflush(stderr);
  return false;
}

void writeCell(SavegameWriter& out, const MapCell& c) {
  out.writeInt(c.terrain).writeInt(c.guardDragon).writeInt(c.guardOwner).writeInt(c.x).writeInt(c.y);
  out.writeInt(c.village).writeInt(c.talisman);
  for (const CellOrder& order : c.orders) out.writeInt(order.dragon).writeInt(order.task).writeInt(order.effort);
}

void readCell(SavegameReader& in, MapCell& c) {
  in.readInt(c.terrain).readInt(c.guardDragon).readInt(c.guardOwner).readInt(c.x).readInt(c.y);
  in.readInt(c.village).readInt(c.talisman);
  for (CellOrder& order : c.orders) in.readInt(order.dragon).readInt(order.task).readInt(order.effort);
}

void writeVillage(SavegameWriter& out, const Village& v) {
  out.writeInt(v.index).writeString(v.name);
  out.writeInt(v.race).writeInt(v.owner).writeInt(v.x).writeInt(v.y).writeInt(v.population);
  out.writeInt(v.industry).writeInt(v.yeomanry).writeInt(v.revolt).writeInt(v.tax);
  out.writeInt(v.fightsAgainst).writeInt(v.fightMonths);
}

void readVillage(SavegameReader& in, Village& v) {
  in.readInt(v.index).readString(v.name);
  in.readInt(v.race).readInt(v.owner).readInt(v.x).readInt(v.y).readInt(v.population);
  in.readInt(v.industry).readInt(v.yeomanry).readInt(v.revolt).readInt(v.tax);
  in.readInt(v.fightsAgainst).readInt(v.fightMonths);
}

// A guard is an owner and a place together; an order names a dragon place and a task.
bool cellIsSound(const MapCell& c, int index, int villages) {
  if (!within(c.terrain, 0, 3) || c.x != index % CountryManager::kColumns || c.y != index / CountryManager::kColumns)
    return false;
  if (!within(c.guardOwner, -1, 2) || !within(c.guardDragon, -1, kMaxDragonPlace)) return false;
  if ((c.guardOwner < 0) != (c.guardDragon < 0)) return false;
  if (!within(c.village, -1, villages - 1) || !within(c.talisman, 0, 1)) return false;
  for (const CellOrder& order : c.orders)
    if (!within(order.dragon, -1, kMaxDragonPlace) || !within(order.task, -1, TaskRecall) ||
        !within(order.effort, 0, 100))
      return false;
  return true;
}

bool villageIsSound(const Village& v, int index, int villages, int races) {
  return v.index == index && within(v.race, 0, races - 1) && within(v.owner, -1, 2) &&
         within(v.x, 0, CountryManager::kColumns - 1) && within(v.y, 0, CountryManager::kRows - 1) &&
         isAmount(v.population) && isAmount(v.industry) && isAmount(v.yeomanry) && within(v.revolt, 0, 100) &&
         within(v.tax, 0, 100) &&
         within(v.fightsAgainst, -1, villages - 1) && v.fightsAgainst != index && within(v.fightMonths, 0, 100);
}

// A war is fought by two villages of different races, each naming the other.
bool warIsSound(const std::vector<Village>& villages, int index) {
  const Village& v = villages[size_t(index)];
  if (v.fightsAgainst < 0) return true;
  const Village& partner = villages[size_t(v.fightsAgainst)];
  return partner.fightsAgainst == index && partner.race != v.race;
}

}  // namespace

void CountryManager::saveState(SavegameWriter& out) const {
  for (const MapCell& c : cells_) writeCell(out, c);
  out.writeInt(int32_t(villages_.size()));
  for (const Village& v : villages_) writeVillage(out, v);
}

bool CountryManager::readState(SavegameReader& in, SavedLand& land) const {
  for (MapCell& c : land.cells) readCell(in, c);
  int32_t count = 0;
  in.readInt(count);
  if (in.failed()) return refuseState("the savegame ends inside the map");
  if (count < 3 || size_t(count) > in.remaining() / kVillageMinBytes)
    return refuseState("a land of %d villages cannot be", count);
  land.villages.assign(size_t(count), Village{});
  for (Village& v : land.villages) readVillage(in, v);
  if (in.failed()) return refuseState("the savegame ends inside the villages");
  for (int i = 0; i < count; ++i)
    if (!villageIsSound(land.villages[size_t(i)], i, count, raceCount())) return refuseState("village %d is damaged", i);
  for (int i = 0; i < count; ++i)
    if (!warIsSound(land.villages, i)) return refuseState("the war of village %d is damaged", i);
  int talismanParts = 0;
  for (int i = 0; i < kCells; ++i) {
    const MapCell& c = land.cells[size_t(i)];
    if (!cellIsSound(c, i, count)) return refuseState("cell %d is damaged", i);
    // The village a cell names stands on that cell.
    if (c.village >= 0) {
      const Village& v = land.villages[size_t(c.village)];
      if (v.x != c.x || v.y != c.y) return refuseState("cell %d is damaged", i);
    }
    // The talisman lies in villages, and a game that cannot be won is no game.
    if (c.talisman && c.village < 0) return refuseState("cell %d holds a part of the talisman but no village", i);
    talismanParts += c.talisman;
  }
  if (talismanParts != 3) return refuseState("the talisman has %d parts", talismanParts);
  return true;
}

void CountryManager::commitState(SavedLand&& land) {
  cells_ = land.cells;
  villages_ = std::move(land.villages);
}

bool CountryManager::loadState(SavegameReader& in) {
  SavedLand land;
  if (!readState(in, land)) return false;
  commitState(std::move(land));
  return true;
}
