#include "sound/WaveOutDriver.h"

#include "platform/Platform.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace waveout {

namespace {

// The mixer writes this many frames at a time.
constexpr size_t kChunkFrames = 256;

// The library's drivers are plain functions, so the driver's state is the file's.
struct Output {
  platform::Platform* device = nullptr;  // set while the driver runs
  unsigned bufferMs = 50;
  bool wide = false;              // the mixer writes signed 16-bit samples, else unsigned 8-bit
  size_t channels = 1;
  size_t targetBytes = 0;         // bytes to keep queued, in the queue's 16-bit samples
  std::vector<SBYTE> mixed;       // one chunk as the mixer writes it
  std::vector<int16_t> widened;   // the same chunk in 16 bits
};
Output output;

size_t mixedFrameBytes() { return output.channels * (output.wide ? 2 : 1); }
size_t queuedFrameBytes() { return output.channels * 2; }

BOOL isPresent() { return 1; }

// Opens the platform's audio queue at the mixer's rate and channels. Without a device the
// start fails, and the caller chooses the silent driver.
int start() {
  md_mode &= ~DMODE_FLOAT;  // the queue takes integer samples only
  output.wide = (md_mode & DMODE_16BITS) != 0;
  output.channels = (md_mode & DMODE_STEREO) ? 2 : 1;
  platform::Platform& device = platform::current();
  if (!device.openAudio(md_mixfreq, int(output.channels))) {
    MikMod_errno = MMERR_OPENING_AUDIO;
    return 1;
  }
  if (VC_Init()) {
    device.closeAudio();
    return 1;
  }
  output.device = &device;
  const size_t frames = size_t(md_mixfreq) * output.bufferMs / 1000;
  output.targetBytes = frames * queuedFrameBytes();
  output.mixed.assign(kChunkFrames * mixedFrameBytes(), 0);
  output.widened.assign(kChunkFrames * output.channels, 0);
  return 0;
}

void stop() {
  VC_Exit();
  if (output.device) output.device->closeAudio();
  output.device = nullptr;
}

int playStart() { return VC_PlayStart(); }
void playStop() { VC_PlayStop(); }

// Mixes `frames` frames and appends them to the queue. Unsigned 8-bit samples are centred
// on 128; the queue's signed 16-bit ones on 0.
void mixAndQueue(size_t frames) {
  ULONG bytes = VC_WriteBytes(output.mixed.data(), ULONG(frames * mixedFrameBytes()));
  bytes = std::min<ULONG>(bytes, ULONG(output.mixed.size()));
  if (output.wide) {
    output.device->queueAudio(output.mixed.data(), bytes);
    return;
  }
  for (ULONG i = 0; i < bytes; ++i) output.widened[i] = int16_t((int(uint8_t(output.mixed[i])) - 128) * 256);
  output.device->queueAudio(output.widened.data(), size_t(bytes) * 2);
}

// Tops the queue up to the buffer length, never beyond: what the device has played since
// the last pump is mixed anew, in whole frames.
void update() {
  if (!output.device) return;
  const size_t queued = output.device->queuedAudioBytes();
  if (queued >= output.targetBytes) return;
  for (size_t frames = (output.targetBytes - queued) / queuedFrameBytes(); frames > 0;) {
    const size_t chunk = std::min(frames, kChunkFrames);
    mixAndQueue(chunk);
    frames -= chunk;
  }
}

// A paused player queues nothing; the device falls silent when the queue runs dry.
void pause() {}

MDRIVER makeDriver() {
  MDRIVER d{};
  d.Name = "Wave-out (platform audio queue)";
  d.Version = "nuPavane wave-out 1.0";
  d.SoftVoiceLimit = 255;
  d.Alias = kAlias;
  d.IsPresent = isPresent;
  d.Init = start;
  d.Exit = stop;
  d.PlayStart = playStart;
  d.PlayStop = playStop;
  d.Update = update;
  d.Pause = pause;
  d.SampleLoad = VC_SampleLoad;
  d.SampleUnload = VC_SampleUnload;
  d.FreeSampleSpace = VC_SampleSpace;
  d.RealSampleLength = VC_SampleLength;
  d.SetNumVoices = VC_SetNumVoices;
  d.VoiceSetVolume = VC_VoiceSetVolume;
  d.VoiceGetVolume = VC_VoiceGetVolume;
  d.VoiceSetFrequency = VC_VoiceSetFrequency;
  d.VoiceGetFrequency = VC_VoiceGetFrequency;
  d.VoiceSetPanning = VC_VoiceSetPanning;
  d.VoiceGetPanning = VC_VoiceGetPanning;
  d.VoicePlay = VC_VoicePlay;
  d.VoiceStop = VC_VoiceStop;
  d.VoiceStopped = VC_VoiceStopped;
  d.VoiceGetPosition = VC_VoiceGetPosition;
  d.VoiceRealVolume = VC_VoiceRealVolume;
  return d;
}

}  // namespace

MDRIVER& driver() {
  // The library links registered drivers through their `next` field: one object for the
  // whole run, registered once.
  static MDRIVER instance = makeDriver();
  return instance;
}

void setBufferLength(unsigned milliseconds) { output.bufferMs = milliseconds; }

}  // namespace waveout
