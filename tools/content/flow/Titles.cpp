#include "flow/Titles.h"

#include "castle/Art.h"
#include "common/Dragon.h"
#include "flow/Landscape.h"
#include "image/Style.h"

#include <algorithm>
#include <cmath>

namespace flow {

namespace {

using art::fillLinear;
using art::fillRadial;
using art::glow;
using art::lettering;
using art::mix;
using art::withAlpha;

double easeInOut(double t) { return t * t * (3 - 2 * t); }

void dragonInSky(cairo_t* cr, double x, double y, double scale, int frame, const Colour& body) {
  DragonPose pose;
  pose.x = x, pose.y = y, pose.scale = scale;
  pose.facingLeft = true;
  pose.wing = dragonWingForFrame(frame, 8);
  pose.body = body;
  pose.pitch = -0.08;
  paintDragon(cr, pose);
}

}  // namespace

void paintIntroFrame(Canvas& canvas, int frame) {
  cairo_t* cr = canvas.cr();
  const double t = double(frame) / (kIntroFrames - 1);
  Camera camera;
  camera.z = 38 * easeInOut(t);
  camera.x = -18 + 22 * t;
  camera.horizon = 66 - 8 * t;
  paintLandscape(cr, kIntroW, kIntroH, camera, kDusk, t);
  // The dragon crosses the sky from the right toward the castles.
  const double dx = 360 - 300 * t, dy = 30 + 10 * std::sin(t * 3);
  dragonInSky(cr, dx, dy, 0.32 + 0.12 * t, frame, style::kRulers[0].field);
  // A soft dark edge above and below, into the black letterbox.
  cairo_rectangle(cr, 0, 0, kIntroW, 6);
  fillVertical(cr, 0, 6, rgb(0, 0, 0, 0.6), rgb(0, 0, 0, 0));
  cairo_rectangle(cr, 0, kIntroH - 6, kIntroW, 6);
  fillVertical(cr, kIntroH - 6, kIntroH, rgb(0, 0, 0, 0), rgb(0, 0, 0, 0.6));
}

namespace {

void dragonEgg(cairo_t* cr, double x, double y, double size) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size / 40, size / 40);
  cairo_move_to(cr, 0, -20);
  cairo_curve_to(cr, 12, -20, 15, 2, 14, 8);
  cairo_curve_to(cr, 13, 18, -13, 18, -14, 8);
  cairo_curve_to(cr, -15, 2, -12, -20, 0, -20);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  fillRadial(cr, -5, -8, 26, style::kTorchCore, rgb(150, 90, 20));
  // Overlapping scales.
  cairo_set_line_width(cr, 0.9);
  setColour(cr, rgb(120, 70, 10, 0.7));
  for (double row = -18; row < 20; row += 5) {
    for (double col = -16 + (int(row + 18) / 5 % 2) * 3; col < 16; col += 6) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, col, row, 3, 0, M_PI);
    }
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  art::ellipse(cr, -5, -9, 2.5, 5);
  setColour(cr, rgb(255, 255, 240, 0.6));
  cairo_fill(cr);
  cairo_restore(cr);
}

void raven(cairo_t* cr, double x, double y, double size) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size / 40, size / 40);
  setColour(cr, rgb(14, 10, 22));
  art::ellipse(cr, 0, 4, 9, 12);  // body
  cairo_fill(cr);
  cairo_arc(cr, 5, -10, 6, 0, 2 * M_PI);  // head
  cairo_fill(cr);
  cairo_move_to(cr, 9, -12);
  cairo_line_to(cr, 19, -8);
  cairo_line_to(cr, 10, -6);
  cairo_close_path(cr);  // beak
  cairo_fill(cr);
  cairo_move_to(cr, -6, 12);
  cairo_line_to(cr, -16, 26);
  cairo_line_to(cr, -6, 24);
  cairo_line_to(cr, 0, 14);
  cairo_close_path(cr);  // tail
  cairo_fill(cr);
  cairo_move_to(cr, -8, -2);
  cairo_curve_to(cr, -12, 6, -10, 14, -3, 18);
  cairo_line_to(cr, 4, 8);
  cairo_close_path(cr);  // the folded wing, a shade lighter
  setColour(cr, rgb(40, 34, 60));
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.6);
  setColour(cr, rgb(14, 10, 22));
  for (double lx : {-1.0, 3.0}) {
    cairo_move_to(cr, lx, 15);
    cairo_line_to(cr, lx, 22);
  }
  cairo_stroke(cr);
  cairo_arc(cr, 6.5, -11, 1.1, 0, 2 * M_PI);
  setColour(cr, rgb(255, 210, 90));
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

