#include "stats/JpegCheck.h"

#include "image/Encode.h"
#include "mage/PaintKit.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace stats {

namespace {

struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf escape;
};

void escapeOnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->escape, 1); }

}  // namespace

bool decodeJpeg(const std::vector<uint8_t>& bytes, RgbPixels& out) {
  jpeg_decompress_struct info{};
  ErrorTrap trap{};
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = escapeOnError;
  if (setjmp(trap.escape)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out = RgbPixels{int(info.output_width), int(info.output_height),
                  std::vector<uint8_t>(size_t(info.output_width) * info.output_height * 3)};
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.at(0, int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

long keyMismatches(const std::vector<uint8_t>& bytes, int width, int height,
                   const std::function<bool(int, int)>& wantKey) {
  RgbPixels decoded;
  if (!decodeJpeg(bytes, decoded) || decoded.width != width || decoded.height != height) return long(width) * height;
  long wrong = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint8_t* c = decoded.at(x, y);
      if (isKeyColour(c[0], c[1], c[2]) != wantKey(x, y)) ++wrong;
    }
  return wrong;
}

std::vector<uint8_t> checkedJpeg(const std::string& name, const RgbPixels& picture, bool keyed, int quality) {
  std::vector<uint8_t> bytes = encodeJpeg(picture, quality, keyed);
  const long wrong = keyMismatches(bytes, picture.width, picture.height, [&picture](int x, int y) {
    const uint8_t* c = picture.at(x, y);
    return isKeyColour(c[0], c[1], c[2]);
  });
  if (wrong > 0) paintkit::fail("'" + name + "': " + std::to_string(wrong) + " pixels change their key colour in JPEG");
  return bytes;
}

}  // namespace stats
