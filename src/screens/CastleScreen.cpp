#include "screens/CastleScreen.h"

#include "app/Application.h"
#include "app/ScreenManager.h"
#include "core/Random.h"
#include "core/Timer.h"
#include "players/PlayerManager.h"
#include "players/SpellMixing.h"
#include "screens/ScreenKit.h"

#include <cstdint>
#include <cstdio>
#include <limits>

namespace {

constexpr int kNavigationAlpha = 130;
constexpr uint16_t kKey = 0xF81F;

}  // namespace

CastleScreen::CastleScreen()
    : background_(loadPicture("gfx\\castle\\bgn.jpg")),
      navigationBar_(loadPicture("gfx\\castle\\navbar.jpg")),
      symbols_(loadPicture("gfx\\castle\\symbols.gif")),
      dealer_(loadPicture("gfx\\castle\\traderoff.bmp")),
      zones_(std::make_unique<LookupImage>(String("gfx\\castle\\mask.gif"))) {
  char name[40];
  for (int i = 0; i < kAnimationFrames; ++i) {
    std::snprintf(name, sizeof name, "gfx\\castle\\ani\\ani%02d.jpg", i);
    frames_[i] = loadPicture(name);
  }
  visible(false, 0);
}

// Also run around every room, so coming back from one can bring the dealer or send him
// away.
void CastleScreen::visible(bool on, ScreenParam) {
  leaveRequested_ = false;
  rollDealer();
  animationFrame_ = 0;
  playSound(on ? 1001 : 1002);
}

// The dealer comes on 9 visits in 50.
void CastleScreen::rollDealer() {
  traderPresent_ = randomNumber() % 50 > 40;
  dealer_.reset();
  dealer_ = loadPicture(traderPresent_ ? "gfx\\castle\\traderon.bmp" : "gfx\\castle\\traderoff.bmp");
}

void CastleScreen::run(String& next) {
  Application* app = Application::instance();
  Timer frameTimer;
  while (!leaveRequested_) {
    draw(app->getFramebuffer());
    app->update(true);
    // One frame a pass at most, however long a room kept the castle waiting.
    if (frameTimer.elapsed() >= kFrameMs) {
      frameTimer.restart();
      animationFrame_ = (animationFrame_ + 1) % kAnimationFrames;
    }
    if (app->getClick()) {
      playSound(1003);
      int x = 0, y = 0;
      app->getPenPosition(x, y);
      handleTap(x, y);
    }
  }
  next = String();
}

void CastleScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  const Bitmap* frame = frames_[animationFrame_ % kAnimationFrames].get();
  if (frame) frame->draw(125, 0, target);
  if (navigationBar_) navigationBar_->drawBlended(0, 200, target, kNavigationAlpha);
  if (symbols_) symbols_->draw(0, 190, target, kKey);
  if (dealer_) dealer_->draw(270, 190, target, kKey);
}

void CastleScreen::handleTap(int x, int y) {
  switch (zones_ ? zones_->getPixel(x, y) : 0) {
    case kZoneFight: openRoom(1009, "FIGHT", 0); break;
    case kZoneCellar: openRoom(1005, "DRAGON", 0); break;
    case kZoneMage: openRoom(1008, "MAGE", ScreenParam(kSpellOnHuman)); break;
    case kZoneDealer:
      // Without the dealer his corner is plain scenery.
      if (traderPresent_) openRoom(1004, "SHOP", 0);
      break;
    case kZoneHatchery: openRoom(1006, "HATCHERY", 0); break;
    case kZoneInfo: openRoom(1007, "INFO", 0); break;
    case kZoneLeave:
      playSound(1010);
      leaveRequested_ = true;
      break;
    case kZoneCrystals:
      playSound(1011);
      addCrystals();
      break;
    default: break;
  }
}

void CastleScreen::openRoom(int sound, const char* name, ScreenParam param) {
  playSound(sound);
  if (!ScreenManager::instance().callScreen(this, String(name), param)) {
    std::fprintf(stderr, "CastleScreen::openRoom(%s): WARNING: no such screen !\n", name);
    std::fflush(stderr);
  }
}

// The hidden corner: 100 crystals a tap, stopping short of the purse's overflow.
void CastleScreen::addCrystals() {
  if (!PlayerManager::exists()) return;
  int32_t& money = PlayerManager::instance().currentPlayer().money;
  constexpr int32_t kMost = std::numeric_limits<int32_t>::max();
  money = money > kMost - kCheatCrystals ? kMost : money + kCheatCrystals;
}
