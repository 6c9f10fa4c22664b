// Any bytes as an archive beside the program: the reader must open or refuse them without
// reading out of bounds, and read every entry its directory names without trusting it.
#include "FuzzData.h"
#include "res/ResourceArchive.h"

#include <iostream>

namespace {

std::filesystem::path folder;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  folder = programFolder("archive");
  // Most inputs are no archive, and the reader says so every time.
  std::cerr.rdbuf(nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  writeInput(folder / "fuzz.arc", data, size);
  ResourceArchive archive("fuzz.arc");
  if (!archive.isValid() && archive.count() != 0) __builtin_trap();
  for (int i = 0; i < archive.count(); ++i) {
    String name = archive.nameOf(i);
    if (name.length() > ResourceArchive::kNameBytes) __builtin_trap();
    int found = archive.find(name);
    if (found < 0 || found > i) __builtin_trap();
    auto bytes = archive.read(i);
    if (bytes && bytes->size() != archive.sizeOf(i)) __builtin_trap();
    if (bytes && uint64_t(archive.offsetOf(i)) + bytes->size() > size) __builtin_trap();
  }
  if (archive.read(archive.count()) || archive.read(-1)) __builtin_trap();
  return 0;
}
