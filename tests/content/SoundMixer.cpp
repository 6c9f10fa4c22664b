#include "SoundMixer.h"
#include "sound/Library.h"
#include "sound/MemoryReader.h"
#include "sound/WaveOutDriver.h"

#include <cmath>
#include <cstring>

bool SoundMixer::Device::openAudio(int, int channels) { return channels == 1; }

void SoundMixer::Device::queueAudio(const void* samples, size_t bytes) {
  std::vector<int16_t> wide(bytes / 2);
  std::memcpy(wide.data(), samples, wide.size() * 2);
  for (int16_t s : wide) heard.push_back(float(s) / 32768.0f);
}

SoundMixer::SoundMixer(Output output) : output_(output) {
  platform::setCurrent(&device_);
  registerSoundLibraryParts();
  md_musicvolume = 64;
  md_sndfxvolume = 128;
  md_mixfreq = 11025;
  md_mode = DMODE_SOFT_MUSIC | DMODE_SOFT_SNDFX;
  md_reverb = 0;
  waveout::setBufferLength(50);
  const int device = MikMod_DriverFromAlias(output == Output::kSilent ? "nosound" : waveout::kAlias);
  md_device = UWORD(device);
  started_ = device != 0 && MikMod_Init("") == 0 && MikMod_SetNumVoices(4, 1) == 0;
  if (started_) MikMod_EnableOutput();
}

SoundMixer::~SoundMixer() {
  if (started_) {
    Player_Stop();
    for (MODULE* m : modules_) Player_Free(m);
    for (SAMPLE* s : samples_) Sample_Free(s);
    MikMod_Exit();
  }
  platform::setCurrent(nullptr);
}

MODULE* SoundMixer::loadModule(const std::vector<uint8_t>& bytes) {
  MemoryReader reader(bytes.data(), bytes.size());
  MODULE* module = Player_LoadGeneric(reader.reader(), 4, 0);
  if (module) modules_.push_back(module);
  return module;
}

SAMPLE* SoundMixer::loadSample(const std::vector<uint8_t>& bytes) {
  MemoryReader reader(bytes.data(), bytes.size());
  SAMPLE* sample = Sample_LoadGeneric(reader.reader());
  if (sample) {
    sample->panning = PAN_CENTER;
    samples_.push_back(sample);
  }
  return sample;
}

double SoundMixer::pump() {
  const size_t before = device_.heard.size();
  MikMod_Update();
  // The silent driver mixes a fixed 32768 bytes a pump: 8-bit mono at the mixing rate.
  if (output_ == Output::kSilent) return 32768.0 / md_mixfreq;
  return double(device_.heard.size() - before) / md_mixfreq;
}

std::vector<float> SoundMixer::listen(double seconds) {
  const size_t from = device_.heard.size();
  for (double mixed = 0; mixed < seconds;) {
    const double step = pump();
    if (step <= 0) break;  // nothing mixed: the output is not running
    mixed += step;
  }
  return {device_.heard.begin() + long(from), device_.heard.end()};
}

float peakOf(const std::vector<float>& sound) {
  float peak = 0;
  for (float s : sound) peak = std::max(peak, std::fabs(s));
  return peak;
}

double rmsOf(const std::vector<float>& sound) {
  double sum = 0;
  for (float s : sound) sum += double(s) * s;
  return sound.empty() ? 0.0 : std::sqrt(sum / double(sound.size()));
}
