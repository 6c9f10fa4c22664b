#include "castle/HallLayout.h"

#include <algorithm>
#include <cmath>

namespace hall {

Point project(double x, double y, double z) { return {kVanishX + (x - kVanishX) / z, kVanishY + (y - kVanishY) / z}; }

namespace {

constexpr int kArchSteps = 16;

Door boxed(Room room, std::vector<Point> outline) {
  Door door{room, std::move(outline), 1e9, 1e9, -1e9, -1e9};
  for (const Point& p : door.outline) {
    door.left = std::min(door.left, p.x), door.right = std::max(door.right, p.x);
    door.top = std::min(door.top, p.y), door.bottom = std::max(door.bottom, p.y);
  }
  return door;
}

// A round-arched opening in the back wall, from x0 to x1, its crown at `crown`.
Door backDoor(Room room, double x0, double x1, double crown) {
  const double radius = (x1 - x0) / 2, spring = crown + radius;
  std::vector<Point> outline{{x0, kBackFloorY}, {x0, spring}};
  for (int i = 1; i < kArchSteps; ++i) {
    const double a = M_PI - M_PI * i / kArchSteps;
    outline.push_back({x0 + radius + radius * std::cos(a), spring - radius * std::sin(a)});
  }
  outline.push_back({x1, spring});
  outline.push_back({x1, kBackFloorY});
  return boxed(room, std::move(outline));
}

// A round-arched door in a side wall (x = 0 or x = 320 in the world) between depths z0 and
// z1, `height` world units from the floor to its crown.
Door sideDoor(Room room, double wallX, double z0, double z1, double height) {
  const double radiusZ = (z1 - z0) / 2, radiusY = radiusZ * kDepthUnits;
  const double spring = kFloorWorld - height + radiusY;
  std::vector<Point> outline{project(wallX, kFloorWorld, z0), project(wallX, spring, z0)};
  for (int i = 1; i < kArchSteps; ++i) {
    const double a = M_PI - M_PI * i / kArchSteps;
    outline.push_back(project(wallX, spring - radiusY * std::sin(a), z0 + radiusZ + radiusZ * std::cos(a)));
  }
  outline.push_back(project(wallX, spring, z1));
  outline.push_back(project(wallX, kFloorWorld, z1));
  return boxed(room, std::move(outline));
}

}  // namespace

const std::vector<Door>& doors() {
  static const std::vector<Door> all{
      backDoor(Room::Mage, 60, 90, 82),
      backDoor(Room::Fight, 99, 129, 82),
      backDoor(Room::Leave, 138, 182, 66),
      backDoor(Room::Shop, 191, 221, 82),
      backDoor(Room::Info, 230, 260, 82),
      sideDoor(Room::Hatchery, 0, 1.1, 1.4, 100),
      sideDoor(Room::Cellar, 320, 1.1, 1.4, 100),
  };
  return all;
}

const Door& door(Room room) {
  for (const Door& d : doors())
    if (d.room == room) return d;
  return doors().front();
}

void tracePath(cairo_t* cr, const Door& door) {
  cairo_move_to(cr, door.outline.front().x, door.outline.front().y);
  for (const Point& p : door.outline) cairo_line_to(cr, p.x, p.y);
  cairo_close_path(cr);
}

}  // namespace hall
