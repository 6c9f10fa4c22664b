#include "screens/ShopScreen.h"

#include "app/Application.h"
#include "core/Timer.h"
#include "gfx/Colour.h"
#include "gfx/FontManager.h"
#include "players/Item.h"
#include "players/Player.h"
#include "players/PlayerManager.h"
#include "screens/ScreenKit.h"

#include <algorithm>
#include <cstdio>

namespace {

// Colours of the zone map.
constexpr uint16_t kZoneExit = 0xC61F;
constexpr uint16_t kZoneScrollDown = 0xC7F8;
constexpr uint16_t kZoneScrollUp = 0xFFFF;
constexpr uint16_t kZoneConfirm = 0xC7FF;
constexpr uint16_t kZoneLess = 0xFFE0;  // in a button column; any other colour there is "more"

// The arrow columns, inclusive, and the rows of both lists.
constexpr int kDealerColumnLeft = 177, kDealerColumnRight = 184;
constexpr int kPlayerColumnLeft = 307, kPlayerColumnRight = 315;
constexpr int kFirstRowTop = 25;
constexpr int kRowHeight = 21;
constexpr int kArrowDownOffset = 10;

constexpr int kBirdStepMs = 100;
constexpr int kHeaderAlpha = 230;
constexpr int kTextFont = 0;  // small black
constexpr int kRowFont = 11;  // little brown

enum SoundEvent {
  SoundShown = 1072,
  SoundHidden = 1073,
  SoundTap = 1074,
  SoundConfirm = 1075,
  SoundExit = 1076,
  SoundScrollUp = 1077,
  SoundScrollDown = 1078,
  SoundSellLess = 1079,
  SoundSellMore = 1080,
  SoundBuyLess = 1081,
  SoundBuyMore = 1082,
};

int rowTop(int row) { return kFirstRowTop + kRowHeight * row; }
int rowBaseline(int row) { return 41 + kRowHeight * row; }

void drawNumber(int font, int x, int y, long long number, uint16_t* target) {
  FontManager::instance().drawText(font, x, y, String::format("%lld", number), target, AlignLeft);
}

}  // namespace

// The handheld C library's generator, which the dealer's face and bird were drawn with.
int ShopScreen::Dice::roll() {
  state_ = state_ * 214013u + 2531011u;
  return int((state_ >> 16) & 0x7FFFu);
}

ShopScreen::ShopScreen() {
  arrowUp_ = loadPicture("gfx\\shop\\arrow_up.bmp");
  arrowDown_ = loadPicture("gfx\\shop\\arrow_down.bmp");
  okPressed_ = loadPicture("gfx\\shop\\ok.bmp");
  char name[40];
  for (int i = 0; i < kBirdFrames; ++i) {
    std::snprintf(name, sizeof name, "gfx\\shop\\ani\\vogel_ani%04d.gif", i + 1);
    birdFrames_[size_t(i)] = loadPicture(name);
  }
}

void ShopScreen::visible(bool on, ScreenParam) {
  if (!on) {
    playSound(SoundHidden);
    trade_.end();
    background_.reset();
    buyHeader_.reset();
    sellHeader_.reset();
    zones_.reset();
    return;
  }
  background_ = loadPicture("gfx\\shop\\bgn.jpg");
  buyHeader_ = loadPicture("gfx\\shop\\buy.jpg");
  sellHeader_ = loadPicture("gfx\\shop\\sell.jpg");
  zones_ = std::make_unique<LookupImage>(String("gfx\\shop\\mask.bmp"));
  playSound(SoundShown);
  facePicture_.reset();
  // Seeded alike on every visit, so the same dealer always greets the customer.
  dice_.seed(0);
  face_ = dice_.roll() % kFaces;
  char name[32];
  std::snprintf(name, sizeof name, "gfx\\shop\\face%d.gif", face_);
  facePicture_ = loadPicture(name);
  trade_.begin(PlayerManager::exists() ? &PlayerManager::instance().currentPlayer() : nullptr);
  result_ = Trading;
  firstRow_ = 0;
  birdStep_ = -1;
}

void ShopScreen::run(String& next) {
  Application* app = Application::instance();
  Timer birdTimer;
  while (result_ == Trading) {
    draw(app->getFramebuffer());
    app->update(true);
    if (birdStep_ == -1) {
      if (dice_.roll() % 100 < 50) {
        birdY_ = 10 + dice_.roll() % 90;
        birdStep_ = 0;
        birdTimer.restart();
      }
    } else if (birdTimer.elapsed() >= kBirdStepMs) {
      birdTimer.restart();
      ++birdStep_;
    }
    int x = 0, y = 0;
    if (app->getClick()) {
      playSound(SoundTap);
      app->getPenPosition(x, y);
      handleTap(x, y);
    }
  }
  if (result_ == Confirmed) trade_.carryOut();
  next = String();
}

void ShopScreen::handleTap(int x, int y) {
  const uint16_t zone = zones_ ? zones_->getPixel(x, y) : 0;
  switch (zone) {
  case kZoneExit:
    playSound(SoundExit);
    result_ = Left;
    break;
  case kZoneScrollDown:
    playSound(SoundScrollDown);
    scrollDown();
    break;
  case kZoneScrollUp:
    playSound(SoundScrollUp);
    scrollUp();
    break;
  case kZoneConfirm:
    playSound(SoundConfirm);
    confirm();
    break;
  default:
    pressQuantity(x, y, zone);
  }
}

