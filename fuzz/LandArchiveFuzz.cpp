// Any bytes as the land's description, read the way the game reads it: as the entry
// "gfx\xml\country.xml" of a gfx.arc beside the program, beside the map's pictures, by the
// one land the game plays on. A land must be taken whole, with its fights drawn, or refused.
#include "FuzzData.h"
#include "TestPictures.h"
#include "res/ArchiveWriter.h"
#include "res/ResourceArchive.h"
#include "world/CountryManager.h"

#include <utility>
#include <vector>

namespace {

struct Folder {
  Folder() : path(programFolder("land")) {
    auto add = [&](const std::string& name) {
      pictures.emplace_back("gfx\\fight\\" + name + ".gif", plainGif(2, 2, 0x07E0));
    };
    for (int i = 1; i <= 6; ++i) {
      add("tribe0" + std::to_string(i));
      add("village0" + std::to_string(i));
    }
    for (int i = 0; i < 3; ++i) add("cross0" + std::to_string(i));
    add("cross_action");
    add("dragon_head");
  }
  std::filesystem::path path;
  std::vector<std::pair<std::string, std::vector<uint8_t>>> pictures;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Folder folder;
  ArchiveWriter archive;
  for (const auto& [name, bytes] : folder.pictures) archive.add(name.c_str(), bytes);
  if (!archive.add("gfx\\xml\\country.xml", std::vector<uint8_t>(data, data + size))) return 0;
  const std::vector<uint8_t> bytes = archive.bytes();
  writeInput(folder.path / "gfx.arc", bytes.data(), bytes.size());
  closeGraphicsArchive();
  CountryManager::destroy();
  (void)CountryManager::instance().failure();
  return 0;
}
