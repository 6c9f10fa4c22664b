// The libraries used plainly, without the game's decoder around them: references for the
// tests and the baseline the benchmarks compare with.
#pragma once

#include "TestPictures.h"

#include <optional>

// libjpeg's own memory source and default error handling, RGB output.
std::optional<RgbImage> libjpegDecode(const std::vector<uint8_t>& bytes);
// GIFLIB's whole-file read; the first frame's colour indices through the global table.
std::optional<RgbImage> giflibDecode(const std::vector<uint8_t>& bytes);
