// Chimes and magic: sines and bell partials with soft attacks, echoes and reverb; swishes
// are noise through a band-pass that glides up or down.
#include "sound/Effects.h"
#include "sound/Filters.h"
#include "sound/Timbres.h"

#include <algorithm>
#include <cmath>

namespace effects {

using namespace synth;

namespace {

// Noise whose band glides from `fromHz` to `toHz`, with a faint whistle riding on it.
Signal swish(double fromHz, double toHz, const Curve& loudness, uint32_t seed) {
  Random random(seed);
  Biquad band;
  Oscillator whistle;
  const double seconds = loudness.end();
  return generate(seconds, [&](double t) {
    const double hz = fromHz * std::pow(toHz / fromHz, t / seconds);
    band.setBandPass(hz, 2.5);
    return (band.process(random.white()) + 0.08 * whistle.sine(hz * 0.5)) * loudness.at(t);
  });
}

// The tuned chime the mystic effect strikes: partials of a small bar bell.
Signal chime(double hz) {
  return bell(hz, {{1.0, 1.0, 0.6}, {2.0, 0.35, 0.35}, {2.76, 0.25, 0.25}, {5.4, 0.1, 0.12}}, 1.0);
}

}  // namespace

Signal outro() {
  // A falling figure on the lute that comes to rest on D, over an open fifth.
  const double notes[][2] = {{0.0, 440.0}, {0.15, 523.25}, {0.3, 659.26}, {0.45, 587.33}};
  Signal out;
  for (const auto& [at, hz] : notes) mixInto(out, pluck(hz, 1.1, 0.6, 4500), at, 0.6f);
  mixInto(out, pluck(146.83, 1.1, 0.4, 4500), 0.45, 0.5f);
  mixInto(out, pluck(220.0, 1.1, 0.4, 4500), 0.47, 0.4f);
  out = withReverb(out, 0.9, 0.4, 0.2f, 0.1);
  trim(out, 1.6);
  finish(out, 0.85f, 0.002, 0.3);
  return out;
}

Signal ping() {
  Signal out = bell(1760, {{1.0, 1.0, 0.11}, {2.0, 0.08, 0.05}, {3.0, 0.03, 0.03}}, 0.45);
  addEcho(out, 0.09, 0.25f, 1);
  finish(out, 0.85f, 0.001, 0.05);
  return out;
}

Signal magic() {
  Random random(301);
  // A soft chord on D that rises into tune under the sparkles.
  Oscillator pad[3];
  const double chord[3] = {587.33, 739.99, 880.0};
  Signal out = generate(1.3, [&](double t) {
    const double bend = 0.97 + 0.03 * smoothStep(t / 0.3);
    double sum = 0.0;
    for (int i = 0; i < 3; ++i) sum += pad[i].sine(chord[i] * bend * (1.0 + 0.004 * std::sin(2 * kPi * 4.0 * t)));
    return sum / 3.0 * 0.25 * swell(t, 1.3);
  });
  // Twinkles from the D pentatonic scale, climbing as the spell gathers.
  const double scale[] = {1174.66, 1318.51, 1479.98, 1760.0, 1975.53, 2349.32, 2637.02};
  for (int i = 0; i < 28; ++i) {
    const double at = 0.02 + 1.0 * (i + random.uniform()) / 28.0;
    const int step = std::min(6, int(at * 5.0 + random.between(0.0, 2.5)));
    const Signal twinkle = bell(scale[step], {{1.0, 1.0, random.between(0.07, 0.15)}, {2.0, 0.2, 0.04}}, 0.5);
    mixInto(out, twinkle, at, float(random.between(0.3, 0.7) * (0.5 + 0.5 * swell(at, 1.1))));
  }
  addEcho(out, 0.13, 0.35f, 3);
  trim(out, 1.4);
  finish(out, 0.88f, 0.002, 0.12);
  return out;
}

Signal sipp() {
  Signal out = swish(500, 3200, Curve{{0, 0}, {0.2, 0.8}, {0.3, 0}}, 302);
  finish(out, 0.85f, 0.002, 0.02);
  return out;
}

Signal sapp() {
  Signal out = swish(3200, 500, Curve{{0, 0}, {0.05, 0.8}, {0.3, 0}}, 303);
  finish(out, 0.85f, 0.002, 0.02);
  return out;
}

Signal mystic() {
  // Stacked fifths on D, struck one after another, trembling as they fade into the hall.
  Signal out;
  const double notes[][2] = {{0.0, 587.33}, {0.12, 880.0}, {0.24, 1318.51}};
  for (const auto& [at, hz] : notes) mixInto(out, chime(hz), at, 0.6f);
  for (size_t i = 0; i < out.size(); ++i)
    out[i] *= float(1.0 - 0.2 * (0.5 + 0.5 * std::sin(2 * kPi * 6.0 * timeOf(i))));
  out = withReverb(out, 1.2, 0.4, 0.35f, 0.2);
  trim(out, 1.4);
  finish(out, 0.85f, 0.002, 0.2);
  return out;
}

Signal revBell() {
  Random random(304);
  // A large bell on C: the hum an octave below, a minor third above the strike note, and
  // each partial dying at its own pace; the hum beats slowly against the octave.
  Signal out = bell(523.25, {{0.499, 0.5, 2.0},
                             {1.0, 0.8, 1.2},
                             {1.19, 0.5, 0.9},
                             {1.5, 0.3, 0.7},
                             {2.0, 0.6, 0.6},
                             {2.5, 0.25, 0.4},
                             {3.0, 0.2, 0.3},
                             {4.2, 0.1, 0.2}},
                    2.0);
  mixInto(out, noiseBurst(random, 2000, 1.0, 0.0003, 0.005), 0.0, 0.3f);
  out = withReverb(out, 2.2, 0.4, 0.45f, 0.5);
  finish(out, 0.9f, 0.001, 0.4);
  return out;
}

}  // namespace effects
