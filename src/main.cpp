// The program entry: options, the platform backend, the script, the game.
#include "GameApplication.h"
#include "Options.h"
#include "Preferences.h"
#include "app/ExitCleanUp.h"
#include "app/Recorder.h"
#include "app/Script.h"
#include "core/Memory.h"
#include "core/Random.h"
#include "core/Timer.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sound/Sound.h"
#ifdef NUPAVANE_DESKTOP
#include "platform/sdl/SdlPlatform.h"
#endif

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

std::string programFolder() {
  std::string path = platform::programPath();
  return path.substr(0, path.find_last_of('/') + 1);
}

// Where the archives are read and the game's files kept: beside a program in its build
// folder, the data folder and the user's folders for an installed one, or where the
// command line says.
void chooseFolders(const Options& options) {
  const std::string program = programFolder();
  platform::FolderRequest request{options.dataDir, options.saveDir};
  platform::setGameFolders(platform::chooseFolders(program, platform::installedArchiveFolder(program), request,
                                                   platform::currentEnvironment()));
}

// The preferences file in the configuration folder; without one every default holds.
Preferences readPreferences() {
  const std::string path = platform::gameFolders().config + kPreferencesFileName;
  auto bytes = platform::readFile(path);
  if (!bytes) return {};
  std::vector<std::string> complaints;
  Preferences preferences =
      parsePreferences(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), complaints);
  for (const std::string& complaint : complaints)
    std::fprintf(stderr, "nupavane: %s:%s; the line is skipped\n", path.c_str(), complaint.c_str());
  std::fflush(stderr);
  return preferences;
}

std::unique_ptr<platform::Platform> createPlatform(const Options& options, const Preferences& preferences) {
  if (options.headless) {
    platform::HeadlessOptions headless;
    headless.displayType = options.displayType;
    headless.fps = options.fps;
    headless.frameDir = options.screenshotDir;
    return std::make_unique<platform::HeadlessPlatform>(headless);
  }
#ifdef NUPAVANE_DESKTOP
  const platform::DesktopPreferences chosen = withOptions(preferences.desktop, options);
  platform::DesktopOptions desktop;
  desktop.scale = chosen.scale;
  desktop.fullscreen = chosen.fullscreen;
  desktop.pauseWhenUnfocused = chosen.pauseWhenUnfocused;
  desktop.keys = chosen.keys;
  desktop.fps = options.fps;
  desktop.screenshotDir = options.screenshotDir.empty() ? "." : options.screenshotDir;
  // The lock lives with the sound log; without its folder there is no lock to hold.
  const std::string state = platform::gameFolders().state;
  if (platform::prepareFolder(state)) desktop.lockPath = state + "nupavane.lock";
  std::string error;
  auto backend = platform::createDesktopPlatform(desktop, error);
  if (!backend && error == platform::kNoDisplay) {
    std::fprintf(stderr,
                 "nupavane: cannot open a window: %s.\n"
                 "Play headless with a script:  nupavane --headless --script FILE\n"
                 "or in a virtual display:      xvfb-run -a nupavane\n",
                 error.c_str());
  } else if (!backend) {
    std::fprintf(stderr, "nupavane: cannot open a window: %s\n", error.c_str());
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
  chooseFolders(options);
  if (!GameApplication::checkArchives()) return kExitCannotStart;
  const Preferences preferences = readPreferences();
  // How the computer plays its rulers: the option, else the preference, else the game's own move.
  setComputerKind(options.computer.value_or(preferences.computer.value_or(ComputerKind::Classic)));

  auto backend = createPlatform(options, preferences);
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
  Sound::setVolumes(preferences.desktop.musicVolume, preferences.desktop.effectsVolume);
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
