// The fight room's orders: the pop-up list of dragons free to send, and the task dialog
// that chooses a task and an effort for a dragon sent to a cell or for a guard called home.
#include "screens/FightScreen.h"

#include "app/Application.h"
#include "gfx/FontManager.h"
#include "players/PlayerManager.h"
#include "screens/ScreenKit.h"
#include "world/CountryManager.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint16_t kKey = 0xF81F;
constexpr int kListFont = 3;
constexpr int kRowHeight = 18;
constexpr int kRowsFrom = 6;  // below the list's top edge
constexpr int kRowWidth = 86;
constexpr int kBarX = 112;
constexpr int kBarY = 103;

enum Sound {
  SoundEffort = 1092,
  SoundList = 1093,
  SoundListMissed = 1094,
  SoundDialog = 1095,
};

int pictureWidth(const std::unique_ptr<Bitmap>& picture) { return picture ? picture->getWidth() : 0; }
int pictureHeight(const std::unique_ptr<Bitmap>& picture) { return picture ? picture->getHeight() : 0; }

}  // namespace

// Living dragons that guard no village can be sent, also those with an order elsewhere.
int FightScreen::chooseDragon(int x, int y) {
  Application* app = Application::instance();
  const Player* player = currentPlayer();
  if (!player) return -1;
  CountryManager& land = CountryManager::instance();
  std::vector<int> places;
  for (int i = 0; i < player->dragonCount(); ++i)
    if (player->dragon(i)->alive() && !land.isStationed(player_, i)) places.push_back(i);
  if (places.empty()) {
    app->showMessage(this, "All your dragons are busy !");
    return -1;
  }

  const int n = int(places.size());
  const Pictures& p = *pictures_;
  const int topWidth = pictureWidth(p.namesTop), topHeight = pictureHeight(p.namesTop);
  if (x + topWidth > 319) x = 319 - topWidth;
  if (kRowHeight * n + topHeight + y > 239) y = 239 - kRowHeight * n - topHeight;
  playSound(SoundList);
  uint16_t* target = app->getFramebuffer();
  if (p.namesTop) p.namesTop->draw(x, y, target, kKey);
  for (int i = 0; i < n; ++i) {
    if (p.namesBgn) p.namesBgn->draw(x + 1, y + kRowsFrom + kRowHeight * i, target, kKey);
    FontManager::instance().drawText(kListFont, x + 6, y + 21 + kRowHeight * i, player->dragon(places[size_t(i)])->name,
                                     target, AlignLeft, -1);
  }
  app->update(true);
  app->waitForClick();
  int px, py;
  app->getPenPosition(px, py);
  const int dx = px - x, dy = py - y;
  if (dx >= 0 && dx < kRowWidth && dy >= kRowsFrom && dy < kRowHeight * n + kRowsFrom)
    return places[size_t((dy - kRowsFrom) / kRowHeight)];
  playSound(SoundListMissed);
  return -1;
}

// A dragon goes to the selected cell. One with an order elsewhere is asked about first;
// its old order stays until a new one is confirmed.
void FightScreen::assignDragon(int place) {
  MapCell* target = cell();
  if (!target || player_ < 0) return;
  MapCell* before = CountryManager::instance().findOrderCell(player_, place);
  if (!before) {
    giveOrder(*target, place, true, 34, TaskAttack);
    return;
  }
  const String labels[3] = {"Yes", "No", "Unassign"};
  switch (Application::instance()->askChoice(this, "Dragon was assigned before. Reassign ?", labels, 3)) {
    case 0: {
      int effort = 34, task = TaskAttack;
      if (!taskDialog(place, effort, task, true)) return;
      before->orders[player_] = CellOrder();
      target->orders[player_] = {place, task, effort};
      return;
    }
    case 2: before->orders[player_] = CellOrder(); return;
    default: return;
  }
}

void FightScreen::giveOrder(MapCell& target, int place, bool newOrder, int effort, int task) {
  if (taskDialog(place, effort, task, newOrder)) target.orders[player_] = {place, task, effort};
}

// A new order may choose attack or occupy and its effort; a guard's order is a recall at
// the effort it was handed.
bool FightScreen::taskDialog(int place, int& effort, int& task, bool newOrder) {
  Application* app = Application::instance();
  dialogDragon_ = place;
  dialogEffort_ = effort;
  dialogTask_ = task;
  dialogNewOrder_ = newOrder;
  dialogShown_ = true;
  playSound(SoundDialog);
  for (;;) {
    present();
    int x, y;
    if (!app->getClick(&x, &y)) continue;
    if (x > 130 && x < 150) {
      if (y > 139 && y < 155) {
        dialogShown_ = false;
        effort = dialogEffort_;
        task = dialogTask_;
        return true;
      }
      if (y > 155 && y < 190) {
        dialogShown_ = false;
        return false;
      }
    } else if (x >= 111 && x <= 122 && y >= 102 && y <= 155) {
      if (task != TaskRecall) dialogEffort_ = effortSlider();
    } else if (x > 26 && x < 101) {
      if (dialogNewOrder_ && y >= 103 && y <= 123) dialogTask_ = TaskAttack;
      else if (dialogNewOrder_ && y >= 132 && y <= 153) dialogTask_ = TaskOccupy;
      else if (!dialogNewOrder_ && y > 160 && y < 183) dialogTask_ = TaskRecall;
    }
  }
}

// The bar snaps to three positions while the stylus drags it: its top, middle and bottom
// thirds give 100, about 67 and about 34.
int FightScreen::effortSlider() {
  Application* app = Application::instance();
  const Pictures& p = *pictures_;
  const int h = pictureHeight(p.effortFull);
  if (h <= 0) return dialogEffort_;  // no bar to read a position from
  const int third = h / 3;
  playSound(SoundEffort);
  uint16_t* target = app->getFramebuffer();
  int top = 0;
  do {
    int x, y;
    app->getPenPosition(x, y);
    const int v = std::clamp(y - kBarY, 0, h - 1);
    top = v < third ? 0 : v < 2 * third ? third : 2 * third;
    if (p.effortEmpty) p.effortEmpty->draw(kBarX, kBarY, target);
    p.effortFull->drawPart(0, top, -1, h - top, target, kBarX, kBarY + top, kKey);
    app->update(true);
  } while (app->isPenDown());
  const int effort = 100 - int(top * 100.0 / h);
  return effort < 5 ? 0 : effort;
}
