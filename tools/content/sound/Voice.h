// A small formant voice for the dealer's words: a buzz at the voice's pitch and a breath
// noise, shaped by a chain of vocal-tract resonances whose frequencies glide from one
// sound of the word to the next. A word is a list of keys in time; between keys every
// setting moves in a straight line.
#pragma once

#include "sound/Synth.h"

#include <cstdint>
#include <vector>

namespace synth {

struct VoiceKey {
  double time;        // seconds from the start of the word
  double pitch;       // Hz of the buzz
  double f1, f2, f3;  // the first three formants, Hz
  double voicing;     // 0..1: how much buzz
  double breath;      // 0..1: how much breath noise ("h", a breathy onset)
  double nasal = 0;   // 0..1: closed lips, sound through the nose ("m"): highs muffled
  double roughness = 0;  // 0..1: uneven pitch and loudness, as in a throat being cleared
};

// Speaks the keys (sorted by time) to a signal as long as the last key's time. `seed`
// makes the small unevenness every real voice has.
Signal speak(const std::vector<VoiceKey>& keys, uint32_t seed);

}  // namespace synth
