// The dragon cellar: a door for every dragon of the current ruler that is alive and at home.
// A tap on a door shows the dragon's name tag; a tap on the tag opens its statistics.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"
#include "gfx/LookupImage.h"

#include <array>
#include <cstdint>
#include <memory>

class Dragon;
class Player;

class CellarScreen : public Screen {
public:
  static constexpr int kDoors = 8;
  static constexpr int kAnimationFrames = 22;
  static constexpr uint32_t kFrameMs = 80;
  static constexpr int kTagWidth = 126;
  static constexpr int kTagHeight = 34;
  static constexpr uint16_t kExitColour = 0xC618;

  struct Door {
    uint16_t colour;  // the door's zone in the hit mask
    int x, y;         // where its picture is drawn
  };
  // Indexed by the dragon's place in the ruler's list.
  static constexpr std::array<Door, kDoors> kDoorTable{{{0xF81F, 10, 49},
                                                        {0x07E0, 93, 54},
                                                        {0xFE18, 162, 58},
                                                        {0x001F, 219, 63},
                                                        {0xF800, 8, 143},
                                                        {0xFFE0, 103, 142},
                                                        {0x87F0, 182, 139},
                                                        {0x07FF, 244, 137}}};

  CellarScreen();
  ~CellarScreen() override;

  void getName(String& out) override { out = "DRAGON"; }
  // Shown or hidden, the visit starts afresh: no tag, first animation frame, the current
  // ruler's dragons.
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  // One tap of the stylus at (x, y), as the loop handles it.
  void handleTap(int x, int y);

  bool done() const { return done_; }
  bool tagShown() const { return tagShown_; }
  int tagPlace() const { return tagPlace_; }
  int tagX() const { return tagX_; }
  int tagY() const { return tagY_; }
  int animationFrame() const { return frame_; }

  // The dragon of that place when it has a door: alive and at home; else null.
  const Dragon* dragonWithDoor(int place) const;
  // The tag's top-left for a tap at (x, y): centred on it, kept on the screen.
  static void placeTag(int x, int y, int& tagX, int& tagY);

private:
  bool onTag(int x, int y) const;
  void openStatistics();
  void showTagForDoor(uint16_t colour, int x, int y);
  void drawTag(uint16_t* target) const;

  std::unique_ptr<Bitmap> tag_, exit_;
  std::array<std::unique_ptr<Bitmap>, kDoors> doors_;
  std::array<std::unique_ptr<Bitmap>, kAnimationFrames> animation_;
  std::unique_ptr<Bitmap> background_;
  std::unique_ptr<LookupImage> mask_;

  Player* player_ = nullptr;
  int frame_ = 0;
  bool done_ = false;
  bool tagShown_ = false;
  int tagPlace_ = 0;
  int tagX_ = 0, tagY_ = 0;
};
