// The dragon's head, legs and wings, in the body frame of DragonShape.h.
#include "common/DragonShape.h"

#include <algorithm>
#include <cmath>

namespace dragon {

namespace {

// ---- the wing ----
// The raised wing relative to its root on the back: the arm up to the wrist, a thumb
// claw, four fingers spread backwards, and the membrane's root further back on the body.
constexpr Point kElbow = {7, -13}, kWrist = {-1, -34}, kThumb = {4, -39};
constexpr Point kFingers[4] = {{-20, -45}, {-37, -37}, {-44, -21}, {-37, -7}};
constexpr Point kMembraneRoot = {-20, 4};

// The beat seen from the side: the wing turns about the body's long axis, so its height
// shrinks through the level position and mirrors below the body on the down stroke.
struct Flap {
  double wing, size;
  Point root;
  Point operator()(Point p) const {
    const double lift = (wing >= 0 ? 1 : -1) * (0.18 + 0.82 * std::fabs(wing));
    const double sweep = 1.0 - 0.12 * (1.0 - std::fabs(wing));
    return {root.x + p.x * size * sweep, root.y + p.y * size * lift};
  }
};

void lineTo(cairo_t* cr, Point p) { cairo_line_to(cr, p.x, p.y); }

// The membrane's trailing edge sags towards the wrist between two finger tips.
void scallopTo(cairo_t* cr, const Flap& flap, Point from, Point to) {
  const Point middle = {(from.x + to.x) / 2, (from.y + to.y) / 2};
  const Point sag = {middle.x + (kWrist.x - middle.x) * 0.28, middle.y + (kWrist.y - middle.y) * 0.28};
  const Point c = flap(sag), e = flap(to), s = flap(from);
  cairo_curve_to(cr, s.x + (c.x - s.x) * 0.66, s.y + (c.y - s.y) * 0.66, e.x + (c.x - e.x) * 0.66,
                 e.y + (c.y - e.y) * 0.66, e.x, e.y);
}

void membranePath(cairo_t* cr, const Flap& flap) {
  cairo_new_path(cr);
  lineTo(cr, flap({0, 0}));
  lineTo(cr, flap(kElbow));
  lineTo(cr, flap(kWrist));
  lineTo(cr, flap(kFingers[0]));
  for (int i = 1; i < 4; ++i) scallopTo(cr, flap, kFingers[i - 1], kFingers[i]);
  scallopTo(cr, flap, kFingers[3], kMembraneRoot);
  cairo_close_path(cr);
}

}  // namespace

void paintWing(cairo_t* cr, const Look& look, double wing, Point root, double size, bool far) {
  const Flap flap{wing, size, root};
  const bool underside = wing < 0;  // on the down stroke the wing shows its paler underside
  Colour inner = underside ? mix(look.membrane, look.belly, 0.25) : look.membrane;
  Colour outer = underside ? mix(look.membraneEdge, look.belly, 0.3) : look.membraneEdge;
  if (far) inner = mix(inner, look.outline, 0.35), outer = mix(outer, look.outline, 0.35);
  cairo_save(cr);
  membranePath(cr, flap);
  const Point w = flap(kWrist), tip = flap(kFingers[2]);
  cairo_pattern_t* gradient = cairo_pattern_create_radial(root.x, root.y, 2, root.x, root.y,
                                                          std::hypot(tip.x - root.x, tip.y - root.y) + 4);
  cairo_pattern_add_color_stop_rgba(gradient, 0, inner.r, inner.g, inner.b, 1);
  cairo_pattern_add_color_stop_rgba(gradient, 0.75, outer.r, outer.g, outer.b, 1);
  cairo_pattern_add_color_stop_rgba(gradient, 1, outer.r * 0.85, outer.g * 0.85, outer.b * 0.85, 1);
  cairo_set_source(cr, gradient);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(gradient);
  setColour(cr, look.outline);
  cairo_set_line_width(cr, look.line);
  cairo_stroke(cr);
  // Light shining through the thin trailing edge.
  Colour rim = mix(outer, rgb(255, 230, 180), 0.35);
  rim.a = far ? 0.3 : 0.6;
  setColour(cr, rim);
  cairo_set_line_width(cr, 1.4 * size);
  cairo_save(cr);
  membranePath(cr, flap);
  cairo_clip(cr);
  cairo_new_path(cr);
  lineTo(cr, flap(kFingers[0]));
  for (int i = 1; i < 4; ++i) scallopTo(cr, flap, kFingers[i - 1], kFingers[i]);
  cairo_stroke(cr);
  cairo_restore(cr);

  // Veins between the fingers, then the finger bones from the wrist, thick at the root.
  const Colour bone = far ? mix(look.bone, look.outline, 0.35) : look.bone;
  Colour vein = bone;
  vein.a = 0.35;
  setColour(cr, vein);
  cairo_set_line_width(cr, look.line * 0.5);
  for (int i = 0; i < 3; ++i) {
    const Point a = flap({(kFingers[i].x + kFingers[i + 1].x) / 2 * 0.8, (kFingers[i].y + kFingers[i + 1].y) / 2 * 0.8});
    cairo_move_to(cr, w.x, w.y);
    lineTo(cr, a);
  }
  cairo_stroke(cr);
  for (int i = 0; i < 4; ++i) {
    const Point f = flap(kFingers[i]);
    const Point bend = flap({kWrist.x + (kFingers[i].x - kWrist.x) * 0.5 + 1.5, kWrist.y + (kFingers[i].y - kWrist.y) * 0.5 - 1.5});
    for (int pass = 0; pass < 2; ++pass) {
      setColour(cr, pass == 0 ? look.outline : bone);
      cairo_set_line_width(cr, (pass == 0 ? 1.7 : 1.0) * size + (pass == 0 ? look.line * 0.5 : 0));
      cairo_move_to(cr, w.x, w.y);
      cairo_curve_to(cr, bend.x, bend.y, bend.x, bend.y, f.x, f.y);
      cairo_stroke(cr);
    }
  }
  // The arm: shoulder, elbow, wrist, a thick bone in the body's colour, and the thumb claw.
  const Point s = flap({0, 0}), e = flap(kElbow), t = flap(kThumb);
  for (int pass = 0; pass < 2; ++pass) {
    setColour(cr, pass == 0 ? look.outline : (far ? mix(look.body, look.outline, 0.35) : look.body));
    cairo_set_line_width(cr, (pass == 0 ? 2.9 : 2.0) * size + (pass == 0 ? look.line * 0.4 : 0));
    cairo_move_to(cr, s.x, s.y);
    lineTo(cr, e);
    lineTo(cr, w);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, w.x - 1.2 * size, w.y);
  cairo_line_to(cr, t.x, t.y);
  cairo_line_to(cr, w.x + 1.2 * size, w.y);
  cairo_close_path(cr);
  setColour(cr, look.horn);
  cairo_fill_preserve(cr);
  setColour(cr, look.outline);
  cairo_set_line_width(cr, look.line * 0.6);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// ---- the legs ----
namespace {

void limb(cairo_t* cr, const Look& look, const Colour& colour, std::initializer_list<Point> joints, double width) {
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    for (Point p : joints) lineTo(cr, p);
    setColour(cr, pass == 0 ? look.outline : colour);
    cairo_set_line_width(cr, pass == 0 ? width + look.line * 2 : width);
    cairo_stroke(cr);
  }
}

void claws(cairo_t* cr, const Look& look, Point foot, double direction) {
  for (int c = -1; c <= 1; ++c) {
    const double a = direction + c * 0.45;
    cairo_move_to(cr, foot.x + std::cos(a + 1.4) * 0.7, foot.y + std::sin(a + 1.4) * 0.7);
    cairo_line_to(cr, foot.x + std::cos(a) * 3.4, foot.y + std::sin(a) * 3.4);
    cairo_line_to(cr, foot.x + std::cos(a - 1.4) * 0.7, foot.y + std::sin(a - 1.4) * 0.7);
    cairo_close_path(cr);
  }
  setColour(cr, look.horn);
  cairo_fill_preserve(cr);
  setColour(cr, look.outline);
  cairo_set_line_width(cr, look.line * 0.5);
  cairo_stroke(cr);
}

}  // namespace

void paintLegs(cairo_t* cr, const Look& look, bool down, bool far) {
  const double shift = far ? 4 : 0;  // the far legs peek out a little further forward
  const Colour colour = far ? mix(look.dark, look.outline, 0.3) : look.body;
  cairo_save(cr);
  cairo_translate(cr, shift, far ? -1 : 0);
  // The hind leg: a heavy thigh, the shin folded back in flight or hanging when landing.
  const Point hip = {-13, 3}, knee = down ? Point{-7, 10} : Point{-6, 8};
  const Point ankle = down ? Point{-11, 16} : Point{-18, 9}, foot = down ? Point{-8, 18} : Point{-23, 9.5};
  limb(cr, look, colour, {hip, knee, ankle, foot}, 4.2);
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, hip.x + 1, hip.y + 1);
  cairo_rotate(cr, 0.5);
  cairo_scale(cr, 5.5, 3.8);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setLinear(cr, 0, hip.y - 4, 0, hip.y + 5, far ? colour : mix(look.body, look.light, 0.5), far ? look.outline : mix(look.body, look.dark, 0.5));
  cairo_fill_preserve(cr);
  setColour(cr, look.outline);
  cairo_set_line_width(cr, look.line);
  cairo_stroke(cr);
  claws(cr, look, foot, down ? 0.3 : M_PI);
  // The foreleg under the chest.
  const Point elbow = down ? Point{8, 10} : Point{13, 8}, wrist = down ? Point{11, 15} : Point{18, 6};
  limb(cr, look, colour, {{7, 3}, elbow, wrist}, 3.0);
  claws(cr, look, wrist, down ? 0.6 : -0.2);
  cairo_restore(cr);
}

