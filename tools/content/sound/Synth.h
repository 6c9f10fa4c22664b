// The small synthesiser the effects and the music's instruments are made with: signals as
// float samples at the mixer's rate, a seeded noise source, phase-continuous oscillators,
// envelope shapes and the finishing steps every effect goes through (DC removed, edges
// faded, peak normalised). Everything is deterministic: the same calls give the same
// samples on every build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace synth {

// The game mixes at 11025 Hz, so effects and instrument samples are made at that rate and
// are never resampled on the way out.
inline constexpr int kRate = 11025;
inline constexpr double kPi = 3.14159265358979323846;

using Signal = std::vector<float>;

size_t sampleCount(double seconds);
inline double timeOf(size_t index) { return double(index) / kRate; }

// xorshift32: small, fast and the same everywhere. Each sound seeds its own.
class Random {
public:
  explicit Random(uint32_t seed);
  uint32_t next();
  double uniform();                         // [0, 1)
  double between(double low, double high);  // [low, high)
  float white();                            // [-1, 1)

private:
  uint32_t state_;
};

// Sine, triangle and band-limited pulse trains whose frequency may change every sample
// without a jump in phase (sweeps, vibrato, speech pitch).
class Oscillator {
public:
  explicit Oscillator(double startPhase = 0.0) : phase_(startPhase) {}
  double sine(double hz);
  double triangle(double hz);
  // Harmonics 1..n of hz up to `ceilingHz`, harmonic k weighted 1/k^tilt: a bright buzz
  // (tilt 1) to a soft reed (tilt 2) without aliasing.
  double harmonics(double hz, double tilt, double ceilingHz);
  double phase() const { return phase_; }

private:
  double advance(double hz);
  double phase_;  // in cycles, 0..1
};

// A piecewise-linear curve through (seconds, value) points, held flat beyond its ends.
class Curve {
public:
  Curve(std::initializer_list<std::pair<double, double>> points);
  explicit Curve(std::vector<std::pair<double, double>> points);
  double at(double seconds) const;
  double end() const;

private:
  std::vector<std::pair<double, double>> points_;
};

// Envelope shapes, all 0..1.
double attackDecay(double t, double attack, double decayTau);  // linear rise, exponential fall
double swell(double t, double length);                          // sin^2 hump over `length`
double smoothStep(double x);                                    // 0..1 with flat ends

// Making and combining signals.
Signal silence(double seconds);
template <class SampleAt>
Signal generate(double seconds, SampleAt&& sampleAt) {
  Signal out(sampleCount(seconds));
  for (size_t i = 0; i < out.size(); ++i) out[i] = float(sampleAt(timeOf(i)));
  return out;
}
// Adds `source` times `gain` into `into` from `atSeconds`, growing `into` as needed.
void mixInto(Signal& into, const Signal& source, double atSeconds, float gain = 1.0f);
void scale(Signal& signal, float gain);
// Cuts the signal to at most `seconds` (the fade of finish() then ends it cleanly).
void trim(Signal& signal, double seconds);

// Finishing.
float peakOf(const Signal& signal);
double rmsOf(const Signal& signal);
void removeDc(Signal& signal);                                // 20 Hz high-pass
void fadeEdges(Signal& signal, double inSeconds, double outSeconds);  // raised-cosine ramps
void normalise(Signal& signal, float peak);
// The last steps every effect takes: no DC, no click at either end, the loudest sample at
// `peak` of full scale.
void finish(Signal& signal, float peak, double fadeInSeconds = 0.002, double fadeOutSeconds = 0.02);

}  // namespace synth
