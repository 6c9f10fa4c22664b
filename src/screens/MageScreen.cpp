#include "screens/MageScreen.h"

#include "app/Application.h"
#include "core/Timer.h"
#include "gfx/FontManager.h"
#include "players/ItemManager.h"
#include "players/PlayerManager.h"
#include "screens/ScreenKit.h"
#include "world/CountryManager.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr uint16_t kKey = 0xF81F;
constexpr int kPanelAlpha = 130;

// The closed shelf's one column of items, and the open shelf's grid.
constexpr int kItemLeft = 4, kItemTop = 16, kColumnWidth = 34, kRowHeight = 40;

bool within(int v, int low, int high) { return v >= low && v <= high; }

}  // namespace

MageScreen::MageScreen() {
  barBackground_ = loadPicture("gfx\\mage\\bar_bgn.gif");
  barSymbols_ = loadPicture("gfx\\mage\\bar_elem.bmp");
  handleOpen_ = loadPicture("gfx\\mage\\item_open.bmp");
  handleClosed_ = loadPicture("gfx\\mage\\item_close.bmp");
  centre_ = loadPicture("gfx\\mage\\center.bmp");
  const char* sides[4] = {"gfx\\mage\\north.bmp", "gfx\\mage\\east.bmp", "gfx\\mage\\south.bmp",
                          "gfx\\mage\\west.bmp"};
  for (int i = 0; i < 4; ++i) sides_[size_t(i)] = loadPicture(sides[i]);
  values_.load(ItemManager::instance());
}

MageScreen::~MageScreen() = default;

void MageScreen::visible(bool on, ScreenParam param) {
  if (on && param != -1) {
    itemPanel_ = loadPicture("gfx\\mage\\item_bgn.bmp");
    helpPanel_ = loadPicture("gfx\\mage\\help_bgn.gif");
    mask_ = std::make_unique<LookupImage>(String("gfx\\mage\\mask.bmp"));
    loadBackground();
    playSound(1041);
    mixing_.open(param);
  } else if (!on) {
    playSound(1042);
    itemPanel_.reset();
    helpPanel_.reset();
    mask_.reset();
    background_.reset();
    power_.reset();
  }
  player_ = PlayerManager::exists() ? &PlayerManager::instance().currentPlayer() : nullptr;
  exitCode_ = 0;
  itemPanelOpen_ = false;
  itemPanelWidth_ = kClosedPanelWidth;
  scroll_ = 0;
  itemDropped_ = false;
  helpOpen_ = false;
  helpWidth_ = kHelpPanelWidth;
}

void MageScreen::run(String& next) {
  Application* app = Application::instance();
  visible(true, -1);
  while (exitCode_ == 0) {
    present();
    int x = 0, y = 0;
    if (!app->getClick(&x, &y)) continue;
    playSound(1043);
    handleTap(x, y);
  }
  if (exitCode_ != kZoneCancel && !mixing_.tooPowerful() && player_) {
    if (const char* message = mixing_.cast(*player_, CountryManager::instance())) tell(message);
  }
  next = String();
}

void MageScreen::present() {
  Application* app = Application::instance();
  draw(app->getFramebuffer());
  app->update(true);
}

void MageScreen::tell(const char* text) {
  lastMessage_ = text;
  Application::instance()->showMessage(this, lastMessage_);
}

void MageScreen::loadBackground() {
  char name[32];
  std::snprintf(name, sizeof name, "gfx\\mage\\bgn%1d%1d.jpg", mixing_.bunsen(), mixing_.condenser());
  background_ = loadPicture(name);
}

std::vector<int> MageScreen::inventory() const {
  std::vector<int> ids;
  if (!player_) return ids;
  for (const auto& [id, count] : player_->items) ids.push_back(id);
  return ids;
}

const Item* MageScreen::inventoryItem(int position) const {
  const std::vector<int> ids = inventory();
  if (position < 0 || position >= int(ids.size())) return nullptr;
  return ItemManager::instance().item(ids[size_t(position)]);
}

// ---- Taps -------------------------------------------------------------------------------

void MageScreen::handleTap(int x, int y) {
  if (helpOpen_ && within(x, 301, 313) && within(y, 7, 19)) {
    closeHelp();
    return;
  }
  if (!itemPanelOpen_ && within(x, kItemLeft, 37) && within(y, kItemTop, 215)) {
    const int row = (y - kItemTop) / kRowHeight;
    closeHelp();
    playSound(1050);
    if (Application::instance()->isPenDown()) {
      dragItem(scroll_ + row, x - kItemLeft, y - kItemTop - kRowHeight * row);
      playSound(1051);
    }
    return;
  }
  if (itemPanelOpen_ && within(x, kItemLeft, 207) && within(y, kItemTop, 216)) {
    // The grid's bottom line belongs to the fifth row, not to the next column's first.
    const int row = std::min((y - kItemTop) / kRowHeight, kVisibleRows - 1);
    const int position = (x - kItemLeft) / kColumnWidth * kVisibleRows + row;
    if (const Item* item = inventoryItem(position)) openHelp(*item);
    else closeHelp();
    return;
  }
  handleZone(mask_ ? mask_->getPixel(x, y) : 0);
}

