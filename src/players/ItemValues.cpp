#include "players/ItemValues.h"

#include "players/ItemManager.h"
#include "res/ResourceArchive.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Names in diagnostics are cut to this many bytes, so one line stays one line.
constexpr int kShownName = 200;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

// The next line of [at, end), without its end. A line ends at the first LF or CR, and one
// more LF or CR right after it belongs to the same end (so CR LF and LF CR end one line,
// and so does LF LF: the blank line between is swallowed and gets no number).
std::string_view nextLine(const char*& at, const char* end) {
  const char* start = at;
  while (at < end && !isLineEnd(*at)) ++at;
  std::string_view line(start, size_t(at - start));
  if (at < end) ++at;
  if (at < end && isLineEnd(*at)) ++at;
  return line;
}

// The next word of `rest`, after leading white space; empty when none is left.
std::string_view nextWord(std::string_view& rest) {
  size_t from = 0;
  while (from < rest.size() && isBlank(rest[from])) ++from;
  size_t to = from;
  while (to < rest.size() && !isBlank(rest[to])) ++to;
  std::string_view word = rest.substr(from, to - from);
  rest.remove_prefix(to);
  return word;
}

// The standard decimal conversion of the number the word starts with: no number gives 0,
// and so does a missing word.
double toNumber(std::string_view word) {
  const std::string text(word);
  return std::strtod(text.c_str(), nullptr);
}

// A name as diagnostics show it: cut, so that one line stays one line.
std::string shown(std::string_view name) { return std::string(name.substr(0, kShownName)); }

void flushDiagnostic() { std::fflush(stderr); }

}  // namespace

const char* const ItemValues::kTargetNames[kTargets] = {
    "dragon_director", "egg_director",   "human_director", "village_director", "combat_affector", "disease_affector",
    "growth_affector", "mind_affector", "power_affector", "sense_affector",   "speed_affector"};

void ItemValues::clear() {
  for (Values& entry : table_) entry.fill(0);
}

int ItemValues::targetNumber(const String& name) {
  for (int i = 0; i < kTargets; ++i)
    if (std::strcmp(name.c_str(), kTargetNames[i]) == 0) return i;
  return -1;
}

const ItemValues::Values* ItemValues::values(int item, int target) const {
  if (item < 0 || item >= kItems || target < 0 || target >= kTargets) return nullptr;
  return &table_[size_t(item) * kTargets + size_t(target)];
}

bool ItemValues::readItemValues(const char* text, size_t length, const ItemManager& items) {
  // The file is text: a NUL byte ends it.
  const char* end = text + length;
  if (const void* nul = std::memchr(text, 0, length)) end = static_cast<const char*>(nul);
  const char* at = text;
  for (int number = 0; at < end; ++number) {
    std::string_view rest = nextLine(at, end);
    if (number == 0) continue;  // the header
    while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
    if (rest.empty() || rest.front() == '#') continue;
    const std::string_view itemName = nextWord(rest);
    const std::string_view targetName = nextWord(rest);
    Values numbers;
    for (double& value : numbers) value = toNumber(nextWord(rest));

    const Item* item = items.findByName(String(itemName.data(), int(itemName.size())));
    if (!item) {
      std::fprintf(stderr, "MageScreen::readItemValues(): ERROR: item '%s' was not found in items.xml !\n",
                   shown(itemName).c_str());
      flushDiagnostic();
      return false;
    }
    const int target = targetNumber(String(targetName.data(), int(targetName.size())));
    if (target < 0) {
      std::fprintf(stderr, "MageScreen::readItemValues(): ERROR: target '%s' at item '%s' (line %d) is unknown !\n",
                   shown(targetName).c_str(), shown(itemName).c_str(), number);
      flushDiagnostic();
      return false;
    }
    if (item->id < 0 || item->id >= kItems) {
      std::fprintf(stderr,
                   "MageScreen::readItemValues(): WARNING: item '%s' (line %d) has the number %d, beyond the spell "
                   "table: ignored !\n",
                   shown(itemName).c_str(), number, item->id);
      flushDiagnostic();
      continue;
    }
    table_[size_t(item->id) * kTargets + size_t(target)] = numbers;
  }
  return true;
}

bool ItemValues::load(const ItemManager& items) {
  clear();
  failure_ = "";
  ResourceArchive* archive = openGraphicsArchive();
  int entry = archive ? archive->find(String("gfx\\xml\\magic.xml")) : -1;
  auto bytes = entry >= 0 ? archive->read(entry) : std::nullopt;
  if (!bytes) {
    failure_ = "MageScreen::MageScreen(): ERROR: 'gfx\\xml\\magic.xml' cannot be read !\n";
    std::fputs(failure_.c_str(), stderr);
    flushDiagnostic();
    return false;
  }
  if (!readItemValues(reinterpret_cast<const char*>(bytes->data()), bytes->size(), items)) {
    std::fprintf(stderr, "MageScreen::MageScreen(): ERROR: Unable to read the magic item values from '%s' !\n",
                 "magic.xml");
    flushDiagnostic();
  }
  return true;
}
