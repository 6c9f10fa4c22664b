// Bitmap drawing. Pictures and targets share the column-run layout, so a column of a
// picture part is one contiguous run and so is the piece of target column it lands on:
// unmasked drawing is one block copy per column, masked drawing one comparison per pixel.
// Everything is clipped first to the picture (the part asked for) and then to the target,
// so nothing outside either is read or written.
#include "gfx/Bitmap.h"

#include "gfx/Colour.h"

#include <cstring>

namespace {

constexpr int kScreenWidth = 320;
constexpr int kScreenHeight = 240;

// Pixels in column runs of `height`: the framebuffer or a bitmap.
struct Surface {
  uint16_t* pixels;
  int width;
  int height;
};

Surface screen(uint16_t* framebuffer) { return {framebuffer, kScreenWidth, kScreenHeight}; }

// A rectangle of the picture, its top-left (sx, sy), and where that lands (dx, dy).
struct Span {
  long long sx, sy, dx, dy, width, height;
};

// Narrows [from, from + length) to [low, high), moving `other` (the matching position on
// the other side of the copy) along.
void narrow(long long& from, long long& other, long long& length, long long low, long long high) {
  if (from < low) {
    long long cut = low - from;
    from += cut;
    other += cut;
    length -= cut;
  }
  if (from + length > high) length = high - from;
}

bool clip(Span& s, int pictureWidth, int pictureHeight, const Surface& target) {
  narrow(s.sx, s.dx, s.width, 0, pictureWidth);
  narrow(s.sy, s.dy, s.height, 0, pictureHeight);
  narrow(s.dx, s.sx, s.width, 0, target.width);
  narrow(s.dy, s.sy, s.height, 0, target.height);
  return s.width > 0 && s.height > 0;
}

// Calls run(sourceOffset, targetOffset, count) for every column of the clipped span: the
// runs start at the span's bottom row and go up `count` pixels.
template <typename Run>
void forEachColumn(const Bitmap& picture, Span s, const Surface& target, Run run) {
  int h = picture.getHeight();
  if (!picture.getPixels() || !target.pixels || !clip(s, picture.getWidth(), h, target)) return;
  size_t count = size_t(s.height);
  for (long long i = 0; i < s.width; ++i) {
    size_t source = size_t(s.sx + i) * size_t(h) + size_t(h - s.sy - s.height);
    size_t dest = size_t(s.dx + i) * size_t(target.height) + size_t(target.height - s.dy - s.height);
    run(source, dest, count);
  }
}

// A save-under bitmap is used only when it has the drawn picture's size.
uint16_t* saveArea(const Bitmap& picture, Bitmap* save) {
  if (!save || save->getWidth() != picture.getWidth() || save->getHeight() != picture.getHeight()) return nullptr;
  return save->getPixels();
}

void copyPart(const Bitmap& picture, const Span& span, const Surface& target, uint16_t mask, Bitmap* save) {
  const uint16_t* from = picture.getPixels();
  uint16_t* saved = saveArea(picture, save);
  uint16_t* to = target.pixels;
  forEachColumn(picture, span, target, [&](size_t source, size_t dest, size_t count) {
    if (saved) std::memcpy(saved + source, to + dest, count * sizeof(uint16_t));
    if (mask == 0) {
      std::memcpy(to + dest, from + source, count * sizeof(uint16_t));
      return;
    }
    for (size_t k = 0; k < count; ++k)
      if (from[source + k] != mask) to[dest + k] = from[source + k];
  });
}

void blendPart(const Bitmap& picture, const Span& span, const Surface& target, int alpha, uint16_t mask) {
  const uint16_t* from = picture.getPixels();
  uint16_t* to = target.pixels;
  forEachColumn(picture, span, target, [&](size_t source, size_t dest, size_t count) {
    for (size_t k = 0; k < count; ++k) {
      uint16_t p = from[source + k];
      if (mask == 0 || p != mask) to[dest + k] = blendPixel(to[dest + k], p, alpha);
    }
  });
}

// -1 stands for the picture's full width or height.
Span partSpan(const Bitmap& picture, int sx, int sy, int width, int height, int x, int y) {
  if (width == -1) width = picture.getWidth();
  if (height == -1) height = picture.getHeight();
  return {sx, sy, x, y, width, height};
}

Span wholeSpan(const Bitmap& picture, int x, int y) {
  return {0, 0, x, y, picture.getWidth(), picture.getHeight()};
}

}  // namespace

void Bitmap::draw(int x, int y, uint16_t* framebuffer, uint16_t mask, Bitmap* save) const {
  copyPart(*this, wholeSpan(*this, x, y), screen(framebuffer), mask, save);
}

void Bitmap::drawTo(int x, int y, Bitmap& target, uint16_t mask, Bitmap* save) const {
  copyPart(*this, wholeSpan(*this, x, y), {target.getPixels(), target.getWidth(), target.getHeight()}, mask, save);
}

void Bitmap::drawPart(int sx, int sy, int width, int height, uint16_t* framebuffer, int x, int y,
                      uint16_t mask) const {
  copyPart(*this, partSpan(*this, sx, sy, width, height, x, y), screen(framebuffer), mask, nullptr);
}

void Bitmap::drawPartBlended(int sx, int sy, int width, int height, uint16_t* framebuffer, int x, int y,
                             int alpha) const {
  blendPart(*this, partSpan(*this, sx, sy, width, height, x, y), screen(framebuffer), alpha, 0);
}

void Bitmap::drawBlended(int x, int y, uint16_t* framebuffer, int alpha, uint16_t mask) const {
  blendPart(*this, wholeSpan(*this, x, y), screen(framebuffer), alpha, mask);
}

// The handheld wrote the picture's pixels in one stretch from the start of its first
// column, which equals its rectangle for the full-height pictures this is used with (the
// cross-fade and the intro); we fade into the rectangle, clipped like everything else.
void Bitmap::drawFaded(int x, int y, uint16_t* framebuffer, int brightness) const {
  const uint16_t* from = getPixels();
  forEachColumn(*this, wholeSpan(*this, x, y), screen(framebuffer), [&](size_t source, size_t dest, size_t count) {
    fadePixels(from + source, framebuffer + dest, count, brightness);
  });
}
