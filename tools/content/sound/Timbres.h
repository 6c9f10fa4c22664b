// Building blocks the effects and the music's instruments share: bursts and sweeps of
// filtered noise, struck metal, thuds, bubbles, bells and plucked strings. Each returns a
// signal that starts at its own first instant and has died away by its end.
#pragma once

#include "sound/Synth.h"

#include <initializer_list>

namespace synth {

// A short burst of band-passed noise: clicks, crackles, slaps, splashes.
Signal noiseBurst(Random& random, double centreHz, double q, double attack, double decayTau);

// Noise through a band-pass whose centre and loudness follow curves over `seconds`:
// rustles, whooshes, breath, hiss.
Signal sweptNoise(Random& random, double seconds, const Curve& centreHz, double q, const Curve& gain);

// Struck metal: the partials ring together, the higher ones dying sooner.
Signal metalHit(std::initializer_list<double> partialsHz, double decayTau);

// A sine whose pitch falls from `startHz` to `endHz` as it dies: skins, thuds, bodies.
Signal thump(double startHz, double endHz, double decayTau);

// A bubble bursting at the surface: a quick rising chirp that dies at once.
Signal bubble(double fromHz, double toHz, double seconds);

struct Partial {
  double ratio;      // of the strike note
  double amplitude;  // at the strike
  double decayTau;   // seconds to fall to 1/e
};
// A struck bell or chime: `partials` over `hz`; any above `ceilingHz` are left out.
Signal bell(double hz, std::initializer_list<Partial> partials, double seconds, double ceilingHz = 5000.0);

// A plucked string: harmonics weighted by where it is plucked, each dying sooner the higher
// it lies; `brightness` 0..1 keeps more of the upper ones. Nothing above `ceilingHz`.
Signal pluck(double hz, double seconds, double brightness, double ceilingHz);

}  // namespace synth