void MageScreen::handleZone(uint16_t zone) {
  switch (zone) {
    case kZoneBunsen:
    case kZoneCondenser:
      if (!itemPanelOpen_) advanceDial(zone == kZoneBunsen);
      break;
    case kZoneScrollForward:
      if (itemPanelOpen_) break;
      playSound(1055);
      scrollBy(1);
      break;
    case kZoneScrollBack:
      if (itemPanelOpen_) break;
      playSound(1054);
      scrollBy(-1);
      break;
    case kZoneItemPanel:
      if (itemPanelOpen_) closeHelp();
      toggleItemPanel();
      break;
    case kZoneCast:
    case kZoneCancel:
      playSound(1056);
      exitCode_ = zone;
      break;
    default:
      break;
  }
}

void MageScreen::advanceDial(bool bunsen) {
  playSound(1052);
  if (bunsen) mixing_.setBunsen((mixing_.bunsen() + 1) % SpellMixing::kDialSteps);
  else mixing_.setCondenser((mixing_.condenser() + 1) % SpellMixing::kDialSteps);
  loadBackground();
}

void MageScreen::scrollBy(int step) {
  const int last = std::max(int(inventory().size()) - kVisibleRows, 0);
  scroll_ = std::clamp(scroll_ + step, 0, last);
  present();
}

// ---- Sliding panels ---------------------------------------------------------------------

// The panels slide at the handheld's pace.
void MageScreen::toggleItemPanel() {
  FramePace pace;
  const int full = itemPanel_ ? itemPanel_->getWidth() : kClosedPanelWidth;
  if (!itemPanelOpen_) {
    playSound(1045);
    for (int width = kClosedPanelWidth; width <= full; width += 30) {
      itemPanelWidth_ = width;
      present();
      pace.hold();
    }
    itemPanelOpen_ = true;
    itemPanelWidth_ = std::max(full, kClosedPanelWidth);
  } else {
    playSound(1044);
    itemPanelOpen_ = false;
    for (int width = full; width >= kClosedPanelWidth + 1; width -= 30) {
      itemPanelWidth_ = width;
      present();
      pace.hold();
    }
    itemPanelWidth_ = kClosedPanelWidth;
  }
}

void MageScreen::openHelp(const Item& item) {
  helpText_ = item.name;
  power_.reset();
  if (item.desc.length() > 0) power_ = loadPicture((String("gfx\\items\\power\\") + item.desc).c_str());
  if (!helpOpen_) {
    playSound(1047);
    helpOpen_ = true;
    FramePace pace;
    for (int width = 1; width < kHelpPanelWidth; width += 30) {
      helpWidth_ = width;
      present();
      pace.hold();
    }
  }
  helpWidth_ = kHelpPanelWidth;
  present();
}

void MageScreen::closeHelp() {
  if (!helpOpen_) return;
  playSound(1046);
  FramePace pace;
  for (int width = kHelpPanelWidth; width > 0; width -= 30) {
    helpWidth_ = width;
    present();
    pace.hold();
  }
  helpOpen_ = false;
  helpWidth_ = kHelpPanelWidth;
  power_.reset();
}

// ---- Drawing ----------------------------------------------------------------------------

void MageScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
  if (barBackground_) barBackground_->drawBlended(0, 221, target, kPanelAlpha);
  if (barSymbols_) barSymbols_->draw(0, 221, target, kKey);
  if (itemDropped_ && centre_) centre_->draw(168, 74, target, kKey);
  drawItemPanel(target);
  drawItems(target);
  if (helpOpen_) drawHelpPanel(target);
}

void MageScreen::drawItemPanel(uint16_t* target) const {
  if (itemPanelOpen_) {
    if (itemPanel_) itemPanel_->drawBlended(0, 0, target, kPanelAlpha);
    if (handleOpen_) handleOpen_->draw(3, 3, target, kKey);
    return;
  }
  if (itemPanel_) {
    const int width = std::min(itemPanelWidth_, int(itemPanel_->getWidth()));
    itemPanel_->drawPartBlended(itemPanel_->getWidth() - width, 0, width, -1, target, 0, 0, kPanelAlpha);
  }
  if (handleClosed_) handleClosed_->draw(3, 3, target, kKey);
}

void MageScreen::drawItems(uint16_t* target) const {
  const std::vector<int> ids = inventory();
  const ItemManager& catalogue = ItemManager::instance();
  auto drawAt = [&](size_t entry, int x, int y) {
    if (const Item* item = catalogue.item(ids[entry])) item->draw(x, y, target, false);
  };
  if (itemPanelWidth_ > kClosedPanelWidth) {
    const size_t shown = std::min(ids.size(), size_t((itemPanelWidth_ - kItemLeft) / kColumnWidth) * kVisibleRows);
    for (size_t i = 0; i < shown; ++i)
      drawAt(i, kItemLeft + kColumnWidth * int(i / kVisibleRows), kItemTop + kRowHeight * int(i % kVisibleRows));
    return;
  }
  for (int row = 0; row < kVisibleRows && size_t(scroll_ + row) < ids.size(); ++row)
    drawAt(size_t(scroll_ + row), kItemLeft, kItemTop + kRowHeight * row);
}

void MageScreen::drawHelpPanel(uint16_t* target) const {
  if (helpPanel_) {
    if (helpWidth_ < kHelpPanelWidth) helpPanel_->drawPart(0, 0, helpWidth_, -1, target, 319 - helpWidth_, 0, kKey);
    else helpPanel_->draw(213, 0, target, kKey);
  }
  const int x = 327 - helpWidth_;
  FontManager::instance().drawText(3, x, 21, helpText_, target, AlignLeft, std::min(80, kScreenWidth - x));
  if (helpWidth_ >= kHelpPanelWidth && power_) power_->draw(218, 40, target, kKey);
}
