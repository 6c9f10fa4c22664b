// Windows BMP: 24-bit, 8-bit with a palette, and 8-bit RLE. Rows are stored bottom-up, so
// file row i is position i of every column run.
#include "gfx/Colour.h"
#include "gfx/Decoders.h"

#include <algorithm>
#include <array>

namespace {

constexpr uint16_t kSignature = 19778;  // "BM"
constexpr uint32_t kInfoHeaderSize = 40;
constexpr size_t kHeadersSize = 54;     // file header and info header; the palette follows

uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

struct BmpHeader {
  uint32_t pixelOffset = 0;
  int32_t width = 0;
  int32_t height = 0;
  int bitsPerPixel = 0;
  uint32_t compression = 0;
};

struct Source {
  const uint8_t* data;
  size_t size;
};

bool readHeader(const Source& in, BmpHeader& header) {
  if (in.size < kHeadersSize) return false;
  if (le16(in.data) != kSignature) return false;
  if (le32(in.data + 2) != in.size) return false;  // the file-size field must match exactly
  if (le32(in.data + 14) != kInfoHeaderSize) return false;
  header.pixelOffset = le32(in.data + 10);
  header.width = int32_t(le32(in.data + 18));
  header.height = int32_t(le32(in.data + 22));  // only bottom-up files (positive height) are meant
  header.bitsPerPixel = le16(in.data + 28);
  header.compression = le32(in.data + 30);
  return true;
}

// Rows are padded to a multiple of 4 bytes.
size_t rowBytes(int width, int bytesPerPixel) { return (size_t(width) * size_t(bytesPerPixel) + 3) & ~size_t(3); }

// True when all rows lie inside the data; the last row needs no padding.
bool rowsFit(const Source& in, const BmpHeader& header, int bytesPerPixel) {
  size_t stride = rowBytes(header.width, bytesPerPixel);
  size_t needed = stride * size_t(header.height - 1) + size_t(header.width) * size_t(bytesPerPixel);
  return header.pixelOffset <= in.size && needed <= in.size - header.pixelOffset;
}

bool decodeRows24(const Source& in, const BmpHeader& header, DecodedPicture& out) {
  if (!rowsFit(in, header, 3)) return false;
  int w = header.width, h = header.height;
  size_t stride = rowBytes(w, 3);
  for (int row = 0; row < h; ++row) {
    const uint8_t* p = in.data + header.pixelOffset + size_t(row) * stride;
    for (int x = 0; x < w; ++x, p += 3) out.pixels[size_t(x) * h + row] = rgb565(p[2], p[1], p[0]);
  }
  return true;
}

// The entries between the headers and the pixel data, blue, green, red, unused. Indices
// beyond them (a short palette, a damaged file) give black.
using Palette = std::array<uint16_t, 256>;

Palette readPalette(const Source& in, const BmpHeader& header) {
  Palette palette{};
  size_t end = std::min<size_t>(header.pixelOffset, in.size);
  size_t count = end > kHeadersSize ? std::min<size_t>((end - kHeadersSize) / 4, palette.size()) : 0;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* p = in.data + kHeadersSize + 4 * i;
    palette[i] = rgb565(p[2], p[1], p[0]);
  }
  return palette;
}

bool decodeRows8(const Source& in, const BmpHeader& header, const Palette& palette, DecodedPicture& out) {
  if (!rowsFit(in, header, 1)) return false;
  int w = header.width, h = header.height;
  size_t stride = rowBytes(w, 1);
  for (int row = 0; row < h; ++row) {
    const uint8_t* p = in.data + header.pixelOffset + size_t(row) * stride;
    for (int x = 0; x < w; ++x) out.pixels[size_t(x) * h + row] = palette[p[x]];
  }
  return true;
}

// RLE8 output is one continuous run of pixels in file order: end-of-line markers do not
// move it on, and deltas are reported and skipped. It ends at the end of the picture, the
// end-of-bitmap marker or the end of the data, whichever comes first.
class RleDecoder {
public:
  RleDecoder(const Source& in, const BmpHeader& header, const Palette& palette, DecodedPicture& out)
      : in_(in), pos_(header.pixelOffset), width_(header.width), height_(header.height), palette_(palette),
        out_(out), total_(size_t(header.width) * size_t(header.height)) {}

  void run() {
    uint8_t count = 0, value = 0;
    while (written_ < total_ && next(count) && next(value)) {
      if (count > 0) {
        for (int i = 0; i < count && put(value); ++i) {}
      } else if (value == 1) {
        return;  // end of bitmap
      } else if (value == 2) {
        if (!delta()) return;
      } else if (value >= 3) {
        if (!literal(value)) return;
      }  // value 0: end of line, nothing to do
    }
  }

private:
  bool next(uint8_t& byte) {
    if (pos_ >= in_.size) return false;
    byte = in_.data[pos_++];
    return true;
  }

  bool put(uint8_t index) {
    if (written_ >= total_) return false;
    size_t row = written_ / size_t(width_), x = written_ % size_t(width_);
    out_.pixels[x * size_t(height_) + row] = palette_[index];
    ++written_;
    return true;
  }

  bool delta() {
    uint8_t dx = 0, dy = 0;
    if (!next(dx) || !next(dy)) return false;
    reportLine("Bitmap::initialize(): ERROR: delta (%d,%d) found, but not supported !\n", dx, dy);
    return true;
  }

  bool literal(uint8_t count) {
    uint8_t index = 0;
    for (int i = 0; i < count; ++i)
      if (!next(index) || !put(index)) return false;
    if (count & 1) next(index);  // runs are padded to whole 16-bit words
    return true;
  }

  const Source& in_;
  size_t pos_;
  int width_, height_;
  const Palette& palette_;
  DecodedPicture& out_;
  size_t total_;
  size_t written_ = 0;
};

}  // namespace

bool decodeBmp(const uint8_t* data, size_t size, DecodedPicture& out) {
  out = DecodedPicture{};
  Source in{data, size};
  BmpHeader header;
  if (!data || !readHeader(in, header)) return false;
  if (!isSensiblePictureSize(header.width, header.height)) return false;
  out.width = int16_t(header.width);
  out.height = int16_t(header.height);
  if (header.compression != 0 && header.compression != 1) {
    reportLine("Bitmap::initialize(): ERROR: Sorry, only 8bit-RLE compression supported !\n");
    return false;
  }
  out.pixels.assign(size_t(header.width) * size_t(header.height), 0);
  if (header.bitsPerPixel != 8 && header.bitsPerPixel != 24) {
    // Other depths load as a black picture of the right size.
    reportLine("Sorry, a color depth of %d bits is not supported, only 8 or 16 bits images could be read !\n",
               header.bitsPerPixel);
    return true;
  }
  bool ok = true;
  if (header.bitsPerPixel == 24) {
    ok = decodeRows24(in, header, out);
  } else {
    Palette palette = readPalette(in, header);
    if (header.compression == 1)
      RleDecoder(in, header, palette, out).run();
    else
      ok = decodeRows8(in, header, palette, out);
  }
  if (!ok) out.pixels.clear();
  return ok;
}
