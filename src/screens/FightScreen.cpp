#include "screens/FightScreen.h"

#include "app/Application.h"
#include "app/ScreenManager.h"
#include "gfx/FontManager.h"
#include "players/PlayerManager.h"
#include "screens/ScreenKit.h"
#include "world/CountryManager.h"

#include <algorithm>

namespace {

constexpr uint16_t kKey = 0xF81F;
constexpr int kPanelFont = 3;
constexpr int kGuardFont = 12;
// Taps right of this column fall on the map.
constexpr int kMapTapsFrom = 127;

enum Sound {
  SoundShown = 1087,
  SoundLeft = 1088,
  SoundTap = 1089,
  SoundScroll = 1090,
  SoundScrollEnd = 1091,
};

bool inside(int x, int y, int left, int top, int right, int bottom) {
  return x >= left && x <= right && y >= top && y <= bottom;
}

void drawKeyed(const std::unique_ptr<Bitmap>& picture, int x, int y, uint16_t* target) {
  if (picture) picture->draw(x, y, target, kKey);
}

void text(int font, int x, int y, const String& line, uint16_t* target) {
  FontManager::instance().drawText(font, x, y, line, target, AlignLeft, -1);
}

}  // namespace

FightScreen::FightScreen() = default;
FightScreen::~FightScreen() = default;

void FightScreen::loadPictures() {
  if (pictures_) return;
  pictures_ = std::make_unique<Pictures>();
  Pictures& p = *pictures_;
  p.map = loadPicture("gfx\\fight\\map.jpg");
  p.namesBgn = loadPicture("gfx\\fight\\names_bgn.gif");
  p.namesTop = loadPicture("gfx\\fight\\names_top.gif");
  p.arrow = loadPicture("gfx\\fight\\ico_arrow.gif");
  p.potion = loadPicture("gfx\\fight\\ico_trank.gif");
  p.exit = loadPicture("gfx\\exit.bmp");
  p.stats = loadPicture("gfx\\fight\\ico_stats.gif");
  p.taxBgn = loadPicture("gfx\\fight\\tax_bgn.gif");
  p.taxUp = loadPicture("gfx\\fight\\tax_up.gif");
  p.taxDown = loadPicture("gfx\\fight\\tax_down.gif");
  p.revoltScale = loadPicture("gfx\\fight\\revo_bgn.gif");
  p.revoltMarker = loadPicture("gfx\\fight\\revo_bar.gif");
  p.dragonButton = loadPicture("gfx\\fight\\ico_dragon.gif");
  p.effortEmpty = loadPicture("gfx\\fight\\large_bgn.gif");
  p.effortFull = loadPicture("gfx\\fight\\large_bar.gif");
  p.tasks[TaskAttack] = loadPicture("gfx\\fight\\task00.gif");
  p.tasks[TaskOccupy] = loadPicture("gfx\\fight\\task01.gif");
  p.tasks[TaskRecall] = loadPicture("gfx\\fight\\task02.gif");
  p.terrain[0] = loadPicture("gfx\\fight\\ico_water.gif");
  p.terrain[1] = loadPicture("gfx\\fight\\ico_tree.gif");
  p.terrain[2] = loadPicture("gfx\\fight\\ico_mountain.gif");
  p.terrain[3] = loadPicture("gfx\\fight\\ico_grassland.gif");
}

void FightScreen::visible(bool on, ScreenParam) {
  playSound(on ? SoundShown : SoundLeft);
  if (!on) {
    panel_.panel.reset();
    panel_.dialog.reset();
    player_ = -1;
    return;
  }
  Application* app = Application::instance();
  loadPictures();
  app->update(false);
  panel_.panel = loadPicture("gfx\\fight\\map_bgn.gif");
  app->update(false);
  panel_.dialog = loadPicture("gfx\\fight\\dragon_bgn.gif");
  app->update(false);
  player_ = PlayerManager::exists() ? PlayerManager::instance().current() : -1;
  panelShown_ = dialogShown_ = exitRequested_ = false;
  selectedVillage_ = selectedCell_ = -1;
  scrollX_ = scrollY_ = 0;
  viewLeft_ = panelEdge();
}

void FightScreen::run(String& next) {
  Application* app = Application::instance();
  exitRequested_ = false;
  while (!exitRequested_) {
    present();
    int x, y;
    if (app->getClick()) {
      playSound(SoundTap);
      app->getPenPosition(x, y);
      handleTap(x, y);
    }
    handleKeys();
  }
  next = String();
}

void FightScreen::present() {
  Application* app = Application::instance();
  draw(app->getFramebuffer());
  app->update(true);
}

// ---- what the screen knows of the land and the ruler

int FightScreen::panelEdge() const {
  return panel_.panel ? std::max(0, panel_.panel->getWidth() - kPanelOverlap) : 0;
}

Player* FightScreen::currentPlayer() const {
  return player_ >= 0 && PlayerManager::exists() ? PlayerManager::instance().player(player_) : nullptr;
}

