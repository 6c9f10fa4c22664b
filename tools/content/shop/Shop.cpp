// The shop screen's pictures: the dealer's wagon with its lists, its zone map, the header
// plates, the pressed controls, the dealer's faces and the bird crossing the sky.
#include "shop/ShopParts.h"

namespace {

void addShop(ContentList& gfx, const ContentSources&) {
  shop::addRoom(gfx);
  shop::addZoneMap(gfx);
  shop::addPieces(gfx);
  shop::addFaces(gfx);
  shop::addBird(gfx);
}

}  // namespace

CONTENT_FAMILY(shop, addShop);