void ShopScreen::scrollDown() {
  firstRow_ = std::max(0, std::min(firstRow_ + 1, trade_.sellEntries() - ShopTrade::kRows));
}

void ShopScreen::scrollUp() { firstRow_ = std::max(0, firstRow_ - 1); }

void ShopScreen::confirm() {
  showPress(okPressed_.get(), 276, 195);
  const int64_t missing = trade_.shortfall();
  if (missing > 0) {
    Application::instance()->showMessage(this, ShopTrade::shortfallText(int(missing)));
    return;
  }
  result_ = Confirmed;
}

void ShopScreen::pressQuantity(int x, int y, uint16_t zone) {
  const bool dealer = x >= kDealerColumnLeft && x <= kDealerColumnRight;
  const bool player = x >= kPlayerColumnLeft && x <= kPlayerColumnRight;
  if (!dealer && !player) return;
  // Truncated toward zero: the strip just above the first row still counts as row 0.
  const int row = (y - kFirstRowTop) / kRowHeight;
  if (row < 0 || row >= ShopTrade::kRows) return;
  const bool more = zone != kZoneLess;
  if (dealer) pressDealer(row, more);
  else pressPlayer(row, more);
}

void ShopScreen::pressDealer(int row, bool more) {
  if (!trade_.offerItem(row)) return;
  playSound(more ? SoundBuyMore : SoundBuyLess);
  showPress(more ? arrowUp_.get() : arrowDown_.get(), kDealerColumnLeft + 1,
            rowTop(row) + (more ? 0 : kArrowDownOffset));
  if (more) trade_.markBuy(row);
  else trade_.unmarkBuy(row);
}

void ShopScreen::pressPlayer(int row, bool more) {
  const int entry = firstRow_ + row;
  if (entry >= trade_.sellEntries()) return;
  playSound(more ? SoundSellMore : SoundSellLess);
  showPress(more ? arrowUp_.get() : arrowDown_.get(), kPlayerColumnLeft + 1,
            rowTop(row) + (more ? 0 : kArrowDownOffset));
  if (more) trade_.markSell(entry);
  else trade_.unmarkSell(entry);
}

void ShopScreen::showPress(const Bitmap* picture, int x, int y) {
  Application* app = Application::instance();
  if (picture) picture->draw(x, y, app->getFramebuffer(), kMaskColour);
  do app->update(true);
  while (app->isPenDown());
  draw(app->getFramebuffer());
}

void ShopScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
  if (facePicture_) facePicture_->draw(0, kScreenHeight - facePicture_->getHeight(), target, kMaskColour);
  drawBird(target);
  if (sellHeader_) sellHeader_->drawBlended(189, 6, target, kHeaderAlpha);
  if (buyHeader_) buyHeader_->drawBlended(68, 6, target, kHeaderAlpha);
  drawTexts(target);
  drawDealerRows(target);
  drawNumber(kTextFont, 146, 188, trade_.buyTotal(), target);
  drawPlayerRows(target);
  drawNumber(kTextFont, 276, 188, trade_.sellTotal(), target);
}

// The bird flies in from the left two pixels a step; the drawing clips it at both edges.
void ShopScreen::drawBird(uint16_t* target) {
  if (birdStep_ == -1) return;
  const int x = (birdStep_ - 10) * 2;
  if (const Bitmap* frame = birdFrames_[size_t(birdStep_ % kBirdFrames)].get())
    frame->drawPart(0, 0, -1, -1, target, x, birdY_, kMaskColour);
  if (x > kScreenWidth - 1) birdStep_ = -1;
}

void ShopScreen::drawTexts(uint16_t* target) const {
  const FontManager& fonts = FontManager::instance();
  fonts.drawText(kTextFont, 73, 24, String("Dealer"), target, AlignLeft);
  fonts.drawText(kTextFont, 73, 189, String("Costs:"), target, AlignLeft);
  if (const Player* customer = trade_.customer()) fonts.drawText(kTextFont, 195, 24, customer->name, target, AlignLeft);
  fonts.drawText(kTextFont, 195, 189, String("Buy/Sell"), target, AlignLeft);
  fonts.drawText(kTextFont, 195, 208, String("these items?"), target, AlignLeft);
}

void ShopScreen::drawDealerRows(uint16_t* target) const {
  const FontManager& fonts = FontManager::instance();
  for (int row = 0; row < ShopTrade::kRows; ++row) {
    const Item* item = trade_.offerItem(row);
    if (!item) continue;
    item->draw(71, rowTop(row), target, true);
    fonts.drawText(kRowFont, 92, rowBaseline(row), item->name, target, AlignLeft);
    drawNumber(kRowFont, 167, rowBaseline(row), trade_.buyMark(row), target);
  }
}

// An item the catalogue does not know keeps its row, empty: the entries below stay where
// their marks are.
void ShopScreen::drawPlayerRows(uint16_t* target) const {
  const FontManager& fonts = FontManager::instance();
  for (int row = 0; row < ShopTrade::kRows && firstRow_ + row < trade_.sellEntries(); ++row) {
    const int entry = firstRow_ + row;
    if (const Item* item = trade_.sellItem(entry)) {
      item->draw(201, rowTop(row), target, true);
      fonts.drawText(kRowFont, 222, rowBaseline(row), item->name, target, AlignLeft);
    }
    drawNumber(kRowFont, 297, rowBaseline(row), trade_.sellMark(entry), target);
  }
}
