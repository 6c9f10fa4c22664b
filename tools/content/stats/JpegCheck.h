// JPEG loses colour, so every JPEG of this family is decoded again after encoding and its
// key colour checked pixel by pixel: see-through areas must come back as the game's key
// colour 0xF81F, everything else must not.
#pragma once

#include "image/Canvas.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace stats {

// Decodes a baseline JPEG into 8-bit RGB; false when it does not decode.
bool decodeJpeg(const std::vector<uint8_t>& bytes, RgbPixels& out);

// The pixels of `bytes` that do not come back as `wantKey(x, y)` says; every pixel must
// be checked, so a picture that does not decode counts as all wrong.
long keyMismatches(const std::vector<uint8_t>& bytes, int width, int height,
                   const std::function<bool(int, int)>& wantKey);

// Encodes `picture` as JPEG and stops the generator when its key colour did not survive.
// `keyed` pictures are written for exact key blocks (quality 100, no chroma subsampling).
std::vector<uint8_t> checkedJpeg(const std::string& name, const RgbPixels& picture, bool keyed, int quality = 90);

}  // namespace stats
