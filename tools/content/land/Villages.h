// The villages of data/country.xml as the map needs them: which cells they stand on, so
// the land leaves a clearing and a road there; and the cells of the three castles.
#pragma once

#include <string>
#include <vector>

namespace land {

inline constexpr int kCell = 35;         // map pixels per cell
inline constexpr int kMapWidth = 640;    // the map picture
inline constexpr int kMapHeight = 480;

struct VillageSite {
  int column = 0, row = 0;  // 0-based cell
  int race = 0;             // index in the file's race order
};

struct CastleSite {
  int column, row;
};
// Player 0, 1 and 2 rule from these cells (the distances the game measures start there).
inline constexpr CastleSite kCastles[3] = {{0, 0}, {9, 0}, {5, 9}};

// Reads the villages from the country file; an empty list when it cannot be read.
std::vector<VillageSite> readVillages(const std::string& countryFile);

}  // namespace land
