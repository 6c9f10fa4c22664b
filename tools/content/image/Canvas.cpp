#include "image/Canvas.h"

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

RgbPixels Canvas::rgb(bool keyed) const {
  cairo_surface_flush(surface_);
  const uint8_t* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  RgbPixels out{width_, height_, std::vector<uint8_t>(size_t(width_) * height_ * 3)};
  for (int y = 0; y < height_; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < width_; ++x) {
      const uint32_t p = row[x];
      const unsigned a = p >> 24;
      unsigned r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;  // premultiplied
      uint8_t* o = out.at(x, y);
      if (keyed && a < 128) {
        o[0] = kKeyRgb[0], o[1] = kKeyRgb[1], o[2] = kKeyRgb[2];
        continue;
      }
      if (keyed && a > 0) {  // the colour itself, not blended into anything
        r = r * 255 / a, g = g * 255 / a, b = b * 255 / a;
      }
      if (isKeyColour(uint8_t(r), uint8_t(g), uint8_t(b))) g = 8;  // never the key by accident
      o[0] = uint8_t(r), o[1] = uint8_t(g), o[2] = uint8_t(b);
    }
  }
  return out;
}
