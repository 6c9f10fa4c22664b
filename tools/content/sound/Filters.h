// Filters for the synthesiser, processing one sample at a time so their settings may sweep
// while a sound plays: one-pole smoothing, the usual second-order sections, the formant
// resonator the voices are built from, and a small room reverb.
#pragma once

#include "sound/Synth.h"

#include <array>
#include <vector>

namespace synth {

// One pole: a gentle 6 dB/octave low-pass, and the high-pass that is its complement.
class OnePole {
public:
  explicit OnePole(double cutoffHz = 1000.0) { setCutoff(cutoffHz); }
  void setCutoff(double hz);
  float lowPass(float in);
  float highPass(float in) { return in - lowPass(in); }

private:
  double a_ = 0.0, state_ = 0.0;
};

// A second-order section (the well-known "cookbook" designs). Setting new coefficients
// keeps the state, so a sweep stays smooth.
class Biquad {
public:
  void setLowPass(double hz, double q);
  void setHighPass(double hz, double q);
  void setBandPass(double hz, double q);  // peak gain 1 at hz
  float process(float in);

private:
  void set(double b0, double b1, double b2, double a0, double a1, double a2);
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A two-pole resonance with unity gain at DC: chained, a few of them shape a buzz into a
// vowel (each one a formant of the vocal tract).
class Resonator {
public:
  void set(double hz, double bandwidthHz);
  float process(float in);

private:
  double a_ = 1, b_ = 0, c_ = 0, y1_ = 0, y2_ = 0;
};

// A small room: four damped feedback combs in parallel, then two all-passes. `decaySeconds`
// is the time the tail takes to fall by 60 dB.
class Reverb {
public:
  Reverb(double decaySeconds, double damping);
  float process(float in);

private:
  struct Comb {
    std::vector<float> line;
    size_t at = 0;
    float feedback = 0, store = 0;
  };
  struct AllPass {
    std::vector<float> line;
    size_t at = 0;
  };
  std::array<Comb, 4> combs_;
  std::array<AllPass, 2> allPasses_;
  float damping_;
};

// Runs `signal` through a filter that is called as filter(sample, seconds).
template <class Filter>
void filterInPlace(Signal& signal, Filter&& filter) {
  for (size_t i = 0; i < signal.size(); ++i) signal[i] = float(filter(signal[i], timeOf(i)));
}

// Adds `repeats` echoes, each `delaySeconds` later and `feedback` times as loud.
void addEcho(Signal& signal, double delaySeconds, float feedback, int repeats);

// Returns the signal with a reverb tail of `tailSeconds` added, `wet` of it reverberated.
Signal withReverb(const Signal& dry, double decaySeconds, double damping, float wet, double tailSeconds);

}  // namespace synth
