// The three description files, written by hand in data/: the land, the items and the item
// values for spells (plain text despite its name).
#include "Content.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

std::vector<uint8_t> readWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "nupavane-content: cannot read '%s'\n", path.c_str());
    std::exit(1);
  }
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void addDescriptions(ContentList& gfx, const ContentSources& sources) {
  for (const char* file : {"country.xml", "items.xml", "magic.xml"})
    gfx.push_back({std::string("gfx\\xml\\") + file, readWhole(sources.dataDir + "/" + file)});
}

}  // namespace

CONTENT_FAMILY(descriptions, addDescriptions);
