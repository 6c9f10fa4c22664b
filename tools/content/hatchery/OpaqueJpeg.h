// JPEG for pictures the game may draw keyed or opaque: encoded, decoded again and checked
// that no pixel came back as the key colour, so both ways of drawing show the same.
#pragma once

#include "image/Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rooms {

// Stops the generator when a decoded pixel of `name` converts to the key colour.
std::vector<uint8_t> opaqueJpeg(const std::string& name, const RgbPixels& picture, int quality);

}  // namespace rooms
