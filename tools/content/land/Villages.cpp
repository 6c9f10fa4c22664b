#include "land/Villages.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace land {

namespace {

// The text between <tag> and </tag> after `from` within `block`, or "".
std::string element(const std::string& block, const std::string& tag) {
  const size_t start = block.find("<" + tag + ">");
  if (start == std::string::npos) return {};
  const size_t text = start + tag.size() + 2;
  const size_t end = block.find("</" + tag + ">", text);
  return end == std::string::npos ? std::string() : block.substr(text, end - text);
}

std::vector<std::string> raceNames(const std::string& file) {
  std::vector<std::string> names;
  const std::string marker = "<race name=\"";
  for (size_t at = file.find(marker); at != std::string::npos; at = file.find(marker, at + 1)) {
    const size_t start = at + marker.size(), end = file.find('"', start);
    if (end != std::string::npos) names.push_back(file.substr(start, end - start));
  }
  return names;
}

}  // namespace

std::vector<VillageSite> readVillages(const std::string& countryFile) {
  std::ifstream in(countryFile, std::ios::binary);
  const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::vector<std::string> races = raceNames(file);
  std::vector<VillageSite> sites;
  for (size_t at = file.find("<village "); at != std::string::npos; at = file.find("<village ", at + 1)) {
    const size_t end = file.find("</village>", at);
    if (end == std::string::npos) break;
    const std::string block = file.substr(at, end - at);
    const std::string position = element(block, "position");
    const size_t comma = position.find(',');
    if (comma == std::string::npos) continue;
    VillageSite site;
    site.column = std::atoi(position.c_str()) - 1;
    site.row = std::atoi(position.c_str() + comma + 1) - 1;
    const std::string race = element(block, "race");
    for (size_t r = 0; r < races.size(); ++r)
      if (races[r] == race) site.race = int(r);
    sites.push_back(site);
  }
  return sites;
}

}  // namespace land
