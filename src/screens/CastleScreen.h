// The castle: the hub a human ruler visits from the round screen. A tap on a part of the
// castle opens that room modally; the travelling dealer's shop only on the visits he is
// there. The castle acts on the player manager's current player.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"
#include "gfx/LookupImage.h"

#include <memory>

class CastleScreen : public Screen {
public:
  static constexpr int kAnimationFrames = 30;
  static constexpr uint32_t kFrameMs = 80;
  static constexpr int kCheatCrystals = 100;

  // Zone map colours.
  static constexpr uint16_t kZoneFight = 0xF800;
  static constexpr uint16_t kZoneCellar = 0xF81F;
  static constexpr uint16_t kZoneMage = 0xFFE0;
  static constexpr uint16_t kZoneDealer = 0xC43F;
  static constexpr uint16_t kZoneHatchery = 0x001F;
  static constexpr uint16_t kZoneInfo = 0x07E0;
  static constexpr uint16_t kZoneLeave = 0x2B6B;
  static constexpr uint16_t kZoneCrystals = 0x8410;

  // Loads every picture and rolls the dealer once (as hidden).
  CastleScreen();

  void getName(String& out) override { out = "CASTLE"; }
  // Shown and hidden alike: the dealer is rolled afresh and the animation restarts.
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  bool traderPresent() const { return traderPresent_; }
  int animationFrame() const { return animationFrame_; }

private:
  void rollDealer();
  void handleTap(int x, int y);
  // Plays the room's sound and opens it over the castle.
  void openRoom(int sound, const char* name, ScreenParam param);
  void addCrystals();

  std::unique_ptr<Bitmap> background_, navigationBar_, symbols_, dealer_;
  std::unique_ptr<Bitmap> frames_[kAnimationFrames];
  std::unique_ptr<LookupImage> zones_;
  bool traderPresent_ = false;
  int animationFrame_ = 0;
  bool leaveRequested_ = false;
};
