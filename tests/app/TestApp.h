// An application on the headless backend for tests: opened, published, no game.
#pragma once

#include "app/Application.h"
#include "app/ScreenManager.h"
#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

class TestApplication : public Application {
public:
  explicit TestApplication(platform::Platform& platform) : Application(platform) {}
  ~TestApplication() = default;
  void start() override {}
};

struct TestRig {
  explicit TestRig(const platform::HeadlessOptions& options = {}) : backend(options), app(backend) {
    platform::setCurrent(&backend);
    app.open();
    ScreenManager::instance().clear();
  }
  ~TestRig() {
    ScreenManager::instance().clear();
    platform::setCurrent(nullptr);
  }
  // Posts a stylus message at a point of the landscape picture.
  void stylus(uint32_t message, int x, int y) {
    backend.postMessage({message, 0, platform::landscapeToLParam(x, y)});
  }
  void key(uint32_t message, uint32_t code) { backend.postMessage({message, code, 0}); }

  platform::HeadlessPlatform backend;
  TestApplication app;
};

inline platform::HeadlessOptions displayType(int type) {
  platform::HeadlessOptions options;
  options.displayType = type;
  return options;
}

// The virtual tick at which each frame went out, to tell how long each one stayed up.
struct PresentTimes {
  explicit PresentTimes(platform::HeadlessPlatform& backend) {
    backend.onPresent = [this, &backend] { ticks.push_back(backend.tickCount()); };
  }
  // The shortest time a frame among ticks[first .. last) stayed before the next came.
  uint32_t shortestHold(size_t first, size_t last) const {
    uint32_t shortest = UINT32_MAX;
    for (size_t i = first; i + 1 < last && i + 1 < ticks.size(); ++i) shortest = std::min(shortest, ticks[i + 1] - ticks[i]);
    return shortest;
  }
  std::vector<uint32_t> ticks;
};
