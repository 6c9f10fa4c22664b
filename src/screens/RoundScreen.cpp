#include "screens/RoundScreen.h"

#include "app/Application.h"
#include "app/ScreenManager.h"
#include "app/StateDump.h"
#include "gfx/Colour.h"
#include "gfx/FontManager.h"
#include "players/PlayerManager.h"
#include "screens/ScreenKit.h"
#include "world/CountryManager.h"

#include <cstdio>

namespace {

struct Rect {
  int left, top, right, bottom;  // inclusive
  bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

struct Point {
  int x, y;
};

// Player i's tap area, frame and portrait. The tap areas overlap; the first human's wins.
constexpr Rect kPortraitAreas[RoundScreen::kPlayers] = {{0, 39, 115, 155}, {102, 75, 215, 188}, {207, 42, 316, 152}};
constexpr Point kFramePlaces[RoundScreen::kPlayers] = {{0, 39}, {102, 75}, {207, 42}};
constexpr Point kPortraitPlaces[RoundScreen::kPlayers] = {{18, 49}, {126, 80}, {226, 50}};

// The bottom row's tap areas reach down to the screen's edge.
bool onHourglass(int x, int y) { return x >= 131 && x <= 192 && y >= 187; }
bool onSettings(int x, int y) { return x <= 29 && y >= 210; }
bool onSave(int x, int y) { return x >= 242 && x <= 265 && y >= 193; }
bool onLoad(int x, int y) { return x >= 272 && x <= 295 && y >= 193; }
bool onQuit(int x, int y) { return x >= 304 && y >= 223; }

// The rulers of the running game, without starting a new one when there are none.
Player* playerAt(int place) { return PlayerManager::exists() ? PlayerManager::instance().player(place) : nullptr; }

// The screen whose round number the state dump shows: the last one made.
const RoundScreen* dumpedScreen = nullptr;

void writeRound(StateWriter& out) {
  if (dumpedScreen) out.put("round", long(dumpedScreen->roundNumber()));
}

void drawKeyed(const std::unique_ptr<Bitmap>& picture, int x, int y, uint16_t* target) {
  if (picture) picture->draw(x, y, target, kMaskColour);
}

}  // namespace

RoundScreen::RoundScreen() {
  quitButton_ = loadPicture("gfx\\exit.bmp");
  loadButton_ = loadPicture("gfx\\choose\\load.bmp");
  saveButton_ = loadPicture("gfx\\choose\\save.bmp");
  settingsButton_ = loadPicture("gfx\\choose\\settings.gif");
  titleStrip_ = loadPicture("gfx\\action\\label.jpg");
  char name[48];
  for (int i = 0; i < kHourglassFrames; ++i) {
    std::snprintf(name, sizeof name, "gfx\\choose\\ani\\hourglass%04d.gif", i);
    hourglass_[size_t(i)] = loadPicture(name);
  }
  for (int i = 0; i < kPlayers; ++i) {
    std::snprintf(name, sizeof name, "gfx\\choose\\p%1d.bmp", i);
    portraits_[size_t(i)] = loadPicture(name);
    std::snprintf(name, sizeof name, "gfx\\choose\\g%1d.gif", i);
    frames_[size_t(i)] = loadPicture(name);
  }
  dumpedScreen = this;
  addStateSection(writeRound);
}

RoundScreen::~RoundScreen() {
  if (dumpedScreen == this) dumpedScreen = nullptr;
}

// From the first round on a game runs, and closing the window asks before it is lost.
void RoundScreen::visible(bool on, ScreenParam) {
  if (on) Application::instance()->setCloseAsksFirst(true);
  if (on) background_ = loadPicture("gfx\\choose\\bgn.jpg");
  else background_.reset();
  animationFrame_ = 0;
  leaveRequested_ = false;
  playSound(on ? 1057 : 1058);
}

void RoundScreen::run(String& next) {
  Application* app = Application::instance();
  messages_.clear();
  hourglassTimer_.restart();
  while (!leaveRequested_) {
    draw(app->getFramebuffer());
    app->update(true);
    advanceHourglass();
    if (!app->getClick()) continue;
    playSound(1059);
    int x = 0, y = 0;
    app->getPenPosition(x, y);
    handleTap(x, y);
  }
  next = String();
}

void RoundScreen::advanceHourglass() {
  if (hourglassTimer_.elapsed() < kHourglassFrameMs) return;
  hourglassTimer_.restart();
  animationFrame_ = (animationFrame_ + 1) % kHourglassFrames;
}

void RoundScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  drawKeyed(quitButton_, 304, 223, target);
  drawKeyed(loadButton_, 272, 193, target);
  drawKeyed(saveButton_, 242, 193, target);
  drawKeyed(settingsButton_, 0, 210, target);
  if (titleStrip_) titleStrip_->draw(31, 0, target);
  if (CountryManager::exists()) {
    const CountryManager& land = CountryManager::instance();
    String date = String::format("Land of %s, %s %d", land.areaName().c_str(), land.timeName().c_str(),
                                 int(roundNumber_));
    FontManager::instance().drawText(0, 0, 29, date, target, AlignCentre);
  }
  for (int i = 0; i < kPlayers; ++i) {
    const Player* player = playerAt(i);
    if (player && !player->isComputer())
      drawKeyed(frames_[size_t(i)], kFramePlaces[i].x, kFramePlaces[i].y, target);
    drawKeyed(portraits_[size_t(i)], kPortraitPlaces[i].x, kPortraitPlaces[i].y, target);
  }
  drawKeyed(hourglass_[size_t(animationFrame_)], 130, 186, target);
}

