// Small lands written out for the tests: the names, races and villages of a country.xml.
#pragma once

#include <string>
#include <vector>

namespace landtext {

inline const char* const kTwoRaces =
    R"(<race name="Fenfolk" color="#4a6"/><race name="Reedkin" color="#a64"/>)";

inline std::string villageXml(const std::string& name, const char* race, const char* position,
                              int population = 500) {
  return "<village name=\"" + name + "\"><race>" + race + "</race><position>" + position +
         "</position><population>" + std::to_string(population) +
         "</population><industry>7</industry><yeomanry>9</yeomanry></village>";
}

// A land named Nevelholm, ruled by Harvek, Orlenna and Sivrane, with these dragon names and
// races (and whatever else `races` holds) before the villages.
inline std::string landXml(const std::string& villages,
                           const std::vector<std::string>& dragons = {"Ashwing", "Mistclaw"},
                           const std::string& races = kTwoRaces) {
  std::string text = R"(<country><area name="Nevelholm"/><time name="Moon"/>)"
                     R"(<money name_single="crystal" name_multi="crystals"/><player1 name="Harvek"/>)"
                     R"(<player2 name="Orlenna"/><player3 name="Sivrane"/>)";
  for (const std::string& dragon : dragons) text += "<dragon name=\"" + dragon + "\"/>";
  return text + races + villages + "</country>";
}

}  // namespace landtext