// ---- the head ----
namespace {

double jawAngle(const DragonPose& pose) { return pose.fire > 0 ? std::min(0.5, 0.2 + pose.fire * 0.5) : 0.0; }

constexpr Point kJawPivot = {3, 1.5};

Point turned(Point p, Point centre, double angle) {
  const double c = std::cos(angle), s = std::sin(angle), x = p.x - centre.x, y = p.y - centre.y;
  return {centre.x + x * c - y * s, centre.y + x * s + y * c};
}

void skullPath(cairo_t* cr) {
  cairo_new_path(cr);
  cairo_move_to(cr, -3, -3.9);
  cairo_curve_to(cr, 0, -5.6, 4, -5.8, 7.5, -4.6);
  cairo_curve_to(cr, 10, -3.8, 13, -3.2, 15.5, -2.6);
  cairo_curve_to(cr, 17.4, -2.1, 18.2, -0.6, 17.2, 0.4);
  cairo_line_to(cr, 15.5, 0.9);
  cairo_line_to(cr, 6, 1.3);
  cairo_line_to(cr, 2, 3.4);
  cairo_line_to(cr, -3, 3.9);
  cairo_close_path(cr);
}

void jawPath(cairo_t* cr, double angle) {
  const Point points[] = {{4.5, 1.0}, {15.2, 1.3}, {15.6, 2.4}, {13, 3.4}, {4, 4.6}, {-1, 3.8}};
  cairo_new_path(cr);
  for (Point p : points) lineTo(cr, turned(p, kJawPivot, angle));
  cairo_close_path(cr);
}

void hornPath(cairo_t* cr, Point base, Point tip, double thickness) {
  cairo_new_path(cr);
  cairo_move_to(cr, base.x - thickness, base.y);
  cairo_curve_to(cr, base.x - thickness - 3, base.y - 2, tip.x + 3, tip.y + 2, tip.x, tip.y);
  cairo_curve_to(cr, tip.x + 4, tip.y + 1, base.x + thickness, base.y - 3, base.x + thickness, base.y);
  cairo_close_path(cr);
}

void paintHorns(cairo_t* cr, const Look& look) {
  const struct {
    Point base, tip;
    double thickness;
  } horns[] = {{{-1, -3.4}, {-14, -11}, 1.9}, {{3.5, -4.6}, {-5, -12.5}, 1.5}};
  for (const auto& horn : horns) {
    hornPath(cr, horn.base, horn.tip, horn.thickness);
    setLinear(cr, horn.base.x, horn.base.y, horn.tip.x, horn.tip.y, look.hornDark, look.horn);
    cairo_fill_preserve(cr);
    setColour(cr, look.outline);
    cairo_set_line_width(cr, look.line * 0.8);
    cairo_stroke(cr);
  }
  // A spiny frill at the cheek.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 0.5);
  cairo_line_to(cr, -7, 1.5);
  cairo_line_to(cr, -1, 3.5);
  cairo_close_path(cr);
  setColour(cr, look.dark);
  cairo_fill_preserve(cr);
  setColour(cr, look.outline);
  cairo_set_line_width(cr, look.line * 0.7);
  cairo_stroke(cr);
}

void paintFace(cairo_t* cr, const Look& look, double jaw) {
  // The brow ridge, the eye (amber, a slit pupil and a glint) and the nostril.
  cairo_new_path(cr);
  cairo_move_to(cr, 4.8, -4.2);
  cairo_curve_to(cr, 6.5, -5.2, 9, -4.6, 10, -3.4);
  setColour(cr, look.outline);
  cairo_set_line_width(cr, look.line * 0.9);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 7.6, -2.5);
  cairo_scale(cr, 1.9, 1.3);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setLinear(cr, 7.6, -3.8, 7.6, -1.2, rgb(255, 240, 120), rgb(240, 140, 20));
  cairo_fill_preserve(cr);
  setColour(cr, look.outline);
  cairo_set_line_width(cr, look.line * 0.5);
  cairo_stroke(cr);
  cairo_rectangle(cr, 7.35, -3.6, 0.6, 2.2);
  setColour(cr, rgb(20, 10, 10));
  cairo_fill(cr);
  cairo_arc(cr, 8.4, -3.1, 0.4, 0, 2 * M_PI);
  setColour(cr, rgb(255, 255, 240));
  cairo_fill(cr);
  cairo_arc(cr, 15.6, -1.6, 0.55, 0, 2 * M_PI);
  setColour(cr, look.outline);
  cairo_fill(cr);
  // The mouth's line, and teeth when the jaws are open.
  cairo_move_to(cr, 6, 1.3);
  cairo_line_to(cr, 15.5, 0.9);
  cairo_set_line_width(cr, look.line * 0.6);
  cairo_stroke(cr);
  if (jaw > 0) {
    cairo_new_path(cr);
    for (double x = 8; x < 15.5; x += 2.2) {
      cairo_move_to(cr, x, 1.15);
      cairo_line_to(cr, x + 0.6, 2.4);
      cairo_line_to(cr, x + 1.2, 1.1);
    }
    setColour(cr, look.horn);
    cairo_fill(cr);
  }
}

}  // namespace

