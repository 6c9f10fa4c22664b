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

template <bool (*decode)(const uint8_t*, size_t, DecodedPicture&)>
void decodeWith(benchmark::State& state, const std::vector<uint8_t>& file) {
  for (auto _ : state) {
    DecodedPicture picture;
    benchmark::DoNotOptimize(decode(file.data(), file.size(), picture));
  }
}

void gameBmp(benchmark::State& state) { decodeWith<decodeBmp>(state, bmpFile()); }
void gameGif(benchmark::State& state) { decodeWith<decodeGif>(state, gifFile()); }
void gameJpeg(benchmark::State& state) { decodeWith<decodeJpeg>(state, jpegFile()); }
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
BENCHMARK(gameBmp)->Unit(benchmark::kMicrosecond);
BENCHMARK(gameGif)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainGiflib)->Unit(benchmark::kMicrosecond);
BENCHMARK(gameJpeg)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainLibjpeg)->Unit(benchmark::kMicrosecond);

// A full-screen picture with a magenta diagonal pattern: a quarter of it masked.
Bitmap fullScreenPicture() {
  Bitmap b(kW, kH);
  for (int i = 0; i < kW * kH; ++i) b.getPixels()[i] = (i % 4 == 0) ? 0xF81F : uint16_t(i * 7);
  return b;
}

void drawOpaque(benchmark::State& state) {
  Bitmap picture = fullScreenPicture();
  std::vector<uint16_t> framebuffer(kW * kH);
  for (auto _ : state) {
    picture.draw(0, 0, framebuffer.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * kW * kH * 2);
}

void drawMasked(benchmark::State& state) {
  Bitmap picture = fullScreenPicture();
  std::vector<uint16_t> framebuffer(kW * kH);
  for (auto _ : state) {
    picture.draw(0, 0, framebuffer.data(), 0xF81F);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * kW * kH * 2);
}

// Half of it off the left edge: clipping must not cost more than it saves.
void drawMaskedClipped(benchmark::State& state) {
  Bitmap picture = fullScreenPicture();
  std::vector<uint16_t> framebuffer(kW * kH);
  for (auto _ : state) {
    picture.draw(-kW / 2, 0, framebuffer.data(), 0xF81F);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(drawOpaque)->Unit(benchmark::kMicrosecond);
BENCHMARK(drawMasked)->Unit(benchmark::kMicrosecond);
BENCHMARK(drawMaskedClipped)->Unit(benchmark::kMicrosecond);

}  // namespace
