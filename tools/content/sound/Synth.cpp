#include "sound/Synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

size_t sampleCount(double seconds) { return seconds <= 0 ? 0 : size_t(std::lround(seconds * kRate)); }

// ---- Random ----------------------------------------------------------------------------

// A zero state would stay zero for ever.
Random::Random(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}

uint32_t Random::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double Random::uniform() { return double(next() >> 8) / double(1u << 24); }

double Random::between(double low, double high) { return low + (high - low) * uniform(); }

float Random::white() { return float(uniform() * 2.0 - 1.0); }

// ---- Oscillator ------------------------------------------------------------------------

double Oscillator::advance(double hz) {
  const double now = phase_;
  phase_ += hz / kRate;
  phase_ -= std::floor(phase_);
  return now;
}

double Oscillator::sine(double hz) { return std::sin(2.0 * kPi * advance(hz)); }

double Oscillator::triangle(double hz) {
  const double p = advance(hz);
  return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
}

double Oscillator::harmonics(double hz, double tilt, double ceilingHz) {
  const double p = advance(hz);
  double sum = 0.0;
  for (int k = 1; k * hz < ceilingHz; ++k) sum += std::sin(2.0 * kPi * k * p) / std::pow(k, tilt);
  return sum;
}

// ---- Curve -----------------------------------------------------------------------------

Curve::Curve(std::initializer_list<std::pair<double, double>> points) : points_(points) {}

Curve::Curve(std::vector<std::pair<double, double>> points) : points_(std::move(points)) {}

double Curve::at(double seconds) const {
  if (points_.empty()) return 0.0;
  if (seconds <= points_.front().first) return points_.front().second;
  for (size_t i = 1; i < points_.size(); ++i) {
    const auto& [t1, v1] = points_[i];
    if (seconds < t1) {
      const auto& [t0, v0] = points_[i - 1];
      return t1 > t0 ? v0 + (v1 - v0) * (seconds - t0) / (t1 - t0) : v1;
    }
  }
  return points_.back().second;
}

double Curve::end() const { return points_.empty() ? 0.0 : points_.back().first; }

// ---- Envelope shapes -------------------------------------------------------------------

double attackDecay(double t, double attack, double decayTau) {
  if (t < 0) return 0.0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decayTau);
}

double swell(double t, double length) {
  if (t <= 0 || t >= length) return 0.0;
  const double s = std::sin(kPi * t / length);
  return s * s;
}

double smoothStep(double x) {
  x = std::clamp(x, 0.0, 1.0);
  return x * x * (3.0 - 2.0 * x);
}

// ---- Making and combining --------------------------------------------------------------

Signal silence(double seconds) { return Signal(sampleCount(seconds), 0.0f); }

void mixInto(Signal& into, const Signal& source, double atSeconds, float gain) {
  const size_t start = sampleCount(atSeconds);
  if (into.size() < start + source.size()) into.resize(start + source.size(), 0.0f);
  for (size_t i = 0; i < source.size(); ++i) into[start + i] += source[i] * gain;
}

void scale(Signal& signal, float gain) {
  for (float& s : signal) s *= gain;
}

void trim(Signal& signal, double seconds) {
  if (signal.size() > sampleCount(seconds)) signal.resize(sampleCount(seconds));
}

// ---- Finishing -------------------------------------------------------------------------

float peakOf(const Signal& signal) {
  float peak = 0.0f;
  for (float s : signal) peak = std::max(peak, std::fabs(s));
  return peak;
}

double rmsOf(const Signal& signal) {
  if (signal.empty()) return 0.0;
  double sum = 0.0;
  for (float s : signal) sum += double(s) * s;
  return std::sqrt(sum / double(signal.size()));
}

void removeDc(Signal& signal) {
  const double r = std::exp(-2.0 * kPi * 20.0 / kRate);
  double previousIn = 0.0, previousOut = 0.0;
  for (float& s : signal) {
    const double out = s - previousIn + r * previousOut;
    previousIn = s;
    previousOut = out;
    s = float(out);
  }
}

void fadeEdges(Signal& signal, double inSeconds, double outSeconds) {
  const size_t fadeIn = std::min(sampleCount(inSeconds), signal.size());
  const size_t fadeOut = std::min(sampleCount(outSeconds), signal.size());
  for (size_t i = 0; i < fadeIn; ++i) {
    const double c = std::sin(0.5 * kPi * double(i) / double(fadeIn));
    signal[i] = float(signal[i] * c * c);
  }
  // The very last sample lands on zero.
  for (size_t i = 0; i < fadeOut; ++i) {
    const double c = std::sin(0.5 * kPi * double(i) / double(fadeOut));
    signal[signal.size() - 1 - i] = float(signal[signal.size() - 1 - i] * c * c);
  }
}

void normalise(Signal& signal, float peak) {
  const float loudest = peakOf(signal);
  if (loudest > 0.0f) scale(signal, peak / loudest);
}

void finish(Signal& signal, float peak, double fadeInSeconds, double fadeOutSeconds) {
  removeDc(signal);
  fadeEdges(signal, fadeInSeconds, fadeOutSeconds);
  normalise(signal, peak);
}

}  // namespace synth
