// An application on the headless backend for tests: opened, published, no game.
#pragma once

#include "app/Application.h"
#include "app/ScreenManager.h"
#include "gfx/FontManager.h"
#include "platform/Files.h"
#include "platform/headless/HeadlessPlatform.h"
#include "res/ResourceArchive.h"
#include "support/TestContent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// "Suite.test" of the test that runs, to name what it writes.
inline std::string currentTestName() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  return test ? std::string(test->test_suite_name()) + "." + test->name() : "outside-a-test";
}

class TestApplication : public Application {
public:
  explicit TestApplication(platform::Platform& platform) : Application(platform) {}
  ~TestApplication() = default;
  void start() override {}
};

// The program lives in a folder of the test's own: when the test has not placed it, the rig
// makes one with the small test archive, so no test opens or writes the archives beside the
// real program. What the rig leaves open (the archive, the fonts) it closes, so the next
// test, in the same process, opens its own.
struct TestRig {
  explicit TestRig(const platform::HeadlessOptions& options = {})
      : folder(placeProgram()), backend(options), app(backend) {
    platform::setCurrent(&backend);
    app.open();
    ScreenManager::instance().clear();
  }
  ~TestRig() {
    ScreenManager::instance().clear();
    platform::setCurrent(nullptr);
    FontManager::destroy();
    closeGraphicsArchive();
    platform::setProgramPath("");
  }
  TestRig(const TestRig&) = delete;
  TestRig& operator=(const TestRig&) = delete;

  static std::string placeProgram() {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path placed = platform::programPath();
    if (placed != real) return placed.parent_path().string();
    closeGraphicsArchive();
    return testcontent::writeGraphicsArchive("rig-" + currentTestName());
  }

  // Posts a stylus message at a point of the landscape picture.
  void stylus(uint32_t message, int x, int y) {
    backend.postMessage({message, 0, platform::landscapeToLParam(x, y)});
  }
  void key(uint32_t message, uint32_t code) { backend.postMessage({message, code, 0}); }

  std::string folder;  // where the program is placed
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
