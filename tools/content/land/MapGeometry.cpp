#include "land/MapGeometry.h"

#include "land/Noise.h"

#include <algorithm>
#include <cmath>

namespace land {

namespace {

double ramp(double v) {  // 0 below -0.5, 1 above 0.5, smooth between
  const double t = std::clamp(v + 0.5, 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

std::vector<MapPoint> smoothLine(const std::vector<MapPoint>& knots) {
  std::vector<MapPoint> out;
  const int n = int(knots.size());
  for (int k = 0; k + 1 < n; ++k) {
    const MapPoint p0 = knots[std::max(k - 1, 0)], p1 = knots[k], p2 = knots[k + 1], p3 = knots[std::min(k + 2, n - 1)];
    for (int s = 0; s < 10; ++s) {
      const double t = s / 10.0, t2 = t * t, t3 = t2 * t;
      auto axis = [&](double a, double b, double c, double d) {
        return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
      };
      out.push_back({axis(p0.x, p1.x, p2.x, p3.x), axis(p0.y, p1.y, p2.y, p3.y)});
    }
  }
  out.push_back(knots.back());
  return out;
}

double segmentDistance(MapPoint p, MapPoint a, MapPoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
  const double t = length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

}  // namespace

Regions regionsAt(double x, double y) {
  const double bend = (fractalNoise(x, y, 120, 7, 3) - 0.5) * 70;
  Regions r;
  r.forest = ramp((190 - x + bend) / 50) * ramp((320 - y + bend) / 50);
  r.hills = ramp((x - 395 + bend) / 45) * ramp((225 - y + bend) / 45);
  r.fen = ramp((330 - x + bend) / 60) * ramp((y - 305 + bend) / 50);
  r.delta = ramp((x - 480 + bend) / 50) * ramp((y - 255 + bend) / 50);
  return r;
}

double seaDepth(double x, double y) {
  const double wobble = (fractalNoise(x, y, 60, 31, 3) - 0.5) * 14;
  // The south coast, lower in the west; the east coast with a bay between the delta towns.
  const double south = y - (466 + 10 * std::max(0.0, (250 - x) / 250) + wobble * 0.6);
  const double bay = std::max(0.0, 1 - std::pow((y - 296) / 52, 2));
  const double east = x - (634 - 36 * bay * bay + wobble * 0.5);
  return std::max(south, east);
}

const std::vector<RiverCourse>& riverCourses() {
  static const std::vector<RiverCourse> courses = {
      // The main river from its spring in the hills down through the reed banks.
      {smoothLine({{542, 50}, {512, 92}, {470, 120}, {430, 128}, {398, 124}, {362, 158}, {332, 198}, {300, 232},
                   {330, 262}, {380, 264}, {410, 288}, {440, 322}, {470, 352}}),
       2.5, 8},
      // The brook from the holly forest joining it.
      {smoothLine({{150, 140}, {178, 158}, {212, 192}, {252, 226}, {300, 232}}), 1.5, 4},
      // The delta: three arms to the sea.
      {smoothLine({{470, 352}, {462, 398}, {456, 430}, {456, 490}}), 6, 9},
      {smoothLine({{470, 352}, {512, 352}, {560, 334}, {610, 300}, {650, 290}}), 6, 9},
      {smoothLine({{512, 352}, {532, 398}, {516, 440}, {508, 490}}), 4, 7},
  };
  return courses;
}

double riverDistance(double x, double y) {
  double best = 1e9;
  for (const RiverCourse& course : riverCourses())
    for (size_t i = 0; i + 1 < course.points.size(); ++i)
      best = std::min(best, segmentDistance({x, y}, course.points[i], course.points[i + 1]));
  return best;
}

double siteDistance(double x, double y, const std::vector<VillageSite>& villages) {
  double best = 1e9;
  auto consider = [&](int column, int row) {
    best = std::min(best, std::hypot(x - (column * kCell + kCell / 2.0), y - (row * kCell + kCell / 2.0)));
  };
  for (const VillageSite& v : villages) consider(v.column, v.row);
  for (const CastleSite& c : kCastles) consider(c.column, c.row);
  return best;
}

}  // namespace land