Village* FightScreen::village() const {
  CountryManager& land = CountryManager::instance();
  if (selectedVillage_ < 0 || selectedVillage_ >= land.villageCount()) return nullptr;
  return &land.village(selectedVillage_);
}

MapCell* FightScreen::cell() const {
  if (selectedCell_ < 0 || selectedCell_ >= CountryManager::kCells) return nullptr;
  return &CountryManager::instance().cell(selectedCell_);
}

bool FightScreen::rulesSelectedVillage() const {
  const Village* v = village();
  return v && player_ >= 0 && v->owner == player_;
}

int FightScreen::ownGuard() const {
  const MapCell* c = cell();
  const Player* p = currentPlayer();
  if (!c || !p || c->guardOwner != player_ || !p->dragon(c->guardDragon)) return -1;
  return c->guardDragon;
}

// ---- drawing

void FightScreen::draw(uint16_t* target) {
  std::fill(target, target + kScreenPixels, uint16_t(0));
  if (!pictures_) return;
  drawMap(target);
  drawKeyed(pictures_->exit, 303, 222, target);
  drawKeyed(panel_.panel, 0, 0, target);
  drawKeyed(pictures_->stats, 2, 64, target);
  if (panelShown_) drawPanel(target);
  if (dialogShown_) drawDialog(target);
}

void FightScreen::drawMap(uint16_t* target) {
  if (!pictures_->map) return;
  composed_ = *pictures_->map;
  CountryManager::instance().drawVillages(composed_);
  composed_.drawPart(scrollX_, scrollY_, 319 - viewLeft_, 239, target, viewLeft_, 0);
  paintSeam(target);
}

// The map copy stops one column and one row short of the screen's right and bottom edges.
// The seam is filled from the map beyond the copy, or, at the map's own edge, by repeating
// the copy's last column and row, so no black line stays.
void FightScreen::paintSeam(uint16_t* target) const {
  const int right = scrollX_ + 319 - viewLeft_, bottom = scrollY_ + 239;
  const int lastX = std::min(right, composed_.getWidth() - 1), lastY = std::min(bottom, composed_.getHeight() - 1);
  if (lastX < 0 || lastY < 0 || !composed_.getPixels()) return;
  auto mapPixel = [&](int x, int y) { return composed_.getPixel(std::clamp(x, 0, lastX), std::clamp(y, 0, lastY)); };
  auto screen = [target](int x, int y) -> uint16_t& { return target[x * kScreenHeight + (kScreenHeight - 1 - y)]; };
  for (int y = 0; y < kScreenHeight; ++y) screen(kScreenWidth - 1, y) = mapPixel(right, scrollY_ + y);
  for (int x = viewLeft_; x < kScreenWidth; ++x) screen(x, kScreenHeight - 1) = mapPixel(scrollX_ + x - viewLeft_, bottom);
}

FightScreen::PanelTexts FightScreen::panelTexts() const {
  PanelTexts out;
  CountryManager& land = CountryManager::instance();
  if (const MapCell* c = cell())
    out.cell = String::format("%c%d: %d m", 'A' + c->x, c->y + 1, land.castleDistance(player_, c->x, c->y));
  if (const Village* v = village()) {
    out.name = v->name;
    out.race = land.raceName(v->race);
    out.yeomanry = String::format("%d", v->yeomanry);
    out.population = String::format("%d", v->population);
    out.industry = String::format("%d", v->industry);
    if (rulesSelectedVillage()) out.tax = String::format("%d%%", v->tax);
  }
  if (const int guard = ownGuard(); guard >= 0) out.guard = currentPlayer()->dragon(guard)->name;
  return out;
}

void FightScreen::drawPanel(uint16_t* target) {
  const Pictures& p = *pictures_;
  const PanelTexts texts = panelTexts();
  if (const MapCell* c = cell(); c && c->terrain >= 0 && c->terrain < 4) drawKeyed(p.terrain[c->terrain], 3, 28, target);
  drawKeyed(p.arrow, 42, 48, target);
  text(kPanelFont, 45, 49, texts.cell, target);
  if (const Village* v = village()) {
    text(kPanelFont, 30, 84, texts.race, target);
    text(kPanelFont, 4, 17, texts.name, target);
    text(kPanelFont, 30, 107, texts.yeomanry, target);
    text(kPanelFont, 30, 128, texts.population, target);
    text(kPanelFont, 30, 151, texts.industry, target);
    if (rulesSelectedVillage()) {
      drawKeyed(p.potion, 102, 2, target);
      text(kPanelFont, 29, 175, texts.tax, target);
      drawKeyed(p.taxBgn, 65, 162, target);
      drawKeyed(p.revoltScale, 95, 93, target);
      // The marker runs 77 pixels down the scale from revolt 0 to 100.
      drawKeyed(p.revoltMarker, 90, 92 + int(0.77 * std::clamp(v->revolt, 0, 100)), target);
    }
  }
  if (ownGuard() >= 0) {
    text(kGuardFont, 8, 201, texts.guard, target);
    drawKeyed(p.tasks[TaskOccupy], 9, 201, target);
  } else {
    drawKeyed(p.dragonButton, 3, 187, target);
  }
}

