// One visit's trade at the dealer's: the dealer's offer, how many pieces the customer has
// marked to buy and to sell, the running totals, and the trade carried out at once when
// the customer confirms. Nothing changes hands before carryOut.
#pragma once

#include "core/String.h"

#include <cstdint>
#include <vector>

class Item;
class Player;

class ShopTrade {
public:
  // Rows of each list on the screen, and the dealer's slots.
  static constexpr int kRows = 7;

  // The price of one piece, buying and selling alike: the item's value truncated toward
  // zero; 0 for a number the catalogue does not hold.
  static int priceOf(int item);
  // "You need %d more %s to buy", in the money's single name for 1 and its plural else.
  static String shortfallText(int missing);

  // A new visit of `customer` (may be null: nothing to trade): the dealer's full offer, the
  // customer's inventory as it stands now, no marks.
  void begin(Player* customer);
  // The visit is over: no customer, no marks.
  void end();

  Player* customer() const { return customer_; }

  // The dealer's slot: its catalogue entry, or null for an empty slot (also for an offered
  // number the catalogue lacks), its stock and the pieces marked to buy.
  const Item* offerItem(int slot) const;
  int stock(int slot) const;
  int buyMark(int slot) const;
  // One piece more or less of the slot: false when the stock or 0 holds the mark.
  bool markBuy(int slot);
  bool unmarkBuy(int slot);

  // The customer's inventory as it was when the visit began, in ascending item number.
  int sellEntries() const { return int(sellRows_.size()); }
  // The entry's item number (-1 past the end) and its catalogue entry (null when unknown).
  int sellItemId(int entry) const;
  const Item* sellItem(int entry) const;
  int sellMark(int entry) const;
  // One piece more or less of the entry: false past the pieces owned, below 0, or for an
  // item the catalogue does not know (it has no price).
  bool markSell(int entry);
  bool unmarkSell(int entry);

  int64_t buyTotal() const { return buyTotal_; }
  int64_t sellTotal() const { return sellTotal_; }
  // How many crystals the customer lacks for the marked trade; 0 when he can pay.
  int64_t shortfall() const;
  // Sales first, then purchases; money never ends below 0.
  void carryOut();

private:
  struct OfferSlot {
    int item = -1;
    int stock = 0;
    int marked = 0;
  };
  struct SellRow {
    int item = -1;
    int marked = 0;
  };

  bool validSlot(int slot) const { return slot >= 0 && slot < kRows && offerItem(slot) != nullptr; }
  bool validEntry(int entry) const { return entry >= 0 && entry < sellEntries(); }
  void sell();
  void buy();

  Player* customer_ = nullptr;
  OfferSlot offer_[kRows];
  std::vector<SellRow> sellRows_;
  int64_t buyTotal_ = 0;
  int64_t sellTotal_ = 0;
};
