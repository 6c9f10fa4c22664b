// The hatchery's entries: the room, the parts of it the game draws over it (eggs, drip,
// lever), the bars, the rack's pictures, the announcement plate and the zone map.
#include "Content.h"
#include "hatchery/HatcheryLayout.h"
#include "hatchery/HatcheryPictures.h"
#include "hatchery/HatcheryScene.h"
#include "hatchery/OpaqueJpeg.h"
#include "image/Encode.h"

#include <cstdio>

namespace hatchery {
namespace {

// The parts drawn over the room must not cover each other or the gauges.
constexpr bool leftOf(const ScreenRect& a, const ScreenRect& b) { return a.right() < b.x; }
constexpr bool above(const ScreenRect& a, const ScreenRect& b) { return a.bottom() < b.y; }
static_assert(leftOf(kDropView, kEggView) && leftOf(kProgressBar, kDropView));
static_assert(leftOf(kEggView, kHeatBar) && above(kEggView, kLever));
static_assert(kHeatZone.x <= kHeatBar.x && kHeatZone.right() >= kHeatBar.right());
static_assert(kHeatZone.y <= kHeatBar.y && kHeatZone.bottom() >= kHeatBar.bottom());
static_assert(placeZone(0).bottom() >= placePlate(0).bottom() + kSelectedShift);
static_assert(kExit.right() == kScreenWidth - 1 && kExit.bottom() == kScreenHeight - 1);
// The potion icon is tapped by its coordinates before the map is read; keep it off the zones.
static_assert(kHeatZone.bottom() < kPotion.y && leftOf(kPotion, kExit) && leftOf(kLever, kPotion));

// Cut pictures and the room share one quality, high, so their seams do not show.
constexpr int kJpegQuality = 95;

std::string numbered(const char* pattern, int number) {
  char name[64];
  std::snprintf(name, sizeof name, pattern, number);
  return name;
}

// A part of the room in the given state: the fittings in that state over the unchanging
// room, cut out.
std::vector<uint8_t> roomPart(const std::string& name, cairo_surface_t* bareRoom, const HatcheryState& state,
                              const ScreenRect& part) {
  Canvas room(kScreenWidth, kScreenHeight);
  cairo_set_source_surface(room.cr(), bareRoom, 0, 0);
  cairo_paint(room.cr());
  cairo_rectangle(room.cr(), part.x, part.y, part.w, part.h);  // only the part is needed
  cairo_clip(room.cr());
  paintHatcheryFittings(room.cr(), state);
  Canvas piece(part.w, part.h);
  cutFrom(piece, room.surface(), part);
  return opaqueJpeg(name, piece.rgb(false), kJpegQuality);
}

ZoneMap hatcheryZones() {
  ZoneMap zones;
  for (int place = 0; place < kPlaces; ++place) zones.fill(placeZone(place), kPlaceColours[place]);
  zones.fill(kLever, kLeverColour);
  zones.fill(kHeatZone, kHeatColour);
  zones.fill(kExit, kLeaveColour);
  // Every zone must still be whole after the others were laid.
  auto whole = [&zones](const ScreenRect& r, uint16_t colour) {
    for (int y = r.y; y <= r.bottom(); ++y)
      for (int x = r.x; x <= r.right(); ++x)
        if (zones.at(x, y) != colour) failContent("hatchery zones overlap");
  };
  for (int place = 0; place < kPlaces; ++place) whole(placeZone(place), kPlaceColours[place]);
  whole(kLever, kLeverColour);
  whole(kHeatZone, kHeatColour);
  whole(kExit, kLeaveColour);
  return zones;
}

void addRoomAndParts(ContentList& gfx) {
  Canvas bare(kScreenWidth, kScreenHeight);
  paintHatcheryRoom(bare.cr());
  auto add = [&gfx, &bare](const std::string& name, const HatcheryState& state, const ScreenRect& part) {
    gfx.push_back({name, roomPart(name, bare.surface(), state, part)});
  };
  add("gfx\\hatchery\\bgn.jpg", {}, {0, 0, kScreenWidth, kScreenHeight});
  for (int place = 0; place < kPlaces; ++place)
    add(numbered("gfx\\hatchery\\egg%02d.jpg", place), {place, -1, kLeverFrames - 1}, kEggView);
  for (int frame = 0; frame < kLeverFrames; ++frame)
    add(numbered("gfx\\hatchery\\ani\\button\\ani%02d.jpg", frame), {-1, -1, frame}, kLever);
  for (int frame = 0; frame < kDropFrames; ++frame)
    add(numbered("gfx\\hatchery\\ani\\tropf\\ani%02d.jpg", frame), {0, frame, kLeverFrames - 1}, kDropView);
}

void addSmallPictures(ContentList& gfx) {
  Canvas green(kProgressBar.w, kProgressBar.h), blue(kHeatBar.w, kHeatBar.h);
  paintBar(green, rgb(70, 200, 90));
  paintBar(blue, rgb(70, 130, 240));
  gfx.push_back({"gfx\\hatchery\\bar_blue.bmp", encodeBmp(blue.rgb(true))});
  gfx.push_back({"gfx\\hatchery\\bar_green.bmp", encodeBmp(green.rgb(true))});
  for (int place = 0; place < kPlaces; ++place) {
    Canvas button(placeButton(place).w, placeButton(place).h);
    paintPlaceButton(button, place);
    gfx.push_back({numbered("gfx\\hatchery\\button%02d.bmp", place), encodeBmp(button.rgb(true))});
    Canvas plate(placePlate(place).w, placePlate(place).h);
    paintPlacePlate(plate, place);
    gfx.push_back({numbered("gfx\\hatchery\\sub%02d.bmp", place), encodeBmp(plate.rgb(true))});
  }
  Canvas label(kLabelWidth, kLabelHeight);
  paintLabel(label);
  gfx.push_back({"gfx\\hatchery\\label.jpg", opaqueJpeg("label.jpg", label.rgb(false), kJpegQuality)});
}

void addHatchery(ContentList& gfx, const ContentSources&) {
  addRoomAndParts(gfx);
  addSmallPictures(gfx);
  gfx.push_back({"gfx\\hatchery\\mask.bmp", encodeBmp(hatcheryZones().pixels())});
}

}  // namespace
}  // namespace hatchery

CONTENT_FAMILY(hatchery, hatchery::addHatchery);