void FightScreen::drawDialog(uint16_t* target) {
  const Pictures& p = *pictures_;
  drawKeyed(panel_.dialog, 21, 71, target);
  if (dialogTask_ >= TaskAttack && dialogTask_ <= TaskRecall)
    drawKeyed(p.tasks[dialogTask_], 28, 102 + 29 * dialogTask_, target);
  if (p.effortFull) {
    // The filled bar shows from the row that matches the effort down to its bottom.
    const int h = p.effortFull->getHeight();
    const int top = std::clamp(int((100 - dialogEffort_) * h * 0.01), 0, h);
    p.effortFull->drawPart(0, top, -1, h - top, target, 112, 103 + top, kKey);
  }
  const Player* player = currentPlayer();
  if (const Dragon* d = player ? player->dragon(dialogDragon_) : nullptr) text(kPanelFont, 25, 92, d->name, target);
}

// ---- taps and keys

void FightScreen::handleTap(int x, int y) {
  if (panelShown_ && handlePanelTap(x, y)) return;
  if (x >= 303 && y >= 222) {
    exitRequested_ = true;
    return;
  }
  Application* app = Application::instance();
  while (app->isPenDown()) app->idle();
  if (x >= kMapTapsFrom) selectAt(x, y);
  if (cell() && ownGuard() < 0 && inside(x, y, 8, 188, 98, 218)) {
    present();
    const int place = chooseDragon(x, y);
    if (place != -1) assignDragon(place);
  }
}

// The potion, the tax buttons and the guard's line; true when the tap fell on one of them,
// whether or not it could act.
bool FightScreen::handlePanelTap(int x, int y) {
  if (village() && inside(x, y, 103, 2, 112, 21)) {
    castOnVillage();
    return true;
  }
  if (village() && inside(x, y, 59, 157, 89, 177)) {
    changeTax(x);
    return true;
  }
  const int guard = ownGuard();
  if (guard >= 0 && inside(x, y, 8, 188, 98, 218)) {
    int effort = 45, task = TaskRecall;
    if (taskDialog(guard, effort, task, false)) cell()->orders[player_] = {guard, task, effort};
    return true;
  }
  return false;
}

void FightScreen::selectAt(int x, int y) {
  CountryManager& land = CountryManager::instance();
  const int mapX = x - viewLeft_ + scrollX_, mapY = scrollY_ + y;
  const MapCell* c = land.cellAt(mapX, mapY);
  const Village* v = land.villageAt(mapX, mapY);
  selectedCell_ = c ? int(c - &land.cell(0)) : -1;
  selectedVillage_ = v ? int(v - &land.village(0)) : -1;
  panelShown_ = true;
  if (mapX < panelEdge()) viewLeft_ = panelEdge();
}

void FightScreen::castOnVillage() {
  if (!rulesSelectedVillage()) return;
  ScreenManager::instance().callScreen(nullptr, "MAGE", kVillageSpell | ScreenParam(selectedVillage_));
}

// x left of the middle raises the tax by one, right of it lowers it; the pressed half shows
// until the stylus lifts.
void FightScreen::changeTax(int x) {
  if (!rulesSelectedVillage()) return;
  Application* app = Application::instance();
  const bool raise = x < 75;
  uint16_t* target = app->getFramebuffer();
  drawKeyed(raise ? pictures_->taxUp : pictures_->taxDown, 65, 162, target);
  do app->update(true);
  while (app->isPenDown());
  drawKeyed(pictures_->taxBgn, 65, 162, target);
  Village& v = *village();
  v.tax = std::clamp(v.tax + (raise ? 1 : -1), 0, 100);
}

void FightScreen::handleKeys() {
  const Application* app = Application::instance();
  for (int key : {KeyLeft, KeyUp, KeyDown, KeyRight}) {
    if (app->isKeyDown(key, true)) {
      scrollStep(key, false);
      return;
    }
  }
}

// Left first takes the map back to its left edge, then widens the view over the panel;
// right first narrows the view to the screen's left edge, then moves the map.
void FightScreen::scrollStep(int key, bool repeat) {
  Application* app = Application::instance();
  playSound(SoundScroll);
  do {
    switch (key) {
      case KeyLeft:
        scrollX_ -= kScrollStep;
        if (scrollX_ < 0) {
          scrollX_ = 0;
          viewLeft_ = std::min(viewLeft_ + kScrollStep, panelEdge());
        }
        break;
      case KeyRight:
        if (viewLeft_ <= 0) scrollX_ = std::min(scrollX_ + kScrollStep, kMaxScrollX);
        else viewLeft_ = std::max(viewLeft_ - kScrollStep, 0);
        break;
      case KeyUp: scrollY_ = std::max(scrollY_ - kScrollStep, 0); break;
      case KeyDown: scrollY_ = std::min(scrollY_ + kScrollStep, kMaxScrollY); break;
      default: break;
    }
    present();
  } while (repeat && app->isPenDown());
  playSound(SoundScrollEnd);
}
