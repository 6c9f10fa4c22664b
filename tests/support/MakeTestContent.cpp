// Writes the small test archives (gfx.arc with the fonts and dialog pictures, snd.arc with
// every effect and the song) into a folder, beside a copy of the program there, so the
// program's own tests run a game that can show its text and play its sounds. With a third
// argument, the entry of that name is cut to half its length, for the tests of damage.
#include "support/TestContent.h"
#include "platform/Files.h"
#include "res/ArchiveWriter.h"
#include "res/Files.h"
#include "res/ResourceArchive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Rewrites the archive that holds the entry with that entry cut to half its length.
bool damageEntry(const fs::path& folder, const std::string& entry) {
  const char* name = entry.rfind("snd\\", 0) == 0 ? "snd.arc" : "gfx.arc";
  platform::setProgramPath((folder / "nupavane").string());
  ArchiveWriter writer;
  bool found = false;
  {
    ResourceArchive archive{String(name)};
    for (int i = 0; i < archive.count(); ++i) {
      std::vector<uint8_t> bytes = *archive.read(i);
      if (archive.nameOf(i).equals(String(entry.c_str()))) {
        bytes.resize(bytes.size() / 2);
        found = true;
      }
      writer.add(archive.nameOf(i), bytes);
    }
  }
  std::vector<uint8_t> bytes = writer.bytes();
  return found && writeBesideProgram(String(name), bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: make_test_content PROGRAM FOLDER [ENTRY TO DAMAGE]\n");
    return 2;
  }
  fs::path folder = argv[2];
  std::error_code error;
  fs::create_directories(folder, error);
  // The test archives are made beside a program in a scratch folder, then moved here.
  std::string scratch = testcontent::writeGraphicsArchive("program-" + std::to_string(::getpid()), true);
  fs::copy_file(fs::path(scratch) / "gfx.arc", folder / "gfx.arc", fs::copy_options::overwrite_existing, error);
  testcontent::writeSoundArchive(folder.string());
  bool written = fs::exists(folder / "snd.arc");
  fs::copy_file(argv[1], folder / "nupavane", fs::copy_options::overwrite_existing, error);
  if (error || !written) {
    std::fprintf(stderr, "make_test_content: %s\n", error ? error.message().c_str() : "cannot write snd.arc");
    return 1;
  }
  if (argc == 4 && !damageEntry(folder, argv[3])) {
    std::fprintf(stderr, "make_test_content: no entry '%s'\n", argv[3]);
    return 1;
  }
  return 0;
}
