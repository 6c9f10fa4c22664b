// The dragon's inner geometry, shared by the painter's files: a body frame facing right, 100
// units from snout to tail tip, y down; the colours derived from the scale colour.
#pragma once

#include "common/Dragon.h"

#include <vector>

namespace dragon {

struct Point {
  double x, y;
};

// A sample of the body's spine from the tail tip to the head: where it is, which way is up
// (the unit normal on the back's side), and the body's thickness above and below.
struct SpineSample {
  Point at;
  Point up;
  double top, bottom;
};

struct Look {
  Colour body, light, dark, outline, belly, bellyLine, membrane, membraneEdge, bone, horn, hornDark;
  double line;  // outline width in body units
};

Look lookFor(const DragonPose& pose);
std::vector<SpineSample> spine();
Point spineEnd();          // where the neck meets the head
double headAngle(const DragonPose& pose);
Point shoulder();          // the near wing's root on the back

// The parts, each painted in the body frame.
void paintWing(cairo_t* cr, const Look& look, double wing, Point root, double size, bool far);
void paintLegs(cairo_t* cr, const Look& look, bool down, bool far);
void paintHead(cairo_t* cr, const Look& look, const DragonPose& pose, bool outlineOnly);
Point mouth(const DragonPose& pose);  // where the fire leaves the jaws, in the body frame

using ::mix;
void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& a, const Colour& b);

}  // namespace dragon
