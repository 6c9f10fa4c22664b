// snd.arc's entries: the 27 effects as 16-bit mono WAV at the mixer's rate, and the music.
#include "Content.h"

#include "sound/Effects.h"
#include "sound/Song.h"
#include "sound/Wav.h"

#include <cstdio>
#include <cstdlib>

void addSounds(ContentList& snd) {
  for (const effects::Effect& effect : effects::allEffects()) snd.push_back({effect.name, synth::wav16(effect.make())});
  xm::Module song;
  std::string error;
  if (!music::composeSong(song, error)) {
    std::fprintf(stderr, "nupavane-content: the music does not add up: %s\n", error.c_str());
    std::exit(1);
  }
  snd.push_back({"snd\\kelth.xm", xm::write(song)});
}
