#include "screens/ShopTrade.h"

#include "players/ItemManager.h"
#include "players/Player.h"
#include "world/CountryManager.h"

#include <algorithm>
#include <limits>

namespace {

// The dealer's offer, the same on every visit: catalogue number and stock of each slot.
struct OfferEntry {
  int item;
  int stock;
};
constexpr OfferEntry kOffer[ShopTrade::kRows] = {{4, 1}, {6, 2}, {8, 3}, {10, 4}, {12, 5}, {-1, 0}, {-1, 0}};

// Money is an int: a sale of many dear pieces stops at the largest purse there can be.
int32_t clampMoney(int64_t money) {
  return int32_t(std::clamp<int64_t>(money, 0, std::numeric_limits<int32_t>::max()));
}

}  // namespace

int ShopTrade::priceOf(int item) {
  const Item* entry = ItemManager::instance().item(item);
  // The catalogue keeps values within 0 to a million, so the truncation always fits.
  return entry ? int(entry->value) : 0;
}

String ShopTrade::shortfallText(int missing) {
  // The dealer's words take the plural money name whatever the amount.
  return String::format("You need %d more %s to buy", missing, CountryManager::instance().moneyMulti().c_str());
}

void ShopTrade::begin(Player* customer) {
  end();
  customer_ = customer;
  for (int slot = 0; slot < kRows; ++slot) offer_[slot] = {kOffer[slot].item, kOffer[slot].stock, 0};
  if (!customer_) return;
  for (const auto& [item, pieces] : customer_->items) sellRows_.push_back({item, 0});
}

void ShopTrade::end() {
  customer_ = nullptr;
  sellRows_.clear();
  for (OfferSlot& slot : offer_) slot.marked = 0;
  buyTotal_ = 0;
  sellTotal_ = 0;
}

const Item* ShopTrade::offerItem(int slot) const {
  if (slot < 0 || slot >= kRows || offer_[slot].item < 0) return nullptr;
  return ItemManager::instance().item(offer_[slot].item);
}

int ShopTrade::stock(int slot) const { return validSlot(slot) ? offer_[slot].stock : 0; }

int ShopTrade::buyMark(int slot) const { return validSlot(slot) ? offer_[slot].marked : 0; }

bool ShopTrade::markBuy(int slot) {
  if (!validSlot(slot) || offer_[slot].marked >= offer_[slot].stock) return false;
  ++offer_[slot].marked;
  buyTotal_ += priceOf(offer_[slot].item);
  return true;
}

bool ShopTrade::unmarkBuy(int slot) {
  if (!validSlot(slot) || offer_[slot].marked < 1) return false;
  --offer_[slot].marked;
  buyTotal_ -= priceOf(offer_[slot].item);
  return true;
}

int ShopTrade::sellItemId(int entry) const { return validEntry(entry) ? sellRows_[size_t(entry)].item : -1; }

const Item* ShopTrade::sellItem(int entry) const { return ItemManager::instance().item(sellItemId(entry)); }

int ShopTrade::sellMark(int entry) const { return validEntry(entry) ? sellRows_[size_t(entry)].marked : 0; }

bool ShopTrade::markSell(int entry) {
  if (!customer_ || !sellItem(entry)) return false;
  SellRow& row = sellRows_[size_t(entry)];
  if (row.marked >= customer_->itemCount(row.item)) return false;
  ++row.marked;
  sellTotal_ += priceOf(row.item);
  return true;
}

bool ShopTrade::unmarkSell(int entry) {
  if (!validEntry(entry) || sellRows_[size_t(entry)].marked < 1) return false;
  SellRow& row = sellRows_[size_t(entry)];
  --row.marked;
  sellTotal_ -= priceOf(row.item);
  return true;
}

int64_t ShopTrade::shortfall() const {
  if (!customer_) return 0;
  const int64_t balance = int64_t(customer_->money) - buyTotal_ + sellTotal_;
  return balance < 0 ? -balance : 0;
}

void ShopTrade::carryOut() {
  if (!customer_) return;
  sell();
  buy();
}

// Every mark was limited by the pieces owned when it was made; a removal the inventory
// refuses all the same earns nothing.
void ShopTrade::sell() {
  for (const SellRow& row : sellRows_) {
    if (row.marked <= 0) continue;
    if (!customer_->delItem(row.item, row.marked)) continue;
    customer_->money = clampMoney(int64_t(customer_->money) + int64_t(priceOf(row.item)) * row.marked);
  }
}

void ShopTrade::buy() {
  for (const OfferSlot& slot : offer_) {
    if (slot.item < 0 || slot.marked == 0) continue;
    customer_->addItem(slot.item, slot.marked);
    customer_->money = clampMoney(int64_t(customer_->money) - int64_t(priceOf(slot.item)) * slot.marked);
  }
}
