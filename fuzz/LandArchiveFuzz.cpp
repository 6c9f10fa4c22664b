// Any bytes as the land's description, read the way the game reads it: as the entry
// "gfx\xml\country.xml" of a gfx.arc beside the program, beside the map's pictures, by the
// one land the game plays on. A land must be taken whole, with its fights drawn, or refused.
#include "TestPictures.h"
#include "platform/Files.h"
#include "res/ArchiveWriter.h"
#include "res/ResourceArchive.h"
#include "world/CountryManager.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Folder {
  Folder() {
    path = std::filesystem::temp_directory_path() / ("nupavane-land-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    platform::setProgramPath((path / "nupavane").string());
    auto add = [&](const std::string& name) { pictures.emplace_back(name, plainGif(2, 2, 0x07E0)); };
    char name[40];
    for (int i = 1; i <= 6; ++i) {
      std::snprintf(name, sizeof name, "gfx\\fight\\tribe%02d.gif", i);
      add(name);
      std::snprintf(name, sizeof name, "gfx\\fight\\village%02d.gif", i);
      add(name);
    }
    for (int i = 0; i < 3; ++i) {
      std::snprintf(name, sizeof name, "gfx\\fight\\cross%02d.gif", i);
      add(name);
    }
    add("gfx\\fight\\cross_action.gif");
    add("gfx\\fight\\dragon_head.gif");
  }
  ~Folder() { std::filesystem::remove_all(path); }
  std::filesystem::path path;
  std::vector<std::pair<std::string, std::vector<uint8_t>>> pictures;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Folder folder;
  ArchiveWriter archive;
  for (const auto& [name, bytes] : folder.pictures) archive.add(name.c_str(), bytes);
  if (!archive.add("gfx\\xml\\country.xml", std::vector<uint8_t>(data, data + size))) return 0;
  std::vector<uint8_t> bytes = archive.bytes();
  // Written plainly: a flushed, renamed file per input would cost more than the parsing.
  std::ofstream(folder.path / "gfx.arc", std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  closeGraphicsArchive();
  CountryManager::destroy();
  CountryManager& land = CountryManager::instance();
  (void)land.failure();
  return 0;
}
