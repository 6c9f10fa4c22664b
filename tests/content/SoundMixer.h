// The game's sound library set up as the game sets it up (11025 Hz, 8-bit mono, music at
// half volume, four music voices and one effect voice), for the sound content tests. With
// the game's own output driver on a platform whose device plays at once, everything mixed
// is kept, so a test can listen: measure loudness and pitch of what the game would play.
#pragma once

#include "platform/headless/HeadlessPlatform.h"

#include <mikmod.h>

#include <cstdint>
#include <vector>

class SoundMixer {
public:
  enum class Output { kSilent, kRecorded };
  explicit SoundMixer(Output output);
  ~SoundMixer();
  SoundMixer(const SoundMixer&) = delete;
  SoundMixer& operator=(const SoundMixer&) = delete;

  bool started() const { return started_; }

  // Loaded as the game loads them, through its memory reader; freed with the mixer.
  MODULE* loadModule(const std::vector<uint8_t>& bytes);
  SAMPLE* loadSample(const std::vector<uint8_t>& bytes);

  // One pump of the mixer: 50 ms when recorded. Returns the seconds mixed.
  double pump();
  // Pumps for about `seconds` and returns what was heard, -1..1 (recorded output only).
  std::vector<float> listen(double seconds);

private:
  class Device : public platform::HeadlessPlatform {
  public:
    bool openAudio(int rate, int channels) override;
    void queueAudio(const void* samples, size_t bytes) override;
    size_t queuedAudioBytes() override { return 0; }  // plays everything at once
    std::vector<float> heard;
  };

  Device device_;
  bool started_ = false;
  Output output_;
  std::vector<MODULE*> modules_;
  std::vector<SAMPLE*> samples_;
};

// Loudness of heard sound.
float peakOf(const std::vector<float>& sound);
double rmsOf(const std::vector<float>& sound);
