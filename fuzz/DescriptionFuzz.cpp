// Any bytes as one of the description files or as the land's part of a savegame: the
// loaders must read or refuse them without reading out of bounds or trusting a number.
#include "players/ItemManager.h"
#include "players/ItemValues.h"
#include "res/SavegameReader.h"
#include "world/CountryManager.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string readWhole(const char* name) {
  std::string text;
  if (std::FILE* file = std::fopen((std::string(NUPAVANE_SOURCE_DIR) + "/data/" + name).c_str(), "rb")) {
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, n);
    std::fclose(file);
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
#if defined(FUZZ_COUNTRY)
  CountryManager::fromXml(text, size);
#elif defined(FUZZ_ITEMS)
  ItemManager::fromXml(text, size);
#elif defined(FUZZ_MAGIC)
  static const std::string catalogue = readWhole("items.xml");
  static const auto items = ItemManager::fromXml(catalogue.data(), catalogue.size());
  ItemValues values;
  values.readItemValues(text, size, *items);
#elif defined(FUZZ_LANDSTATE)
  static const std::string land = readWhole("country.xml");
  auto country = CountryManager::fromXml(land.data(), land.size());
  SavegameReader in(std::vector<uint8_t>(data, data + size));
  country->loadState(in);
#endif
  return 0;
}
