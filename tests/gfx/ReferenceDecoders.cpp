#include "ReferenceDecoders.h"

#include <algorithm>
#include <cstdio>  // before jpeglib.h
#include <cstring>
#include <gif_lib.h>
#include <jpeglib.h>

std::optional<RgbImage> libjpegDecode(const std::vector<uint8_t>& bytes) {
  jpeg_decompress_struct d;
  jpeg_error_mgr errors;
  d.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&d);
  jpeg_mem_src(&d, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&d, TRUE);
  d.out_color_space = JCS_RGB;
  jpeg_start_decompress(&d);
  RgbImage image{int(d.output_width), int(d.output_height), {}};
  image.rgb.resize(size_t(image.width) * image.height * 3);
  while (d.output_scanline < d.output_height) {
    JSAMPROW row = &image.rgb[size_t(d.output_scanline) * image.width * 3];
    jpeg_read_scanlines(&d, &row, 1);
  }
  jpeg_finish_decompress(&d);
  jpeg_destroy_decompress(&d);
  return image;
}

namespace {

struct Input {
  const std::vector<uint8_t>* bytes;
  size_t position;
};

int readInput(GifFileType* gif, GifByteType* target, int count) {
  auto* in = static_cast<Input*>(gif->UserData);
  size_t n = std::min(size_t(count), in->bytes->size() - in->position);
  std::memcpy(target, in->bytes->data() + in->position, n);
  in->position += n;
  return int(n);
}

}  // namespace

std::optional<RgbImage> giflibDecode(const std::vector<uint8_t>& bytes) {
  Input in{&bytes, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&in, readInput, &error);
  if (!gif) return std::nullopt;
  std::optional<RgbImage> result;
  if (DGifSlurp(gif) == GIF_OK && gif->SColorMap && gif->ImageCount > 0) {
    const SavedImage& frame = gif->SavedImages[0];
    RgbImage image{frame.ImageDesc.Width, frame.ImageDesc.Height, {}};
    for (int i = 0; i < image.width * image.height; ++i) {
      const GifColorType& c = gif->SColorMap->Colors[frame.RasterBits[i]];
      image.rgb.insert(image.rgb.end(), {c.Red, c.Green, c.Blue});
    }
    result = image;
  }
  DGifCloseFile(gif, &error);
  return result;
}
