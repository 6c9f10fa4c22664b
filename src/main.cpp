// The program entry: options, the platform backend, the script, the game.
#include "GameApplication.h"
#include "Options.h"
#include "app/ExitCleanUp.h"
#include "app/Recorder.h"
#include "app/Script.h"
#include "core/Memory.h"
#include "core/Random.h"
#include "core/Timer.h"
#include "platform/Files.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sound/Sound.h"
#ifdef NUPAVANE_DESKTOP
#include "platform/sdl/SdlPlatform.h"
#endif

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int kExitCannotStart = 1;
constexpr int kExitUsage = 2;

// Lives as long as the process: the game may end through std::exit from inside the pump,
// and the exit clean-up then writes the recording's last wait.
SessionRecorder recorder;

void finishRecording() {
  if (recorder.isOpen()) recorder.finish(now());
}

// The seed from the command line, else the script's, else a fresh one the player is told,
// so that a surprising run can be replayed.
uint32_t chooseSeed(const Options& options, const ScriptRunner& script) {
  if (options.seed) return *options.seed;
  if (script.seed()) return *script.seed();
  const uint32_t seed = freshSeed();
  std::fprintf(stderr, "nupavane: seed %u (play this game again with --seed %u)\n", unsigned(seed), unsigned(seed));
  std::fflush(stderr);
  return seed;
}

#ifdef NUPAVANE_DESKTOP
std::string programFolder() {
  std::string path = platform::programPath();
  return path.substr(0, path.find_last_of('/') + 1);
}
#endif

std::unique_ptr<platform::Platform> createPlatform(const Options& options) {
  if (options.headless) {
    platform::HeadlessOptions headless;
    headless.displayType = options.displayType;
    headless.fps = options.fps;
    headless.frameDir = options.screenshotDir;
    return std::make_unique<platform::HeadlessPlatform>(headless);
  }
#ifdef NUPAVANE_DESKTOP
  platform::DesktopOptions desktop;
  desktop.scale = options.scale;
  desktop.fullscreen = options.fullscreen;
  desktop.fps = options.fps;
  desktop.screenshotDir = options.screenshotDir.empty() ? "." : options.screenshotDir;
  desktop.lockPath = programFolder() + "nupavane.lock";
  std::string error;
  auto backend = platform::createDesktopPlatform(desktop, error);
  if (!backend) {
    std::fprintf(stderr,
                 "nupavane: cannot open a window: %s.\n"
                 "Play headless with a script:  nupavane --headless --script FILE\n"
                 "or in a virtual display:      xvfb-run -a nupavane\n",
                 error.c_str());
  }
  return backend;
#else
  std::fprintf(stderr, "nupavane: built without a desktop backend; use --headless\n");
  return nullptr;
#endif
}

bool loadScript(const Options& options, ScriptRunner& runner) {
  std::string text;
  if (!options.script.empty()) {
    auto bytes = platform::readFile(options.script);
    if (!bytes) {
      std::fprintf(stderr, "nupavane: cannot read the script '%s'\n", options.script.c_str());
      return false;
    }
    text.assign(bytes->begin(), bytes->end());
  }
  std::string error;
  if (!runner.load(text, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return false;
  }
  // Headless, the game ends with its script: without one, right after the first frame.
  runner.setExitAtEnd(options.headless);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::string error;
  if (!parseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "nupavane: %s\n%s", error.c_str(), usageText());
    return kExitUsage;
  }
  if (options.help) {
    std::fputs(usageText(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("nuPavane %s\n", GameApplication::getVersion().c_str());
    return 0;
  }
  auto backend = createPlatform(options);
  if (!backend) return kExitCannotStart;
  platform::setCurrent(backend.get());
  installOutOfMemoryHandler();

  ScriptRunner script(*backend);
  bool scripted = options.headless || !options.script.empty();
  if (scripted && !loadScript(options, script)) return kExitUsage;
  const uint32_t seed = chooseSeed(options, script);
  seedRandom(seed);
  if (!options.record.empty()) {
    if (!recorder.open(options.record, seed, error)) {
      std::fprintf(stderr, "nupavane: %s\n", error.c_str());
      return kExitCannotStart;
    }
    atExitCleanUp(finishRecording);
  }

  // Headless, in tests and with --no-sound the mixer runs on the silent driver.
  Sound::useAudioDevice(!options.headless && !options.noSound);
  GameApplication app(*backend);
  if (scripted) app.setScript(&script);
  if (recorder.isOpen()) app.setRecorder(&recorder);
  if (app.open() != Application::OpenResult::Opened) return kExitCannotStart;
  app.start();
  app.setFullScreen(false);
  finishRecording();
  if (scripted && !script.finished()) {
    std::fprintf(stderr, "script:%d: not reached: the game ended\n", script.pendingLine());
    return ScriptRunner::kExitFailed;
  }
  return 0;
}
