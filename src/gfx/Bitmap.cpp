#include "gfx/Bitmap.h"

#include "core/Timer.h"
#include "gfx/Decoders.h"
#include "res/Files.h"
#include "res/ResourceArchive.h"

#include <optional>

double colourFactor = 1.0;

namespace {

constexpr int kPlaceholderSide = 50;
constexpr uint16_t kFillPixel = 0x5555;  // every byte 0x55: a mid grey
const char* const kFromMemory = "FROM_MEM";

using Decoder = bool (*)(const uint8_t*, size_t, DecodedPicture&);

// The extension after the last dot picks the decoder, exactly and in lower case only.
Decoder decoderFor(const String& extension) {
  if (extension.equals("jpg")) return decodeJpeg;
  if (extension.equals("bmp")) return decodeBmp;
  if (extension.equals("gif")) return decodeGif;
  return nullptr;
}

// The window and the sound are kept alive between the steps: large pictures take a while.
std::optional<std::vector<uint8_t>> readFromArchive(const String& name) {
  ResourceArchive* archive = openGraphicsArchive();
  if (!archive) return std::nullopt;
  int index = archive->find(name);
  keepAlive();
  if (index < 0) return std::nullopt;
  auto data = archive->read(index);
  keepAlive();
  return data;
}

std::vector<uint16_t> filledPixels(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  return std::vector<uint16_t>(size_t(width) * size_t(height), kFillPixel);
}

}  // namespace

Bitmap::Bitmap(const String& name, bool fromArchive) { load(name, fromArchive); }

Bitmap::Bitmap(int width, int height)
    : name_(kFromMemory), width_(int16_t(width)), height_(int16_t(height)) {
  pixels_ = filledPixels(width_, height_);
}

uint16_t Bitmap::getPixel(int x, int y) const {
  if (pixels_.empty() || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[columnRunIndex(x, y, height_)];
}

void Bitmap::makePlaceholder() {
  name_ = kFromMemory;
  width_ = height_ = kPlaceholderSide;
  pixels_ = filledPixels(width_, height_);
}

void Bitmap::load(const String& name, bool fromArchive) {
  name_ = name;
  auto data = fromArchive ? readFromArchive(name) : readGameFile(FilePlace::Archives, name);
  if (!data) {
    reportLine("Bitmap::Bitmap(file): ERROR: Unable to open file '%s' !\n", name.c_str());
    makePlaceholder();
    return;
  }
  String extension = name.afterLast('.');
  Decoder decode = decoderFor(extension);
  if (!decode) {
    reportLine("Bitmap::Bitmap(file): ERROR: Unknown bitmap extension '%s' !\n", extension.c_str());
    return;
  }
  DecodedPicture picture;
  bool decoded = decode(data->data(), data->size(), picture);
  // A picture that fails keeps the size its decoder had read, without pixels.
  width_ = picture.width;
  height_ = picture.height;
  if (!decoded) {
    reportLine("Bitmap::Bitmap(file): ERROR: Unable to initialize the bitmap '%s' !\n", name.c_str());
    return;
  }
  pixels_ = std::move(picture.pixels);
}
