#include "hatchery/OpaqueJpeg.h"

#include "hatchery/RoomKit.h"
#include "image/Encode.h"

#include <cstdio>
#include <jpeglib.h>

namespace rooms {
namespace {

// Counts the decoded pixels that convert to the key colour; -1 when the bytes do not decode.
long keyPixelsAfterDecoding(const std::vector<uint8_t>& bytes) {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return -1;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  std::vector<uint8_t> row(size_t(info.output_width) * 3);
  long keyed = 0;
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    for (size_t x = 0; x < info.output_width; ++x)
      if (isKeyColour(row[x * 3], row[x * 3 + 1], row[x * 3 + 2])) ++keyed;
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return keyed;
}

}  // namespace

std::vector<uint8_t> opaqueJpeg(const std::string& name, const RgbPixels& picture, int quality) {
  std::vector<uint8_t> bytes = encodeJpeg(picture, quality);
  const long keyed = keyPixelsAfterDecoding(bytes);
  if (keyed != 0)
    failContent("'" + name + "': " + (keyed < 0 ? std::string("does not decode") : std::to_string(keyed) + " pixels decode as the key colour"));
  return bytes;
}

}  // namespace rooms
