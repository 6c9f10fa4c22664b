#include "platform/sdl/SdlPlatform.h"

#include "platform/Files.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlInput.h"

#include <SDL.h>
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <csignal>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <iostream>
#include <vector>

namespace platform {

namespace {

// Display type 1: the panel is portrait, row after row, two bytes a pixel.
constexpr DisplayProperties kPanelLayout{16, 2, kPanelWidth * 2};
constexpr size_t kPanelBytes = size_t(kPanelWidth) * kPanelHeight * 2;
constexpr const char* kTitle = "nuPavane";

// SDL is process-wide, so its objects live here rather than in the platform object: the
// game may end through std::exit from inside the pump, and then only the exit handler
// gets to close the window and give the display back.
struct SdlSession {
  bool started = false;
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  SdlAudio* audio = nullptr;  // closed first, so that it can still say how it went
};
SdlSession gSession;

// SIGTERM and SIGINT end the game at once, through the exit clean-up, without the
// question a window's close asks: the handler only notes it, the pump ends the game. A game
// that no longer pumps (its display hung) is ended by the alarm's default action instead.
constexpr unsigned kPumpGraceSeconds = 3;
volatile std::sig_atomic_t gTerminate = 0;
void noteTermination(int) {
  gTerminate = 1;
  alarm(kPumpGraceSeconds);
}

void endSdlSession() {
  if (gSession.audio) gSession.audio->close();
  if (gSession.texture) SDL_DestroyTexture(gSession.texture);
  if (gSession.renderer) SDL_DestroyRenderer(gSession.renderer);
  if (gSession.window) SDL_DestroyWindow(gSession.window);
  if (gSession.started) SDL_Quit();
  gSession = SdlSession{};
}

void endSdlSessionAtExit() {
  static bool registered = false;
  if (!registered) registered = std::atexit(endSdlSession) == 0;
}

const char* displayName() {
  const char* name = std::getenv("DISPLAY");
  return name && *name ? name : "(none)";
}

// Xlib's reaction to a display that went away (the X server ended, the session was logged
// out) is to print a line and exit through the exit handlers, which talk to the dead display
// again and hang. The game ends here at once instead: nothing of it is left half-written
// (files beside the program are replaced whole), and its window is gone with the display.
int displayLost(void* /*display*/) {
  char line[160];
  const int n = std::snprintf(line, sizeof line, "nupavane: the display %s went away; the game ends\n", displayName());
  if (n > 0) (void)!::write(STDERR_FILENO, line, size_t(std::min<int>(n, int(sizeof line) - 1)));
  ::_exit(1);
}

// SDL loads Xlib itself; its handler is set through the library SDL loaded, so no link to
// Xlib is needed and nothing changes on other video drivers.
void watchForLostDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::strcmp(driver, "x11") != 0) return;
  void* xlib = ::dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
  if (!xlib) return;
  using IoErrorHandler = int (*)(void*);
  using SetIoErrorHandler = IoErrorHandler (*)(IoErrorHandler);
  if (auto set = reinterpret_cast<SetIoErrorHandler>(::dlsym(xlib, "XSetIOErrorHandler"))) set(displayLost);
  ::dlclose(xlib);
}

// Drivers that show nothing to the player: SDL falls back to them when the named display
// cannot be opened, unless asked for them by SDL_VIDEODRIVER (as the tests do).
bool showsNothing(const char* driver) {
  return !driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ||
         std::strcmp(driver, "evdev") == 0;
}

double nowMs() {
  return double(SDL_GetPerformanceCounter()) * 1000.0 / double(SDL_GetPerformanceFrequency());
}

// Frames go out no faster than the frame rate. The deadline advances a whole period a
// frame, so the rate holds on average even though sleeps are rounded to milliseconds and
// a frame that came a little late is made up. After a stall of more than a period it
// starts afresh from now, so one frame at most follows at once: no catch-up burst.
class FramePacer {
public:
  explicit FramePacer(int fps) : period_(1000.0 / std::clamp(fps, 1, 1000)) {}

