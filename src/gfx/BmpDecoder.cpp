// Windows BMP: 24 and 32 bits, 8 bits with a palette, and 8-bit RLE, stored bottom-up or
// (a negative height) top-down. The 108- and 124-byte info headers that ImageMagick and
// other tools write begin with the 40-byte one, which is all we need from them.
#include "gfx/Colour.h"
#include "gfx/Decoders.h"

#include <algorithm>
#include <array>

namespace {

constexpr uint16_t kSignature = 19778;  // "BM"
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kHeadersSize = 54;     // file header and the 40-byte info header
constexpr uint32_t kRgb = 0, kRle8 = 1, kBitFields = 3;

uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

bool isKnownInfoHeader(uint32_t size) { return size == 40 || size == 108 || size == 124; }

struct BmpHeader {
  uint32_t pixelOffset = 0;
  uint32_t infoSize = 0;
  int32_t width = 0;
  int32_t height = 0;     // always positive here; topDown tells the order of the rows
  bool topDown = false;
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
  header.infoSize = le32(in.data + 14);
  if (!isKnownInfoHeader(header.infoSize)) return false;
  header.pixelOffset = le32(in.data + 10);
  header.width = int32_t(le32(in.data + 18));
  int32_t height = int32_t(le32(in.data + 22));
  header.topDown = height < 0;
  header.height = height == INT32_MIN ? 0 : (height < 0 ? -height : height);
  header.bitsPerPixel = le16(in.data + 28);
  header.compression = le32(in.data + 30);
  return true;
}

// Position of file row `row` in every column run: bottom-up files store the bottom row
// first, which is the first position of a run.
size_t runPosition(const BmpHeader& header, int row) {
  return header.topDown ? size_t(header.height - 1 - row) : size_t(row);
}

// Rows are padded to a multiple of 4 bytes.
size_t rowBytes(int width, int bytesPerPixel) { return (size_t(width) * size_t(bytesPerPixel) + 3) & ~size_t(3); }

// True when all rows lie inside the data; the last row needs no padding.
bool rowsFit(const Source& in, const BmpHeader& header, int bytesPerPixel) {
  size_t stride = rowBytes(header.width, bytesPerPixel);
  size_t needed = stride * size_t(header.height - 1) + size_t(header.width) * size_t(bytesPerPixel);
  return header.pixelOffset <= in.size && needed <= in.size - header.pixelOffset;
}

// 24 bits: blue, green, red; 32 bits: blue, green, red and an alpha we do not show.
bool decodeTrueColour(const Source& in, const BmpHeader& header, DecodedPicture& out) {
  int bytes = header.bitsPerPixel / 8;
  if (!rowsFit(in, header, bytes)) return false;
  int w = header.width, h = header.height;
  size_t stride = rowBytes(w, bytes);
  for (int row = 0; row < h; ++row) {
    const uint8_t* p = in.data + header.pixelOffset + size_t(row) * stride;
    size_t position = runPosition(header, row);
    for (int x = 0; x < w; ++x, p += bytes) out.pixels[size_t(x) * h + position] = rgb565(p[2], p[1], p[0]);
  }
  return true;
}

// 32-bit pixels with bit fields are read when the fields are the plain byte order; the
// masks follow a 40-byte header, and lie inside the longer ones.
bool hasPlainBitFields(const Source& in) {
  if (in.size < kHeadersSize + 12) return false;
  const uint8_t* masks = in.data + kHeadersSize;
  return le32(masks) == 0x00FF0000u && le32(masks + 4) == 0x0000FF00u && le32(masks + 8) == 0x000000FFu;
}

// The entries between the headers and the pixel data, blue, green, red, unused. Indices
// beyond them (a short palette, a damaged file) give black.
using Palette = std::array<uint16_t, 256>;

Palette readPalette(const Source& in, const BmpHeader& header) {
  Palette palette{};
  size_t start = kFileHeaderSize + header.infoSize;
  size_t end = std::min<size_t>(header.pixelOffset, in.size);
  size_t count = end > start ? std::min<size_t>((end - start) / 4, palette.size()) : 0;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* p = in.data + start + 4 * i;
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
    size_t position = runPosition(header, row);
    for (int x = 0; x < w; ++x) out.pixels[size_t(x) * h + position] = palette[p[x]];
  }
  return true;
}

