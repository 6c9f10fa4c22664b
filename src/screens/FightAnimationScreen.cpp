#include "screens/FightAnimationScreen.h"

#include "app/Application.h"
#include "core/Random.h"
#include "core/Timer.h"
#include "gfx/FontManager.h"
#include "screens/ScreenKit.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr uint16_t kKeyColour = 0xF81F;
constexpr int kVillageBackdrops = 3;
constexpr int kLastDragonFrame = 60;  // the last fire frame is loaded but never shown

const char* const kSky = "gfx\\action\\dragon\\dr00.jpg";

// A picture loaded while the window and the sound go on.
std::unique_ptr<Bitmap> loadKeepingAlive(const char* name) {
  Application::instance()->update(false);
  return loadPicture(name);
}
}  // namespace

FightAnimationScreen::FightAnimationScreen() {
  label_ = loadPicture("gfx\\action\\label.jpg");
  background_ = loadPicture(kSky);
}

void FightAnimationScreen::visible(bool on, ScreenParam param) {
  playSound(on ? 1100 : 1101);
  if (!on) {
    freeVillagePictures();
    background_.reset();
    return;
  }
  if (param == 0 || param == -1) {
    background_ = loadPicture(kSky);
    mode_ = Mode::Air;
    return;
  }
  const String& text = *reinterpret_cast<const String*>(param);
  caption_ = text.afterFirst(':');
  loadVillagePictures();
  if (text.beforeFirst(':').equals(String("air"))) {
    background_ = loadPicture(kSky);
    mode_ = Mode::Air;
  } else {
    char name[40];
    std::snprintf(name, sizeof name, "gfx\\action\\village\\bgn%02d.jpg", randomNumber() % kVillageBackdrops);
    background_ = loadPicture(name);
    mode_ = Mode::Village;
  }
}

void FightAnimationScreen::loadVillagePictures() {
  freeVillagePictures();
  char name[48];
  for (int kind = 0; kind < kHouseKinds; ++kind)
    for (int frame = 0; frame < kHouseFrames; ++frame) {
      std::snprintf(name, sizeof name, "gfx\\action\\village\\houses\\house%1d_%02d.gif", kind, frame);
      houses_.push_back(loadKeepingAlive(name));
    }
  for (const char* motion : {"fl", "fi"})
    for (int frame = 0; frame < kDragonCycle; ++frame) {
      std::snprintf(name, sizeof name, "gfx\\action\\village\\dragon\\%s%02d.gif", motion, frame);
      dragon_.push_back(loadKeepingAlive(name));
    }
}

void FightAnimationScreen::freeVillagePictures() {
  houses_.clear();
  dragon_.clear();
}

void FightAnimationScreen::drawBackground(uint16_t* target) const {
  if (background_) background_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
}

void FightAnimationScreen::drawLabel(uint16_t* target) const {
  if (label_) label_->draw(kLabelX, 0, target);
  FontManager::instance().drawText(kCaptionFont, 0, kCaptionBaseline, caption_, target, AlignCentre, -1);
}

void FightAnimationScreen::draw(uint16_t* target) {
  drawBackground(target);
  drawLabel(target);
}

void FightAnimationScreen::run(String& next) {
  next = String();
  if (mode_ == Mode::Air) runAir();
  else runVillage();
}

// The sky fight: its pictures one at a time, each freed once shown, at the handheld's pace.
void FightAnimationScreen::runAir() {
  Application* app = Application::instance();
  playSound(1102);
  char name[40];
  FramePace pace;
  for (int i = 1; i <= kAirFrames; ++i) {
    std::snprintf(name, sizeof name, "gfx\\action\\dragon\\dr%02d.jpg", i);
    loadPicture(name)->draw(0, 0, app->getFramebuffer());
    drawLabel(app->getFramebuffer());
    app->update(true);
    if (app->getClick()) break;
    pace.hold();
  }
  playSound(1103);
}

// Five to eleven houses spread over the village; every fourth never catches fire, the
// others start burning at different moments.
std::vector<FightAnimationScreen::House> FightAnimationScreen::placeHouses() {
  const int count = randomNumber() % 7 + 5;
  const int step = 240 / count;
  std::vector<House> houses(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    House& house = houses[size_t(i)];
    house.stage = i % 4 == 0 ? kNeverBurns : -25 - randomNumber() % 40;
    house.kind = randomNumber() % kHouseKinds;
    house.x = i * step + randomNumber() % 10 + 35;
    house.y = (randomNumber() % 11 + 15) * 6;
  }
  return houses;
}

// The dragon flies in from the left at one pixel a frame and crosses the whole screen.
void FightAnimationScreen::runVillage() {
  Application* app = Application::instance();
  std::vector<House> houses = placeHouses();
  playSound(1104);
  uint16_t* target = app->getFramebuffer();
  int frame = 0;
  for (int t = 64, dx = -64; t > -320; --t, ++dx) {
    drawBackground(target);
    drawLabel(target);
    drawHouses(houses, dx, target);
    drawDragon(frame, t, dx, target);
    if (++frame > kLastDragonFrame) frame = 0;
    app->update(true);
    if (app->getClick()) break;
  }
  playSound(1105);
}

// The fire moves on every third frame; a burnt house is gone, save the ruin of kind 5.
void FightAnimationScreen::drawHouses(std::vector<House>& houses, int dx, uint16_t* target) const {
  for (House& house : houses) {
    if (dx % 3 == 0) house.stage = std::min(house.stage + 1, kHouseFrames);
    int shown = house.stage < 0 ? 0 : house.stage;
    if (house.stage == kHouseFrames) {
      if (house.kind != kHouseKinds - 1) continue;
      shown = kHouseFrames - 1;
    }
    const size_t index = size_t(house.kind * kHouseFrames + shown);
    if (index < houses_.size() && houses_[index]) houses_[index]->draw(house.x, house.y, target, kKeyColour);
  }
}

// Entering, only its front part shows from the left edge, flapping through the flying
// frames; once whole it is drawn at dx with the full sequence.
void FightAnimationScreen::drawDragon(int& frame, int t, int dx, uint16_t* target) const {
  if (dragon_.empty() || !dragon_.front()) return;
  const int width = dragon_.front()->getWidth();
  if (t >= 1) {
    frame %= kDragonCycle;
    const Bitmap* picture = dragon_[size_t(frame)].get();
    if (picture && dx + width > 0) picture->drawPart(t, 0, dx + width, -1, target, 0, kDragonY, kKeyColour);
    return;
  }
  const Bitmap* picture = size_t(frame) < dragon_.size() ? dragon_[size_t(frame)].get() : nullptr;
  if (picture) picture->draw(dx, kDragonY, target, kKeyColour);
}
