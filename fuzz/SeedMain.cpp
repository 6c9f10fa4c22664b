// The seed writers' program: NAME_fuzz_seeds FOLDER fills the corpus folder of NAME_fuzz.
#include "FuzzData.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " CORPUS-FOLDER" << std::endl;
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(argv[1], error);
  if (writeSeeds(argv[1])) return 0;
  std::cerr << argv[0] << ": cannot write into " << argv[1] << std::endl;
  return 1;
}
