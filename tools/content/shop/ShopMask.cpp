// The shop's zone map: exact colours, no smoothing. Any colour that is not a zone leaves a
// tap in a button column to mean "one more", so only the lower part of each button row is
// painted ("one less"); the upper part stays black like everything that does nothing.
#include "image/Encode.h"
#include "shop/ShopParts.h"

namespace shop {

namespace {

void fill(RgbPixels& map, const Area& area, const Rgb& colour) {
  for (int y = area.top; y <= area.bottom; ++y) {
    for (int x = area.left; x <= area.right; ++x) {
      uint8_t* p = map.at(x, y);
      p[0] = colour.r, p[1] = colour.g, p[2] = colour.b;
    }
  }
}

RgbPixels shopZoneMap() {
  RgbPixels map{320, 240, std::vector<uint8_t>(320 * 240 * 3, 0)};
  for (int row = 0; row < kRows; ++row) {
    const int top = rowTop(row) + kMoreRows;
    fill(map, {kDealerColumnLeft, top, kDealerColumnRight, top + kLessRows - 1}, kZoneLess);
    fill(map, {kPlayerColumnLeft, top, kPlayerColumnRight, top + kLessRows - 1}, kZoneLess);
  }
  fill(map, kExit, kZoneLeave);
  fill(map, kScrollDown, kZoneScrollDown);
  fill(map, kScrollUp, kZoneScrollUp);
  fill(map, kConfirm, kZoneConfirm);
  return map;
}

}  // namespace

void addZoneMap(ContentList& gfx) { gfx.push_back({"gfx\\shop\\mask.bmp", encodeBmp(shopZoneMap())}); }

}  // namespace shop
