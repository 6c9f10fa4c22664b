// Mechanics and metal: struck partials that die fast, with a click of noise on top of each
// strike and a thud of the body behind it.
#include "sound/Effects.h"
#include "sound/Filters.h"
#include "sound/Timbres.h"

namespace effects {

using namespace synth;

namespace {

// One tooth of a ratchet or screw thread: a tiny metallic tick.
Signal tick(Random& random, double pitch) {
  Signal out = metalHit({pitch, pitch * 1.57, pitch * 2.05}, 0.012);
  mixInto(out, noiseBurst(random, 3800, 1.5, 0.0002, 0.003), 0.0, 0.8f);
  mixInto(out, thump(650, 500, 0.006), 0.0, 0.3f);
  return out;
}

// A coin landing on the others: a few bright inharmonic partials.
Signal coin(Random& random) {
  const double f = random.between(1900, 2700);
  return metalHit({f, f * 1.47, f * 2.09 < 5200 ? f * 2.09 : f * 1.83}, random.between(0.06, 0.12));
}

}  // namespace

Signal screws() {
  Random random(201);
  Signal out;
  const float loudness[] = {1.0f, 0.85f, 0.75f, 0.6f};
  for (int i = 0; i < 4; ++i) mixInto(out, tick(random, 2300 + 90 * i), 0.055 * i, loudness[i]);
  finish(out, 0.85f, 0.001, 0.02);
  return out;
}

Signal cash() {
  Random random(202);
  // The drawer's catch, then the till's bell, then the coins.
  Signal out = noiseBurst(random, 1200, 1.0, 0.0005, 0.01);
  mixInto(out, metalHit({820, 1900}, 0.02), 0.0, 0.5f);
  mixInto(out, noiseBurst(random, 1500, 1.0, 0.0005, 0.008), 0.06, 0.6f);
  mixInto(out, bell(1760, {{1.0, 1.0, 0.35}, {2.0, 0.4, 0.2}, {2.76, 0.25, 0.12}}, 0.9), 0.1, 0.7f);
  for (int i = 0; i < 9; ++i) {
    const double at = 0.12 + 0.055 * i + random.between(0.0, 0.03);
    mixInto(out, coin(random), at, float(0.55 - 0.04 * i));
  }
  trim(out, 0.95);
  finish(out, 0.9f, 0.001, 0.08);
  return out;
}

Signal shaker() {
  Random random(203);
  Signal out;
  const double shakes[] = {0.0, 0.14, 0.28};
  const float loudness[] = {1.0f, 0.8f, 0.9f};
  for (int s = 0; s < 3; ++s) {
    // Each shake throws the grains against the shell one after another.
    for (int grain = 0; grain < 40; ++grain) {
      const double at = shakes[s] + 0.06 * random.uniform() * random.uniform();
      mixInto(out, noiseBurst(random, random.between(2500, 4500), 2.0, 0.0002, 0.002), at,
              float(loudness[s] * random.between(0.3, 1.0)));
    }
  }
  Biquad highPass;
  highPass.setHighPass(1500, 0.7);
  filterInPlace(out, [&](float s, double) { return highPass.process(s); });
  finish(out, 0.85f, 0.001, 0.03);
  return out;
}

Signal incubator() {
  Random random(204);
  Signal out = metalHit({310, 845, 1530, 2410, 3300}, 0.12);
  mixInto(out, thump(140, 90, 0.04), 0.0, 0.6f);
  mixInto(out, noiseBurst(random, 2000, 1.0, 0.0003, 0.005), 0.0, 0.6f);
  mixInto(out, metalHit({420, 1130, 2050}, 0.06), 0.11, 0.5f);
  // The steam lets go.
  Biquad hiss;
  hiss.setHighPass(2200, 0.7);
  const Curve steam{{0, 0}, {0.07, 0.35}, {0.35, 0.25}, {0.8, 0}};
  Signal release = generate(0.8, [&](double t) { return hiss.process(random.white()) * steam.at(t); });
  mixInto(out, release, 0.15, 1.0f);
  trim(out, 0.95);
  finish(out, 0.88f, 0.001, 0.05);
  return out;
}

Signal incubatorClick() {
  Random random(205);
  Signal out = metalHit({1900, 3100, 4200}, 0.01);
  mixInto(out, noiseBurst(random, 3000, 1.5, 0.0002, 0.002), 0.0, 0.6f);
  mixInto(out, metalHit({1500, 2700}, 0.015), 0.028, 1.0f);
  mixInto(out, thump(300, 200, 0.01), 0.028, 0.4f);
  trim(out, 0.16);
  finish(out, 0.8f, 0.001, 0.02);
  return out;
}

}  // namespace effects
