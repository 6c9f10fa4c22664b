// Any bytes as a sound archive entry, taken the game's way: checked against its own header,
// then, when whole, loaded by libmikmod through MemoryReader and mixed for a while. Built
// twice: as an effect (FUZZ_EFFECT) and as the music module.
#include "sound/EntryCheck.h"
#include "sound/Library.h"
#include "sound/MemoryReader.h"

#include <mikmod.h>

#include <cstdint>
#include <cstdlib>

namespace {

// The silent driver still mixes: what the mixer reads of a sample is what is checked.
void startLibrary() {
  registerSoundLibraryParts();
  md_mixfreq = 11025;
  md_mode = DMODE_SOFT_MUSIC | DMODE_SOFT_SNDFX;
  md_device = UWORD(MikMod_DriverFromAlias("nosound"));
  if (md_device == 0 || MikMod_Init("") != 0) std::abort();
  MikMod_SetNumVoices(4, 1);
  MikMod_EnableOutput();
}

constexpr int kMixes = 8;

#ifdef FUZZ_EFFECT
void take(const uint8_t* data, size_t size) {
  if (!isWholeWave(data, size)) return;
  MemoryReader reader(data, size);
  SAMPLE* sample = Sample_LoadGeneric(reader.reader());
  if (!sample) return;
  Sample_Play(sample, 0, 0);
  for (int i = 0; i < kMixes; ++i) MikMod_Update();
  Sample_Free(sample);
}
#else
void take(const uint8_t* data, size_t size) {
  if (!isWholeModule(data, size)) return;
  MemoryReader reader(data, size);
  MODULE* module = Player_LoadGeneric(reader.reader(), 4, false);
  if (!module) return;
  module->wrap = 1;
  Player_Start(module);
  for (int i = 0; i < kMixes; ++i) MikMod_Update();
  Player_Stop();
  Player_Free(module);
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool started = (startLibrary(), true);
  (void)started;
  take(data, size);
  return 0;
}
