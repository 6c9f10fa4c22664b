// The travelling dealer's shop: the dealer's offer on the left, the current player's items
// on the right, arrows to mark pieces to buy and to sell, a confirm button that trades all
// marks at once and an exit that drops them. A bird crosses the sky now and then.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"
#include "gfx/LookupImage.h"
#include "screens/ShopTrade.h"

#include <array>
#include <cstdint>
#include <memory>

class ShopScreen : public Screen {
public:
  static constexpr int kBirdFrames = 30;
  static constexpr int kFaces = 6;

  // Loads the arrows, the pressed confirm button and the bird's frames.
  ShopScreen();

  void getName(String& out) override { out = "SHOP"; }
  // param is not used: the customer is the current player.
  void visible(bool on, ScreenParam param) override;
  // Trades until the customer confirms or leaves; yields "".
  void run(String& next) override;
  void draw(uint16_t* target) override;

  // How the visit stands, for tests.
  enum Result { Trading = 0, Confirmed = 1, Left = 2 };
  const ShopTrade& trade() const { return trade_; }
  int result() const { return result_; }
  int firstRow() const { return firstRow_; }
  int face() const { return face_; }
  int birdStep() const { return birdStep_; }
  int birdY() const { return birdY_; }

private:
  // The shop's own random numbers, seeded alike on every visit, so the same dealer greets
  // every visit and his bird never draws from the game's generator.
  class Dice {
  public:
    void seed(uint32_t value) { state_ = value; }
    int roll();

  private:
    uint32_t state_ = 0;
  };

  void moveBird();
  void handleTap(int x, int y);
  void scrollDown();
  void scrollUp();
  void confirm();
  void pressQuantity(int x, int y, uint16_t zone);
  void pressDealer(int row, bool more);
  void pressPlayer(int row, bool more);
  // Shows a pressed control until the stylus lifts, then the screen again.
  void showPress(const Bitmap* picture, int x, int y);

  void drawBird(uint16_t* target);
  void drawTexts(uint16_t* target) const;
  void drawDealerRows(uint16_t* target) const;
  void drawPlayerRows(uint16_t* target) const;

  std::unique_ptr<Bitmap> arrowUp_, arrowDown_, okPressed_;
  std::array<std::unique_ptr<Bitmap>, kBirdFrames> birdFrames_;
  std::unique_ptr<Bitmap> background_, buyHeader_, sellHeader_, facePicture_;
  std::unique_ptr<LookupImage> zones_;

  ShopTrade trade_;
  Dice dice_;
  int face_ = 0;
  int firstRow_ = 0;
  int result_ = Trading;
  int birdStep_ = -1;
  int birdY_ = 0;
};
