#include "screens/EggInfoScreen.h"

#include "app/Application.h"
#include "gfx/FontManager.h"
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
    firstLine_ = secondLine_ = "error while getting player name";
    return;
  }
  firstLine_ = String("One of ") + owner->name + "s";
  secondLine_ = "eggs finished hatching";
}

void EggInfoScreen::release() {
  background_.reset();
  egg_.reset();
  label_.reset();
}

void EggInfoScreen::run(String& next) {
  Application* app = Application::instance();
  app->getClick();  // a tap made before the announcement showed does not dismiss it
  do {
    draw(app->getFramebuffer());
    app->update(true);
  } while (!app->getClick());
  playSound(1112);
  next = String();
}

void EggInfoScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
  if (egg_) egg_->draw(84, 0, target);
  if (label_) label_->draw(31, 125, target);
  const FontManager& fonts = FontManager::instance();
  fonts.drawText(4, 0, 160, firstLine_, target, AlignCentre);
  fonts.drawText(4, 0, 200, secondLine_, target, AlignCentre);
}
