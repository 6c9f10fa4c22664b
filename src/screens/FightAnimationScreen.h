// The fight animation ("ACTION"), shown by the month for every fight and attack. Its text
// is a prefix, a colon and the caption: "air:..." plays two dragons fighting in the sky,
// any other prefix a dragon setting a village's houses on fire. It ends by itself or at
// the first press, and changes nothing in the game.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"

#include <memory>
#include <vector>

class FightAnimationScreen : public Screen {
public:
  static constexpr int kAirFrames = 38;
  static constexpr int kHouseKinds = 6;
  static constexpr int kHouseFrames = 13;  // 0 intact, 1 to 12 burning
  static constexpr int kDragonCycle = 31;  // flying frames, then as many breathing fire
  static constexpr int kDragonY = 90;
  static constexpr int kVillageFrames = 384;
  static constexpr int kCaptionFont = 4;
  static constexpr int kCaptionBaseline = 29;
  static constexpr int kLabelX = 31;

  enum class Mode { Air, Village };

  // Loads the label, and the sky as the background until a text says otherwise.
  FightAnimationScreen();

  void getName(String& out) override { out = "ACTION"; }
  // param: the address of the text, or 0 / -1 for none (the sky, no caption change).
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  Mode mode() const { return mode_; }
  const String& caption() const { return caption_; }

private:
  // A house of the burning village: its kind, where it stands and how far the fire is.
  struct House {
    int kind = 0;
    int x = 0;
    int y = 0;
    int stage = 0;
  };
  static constexpr int kNeverBurns = -1000;

  void loadVillagePictures();
  void freeVillagePictures();
  void drawBackground(uint16_t* target) const;
  void drawLabel(uint16_t* target) const;
  void runAir();
  void runVillage();
  static std::vector<House> placeHouses();
  void drawHouses(std::vector<House>& houses, int dx, uint16_t* target) const;
  void drawDragon(int& frame, int t, int dx, uint16_t* target) const;

  std::unique_ptr<Bitmap> background_, label_;
  std::vector<std::unique_ptr<Bitmap>> houses_;  // kind * kHouseFrames + frame
  std::vector<std::unique_ptr<Bitmap>> dragon_;  // flying, then breathing fire
  String caption_;
  Mode mode_ = Mode::Air;
};
