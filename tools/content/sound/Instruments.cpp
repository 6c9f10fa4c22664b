#include "sound/Instruments.h"

#include "sound/Filters.h"
#include "sound/Timbres.h"
#include "sound/Wav.h"

#include <cmath>
#include <functional>

namespace music {

using namespace synth;

namespace {

// The samples' loudest point: every instrument is made equally loud, and the patterns'
// volumes set the balance.
constexpr float kSamplePeak = 0.9f;
// Looping samples repeat one second: with every partial on a whole number of hertz, the
// loop's end runs straight into its start.
constexpr size_t kLoopLength = kRate;
constexpr double kAttackSeconds = 0.1;

double cOfOctave(int octave) { return 261.6256 * std::pow(2.0, octave - 4); }
int noteOfC(int octave) { return 1 + 12 * octave; }

xm::Sample toSample(Signal signal, const char* name, double toneHz) {
  normalise(signal, kSamplePeak);
  xm::Sample sample;
  sample.name = name;
  for (float s : signal) sample.data.push_back(toPcm16(s));
  xm::tune(sample, kRate, toneHz);
  return sample;
}

// Breath or bow noise for a looping sample: band-passed noise that repeats every loop.
// The filter runs round the loop twice, keeping the second pass, so the end of the loop
// carries on into its start.
Signal loopedNoise(uint32_t seed, double centreHz) {
  Random random(seed);
  Signal table(kLoopLength);
  for (float& s : table) s = random.white();
  Biquad band;
  band.setBandPass(centreHz, 1.0);
  Signal out(kLoopLength);
  for (int pass = 0; pass < 2; ++pass)
    for (size_t i = 0; i < kLoopLength; ++i) out[i] = band.process(table[i]);
  return out;
}

// A sustained tone: an attack of its own, then a one-second loop. `weights` are the
// harmonics' strengths; `onset` adds what only the start has (a chiff, a bow's scratch).
// A vibrato of `vibratoDepth` (a fraction of the pitch) at 5 Hz grows over the attack; at
// a whole number of cycles a second it leaves the loop seamless. It lives in the sample
// because the module player ignores an instrument's sine vibrato.
xm::Sample sustainedSample(const char* name, double hz, const std::vector<double>& weights, float noiseLevel,
                           double vibratoDepth, const std::function<double(double t, size_t i)>& onset) {
  const double f = std::round(hz);
  const size_t attack = sampleCount(kAttackSeconds);
  const Signal noise = loopedNoise(uint32_t(f), std::min(3.0 * f, 3000.0));
  Signal out(attack + kLoopLength);
  double phase = 0.0;  // of the fundamental, in cycles
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / kRate;
    const double depth = vibratoDepth * std::min(1.0, t / kAttackSeconds);
    double tone = 0.0;
    for (size_t k = 0; k < weights.size() && double(k + 1) * f < 3800.0; ++k)
      tone += weights[k] * std::sin(2.0 * kPi * double(k + 1) * phase);
    phase += f * (1.0 + depth * std::sin(2.0 * kPi * 5.0 * t)) / kRate;
    phase -= std::floor(phase);
    const double fading = i < attack ? 1.0 - double(i) / double(attack) : 0.0;
    out[i] = float(tone + noiseLevel * noise[i % kLoopLength] + onset(t, i) * fading * fading);
  }
  xm::Sample sample = toSample(out, name, f);
  sample.loopStart = uint32_t(attack);
  sample.loopLength = uint32_t(kLoopLength);
  return sample;
}

// One sample per octave, each covering the notes from six semitones below its C to five
// above; the lowest and highest reach to the keyboard's ends.
xm::Instrument byOctave(const char* name, std::initializer_list<int> octaves,
                        const std::function<xm::Sample(double hz)>& make) {
  xm::Instrument in;
  in.name = name;
  for (int octave : octaves) in.samples.push_back(make(cOfOctave(octave)));
  for (int note = 1; note <= xm::kNotes; ++note) {
    size_t best = 0;
    int index = 0;
    for (int octave : octaves) {
      if (note >= noteOfC(octave) - 6) best = size_t(index);
      ++index;
    }
    in.keymap[size_t(note - 1)] = uint8_t(best);
  }
  return in;
}

xm::Instrument recorder() {
  xm::Instrument in = byOctave("recorder", {4, 5, 6}, [](double hz) {
    Random chiffNoise{uint32_t(hz)};
    Biquad chiffBand;
    chiffBand.setBandPass(std::min(4.0 * hz, 4000.0), 1.5);
    return sustainedSample("recorder", hz, {1.0, 0.12, 0.1, 0.03}, 0.03f, 0.006, [&](double t, size_t) {
      return 0.3 * chiffBand.process(chiffNoise.white()) * std::exp(-t / 0.02) +
             0.2 * std::sin(2.0 * kPi * 2.0 * std::round(hz) * t) * std::exp(-t / 0.03);
    });
  });
  in.volume = {{{0, 0}, {3, 64}, {10, 50}, {40, 0}}, 2};
  in.fadeout = 1024;
  return in;
}

xm::Instrument lute() {
  return byOctave("lute", {3, 4, 5}, [](double hz) {
    Signal string = pluck(hz, 1.4, 0.5, 3800);
    fadeEdges(string, 0.0, 0.1);
    return toSample(string, "lute", hz);
  });
}

xm::Instrument viol() {
  xm::Instrument in = byOctave("viol", {2, 3}, [](double hz) {
    Random bowNoise{uint32_t(hz) + 1};
    std::vector<double> weights{1.0, 0.6, 0.35};
    for (int k = 4; k <= 40; ++k) weights.push_back(0.5 / std::pow(k, 1.5));
    return sustainedSample("viol", hz, weights, 0.02f, 0.0, [&](double t, size_t) {
      return 0.1 * bowNoise.white() * std::exp(-t / 0.03);
    });
  });
  in.volume = {{{0, 0}, {5, 64}, {14, 56}, {34, 0}}, 2};
  in.fadeout = 1024;
  return in;
}

// A drum sample played at C-4 sounds as made.
xm::Instrument percussion(const char* name, Signal signal) {
  xm::Instrument in;
  in.name = name;
  fadeEdges(signal, 0.0, 0.05);
  in.samples.push_back(toSample(std::move(signal), name, cOfOctave(4)));
  return in;
}

Signal drumStroke() {
  Random random(601);
  Signal out = thump(110, 62, 0.16);
  mixInto(out, noiseBurst(random, 300, 0.8, 0.001, 0.02), 0.0, 0.3f);
  mixInto(out, noiseBurst(random, 1200, 1.0, 0.0005, 0.006), 0.0, 0.15f);
  trim(out, 0.6);
  return out;
}

Signal rimTap() {
  Random random(602);
  Signal out = noiseBurst(random, 1800, 1.5, 0.0005, 0.03);
  mixInto(out, thump(420, 330, 0.04), 0.0, 0.6f);
  trim(out, 0.25);
  return out;
}

Signal jingles() {
  Random random(603);
  Signal out;
  for (int i = 0; i < 6; ++i) {
    const double f = random.between(3000, 3300);
    mixInto(out, metalHit({f, f * 1.27, f * 1.52}, 0.07), random.between(0.0, 0.025), float(random.between(0.5, 1.0)));
  }
  trim(out, 0.35);
  return out;
}

}  // namespace

std::vector<xm::Instrument> makeInstruments() {
  return {recorder(), lute(), viol(), percussion("drum", drumStroke()), percussion("tap", rimTap()),
          percussion("jingle", jingles())};
}

}  // namespace music
