// The desktop's audio output: an SDL audio device fed through SDL's queue, with no callback
// and no thread of ours. The sound mixer tops the queue up from the game's pump; the device
// plays it as it drains. Behind Platform::openAudio, queueAudio, queuedAudioBytes and
// closeAudio. This header stays free of SDL.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

class SdlAudio {
public:
  SdlAudio() = default;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;
  ~SdlAudio();

  // Opens the default device for signed 16-bit samples at `rate` frames a second,
  // `channels` interleaved, exactly as asked (SDL converts for the hardware), and starts it
  // playing. False when there is no device; a device already open is closed first.
  bool open(int rate, int channels);
  bool isOpen() const { return device_ != 0; }

  // Appends samples to what the device will play; ignored while closed.
  void queue(const void* samples, size_t bytes);
  // Bytes queued and not yet played; 0 while closed.
  size_t queuedBytes() const;

  // Stops the device and drops what is queued; says how often the sound ran dry, if it did.
  void close();

  // Holds the device still (minimised window) and lets it go on where it stopped.
  void setPaused(bool paused);
  // How often the device had played everything and the mixer had to begin again.
  unsigned underruns() const { return underruns_; }

private:
  uint32_t device_ = 0;
  bool fed_ = false;     // something was queued since the device opened or resumed
  bool paused_ = false;
  unsigned underruns_ = 0;
};

}  // namespace platform
