// RIFF WAVE files the way the game's sound library reads them: a "fmt " chunk before the
// "data" chunk, one channel, PCM; 16-bit signed samples (block align 2) or 8-bit unsigned
// ones (0x80 is silence). No other chunks, so no odd-sized padding to trip the reader.
#pragma once

#include "sound/Synth.h"

#include <cstdint>
#include <vector>

namespace synth {

// Samples are clamped to full scale; callers normalise below it.
std::vector<uint8_t> wav16(const Signal& signal, int rate = kRate);
std::vector<uint8_t> wav8(const Signal& signal, int rate = kRate);

// The 16-bit sample a float becomes (rounded, clamped).
int16_t toPcm16(float sample);

}  // namespace synth