void paintHead(cairo_t* cr, const Look& look, const DragonPose& pose, bool outlineOnly) {
  const Point base = spineEnd();
  const double jaw = jawAngle(pose);
  cairo_save(cr);
  cairo_translate(cr, base.x, base.y);
  cairo_rotate(cr, headAngle(pose));
  if (outlineOnly) {
    paintHorns(cr, look);
    setColour(cr, look.outline);
    cairo_set_line_width(cr, look.line * 2);
    jawPath(cr, jaw);
    cairo_stroke(cr);
    skullPath(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
    return;
  }
  if (jaw > 0) {  // the mouth's red inside between the parted jaws
    cairo_new_path(cr);
    lineTo(cr, {4, 1.3});
    lineTo(cr, {16, 0.8});
    lineTo(cr, turned({15.5, 1.4}, kJawPivot, jaw));
    cairo_close_path(cr);
    setColour(cr, rgb(120, 20, 24));
    cairo_fill(cr);
  }
  jawPath(cr, jaw);
  setLinear(cr, 0, 0, 0, 6, look.body, look.belly);
  cairo_fill(cr);
  skullPath(cr);
  setLinear(cr, 0, -6, 0, 4, look.light, look.body);
  cairo_fill(cr);
  paintFace(cr, look, jaw);
  cairo_restore(cr);
}

Point mouth(const DragonPose& pose) {
  const double jaw = jawAngle(pose);
  const Point lower = turned({15.5, 1.4}, kJawPivot, jaw);
  const Point local = {(16.0 + lower.x) / 2, (0.9 + lower.y) / 2};
  const Point base = spineEnd();
  return turned({base.x + local.x, base.y + local.y}, base, headAngle(pose));
}

}  // namespace dragon
