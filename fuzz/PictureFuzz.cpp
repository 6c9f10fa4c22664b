// Any bytes as a picture of one format (PICTURE_DECODER decodes it): the decoder must
// decode them into a picture of a sensible size with exactly its pixels, or fail and leave
// no pixels; never read outside the input (AddressSanitizer watches) nor end the program.
#include "gfx/Decoders.h"

// libFuzzer hands each input over in a heap block of exactly its size, so a read one past
// the end is caught.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DecodedPicture picture;
  if (PICTURE_DECODER(data, size, picture)) {
    if (!isSensiblePictureSize(picture.width, picture.height)) __builtin_trap();
    if (picture.pixels.size() != size_t(picture.width) * size_t(picture.height)) __builtin_trap();
  } else if (!picture.pixels.empty()) {
    __builtin_trap();
  }
  return 0;
}
