// The mage's cauldron: an item dragged from the shelf follows the stylus, and where the
// stylus lifts decides whether it went into the spell.
#include "screens/MageScreen.h"

#include "app/Application.h"
#include "players/Item.h"
#include "screens/ScreenKit.h"

#include <algorithm>

namespace {

constexpr uint16_t kKey = 0xF81F;

// The dragged picture stays wholly on the screen (a 34 x 42 item picture).
constexpr int kDragMaxX = 285, kDragMaxY = 197;

// Where each side's flash picture lies, in drop mode order: north, east, south, west.
constexpr int kSideX[4] = {185, 253, 160, 92};
constexpr int kSideY[4] = {2, 76, 172, 70};

}  // namespace

void MageScreen::dragItem(int position, int grabX, int grabY) {
  const Item* item = inventoryItem(position);
  if (!item) return;
  Application* app = Application::instance();
  uint16_t* framebuffer = app->getFramebuffer();
  const Bitmap* picture = item->largeImage();
  Bitmap under(picture ? picture->getWidth() : 1, picture ? picture->getHeight() : 1);

  int seenX = 0, seenY = 0;
  app->getPenPosition(seenX, seenY);
  // Where the stylus lifted; a stylus that never moved drops at the top-left corner.
  int dropX = 0, dropY = 0;
  bool shown = false;
  int shownX = 0, shownY = 0;
  while (app->isPenDown()) {
    int x = 0, y = 0;
    app->getPenPosition(x, y);
    if (x != seenX || y != seenY) {
      seenX = dropX = x;
      seenY = dropY = y;
      if (shown) under.draw(shownX, shownY, framebuffer);
      shownX = std::clamp(x - grabX, 0, kDragMaxX);
      shownY = std::clamp(y - grabY, 0, kDragMaxY);
      item->draw(shownX, shownY, framebuffer, false, &under);
      shown = picture != nullptr;
    }
    app->update(true);
  }

  const uint16_t zone = mask_ ? mask_->getPixel(dropX, dropY) : 0;
  const auto side = std::find(kSideZones.begin(), kSideZones.end(), zone);
  if (side != kSideZones.end()) {
    finishDrop(*item, int(side - kSideZones.begin()));
  } else {
    playSound(1049);
    mixing_.resetDials();
  }
  if (mixing_.tooPowerful()) {
    tell(kSpellTooPowerful);
    exitCode_ = kExitOutOfControl;
  }
  loadBackground();
}

void MageScreen::finishDrop(const Item& item, int side) {
  flashSide(side);
  itemDropped_ = true;
  mixing_.dropItem(item.id, side);
}

void MageScreen::flashSide(int side) {
  playSound(1048);
  const Bitmap* picture = sides_[size_t(side)].get();
  Application* app = Application::instance();
  for (int alpha = 255; alpha >= 75; alpha -= 10) {
    draw(app->getFramebuffer());
    if (picture) picture->drawBlended(kSideX[side], kSideY[side], app->getFramebuffer(), alpha, kKey);
    app->update(true);
  }
}
