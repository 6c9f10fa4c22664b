// One line of text: what a screen pays for each line it writes, measured with the fonts the
// build made (gfx.arc beside this program).
#include "gfx/FontManager.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void drawTextLine(benchmark::State& state) {
  platform::HeadlessPlatform backend;
  platform::setCurrent(&backend);
  const FontManager& fonts = FontManager::instance();
  std::vector<uint16_t> framebuffer(320 * 240, 0);
  const String line("The dragon Ashwing guards Millbrook: 42!");  // 40 characters
  const int font = int(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(fonts.drawText(font, 2, 120, line, framebuffer.data(), AlignLeft, 1000));
    benchmark::ClobberMemory();
  }
  state.SetLabel(font == 4 ? "big" : font == 3 ? "small" : "little");
  FontManager::destroy();
  platform::setCurrent(nullptr);
}
BENCHMARK(drawTextLine)->Arg(4)->Arg(3)->Arg(11)->Unit(benchmark::kMicrosecond);

void measureTextLine(benchmark::State& state) {
  platform::HeadlessPlatform backend;
  platform::setCurrent(&backend);
  const FontManager& fonts = FontManager::instance();
  const String line("The dragon Ashwing guards Millbrook: 42!");
  for (auto _ : state) benchmark::DoNotOptimize(fonts.textWidth(4, line));
  FontManager::destroy();
  platform::setCurrent(nullptr);
}
BENCHMARK(measureTextLine);

}  // namespace
