#include "sound/Filters.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {

// Keeps filter settings inside what a 11025 Hz signal can hold.
double clampHz(double hz) { return std::clamp(hz, 10.0, 0.45 * kRate); }

}  // namespace

void OnePole::setCutoff(double hz) { a_ = 1.0 - std::exp(-2.0 * kPi * clampHz(hz) / kRate); }

float OnePole::lowPass(float in) {
  state_ += a_ * (in - state_);
  return float(state_);
}

void Biquad::set(double b0, double b1, double b2, double a0, double a1, double a2) {
  b0_ = b0 / a0;
  b1_ = b1 / a0;
  b2_ = b2 / a0;
  a1_ = a1 / a0;
  a2_ = a2 / a0;
}

void Biquad::setLowPass(double hz, double q) {
  const double w = 2.0 * kPi * clampHz(hz) / kRate, alpha = std::sin(w) / (2.0 * q), c = std::cos(w);
  set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::setHighPass(double hz, double q) {
  const double w = 2.0 * kPi * clampHz(hz) / kRate, alpha = std::sin(w) / (2.0 * q), c = std::cos(w);
  set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::setBandPass(double hz, double q) {
  const double w = 2.0 * kPi * clampHz(hz) / kRate, alpha = std::sin(w) / (2.0 * q), c = std::cos(w);
  set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

float Biquad::process(float in) {
  const double out = b0_ * in + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = in;
  y2_ = y1_;
  y1_ = out;
  return float(out);
}

void Resonator::set(double hz, double bandwidthHz) {
  const double r = std::exp(-kPi * bandwidthHz / kRate);
  b_ = 2.0 * r * std::cos(2.0 * kPi * clampHz(hz) / kRate);
  c_ = -r * r;
  a_ = 1.0 - b_ - c_;
}

float Resonator::process(float in) {
  const double out = a_ * in + b_ * y1_ + c_ * y2_;
  y2_ = y1_;
  y1_ = out;
  return float(out);
}

// Comb lengths of no common factor keep the echoes from piling up into a tone.
Reverb::Reverb(double decaySeconds, double damping) : damping_(float(damping)) {
  const int combLengths[4] = {331, 373, 419, 457};
  const int allPassLengths[2] = {113, 37};
  for (size_t i = 0; i < combs_.size(); ++i) {
    combs_[i].line.assign(size_t(combLengths[i]), 0.0f);
    const double loopSeconds = double(combLengths[i]) / kRate;
    combs_[i].feedback = float(std::pow(10.0, -3.0 * loopSeconds / decaySeconds));
  }
  for (size_t i = 0; i < allPasses_.size(); ++i) allPasses_[i].line.assign(size_t(allPassLengths[i]), 0.0f);
}

float Reverb::process(float in) {
  float sum = 0.0f;
  for (Comb& comb : combs_) {
    const float out = comb.line[comb.at];
    comb.store = out * (1.0f - damping_) + comb.store * damping_;
    comb.line[comb.at] = in + comb.store * comb.feedback;
    comb.at = (comb.at + 1) % comb.line.size();
    sum += out;
  }
  float out = sum * 0.25f;
  for (AllPass& pass : allPasses_) {
    const float delayed = pass.line[pass.at];
    pass.line[pass.at] = out + delayed * 0.5f;
    pass.at = (pass.at + 1) % pass.line.size();
    out = delayed - out * 0.5f;
  }
  return out;
}

void addEcho(Signal& signal, double delaySeconds, float feedback, int repeats) {
  const Signal dry = signal;
  float gain = 1.0f;
  for (int i = 1; i <= repeats; ++i) {
    gain *= feedback;
    mixInto(signal, dry, delaySeconds * i, gain);
  }
}

Signal withReverb(const Signal& dry, double decaySeconds, double damping, float wet, double tailSeconds) {
  Reverb reverb(decaySeconds, damping);
  Signal out(dry.size() + sampleCount(tailSeconds), 0.0f);
  for (size_t i = 0; i < out.size(); ++i) {
    const float in = i < dry.size() ? dry[i] : 0.0f;
    out[i] = in * (1.0f - wet) + reverb.process(in) * wet;
  }
  return out;
}

}  // namespace synth
