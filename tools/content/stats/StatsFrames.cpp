// The dragon's idle animations behind its statistics. The game plays each kind up to its
// last frame and back down, then starts a random kind at frame 0, so every kind begins and
// ends in the same resting pose and moves smoothly in both directions:
//  - breathing: the chest heaves and small flames puff from the nostrils;
//  - attacking: the dragon rears, raises its wings and breathes a growing blast of fire;
//  - stretching: the wings unfold to their full span while the head lifts in a yawn;
//  - eating: the head dips into the trough and chews.
#include "image/Style.h"
#include "mage/PaintKit.h"
#include "stats/JpegCheck.h"
#include "stats/Lair.h"
#include "stats/StatsLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace stats {

namespace {

struct KindFiles {
  Idle kind;
  const char* pattern;
  int frames;
};
constexpr KindFiles kKinds[kIdleKinds] = {
    {Idle::Breathe, "gfx\\cellar\\stats\\ani\\stats_atmen%04d.jpg", 21},
    {Idle::Attack, "gfx\\cellar\\stats\\ani\\stats_angriff%04d.jpg", 26},
    {Idle::Stretch, "gfx\\cellar\\stats\\ani\\stats_strecken%04d.jpg", 31},
    {Idle::Eat, "gfx\\cellar\\stats\\ani\\stats_trog%04d.jpg", 31},
};

// The resting pose: standing on the straw, facing the trough at the left, wings folded.
// Facing left, its wings rise at the right, where the gauge rack leaves the wall open.
constexpr double kRestX = 205, kRestY = 164, kScale = 1.7, kRestWing = 0.1, kRestTilt = 0.15;

double smoothstep(double from, double to, double t) {
  const double x = std::clamp((t - from) / (to - from), 0.0, 1.0);
  return x * x * (3 - 2 * x);
}

DragonPose restPose() {
  DragonPose pose;
  pose.x = kRestX;
  pose.scale = kScale;
  pose.wing = kRestWing;
  pose.headTilt = kRestTilt;
  pose.legsDown = true;
  pose.facingLeft = true;
  return pose;
}

void breathe(DragonPose& pose, double t) {
  const double phase = std::fmod(2 * t, 1.0);  // two breaths from frame 0 to the last
  const double chest = std::sin(M_PI * phase) * std::sin(M_PI * phase);
  pose.wing += 0.1 * chest;
  pose.headTilt -= 0.08 * chest;
  pose.scale *= 1 + 0.012 * chest;
  // Out-breath in the cycle's second half: a puff of flame from the nostrils.
  if (phase > 0.55) pose.fire = 0.09 * std::sin(M_PI * (phase - 0.55) / 0.45);
}

void attack(DragonPose& pose, double t) {
  const double rise = smoothstep(0.0, 0.45, t), blast = smoothstep(0.35, 1.0, t);
  pose.pitch = -0.16 * rise;
  pose.headTilt = kRestTilt - 0.05 * rise + 0.1 * blast;
  pose.wing = kRestWing + 0.55 * rise;  // raised, but below the gauges
  pose.x += 6 * rise;  // draws back to strike
  pose.fire = 0.85 * blast;
}

void stretch(DragonPose& pose, double t) {
  const double s = smoothstep(0.0, 1.0, t);
  pose.wing = kRestWing + 0.6 * s;
  pose.pitch = -0.1 * s;
  pose.headTilt = kRestTilt - 0.5 * s;
  pose.scale *= 1 + 0.03 * s;  // drawn up to its full length
}

void eat(DragonPose& pose, double t) {
  const double lower = smoothstep(0.0, 0.3, t);
  const double chew = t > 0.3 ? std::sin(2 * M_PI * 3 * (t - 0.3) / 0.7) : 0.0;
  pose.pitch = 0.3 * lower;
  pose.headTilt = kRestTilt + 0.75 * lower + 0.09 * chew * lower;
  pose.x -= 10 * lower;
}

std::vector<uint8_t> frame(cairo_surface_t* lair, const DragonPose& pose, const std::string& name) {
  Canvas canvas(kScreenW, kScreenH);
  cairo_t* cr = canvas.cr();
  cairo_set_source_surface(cr, lair, 0, 0);
  cairo_paint(cr);
  paintDragon(cr, pose);
  paintTroughFront(cr);
  paintForeground(cr);
  return checkedJpeg(name, canvas.rgb(false), false);
}

// Every kind must start from the same resting pose, or the change of kind jumps.
bool samePose(const DragonPose& a, const DragonPose& b) {
  return a.x == b.x && a.y == b.y && a.scale == b.scale && a.wing == b.wing && a.fire == b.fire &&
         a.headTilt == b.headTilt && a.pitch == b.pitch && a.facingLeft == b.facingLeft;
}

}  // namespace

int frameCount(Idle kind) { return kKinds[int(kind)].frames; }

DragonPose idlePose(Idle kind, int frameNumber) {
  DragonPose pose = restPose();
  const double t = double(frameNumber) / (frameCount(kind) - 1);
  switch (kind) {
    case Idle::Breathe: breathe(pose, t); break;
    case Idle::Attack: attack(pose, t); break;
    case Idle::Stretch: stretch(pose, t); break;
    case Idle::Eat: eat(pose, t); break;
  }
  pose.fireSeed = unsigned(frameNumber) + 1;
  // The painter lifts the body as the wings go down; standing, the feet stay on the straw.
  pose.y = kRestY - 2.5 * pose.wing * pose.scale;
  return pose;
}

void addAnimations(ContentList& gfx) {
  for (const KindFiles& kind : kKinds)
    if (!samePose(idlePose(kind.kind, 0), idlePose(Idle::Breathe, 0)))
      paintkit::fail(std::string("the dragon's idle animation '") + kind.pattern + "' does not start at rest");
  Canvas lair(kScreenW, kScreenH);
  paintLair(lair.cr());
  for (const KindFiles& kind : kKinds) {
    for (int number = 0; number < kind.frames; ++number) {
      char name[64];
      std::snprintf(name, sizeof name, kind.pattern, number);
      gfx.push_back({name, frame(lair.surface(), idlePose(kind.kind, number), name)});
    }
  }
}

}  // namespace stats
