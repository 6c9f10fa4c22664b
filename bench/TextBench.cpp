// One line of text: what a screen pays for each line it writes, measured with the fonts the
// build made (gfx.arc beside this program).
#include "gfx/FontManager.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// The fonts on a headless platform, for one benchmark's run.
struct Fonts {
  Fonts() { platform::setCurrent(&backend); }
  ~Fonts() {
    FontManager::destroy();
    platform::setCurrent(nullptr);
  }
  platform::HeadlessPlatform backend;
  const FontManager& get() const { return FontManager::instance(); }
};

const String kLine("The dragon Ashwing guards Millbrook: 42!");  // 40 characters

void drawTextLine(benchmark::State& state) {
  Fonts fonts;
  std::vector<uint16_t> framebuffer(320 * 240, 0);
  const int font = int(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(fonts.get().drawText(font, 2, 120, kLine, framebuffer.data(), AlignLeft, 1000));
    benchmark::ClobberMemory();
  }
  state.SetLabel(font == 4 ? "big" : font == 3 ? "small" : "little");
}
BENCHMARK(drawTextLine)->Arg(4)->Arg(3)->Arg(11)->Unit(benchmark::kMicrosecond);

void measureTextLine(benchmark::State& state) {
  Fonts fonts;
  for (auto _ : state) benchmark::DoNotOptimize(fonts.get().textWidth(4, kLine));
}
BENCHMARK(measureTextLine);

}  // namespace
