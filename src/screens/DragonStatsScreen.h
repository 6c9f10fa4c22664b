// A dragon's statistics: its six attributes as filled columns, its name and age over an
// idle animation, and the potion that opens the mage with the dragon as the spell's target.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"

#include <array>
#include <cstdint>
#include <memory>

class Dragon;

class DragonStatsScreen : public Screen {
public:
  static constexpr int kColumns = 6;
  static constexpr int kColumnStep = 45;
  static constexpr uint32_t kFrameMs = 100;
  static constexpr int kKinds = 4;
  // Frames of each animation kind: breathing, attacking, stretching, drinking.
  static constexpr std::array<int, kKinds> kFrameLimits{21, 26, 31, 31};

  DragonStatsScreen();
  ~DragonStatsScreen() override;

  void getName(String& out) override { out = "DRAGON_STATS"; }
  // param: the dragon's place in the current ruler's list.
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  void handleTap(int x, int y);
  // One animation step (every 100 ms while the screen runs).
  void advanceAnimation();

  bool done() const { return done_; }
  int place() const { return place_; }
  int kind() const { return kind_; }
  int frame() const { return frame_; }
  int direction() const { return direction_; }
  // The dragon shown, looked up afresh so that a spell cast meanwhile shows; null when the
  // place holds none.
  const Dragon* dragon() const;
  // How many rows of a full column of `height` rows an attribute value fills.
  static int filledRows(int value, int height);

private:
  void startAnimation();
  void chooseKind();
  void loadFrame();
  void drawColumns(uint16_t* target, const Dragon& dragon) const;

  std::unique_ptr<Bitmap> strip_, exit_, potion_;
  std::array<std::unique_ptr<Bitmap>, kColumns> emptyColumns_, fullColumns_;
  std::unique_ptr<Bitmap> still_, framePicture_;

  int place_ = -1;
  bool done_ = false;
  int kind_ = 0;
  int frame_ = 0;
  int direction_ = 1;
};
