#include "platform/sdl/SdlAudio.h"

#include <SDL.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

// While SDL looks for a device, the sound libraries underneath write their own complaints
// to standard error (ALSA prints eight lines on a machine without a sound card). The game
// says in one line that it plays silently, so theirs go to /dev/null meanwhile.
class QuietStandardError {
public:
  QuietStandardError() {
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && nowhere >= 0) ::dup2(nowhere, STDERR_FILENO);
    if (nowhere >= 0) ::close(nowhere);
  }
  ~QuietStandardError() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
  int saved_;
};

// The device asks for this many frames at a time: about 23 ms at 11025 Hz, well inside the
// queue the mixer keeps.
constexpr Uint16 kDeviceFrames = 256;

}  // namespace

SdlAudio::~SdlAudio() { close(); }

bool SdlAudio::open(int rate, int channels) {
  close();
  if (rate <= 0 || channels < 1 || channels > 8) return false;
  QuietStandardError quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  SDL_AudioSpec wanted{};
  wanted.freq = rate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = Uint8(channels);
  wanted.samples = kDeviceFrames;
  wanted.callback = nullptr;  // fed through the queue
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  device_ = device;
  fed_ = false;
  paused_ = false;
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

void SdlAudio::queue(const void* samples, size_t bytes) {
  if (device_ == 0 || bytes == 0) return;
  // An empty queue after the first feed, while playing, is a gap the player heard.
  if (fed_ && !paused_ && SDL_GetQueuedAudioSize(device_) == 0) ++underruns_;
  fed_ = true;
  SDL_QueueAudio(device_, samples, Uint32(bytes));
}

void SdlAudio::setPaused(bool paused) {
  if (device_ == 0 || paused == paused_) return;
  paused_ = paused;
  SDL_PauseAudioDevice(device_, paused ? 1 : 0);
}

size_t SdlAudio::queuedBytes() const { return device_ ? SDL_GetQueuedAudioSize(device_) : 0; }

// After SDL_Quit (the program's exit clean-up) the device is gone already.
void SdlAudio::close() {
  if (device_ == 0) return;
  if (underruns_ > 0) {
    std::fprintf(stderr, "nupavane: the sound ran dry %u time%s\n", underruns_, underruns_ == 1 ? "" : "s");
    std::fflush(stderr);
    underruns_ = 0;
  }
  if (SDL_WasInit(SDL_INIT_AUDIO)) {
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  device_ = 0;
}

}  // namespace platform
