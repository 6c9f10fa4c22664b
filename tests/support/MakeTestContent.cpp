// Writes the small test archives (gfx.arc with the fonts and dialog pictures, snd.arc with
// every effect and the song) into a folder, beside a copy of the program there, so the
// program's own tests run a game that can show its text and play its sounds.
#include "support/TestContent.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_test_content PROGRAM FOLDER\n");
    return 2;
  }
  fs::path folder = argv[2];
  std::error_code error;
  fs::create_directories(folder, error);
  // The test archives are made beside a program in a scratch folder, then moved here.
  std::string scratch = testcontent::writeGraphicsArchive("program");
  fs::copy_file(fs::path(scratch) / "gfx.arc", folder / "gfx.arc", fs::copy_options::overwrite_existing, error);
  testcontent::writeSoundArchive(folder.string());
  bool written = fs::exists(folder / "snd.arc");
  fs::copy_file(argv[1], folder / "nupavane", fs::copy_options::overwrite_existing, error);
  if (error || !written) {
    std::fprintf(stderr, "make_test_content: %s\n", error ? error.message().c_str() : "cannot write snd.arc");
    return 1;
  }
  return 0;
}
