// The dragon's body: one tube from the spiked tail through the belly to the neck, shaded
// from a light back to a dark underside, with a scaled cream belly; then the head, the
// legs, the two wings (the far one behind the body) and the fire.
#include "common/Dragon.h"

#include "common/DragonShape.h"

#include <algorithm>
#include <cmath>

namespace dragon {

void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& a, const Colour& b) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgba(gradient, 0, a.r, a.g, a.b, a.a);
  cairo_pattern_add_color_stop_rgba(gradient, 1, b.r, b.g, b.b, b.a);
  cairo_set_source(cr, gradient);
  cairo_pattern_destroy(gradient);
}

Look lookFor(const DragonPose& pose) {
  const Colour black = rgb(0, 0, 0), warm = rgb(255, 236, 190), ember = rgb(200, 70, 40);
  Look look;
  look.body = pose.body;
  look.light = mix(pose.body, warm, 0.42);
  look.dark = mix(pose.body, black, 0.55);
  look.outline = mix(pose.body, black, 0.82);
  look.belly = mix(pose.body, rgb(240, 216, 150), 0.72);
  look.bellyLine = mix(look.belly, black, 0.35);
  look.membrane = mix(mix(pose.body, black, 0.22), ember, 0.12);
  look.membraneEdge = mix(mix(pose.body, warm, 0.32), ember, 0.18);
  look.bone = mix(pose.body, black, 0.25);
  look.horn = rgb(240, 228, 200);
  look.hornDark = rgb(150, 128, 96);
  look.line = std::max(1.1, 0.75 / std::max(pose.scale, 0.05));
  return look;
}

namespace {

// The spine's control points from the tail tip to the head, with the thickness above and
// below each: a thin S-curved tail, a deep chest and belly, a neck rising to the head.
struct Knot {
  Point at;
  double top, bottom;
};
constexpr Knot kKnots[] = {
    {{-56, -9}, 0.4, 0.4},  {{-48, -2}, 1.1, 1.1},  {{-38, -5}, 2.1, 2.3}, {{-26, -3}, 3.5, 3.9},
    {{-14, -1}, 5.4, 6.8},  {{-2, 0}, 7.0, 8.8},    {{8, -2}, 6.6, 8.0},   {{15, -8}, 4.8, 5.4},
    {{20, -15}, 4.0, 4.2},  {{25, -19}, 3.6, 3.7},
};
constexpr int kKnotCount = int(sizeof(kKnots) / sizeof(kKnots[0]));
constexpr int kStepsPerKnot = 8;

Point catmullRom(Point p0, Point p1, Point p2, Point p3, double t) {
  const double t2 = t * t, t3 = t2 * t;
  auto axis = [&](double a, double b, double c, double d) {
    return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
  };
  return {axis(p0.x, p1.x, p2.x, p3.x), axis(p0.y, p1.y, p2.y, p3.y)};
}

}  // namespace

std::vector<SpineSample> spine() {
  std::vector<SpineSample> samples;
  for (int k = 0; k + 1 < kKnotCount; ++k) {
    const Point p0 = kKnots[std::max(k - 1, 0)].at, p1 = kKnots[k].at, p2 = kKnots[k + 1].at;
    const Point p3 = kKnots[std::min(k + 2, kKnotCount - 1)].at;
    for (int s = 0; s < kStepsPerKnot || (k + 2 == kKnotCount && s == kStepsPerKnot); ++s) {
      const double t = double(s) / kStepsPerKnot;
      const double smooth = t * t * (3 - 2 * t);
      SpineSample sample;
      sample.at = catmullRom(p0, p1, p2, p3, t);
      sample.top = kKnots[k].top + (kKnots[k + 1].top - kKnots[k].top) * smooth;
      sample.bottom = kKnots[k].bottom + (kKnots[k + 1].bottom - kKnots[k].bottom) * smooth;
      samples.push_back(sample);
    }
  }
  for (size_t i = 0; i < samples.size(); ++i) {
    const Point a = samples[i == 0 ? 0 : i - 1].at, b = samples[std::min(i + 1, samples.size() - 1)].at;
    const double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
    samples[i].up = {dy / length, -dx / length};
  }
  return samples;
}