  void waitForSlot() {
    double now = nowMs();
    if (now < deadline_) {
      SDL_Delay(Uint32(std::ceil(deadline_ - now)));
      now = nowMs();
    }
    deadline_ += period_;
    if (deadline_ < now - period_) deadline_ = now;
  }

private:
  double period_;
  double deadline_ = 0;
};

// The largest integer scale up to `wanted` whose window fits the desktop.
int fittingScale(int wanted) {
  wanted = std::max(1, wanted);
  SDL_Rect area{};
  if (SDL_GetDisplayUsableBounds(0, &area) != 0) return wanted;
  const int fits = std::min(area.w / kPictureWidth, area.h / kPictureHeight);
  return std::clamp(fits, 1, wanted);
}

class SdlPlatform final : public Platform {
public:
  explicit SdlPlatform(const DesktopOptions& options)
      : options_(options), pacer_(options.fps), input_(kDeviceKeys),
        panel_(kPanelBytes, 0), shown_(kPanelBytes, 0), picture_(size_t(kPictureWidth) * kPictureHeight) {
    input_.openPresentPads();
    for (const std::string& name : input_.bindKeys(options.keys))
      std::fprintf(stderr, "nupavane: no desktop key is named '%s'; its handheld key keeps its default\n", name.c_str());
    std::fflush(stderr);
    gSession.audio = &audio_;
  }

  ~SdlPlatform() override {
    if (gSession.audio == &audio_) gSession.audio = nullptr;
    // After the exit handler SDL is gone, and with it the pads.
    if (gSession.started) input_.closePads();
    endSdlSession();
  }

  bool anotherInstanceRunning() override {
    if (options_.lockPath.empty()) return false;
    const InstanceLock::Result result = lock_.acquire(options_.lockPath);
    // A lock we cannot take or test says nothing about other copies: the game runs on, and
    // says once that a second copy would not be noticed.
    if (result == InstanceLock::Result::Unavailable && !lockComplained_) {
      lockComplained_ = true;
      std::cerr << "nupavane: cannot create the lock " << options_.lockPath
                << "; a second copy of the game would not be noticed" << std::endl;
    }
    return result == InstanceLock::Result::HeldElsewhere;
  }

  bool createWindow(const char* className, int width, int height) override;

  void pump() override {
    // Not SDL_PollEvent: it stops at the end-of-poll marker a wait may have left in
    // SDL's queue and would leave what came after it for the next pump. PeepEvents drops
    // such markers and takes everything.
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) handle(event);
    if (gTerminate) postMessage({WM_QUIT, 0, 0});
    input_.followPads(SDL_GetTicks(), queue_);
    if (input_.pointerMoved()) redrawDue_ = true;
  }

  bool nextMessage(WindowMessage& out) override {
    if (queue_.empty()) return false;
    out = queue_.front();
    queue_.pop_front();
    return true;
  }

  void postMessage(const WindowMessage& message) override { queue_.push_back(message); }

  DisplayProperties displayProperties() override { return kPanelLayout; }
  KeyList defaultKeys() override { return kDeviceKeys; }

  uint8_t* beginDraw() override { return panel_.data(); }
  void endDraw() override;

  void setWindowIcon(const uint16_t* pixels, int width, int height, uint16_t key) override;

  void setTaskBarVisible(bool shown) override { taskBarVisible_ = shown; }
  bool taskBarVisible() const override { return taskBarVisible_; }

  uint32_t tickCount() override { return SDL_GetTicks(); }

  void sleep(uint32_t ms) override {
    // Wakes early when something happens. What woke it goes into the message queue at
    // once: left in SDL's queue it would wake every following sleep straight away while
    // the caller waits without pumping.
    if (SDL_WaitEventTimeout(nullptr, int(std::min<uint32_t>(ms, INT_MAX))) == 1) pump();
  }

  void messageBox(const char* text) override {
    std::cerr << text << std::endl;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, kTitle, text, gSession.window);
  }

  bool saveScreenshot(const std::string& path) override {
    panelToLandscape(panel_.data(), kPanelLayout, picture_.data());
    return writePng(path, picture_.data(), kPictureWidth, kPictureHeight);
  }

  bool openAudio(int rate, int channels) override { return audio_.open(rate, channels); }
  void queueAudio(const void* samples, size_t bytes) override { audio_.queue(samples, bytes); }
  size_t queuedAudioBytes() override { return audio_.queuedBytes(); }
  void closeAudio() override { audio_.close(); }

