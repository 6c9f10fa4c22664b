// What a frame costs the game: the copy of the framebuffer to each panel layout, and a
// whole cross-fade between two screens.
#include "app/TestApp.h"

#include <benchmark/benchmark.h>

namespace {

void presentFrame(benchmark::State& state) {
  platform::HeadlessOptions options;
  options.displayType = int(state.range(0));
  TestRig rig(options);
  rig.app.turned = state.range(1) != 0;
  for (auto _ : state) rig.app.update(true);
  state.SetLabel("display type " + std::to_string(state.range(0)) + (rig.app.turned ? ", turned" : ""));
}
BENCHMARK(presentFrame)->Args({1, 1})->Args({1, 0})->Args({3, 1})->Unit(benchmark::kMicrosecond);

class Plain : public Screen {
public:
  void getName(String& out) override { out = "PLAIN"; }
};

void crossFade(benchmark::State& state) {
  TestRig rig;
  Plain screen;
  for (auto _ : state) ScreenManager::instance().showScreen(&screen, true, 0);
}
BENCHMARK(crossFade)->Unit(benchmark::kMillisecond);

}  // namespace
