// The dragon over the burning village, in 64 x 64 frames: fl00-fl30 fly to the right with
// three wing beats (the last frame leads back into the first), fi00-fi30 dip the head and
// breathe fire down on the houses, the flame growing frame by frame and dying away at the
// end, so that fi29 joins fl00 again (the game shows fl00-fl30, fi00-fi29, then fl00).
#include "land/LandEntries.h"

#include "common/Dragon.h"
#include "image/Canvas.h"
#include "image/Encode.h"
#include "image/Style.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace land {

namespace {

constexpr int kFrame = 64;
constexpr int kFlying = 31;     // fl00..fl30
constexpr int kBreathing = 30;  // fi00..fi29 are shown; fi30 repeats the loop's start
constexpr int kBeats = 3;       // wing beats in each of the two parts

DragonPose basePose() {
  DragonPose pose;
  pose.x = 25;
  pose.y = 30;
  pose.scale = 0.48;
  return pose;
}

// How far into the fire the dragon is, 0..1: a quick dip of the head, then the flame.
double breathOf(int frame) {
  const double t = double(frame) / kBreathing;
  if (t < 0.15) return t / 0.15 * 0.5;
  if (t < 0.8) return 0.5 + (t - 0.15) / 0.65 * 0.5;
  return std::max(0.0, 1.0 - (t - 0.8) / 0.2);
}

void paintFlying(Canvas& canvas, int frame) {
  DragonPose pose = basePose();
  pose.wing = std::cos(2 * M_PI * kBeats * (frame + 0.25) / kFlying);
  paintDragon(canvas.cr(), pose);
}

void paintBreathing(Canvas& canvas, int frame) {
  DragonPose pose = basePose();
  const double t = double(frame % kBreathing) / kBreathing;
  const double breath = breathOf(frame % kBreathing);
  // The head goes down with the breath; the flame only burns once the head is down.
  const double dip = std::min(1.0, std::sin(std::min(t, 0.9) / 0.9 * M_PI) * 1.6);
  pose.wing = std::cos(2 * M_PI * kBeats * (frame % kBreathing + 0.25) / kBreathing);
  pose.headTilt = 0.95 * dip;
  pose.pitch = 0.3 * dip;
  pose.fire = breath <= 0.5 ? 0.0 : (breath - 0.5) * 2 * 0.7;
  pose.fireSeed = unsigned(frame) * 3 + 1;
  paintDragon(canvas.cr(), pose);
}

std::string number(int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); }

}  // namespace

void addVillageDragon(ContentList& gfx) {
  for (int frame = 0; frame < kFlying; ++frame) {
    Canvas canvas(kFrame, kFrame);
    paintFlying(canvas, frame);
    gfx.push_back({"gfx\\action\\village\\dragon\\fl" + number(frame) + ".gif", encodeGif(canvas.rgb(true))});
  }
  for (int frame = 0; frame <= kBreathing; ++frame) {
    Canvas canvas(kFrame, kFrame);
    paintBreathing(canvas, frame);
    gfx.push_back({"gfx\\action\\village\\dragon\\fi" + number(frame) + ".gif", encodeGif(canvas.rgb(true))});
  }
}

}  // namespace land