private:
  void handle(const SDL_Event& event);
  void present();
  void drawPadPointer();
  bool held() const { return minimised_ || (unfocused_ && options_.pauseWhenUnfocused); }
  void holdWhileAway();
  void updatePause();
  void toggleFullscreen();
  void takeNumberedScreenshot();
  std::string nextScreenshotPath();

  DesktopOptions options_;
  FramePacer pacer_;
  sdl::InputTranslator input_;
  InstanceLock lock_;
  SdlAudio audio_;
  std::deque<WindowMessage> queue_;
  std::vector<uint8_t> panel_;    // what the game draws
  std::vector<uint8_t> shown_;    // what the window shows
  std::vector<uint16_t> picture_; // landscape conversion scratch
  bool redrawDue_ = true;
  bool fullscreen_ = false;
  bool minimised_ = false;
  bool unfocused_ = false;
  bool taskBarVisible_ = true;
  bool lockComplained_ = false;
  int nextShot_ = 0;
};

bool SdlPlatform::createWindow(const char* /*className*/, int width, int height) {
  if (gSession.window) {
    std::cerr << "the game window exists already" << std::endl;
    return false;
  }
  if (width != kPanelWidth || height != kPanelHeight) {
    std::cerr << "the panel is " << kPanelWidth << " x " << kPanelHeight << ", not " << width
              << " x " << height << std::endl;
    return false;
  }
  // The window shows the panel as the device is held: landscape.
  const int scale = fittingScale(options_.scale);
  Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
  if (options_.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  gSession.window = SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                     kPictureWidth * scale, kPictureHeight * scale, flags);
  if (!gSession.window) {
    std::cerr << "cannot open the window: " << SDL_GetError() << std::endl;
    return false;
  }
  // Presented on the display's refresh when the driver offers it, so a frame never tears;
  // the pacer still decides when a frame goes out.
  gSession.renderer = SDL_CreateRenderer(gSession.window, -1, SDL_RENDERER_PRESENTVSYNC);
  if (!gSession.renderer) gSession.renderer = SDL_CreateRenderer(gSession.window, -1, 0);
  if (!gSession.renderer) gSession.renderer = SDL_CreateRenderer(gSession.window, -1, SDL_RENDERER_SOFTWARE);
  // Set after the renderer: making one may give the window a new surface and lose it.
  SDL_SetWindowMinimumSize(gSession.window, kPictureWidth, kPictureHeight);
  if (gSession.renderer) {
    // Whole pixels only, letterboxed: a fractional scale loses a row or a column.
    SDL_RenderSetLogicalSize(gSession.renderer, kPictureWidth, kPictureHeight);
    SDL_RenderSetIntegerScale(gSession.renderer, SDL_TRUE);
    gSession.texture = SDL_CreateTexture(gSession.renderer, SDL_PIXELFORMAT_RGB565,
                                         SDL_TEXTUREACCESS_STREAMING, kPictureWidth, kPictureHeight);
  }
  if (!gSession.texture) {
    std::cerr << "cannot draw into the window: " << SDL_GetError() << std::endl;
    return false;
  }
  // Keys are buttons here, not text.
  SDL_StopTextInput();
  fullscreen_ = options_.fullscreen;
  redrawDue_ = true;
  postMessage({WM_ACTIVATE, 1, 0});
  return true;
}

