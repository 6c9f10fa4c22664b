#include "screens/HatcheryScreen.h"

#include "app/Application.h"
#include "app/ScreenManager.h"
#include "core/Timer.h"
#include "players/PlayerManager.h"
#include "players/SpellMixing.h"
#include "screens/ScreenKit.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr uint16_t kKey = 0xF81F;
constexpr int kLeverX = 123, kLeverY = 176;
constexpr int kLeverDown = HatcheryScreen::kLeverFrames - 1;

const Egg kNoEgg{};

// The potion icon is found by its place, before the zone map is read.
bool onPotion(int x, int y) { return x >= 287 && x <= 298 && y >= 220; }

std::unique_ptr<Bitmap> loadNumbered(const char* pattern, int number) {
  char name[48];
  std::snprintf(name, sizeof name, pattern, number);
  return loadPicture(name);
}

}  // namespace

HatcheryScreen::HatcheryScreen()
    : progressBar_(loadPicture("gfx\\hatchery\\bar_green.bmp")),
      heatBar_(loadPicture("gfx\\hatchery\\bar_blue.bmp")),
      exit_(loadPicture("gfx\\exit.bmp")),
      potion_(loadPicture("gfx\\cellar\\stats\\ico_trank.jpg")),
      zones_(std::make_unique<LookupImage>(String("gfx\\hatchery\\mask.bmp"))) {
  for (int i = 0; i < kPlaces; ++i) {
    buttons_[i] = loadNumbered("gfx\\hatchery\\button%02d.bmp", i);
    plates_[i] = loadNumbered("gfx\\hatchery\\sub%02d.bmp", i);
  }
  for (int i = 0; i < kLeverFrames; ++i) lever_[i] = loadNumbered("gfx\\hatchery\\ani\\button\\ani%02d.jpg", i);
  for (int i = 0; i < kDropFrames; ++i) drops_[i] = loadNumbered("gfx\\hatchery\\ani\\tropf\\ani%02d.jpg", i);
}

void HatcheryScreen::visible(bool on, ScreenParam) {
  selected_ = 0;
  dropFrame_ = 0;
  done_ = false;
  if (on) {
    player_ = PlayerManager::exists() ? &PlayerManager::instance().currentPlayer() : nullptr;
    background_ = loadPicture("gfx\\hatchery\\bgn.jpg");
    for (int i = 0; i < kPlaces; ++i) eggs_[i] = loadNumbered("gfx\\hatchery\\egg%02d.jpg", i);
    playSound(1022);
  } else {
    player_ = nullptr;
    background_.reset();
    for (auto& egg : eggs_) egg.reset();
    playSound(1023);
  }
}

const Egg* HatcheryScreen::selectedEgg() const { return player_ ? &player_->egg(selected_) : &kNoEgg; }

void HatcheryScreen::run(String& next) {
  Application* app = Application::instance();
  Timer dropTimer;
  while (!done_) {
    draw(app->getFramebuffer());
    app->update(true);
    if (dropTimer.elapsed() >= kDropMs) {
      dropTimer.restart();
      dropFrame_ = (dropFrame_ + 1) % kDropFrames;
    }
    int x = 0, y = 0;
    if (app->getClick(&x, &y)) {
      playSound(1024);
      handleTap(x, y);
    }
  }
  next = String();
}

void HatcheryScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  const Egg& egg = *selectedEgg();
  if (egg.occupied) {
    if (drops_[dropFrame_]) drops_[dropFrame_]->draw(36, 93, target);
    if (eggs_[selected_]) eggs_[selected_]->draw(84, 0, target);
  }
  drawBar(progressBar_.get(), egg.occupied ? egg.progress : 0, kProgressBarX, kProgressBarTop, target);
  drawBar(heatBar_.get(), egg.heat, kHeatBarX, kHeatBarTop, target);
  if (exit_) exit_->draw(304, 223, target, kKey);
  if (potion_) potion_->draw(287, 219, target, kKey);
  drawPlaces(target);
  const Bitmap* lever = lever_[egg.occupied ? kLeverDown : 0].get();
  if (lever) lever->draw(kLeverX, kLeverY, target);
}

