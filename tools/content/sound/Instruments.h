// The music's instruments, their samples made by the synthesiser at the mixer's rate. The
// melodic ones carry one sample per octave (made at that octave's C) so that no note is
// played more than half an octave away from its sample: the mixer does not interpolate,
// and a sample pitched far up would alias.
#pragma once

#include "sound/Xm.h"

#include <cstdint>
#include <vector>

namespace music {

// Instrument numbers as the patterns name them (1-based).
enum InstrumentNumber : uint8_t {
  kRecorder = 1,  // soft flute: the tune
  kLute = 2,      // plucked strings: the chords, broken
  kViol = 3,      // a bowed bass
  kDrum = 4,      // a frame drum's low stroke
  kTap = 5,       // a finger on its rim
  kJingle = 6,    // its jingles
};

std::vector<xm::Instrument> makeInstruments();

}  // namespace music
