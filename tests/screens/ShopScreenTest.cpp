// The dealer's shop: its trade rules and the screen driven by scripted taps.
#include "support/ScreenTest.h"

#include "core/Random.h"
#include "screens/ShopScreen.h"

namespace {

using namespace screentest;

// A catalogue whose prices tell the items apart; the dealer offers 4, 6, 8, 10 and 12.
const double kValues[] = {2, 2, 3, 3, 12.9, 4, 5, 6, 3.5, 8, 20, 10, 1, 7};

// The zone map: exit, the two scroll arrows, confirm, and the "one less" halves of both
// arrow columns; the rest is black, which in a column means "one more". And a catalogue of
// `items` entries in place of the game's.
Entries shopPictures(int items) {
  std::vector<Zone> zones = {{304, 223, 319, 239, 0xC61F}, {302, 172, 319, 192, 0xC7F8},
                             {290, 0, 306, 22, 0xFFFF},    {276, 195, 301, 220, 0xC7FF}};
  for (int r = 0; r < 7; ++r) {
    zones.push_back({177, 35 + 21 * r, 184, 45 + 21 * r, 0xFFE0});
    zones.push_back({307, 35 + 21 * r, 315, 45 + 21 * r, 0xFFE0});
  }
  std::string text = "<items>";
  for (int i = 0; i < items; ++i)
    text += "<item name=\"Item" + std::to_string(i) + "\" image=\"i.gif\" desc=\"i.jpg\" level=\"1\" value=\"" +
            std::to_string(kValues[i]) + "\"/>";
  text += "</items>";
  return {{"gfx\\xml\\items.xml", std::vector<uint8_t>(text.begin(), text.end())},
          {"gfx\\shop\\mask.bmp", zoneBmp(zones)}};
}

std::string buyMore(int row, int times = 1) { return tap(180, 28 + 21 * row, 50, times); }
std::string buyLess(int row, int times = 1) { return tap(180, 40 + 21 * row, 50, times); }
std::string sellMore(int row, int times = 1) { return tap(310, 28 + 21 * row, 50, times); }
std::string sellLess(int row, int times = 1) { return tap(310, 40 + 21 * row, 50, times); }
const std::string kConfirm = tap(285, 205), kExit = tap(310, 230);
const std::string kScrollDown = tap(310, 180), kScrollUp = tap(295, 10);

class ShopTest : public ScreenTest {
protected:
  explicit ShopTest(int items = 14) : ScreenTest(shopPictures(items)) {
    PlayerManager::startGame({HumanPlayer, ComputerPlayer, ComputerPlayer}).setCurrentPlayer(0);
  }
  Player& customer() { return player(0); }

