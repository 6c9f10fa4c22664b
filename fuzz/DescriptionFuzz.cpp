// Any bytes as one of the description files or as the land's part of a savegame: the
// loaders must read or refuse them without reading out of bounds or trusting a number.
#include "FuzzData.h"
#include "players/ItemManager.h"
#include "players/ItemValues.h"
#include "res/SavegameReader.h"
#include "world/CountryManager.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  [[maybe_unused]] const char* text = reinterpret_cast<const char*>(data);
#if defined(FUZZ_COUNTRY)
  CountryManager::fromXml(text, size);
#elif defined(FUZZ_ITEMS)
  ItemManager::fromXml(text, size);
#elif defined(FUZZ_MAGIC)
  static const std::string catalogue = readDataFile("items.xml");
  static const auto items = ItemManager::fromXml(catalogue.data(), catalogue.size());
  ItemValues values;
  values.readItemValues(text, size, *items);
#elif defined(FUZZ_LANDSTATE)
  static const std::string land = readDataFile("country.xml");
  auto country = CountryManager::fromXml(land.data(), land.size());
  SavegameReader in(std::vector<uint8_t>(data, data + size));
  country->loadState(in);
#endif
  return 0;
}