void SdlPlatform::setWindowIcon(const uint16_t* pixels, int width, int height, uint16_t key) {
  if (!gSession.window || !pixels || width <= 0 || height <= 0) return;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
  if (!icon) return;
  for (int y = 0; y < height; ++y) {
    auto* row = static_cast<uint8_t*>(icon->pixels) + size_t(y) * size_t(icon->pitch);
    for (int x = 0; x < width; ++x) {
      const uint16_t p = pixels[size_t(y) * size_t(width) + size_t(x)];
      uint8_t* out = row + 4 * x;
      out[0] = uint8_t((p >> 11 & 0x1F) * 255 / 31);
      out[1] = uint8_t((p >> 5 & 0x3F) * 255 / 63);
      out[2] = uint8_t((p & 0x1F) * 255 / 31);
      out[3] = p == key ? 0 : 255;
    }
  }
  SDL_SetWindowIcon(gSession.window, icon);
  SDL_FreeSurface(icon);
}

void SdlPlatform::endDraw() {
  // Minimised (or, unless the player said otherwise, behind another window) the game holds
  // still here, between two of its frames, until the window comes back.
  if (held()) holdWhileAway();
  // Paced whether or not anything changed: a loop that waits for the stylus by drawing
  // the same frame again and again sleeps here.
  pacer_.waitForSlot();
  if (!gSession.texture) return;
  // An unchanged panel is not sent again; a waiting screen then costs a compare a frame.
  if (!redrawDue_ && std::memcmp(panel_.data(), shown_.data(), kPanelBytes) == 0) return;
  present();
}

void SdlPlatform::present() {
  panelToLandscape(panel_.data(), kPanelLayout, picture_.data());
  SDL_UpdateTexture(gSession.texture, nullptr, picture_.data(), kPictureWidth * int(sizeof(uint16_t)));
  SDL_SetRenderDrawColor(gSession.renderer, 0, 0, 0, 255);
  SDL_RenderClear(gSession.renderer);
  SDL_RenderCopy(gSession.renderer, gSession.texture, nullptr, nullptr);
  drawPadPointer();
  SDL_RenderPresent(gSession.renderer);
  std::memcpy(shown_.data(), panel_.data(), kPanelBytes);
  redrawDue_ = false;
}

void SdlPlatform::handle(const SDL_Event& event) {
  switch (input_.translate(event, queue_)) {
    case sdl::WindowRequest::ToggleFullscreen: toggleFullscreen(); break;
    case sdl::WindowRequest::Screenshot: takeNumberedScreenshot(); break;
    case sdl::WindowRequest::Redraw: redrawDue_ = true; break;
    case sdl::WindowRequest::Minimised: minimised_ = true; break;
    case sdl::WindowRequest::Unfocused: unfocused_ = true; break;
    case sdl::WindowRequest::Focused: unfocused_ = false; break;
    case sdl::WindowRequest::None: break;
  }
  // Restored from the task bar: shown again, and focused or not as it comes.
  if (event.type == SDL_WINDOWEVENT &&
      (event.window.event == SDL_WINDOWEVENT_RESTORED || event.window.event == SDL_WINDOWEVENT_SHOWN ||
       event.window.event == SDL_WINDOWEVENT_MAXIMIZED)) {
    minimised_ = false;
  }
  // A click or a key in the window is the player back at it, even where no window manager
  // hands the focus back.
  if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_KEYDOWN) unfocused_ = false;
  updatePause();
}

void SdlPlatform::updatePause() { audio_.setPaused(held()); }

// Sleeps on the event queue, presenting nothing, until the window is back or the game must
// end (a close or a signal: the game handles those itself, so they end the hold).
void SdlPlatform::holdWhileAway() {
  while (held() && !gTerminate) {
    const bool closing = std::any_of(queue_.begin(), queue_.end(), [](const WindowMessage& m) {
      return m.message == WM_DESTROY || m.message == WM_QUIT;
    });
    if (closing) return;
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, 250) == 1) handle(event);
  }
  redrawDue_ = true;
}

