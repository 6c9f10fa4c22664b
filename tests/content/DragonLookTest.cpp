// One dragon, one look: the statistics show the same pictures for every dragon, so every
// picture of a dragon (the cellar's stalls, the statistics, the attack on a village, the fight
// in the air) paints its scales in the same jade. Counted by hue: each picture holds a good
// number of strongly coloured pixels in the band of the scales' green (lit by torches or the
// evening sky), where a dragon of another colour leaves hardly any.
#include "gfx/Bitmap.h"
#include "res/ResourceArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {


// Hue in degrees, saturation and value 0..1 of an RGB565 pixel.
void hsv(uint16_t c, double& hue, double& saturation, double& value) {
  const double r = (c >> 11) / 31.0, g = ((c >> 5) & 63) / 63.0, b = (c & 31) / 31.0;
  const double high = std::max({r, g, b}), low = std::min({r, g, b}), span = high - low;
  value = high;
  saturation = high > 0 ? span / high : 0;
  if (span <= 0) hue = 0;
  else if (high == r) hue = 60 * ((g - b) / span + (g < b ? 6 : 0));
  else if (high == g) hue = 60 * ((b - r) / span + 2);
  else hue = 60 * ((r - g) / span + 4);
}

int jadePixels(const char* name) {
  const Bitmap picture{String(name), true};
  int count = 0;
  const uint16_t* pixels = picture.getPixels();
  if (!pixels) return count;
  for (int i = 0; i < picture.getWidth() * picture.getHeight(); ++i) {
    if (pixels[i] == 0xF81F) continue;
    double hue, saturation, value;
    hsv(pixels[i], hue, saturation, value);
    if (saturation < 0.3 || value < 0.2) continue;
    count += hue >= 100 && hue <= 175;
  }
  return count;
}

TEST(DragonLook, EveryPictureOfADragonPaintsItsScalesInTheSameJade) {
  const char* const pictures[] = {
      "gfx\\cellar\\door0.bmp",   "gfx\\cellar\\door1.bmp",
      "gfx\\cellar\\door3.bmp",   "gfx\\cellar\\door4.bmp",
      "gfx\\cellar\\door7.bmp",   "gfx\\cellar\\stats\\ani\\stats_atmen0000.jpg",
      "gfx\\action\\village\\dragon\\fl10.gif", "gfx\\action\\dragon\\dr10.jpg",
  };
  for (const char* name : pictures) {
    EXPECT_GE(jadePixels(name), 30) << name << ": hardly any jade scales";
  }
  closeGraphicsArchive();
}

}  // namespace
