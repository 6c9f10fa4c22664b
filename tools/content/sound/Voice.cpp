#include "sound/Voice.h"

#include "sound/Filters.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {

VoiceKey lerp(const VoiceKey& a, const VoiceKey& b, double x) {
  auto mix = [x](double p, double q) { return p + (q - p) * x; };
  return {mix(a.time, b.time),   mix(a.pitch, b.pitch),     mix(a.f1, b.f1),
          mix(a.f2, b.f2),       mix(a.f3, b.f3),           mix(a.voicing, b.voicing),
          mix(a.breath, b.breath), mix(a.nasal, b.nasal),   mix(a.roughness, b.roughness)};
}

VoiceKey keyAt(const std::vector<VoiceKey>& keys, double t) {
  if (t <= keys.front().time) return keys.front();
  for (size_t i = 1; i < keys.size(); ++i) {
    if (t < keys[i].time) {
      const double span = keys[i].time - keys[i - 1].time;
      return lerp(keys[i - 1], keys[i], span > 0 ? (t - keys[i - 1].time) / span : 1.0);
    }
  }
  return keys.back();
}

// A slowly wandering value in -1..1: a new random target every `stepSeconds`, smoothed.
class Drift {
public:
  Drift(uint32_t seed, double stepSeconds)
      : random_(seed), step_(sampleCount(stepSeconds)), smooth_(1.0 / stepSeconds) {}
  double next() {
    if (count_++ % step_ == 0) target_ = random_.white();
    return smooth_.lowPass(float(target_));
  }

private:
  Random random_;
  size_t step_, count_ = 0;
  double target_ = 0;
  OnePole smooth_;
};

}  // namespace

Signal speak(const std::vector<VoiceKey>& keys, uint32_t seed) {
  if (keys.empty()) return {};
  Random breathNoise(seed);
  Drift jitter(seed * 31 + 7, 0.012), wobble(seed * 17 + 3, 0.006);
  Oscillator glottis, vibrato;
  Resonator r1, r2, r3, r4;
  r4.set(3400, 300);  // the fixed presence of a voice above the moving formants
  OnePole breathColour(2500), muffle(5000);

  Signal out(sampleCount(keys.back().time));
  for (size_t i = 0; i < out.size(); ++i) {
    const VoiceKey k = keyAt(keys, timeOf(i));
    const double unsteady = 0.012 + 0.12 * k.roughness;
    const double pitch = k.pitch * (1.0 + 0.008 * vibrato.sine(5.3) + unsteady * jitter.next());
    const double loudness = 1.0 + 0.6 * k.roughness * wobble.next();
    const double buzz = 0.25 * glottis.harmonics(pitch, 1.0, 4600.0) * k.voicing * loudness;
    const double breath = 0.5 * breathColour.lowPass(breathNoise.white()) * k.breath;

    r1.set(k.f1, 70 + 40 * k.nasal);
    r2.set(k.f2, 100 + 150 * k.nasal);
    r3.set(k.f3, 160 + 200 * k.nasal);
    float s = r4.process(r3.process(r2.process(r1.process(float(buzz + breath)))));
    muffle.setCutoff(5000.0 - 4300.0 * k.nasal);
    out[i] = muffle.lowPass(s);
  }
  return out;
}

}  // namespace synth
