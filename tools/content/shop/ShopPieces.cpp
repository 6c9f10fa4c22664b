// The small pictures of the shop: the two list headers (light plates behind black text,
// laid over the background nearly opaque), the pressed quantity arrows and the pressed OK.
#include "image/Encode.h"
#include "image/Style.h"
#include "items/Brush.h"
#include "shop/ShopParts.h"

namespace shop {

using namespace brush;

namespace {

// A parchment plaque in a thin gilt frame; `ribbon` marks the owner's end of it.
std::vector<uint8_t> headerPlate(const Colour& ribbon, bool ornament) {
  Canvas canvas(kHeaderWidth, kHeaderHeight);
  cairo_t* cr = canvas.cr();
  const double w = kHeaderWidth, h = kHeaderHeight;
  cairo_rectangle(cr, 0, 0, w, h);
  setColour(cr, rgb(70, 44, 20));
  cairo_fill(cr);
  roundedRectangle(cr, 1, 1, w - 2, h - 2, 3);
  fillLinear(cr, 0, 1, 0, h - 1, rgb(250, 238, 204), rgb(228, 206, 160));
  speckle(cr, 3, 3, w - 6, h - 6, rgb(180, 146, 96, 0.3), 60, ornament ? 1 : 2);
  roundedRectangle(cr, 1.5, 1.5, w - 3, h - 3, 3);
  stroke(cr, style::kGold, 1.2);
  if (ornament) {
    // A tiny purse of coins at the far end, clear of the title.
    circle(cr, w - 9, h / 2 + 1.5, 4.5);
    fillBall(cr, w - 9, h / 2 + 1.5, 4.5, ribbon);
    circle(cr, w - 9, h / 2 - 3.5, 1.6);
    setColour(cr, style::kGold);
    cairo_fill(cr);
  } else {
    cairo_rectangle(cr, w - 6, 2, 3, h - 4);
    setColour(cr, ribbon);
    cairo_fill(cr);
  }
  return encodeJpeg(canvas.rgb(false), 92);
}

std::vector<uint8_t> pressedArrow(bool up) {
  Canvas canvas(kArrowWidth, kArrowHeight);
  paintQuantityArrow(canvas.cr(), 0, 0, kArrowWidth, kArrowHeight, up, true);
  return encodeBmp(canvas.rgb(true));
}

std::vector<uint8_t> pressedSeal() {
  Canvas canvas(kConfirm.width(), kConfirm.height());
  paintSeal(canvas.cr(), 0, 0, kConfirm.width(), true);
  return encodeBmp(canvas.rgb(true));
}

}  // namespace

void addPieces(ContentList& gfx) {
  gfx.push_back({"gfx\\shop\\buy.jpg", headerPlate(style::kRulers[0].field, true)});
  gfx.push_back({"gfx\\shop\\sell.jpg", headerPlate(style::kRulers[2].field, false)});
  gfx.push_back({"gfx\\shop\\arrow_up.bmp", pressedArrow(true)});
  gfx.push_back({"gfx\\shop\\arrow_down.bmp", pressedArrow(false)});
  gfx.push_back({"gfx\\shop\\ok.bmp", pressedSeal()});
}

}  // namespace shop
