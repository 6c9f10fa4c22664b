#include "sound/Timbres.h"

#include "sound/Filters.h"

#include <algorithm>
#include <cmath>

namespace synth {

Signal noiseBurst(Random& random, double centreHz, double q, double attack, double decayTau) {
  Biquad band;
  band.setBandPass(centreHz, q);
  return generate(attack + 6.0 * decayTau, [&](double t) {
    return band.process(random.white()) * attackDecay(t, attack, decayTau);
  });
}

Signal sweptNoise(Random& random, double seconds, const Curve& centreHz, double q, const Curve& gain) {
  Biquad band;
  return generate(seconds, [&](double t) {
    band.setBandPass(centreHz.at(t), q);
    return band.process(random.white()) * gain.at(t);
  });
}

Signal metalHit(std::initializer_list<double> partialsHz, double decayTau) {
  std::vector<Oscillator> oscillators(partialsHz.size());
  return generate(decayTau * 6.0, [&](double t) {
    double sum = 0.0;
    size_t k = 0;
    for (double hz : partialsHz) {
      sum += oscillators[k].sine(hz) * attackDecay(t, 0.0005, decayTau / (1.0 + 0.4 * double(k)));
      ++k;
    }
    return sum / double(partialsHz.size());
  });
}

Signal thump(double startHz, double endHz, double decayTau) {
  Oscillator skin;
  return generate(decayTau * 6.0, [&](double t) {
    const double hz = endHz + (startHz - endHz) * std::exp(-t / (decayTau / 3.0));
    return skin.sine(hz) * attackDecay(t, 0.001, decayTau);
  });
}

Signal bubble(double fromHz, double toHz, double seconds) {
  Oscillator water;
  return generate(seconds, [&](double t) {
    const double x = t / seconds;
    const double hz = fromHz * std::pow(toHz / fromHz, x);
    return water.sine(hz) * attackDecay(t, 0.002, seconds / 4.0);
  });
}

Signal bell(double hz, std::initializer_list<Partial> partials, double seconds, double ceilingHz) {
  std::vector<Oscillator> oscillators(partials.size());
  return generate(seconds, [&](double t) {
    double sum = 0.0;
    size_t k = 0;
    for (const Partial& p : partials) {
      const double partialHz = hz * p.ratio;
      const double value = oscillators[k++].sine(partialHz);
      if (partialHz < ceilingHz) sum += value * p.amplitude * attackDecay(t, 0.001, p.decayTau);
    }
    return sum;
  });
}

// Plucked a fifth of the way along, so every fifth harmonic is nearly missing, as on a
// real string; the first instant carries a little of the finger's noise.
Signal pluck(double hz, double seconds, double brightness, double ceilingHz) {
  const double position = 0.2;
  const double sustain = 1.1 * std::pow(262.0 / hz, 0.35);
  std::vector<Oscillator> oscillators;
  std::vector<double> weights, decays;
  for (int k = 1; k * hz < ceilingHz; ++k) {
    oscillators.emplace_back(0.0);
    weights.push_back(std::fabs(std::sin(kPi * k * position)) / std::pow(k, 1.6 - 0.6 * brightness));
    decays.push_back(sustain / (1.0 + (0.35 - 0.15 * brightness) * (k - 1) * (k - 1) * 0.5));
  }
  Random finger(uint32_t(hz * 100));
  Biquad fingerBand;
  fingerBand.setBandPass(std::min(3 * hz, ceilingHz), 1.0);
  return generate(seconds, [&](double t) {
    double sum = 0.0;
    for (size_t k = 0; k < oscillators.size(); ++k)
      sum += oscillators[k].sine(hz * double(k + 1)) * weights[k] * std::exp(-t / decays[k]);
    const double noise = fingerBand.process(finger.white()) * attackDecay(t, 0.0005, 0.004);
    return (sum + 0.3 * noise) * std::min(1.0, t / 0.0015);
  });
}

}  // namespace synth
