#include "ReferenceDecoders.h"

#include <cstdio>  // before jpeglib.h
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
