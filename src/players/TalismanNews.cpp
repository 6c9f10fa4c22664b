#include "players/TalismanNews.h"

#include <string_view>

namespace {

constexpr std::string_view kAttackStart = "Dragon ";
constexpr std::string_view kAttacks = " attacks ";
constexpr std::string_view kFoundPart = " found a part of the talisman";

bool endsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The cell whose village the line "Dragon D attacks V" names, or -1 for any other line.
// The name is matched after " attacks ", so a village whose name ends another's is not
// taken for it.
int attackedCell(std::string_view line, CountryManager& land) {
  if (line.substr(0, kAttackStart.size()) != kAttackStart) return -1;
  for (int i = 0; i < CountryManager::kCells; ++i) {
    const MapCell& cell = land.cell(i);
    if (cell.village < 0) continue;
    const std::string_view name = land.village(cell.village).name.c_str();
    if (!endsWith(line, name)) continue;
    const std::string_view before = line.substr(0, line.size() - name.size());
    if (endsWith(before, kAttacks) && before.size() > kAttackStart.size() + kAttacks.size()) return i;
  }
  return -1;
}

}  // namespace

TalismanNews& TalismanNews::instance() {
  static TalismanNews news;
  return news;
}

void TalismanNews::forget() { cells_.fill(Cell::Unknown); }

TalismanNews::Cell TalismanNews::cell(int index) const {
  return index >= 0 && index < CountryManager::kCells ? cells_[size_t(index)] : Cell::Unknown;
}

int TalismanNews::partsKnown() const {
  int parts = 0;
  for (Cell c : cells_) parts += c == Cell::Part;
  return parts;
}

// An attack's outcome, once the lines after it have been read: a part found, or a guard
// left behind without one.
void TalismanNews::settle(int cell, bool foundPart, CountryManager& land) {
  if (cell < 0) return;
  Cell& known = cells_[size_t(cell)];
  if (foundPart) known = Cell::Part;
  else if (known == Cell::Unknown && land.cell(cell).guardOwner >= 0) known = Cell::NoPart;
}

void TalismanNews::learn(const std::vector<String>& report, CountryManager& land) {
  int attacked = -1;
  bool found = false;
  for (const String& text : report) {
    const std::string_view line = text.c_str();
    const int cell = attackedCell(line, land);
    if (cell >= 0) {
      settle(attacked, found, land);
      attacked = cell;
      found = false;
    } else if (endsWith(line, kFoundPart)) {
      found = true;
    }
  }
  settle(attacked, found, land);
}
