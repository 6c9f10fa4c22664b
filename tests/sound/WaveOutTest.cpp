// The desktop output: the sound system mixes in the pump and keeps the platform's audio
// queue about 150 ms ahead of the device.
#include "sound/Sound.h"

#include "SoundData.h"

#include <gtest/gtest.h>
#include <mikmod.h>

#include <algorithm>
#include <cstring>

namespace {

// 150 ms at 11025 Hz, mono, 16-bit: 1653 whole frames, enough to ride out a stall of a
// loaded machine while a screen decodes its pictures.
constexpr size_t kTargetBytes = 1653 * 2;

// A headless platform with an audio device that plays only when the test says so.
class AudioPlatform : public platform::HeadlessPlatform {
public:
  bool openAudio(int rate, int channels) override {
    ++opens;
    openedRate = rate;
    openedChannels = channels;
    open = deviceThere;
    return deviceThere;
  }
  void queueAudio(const void* samples, size_t bytes) override {
    EXPECT_TRUE(open);
    const auto* p = static_cast<const uint8_t*>(samples);
    queued.insert(queued.end(), p, p + bytes);
    largestQueue = std::max(largestQueue, queued.size() - played);
  }
  size_t queuedAudioBytes() override { return queued.size() - played; }
  void closeAudio() override { open = false; }

  // The device plays this many bytes of the queue.
  void playFor(size_t bytes) { played = std::min(queued.size(), played + bytes); }
  // 16-bit samples queued from `from` on.
  std::vector<int16_t> samples(size_t from = 0) const {
    std::vector<int16_t> out((queued.size() - from) / 2);
    std::memcpy(out.data(), queued.data() + from, out.size() * 2);
    return out;
  }

  bool deviceThere = true;
  bool open = false;
  int opens = 0;
  int openedRate = 0;
  int openedChannels = 0;
  std::vector<uint8_t> queued;
  size_t played = 0;
  size_t largestQueue = 0;
};

class WaveOutTest : public ::testing::Test {
protected:
  Sound& start(bool audioDevice = true) {
    folder.writeArchive(completeSoundEntries());
    Sound::useAudioDevice(audioDevice);
    ::testing::internal::CaptureStderr();
    Sound& sound = Sound::instance();
    startErr = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(sound.ok()) << startErr;
    return sound;
  }
  void startMusic(Sound& sound) {
    ::testing::internal::CaptureStderr();
    sound.play(kMusicEvent);
    ::testing::internal::GetCapturedStderr();
  }

  AudioPlatform device;
  SoundFolder folder{&device};
  std::string startErr;
};

TEST_F(WaveOutTest, TheDeviceOpensAtTheMixersRateInMono) {
  start();
  EXPECT_STREQ(md_driver->Alias, "waveout");
  EXPECT_EQ(device.opens, 1);
  EXPECT_EQ(device.openedRate, 11025);
  EXPECT_EQ(device.openedChannels, 1);
  EXPECT_TRUE(startErr.find("WARNING") == std::string::npos) << startErr;
  Sound::destroy();
  EXPECT_FALSE(device.open);  // ending the sound system gives the device back
}

TEST_F(WaveOutTest, EachUpdateTopsTheQueueUpToAHundredAndFiftyMillisecondsAndNoMore) {
  Sound& sound = start();
  sound.update();
  EXPECT_EQ(device.queuedAudioBytes(), kTargetBytes);
  const size_t before = device.queued.size();
  sound.update();
  sound.update();
  EXPECT_EQ(device.queued.size(), before);  // full: nothing more is mixed

  for (size_t drained : {size_t(2), size_t(300), size_t(1000), kTargetBytes}) {
    device.playFor(drained);
    sound.update();
    EXPECT_EQ(device.queuedAudioBytes(), kTargetBytes) << "after the device played " << drained;
  }
  device.playFor(3);  // half a frame short of another one is not mixed
  sound.update();
  EXPECT_EQ(device.queuedAudioBytes(), kTargetBytes - 1);
  EXPECT_EQ(device.queued.size() % 2, 0u);
  EXPECT_LE(device.largestQueue, kTargetBytes);
}

// Every play and mute mixes too, and the queue still never runs ahead.
TEST_F(WaveOutTest, PlayingAndMutingNeverQueueMoreThanTheBuffer) {
  Sound& sound = start();
  startMusic(sound);
  for (int i = 0; i < 50; ++i) {
    sound.play(1012 + i % 71);
    if (i % 7 == 0) sound.mute();
    if (i % 7 == 3) sound.unmute();
    device.playFor(97);
  }
  EXPECT_LE(device.largestQueue, kTargetBytes);
  EXPECT_GT(device.queued.size(), 20 * kTargetBytes / 10);
}

// The mixer's 8-bit output is centred on 128, the queue's 16-bit samples on 0: a muted
// song is all zeros, an audible one is not.
TEST_F(WaveOutTest, TheSongIsHeardUnlessMuted) {
  Sound& sound = start();
  sound.update();
  device.playFor(kTargetBytes);
  size_t from = device.queued.size();
  sound.update();
  for (int16_t s : device.samples(from)) ASSERT_EQ(s, 0);  // nothing plays yet

  startMusic(sound);
  device.playFor(kTargetBytes);
  sound.update();
  std::vector<int16_t> audible = device.samples(from);
  EXPECT_GT(*std::max_element(audible.begin(), audible.end()), 1000);
  EXPECT_LT(*std::min_element(audible.begin(), audible.end()), -1000);

  sound.mute();
  device.playFor(kTargetBytes);
  sound.update();  // what was mixed before the mute has played by now
  device.playFor(kTargetBytes);
  from = device.queued.size();
  sound.update();
  ASSERT_EQ(device.queued.size() - from, kTargetBytes);
  for (int16_t s : device.samples(from)) ASSERT_EQ(s, 0);
}

TEST_F(WaveOutTest, WithoutADeviceTheGamePlaysSilentlyAfterOneWarning) {
  device.deviceThere = false;
  Sound& sound = start();
  // One line more than a start with a device: the warning, before the song's report.
  const std::string warning = "Sound::Sound(): WARNING: no audio device, playing silently !\n";
  ASSERT_EQ(startErr.substr(0, warning.size()), warning) << startErr;
  const std::string rest = startErr.substr(warning.size());
  EXPECT_EQ(rest.rfind("Sound::loadMod(): INFO: ", 0), 0u) << rest;
  EXPECT_EQ(std::count(rest.begin(), rest.end(), '\n'), 1) << rest;
  EXPECT_STREQ(md_driver->Alias, "nosound");
  startMusic(sound);
  sound.play(1075);
  EXPECT_EQ(sound.lastEffect(), 5);
  sound.update();
  EXPECT_TRUE(device.queued.empty());
}

// Headless runs, tests and --no-sound never touch the device.
TEST_F(WaveOutTest, SilenceChosenUpFrontLeavesTheDeviceAlone) {
  start(false).update();
  EXPECT_EQ(device.opens, 0);
  EXPECT_TRUE(device.queued.empty());
}

}  // namespace
