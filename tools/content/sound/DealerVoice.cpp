// The dealer's four words, spoken by the formant voice: a cheerful "howdy" when the shop
// opens, "bye" when it is left, a short "ahem" at every tap, and the thoughtful "hmm" of the
// information screen. Each key is one moment of the word: pitch, the three formants,
// buzz and breath; the consonants "d" and "b" are a short silence with a burst after it.
#include "sound/Effects.h"
#include "sound/Filters.h"
#include "sound/Timbres.h"
#include "sound/Voice.h"

namespace effects {

using namespace synth;

namespace {

// The release of a stop consonant: a short click of noise, `loudness` of the voice's peak.
void addBurst(Signal& word, double at, double centreHz, float loudness, uint32_t seed) {
  Random random(seed);
  const float peak = peakOf(word);
  mixInto(word, noiseBurst(random, centreHz, 1.2, 0.0005, 0.004), at, loudness * peak);
}

// A little of the shop's room around the voice.
Signal inTheShop(const Signal& word) { return withReverb(word, 0.3, 0.5, 0.12f, 0.08); }

}  // namespace

Signal howdy() {
  //                 time   pitch  f1    f2    f3   voice breath
  Signal word = speak({{0.00, 150, 750, 1250, 2500, 0.0, 0.0},
                       {0.03, 155, 750, 1250, 2500, 0.0, 0.5},   // h
                       {0.09, 160, 750, 1250, 2500, 0.3, 0.35},
                       {0.12, 165, 750, 1200, 2500, 1.0, 0.05},  // a
                       {0.24, 185, 700, 1100, 2450, 1.0, 0.03},
                       {0.32, 175, 420, 900, 2300, 0.9, 0.02},   // oo
                       {0.35, 170, 300, 1700, 2600, 0.12, 0.0},  // d: closed, the voice murmurs
                       {0.40, 170, 300, 1700, 2600, 0.1, 0.0},
                       {0.41, 200, 320, 2000, 2750, 1.0, 0.0},   // y, rising
                       {0.50, 190, 280, 2250, 2900, 1.0, 0.0},
                       {0.58, 160, 280, 2250, 2900, 0.6, 0.05},
                       {0.64, 150, 280, 2250, 2900, 0.0, 0.0}},
                      501);
  addBurst(word, 0.403, 3500, 0.25f, 5011);
  word = inTheShop(word);
  finish(word, 0.9f, 0.002, 0.04);
  return word;
}

Signal bye() {
  Signal word = speak({{0.00, 140, 250, 800, 2200, 0.12, 0.0},  // b: lips closed
                       {0.05, 140, 250, 800, 2200, 0.12, 0.0},
                       {0.055, 150, 350, 900, 2250, 0.9, 0.0},
                       {0.10, 165, 650, 1150, 2400, 1.0, 0.0},
                       {0.16, 178, 750, 1250, 2500, 1.0, 0.0},  // a
                       {0.28, 170, 740, 1300, 2500, 1.0, 0.0},
                       {0.42, 135, 350, 1950, 2650, 0.9, 0.0},  // ee, falling away
                       {0.50, 118, 300, 2050, 2700, 0.5, 0.05},
                       {0.56, 110, 300, 2050, 2700, 0.0, 0.0}},
                      502);
  addBurst(word, 0.052, 1100, 0.15f, 5021);
  word = inTheShop(word);
  finish(word, 0.9f, 0.002, 0.04);
  return word;
}

Signal ahem() {
  //                 time   pitch  f1    f2    f3   voice breath nasal rough
  Signal word = speak({{0.00, 95, 550, 1450, 2500, 0.0, 0.0, 0, 0.8},
                       {0.03, 92, 550, 1450, 2500, 0.8, 0.05, 0, 0.8},  // a creaky "uh"
                       {0.10, 88, 550, 1450, 2500, 0.6, 0.1, 0, 0.8},
                       {0.13, 90, 550, 1450, 2500, 0.0, 0.3, 0, 0.3},
                       {0.16, 130, 560, 1800, 2550, 0.0, 0.6},          // h
                       {0.20, 140, 560, 1800, 2550, 1.0, 0.1},          // e
                       {0.30, 135, 540, 1800, 2550, 1.0, 0.0},
                       {0.34, 128, 260, 1100, 2200, 0.8, 0.0, 1.0},     // m
                       {0.44, 120, 250, 1100, 2200, 0.7, 0.0, 1.0},
                       {0.50, 112, 250, 1100, 2200, 0.0, 0.0, 1.0}},
                      503);
  word = inTheShop(word);
  finish(word, 0.9f, 0.002, 0.04);
  return word;
}

Signal hmm() {
  // Lips closed all through: a breath through the nose, then a hum that rises a little in
  // thought and sinks again.
  Signal word = speak({{0.00, 112, 260, 1100, 2200, 0.0, 0.0, 1.0},
                       {0.04, 112, 260, 1100, 2200, 0.0, 0.3, 1.0},
                       {0.09, 115, 260, 1100, 2200, 0.8, 0.05, 1.0},
                       {0.30, 128, 250, 1100, 2200, 0.9, 0.0, 1.0},
                       {0.52, 110, 250, 1100, 2200, 0.8, 0.0, 1.0},
                       {0.66, 102, 250, 1100, 2200, 0.0, 0.0, 1.0}},
                      504);
  word = inTheShop(word);
  // A steady hum is loud for its peak; it comes at every tap, so it stays a little back.
  finish(word, 0.75f, 0.002, 0.04);
  return word;
}

}  // namespace effects
