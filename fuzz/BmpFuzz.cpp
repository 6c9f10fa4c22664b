// Any bytes as a BMP picture.
#include "PictureFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return fuzzDecoder(decodeBmp, data, size); }
