// The game's hand-written data in data/, as the tests, benchmarks and fuzz targets read it.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

// The text of data/NAME in the source tree; empty when it cannot be read.
inline std::string readDataFile(const std::string& name) {
  std::ifstream in(std::string(NUPAVANE_SOURCE_DIR) + "/data/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
