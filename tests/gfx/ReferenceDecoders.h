// libjpeg used plainly, without the game's decoder around it: the reference for the JPEG
// tests and the baseline the benchmarks compare with.
#pragma once

#include "TestPictures.h"

#include <optional>

// libjpeg's own memory source and default error handling, RGB output.
std::optional<RgbImage> libjpegDecode(const std::vector<uint8_t>& bytes);
