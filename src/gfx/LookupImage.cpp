#include "gfx/LookupImage.h"

#include "gfx/Bitmap.h"

// Zone colours must come out exactly as drawn, so the colour factor is 1 while loading.
LookupImage::LookupImage(const String& name) : name_(name) {
  double factor = colourFactor;
  colourFactor = 1.0;
  bitmap_ = std::make_unique<Bitmap>(name, true);
  colourFactor = factor;
}

LookupImage::~LookupImage() = default;

bool LookupImage::isUsable() const { return bitmap_ && bitmap_->isLoaded(name_); }

uint16_t LookupImage::getPixel(int x, int y) const { return bitmap_ ? bitmap_->getPixel(x, y) : 0; }