  ShopScreen shop;
};

TEST_F(ShopTest, PricesAreTheItemValuesTruncatedAndUnknownItemsHaveNone) {
  const int prices[][2] = {{4, 12}, {8, 3}, {12, 1}, {-1, 0}, {14, 0}};  // 12.9, 3.5, 1
  for (const auto& [item, price] : prices) EXPECT_EQ(ShopTrade::priceOf(item), price) << item;
}

TEST_F(ShopTest, TheShortfallNamesTheMoneyInThePluralEvenForOne) {
  for (int need : {1, 2, 37})
    EXPECT_EQ(ShopTrade::shortfallText(need).c_str(), "You need " + std::to_string(need) + " more crystals to buy");
}

TEST_F(ShopTest, TheDealerOffersTheSameFiveItemsUpToTheirStocks) {
  EXPECT_EQ(visit(shop, buyMore(4, 6) + buyMore(5) + buyMore(6) + buyLess(5) + kExit), "");
  const ShopTrade& trade = shop.trade();
  const int ids[] = {4, 6, 8, 10, 12};
  for (int slot = 0; slot < 5; ++slot) {
    ASSERT_NE(trade.offerItem(slot), nullptr);
    EXPECT_EQ(trade.offerItem(slot)->id, ids[slot]);
    EXPECT_EQ(trade.stock(slot), slot + 1);
  }
  EXPECT_EQ(trade.offerItem(5), nullptr);
  EXPECT_EQ(trade.offerItem(6), nullptr);
  EXPECT_EQ(trade.buyMark(4), 5);  // the sixth piece was refused
  EXPECT_EQ(trade.buyTotal(), 5);
  EXPECT_EQ(shop.result(), ShopScreen::Left);
  // Leaving drops the marks: nothing was bought.
  EXPECT_EQ(customer().money, 109);
  EXPECT_EQ(customer().items.count(12), 0u);
  // The next visit offers the full stock again, unmarked.
  visit(shop, buyMore(4, 5) + kExit);
  EXPECT_EQ(shop.trade().buyMark(4), 5);
}

TEST_F(ShopTest, BuyingWithEnoughCrystalsPaysForTheMarkedPieces) {
  visit(shop, buyMore(0, 2) + buyMore(1, 2) + buyLess(1) + buyLess(2) + kConfirm);
  EXPECT_EQ(shop.result(), ShopScreen::Confirmed);
  EXPECT_EQ(shop.trade().buyMark(0), 1);
  EXPECT_EQ(shop.trade().buyMark(1), 1);
  EXPECT_EQ(shop.trade().buyMark(2), 0);  // "one less" at 0 changed nothing
  EXPECT_EQ(shop.trade().buyTotal(), 12 + 5);
  EXPECT_EQ(customer().money, 109 - 17);
  EXPECT_EQ(customer().itemCount(4), 5 + 1);
  EXPECT_EQ(customer().itemCount(6), 7 + 1);
}

TEST_F(ShopTest, ExactlyEnoughCrystalsIsEnough) {
  customer().money = 17;
  visit(shop, buyMore(0) + buyMore(1) + kConfirm);
  EXPECT_EQ(customer().money, 0);
  EXPECT_EQ(customer().itemCount(4), 6);
}

TEST_F(ShopTest, TooFewCrystalsKeepTheMarksAndTradingGoesOn) {
  customer().money = 16;
  // The first confirm shows the message, which takes the next tap; a slot less, and the
  // second confirm trades.
  visit(shop, buyMore(0) + buyMore(1) + kConfirm + tap(100, 100) + buyLess(1) + kConfirm);
  EXPECT_EQ(shop.result(), ShopScreen::Confirmed);
  EXPECT_EQ(customer().money, 4);
  EXPECT_EQ(customer().itemCount(4), 6);
  EXPECT_EQ(customer().itemCount(6), 7);
}

TEST_F(ShopTest, AMessageThatWaitsForItsTapThenLeavingChangesNothing) {
  customer().money = 0;
  // The first exit tap only closes the message: the visit needs both.
  visit(shop, buyMore(4) + kConfirm + kExit + kExit);
  EXPECT_EQ(shop.result(), ShopScreen::Left);
  EXPECT_EQ(customer().money, 0);
  EXPECT_EQ(customer().items.count(12), 0u);
}

TEST_F(ShopTest, ConfirmingWithoutMarksChangesNothing) {
  const auto items = customer().items;
  visit(shop, kConfirm);
  EXPECT_EQ(shop.result(), ShopScreen::Confirmed);
  EXPECT_EQ(customer().money, 109);
  EXPECT_EQ(customer().items, items);
}

TEST_F(ShopTest, SellingIsLimitedToThePiecesOwnedAndEmptiesTheEntry) {
  // Row 0 is item 0 (one piece), row 4 item 4 (five pieces at 12).
  visit(shop, sellMore(0, 3) + sellLess(1) + sellMore(4, 3) + sellLess(4) + kConfirm);
  EXPECT_EQ(shop.trade().sellMark(0), 1);
  EXPECT_EQ(shop.trade().sellMark(1), 0);
  EXPECT_EQ(shop.trade().sellMark(4), 2);
  EXPECT_EQ(shop.trade().sellTotal(), 2 + 24);
  EXPECT_EQ(customer().items.count(0), 0u);
  EXPECT_EQ(customer().itemCount(4), 3);
  EXPECT_EQ(customer().money, 109 + 26);
}

TEST_F(ShopTest, SalesPayForPurchasesOfTheSameVisit) {
  customer().money = 0;
  visit(shop, sellMore(4, 2) + buyMore(1, 2) + kConfirm);
  EXPECT_EQ(shop.result(), ShopScreen::Confirmed);
  EXPECT_EQ(customer().money, 24 - 10);
  EXPECT_EQ(customer().itemCount(4), 3);
  EXPECT_EQ(customer().itemCount(6), 9);
}

// Each tap at an edge marks one piece or none; the strip above the first row is row 0.
TEST_F(ShopTest, TheQuantityColumnsEndAtTheirEdgesAndTheRowsAtTheSeventh) {
  struct Case {
    int x, y;
    int buyRow, sellEntry;  // the mark one tap sets, or -1
  };
  const Case cases[] = {
      {177, 25, 0, -1},  {184, 25, 0, -1},  {176, 25, -1, -1}, {185, 25, -1, -1},
      {307, 151, -1, 6}, {315, 151, -1, 6}, {306, 151, -1, -1}, {316, 151, -1, -1},
      {180, 109, 4, -1}, {180, 172, -1, -1}, {180, 239, -1, -1}, {307, 4, -1, -1},
      {180, 5, 0, -1},   {180, 4, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
    visit(shop, tap(c.x, c.y) + kExit);
    for (int row = 0; row < ShopTrade::kRows; ++row) EXPECT_EQ(shop.trade().buyMark(row), row == c.buyRow ? 1 : 0);
    for (int entry = 0; entry < shop.trade().sellEntries(); ++entry)
      EXPECT_EQ(shop.trade().sellMark(entry), entry == c.sellEntry ? 1 : 0);
  }
}

TEST_F(ShopTest, TheInventoryScrollsOnlyPastSevenEntries) {
  visit(shop, kScrollDown + kExit);
  EXPECT_EQ(shop.firstRow(), 0);  // seven entries fit
  customer().addItem(7, 1);
  customer().addItem(8, 1);
  customer().addItem(9, 1);
  visit(shop, kScrollDown + kScrollDown + kScrollDown + kScrollDown + kExit);
  EXPECT_EQ(shop.firstRow(), 3);  // ten entries: entry 3 is the first that can lead
  // Scrolled by two, row 0 is item 2 (three pieces at 3).
  visit(shop, kScrollUp + kScrollDown + kScrollDown + kScrollDown + kScrollUp + sellMore(0) + kConfirm);
  EXPECT_EQ(shop.firstRow(), 2);
  EXPECT_EQ(customer().itemCount(2), 2);
  EXPECT_EQ(customer().money, 112);
}

TEST_F(ShopTest, TheSameDealerEveryVisitAndTheGameDiceUntouched) {
  seedRandom(77);
  const int first = randomNumber();
  seedRandom(77);
  visit(shop, "wait 3000\n" + kExit);
  const int face = shop.face();
  EXPECT_GE(face, 0);
  EXPECT_LT(face, ShopScreen::kFaces);
  // Three seconds in, a bird crosses the sky.
  EXPECT_GE(shop.birdStep(), 0);
  EXPECT_GE(shop.birdY(), 10);
  EXPECT_LT(shop.birdY(), 100);
  visit(shop, kExit);
  EXPECT_EQ(shop.face(), face);
  EXPECT_EQ(randomNumber(), first);
}

// A catalogue of nine items lacks the dealer's items 10 and 12.
class ShortCatalogueTest : public ShopTest {
protected:
  ShortCatalogueTest() : ShopTest(9) {}
};

TEST_F(ShortCatalogueTest, NoItemNumberOutsideTheCatalogueIsUsed) {
  customer().addItem(50, 2);  // an item the catalogue does not know, last in the list
  visit(shop, buyMore(3) + buyMore(4) + kScrollDown + sellMore(6) + buyMore(2) + kConfirm);
  const ShopTrade& trade = shop.trade();
  EXPECT_EQ(trade.offerItem(3), nullptr);
  EXPECT_EQ(trade.offerItem(4), nullptr);
  EXPECT_EQ(trade.sellItemId(7), 50);
  EXPECT_EQ(trade.sellMark(7), 0);  // no price, no sale
  EXPECT_EQ(trade.buyTotal(), 3);
  EXPECT_EQ(customer().money, 109 - 3);
  EXPECT_EQ(customer().itemCount(50), 2);
  EXPECT_EQ(customer().itemCount(8), 1);
  EXPECT_EQ(customer().items.count(10), 0u);
  EXPECT_EQ(customer().items.count(12), 0u);
}

TEST_F(ShopTest, WithoutPlayersTheShopHasNoCustomerAndTradesNothing) {
  PlayerManager::destroy();
  visit(shop, buyMore(0) + sellMore(0) + kConfirm);
  EXPECT_EQ(shop.result(), ShopScreen::Confirmed);
  EXPECT_EQ(shop.trade().customer(), nullptr);
  EXPECT_EQ(shop.trade().sellEntries(), 0);
}

}  // namespace
