// An application on the headless backend for tests: opened, published, no game.
#pragma once

#include "app/Application.h"
#include "app/ScreenManager.h"
#include "platform/headless/HeadlessPlatform.h"

#include <memory>

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
