// The great hall itself: the stone of its walls in perspective, the flagged floor with
// the carpet that leads to the gate, the torches, the open doors with their stone arches
// and the plaques that name them.
#include "castle/Art.h"
#include "castle/Hall.h"
#include "castle/Symbols.h"
#include "image/Style.h"

#include <cmath>

namespace castle {

namespace {

using namespace hall;
using art::mix;
using art::withAlpha;

void quad(cairo_t* cr, Point a, Point b, Point c, Point d) {
  cairo_move_to(cr, a.x, a.y);
  cairo_line_to(cr, b.x, b.y);
  cairo_line_to(cr, c.x, c.y);
  cairo_line_to(cr, d.x, d.y);
  cairo_close_path(cr);
}

Colour shaded(const Colour& base, double shade) {
  return shade > 0 ? mix(base, rgb(255, 236, 210), shade) : mix(base, rgb(0, 0, 0), -shade);
}

void backWall(cairo_t* cr) {
  art::stoneWall(cr, kBackLeft, -2, kBackRight - kBackLeft, kBackFloorY + 2, 9, 19, style::kStone, 41);
  // The vault's shadow at the top and a plinth along the floor.
  cairo_rectangle(cr, kBackLeft, 0, kBackRight - kBackLeft, 46);
  fillVertical(cr, 0, 46, rgb(8, 6, 12, 0.75), rgb(8, 6, 12, 0));
  cairo_rectangle(cr, kBackLeft, kBackFloorY - 5, kBackRight - kBackLeft, 5);
  fillVertical(cr, kBackFloorY - 5, kBackFloorY, style::kStoneLight, style::kStoneDark);
}

// A side wall (world x = 0 or 320): courses of blocks running into the depth.
void sideWall(cairo_t* cr, double wallX, unsigned seed) {
  art::Random random(seed);
  const Point backBottom = project(wallX, kFloorWorld, kBackDepth), frontBottom = project(wallX, kFloorWorld, 0.9);
  cairo_save(cr);
  quad(cr, {backBottom.x, -5}, backBottom, frontBottom, {frontBottom.x, -5});
  cairo_clip(cr);
  cairo_paint(cr);  // mortar: the wall's colour before any block is laid (black)
  const double course = 13;
  int row = 0;
  for (double y = kFloorWorld; y > -260; y -= course, ++row) {
    double z = kBackDepth - (row % 2 ? 0.06 : 0) + random.between(0, 0.03);
    while (z > 0.85) {
      const double next = z - random.between(0.09, 0.14);
      const Point a = project(wallX, y - course + 0.8, z), b = project(wallX, y - course + 0.8, next);
      const Point c = project(wallX, y - 0.8, next), d = project(wallX, y - 0.8, z);
      // Blocks nearer the viewer are a little lighter: the hall's light falls on them.
      const double near = (kBackDepth - z) / (kBackDepth - 0.85);
      quad(cr, a, b, c, d);
      setColour(cr, shaded(style::kStone, random.between(-0.2, 0.1) - 0.15 + 0.05 * near));
      cairo_fill(cr);
      z = next - 0.006;
    }
  }
  speckle(cr, std::min(backBottom.x, frontBottom.x) - 60, 0, 120, 200, rgb(0, 0, 0, 0.3), 900, seed);
  // Darker toward the screen's edge, away from the torches.
  cairo_rectangle(cr, 0, 0, 320, 240);
  art::fillLinear(cr, backBottom.x, 0, frontBottom.x, 0, rgb(0, 0, 0, 0.05), rgb(0, 0, 0, 0.55));
  cairo_restore(cr);
}

void flagstones(cairo_t* cr) {
  cairo_save(cr);
  const Point leftBack = project(0, kFloorWorld, kBackDepth), rightBack = project(320, kFloorWorld, kBackDepth);
  quad(cr, leftBack, rightBack, {320, project(320, kFloorWorld, 1).y}, {0, project(0, kFloorWorld, 1).y});
  cairo_rectangle(cr, 0, project(0, kFloorWorld, 1).y - 1, 320, 80);
  cairo_clip(cr);
  setColour(cr, rgb(14, 12, 14));
  cairo_paint(cr);
  art::Random random(52);
  int row = 0;
  for (double z = kBackDepth; z > 0.55; ++row) {
    const double next = z - 0.14;
    for (double x = -420 + (row % 2) * 22; x < 740; x += 44) {
      quad(cr, project(x + 0.8, kFloorWorld, z), project(x + 43.2, kFloorWorld, z), project(x + 43.2, kFloorWorld, next + 0.01),
           project(x + 0.8, kFloorWorld, next + 0.01));
      setColour(cr, shaded(rgb(96, 86, 84), random.between(-0.25, 0.08)));
      cairo_fill(cr);
    }
    z = next;
  }
  // The carpet from the gate toward the viewer, red with a gold border.
  quad(cr, project(128, kFloorWorld, kBackDepth), project(192, kFloorWorld, kBackDepth), project(192, kFloorWorld, 0.55),
       project(128, kFloorWorld, 0.55));
  fillVertical(cr, kBackFloorY, 240, rgb(150, 30, 36), rgb(90, 14, 20));
  for (double x : {134.0, 186.0}) {
    cairo_move_to(cr, project(x, kFloorWorld, kBackDepth).x, kBackFloorY);
    cairo_line_to(cr, project(x, kFloorWorld, 0.55).x, project(x, kFloorWorld, 0.55).y);
  }
  cairo_set_line_width(cr, 1.5);
  setColour(cr, withAlpha(style::kGold, 0.85));
  cairo_stroke(cr);
  speckle(cr, 0, kBackFloorY, 320, 90, rgb(0, 0, 0, 0.3), 1400, 53);
  // Light pooling on the floor from the gate and the torches.
  art::glow(cr, 160, kBackFloorY + 6, 70, rgb(255, 170, 110, 0.22));
  cairo_restore(cr);
}

void archFrame(cairo_t* cr, const Door& door, double width) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  tracePath(cr, door);
  cairo_set_line_width(cr, width + 2);
  setColour(cr, rgb(20, 16, 20));
  cairo_stroke(cr);
  tracePath(cr, door);
  cairo_set_line_width(cr, width);
  cairo_pattern_t* p = cairo_pattern_create_linear(door.left, door.top, door.right, door.bottom);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.72, 0.66, 0.62);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.30, 0.27, 0.28);
  cairo_set_source(cr, p);
  cairo_stroke(cr);
  cairo_pattern_destroy(p);
  // The inner edge of the arch, in shadow.
  tracePath(cr, door);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(10, 8, 10, 0.8));
  cairo_stroke(cr);
}

