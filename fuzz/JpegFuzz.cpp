// Any bytes as a JPEG picture.
#include "PictureFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return fuzzDecoder(decodeJpeg, data, size); }
