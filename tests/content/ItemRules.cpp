// Rules for the item catalogue and the item values: what the shop, the mage, the archive of
// item pictures and readItemValues need from items.xml and magic.xml.
#include "DescriptionRules.h"
#include "ScreenText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <set>

namespace {

// The shop sells items up to number 12; the spell table has room for numbers 0 to 28. We
// want a catalogue with some choice.
constexpr size_t kLeastItems = 20, kMostItems = 29;
constexpr size_t kLastValuedItem = 28;
// A price below 1 trades for nothing (prices are truncated); a new ruler has 109 crystals.
constexpr double kLowestPrice = 1, kHighestPrice = 40;
// "gfx\items\small\" and its siblings are 16 bytes of the 51 an archive name may have.
constexpr size_t kLongestPictureName = 35;
constexpr std::array<const char*, 11> kTargets = {
    "dragon_director", "egg_director",  "human_director", "village_director", "combat_affector", "disease_affector",
    "growth_affector", "mind_affector", "power_affector", "sense_affector",   "speed_affector"};
constexpr size_t kNumbersPerRecord = 6;

bool endsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Picture names: lower case letters, digits, '_' and '-', then one of the given extensions,
// which the archive matches byte for byte.
bool isPictureName(const std::string& name, std::initializer_list<std::string_view> extensions) {
  const size_t dot = name.rfind('.');
  if (dot == 0 || dot == std::string::npos || name.size() > kLongestPictureName) return false;
  const bool plain = std::all_of(name.begin(), name.begin() + static_cast<long>(dot), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
  });
  return plain &&
         std::any_of(extensions.begin(), extensions.end(), [&](std::string_view e) { return endsWith(name, e); });
}

bool isDecimalInteger(const std::string& text) {
  return !text.empty() && text.size() < 9 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A plain decimal number as strtod reads it, without the hexadecimal, infinity and nan forms.
bool readDecimal(const std::string& text, double& value) {
  if (text.empty() || text.find_first_not_of("0123456789.-+eE") != std::string::npos) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size() && std::isfinite(value);
}

void checkItem(Faults& faults, const Item& item, std::set<std::string>& images, std::set<std::string>& powers) {
  const std::string quoted = "item '" + item.name + "'";
  if (item.name.find_first_of(" \t\r\n\v\f") != std::string::npos)
    faults.push_back(quoted + ": magic.xml splits at blanks, so the name must be one word");
  if (!isPictureName(item.image, {".gif", ".bmp"}))
    faults.push_back(quoted + ": image '" + item.image + "' is not a short lower-case .gif or .bmp name");
  if (!item.desc.empty() && !isPictureName(item.desc, {".gif", ".bmp", ".jpg"}))
    faults.push_back(quoted + ": desc '" + item.desc + "' is not a short lower-case .gif, .bmp or .jpg name");
  if (!images.insert(item.image).second) faults.push_back(quoted + ": image '" + item.image + "' is used twice");
  if (!item.desc.empty() && !powers.insert(item.desc).second)
    faults.push_back(quoted + ": desc '" + item.desc + "' is used twice");
  if (!isDecimalInteger(item.level)) faults.push_back(quoted + ": level '" + item.level + "' is not an integer");
  double price = 0;
  if (!readDecimal(item.value, price) || price < kLowestPrice || price > kHighestPrice)
    faults.push_back(quoted + ": value '" + item.value + "' is not a price from 1 to 40");
}

}  // namespace

Faults checkItems(const ItemCatalogue& catalogue) {
  Faults faults;
  const size_t count = catalogue.items.size();
  if (count < kLeastItems || count > kMostItems)
    faults.push_back(std::to_string(count) + " items, wanted " + std::to_string(kLeastItems) + " to " +
                     std::to_string(kMostItems));
  std::vector<std::string> names;
  std::set<std::string> images, powers;
  std::vector<ScreenLine> lines;
  for (const Item& item : catalogue.items) {
    names.push_back(item.name);
    checkItem(faults, item, images, powers);
    // The shop writes the name at x 92 in front of the quantity at x 167; the mage's help
    // panel gives it 80 pixels and drops the character that reaches the limit.
    lines.push_back({"shop", FontSize::Little, item.name, 74});
    lines.push_back({"mage help", FontSize::Small, item.name, 79});
  }
  const Faults bad = nameFaults("item", names);
  faults.insert(faults.end(), bad.begin(), bad.end());
  const Faults wide = linesThatDoNotFit(lines);
  faults.insert(faults.end(), wide.begin(), wide.end());
  return faults;
}

// readItemValues stops at the first record whose item or target it does not know, so every
// record must be good; each item also gets a line for each of the eleven targets.
Faults checkItemValues(const ItemValues& values, const ItemCatalogue& catalogue) {
  Faults faults;
  if (values.header.empty() || values.header.front() != '#')
    faults.push_back("the first line '" + values.header + "' should be a '#' header: the game never reads it");
  std::set<std::pair<std::string, std::string>> given;
  for (const ValueRecord& record : values.records) {
    const std::string at = "line " + std::to_string(record.line) + ": ";
    auto item = std::find_if(catalogue.items.begin(), catalogue.items.end(),
                             [&](const Item& i) { return i.name == record.item; });
    if (item == catalogue.items.end())
      faults.push_back(at + "unknown item '" + record.item + "' ends the reading");
    else if (static_cast<size_t>(item - catalogue.items.begin()) > kLastValuedItem)
      faults.push_back(at + "item '" + record.item + "' lies beyond the spell table");
    if (std::find(kTargets.begin(), kTargets.end(), record.target) == kTargets.end())
      faults.push_back(at + "unknown target '" + record.target + "' ends the reading");
    if (record.numbers.size() != kNumbersPerRecord)
      faults.push_back(at + std::to_string(record.numbers.size()) + " numbers instead of 6");
    for (const std::string& number : record.numbers) {
      double value = 0;
      if (!readDecimal(number, value)) faults.push_back(at + "'" + number + "' is not a decimal number");
    }
    if (!given.emplace(record.item, record.target).second)
      faults.push_back(at + record.item + " " + record.target + " is given twice; the later line wins");
  }
  for (size_t i = 0; i < catalogue.items.size() && i <= kLastValuedItem; ++i)
    for (const char* target : kTargets)
      if (!given.count({catalogue.items[i].name, target}))
        faults.push_back("no values for item '" + catalogue.items[i].name + "' and target '" + target + "'");
  return faults;
}