void doorWithView(cairo_t* cr, const Door& door) {
  cairo_save(cr);
  tracePath(cr, door);
  cairo_clip(cr);
  paintRoomView(cr, door);
  // Depth at the jambs: the thickness of the wall in shadow.
  cairo_rectangle(cr, door.left, door.top, 3, door.bottom - door.top);
  art::fillLinear(cr, door.left, 0, door.left + 3, 0, rgb(0, 0, 0, 0.6), rgb(0, 0, 0, 0));
  cairo_restore(cr);
  const bool side = door.room == Room::Hatchery || door.room == Room::Cellar;
  archFrame(cr, door, side ? 3.2 : 4);
}

// A bronze roundel with the room's symbol over the door.
void plaque(cairo_t* cr, Room room, double x, double y, double radius) {
  art::glow(cr, x, y, radius * 2.2, rgb(255, 200, 120, 0.25));
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  art::fillRadial(cr, x - radius * 0.3, y - radius * 0.3, radius * 1.3, rgb(250, 214, 130), rgb(120, 76, 24));
  cairo_arc(cr, x, y, radius * 0.78, 0, 2 * M_PI);
  art::fillRadial(cr, x, y, radius, rgb(60, 44, 50), rgb(24, 18, 22));
  paintSymbol(cr, room, x, y, radius * 1.5);
}

void torches(cairo_t* cr) {
  for (double x : {94.5, 225.5}) art::torch(cr, x, 104, 4.5, 0.2 + x / 400);
  for (double x : {94.5, 225.5}) art::glow(cr, x, 100, 56, rgb(255, 160, 70, 0.22));
}

// The light of each room spilling out of its door onto the floor of the hall.
void spill(cairo_t* cr, const Door& door) {
  Colour c = rgb(255, 200, 140, 0.3);
  switch (door.room) {
    case Room::Mage: c = rgb(200, 120, 255, 0.4); break;
    case Room::Fight: c = rgb(255, 100, 60, 0.35); break;
    case Room::Leave: c = rgb(255, 190, 150, 0.4); break;
    case Room::Shop: c = rgb(255, 200, 110, 0.4); break;
    case Room::Info: c = rgb(120, 210, 255, 0.3); break;
    case Room::Hatchery: c = rgb(255, 150, 50, 0.45); break;
    case Room::Cellar: c = rgb(120, 255, 140, 0.12); break;
  }
  const double cx = (door.left + door.right) / 2, width = door.right - door.left;
  cairo_save(cr);
  cairo_translate(cr, cx, door.bottom + 3);
  cairo_scale(cr, 1.0, 0.35);
  art::glow(cr, 0, 0, width * 1.1, c);
  cairo_restore(cr);
}

void vignette(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, 320, 240);
  cairo_pattern_t* p = cairo_pattern_create_radial(160, 110, 90, 160, 110, 230);
  cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.55);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

}  // namespace

void paintHall(Canvas& canvas, double bannerPhase) {
  cairo_t* cr = canvas.cr();
  setColour(cr, rgb(0, 0, 0));
  cairo_paint(cr);
  backWall(cr);
  sideWall(cr, 0, 61);
  sideWall(cr, 320, 67);
  flagstones(cr);
  torches(cr);
  for (const Door& door : doors()) spill(cr, door);
  for (const Door& door : doors()) doorWithView(cr, door);
  for (const Door& door : doors()) {
    if (door.room == Room::Leave) continue;
    const bool side = door.room == Room::Hatchery || door.room == Room::Cellar;
    plaque(cr, door.room, (door.left + door.right) / 2, door.top - (side ? 9 : 8), side ? 7.5 : 6.5);
  }
  vignette(cr);
  paintBanner(canvas, bannerPhase);
}

}  // namespace castle
