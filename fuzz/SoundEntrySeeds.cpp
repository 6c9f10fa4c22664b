// The sound entry fuzzers' seeds: the tests' own effects of two lengths, or their song.
#include "FuzzData.h"
#include "sound/SoundData.h"

bool writeSeeds(const std::string& folder) {
#ifdef FUZZ_EFFECT
  return writeSeed(folder, "short.wav", makeWav(8000, 16)) &&
         writeSeed(folder, "long.wav", makeWav(11025, 700));
#else
  return writeSeed(folder, "song.xm", makeSong());
#endif
}
