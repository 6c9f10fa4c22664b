#include "image/Encode.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>
#include <map>
#include <unordered_map>

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "nupavane-content: %s\n", what);
  std::exit(1);
}

using Colour = std::array<uint8_t, 3>;

uint32_t pack(const uint8_t* c) { return uint32_t(c[0]) << 16 | uint32_t(c[1]) << 8 | c[2]; }
Colour unpack(uint32_t v) { return {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)}; }

// Median cut: the box of colours with the widest channel range is split at its weighted
// median until there are enough boxes; each box gives its weighted mean.
struct Box {
  std::vector<std::pair<uint32_t, uint32_t>> colours;  // colour, count
  int widestChannel() const {
    int best = 0, bestRange = -1;
    for (int ch = 0; ch < 3; ++ch) {
      int lo = 255, hi = 0;
      for (auto& [c, n] : colours) {
        int v = int(unpack(c)[size_t(ch)]);
        lo = std::min(lo, v), hi = std::max(hi, v);
      }
      if (hi - lo > bestRange) bestRange = hi - lo, best = ch;
    }
    return bestRange <= 0 ? -1 : best;
  }
  Colour mean() const {
    uint64_t sum[3] = {}, total = 0;
    for (auto& [c, n] : colours) {
      Colour rgb = unpack(c);
      for (int ch = 0; ch < 3; ++ch) sum[ch] += uint64_t(rgb[size_t(ch)]) * n;
      total += n;
    }
    return {uint8_t(sum[0] / total), uint8_t(sum[1] / total), uint8_t(sum[2] / total)};
  }
};

std::vector<Colour> medianCut(const std::map<uint32_t, uint32_t>& histogram, size_t wanted) {
  std::vector<Box> boxes(1);
  for (auto& entry : histogram) boxes[0].colours.push_back(entry);
  while (boxes.size() < wanted) {
    size_t pick = boxes.size();
    uint64_t pickWeight = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].colours.size() < 2 || boxes[i].widestChannel() < 0) continue;
      uint64_t weight = 0;
      for (auto& [c, n] : boxes[i].colours) weight += n;
      if (weight > pickWeight) pickWeight = weight, pick = i;
    }
    if (pick == boxes.size()) break;
    Box& box = boxes[pick];
    const int ch = box.widestChannel();
    std::sort(box.colours.begin(), box.colours.end(),
              [ch](auto& a, auto& b) { return unpack(a.first)[size_t(ch)] < unpack(b.first)[size_t(ch)]; });
    uint64_t half = pickWeight / 2, run = 0;
    size_t cut = 1;
    for (; cut < box.colours.size() - 1; ++cut) {
      run += box.colours[cut - 1].second;
      if (run >= half) break;
    }
    Box upper;
    upper.colours.assign(box.colours.begin() + long(cut), box.colours.end());
    box.colours.resize(cut);
    boxes.push_back(std::move(upper));
  }
  std::vector<Colour> palette;
  for (const Box& box : boxes) palette.push_back(box.mean());
  return palette;
}

int nearest(const std::vector<Colour>& palette, const uint8_t* c, size_t from) {
  int best = int(from);
  long bestDistance = -1;
  for (size_t i = from; i < palette.size(); ++i) {
    long dr = long(palette[i][0]) - c[0], dg = long(palette[i][1]) - c[1], db = long(palette[i][2]) - c[2];
    long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (bestDistance < 0 || d < bestDistance) bestDistance = d, best = int(i);
  }
  return best;
}

int writeToVector(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
  out->insert(out->end(), bytes, bytes + length);
  return length;
}

}  // namespace

std::vector<uint8_t> encodeBmp(const RgbPixels& picture) {
  const uint32_t rowBytes = (uint32_t(picture.width) * 3 + 3) & ~3u;
  const uint32_t dataBytes = rowBytes * uint32_t(picture.height);
  std::vector<uint8_t> out;
  out.reserve(54 + dataBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, 54 + dataBytes);  // the file size must be exact
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);  // BITMAPINFOHEADER, nothing newer
  put32(out, uint32_t(picture.width));
  put32(out, uint32_t(picture.height));  // positive: bottom-up
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);
  put32(out, dataBytes);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const uint8_t* c = picture.at(x, y);
      out.push_back(c[2]), out.push_back(c[1]), out.push_back(c[0]);
    }
    for (uint32_t pad = uint32_t(picture.width) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<uint8_t> encodeGif(const RgbPixels& picture) {
  std::map<uint32_t, uint32_t> histogram;
  bool hasKey = false;
  for (size_t i = 0; i < picture.rgb.size(); i += 3) {
    if (std::memcmp(&picture.rgb[i], kKeyRgb, 3) == 0) {
      hasKey = true;
      continue;
    }
    ++histogram[pack(&picture.rgb[i])];
  }
  // The key colour, when used, is entry 0 and matched only by itself.
  std::vector<Colour> palette;
  if (hasKey) palette.push_back({kKeyRgb[0], kKeyRgb[1], kKeyRgb[2]});
  const size_t room = 256 - palette.size();
  if (histogram.size() <= room) {
    for (auto& [c, n] : histogram) palette.push_back(unpack(c));
  } else {
    for (const Colour& c : medianCut(histogram, room)) palette.push_back(c);
  }
  const size_t firstPainted = hasKey ? 1 : 0;
  while (palette.size() < 2) palette.push_back({0, 0, 0});
  int bits = 1;
  while ((1u << bits) < palette.size()) ++bits;
  const size_t tableSize = size_t(1) << bits;

  std::unordered_map<uint32_t, uint8_t> cache;
  std::vector<uint8_t> indices(size_t(picture.width) * picture.height);
  for (size_t i = 0; i < indices.size(); ++i) {
    const uint8_t* c = &picture.rgb[i * 3];
    if (hasKey && std::memcmp(c, kKeyRgb, 3) == 0) {
      indices[i] = 0;
      continue;
    }
    auto [slot, fresh] = cache.try_emplace(pack(c), 0);
    if (fresh) slot->second = uint8_t(nearest(palette, c, firstPainted));
    indices[i] = slot->second;
  }

  std::vector<GifColorType> colours(tableSize, GifColorType{0, 0, 0});
  for (size_t i = 0; i < palette.size(); ++i) colours[i] = {palette[i][0], palette[i][1], palette[i][2]};
  std::vector<uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, writeToVector, &error);
  if (!gif) fail("cannot start a GIF");
  ColorMapObject* map = GifMakeMapObject(int(tableSize), colours.data());
  bool ok = EGifPutScreenDesc(gif, picture.width, picture.height, bits, 0, map) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < picture.height; ++y)
    ok = EGifPutLine(gif, indices.data() + size_t(y) * picture.width, picture.width) == GIF_OK;
  GifFreeMapObject(map);
  if (EGifCloseFile(gif, &error) != GIF_OK || !ok) fail("cannot write a GIF");
  return out;
}

std::vector<uint8_t> encodeJpeg(const RgbPixels& picture, int quality, bool keyed) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(picture.width);
  cinfo.image_height = JDIMENSION(picture.height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, keyed ? 100 : quality, TRUE);
  if (keyed)
    for (int i = 0; i < cinfo.num_components; ++i) cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<uint8_t*>(picture.at(0, int(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}
