// Checks of the sound archive's entries against their own bytes, made before the library
// sees them: its loaders trust the lengths a header states, and an effect whose header
// claims more samples than the entry holds is mixed from beyond the loaded data.
#pragma once

#include <cstddef>
#include <cstdint>

// A RIFF WAVE of PCM samples: a format chunk before the data chunk, and every chunk up to
// the data, and the data itself, inside the bytes.
bool isWholeWave(const uint8_t* data, size_t size);

// An extended module whose header, patterns, instruments and sample data all lie inside
// the bytes.
bool isWholeModule(const uint8_t* data, size_t size);
