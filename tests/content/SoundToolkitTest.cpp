// The pieces the sounds are made with: the written-music reader, the module writer's
// checks, the WAV writer as the game's loader sees it, the synthesiser's finishing steps,
// and the instruments, which must sound at the pitch the patterns write.
#include "SoundMixer.h"
#include "sound/Composer.h"
#include "sound/Instruments.h"
#include "sound/Synth.h"
#include "sound/Wav.h"
#include "sound/Xm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(WrittenMusic, NamesNotesAsTheTrackerNumbersThem) {
  EXPECT_EQ(music::pitchOf("C4"), xm::kMiddleC);
  EXPECT_EQ(music::pitchOf("A4"), 58);
  EXPECT_EQ(music::pitchOf("C#5"), 62);
  EXPECT_EQ(music::pitchOf("Db5"), 62);
  EXPECT_EQ(music::pitchOf("Cb5"), music::pitchOf("B4")) << "a flat C belongs to the octave below";
  EXPECT_EQ(music::pitchOf("B#4"), music::pitchOf("C5"));
  EXPECT_EQ(music::pitchOf("C0"), 1);
  EXPECT_EQ(music::pitchOf("B7"), 96);
  for (const char* wrong : {"H4", "C", "C8", "c4", "C#", "D4x", ""}) EXPECT_EQ(music::pitchOf(wrong), 0) << wrong;
}

TEST(WrittenMusic, ReadsATuneAndChecksEveryBar) {
  std::vector<music::Note> notes;
  std::string error;
  ASSERT_TRUE(music::parseTune("D5:4 E5:2 -:6|A4:12", 12, notes, error)) << error;
  ASSERT_EQ(notes.size(), 4u);
  EXPECT_EQ(notes[0].pitch, music::pitchOf("D5"));
  EXPECT_EQ(notes[0].rows, 4);
  EXPECT_EQ(notes[2].pitch, 0) << "a rest";
  EXPECT_EQ(notes[3].rows, 12);

  EXPECT_FALSE(music::parseTune("D5:4 E5:2 | A4:12", 12, notes, error));
  EXPECT_NE(error.find("bar 1"), std::string::npos) << error;
  EXPECT_FALSE(music::parseTune("D5:12 | A4:11", 12, notes, error)) << "the last bar is short";
  EXPECT_NE(error.find("bar 2"), std::string::npos) << error;
  EXPECT_FALSE(music::parseTune("D5:12 | X4:12", 12, notes, error));
  EXPECT_FALSE(music::parseTune("D5 E5:6", 6, notes, error)) << "a note without its length";
  EXPECT_FALSE(music::parseTune("D5:0 E5:6", 6, notes, error));
}

TEST(WrittenMusic, BuildsChordsUpFromTheirRoot) {
  std::vector<music::Chord> chords;
  std::string error;
  ASSERT_TRUE(music::parseChords("Dm C A5 Bb", chords, error)) << error;
  ASSERT_EQ(chords.size(), 4u);
  // D minor in octave 3: D3, F3, A3, then D4.
  EXPECT_EQ(music::chordTone(chords[0], 0, 3), music::pitchOf("D3"));
  EXPECT_EQ(music::chordTone(chords[0], 1, 3), music::pitchOf("F3"));
  EXPECT_EQ(music::chordTone(chords[0], 2, 3), music::pitchOf("A3"));
  EXPECT_EQ(music::chordTone(chords[0], 3, 3), music::pitchOf("D4"));
  EXPECT_EQ(music::chordTone(chords[1], 1, 3), music::pitchOf("E3")) << "C major's third";
  EXPECT_EQ(music::chordTone(chords[2], 0, 3), music::pitchOf("A2")) << "roots from A up start an octave lower";
  EXPECT_EQ(music::chordTone(chords[2], 1, 3), music::pitchOf("E3")) << "an open fifth has no third";
  EXPECT_EQ(music::chordTone(chords[3], 1, 3), music::pitchOf("D3"));
  EXPECT_FALSE(music::parseChords("Dm Cmaj7", chords, error));
  EXPECT_FALSE(music::parseChords("Dm x", chords, error));
}

TEST(WrittenMusic, RestsSilenceTheInstrument) {
  xm::Pattern pattern(12, 4);
  music::PartWriter writer(pattern, 2, 3);
  writer.tune(0, {{music::pitchOf("D4"), 4}, {0, 4}, {music::pitchOf("E4"), 4}}, 40);
  EXPECT_EQ(pattern.at(0, 2).note, music::pitchOf("D4"));
  EXPECT_EQ(pattern.at(0, 2).instrument, 3);
  EXPECT_EQ(pattern.at(0, 2).volume, xm::volumeColumn(40));
  EXPECT_EQ(pattern.at(4, 2).note, xm::kKeyOff);
  EXPECT_EQ(pattern.at(4, 2).instrument, 0);
  EXPECT_EQ(pattern.at(8, 2).note, music::pitchOf("E4"));
  EXPECT_EQ(pattern.at(0, 1).note, 0) << "other channels untouched";
}