// The gamepad's pointer, over the picture and never in the panel: a small arrow in the
// picture's own pixels, white with a black edge so it shows on any screen.
void SdlPlatform::drawPadPointer() {
  int x = 0, y = 0;
  if (!input_.padPointer(x, y)) return;
  SDL_SetRenderDrawColor(gSession.renderer, 0, 0, 0, 255);
  for (int row = 0; row < 9; ++row) SDL_RenderDrawLine(gSession.renderer, x - 1, y + row - 1, x + row / 2 + 1, y + row - 1);
  SDL_SetRenderDrawColor(gSession.renderer, 255, 255, 255, 255);
  for (int row = 0; row < 7; ++row) SDL_RenderDrawLine(gSession.renderer, x, y + row, x + row / 2, y + row);
}

void SdlPlatform::toggleFullscreen() {
  if (!gSession.window) return;
  const bool wanted = !fullscreen_;
  if (SDL_SetWindowFullscreen(gSession.window, wanted ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    std::cerr << "cannot switch fullscreen: " << SDL_GetError() << std::endl;
    return;
  }
  fullscreen_ = wanted;
  redrawDue_ = true;
}

void SdlPlatform::takeNumberedScreenshot() {
  const std::string path = nextScreenshotPath();
  if (path.empty()) {
    std::cerr << "screenshot: no free name left in " << options_.screenshotDir << std::endl;
  } else if (saveScreenshot(path)) {
    std::cerr << "screenshot: " << path << std::endl;
  } else {
    std::cerr << "screenshot: cannot write " << path << std::endl;
  }
}

// nupavane-000.png upward, skipping names that exist, so earlier pictures are kept.
std::string SdlPlatform::nextScreenshotPath() {
  const std::string folder = options_.screenshotDir.empty() ? "." : options_.screenshotDir;
  for (; nextShot_ < 1000; ++nextShot_) {
    char name[32];
    std::snprintf(name, sizeof name, "nupavane-%03d.png", nextShot_);
    std::string path = folder + "/" + name;
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
      ++nextShot_;
      return path;
    }
  }
  return {};
}

}  // namespace

std::unique_ptr<Platform> createDesktopPlatform(const DesktopOptions& options, std::string& error) {
  // Without a display SDL falls back to its off-screen driver, and the player would see
  // nothing at all.
  if (!std::getenv("SDL_VIDEODRIVER") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    error = kNoDisplay;
    return nullptr;
  }
  if (gSession.started) {
    error = "the desktop is open already";
    return nullptr;
  }
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  // SDL would turn the signals into a window close, which asks first during a game: they
  // end the game through the exit clean-up instead (noteTermination).
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  std::signal(SIGTERM, noteTermination);
  std::signal(SIGINT, noteTermination);
  const bool driverAsked = std::getenv("SDL_VIDEODRIVER") != nullptr;
  // Outside a Wayland session only X can show the window: SDL is not let try the others,
  // which would print their own complaints or fall back to showing nothing.
  if (!driverAsked && !std::getenv("WAYLAND_DISPLAY")) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS) != 0) {
    error = std::string("the display ") + displayName() + " cannot be opened (" + SDL_GetError() + ")";
    SDL_Quit();
    return nullptr;
  }
  if (!driverAsked && showsNothing(SDL_GetCurrentVideoDriver())) {
    error = std::string("the display ") + displayName() + " cannot be opened";
    SDL_Quit();
    return nullptr;
  }
  gSession.started = true;
  endSdlSessionAtExit();
  // Before any window: from its first moment on, the display may go.
  watchForLostDisplay();
  return std::make_unique<SdlPlatform>(options);
}

}  // namespace platform
