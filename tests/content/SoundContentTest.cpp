// The sound archive's entries as the generator makes them: every effect the game looks up,
// in a form its sound library reads, clean and loud enough; the music loadable, four
// channels, a minute long before it loops back to its second order entry, and quiet
// enough under the effects. What the game would play is mixed and measured.
#include "Content.h"
#include "SoundMixer.h"
#include "sound/SoundTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

namespace {

constexpr const char* kMusic = "snd\\kelth.xm";
constexpr int kRate = 11025;

const ContentList& made() {
  static const ContentList entries = [] {
    ContentList list;
    addSounds(list);
    return list;
  }();
  return entries;
}

const ContentEntry* entryNamed(const std::string& name) {
  for (const ContentEntry& e : made())
    if (e.name == name) return &e;
  return nullptr;
}

std::string lowerCase(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::vector<const ContentEntry*> effectEntries() {
  std::vector<const ContentEntry*> out;
  for (const ContentEntry& e : made())
    if (e.name != kMusic) out.push_back(&e);
  return out;
}

// A WAV file read here from its bytes, independently of the writer.
struct Wave {
  std::string problem;  // empty when the file is well formed
  int format = 0, channels = 0, rate = 0, blockAlign = 0, bits = 0;
  std::vector<int16_t> samples;
  double seconds() const { return double(samples.size()) / rate; }
};

uint32_t readLe(const std::vector<uint8_t>& b, size_t at, int count) {
  uint32_t v = 0;
  for (int i = count - 1; i >= 0; --i) v = (v << 8) | b[at + size_t(i)];
  return v;
}

Wave readWave(const std::vector<uint8_t>& b) {
  Wave w;
  if (b.size() < 44 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) {
    w.problem = "not RIFF/WAVE";
    return w;
  }
  if (readLe(b, 4, 4) != b.size() - 8) w.problem = "the RIFF size is not the file's";
  if (std::memcmp(b.data() + 12, "fmt ", 4) != 0 || readLe(b, 16, 4) != 16) w.problem = "no 16-byte fmt chunk first";
  w.format = int(readLe(b, 20, 2));
  w.channels = int(readLe(b, 22, 2));
  w.rate = int(readLe(b, 24, 4));
  w.blockAlign = int(readLe(b, 32, 2));
  w.bits = int(readLe(b, 34, 2));
  if (readLe(b, 28, 4) != uint32_t(w.rate * w.blockAlign)) w.problem = "the byte rate does not match";
  if (std::memcmp(b.data() + 36, "data", 4) != 0) w.problem = "no data chunk after fmt";
  const size_t dataBytes = readLe(b, 40, 4);
  if (dataBytes != b.size() - 44 || dataBytes % 2) w.problem = "the data chunk's size is not the rest of the file";
  for (size_t at = 44; at + 1 < b.size(); at += 2) w.samples.push_back(int16_t(readLe(b, at, 2)));
  return w;
}

TEST(SoundEntries, HoldEveryEffectTheGameLooksUpInLowerCaseAndTheMusic) {
  std::set<std::string> names;
  for (const ContentEntry& e : made()) {
    EXPECT_TRUE(names.insert(e.name).second) << e.name << " is made twice";
    EXPECT_EQ(e.name, lowerCase(e.name)) << "the game would never find " << e.name;
    EXPECT_LE(e.name.size(), 51u);
  }
  EXPECT_EQ(made().size(), size_t(kEffectCount) + 1);
  for (const char* name : kEffectNames) EXPECT_NE(entryNamed(lowerCase(name)), nullptr) << name << " is missing";
  EXPECT_NE(entryNamed(kMusic), nullptr);
}

// Read here independently of the writer, and through the game's own sample loader.
TEST(Effects, AreShortMono16BitPcmAtTheMixingRate) {
  SoundMixer mixer(SoundMixer::Output::kSilent);
  ASSERT_TRUE(mixer.started());
  for (const ContentEntry* e : effectEntries()) {
    SCOPED_TRACE(e->name);
    const Wave w = readWave(e->bytes);
    EXPECT_EQ(w.problem, "");
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, kRate) << "the mixer would resample it";
    EXPECT_EQ(w.blockAlign, 2);
    EXPECT_EQ(w.bits, 16);
    EXPECT_GE(w.seconds(), 0.1);
    EXPECT_LE(w.seconds(), 2.6) << "one effect voice: a long effect is cut by the next anyway";
    SAMPLE* sample = mixer.loadSample(e->bytes);
    ASSERT_NE(sample, nullptr) << MikMod_strerror(MikMod_errno);
    EXPECT_EQ(sample->speed, ULONG(kRate));
    EXPECT_EQ(sample->length, ULONG(w.samples.size()));
    EXPECT_TRUE(sample->flags & SF_16BITS);
    EXPECT_FALSE(sample->flags & SF_LOOP);
  }
}

TEST(Effects, NeitherClipNorClickAndPeakNearFullScale) {
  for (const ContentEntry* e : effectEntries()) {
    SCOPED_TRACE(e->name);
    const Wave w = readWave(e->bytes);
    ASSERT_FALSE(w.samples.empty());
    int peak = 0, atFullScale = 0;
    double sum = 0;
    for (int16_t s : w.samples) {
      peak = std::max(peak, std::abs(int(s)));
      if (std::abs(int(s)) >= 32767) ++atFullScale;
      sum += s;
    }
    EXPECT_EQ(atFullScale, 0) << "clipped";
    EXPECT_LE(peak, 31000) << "no headroom left";
    EXPECT_GE(peak, 22000) << "too quiet to stand over the music";
    EXPECT_LE(std::abs(w.samples.front()), 330) << "starts with a click";
    EXPECT_LE(std::abs(w.samples.back()), 330) << "ends with a click";
    EXPECT_LE(std::fabs(sum / double(w.samples.size())), 160.0) << "a DC offset";
  }
}

// The song's length from its structure: rows of every order entry at the starting speed
// (the patterns change neither speed nor tempo).
double songSeconds(const MODULE* song) {
  double rows = 0;
  for (int pos = 0; pos < song->numpos; ++pos) rows += song->pattrows[song->positions[pos]];
  return rows * song->initspeed * 2.5 / song->inittempo;
}

TEST(Music, HasFourChannelsPlaysAMinuteAndThenLoopsBackToTheSecondOrderEntry) {
  SoundMixer mixer(SoundMixer::Output::kRecorded);
  ASSERT_TRUE(mixer.started());
  MODULE* song = mixer.loadModule(entryNamed(kMusic)->bytes);
  ASSERT_NE(song, nullptr) << MikMod_strerror(MikMod_errno);
  EXPECT_EQ(song->numchn, 4);
  EXPECT_EQ(song->reppos, 1) << "the song's own restart position";
  EXPECT_GE(song->numins, 3);
  EXPECT_GE(song->numsmp, song->numins);
  song->wrap = 1;  // as the game plays it, with the restart position the song carries
  Player_Start(song);
  double played = 0;
  int position = song->sngpos;
  bool wrapped = false;
  while (played < 300 && !wrapped) {
    played += mixer.pump();
    wrapped = song->sngpos < position;
    if (!wrapped) position = song->sngpos;
  }
  ASSERT_TRUE(wrapped) << "the song never looped";
  EXPECT_EQ(position, song->numpos - 1) << "it looped before its last order entry";
  EXPECT_EQ(song->sngpos, 1) << "the introduction came again";
  EXPECT_GE(played, 60.0);
  EXPECT_NEAR(played, songSeconds(song), 0.2);
  EXPECT_TRUE(Player_Active()) << "it stopped instead of looping";
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

TEST(Music, PlaysAtAComfortableLevelWellUnderTheEffects) {
  float musicPeak = 0;
  double musicRms = 0;
  {
    SoundMixer mixer(SoundMixer::Output::kRecorded);
    ASSERT_TRUE(mixer.started());
    MODULE* song = mixer.loadModule(entryNamed(kMusic)->bytes);
    ASSERT_NE(song, nullptr);
    song->wrap = 1;
    Player_Start(song);
    const std::vector<float> heard = mixer.listen(70.0);  // the whole song once
    musicPeak = peakOf(heard);
    musicRms = rmsOf(heard);
  }
  std::vector<double> effectPeaks;
  SoundMixer mixer(SoundMixer::Output::kRecorded);
  ASSERT_TRUE(mixer.started());
  for (const ContentEntry* e : effectEntries()) {
    SAMPLE* sample = mixer.loadSample(e->bytes);
    ASSERT_NE(sample, nullptr);
    Sample_Play(sample, 0, 0);
    effectPeaks.push_back(peakOf(mixer.listen(double(sample->length) / kRate)));
  }
  const double loudestEffect = *std::max_element(effectPeaks.begin(), effectPeaks.end());
  const double musicDb = 20 * std::log10(musicRms), effectDb = 20 * std::log10(median(effectPeaks));
  std::printf("music %.1f dBFS RMS, peak %.1f dBFS; effects' median peak %.1f dBFS, loudest %.1f dBFS\n", musicDb,
              20 * std::log10(musicPeak), effectDb, 20 * std::log10(loudestEffect));
  // A comfortable level at the game's own music volume, without clipping, and the effects
  // still well above it.
  EXPECT_NEAR(musicDb, -20, 1.5) << "the music is not at a comfortable level";
  EXPECT_GT(effectDb, musicDb + 8) << "the effects do not stand out over the music";
  EXPECT_LT(musicPeak + loudestEffect, 1.0) << "music and an effect together would clip";
}

}  // namespace
