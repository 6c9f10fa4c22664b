// Seeds for the description fuzzers: the game's own files, and a land saved by the game.
#include "res/SavegameWriter.h"
#include "world/CountryManager.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string readWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeSeed(const std::string& folder, const std::string& name, const void* data, size_t size) {
  std::ofstream(folder + "/" + name, std::ios::binary).write(static_cast<const char*>(data), std::streamsize(size));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
    return 2;
  }
  const std::string data = std::string(NUPAVANE_SOURCE_DIR) + "/data/";
#if defined(FUZZ_LANDSTATE)
  const std::string land = readWhole(data + "country.xml");
  auto country = CountryManager::fromXml(land.data(), land.size());
  SavegameWriter out(String("unused"));
  country->saveState(out);
  writeSeed(argv[1], "saved-land", out.data(), out.used());
#else
  const std::string text = readWhole(data + SEED_FILE);
  writeSeed(argv[1], SEED_FILE, text.data(), text.size());
#endif
  return 0;
}
