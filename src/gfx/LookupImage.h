// A zone map: a picture whose pixel colours tell the tap areas of a screen apart (the
// castle's rooms, the shop's shelves). Screens look up the pixel under the stylus.
#pragma once

#include "core/String.h"

#include <cstdint>
#include <memory>

class Bitmap;

class LookupImage {
public:
  // Loads the zone map from "gfx.arc", uncorrected whatever the colour factor.
  explicit LookupImage(const String& name);
  ~LookupImage();
  LookupImage(const LookupImage&) = delete;
  LookupImage& operator=(const LookupImage&) = delete;

  // False when the zone map was missing or could not be decoded: a screen cannot tell its
  // tap areas apart without it.
  bool isUsable() const;
  // The zone colour at (x, y); 0 where there is none.
  uint16_t getPixel(int x, int y) const;

private:
  String name_;
  std::unique_ptr<Bitmap> bitmap_;
};
