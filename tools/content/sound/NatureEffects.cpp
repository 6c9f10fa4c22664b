// Creatures, water and fire: breath is band-passed noise over a low growl; water is many
// small bubbles over a stream; fire is low-passed noise whose band opens as it flares.
#include "sound/Effects.h"
#include "sound/Filters.h"
#include "sound/Timbres.h"

#include <algorithm>
#include <cmath>

namespace effects {

using namespace synth;

namespace {

// A slow random flicker around 1: `depth` deep, changing about `hz` times a second.
class Flicker {
public:
  Flicker(uint32_t seed, double hz, double depth) : random_(seed), smooth_(hz), depth_(depth) {}
  double next() { return 1.0 + depth_ * smooth_.lowPass(random_.white() * 3.0f); }

private:
  Random random_;
  OnePole smooth_;
  double depth_;
};

// The rumble deep in a dragon's chest: a low buzz, muffled.
Signal growl(double seconds, double hz, const Curve& loudness) {
  Oscillator chest, flutter;
  OnePole muffle(400);
  return generate(seconds, [&](double t) {
    const double buzz = chest.harmonics(hz * (1.0 + 0.03 * flutter.sine(3.0)), 1.5, 700.0);
    return muffle.lowPass(float(buzz)) * (0.8 + 0.2 * flutter.sine(7.0)) * loudness.at(t);
  });
}

}  // namespace

Signal breathe() {
  Random random(401);
  // In through the nose, a pause, then out slowly with the chest rumbling.
  Signal out = sweptNoise(random, 0.65, Curve{{0, 600}, {0.65, 950}}, 1.2, Curve{{0, 0}, {0.45, 0.35}, {0.65, 0}});
  const Curve outLoudness{{0, 0}, {0.15, 0.8}, {0.45, 0.6}, {0.85, 0}};
  mixInto(out, sweptNoise(random, 0.85, Curve{{0, 380}, {0.85, 250}}, 0.9, outLoudness), 0.75);
  mixInto(out, growl(0.85, 48, Curve{{0, 0}, {0.2, 0.35}, {0.5, 0.3}, {0.85, 0}}), 0.75);
  finish(out, 0.9f, 0.005, 0.05);
  return out;
}

Signal snort() {
  Random random(402);
  // A short blast through the nostrils, which flap as it passes.
  Biquad nostril;
  nostril.setBandPass(900, 1.3);
  Oscillator flap;
  Signal out = generate(0.45, [&](double t) {
    const double flutter = t < 0.2 ? 0.6 + 0.4 * flap.sine(32.0) : 1.0;
    return nostril.process(random.white()) * attackDecay(t, 0.015, 0.12) * flutter;
  });
  mixInto(out, growl(0.4, 70, Curve{{0, 0}, {0.02, 0.5}, {0.15, 0.25}, {0.4, 0}}), 0.0);
  finish(out, 0.92f, 0.003, 0.04);
  return out;
}

Signal pouring() {
  Random random(403);
  Flicker flow(4031, 15, 0.5);
  Biquad stream;
  stream.setBandPass(900, 0.6);
  const Curve loudness{{0, 0}, {0.08, 0.35}, {0.9, 0.35}, {1.1, 0}};
  Signal out = generate(1.15, [&](double t) { return stream.process(random.white()) * loudness.at(t) * flow.next(); });
  for (int i = 0; i < 45; ++i) {
    const double at = random.between(0.05, 1.0);
    const double hz = random.between(350, 1300);
    mixInto(out, bubble(hz, hz * 1.6, random.between(0.02, 0.04)), at, float(random.between(0.2, 0.5)));
  }
  // The first splash as the liquid meets the surface.
  mixInto(out, noiseBurst(random, 2200, 0.7, 0.002, 0.06), 0.0, 0.6f);
  finish(out, 0.88f, 0.004, 0.06);
  return out;
}

Signal drop() {
  Random random(404);
  // The tiny impact, then the pocket of air under it ringing upward.
  Signal out = noiseBurst(random, 3000, 1.0, 0.0002, 0.001);
  scale(out, 0.2f);
  Oscillator water;
  mixInto(out, generate(0.2, [&](double t) {
            const double hz = 1000.0 * std::pow(2.0, std::min(t / 0.025, 1.2));
            return water.sine(hz) * attackDecay(t, 0.001, 0.035);
          }), 0.002);
  addEcho(out, 0.07, 0.2f, 2);
  trim(out, 0.35);
  finish(out, 0.85f, 0.001, 0.03);
  return out;
}

Signal heat() {
  Random random(405);
  Flicker flame(4051, 12, 0.3);
  Biquad roar;
  const Curve opening{{0, 200}, {0.08, 1600}, {0.4, 900}, {1.0, 600}};
  const Curve loudness{{0, 0}, {0.05, 1.0}, {0.3, 0.7}, {1.0, 0}};
  Signal out = generate(1.0, [&](double t) {
    roar.setLowPass(opening.at(t), 0.8);
    return roar.process(random.white()) * loudness.at(t) * flame.next();
  });
  mixInto(out, thump(70, 45, 0.15), 0.0, 0.6f);  // the gas catching
  trim(out, 1.0);
  finish(out, 0.9f, 0.004, 0.08);
  return out;
}

Signal incubatorAtmosphere() {
  Random random(406);
  // A warm mains-like hum on A with a slow beat, a soft bed of noise, and bubbles rising
  // in the incubator's water.
  Oscillator hum[4];
  OnePole bed(800);
  Signal out = generate(1.8, [&](double) {
    const double tone = 0.35 * hum[0].sine(110) + 0.15 * hum[1].sine(220) + 0.08 * hum[2].sine(330) +
                        0.12 * hum[3].sine(110.7);
    return tone + 0.05 * bed.lowPass(random.white());
  });
  for (int i = 0; i < 30; ++i) {
    const double hz = random.between(250, 650);
    mixInto(out, bubble(hz, hz * 1.5, 0.05), random.between(0.1, 1.6), float(random.between(0.25, 0.5)));
  }
  trim(out, 1.8);
  finish(out, 0.8f, 0.25, 0.4);
  return out;
}

}  // namespace effects
