#include "screens/DragonStatsScreen.h"

#include "app/Application.h"
#include "app/ScreenManager.h"
#include "core/Random.h"
#include "core/Timer.h"
#include "gfx/FontManager.h"
#include "players/PlayerManager.h"
#include "players/SpellMixing.h"
#include "screens/ScreenKit.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr uint16_t kKey = 0xF81F;
constexpr const char* kFrameNames[DragonStatsScreen::kKinds] = {
    "gfx\\cellar\\stats\\ani\\stats_atmen%04d.jpg", "gfx\\cellar\\stats\\ani\\stats_angriff%04d.jpg",
    "gfx\\cellar\\stats\\ani\\stats_strecken%04d.jpg", "gfx\\cellar\\stats\\ani\\stats_trog%04d.jpg"};

bool onExit(int x, int y) { return x >= 304 && y >= 223; }
bool onPotion(int x, int y) { return x >= 280 && x <= 295 && y >= 220; }

}  // namespace

DragonStatsScreen::DragonStatsScreen() {
  strip_ = loadPicture("gfx\\cellar\\stats\\bgn_task.jpg");
  exit_ = loadPicture("gfx\\exit.bmp");
  potion_ = loadPicture("gfx\\cellar\\stats\\ico_trank.jpg");
  char name[40];
  for (int i = 0; i < kColumns; ++i) {
    std::snprintf(name, sizeof name, "gfx\\cellar\\stats\\%1dr.jpg", i);
    emptyColumns_[size_t(i)] = loadPicture(name);
    std::snprintf(name, sizeof name, "gfx\\cellar\\stats\\%1dg.jpg", i);
    fullColumns_[size_t(i)] = loadPicture(name);
  }
}

DragonStatsScreen::~DragonStatsScreen() = default;

void DragonStatsScreen::visible(bool on, ScreenParam param) {
  framePicture_.reset();
  if (on) {
    place_ = param >= 0 && param < Player::kMaxDragons ? int(param) : -1;
    still_ = loadPicture("gfx\\cellar\\stats\\ani\\stats_atmen0000.jpg");
    playSound(1018);
  } else {
    still_.reset();
    playSound(1019);
  }
}

const Dragon* DragonStatsScreen::dragon() const {
  if (!PlayerManager::exists()) return nullptr;
  return PlayerManager::instance().currentPlayer().dragon(place_);
}

void DragonStatsScreen::run(String& next) {
  Application* app = Application::instance();
  startAnimation();
  uint32_t stepStart = now();
  while (!done_) {
    draw(app->getFramebuffer());
    app->update(true);
    if (now() - stepStart >= kFrameMs) {
      stepStart = now();
      advanceAnimation();
    }
    int x = 0, y = 0;
    if (app->getClick(&x, &y)) {
      playSound(1020);
      handleTap(x, y);
    }
  }
  framePicture_.reset();
  next = String();
}

void DragonStatsScreen::startAnimation() {
  done_ = false;
  frame_ = 0;
  direction_ = 1;
  kind_ = 0;
  framePicture_.reset();
  playSound(1113);
}

// Up to the kind's last frame and back down; at frame 0 the next kind is drawn: half the
// time breathing again, else one of the other three.
void DragonStatsScreen::advanceAnimation() {
  frame_ += direction_;
  if (frame_ >= kFrameLimits[size_t(kind_)]) {
    frame_ -= 2;
    direction_ = -1;
  }
  if (frame_ < 1) {
    frame_ = 0;
    direction_ = 1;
    chooseKind();
  }
  loadFrame();
}

void DragonStatsScreen::chooseKind() {
  if (randomNumber() % 10 < 5) {
    kind_ = 0;
    playSound(1113);
  } else {
    kind_ = 1 + randomNumber() % 3;
    playSound(1114);
  }
}

void DragonStatsScreen::loadFrame() {
  char name[48];
  std::snprintf(name, sizeof name, kFrameNames[kind_], frame_);
  framePicture_ = loadPicture(name);
}

void DragonStatsScreen::handleTap(int x, int y) {
  if (onExit(x, y)) {
    playSound(1021);
    done_ = true;
  } else if (onPotion(x, y) && dragon()) {
    // Without a dragon at the place there is nothing to aim a spell at.
    ScreenManager::instance().callScreen(nullptr, "MAGE", ScreenParam(kSpellOnDragon + uint32_t(place_)));
  }
}

void DragonStatsScreen::draw(uint16_t* target) {
  const Bitmap* backdrop = framePicture_ ? framePicture_.get() : still_.get();
  if (backdrop) backdrop->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
  strip_->drawBlended(0, 218, target, 200);
  if (const Dragon* shown = dragon()) {
    FontManager::instance().drawText(8, 5, 216, String::format("%s      Age: %d", shown->name.c_str(), shown->age),
                                     target, AlignLeft);
    drawColumns(target, *shown);
  }
  potion_->draw(280, 220, target, kKey);
  exit_->draw(304, 223, target, kKey);
}

void DragonStatsScreen::drawColumns(uint16_t* target, const Dragon& dragon) const {
  const FontManager& fonts = FontManager::instance();
  for (int i = 0; i < kColumns; ++i) {
    const int x = kColumnStep * i;
    const Bitmap& empty = *emptyColumns_[size_t(i)];
    const Bitmap& full = *fullColumns_[size_t(i)];
    empty.draw(x, 0, target, kKey);
    const int value = dragon.attribute(i);
    const int h = full.getHeight();
    const int f = filledRows(value, h);
    if (f > 0) full.drawPart(0, h - f, -1, f, target, x, h - f);
    const String text = String::format("%d", value);
    fonts.drawText(8, x + 23 - fonts.textWidth(8, text) / 2, empty.getHeight() - 5, text, target, AlignLeft);
  }
}

// A value outside 0 to 100 is held to the column (a part height of 0 or less would mean
// the whole picture to drawPart).
int DragonStatsScreen::filledRows(int value, int height) {
  return std::clamp(int(value * (height * 0.01)), 0, std::max(height, 0));
}
