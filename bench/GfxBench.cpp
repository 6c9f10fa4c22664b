// What pictures cost: decoding a full-screen picture of each format, against the plain
// library decoding the same data (GIFLIB to colour indices, libjpeg to RGB), and drawing
// a full screen opaque and masked.
#include "gfx/Bitmap.h"
#include "gfx/Decoders.h"
#include "gfx/ReferenceDecoders.h"
#include "gfx/TestPictures.h"

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kW = 320, kH = 240;

const std::vector<uint8_t>& bmpFile() {
  static const std::vector<uint8_t> file = writeBmp24(patternImage(kW, kH));
  return file;
}
const std::vector<uint8_t>& gifFile() {
  static const std::vector<uint8_t> file = writeGif(indexedPattern(kW, kH, 200));
  return file;
}
const std::vector<uint8_t>& jpegFile() {
  static const std::vector<uint8_t> file = writeJpeg(patternImage(kW, kH), 85);
  return file;
}

void decodeWith(benchmark::State& state, bool (*decode)(const uint8_t*, size_t, DecodedPicture&),
                const std::vector<uint8_t>& (*file)()) {
  const std::vector<uint8_t>& bytes = file();
  for (auto _ : state) {
    DecodedPicture picture;
    benchmark::DoNotOptimize(decode(bytes.data(), bytes.size(), picture));
  }
}

// GIFLIB's whole-file read alone: the colour indices, no colours.
struct GifInput {
  const std::vector<uint8_t>* bytes;
  size_t position;
};

int readGifInput(GifFileType* gif, GifByteType* target, int count) {
  auto* in = static_cast<GifInput*>(gif->UserData);
  size_t n = std::min(size_t(count), in->bytes->size() - in->position);
  std::memcpy(target, in->bytes->data() + in->position, n);
  in->position += n;
  return int(n);
}

void plainGiflib(benchmark::State& state) {
  for (auto _ : state) {
    GifInput in{&gifFile(), 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&in, readGifInput, &error);
    benchmark::DoNotOptimize(DGifSlurp(gif));
    DGifCloseFile(gif, &error);
  }
}
void plainLibjpeg(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(libjpegDecode(jpegFile()));
}
BENCHMARK_CAPTURE(decodeWith, gameBmp, decodeBmp, bmpFile)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(decodeWith, gameGif, decodeGif, gifFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainGiflib)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(decodeWith, gameJpeg, decodeJpeg, jpegFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainLibjpeg)->Unit(benchmark::kMicrosecond);

// A full-screen picture with a magenta diagonal pattern: a quarter of it masked.
Bitmap fullScreenPicture() {
  Bitmap b(kW, kH);
  for (int i = 0; i < kW * kH; ++i) b.getPixels()[i] = (i % 4 == 0) ? 0xF81F : uint16_t(i * 7);
  return b;
}

// Opaque and masked at the origin; masked with half of it off the left edge, where
// clipping must not cost more than it saves.
// The bytes counted are those of the picture's part on the screen.
void draw(benchmark::State& state, int x, uint16_t mask) {
  Bitmap picture = fullScreenPicture();
  std::vector<uint16_t> framebuffer(kW * kH);
  for (auto _ : state) {
    picture.draw(x, 0, framebuffer.data(), mask);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * (kW - std::abs(x)) * kH * 2);
}
BENCHMARK_CAPTURE(draw, opaque, 0, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(draw, masked, 0, 0xF81F)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(draw, maskedClipped, -kW / 2, 0xF81F)->Unit(benchmark::kMicrosecond);

}  // namespace
