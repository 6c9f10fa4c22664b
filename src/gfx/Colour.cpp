#include "gfx/Colour.h"

void fadePixels(const uint16_t* source, uint16_t* target, size_t count, int brightness) {
  for (size_t i = 0; i < count; ++i) target[i] = fadePixel(source[i], brightness);
}