Point spineEnd() { return kKnots[kKnotCount - 1].at; }
Point shoulder() { return {4, -8}; }
double headAngle(const DragonPose& pose) { return -0.12 + pose.headTilt; }

namespace {

Point offset(const SpineSample& s, double distance) { return {s.at.x + s.up.x * distance, s.at.y + s.up.y * distance}; }

void bodyPath(cairo_t* cr, const std::vector<SpineSample>& samples) {
  cairo_new_path(cr);
  for (const SpineSample& s : samples) {
    const Point p = offset(s, s.top);
    cairo_line_to(cr, p.x, p.y);
  }
  for (auto s = samples.rbegin(); s != samples.rend(); ++s) {
    const Point p = offset(*s, -s->bottom);
    cairo_line_to(cr, p.x, p.y);
  }
  cairo_close_path(cr);
}

// The spade at the tail's end and the row of spikes along the back and tail, painted
// before the body so their roots sink into it.
void paintSpikes(cairo_t* cr, const Look& look, const std::vector<SpineSample>& samples) {
  const SpineSample& tip = samples.front();
  const Point along = {-tip.up.y, tip.up.x};  // towards the head
  cairo_new_path(cr);
  cairo_move_to(cr, tip.at.x + along.x * 2, tip.at.y + along.y * 2);
  cairo_line_to(cr, tip.at.x + tip.up.x * 4.5 - along.x * 1.5, tip.at.y + tip.up.y * 4.5 - along.y * 1.5);
  cairo_line_to(cr, tip.at.x - along.x * 8, tip.at.y - along.y * 8);
  cairo_line_to(cr, tip.at.x - tip.up.x * 4.5 - along.x * 1.5, tip.at.y - tip.up.y * 4.5 - along.y * 1.5);
  cairo_close_path(cr);
  cairo_set_line_width(cr, look.line);
  setLinear(cr, tip.at.x, tip.at.y - 5, tip.at.x, tip.at.y + 5, look.body, look.dark);
  cairo_fill_preserve(cr);
  setColour(cr, look.outline);
  cairo_stroke(cr);

  const int last = int(samples.size()) - 8;  // no spikes up the neck's front
  for (int i = 3; i < last; i += 3) {
    const SpineSample& s = samples[i];
    const Point back = {s.up.y, -s.up.x};  // towards the tail
    const double height = 1.4 + 0.5 * s.top;
    const Point base0 = offset(samples[i - 1], s.top * 0.6), base1 = offset(samples[i + 1], s.top * 0.6);
    const Point apex = {s.at.x + s.up.x * (s.top + height) - back.x * height * 0.55,
                        s.at.y + s.up.y * (s.top + height) - back.y * height * 0.55};
    cairo_new_path(cr);
    cairo_move_to(cr, base0.x, base0.y);
    cairo_line_to(cr, apex.x + back.x * 0.3 * height, apex.y + back.y * 0.3 * height);
    cairo_line_to(cr, base1.x, base1.y);
    cairo_close_path(cr);
    setLinear(cr, apex.x, apex.y, s.at.x, s.at.y, look.horn, look.dark);
    cairo_fill_preserve(cr);
    setColour(cr, look.outline);
    cairo_set_line_width(cr, look.line * 0.8);
    cairo_stroke(cr);
  }
}

// Inside the body's outline: the belly's cream band with its scale lines, a highlight
// along the back and rows of small scales on the flank.
void paintBodyDetail(cairo_t* cr, const Look& look, const std::vector<SpineSample>& samples) {
  cairo_save(cr);
  bodyPath(cr, samples);
  cairo_clip(cr);
  const size_t first = 10, last = samples.size() - 3;
  cairo_new_path(cr);
  for (size_t i = first; i <= last; ++i) {
    const Point p = offset(samples[i], -samples[i].bottom * 0.38);
    cairo_line_to(cr, p.x, p.y);
  }
  for (size_t i = last + 1; i-- > first;) {
    const Point p = offset(samples[i], -samples[i].bottom - 1);
    cairo_line_to(cr, p.x, p.y);
  }
  cairo_close_path(cr);
  setLinear(cr, 0, 0, 0, 10, mix(look.belly, look.light, 0.3), mix(look.belly, look.dark, 0.25));
  cairo_fill(cr);
  setColour(cr, look.bellyLine);
  cairo_set_line_width(cr, look.line * 0.55);
  for (size_t i = first + 1; i < last; i += 2) {
    const Point a = offset(samples[i], -samples[i].bottom * 0.38), b = offset(samples[i], -samples[i].bottom - 1);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
  }
  cairo_stroke(cr);
  // Rows of scales on the flank, darker towards the belly.
  cairo_set_line_width(cr, look.line * 0.45);
  for (int row = 0; row < 3; ++row) {
    Colour scale = mix(look.dark, look.body, 0.3 * row);
    scale.a = 0.5;
    setColour(cr, scale);
    for (size_t i = 6 + row % 2; i + 4 < samples.size(); i += 2) {
      const SpineSample& s = samples[i];
      const double d = s.top * (0.5 - 0.35 * row);
      const Point c = offset(s, d);
      const double r = 0.35 * (s.top + s.bottom) / 4.0 + 0.3;
      cairo_new_sub_path(cr);
      cairo_arc(cr, c.x, c.y, r, 0.2, M_PI - 0.2);
    }
    cairo_stroke(cr);
  }
  // The light on the back.
  cairo_new_path(cr);
  for (size_t i = 2; i + 2 < samples.size(); ++i) {
    const Point p = offset(samples[i], samples[i].top * 0.62);
    cairo_line_to(cr, p.x, p.y);
  }
  Colour shine = look.light;
  shine.a = 0.55;
  setColour(cr, shine);
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void paintBody(cairo_t* cr, const Look& look, const DragonPose& pose) {
  const std::vector<SpineSample> samples = spine();
  paintSpikes(cr, look, samples);
  // Outline first, twice as wide, then the fill over it: body, neck and head share one
  // outline with no seams between them.
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  bodyPath(cr, samples);
  setColour(cr, look.outline);
  cairo_set_line_width(cr, look.line * 2);
  cairo_stroke(cr);
  paintHead(cr, look, pose, true);
  bodyPath(cr, samples);
  setLinear(cr, 0, -10, 0, 10, look.light, look.dark);
  cairo_fill(cr);
  paintBodyDetail(cr, look, samples);
  paintHead(cr, look, pose, false);
}

}  // namespace

}  // namespace dragon

