// Any bytes as an archive beside the program: the reader must open or refuse them without
// reading out of bounds, and read every entry its directory names without trusting it.
#include "platform/Files.h"
#include "res/ResourceArchive.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path folder;

void removeFolder() {
  std::error_code error;
  fs::remove_all(folder, error);
}

void writeArchive(const uint8_t* data, size_t size) {
  std::ofstream out(folder / "fuzz.arc", std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

// Memory-backed when there is such a folder: rewriting a file on a disk for every input
// costs milliseconds (the file system flushes a truncated file on close).
fs::path scratchFolder() {
  std::error_code error;
  if (fs::is_directory("/dev/shm", error)) return "/dev/shm";
  return fs::temp_directory_path(error);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  folder = scratchFolder() / ("nupavane-archive-fuzz-" + std::to_string(std::random_device{}()));
  fs::create_directories(folder);
  std::atexit(removeFolder);
  platform::setProgramPath((folder / "nupavane").string());
  // Most inputs are no archive, and the reader says so every time.
  std::cerr.rdbuf(nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  writeArchive(data, size);
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
