// The mage's pictures: sixteen backgrounds (one for each setting of the burner and the
// condenser), the zone map, the bar, the panels and the cauldron's flashes.
#include "Content.h"
#include "image/Encode.h"
#include "mage/PaintKit.h"
#include "mage/MagePaint.h"

#include <string>

namespace mage {

namespace {

void tripleOf(uint16_t colour, uint8_t* out) {
  const unsigned r = colour >> 11, g = (colour >> 5) & 63, b = colour & 31;
  out[0] = uint8_t(r << 3 | r >> 2), out[1] = uint8_t(g << 2 | g >> 4), out[2] = uint8_t(b << 3 | b >> 2);
}

RgbPixels zoneMap() {
  RgbPixels map{kScreenW, kScreenH, std::vector<uint8_t>(size_t(kScreenW) * kScreenH * 3)};
  for (int y = 0; y < kScreenH; ++y)
    for (int x = 0; x < kScreenW; ++x) tripleOf(zoneAt(x, y), map.at(x, y));
  return map;
}

// The painted things a tap is aimed at must lie in their zones, and the zones where the
// game can reach them.
void checkZones() {
  for (int side = 0; side < 4; ++side)
    if (zoneAt(int(kGemAt[side][0]), int(kGemAt[side][1])) != kSideColours[side])
      paintkit::fail("the mage's gem of side " + std::to_string(side) + " lies outside its drop zone");
  if (zoneAt(int(kBurnerTubeX), kBurner.y1 - 10) != kBurnerColour || zoneAt(int(kCondenserX), kCondenser.y1 - 10) != kCondenserColour)
    paintkit::fail("the mage's burner or condenser lies outside its zone");
  // The closed panel's item column is handled before the map, so no zone may lie there.
  for (int y = kItemColumn.y0; y <= kItemColumn.y1; ++y)
    for (int x = kItemColumn.x0; x <= kItemColumn.x1; ++x)
      if (zoneAt(x, y) != 0) paintkit::fail("a mage zone lies in the item column, where no tap reaches it");
  if (kHandle.y1 >= kItemTop) paintkit::fail("the mage's panel handle reaches into the first item row");
}

std::vector<uint8_t> background(cairo_surface_t* room, int bunsen, int condenser) {
  Canvas canvas(kScreenW, kScreenH);
  cairo_t* cr = canvas.cr();
  cairo_set_source_surface(cr, room, 0, 0);
  cairo_paint(cr);
  paintCauldron(cr, bunsen);
  paintBurner(cr, bunsen);
  paintCondenser(cr, condenser);
  paintVignette(cr);
  return encodeJpeg(canvas.rgb(false));
}

void addBackgrounds(ContentList& gfx) {
  Canvas room(kScreenW, kScreenH);
  paintRoom(room.cr());
  for (int bunsen = 0; bunsen < kSettings; ++bunsen)
    for (int condenser = 0; condenser < kSettings; ++condenser)
      gfx.push_back({"gfx\\mage\\bgn" + std::to_string(bunsen) + std::to_string(condenser) + ".jpg",
                     background(room.surface(), bunsen, condenser)});
}

template <typename Paint>
RgbPixels painted(int w, int h, bool keyed, Paint paint) {
  Canvas canvas(w, h);
  paint(canvas);
  return canvas.rgb(keyed);
}

void addParts(ContentList& gfx) {
  gfx.push_back({"gfx\\mage\\bar_bgn.gif", encodeGif(painted(kScreenW, kBarH, false, paintBarBackground))});
  gfx.push_back({"gfx\\mage\\bar_elem.bmp", encodeBmp(painted(kScreenW, kBarH, true, paintBarSymbols))});
  gfx.push_back({"gfx\\mage\\center.bmp",
                 encodeBmp(painted(kBubbling.width(), kBubbling.height(), true, paintBubbling))});
  const char* const sideNames[4] = {"north", "east", "south", "west"};
  for (int side = 0; side < 4; ++side) {
    const Box& box = kSides[side];
    gfx.push_back({std::string("gfx\\mage\\") + sideNames[side] + ".bmp",
                   encodeBmp(painted(box.width(), box.height(), true, [side](Canvas& c) { paintSideFlash(c, side); }))});
  }
  gfx.push_back({"gfx\\mage\\help_bgn.gif", encodeGif(painted(kHelpW, kHelpH, true, paintHelpPanel))});
  gfx.push_back({"gfx\\mage\\item_bgn.bmp", encodeBmp(painted(kPanelW, kPanelH, false, paintItemPanel))});
  gfx.push_back({"gfx\\mage\\item_close.bmp",
                 encodeBmp(painted(kHandleW, kHandleH, false, [](Canvas& c) { paintHandle(c, false); }))});
  gfx.push_back({"gfx\\mage\\item_open.bmp",
                 encodeBmp(painted(kHandleW, kHandleH, false, [](Canvas& c) { paintHandle(c, true); }))});
}

void addMage(ContentList& gfx, const ContentSources&) {
  checkZones();
  addBackgrounds(gfx);
  addParts(gfx);
  gfx.push_back({"gfx\\mage\\mask.bmp", encodeBmp(zoneMap())});
}

}  // namespace

}  // namespace mage

CONTENT_FAMILY(mage, mage::addMage);
