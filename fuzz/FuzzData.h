// What the fuzz targets and their seed writers share: the game's own data files, and the
// seed writers' one job, writing files into the corpus folder they are given.
#pragma once

#include "platform/Files.h"
#include "support/DataFiles.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// Writes one seed (a string or a byte vector) into `folder`; false when it cannot.
template <class Bytes>
bool writeSeed(const std::string& folder, const std::string& name, const Bytes& bytes) {
  std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return !bytes.empty() && out.good();
}

// Writes `size` bytes as the file `path`, plainly: a flushed, renamed file per input would
// cost more than the parsing.
inline void writeInput(const std::filesystem::path& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

// A folder of this run's own, set as the program's and removed at exit; memory-backed where
// there is such a folder, since rewriting a file on a disk for every input costs
// milliseconds (the file system flushes a truncated file on close).
inline std::filesystem::path programFolder(const std::string& name) {
  static std::filesystem::path folder;
  std::error_code error;
  const std::filesystem::path shm = "/dev/shm";
  folder = (std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path(error)) /
           ("nupavane-" + name + "-fuzz-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  });
  platform::setProgramPath((folder / "nupavane").string());
  return folder;
}

// Each seed writer's own part (SeedMain.cpp calls it): every seed written into `folder`.
bool writeSeeds(const std::string& folder);
