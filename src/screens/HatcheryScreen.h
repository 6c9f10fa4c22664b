// The hatchery: the current player's four incubator places. The player selects a place,
// lays an egg into it or takes it out with the lever, and drags the heat bar of the egg;
// dragging it to the bottom throws the egg away.
#pragma once

#include "app/Screen.h"
#include "core/Timer.h"
#include "gfx/Bitmap.h"
#include "gfx/LookupImage.h"
#include "players/Player.h"

#include <memory>

class HatcheryScreen : public Screen {
public:
  static constexpr int kPlaces = Player::kIncubators;
  static constexpr int kLeverFrames = 10;
  static constexpr int kDropFrames = 18;
  static constexpr uint32_t kDropMs = 80;
  // A heat below this after a drag takes the egg out.
  static constexpr int kLowestHeat = 5;

  // Zone map colours.
  static constexpr uint16_t kZoneLever = 0x8410;
  static constexpr uint16_t kZoneLeave = 0xF800;
  static constexpr uint16_t kZoneHeat = 0xFFE0;
  static constexpr uint16_t kZonePlaces[kPlaces] = {0x001F, 0x07FF, 0xF81F, 0xFE18};

  // Heat bar and progress bar: left edge and the row their full height starts at.
  static constexpr int kHeatBarX = 276;
  static constexpr int kHeatBarTop = 69;
  static constexpr int kProgressBarX = 15;
  static constexpr int kProgressBarTop = 134;

  // Loads the pictures that stay for the program's life.
  HatcheryScreen();

  void getName(String& out) override { out = "HATCHERY"; }
  // On: takes the current player and loads the room; off: frees it. Both start again at
  // place 0.
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  int selectedPlace() const { return selected_; }

private:
  const Egg* selectedEgg() const;
  void handleTap(int x, int y);
  void pullLever();
  void dragHeat();
  // Draws the rows from trunc(h * (100 - value) / 100) down, so the bar grows upward.
  static void drawBar(const Bitmap* bar, int value, int x, int top, uint16_t* target);
  void drawPlaces(uint16_t* target) const;
  void showLeverFrame(int frame, FramePace& pace);

  Player* player_ = nullptr;
  int selected_ = 0;
  int dropFrame_ = 0;
  bool done_ = false;

  std::unique_ptr<Bitmap> background_, eggs_[kPlaces];
  std::unique_ptr<Bitmap> progressBar_, heatBar_, exit_, potion_;
  std::unique_ptr<Bitmap> buttons_[kPlaces], plates_[kPlaces];
  std::unique_ptr<Bitmap> lever_[kLeverFrames], drops_[kDropFrames];
  std::unique_ptr<LookupImage> zones_;
};
