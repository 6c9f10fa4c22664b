// Seeds for the sound entry fuzzers: the tests' own effects of a few lengths, or their song.
#include "sound/SoundData.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

void write(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
#ifdef FUZZ_EFFECT
  write(folder + "/short.wav", makeWav(8000, 16));
  write(folder + "/long.wav", makeWav(11025, 700));
#else
  write(folder + "/song.xm", makeSong());
#endif
  return 0;
}
