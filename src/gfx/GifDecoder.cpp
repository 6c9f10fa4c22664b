// GIF through GIFLIB: the logical screen becomes the picture; the first frame's raster is
// placed inside it by the frame's own rectangle and coloured through the global colour
// table. Local colour tables, transparency and further frames are ignored. Rows are stored
// top-down, so row y is position h - 1 - y of every column run.
#include "gfx/Colour.h"
#include "gfx/Decoders.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

struct MemoryInput {
  const uint8_t* data;
  size_t size;
  size_t position;
};

// Copies up to `count` bytes from the current position on; 0 once the data is used up.
int readFromMemory(GifFileType* gif, GifByteType* target, int count) {
  auto* in = static_cast<MemoryInput*>(gif->UserData);
  if (count <= 0) return 0;
  size_t n = std::min(size_t(count), in->size - in->position);
  if (n > 0) std::memcpy(target, in->data + in->position, n);
  in->position += n;
  return int(n);
}

class GifReader {
public:
  GifReader(const uint8_t* data, size_t size) : input_{data, size, 0} {
    int error = 0;
    gif_ = DGifOpen(&input_, readFromMemory, &error);
  }
  ~GifReader() {
    int error = 0;
    if (gif_) DGifCloseFile(gif_, &error);  // frees gif_ even when it reports an error
  }
  GifReader(const GifReader&) = delete;
  GifReader& operator=(const GifReader&) = delete;

  GifFileType* file() const { return gif_; }

  // Reads every record up to the trailer, as GIFLIB's whole-file read does, keeping the
  // first frame's raster. Unlike that read, a frame of absurd size is refused before its
  // raster is allocated. Fails on a read error, a missing trailer or a file without frames.
  bool readAll() {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    do {
      if (DGifGetRecordType(gif_, &type) == GIF_ERROR) return false;
      if (type == IMAGE_DESC_RECORD_TYPE && !readFrame()) return false;
      if (type == EXTENSION_RECORD_TYPE && !skipExtension()) return false;
    } while (type != TERMINATE_RECORD_TYPE);
    return frames_ > 0;
  }

  const GifImageDesc& firstFrame() const { return first_; }
  const std::vector<GifPixelType>& firstRaster() const { return firstRaster_; }

private:
  bool readFrame() {
    if (DGifGetImageDesc(gif_) == GIF_ERROR) return false;
    const GifImageDesc& desc = gif_->Image;
    if (!isSensiblePictureSize(desc.Width, desc.Height)) return false;
    std::vector<GifPixelType>& raster = frames_ == 0 ? firstRaster_ : scratch_;
    if (frames_ == 0) first_ = desc;
    raster.resize(size_t(desc.Width) * size_t(desc.Height));
    if (!readRaster(desc, raster.data())) return false;
    ++frames_;
    return true;
  }

  // Interlaced frames come in four passes of rows; they are put back in order.
  bool readRaster(const GifImageDesc& desc, GifPixelType* raster) {
    if (!desc.Interlace) return DGifGetLine(gif_, raster, desc.Width * desc.Height) != GIF_ERROR;
    static constexpr int kFirstRow[] = {0, 4, 2, 1};
    static constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
      for (int row = kFirstRow[pass]; row < desc.Height; row += kStep[pass])
        if (DGifGetLine(gif_, raster + size_t(row) * size_t(desc.Width), desc.Width) == GIF_ERROR) return false;
    return true;
  }

  bool skipExtension() {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif_, &code, &block) == GIF_ERROR) return false;
    while (block)
      if (DGifGetExtensionNext(gif_, &block) == GIF_ERROR) return false;
    return true;
  }

  MemoryInput input_;
  GifFileType* gif_ = nullptr;
  int frames_ = 0;
  GifImageDesc first_{};
  std::vector<GifPixelType> firstRaster_;
  std::vector<GifPixelType> scratch_;
};

// The colour table in RGB565 for every possible index; indices beyond the table (a
// damaged file) give black.
std::array<uint16_t, 256> coloursOf(const ColorMapObject& map) {
  std::array<uint16_t, 256> colours{};
  int count = std::clamp(map.ColorCount, 0, int(colours.size()));
  for (int i = 0; i < count; ++i) colours[size_t(i)] = rgb565(map.Colors[i].Red, map.Colors[i].Green, map.Colors[i].Blue);
  return colours;
}

// The screen in the background colour, the frame on it where it overlaps the screen.
// Walked column by column, so that the writes go along the column runs.
void placeFirstFrame(const GifReader& reader, const ColorMapObject& map, DecodedPicture& out) {
  std::array<uint16_t, 256> colours = coloursOf(map);
  int w = out.width, h = out.height;
  out.pixels.assign(size_t(w) * size_t(h), colours[uint8_t(reader.file()->SBackGroundColor)]);
  const GifImageDesc& frame = reader.firstFrame();
  const GifPixelType* raster = reader.firstRaster().data();
  int x0 = std::max(0, frame.Left), x1 = std::min(w, frame.Left + frame.Width);
  int y0 = std::max(0, frame.Top), y1 = std::min(h, frame.Top + frame.Height);
  for (int x = x0; x < x1; ++x) {
    const GifPixelType* column = raster + (x - frame.Left);
    for (int y = y0; y < y1; ++y)
      out.pixels[columnRunIndex(x, y, h)] = colours[column[size_t(y - frame.Top) * size_t(frame.Width)]];
  }
}

}  // namespace

bool decodeGif(const uint8_t* data, size_t size, DecodedPicture& out) {
  out = DecodedPicture{};
  if (!data) return false;
  GifReader reader(data, size);
  GifFileType* gif = reader.file();
  if (!gif) return false;
  if (!isSensiblePictureSize(gif->SWidth, gif->SHeight)) return false;
  if (!reader.readAll() || !gif->SColorMap) return false;
  out.width = int16_t(gif->SWidth);
  out.height = int16_t(gif->SHeight);
  placeFirstFrame(reader, *gif->SColorMap, out);
  return true;
}