// RLE8 fills the picture as one continuous run of pixels in file order, and an end of line
// starts the row after the one the line began in: a line that ends early leaves the rest
// of its row black, and one that runs on past its row (ImageMagick pads rows to whole
// words) is overwritten by the next line. Deltas are reported and skipped. Decoding ends
// after the last row's line, at the end-of-bitmap code or at the end of the data.
class RleDecoder {
public:
  RleDecoder(const Source& in, const BmpHeader& header, const Palette& palette, DecodedPicture& out)
      : in_(in), header_(header), pos_(header.pixelOffset), palette_(palette), out_(out),
        total_(size_t(header.width) * size_t(header.height)) {}

  void run() {
    uint8_t count = 0, value = 0;
    while (line_ < header_.height && next(count) && next(value)) {
      if (count > 0) {
        for (int i = 0; i < count; ++i) put(value);
      } else if (value == 0) {
        endLine();
      } else if (value == 1) {
        return;  // end of bitmap
      } else if (value == 2) {
        if (!delta()) return;
      } else if (!literal(value)) {
        return;
      }
    }
  }

private:
  bool next(uint8_t& byte) {
    if (pos_ >= in_.size) return false;
    byte = in_.data[pos_++];
    return true;
  }

  // Pixels past the end of the picture are dropped: an end of line may still come back.
  void put(uint8_t index) {
    if (written_ >= total_) return;
    size_t width = size_t(header_.width);
    int row = int(written_ / width);
    size_t x = written_ % width;
    out_.pixels[x * size_t(header_.height) + runPosition(header_, row)] = palette_[index];
    ++written_;
  }

  void endLine() {
    ++line_;
    written_ = std::min(total_, size_t(line_) * size_t(header_.width));
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
    {
      if (!next(index)) return false;
      put(index);
    }
    if (count & 1) next(index);  // runs are padded to whole 16-bit words
    return true;
  }

  const Source& in_;
  const BmpHeader& header_;
  size_t pos_;
  const Palette& palette_;
  DecodedPicture& out_;
  size_t total_;
  size_t written_ = 0;
  int line_ = 0;  // the row the current line began in
};

bool isSupportedCompression(const Source& in, const BmpHeader& header) {
  if (header.compression == kRgb) return true;
  if (header.compression == kRle8) return true;  // other depths than 8 ignore it
  return header.compression == kBitFields && header.bitsPerPixel == 32 && hasPlainBitFields(in);
}

}  // namespace

bool decodeBmp(const uint8_t* data, size_t size, DecodedPicture& out) {
  out = DecodedPicture{};
  Source in{data, size};
  BmpHeader header;
  if (!data || !readHeader(in, header)) return false;
  if (!isSensiblePictureSize(header.width, header.height)) return false;
  out.width = int16_t(header.width);
  out.height = int16_t(header.height);
  if (!isSupportedCompression(in, header)) {
    reportLine("Bitmap::initialize(): ERROR: Sorry, only 8bit-RLE compression supported !\n");
    return false;
  }
  out.pixels.assign(size_t(header.width) * size_t(header.height), 0);
  if (header.bitsPerPixel != 8 && header.bitsPerPixel != 24 && header.bitsPerPixel != 32) {
    // Other depths load as a black picture of the right size.
    reportLine("Sorry, a color depth of %d bits is not supported, only 8, 24 or 32 bits images could be read !\n",
               header.bitsPerPixel);
    return true;
  }
  bool ok = true;
  if (header.bitsPerPixel != 8) {
    ok = decodeTrueColour(in, header, out);
  } else {
    Palette palette = readPalette(in, header);
    if (header.compression == kRle8)
      RleDecoder(in, header, palette, out).run();
    else
      ok = decodeRows8(in, header, palette, out);
  }
  if (!ok) out.pixels.clear();
  return ok;
}
