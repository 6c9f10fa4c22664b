// Paper, wood and rooms: rustles are band-passed noise with crackles (tiny bright bursts)
// strewn over them; thuds are falling sines; rooms are echoes and a reverb.
#include "sound/Effects.h"
#include "sound/Filters.h"
#include "sound/Timbres.h"

namespace effects {

using namespace synth;

namespace {

// Crackles of stiff paper between `from` and `to`: about `perSecond` of them, each louder
// where `loudness` is higher.
void addCrackles(Signal& out, Random& random, double from, double to, double perSecond, const Curve& loudness) {
  const int count = int((to - from) * perSecond);
  for (int i = 0; i < count; ++i) {
    const double at = random.between(from, to);
    const Signal crackle = noiseBurst(random, random.between(1800, 4300), 1.4, 0.0003, random.between(0.0006, 0.002));
    mixInto(out, crackle, at, float(loudness.at(at) * random.between(0.3, 1.0)));
  }
}

}  // namespace

Signal openScroll() {
  Random random(101);
  Signal out = sweptNoise(random, 0.75, Curve{{0, 1800}, {0.5, 2700}, {0.75, 2000}}, 0.8,
                          Curve{{0, 0}, {0.08, 0.22}, {0.45, 0.28}, {0.7, 0}});
  addCrackles(out, random, 0.02, 0.62, 110, Curve{{0, 0.4}, {0.3, 1.0}, {0.6, 0.5}});
  // The end of the sheet flaps over.
  mixInto(out, thump(190, 120, 0.03), 0.6, 0.5f);
  mixInto(out, noiseBurst(random, 900, 0.9, 0.002, 0.02), 0.6, 0.5f);
  finish(out, 0.9f, 0.002, 0.03);
  return out;
}

Signal scroll() {
  Random random(102);
  Signal out = sweptNoise(random, 0.24, Curve{{0, 2200}, {0.24, 3100}}, 0.9,
                          Curve{{0, 0}, {0.05, 0.35}, {0.15, 0.3}, {0.24, 0}});
  addCrackles(out, random, 0.01, 0.19, 90, Curve{{0, 0.9}, {0.2, 0.6}});
  finish(out, 0.85f);
  return out;
}

Signal pageTurn() {
  Random random(103);
  Signal out = sweptNoise(random, 0.45, Curve{{0, 700}, {0.25, 2400}, {0.42, 1500}}, 1.2,
                          Curve{{0, 0}, {0.2, 0.7}, {0.3, 0.5}, {0.42, 0}});
  addCrackles(out, random, 0.05, 0.3, 45, Curve{{0, 0.6}, {0.3, 0.9}});
  // The page lands.
  mixInto(out, noiseBurst(random, 1500, 0.7, 0.001, 0.015), 0.33, 0.8f);
  mixInto(out, thump(140, 90, 0.02), 0.33, 0.4f);
  finish(out, 0.88f);
  return out;
}

Signal empty() {
  Random random(104);
  Signal out = thump(90, 55, 0.12);
  mixInto(out, sweptNoise(random, 0.6, Curve{{0, 250}, {0.25, 700}, {0.6, 300}}, 2.0,
                          Curve{{0, 0}, {0.25, 0.5}, {0.6, 0}}), 0.0, 1.0f);
  // Hollow: close echoes ring like a pipe, then the room answers.
  addEcho(out, 0.011, 0.55f, 8);
  out = withReverb(out, 0.5, 0.4, 0.25f, 0.1);
  finish(out, 0.85f, 0.002, 0.05);
  return out;
}

Signal doorShut() {
  Random random(105);
  // The rush of air before the door meets the frame.
  Signal out = sweptNoise(random, 0.16, Curve{{0, 400}, {0.16, 900}}, 1.0, Curve{{0, 0}, {0.12, 0.25}, {0.16, 0}});
  mixInto(out, thump(75, 45, 0.18), 0.15, 1.0f);
  mixInto(out, thump(120, 80, 0.08), 0.15, 0.6f);
  mixInto(out, noiseBurst(random, 500, 0.8, 0.001, 0.04), 0.15, 0.6f);
  // The latch falls into place.
  mixInto(out, metalHit({1150, 2630, 3810}, 0.035), 0.19, 0.35f);
  mixInto(out, noiseBurst(random, 3000, 1.5, 0.0003, 0.002), 0.19, 0.3f);
  out = withReverb(out, 0.7, 0.5, 0.3f, 0.35);
  trim(out, 1.1);
  finish(out, 0.92f, 0.002, 0.08);
  return out;
}

}  // namespace effects
