// The three picture formats, written exactly as the game's decoders want them: BMP with a
// 40-byte info header and an exact file size, bottom-up, 24 bits; GIF with a global colour
// table, one image filling its logical screen, not interlaced; baseline colour JPEG.
#pragma once

#include "image/Canvas.h"

#include <cstdint>
#include <vector>

std::vector<uint8_t> encodeBmp(const RgbPixels& picture);

// At most 256 colours: a picture with more is reduced by median cut. The key colour, when
// present, stays exactly the key colour.
std::vector<uint8_t> encodeGif(const RgbPixels& picture);

// Keyed JPEGs are written at quality 100 without chroma subsampling, so flat key-colour
// blocks aligned to 8 x 8 stay the key colour after decoding.
std::vector<uint8_t> encodeJpeg(const RgbPixels& picture, int quality = 90, bool keyed = false);
