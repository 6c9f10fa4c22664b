// The rules the description files must keep for the game to work, each check returning one
// line per fault found (empty when the data keeps the rule).
#pragma once

#include "DescriptionFiles.h"

#include <string>
#include <vector>

using Faults = std::vector<std::string>;

// country.xml
Faults checkLandCounts(const Land& land);      // races, villages and dragon names
Faults checkVillagePlaces(const Land& land);   // on the map picture, off the castles, one per cell
Faults checkWarPartners(const Land& land);     // villages at peace always include two races
Faults checkVillageFigures(const Land& land);  // population, industry and yeomanry
Faults checkLandNames(const Land& land);       // characters, uniqueness, lengths
Faults checkLandTextFits(const Land& land);    // the lines the screens build from the names

// items.xml
Faults checkItems(const ItemCatalogue& catalogue);

// magic.xml against items.xml
Faults checkItemValues(const ItemValues& values, const ItemCatalogue& catalogue);
