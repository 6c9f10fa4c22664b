#include "castle/Mask.h"

#include "castle/HallLayout.h"

#include <array>
#include <cstdio>

namespace castle {

namespace {

using hall::Room;

struct ZoneColour {
  uint8_t r, g, b;
};

constexpr ZoneColour kNothing{0, 0, 0};
constexpr ZoneColour kCheat{132, 130, 132};  // the hidden corner that gives 100 crystals

ZoneColour zoneOf(Room room) {
  switch (room) {
    case Room::Fight: return {255, 0, 0};
    case Room::Cellar: return {255, 0, 255};
    case Room::Mage: return {255, 255, 0};
    case Room::Shop: return {198, 134, 255};
    case Room::Hatchery: return {0, 0, 255};
    case Room::Info: return {0, 255, 0};
    case Room::Leave: return {41, 109, 90};
  }
  return kNothing;
}

void setZone(cairo_t* cr, ZoneColour c) { cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0); }

bool same(const uint8_t* p, ZoneColour c) { return p[0] == c.r && p[1] == c.g && p[2] == c.b; }

}  // namespace

RgbPixels castleZoneMap() {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 320, 240);
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  setZone(cr, kNothing);
  cairo_paint(cr);
  for (const hall::Door& door : hall::doors()) {
    hall::tracePath(cr, door);
    setZone(cr, zoneOf(door.room));
    cairo_fill(cr);
  }
  // The strip covers the hall's bottom rows: there only the symbols count.
  for (int i = 0; i < 6; ++i) {
    cairo_rectangle(cr, hall::kSymbolWidth * i, hall::kStripTop, hall::kSymbolWidth, 240 - hall::kStripTop);
    setZone(cr, zoneOf(hall::kStripOrder[i]));
    cairo_fill(cr);
  }
  cairo_rectangle(cr, hall::kDealerLeft, hall::kStripTop, 320 - hall::kDealerLeft, 240 - hall::kStripTop);
  setZone(cr, zoneOf(Room::Shop));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 0, 8, 8);
  setZone(cr, kCheat);
  cairo_fill(cr);
  cairo_destroy(cr);

  cairo_surface_flush(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  RgbPixels map{320, 240, std::vector<uint8_t>(320 * 240 * 3)};
  for (int y = 0; y < 240; ++y) {
    for (int x = 0; x < 320; ++x) {
      const uint32_t p = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride)[x];
      uint8_t* out = map.at(x, y);
      out[0] = uint8_t(p >> 16), out[1] = uint8_t(p >> 8), out[2] = uint8_t(p);
    }
  }
  cairo_surface_destroy(surface);
  return map;
}

bool zoneMapIsSound(const RgbPixels& map) {
  bool sound = map.width == 320 && map.height == 240;
  const std::array<Room, 7> rooms{Room::Fight, Room::Cellar, Room::Mage, Room::Shop, Room::Hatchery, Room::Info, Room::Leave};
  for (int y = 0; sound && y < map.height; ++y) {
    for (int x = 0; x < map.width; ++x) {
      const uint8_t* p = map.at(x, y);
      bool known = same(p, kNothing) || same(p, kCheat);
      for (Room room : rooms) known = known || same(p, zoneOf(room));
      if (!known) {
        std::fprintf(stderr, "nupavane-content: castle zone map has a stray colour at (%d,%d)\n", x, y);
        sound = false;
        break;
      }
    }
  }
  // Every door lies on the screen above the strip, apart from the others.
  for (const hall::Door& door : hall::doors()) {
    bool apart = door.left >= 0 && door.right <= 320 && door.top >= 0 && door.bottom < hall::kStripTop;
    for (const hall::Door& other : hall::doors()) {
      if (&other == &door) continue;
      apart = apart && (door.right <= other.left || other.right <= door.left || door.bottom <= other.top ||
                        other.bottom <= door.top);
    }
    if (!apart) {
      std::fprintf(stderr, "nupavane-content: castle door at x %.0f overlaps another or the strip\n", door.left);
      sound = false;
    }
  }
  // The middle of every door, a little above its sill, must open that door's room.
  for (const hall::Door& door : hall::doors()) {
    const int x = int((door.left + door.right) / 2), y = int(door.bottom - (door.bottom - door.top) / 3);
    if (!sound || !same(map.at(x, y), zoneOf(door.room))) {
      std::fprintf(stderr, "nupavane-content: castle door at (%d,%d) is not tappable\n", x, y);
      sound = false;
    }
  }
  for (int i = 0; sound && i < 6; ++i) {
    if (!same(map.at(hall::kSymbolWidth * i + hall::kSymbolWidth / 2, 215), zoneOf(hall::kStripOrder[i]))) {
      std::fprintf(stderr, "nupavane-content: castle symbol %d is not tappable\n", i);
      sound = false;
    }
  }
  std::fflush(stderr);
  return sound;
}

}  // namespace castle
