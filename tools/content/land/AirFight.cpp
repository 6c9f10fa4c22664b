// The fight of two dragons in the evening sky, gfx\action\dragon\dr01-dr38, over the still
// picture dr00. They close in from both sides, the first one breathes fire and the second one
// climbs away from it, they clash, the second one answers with fire from above, and the first
// one tumbles away into the depths while the victor roars.
#include "land/LandEntries.h"
#include "land/Noise.h"
#include "land/Scenery.h"

#include "common/Dragon.h"
#include "image/Canvas.h"
#include "image/Encode.h"
#include "image/Style.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace land {

namespace {

constexpr int kW = 320, kH = 240;
constexpr int kFrames = 38;

double ease(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * (3 - 2 * t);
}
double lerp(double a, double b, double t) { return a + (b - a) * ease(t); }
// Position of `frame` within [from, to] as 0..1.
double phase(int frame, int from, int to) { return std::clamp(double(frame - from) / (to - from), 0.0, 1.0); }

void sky(cairo_t* cr, int frame) {
  paintDuskSky(cr, kW, kH, 200, 0.65);
  // Clouds drift slowly past: the dragons are moving.
  const double drift = frame * 1.6;
  paintCloud(cr, std::fmod(60 - drift + 400, 400) - 40, 74, 90, 0.45, 91);
  paintCloud(cr, std::fmod(250 - drift + 400, 400) - 40, 56, 70, 0.4, 92);
  paintCloud(cr, std::fmod(170 - drift * 1.5 + 440, 440) - 60, 150, 110, 0.7, 93);
  paintHillBand(cr, kW, 212, 10, kH, rgb(110, 86, 120), rgb(80, 66, 96), 94);
  const double peaks[5][3] = {{24, 80, 34}, {96, 60, 24}, {170, 96, 46}, {250, 70, 30}, {310, 84, 40}};
  for (int i = 0; i < 5; ++i) paintMountain(cr, peaks[i][0], 228, peaks[i][1], peaks[i][2], peaks[i][2] > 28, 95 + i);
  paintHillBand(cr, kW, 228, 5, kH, rgb(70, 80, 70), rgb(44, 52, 44), 99);
  paintCloud(cr, std::fmod(290 - drift * 2.2 + 480, 480) - 80, 214, 120, 0.8, 100);
}

struct Pose {
  double x, y, pitch, fire, headTilt;
  bool left;
};

// The first dragon: in from the left, fire, clash, thrown back, falling away.
Pose firstDragon(int f) {
  Pose p{0, 0, 0, 0, 0, false};
  p.x = lerp(-20, 105, phase(f, 1, 10));
  p.y = lerp(168, 150, phase(f, 1, 10));
  p.fire = f >= 11 && f <= 17 ? 0.15 + 0.85 * phase(f, 11, 15) * (f == 17 ? 0.4 : 1.0) : 0;
  p.headTilt = f >= 11 && f <= 17 ? -0.15 : 0;
  if (f >= 18) p.x = lerp(105, 140, phase(f, 18, 22)), p.y = lerp(150, 140, phase(f, 18, 22));
  if (f >= 23) {  // struck by the fire from above: recoiling
    p.x = lerp(140, 96, phase(f, 23, 30));
    p.y = lerp(140, 162, phase(f, 23, 30));
    p.pitch = 0.25 * std::sin((f - 23) * 1.3);
  }
  if (f >= 31) {  // tumbling down and away
    p.x = lerp(96, -60, phase(f, 31, 38));
    p.y = lerp(162, 290, phase(f, 31, 38));
    p.pitch = 0.5 + (f - 31) * 0.35;
    p.left = true;
  }
  return p;
}

// The second dragon: in from the right, climbs over the flame, clashes, breathes down, roars.
Pose secondDragon(int f) {
  Pose p{0, 0, 0, 0, 0, true};
  p.x = lerp(345, 218, phase(f, 1, 10));
  p.y = lerp(104, 116, phase(f, 1, 10));
  if (f >= 11) p.y = lerp(116, 78, phase(f, 11, 16)), p.pitch = -0.3 * (1 - phase(f, 14, 18));
  if (f >= 18) p.x = lerp(218, 190, phase(f, 18, 22)), p.y = lerp(78, 100, phase(f, 18, 22));
  if (f >= 23) {
    p.y = lerp(100, 84, phase(f, 23, 26));
    p.headTilt = 0.7;
    p.pitch = 0.4 * ease(phase(f, 22, 24)) * (f <= 30 ? 1 : 0);
    p.fire = f <= 30 ? 0.2 + 0.7 * phase(f, 23, 27) : 0;
  }
  if (f >= 31) {  // triumph: rearing up with fire to the sky
    p.x = lerp(190, 200, phase(f, 31, 38));
    p.y = lerp(84, 96, phase(f, 31, 38));
    p.headTilt = -0.5;
    p.pitch = -0.35 * ease(phase(f, 31, 34));
    p.fire = f >= 33 ? 0.55 * phase(f, 33, 36) : 0;
  }
  return p;
}

void paintDragonAt(cairo_t* cr, const Pose& p, int frame, double phaseShift) {
  DragonPose pose;
  pose.x = p.x, pose.y = p.y, pose.scale = 0.95;
  pose.facingLeft = p.left;
  pose.pitch = p.pitch;
  pose.headTilt = p.headTilt;
  pose.fire = p.fire;
  pose.fireSeed = unsigned(frame) * 5 + unsigned(phaseShift * 10);
  pose.wing = std::cos(2 * M_PI * (frame + phaseShift) / 6.0);
  paintDragon(cr, pose);
}

// Sparks flying where the two meet.
void clash(cairo_t* cr, double x, double y, int frame) {
  Random random(unsigned(frame) * 17);
  for (int i = 0; i < 14; ++i) {
    const double a = random.range(0, 2 * M_PI), r = random.range(6, 26);
    cairo_move_to(cr, x + std::cos(a) * r * 0.4, y + std::sin(a) * r * 0.4);
    cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
  }
  setColour(cr, rgb(255, 240, 170));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_arc(cr, x, y, 10, 0, 2 * M_PI);
  setRadial(cr, x, y, 10, rgb(255, 255, 230, 0.9), rgb(255, 200, 100, 0));
  cairo_fill(cr);
}

void smokeTrail(cairo_t* cr, const Pose& p, int frame) {
  for (int i = 0; i < 5; ++i) {
    const double back = i * 14.0, r = 5 + i * 3;
    cairo_arc(cr, p.x + back * 0.9 + std::sin(frame + i) * 3, p.y - back * 0.8, r, 0, 2 * M_PI);
    setColour(cr, rgb(70, 60, 70, 0.5 - i * 0.08));
    cairo_fill(cr);
  }
}


void paintFrame(cairo_t* cr, int frame) {
  sky(cr, frame);
  const Pose first = firstDragon(frame), second = secondDragon(frame);
  if (frame >= 31) smokeTrail(cr, first, frame);
  // The one higher up is further away: draw it first.
  if (second.y < first.y) {
    paintDragonAt(cr, second, frame, 3);
    paintDragonAt(cr, first, frame, 0);
  } else {
    paintDragonAt(cr, first, frame, 0);
    paintDragonAt(cr, second, frame, 3);
  }
  if (frame >= 19 && frame <= 22) clash(cr, (first.x + second.x) / 2 + 10, (first.y + second.y) / 2, frame);
}

// The still picture: the two circling far off, small against the clouds.
void paintStill(cairo_t* cr) {
  sky(cr, 0);
  for (int i = 0; i < 2; ++i) {
    DragonPose pose;
    pose.x = i ? 200 : 120, pose.y = i ? 92 : 128, pose.scale = i ? 0.5 : 0.6;
    pose.facingLeft = i == 1;
    pose.wing = i ? -0.6 : 0.9;
    paintDragon(cr, pose);
  }
}

std::string number(int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); }

}  // namespace

void addAirFight(ContentList& gfx) {
  Canvas still(kW, kH);
  paintStill(still.cr());
  gfx.push_back({"gfx\\action\\dragon\\dr00.jpg", encodeJpeg(still.rgb(false), 85)});
  for (int frame = 1; frame <= kFrames; ++frame) {
    Canvas canvas(kW, kH);
    paintFrame(canvas.cr(), frame);
    gfx.push_back({"gfx\\action\\dragon\\dr" + number(frame) + ".jpg", encodeJpeg(canvas.rgb(false), 85)});
  }
}

}  // namespace land
