// The cellar's entries: the hall, the eight doors (each stall with its dragon at home, cut
// from the hall), the flicker of the far torch, the name tag and the zone map.
#include "Content.h"
#include "cellar/CellarLayout.h"
#include "cellar/CellarScene.h"
#include "hatchery/OpaqueJpeg.h"
#include "image/Encode.h"

#include <cstdio>

namespace cellar {
namespace {

constexpr bool overlaps(const ScreenRect& a, const ScreenRect& b) {
  return a.x <= b.right() && b.x <= a.right() && a.y <= b.bottom() && b.y <= a.bottom();
}
constexpr bool doorsApart() {
  for (int i = 0; i < kDoors; ++i) {
    if (overlaps(kDoorRects[i], kTorchView) || overlaps(kDoorRects[i], kExit)) return false;
    for (int j = i + 1; j < kDoors; ++j)
      if (overlaps(kDoorRects[i], kDoorRects[j])) return false;
  }
  return true;
}
// The doors are cut from one painting of the hall, so they must not share a pixel, nor
// take one from the torch's frames or the exit.
static_assert(doorsApart());
// The upper row's stalls end above the lower row's.
static_assert(kDoorRects[3].bottom() < kDoorRects[7].y && kDoorRects[0].bottom() < kDoorRects[4].y);

constexpr int kJpegQuality = 95;

std::string numbered(const char* pattern, int number) {
  char name[64];
  std::snprintf(name, sizeof name, pattern, number);
  return name;
}

// The door: the stall cut from the hall with its dragon at home, clear outside its arch.
std::vector<uint8_t> doorPicture(cairo_surface_t* hall, int door) {
  const ScreenRect& r = kDoorRects[door];
  Canvas piece(r.w, r.h);
  cutFrom(piece, hall, r);
  cairo_t* cr = piece.cr();
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  stallPath(cr, door, 0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_fill(cr);
  return encodeBmp(piece.rgb(true));
}

ZoneMap cellarZones() {
  ZoneMap zones;
  for (int door = 0; door < kDoors; ++door) zones.fill(kDoorRects[door], kDoorColours[door]);
  zones.fill(kExit, kExitColour);
  for (int door = 0; door < kDoors; ++door) {
    const ScreenRect& r = kDoorRects[door];
    if (zones.at(r.x, r.y) != kDoorColours[door] || zones.at(r.right(), r.bottom()) != kDoorColours[door])
      failContent("cellar door zone " + std::to_string(door) + " is not whole");
  }
  return zones;
}

void addCellar(ContentList& gfx, const ContentSources&) {
  Canvas bare(kScreenWidth, kScreenHeight);
  paintCellarHall(bare.cr(), false);
  for (int frame = 0; frame < kTorchFrames; ++frame) {
    Canvas hall(kScreenWidth, kScreenHeight);
    cairo_set_source_surface(hall.cr(), bare.surface(), 0, 0);
    cairo_paint(hall.cr());
    paintFarTorch(hall.cr(), double(frame) / kTorchFrames);
    Canvas piece(kTorchView.w, kTorchView.h);
    cutFrom(piece, hall.surface(), kTorchView);
    const std::string name = numbered("gfx\\cellar\\ani\\ani%02d.jpg", frame);
    gfx.push_back({name, opaqueJpeg(name, piece.rgb(false), kJpegQuality)});
    if (frame == 0) gfx.push_back({"gfx\\cellar\\bgn.jpg", opaqueJpeg("cellar bgn.jpg", hall.rgb(false), kJpegQuality)});
  }
  Canvas home(kScreenWidth, kScreenHeight);
  paintCellarHall(home.cr(), true);
  paintFarTorch(home.cr(), 0.0);
  for (int door = 0; door < kDoors; ++door)
    gfx.push_back({numbered("gfx\\cellar\\door%d.bmp", door), doorPicture(home.surface(), door)});
  gfx.push_back({"gfx\\cellar\\mask.bmp", encodeBmp(cellarZones().pixels())});
  Canvas tag(kTagWidth, kTagHeight);
  paintTag(tag);
  gfx.push_back({"gfx\\cellar\\tag.bmp", encodeBmp(tag.rgb(true))});
}

}  // namespace
}  // namespace cellar

CONTENT_FAMILY(cellar, cellar::addCellar);