void paintLogo(Canvas& canvas, int which) {
  cairo_t* cr = canvas.cr();
  cairo_rectangle(cr, 0, 0, 320, 240);
  if (which == 0) {
    fillRadial(cr, 160, 100, 220, rgb(40, 40, 80), rgb(6, 6, 16));
    glow(cr, 160, 96, 70, rgb(255, 200, 100, 0.35));
    cairo_arc(cr, 160, 96, 46, 0, 2 * M_PI);
    cairo_set_line_width(cr, 4);
    setColour(cr, style::kGold);
    cairo_stroke(cr);
    cairo_arc(cr, 160, 96, 40, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1);
    setColour(cr, withAlpha(style::kGold, 0.6));
    cairo_stroke(cr);
    dragonEgg(cr, 160, 96, 62);
    lettering(cr, "PINQAR", 160, 186, 34, style::kGold, rgb(30, 16, 4), 1.5);
    lettering(cr, "games", 160, 208, 14, rgb(220, 200, 160), rgb(0, 0, 0), 0, false);
  } else {
    fillRadial(cr, 160, 90, 240, rgb(70, 40, 90), rgb(10, 4, 16));
    glow(cr, 160, 92, 80, rgb(255, 230, 200, 0.3));
    cairo_arc(cr, 160, 92, 50, 0, 2 * M_PI);
    fillRadial(cr, 146, 78, 64, rgb(255, 250, 230), rgb(210, 190, 170));
    // A branch across the moon and the raven on it.
    cairo_move_to(cr, 96, 128);
    cairo_curve_to(cr, 130, 120, 180, 122, 226, 112);
    cairo_set_line_width(cr, 4);
    setColour(cr, rgb(20, 12, 20));
    cairo_stroke(cr);
    raven(cr, 158, 96, 56);
    lettering(cr, "CORVEL", 160, 186, 34, rgb(230, 220, 250), rgb(20, 8, 30), 1.5);
  }
}

namespace {

// The start button: a red plaque with gold lettering, pressed in and flashing with sparks
// through the 12 frames of its animation.
void startButton(cairo_t* cr, int frame) {
  const double press[kButtonFrames] = {0, 1, 2, 2.5, 2.5, 2.5, 2.5, 2.5, 2, 1.5, 1, 0};
  const double flash[kButtonFrames] = {0, 0.1, 0.3, 0.6, 1, 0.9, 0.75, 0.6, 0.45, 0.3, 0.15, 0};
  const double x = kButtonX + 5, y = kButtonY + 7, w = kButtonW - 10, h = kButtonH - 16;
  const double down = press[frame];
  roundedRectangle(cr, x + 1, y + 3, w, h, 7);
  setColour(cr, rgb(0, 0, 0, 0.55));
  cairo_fill(cr);
  // The glow stays inside the button's picture: an ellipse as wide as the picture allows.
  cairo_save(cr);
  cairo_translate(cr, x + w / 2, y + h / 2 + down);
  cairo_scale(cr, 1.9, 1);
  glow(cr, 0, 0, 23, rgb(255, 210, 120, 0.2 + 0.5 * flash[frame]));
  cairo_restore(cr);
  roundedRectangle(cr, x, y + down, w, h, 7);
  fillLinear(cr, 0, y + down, 0, y + h + down, mix(rgb(200, 40, 40), rgb(255, 200, 120), 0.35 * flash[frame]),
             mix(rgb(110, 14, 20), rgb(70, 10, 10), down / 2.5));
  roundedRectangle(cr, x + 0.75, y + down + 0.75, w - 1.5, h - 1.5, 6.5);
  cairo_set_line_width(cr, 1.8);
  setColour(cr, style::kGold);
  cairo_stroke(cr);
  lettering(cr, "START", x + w / 2, y + h / 2 + 6 + down, 17, rgb(255, 236, 160), rgb(70, 20, 10), 1.2);
  if (flash[frame] > 0) {
    art::Random random{unsigned(frame) + 1};
    for (int i = 0; i < 6; ++i) {
      const double a = random.unit() * 2 * M_PI, r = w * (0.35 + 0.25 * flash[frame]);
      art::sparkle(cr, x + w / 2 + std::cos(a) * r, y + h / 2 + std::sin(a) * r * 0.5, 2 + 2 * flash[frame],
                   rgb(255, 250, 200, 0.9));
    }
  }
}

}  // namespace