void RoundScreen::handleTap(int x, int y) {
  if (visitCastle(x, y)) return;
  if (onHourglass(x, y)) {
    endRound();
  } else if (onSettings(x, y)) {
    openSettings();
  } else if (onSave(x, y)) {
    playSound(1063);
    saveDialog();
  } else if (onLoad(x, y)) {
    playSound(1064);
    loadDialog();
  } else if (onQuit(x, y)) {
    playSound(1065);
    quitDialog();
  }
}

// A computer ruler's portrait is passed over, so a tap where it overlaps a later human's
// reaches that human.
bool RoundScreen::visitCastle(int x, int y) {
  for (int i = 0; i < kPlayers; ++i) {
    const Player* player = playerAt(i);
    if (!kPortraitAreas[i].contains(x, y) || !player || !player->isHuman()) continue;
    playSound(1060);
    visited_[size_t(i)] = true;
    PlayerManager::instance().setCurrentPlayer(i);
    ScreenManager::instance().callScreen(this, String("CASTLE"), 0);
    return true;
  }
  return false;
}

void RoundScreen::openSettings() {
  playSound(1062);
  ScreenManager::instance().callScreen(this, String("SETTINGS"), 0);
}

// The month for the whole land. When it ends the game the round is not counted: the
// application starts a new game once this screen has ended.
void RoundScreen::endRound() {
  playSound(1061);
  remindIdlePlayers();
  ScreenManager::instance().callScreen(this, String("ENGINE"), 0);
  if (Application::instance()->restartRequested) {
    leaveRequested_ = true;
    return;
  }
  showHatchedEggs();
  visited_.fill(false);
  // The count stops where a savegame still takes it.
  if (roundNumber_ < kMostCount) ++roundNumber_;
}

// Humans who gave no orders are told so; the round ends all the same.
void RoundScreen::remindIdlePlayers() {
  for (int i = 0; i < kPlayers; ++i) {
    const Player* player = playerAt(i);
    if (player && player->isHuman() && !visited_[size_t(i)])
      say(String("Player ") + player->name + " has not\ndone his move until now.");
  }
}

void RoundScreen::showHatchedEggs() {
  if (!PlayerManager::exists()) return;
  PlayerManager& players = PlayerManager::instance();
  for (int p = 0; p < players.count(); ++p) {
    const Player* player = players.player(p);
    if (player && player->hatchedThisMonth) ScreenManager::instance().callScreen(nullptr, String("EGGINFO"), p);
  }
}

void RoundScreen::say(const String& text) {
  messages_.push_back(text);
  Application::instance()->showMessage(this, text);
}