double dragonWingForFrame(int frame, int frames) {
  if (frames <= 0) return 0.3;
  // Half a frame off the turning points, so no frame shows the wing edge-on.
  return std::cos(2 * M_PI * (frame + 0.25) / frames);
}

void paintDragon(cairo_t* cr, const DragonPose& pose) {
  using namespace dragon;
  const Look look = lookFor(pose);
  const double wing = std::clamp(pose.wing, -1.0, 1.0);
  cairo_save(cr);
  cairo_translate(cr, pose.x, pose.y + 2.5 * wing * pose.scale);  // the down stroke lifts the body
  cairo_scale(cr, pose.facingLeft ? -pose.scale : pose.scale, pose.scale);
  cairo_rotate(cr, pose.pitch);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

  const Point root = shoulder();
  paintWing(cr, look, wing, {root.x + 6, root.y - 3}, 1.0, true);
  paintLegs(cr, look, pose.legsDown, true);
  paintBody(cr, look, pose);
  paintLegs(cr, look, pose.legsDown, false);
  paintWing(cr, look, wing, root, 1.15, false);
  if (pose.fire > 0) {
    const Point m = mouth(pose);
    const double angle = headAngle(pose) + 0.12;
    const double length = pose.fire * 100;
    paintFlame(cr, m.x, m.y, angle, length, 8 + length * 0.4, pose.fireSeed);
  }
  cairo_restore(cr);
}