// A module with one instrument striking `note` on the first row.
xm::Module oneNote(xm::Instrument instrument, int note) {
  xm::Module m;
  m.name = "test";
  m.channels = 4;
  m.order = {0};
  xm::Pattern pattern(64, 4);
  pattern.at(0, 0) = {uint8_t(note), 1, xm::volumeColumn(64), 0, 0};
  m.patterns.push_back(pattern);
  m.instruments.push_back(std::move(instrument));
  return m;
}

xm::Instrument plainInstrument() {
  xm::Instrument in;
  in.name = "plain";
  xm::Sample s;
  s.data.assign(100, 1000);
  in.samples.push_back(s);
  return in;
}

TEST(ModuleWriter, RefusesModulesThePlayerCouldNotPlay) {
  EXPECT_EQ(xm::problemWith(oneNote(plainInstrument(), 49)), "");
  const struct {
    const char* what;
    void (*damage)(xm::Module&);
  } cases[] = {
      {"restart beyond the order list", [](xm::Module& m) { m.restart = 1; }},
      {"an order entry without its pattern", [](xm::Module& m) { m.order = {0, 1}; }},
      {"a missing instrument", [](xm::Module& m) { m.patterns[0].at(3, 1).instrument = 2; }},
      {"the key map names a missing sample", [](xm::Module& m) { m.instruments[0].keymap[10] = 1; }},
      {"a loop past the sample's end",
       [](xm::Module& m) {
         m.instruments[0].samples[0].loopStart = 50;
         m.instruments[0].samples[0].loopLength = 51;
       }},
      {"envelope ticks that do not rise",
       [](xm::Module& m) { m.instruments[0].volume = {{{0, 64}, {0, 0}}, -1}; }},
      {"a tempo beyond the player's", [](xm::Module& m) { m.bpm = 300; }},
  };
  for (const auto& c : cases) {
    xm::Module m = oneNote(plainInstrument(), 49);
    c.damage(m);
    EXPECT_NE(xm::problemWith(m), "") << c.what;
  }
}

TEST(ModuleWriter, WritesWhatThePlayerLoads) {
  xm::Module m = oneNote(plainInstrument(), 49);
  m.order = {0, 0, 0};
  m.restart = 2;
  m.instruments[0].samples[0].loopStart = 20;
  m.instruments[0].samples[0].loopLength = 80;
  SoundMixer mixer(SoundMixer::Output::kSilent);
  ASSERT_TRUE(mixer.started());
  MODULE* song = mixer.loadModule(xm::write(m));
  ASSERT_NE(song, nullptr) << MikMod_strerror(MikMod_errno);
  EXPECT_EQ(song->numchn, 4);
  EXPECT_EQ(song->numpos, 3);
  EXPECT_EQ(song->reppos, 2);
  ASSERT_EQ(song->numsmp, 1);
  EXPECT_EQ(song->samples[0].length, 100u) << "lengths are written in bytes, read back in samples";
  EXPECT_EQ(song->samples[0].loopstart, 20u);
  EXPECT_EQ(song->samples[0].loopend, 100u);
}

TEST(WaveWriter, WritesWhatTheGamesLoaderReads) {
  const synth::Signal ramp = synth::generate(0.1, [](double t) { return t * 5.0; });  // up to 0.5
  SoundMixer mixer(SoundMixer::Output::kSilent);
  ASSERT_TRUE(mixer.started());
  for (const auto& bytes : {synth::wav16(ramp), synth::wav8(ramp), synth::wav16(ramp, 22050)}) {
    SAMPLE* sample = mixer.loadSample(bytes);
    ASSERT_NE(sample, nullptr) << MikMod_strerror(MikMod_errno);
    EXPECT_EQ(sample->length, ramp.size());
  }
  EXPECT_EQ(mixer.loadSample(synth::wav16(ramp, 22050))->speed, 22050u);
  EXPECT_EQ(synth::toPcm16(2.0f), 32767) << "clamped, not wrapped";
  EXPECT_EQ(synth::toPcm16(-2.0f), -32767);
  EXPECT_EQ(synth::toPcm16(0.5f), 16384);
}

TEST(Synthesiser, FinishingLeavesNoDcNoClickAndTheAskedPeak) {
  synth::Signal s = synth::generate(0.5, [](double t) { return 0.5 + 0.3 * std::sin(2 * kPi * 440 * t); });
  synth::finish(s, 0.8f);
  EXPECT_FLOAT_EQ(synth::peakOf(s), 0.8f);
  EXPECT_EQ(s.front(), 0.0f);
  EXPECT_EQ(s.back(), 0.0f);
  double sum = 0;
  for (size_t i = s.size() / 2; i < s.size(); ++i) sum += s[i];  // once the high-pass settled
  EXPECT_NEAR(sum / double(s.size() / 2), 0.0, 0.01);
}

