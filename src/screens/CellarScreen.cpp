#include "screens/CellarScreen.h"

#include "app/Application.h"
#include "app/ScreenManager.h"
#include "core/Timer.h"
#include "gfx/FontManager.h"
#include "players/PlayerManager.h"
#include "screens/ScreenKit.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr uint16_t kKey = 0xF81F;
constexpr int kTagTextWidth = 106;

}  // namespace

CellarScreen::CellarScreen() {
  tag_ = loadPicture("gfx\\cellar\\tag.bmp");
  exit_ = loadPicture("gfx\\exit.bmp");
  char name[40];
  for (int i = 0; i < kDoors; ++i) {
    std::snprintf(name, sizeof name, "gfx\\cellar\\door%d.bmp", i);
    doors_[size_t(i)] = loadPicture(name);
  }
  for (int i = 0; i < kAnimationFrames; ++i) {
    std::snprintf(name, sizeof name, "gfx\\cellar\\ani\\ani%02d.jpg", i);
    animation_[size_t(i)] = loadPicture(name);
  }
}

CellarScreen::~CellarScreen() = default;

void CellarScreen::visible(bool on, ScreenParam) {
  if (on) {
    background_ = loadPicture("gfx\\cellar\\bgn.jpg");
    mask_ = std::make_unique<LookupImage>(String("gfx\\cellar\\mask.bmp"));
    playSound(1012);
  } else {
    background_.reset();
    mask_.reset();
    playSound(1013);
  }
  done_ = false;
  frame_ = 0;
  tagShown_ = false;
  tagPlace_ = 0;
  tagX_ = tagY_ = 0;
  player_ = PlayerManager::exists() ? &PlayerManager::instance().currentPlayer() : nullptr;
}

void CellarScreen::run(String& next) {
  Application* app = Application::instance();
  uint32_t frameStart = now();
  while (!done_) {
    draw(app->getFramebuffer());
    app->update(true);
    if (now() - frameStart >= kFrameMs) {
      frameStart = now();
      frame_ = (frame_ + 1) % kAnimationFrames;
    }
    int x = 0, y = 0;
    if (app->getClick(&x, &y)) {
      playSound(1014);
      handleTap(x, y);
    }
  }
  next = String();
}

void CellarScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
  animation_[size_t(frame_)]->draw(278, 66, target);
  exit_->draw(304, 223, target, kKey);
  for (int i = 0; i < kDoors; ++i) {
    if (!dragonWithDoor(i)) continue;
    const Door& door = kDoorTable[size_t(i)];
    doors_[size_t(i)]->draw(door.x, door.y, target, kKey);
  }
  if (tagShown_) drawTag(target);
}

void CellarScreen::drawTag(uint16_t* target) const {
  tag_->draw(tagX_, tagY_, target, kKey);
  const Dragon* dragon = player_ ? player_->dragon(tagPlace_) : nullptr;
  if (!dragon) return;
  FontManager::instance().drawText(3, tagX_ + 4, tagY_ + 22, dragon->name, target, AlignLeft, kTagTextWidth);
}

void CellarScreen::handleTap(int x, int y) {
  const uint16_t colour = mask_ ? mask_->getPixel(x, y) : 0;
  if (colour == kExitColour) {
    playSound(1015);
    done_ = true;
    return;
  }
  if (tagShown_) {
    tagShown_ = false;
    if (onTag(x, y)) {
      openStatistics();
      return;
    }
  }
  showTagForDoor(colour, x, y);
}

bool CellarScreen::onTag(int x, int y) const {
  return x >= tagX_ && x <= tagX_ + kTagWidth - 1 && y >= tagY_ && y <= tagY_ + kTagHeight - 1;
}

// The statistics come back through the screen manager, which shows the cellar afresh.
void CellarScreen::openStatistics() {
  playSound(1016);
  ScreenManager::instance().callScreen(this, "DRAGON_STATS", ScreenParam(tagPlace_));
}

void CellarScreen::showTagForDoor(uint16_t colour, int x, int y) {
  for (int i = 0; i < kDoors; ++i) {
    if (kDoorTable[size_t(i)].colour != colour || !dragonWithDoor(i)) continue;
    playSound(1017);
    placeTag(x, y, tagX_, tagY_);
    tagPlace_ = i;
    tagShown_ = true;
    return;
  }
}

const Dragon* CellarScreen::dragonWithDoor(int place) const {
  const Dragon* dragon = player_ ? player_->dragon(place) : nullptr;
  return dragon && dragon->attribute(Dragon::kHealth) >= 1 && dragon->atHome ? dragon : nullptr;
}

void CellarScreen::placeTag(int x, int y, int& tagX, int& tagY) {
  tagX = std::max(0, x - kTagWidth / 2);
  if (tagX + kTagWidth > kScreenWidth) tagX = kScreenWidth - kTagWidth;
  tagY = std::max(0, y - kTagHeight / 2);
  if (tagY + kTagHeight > kScreenHeight) tagY = kScreenHeight - kTagHeight;
}