void paintTitleScreen(Canvas& canvas, int buttonFrame) {
  cairo_t* cr = canvas.cr();
  Camera camera;
  camera.z = 24;
  camera.x = 4;
  camera.horizon = 150;
  paintLandscape(cr, 320, 240, camera, kDusk, 0.6);
  dragonInSky(cr, 250, 112, 0.8, 2, style::kRulers[0].field);
  // The title over the sky.
  glow(cr, 160, 46, 110, rgb(30, 10, 50, 0.45));
  lettering(cr, "nuPavane", 160, 60, 44, style::kGold, rgb(40, 16, 8), 2.2);
  lettering(cr, "three rulers - one talisman", 160, 82, 12, rgb(255, 236, 200), rgb(30, 10, 20), 1.2, false);
  // A light corner of parchment for the version number.
  cairo_move_to(cr, 0, 224);
  cairo_line_to(cr, 26, 224);
  cairo_curve_to(cr, 32, 228, 30, 236, 34, 240);
  cairo_line_to(cr, 0, 240);
  cairo_close_path(cr);
  fillLinear(cr, 0, 224, 30, 240, style::kParchment, mix(style::kParchment, style::kParchmentEdge, 0.5));
  startButton(cr, buttonFrame);
}

void paintCredits(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  cairo_rectangle(cr, 0, 0, 320, 240);
  fillRadial(cr, 160, 120, 220, rgb(50, 30, 60), rgb(8, 4, 12));
  // A parchment sheet with the credits in ink.
  roundedRectangle(cr, 40, 14, 240, 212, 6);
  fillRadial(cr, 150, 100, 200, style::kParchment, style::kParchmentEdge);
  speckle(cr, 44, 18, 232, 204, rgb(120, 80, 40, 0.25), 1500, 9);
  roundedRectangle(cr, 46, 20, 228, 200, 4);
  cairo_set_line_width(cr, 1.2);
  setColour(cr, withAlpha(style::kInk, 0.6));
  cairo_stroke(cr);
  const Colour ink = style::kInk, red = rgb(140, 30, 30);
  lettering(cr, "nuPavane", 160, 52, 26, red, rgb(0, 0, 0), 0);
  lettering(cr, "Game design and rules", 160, 84, 11, ink, ink, 0);
  lettering(cr, "the nuPavane team", 160, 99, 12, red, ink, 0, false);
  lettering(cr, "Pictures, music and sounds", 160, 124, 11, ink, ink, 0);
  lettering(cr, "made by code, with care", 160, 139, 12, red, ink, 0, false);
  lettering(cr, "Thank you for playing!", 160, 168, 13, ink, ink, 0);
  DragonPose pose;
  pose.x = 160, pose.y = 196, pose.scale = 0.34;
  pose.wing = 0.6;
  pose.body = style::kRulers[2].field;
  paintDragon(cr, pose);
}

namespace {

// The talisman: three curved parts of gold, silver and bronze joined into one ring with a
// jewel at its heart, shining over the land.
void talisman(cairo_t* cr, double x, double y, double radius) {
  glow(cr, x, y, radius * 4, rgb(255, 240, 180, 0.55));
  cairo_save(cr);
  cairo_translate(cr, x, y);
  setColour(cr, rgb(255, 250, 220, 0.35));
  for (int ray = 0; ray < 12; ++ray) {
    cairo_save(cr);
    cairo_rotate(cr, ray * M_PI / 6);
    cairo_move_to(cr, -2, 0);
    cairo_line_to(cr, 0, -radius * 3.2);
    cairo_line_to(cr, 2, 0);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  const Colour metals[3] = {style::kRulers[0].metal, style::kRulers[1].metal, style::kRulers[2].metal};
  for (int part = 0; part < 3; ++part) {
    const double a0 = -M_PI / 2 + part * 2 * M_PI / 3 + 0.12, a1 = a0 + 2 * M_PI / 3 - 0.24;
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, radius, a0, a1);
    cairo_arc_negative(cr, 0, 0, radius * 0.6, a1, a0);
    cairo_close_path(cr);
    fillRadial(cr, -radius * 0.3, -radius * 0.3, radius * 1.6, mix(metals[part], rgb(255, 255, 255), 0.5),
               mix(metals[part], rgb(0, 0, 0), 0.35));
  }
  cairo_arc(cr, 0, 0, radius * 0.42, 0, 2 * M_PI);
  fillRadial(cr, -radius * 0.12, -radius * 0.12, radius * 0.5, rgb(255, 200, 220), rgb(170, 20, 60));
  art::sparkle(cr, -radius * 0.15, -radius * 0.2, radius * 0.3, rgb(255, 255, 255));
  cairo_restore(cr);
}

}  // namespace

void paintClosing(Canvas& canvas) {
  cairo_t* cr = canvas.cr();
  Camera camera;
  camera.z = 30;
  camera.horizon = 140;
  paintLandscape(cr, 320, 240, camera, kDawn, 0.2);
  talisman(cr, 160, 62, 28);
  dragonInSky(cr, 60, 60, 0.4, 1, style::kRulers[1].field);
  DragonPose pose;
  pose.x = 262, pose.y = 48, pose.scale = 0.34, pose.wing = dragonWingForFrame(5, 8);
  pose.body = style::kRulers[2].field;
  paintDragon(cr, pose);
}

}  // namespace flow
