// The description fuzzers' seeds: the game's own file (SEED_FILE), or for the land's part
// of a savegame (FUZZ_LANDSTATE) the land as the game saves it.
#include "FuzzData.h"
#include "res/SavegameWriter.h"
#include "world/CountryManager.h"

bool writeSeeds(const std::string& folder) {
#if defined(FUZZ_LANDSTATE)
  const std::string land = readDataFile("country.xml");
  SavegameWriter out(String("unused"));
  CountryManager::fromXml(land.data(), land.size())->saveState(out);
  return writeSeed(folder, "saved-land", std::string(reinterpret_cast<const char*>(out.data()), out.used()));
#else
  return writeSeed(folder, SEED_FILE, readDataFile(SEED_FILE));
#endif
}
