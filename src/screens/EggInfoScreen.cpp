#include "screens/EggInfoScreen.h"

#include "app/Application.h"
#include "players/PlayerManager.h"
#include "screens/ScreenKit.h"

#include <algorithm>

void EggInfoScreen::visible(bool on, ScreenParam param) {
  playSound(on ? 1110 : 1111);
  if (!on || param == -1) {
    release();
    return;
  }
  background_ = loadPicture("gfx\\hatchery\\bgn.jpg");
  egg_ = loadPicture("gfx\\hatchery\\egg00.jpg");
  label_ = loadPicture("gfx\\hatchery\\label.jpg");
  setLines(param);
}

void EggInfoScreen::setLines(ScreenParam player) {
  const Player* owner = nullptr;
  if (PlayerManager::exists() && player >= 0 && player < PlayerManager::kPlayers)
    owner = PlayerManager::instance().player(int(player));
  if (!owner) {
    lines_.first = lines_.second = "error while getting player name";
    return;
  }
  lines_.first = String("One of ") + owner->name + "s";
  lines_.second = "eggs finished hatching";
}

void EggInfoScreen::release() {
  background_.reset();
  egg_.reset();
  label_.reset();
}

void EggInfoScreen::run(String& next) {
  showUntilTap(*this);
  playSound(1112);
  next = String();
}

void EggInfoScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
  if (egg_) egg_->draw(84, 0, target);
  lines_.draw(target, label_.get(), 125);
}
