#include "screens/MonthEndScreen.h"

#include "app/Application.h"
#include "core/Random.h"
#include "gfx/FontManager.h"
#include "players/PlayerManager.h"
#include "players/TalismanNews.h"
#include "screens/ScreenKit.h"
#include "world/CountryManager.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr uint16_t kKeyColour = 0xF81F;
constexpr int kBackdrops = 4;
}  // namespace

void MonthEndScreen::visible(bool on, ScreenParam) {
  playSound(on ? 1097 : 1098);
  report_.clear();
  done_ = false;
  if (on) {
    char name[32];
    std::snprintf(name, sizeof name, "gfx\\engine\\bgn%02d.jpg", randomNumber() % kBackdrops);
    background_ = loadPicture(name);
    scroll_ = loadPicture("gfx\\cellar\\scroll.gif");
  } else {
    background_.reset();
    scroll_.reset();
  }
}

void MonthEndScreen::run(String& next) {
  Application* app = Application::instance();
  next = String();
  runMonth();
  // The talisman was completed: the victory has been shown, the game is over.
  if (app->restartRequested) return;
  showReport();
  // Every human ruler has lost (each was handed to the computer): a new game.
  if (!anyHumanLeft()) app->restartRequested = true;
}

// Each ruler's own month comes before the land's, in player order.
void MonthEndScreen::runMonth() {
  PlayerManager& players = PlayerManager::instance();
  for (int p = 0; p < players.count(); ++p)
    if (Player* ruler = players.player(p)) ruler->startMonth();
  std::vector<String> lines = CountryManager::instance().processMonth(this);
  // Every ruler reads the report; the computer's remember what it told of the talisman.
  TalismanNews::instance().learn(lines, CountryManager::instance());
  // Assigned after the month: the screens it called over this one emptied the report.
  report_ = std::move(lines);
  first_ = 0;
  maxFirst_ = std::max(0, int(report_.size()) - kShownLines);
}

void MonthEndScreen::showReport() {
  Application* app = Application::instance();
  while (!done_) {
    draw(app->getFramebuffer());
    app->update(true);
    if (app->getClick()) {
      playSound(1099);
      done_ = true;
    }
    scrollWithKeys();
  }
}

void MonthEndScreen::scrollWithKeys() {
  Application* app = Application::instance();
  if (app->isKeyDown(KeyUp, true)) {
    while (app->isKeyDown(KeyUp, true)) app->idle();
    --first_;
  }
  if (app->isKeyDown(KeyDown, true)) {
    while (app->isKeyDown(KeyDown, true)) app->idle();
    ++first_;
  }
  first_ = std::clamp(first_, 0, maxFirst_);
}

bool MonthEndScreen::anyHumanLeft() {
  PlayerManager& players = PlayerManager::instance();
  for (int p = 0; p < PlayerManager::kPlayers; ++p) {
    const Player* ruler = players.player(p);
    if (ruler && ruler->isHuman()) return true;
  }
  return false;
}

void MonthEndScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  else std::fill(target, target + kScreenPixels, uint16_t(0));
  const int lines = std::min(int(report_.size()), kShownLines);
  if (lines > 0 && scroll_) scroll_->draw(kScrollX, kScrollY, target, kKeyColour);
  const FontManager& fonts = FontManager::instance();
  for (int i = 0; i < lines && first_ + i < int(report_.size()); ++i)
    fonts.drawText(kReportFont, 20, kFirstBaseline + kLineSpacing * i, report_[size_t(first_ + i)], target,
                   AlignCentre, -1);
}