TEST(Synthesiser, NoiseIsTheSameForTheSameSeedOnly) {
  synth::Random a(7), b(7), c(8);
  bool differs = false;
  for (int i = 0; i < 100; ++i) {
    const float x = a.white();
    EXPECT_EQ(x, b.white());
    EXPECT_GE(x, -1.0f);
    EXPECT_LT(x, 1.0f);
    differs = differs || x != c.white();
  }
  EXPECT_TRUE(differs);
  synth::Random zero(0);
  EXPECT_NE(zero.next(), zero.next()) << "a zero seed must not stick at zero";
}

// A looped sample runs from its loop's end straight into its start: the step across the
// seam is no bigger than the steps inside the loop, so the held notes do not tick once a
// second.
TEST(Instruments, LoopsAreSeamless) {
  int loops = 0;
  for (const xm::Instrument& instrument : music::makeInstruments()) {
    for (const xm::Sample& sample : instrument.samples) {
      if (!sample.loopLength) continue;
      SCOPED_TRACE(instrument.name);
      ++loops;
      const size_t first = sample.loopStart, last = sample.loopStart + sample.loopLength - 1;
      ASSERT_LT(last, sample.data.size());
      int largestStep = 0;
      for (size_t i = first + 1; i <= last; ++i)
        largestStep = std::max(largestStep, std::abs(sample.data[i] - sample.data[i - 1]));
      EXPECT_LE(std::abs(sample.data[first] - sample.data[last]), largestStep);
    }
  }
  EXPECT_GE(loops, 2) << "the recorder and the viol hold their notes";
}

// The strongest frequency between `low` and `high` Hz in a Hann-windowed stretch.
double strongestFrequency(const std::vector<float>& sound, double low, double high) {
  std::vector<double> windowed(sound.size());
  for (size_t i = 0; i < sound.size(); ++i)
    windowed[i] = sound[i] * (0.5 - 0.5 * std::cos(2 * kPi * double(i) / double(sound.size() - 1)));
  auto strength = [&](double hz) {
    double re = 0, im = 0;
    for (size_t i = 0; i < windowed.size(); ++i) {
      re += windowed[i] * std::cos(2 * kPi * hz * double(i) / 11025.0);
      im += windowed[i] * std::sin(2 * kPi * hz * double(i) / 11025.0);
    }
    return re * re + im * im;
  };
  double best = low, bestStrength = 0;
  for (double hz = low; hz <= high; hz *= 1.003) {
    if (const double s = strength(hz); s > bestStrength) bestStrength = s, best = hz;
  }
  const double coarse = best;
  for (double hz = coarse / 1.003; hz <= coarse * 1.003; hz *= 1.0002) {
    if (const double s = strength(hz); s > bestStrength) bestStrength = s, best = hz;
  }
  return best;
}

// Every melodic instrument across its range, as the game's player plays it: a wrong
// tuning, or a key map giving a note the wrong octave's sample, shows here.
TEST(Instruments, SoundAtThePitchThePatternsWrite) {
  const std::vector<xm::Instrument> instruments = music::makeInstruments();
  const struct {
    int instrument;
    const char* note;
  } cases[] = {{music::kRecorder, "E4"}, {music::kRecorder, "A4"}, {music::kRecorder, "E5"},
               {music::kRecorder, "D6"}, {music::kLute, "A2"},     {music::kLute, "D3"},
               {music::kLute, "A4"},     {music::kLute, "F5"},     {music::kViol, "A1"},
               {music::kViol, "D2"},     {music::kViol, "A2"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(instruments[size_t(c.instrument - 1)].name) + " " + c.note);
    const int note = music::pitchOf(c.note);
    const double expected = 440.0 * std::pow(2.0, (note - 58) / 12.0);
    SoundMixer mixer(SoundMixer::Output::kRecorded);
    ASSERT_TRUE(mixer.started());
    MODULE* song = mixer.loadModule(xm::write(oneNote(instruments[size_t(c.instrument - 1)], note)));
    ASSERT_NE(song, nullptr) << MikMod_strerror(MikMod_errno);
    Player_Start(song);
    const std::vector<float> heard = mixer.listen(1.0);
    ASSERT_GT(heard.size(), 9000u);
    const std::vector<float> held(heard.begin() + 1500, heard.begin() + 9000);  // past the attack
    EXPECT_GT(rmsOf(held), 0.01) << "silent";
    const double measured = strongestFrequency(held, expected * 0.4, expected * 2.2);
    EXPECT_NEAR(measured / expected, 1.0, 0.01) << "measured " << measured << " Hz for " << expected;
  }
}

}  // namespace