// A value outside 0 to 100 (a progress past hatching) is drawn as the nearest end.
void HatcheryScreen::drawBar(const Bitmap* bar, int value, int x, int top, uint16_t* target) {
  if (!bar) return;
  int height = bar->getHeight();
  int first = int(height * 0.01 * (100 - std::clamp(value, 0, 100)));
  if (first >= height) return;
  bar->drawPart(0, first, -1, height - first, target, x, top + first, kKey);
}

void HatcheryScreen::drawPlaces(uint16_t* target) const {
  for (int i = 0; i < kPlaces; ++i) {
    int shift = i == selected_ ? 2 : 0;
    int x = 1 + 31 * i;
    bool occupied = player_ && player_->egg(i).occupied;
    if (occupied && buttons_[i]) buttons_[i]->draw(x, 1 + shift, target, kKey);
    if (plates_[i]) plates_[i]->draw(x, 32 + shift, target, kKey);
  }
}

void HatcheryScreen::handleTap(int x, int y) {
  if (onPotion(x, y)) {
    playSound(1008);
    // The spell goes to the dragon at place 0 of the current player.
    ScreenManager::instance().callScreen(this, String("MAGE"), ScreenParam(kSpellOnDragon));
    return;
  }
  uint16_t zone = zones_ ? zones_->getPixel(x, y) : 0;
  if (zone == kZoneLever) {
    pullLever();
  } else if (zone == kZoneLeave) {
    playSound(1027);
    done_ = true;
  } else if (zone == kZoneHeat) {
    playSound(1028);
    if (selectedEgg()->occupied) dragHeat();
  } else {
    for (int i = 0; i < kPlaces; ++i) {
      if (zone != kZonePlaces[i]) continue;
      playSound(1029);
      selected_ = i;
    }
  }
}

// Lays an egg into the empty selected place or takes the egg out, once the lever has moved.
void HatcheryScreen::pullLever() {
  if (!player_) return;
  FramePace pace;
  if (!player_->egg(selected_).occupied) {
    playSound(1025);
    for (int frame = 0; frame < kLeverDown; ++frame) showLeverFrame(frame, pace);
    player_->layEgg(selected_);
  } else {
    playSound(1026);
    for (int frame = kLeverDown; frame >= 0; --frame) showLeverFrame(frame, pace);
    player_->removeEgg(selected_);
  }
}

// The lever moves at the handheld's pace.
void HatcheryScreen::showLeverFrame(int frame, FramePace& pace) {
  Application* app = Application::instance();
  draw(app->getFramebuffer());
  if (lever_[frame]) lever_[frame]->draw(kLeverX, kLeverY, app->getFramebuffer());
  app->update(true);
  pace.hold();
}

// The bar follows the stylus while it is held; where it is let go sets the heat. A drag
// that found the stylus already lifted counts as let go at the top.
void HatcheryScreen::dragHeat() {
  Application* app = Application::instance();
  const Bitmap* bar = heatBar_.get();
  int height = bar ? bar->getHeight() : 0;
  if (height <= 0 || !player_) return;
  uint16_t* target = app->getFramebuffer();
  int row = 0;
  while (app->isPenDown()) {
    int x = 0, y = 0;
    app->getPenPosition(x, y);
    row = std::clamp(y - kHeatBarTop, 0, height - 1);
    if (background_) background_->drawPart(kHeatBarX, kHeatBarTop, bar->getWidth(), height, target, kHeatBarX, kHeatBarTop);
    bar->drawPart(0, row, -1, height - row, target, kHeatBarX, kHeatBarTop + row, kKey);
    app->update(true);
  }
  int heat = 100 - int(row * 100.0 / height);
  if (heat >= kLowestHeat) player_->setHeat(selected_, heat);
  else player_->removeEgg(selected_);
}
