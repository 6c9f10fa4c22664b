#include "screens/InfoScreen.h"

#include "app/Application.h"
#include "gfx/FontManager.h"
#include "players/Item.h"
#include "players/ItemManager.h"
#include "players/PlayerManager.h"
#include "screens/ScreenKit.h"
#include "world/CountryManager.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr uint16_t kKey = 0xF81F;
constexpr int kTextFont = 8;
constexpr int kTitleFont = 10;
constexpr int kAffairsPerView = 5;
constexpr int kItemColumns[2] = {125, 210};

struct Point {
  int x, y;
};
// Previous page, next page, scroll down, scroll up.
constexpr Point kButtonAt[4] = {{2, 104}, {292, 104}, {147, 213}, {147, 2}};
constexpr Point kExitAt = {301, 222};

constexpr const char* kAccountLabels[Player::kAccounts] = {"Egg 1:",   "Egg 2:",   "Egg 3:",  "Egg 4:",
                                                           "Dragons:", "Rewards:", "Taxes:", "General:"};

// The land's money name for an amount: the single name below 2.
const String& moneyName(long long amount) {
  const CountryManager& land = CountryManager::instance();
  return amount == 0 || amount == 1 ? land.moneySingle() : land.moneyMulti();
}

String moneyPart(int money) {
  const CountryManager& land = CountryManager::instance();
  if (money == 0) return String("no ").append(land.moneySingle()).append(" ");
  if (money == 1) return String("1 ").append(land.moneySingle()).append(" ");
  return String::format("%d %s ", money, land.moneyMulti().c_str());
}

String eggPart(int eggs) {
  if (eggs == 0) return String("and no eggs.");
  if (eggs == 1) return String("and one egg.");
  return String::format("and %d eggs.", eggs);
}

String stockLine(const String& name, int entries) {
  String line(name);
  line.append(" has ");
  if (entries == 0) return line.append("no magic items in stock.");
  if (entries == 1) return line.append("one magic item in stock.");
  return line.append(String::format("%d magic items in stock.", entries));
}

}  // namespace

InfoScreen::InfoScreen() {
  exit_ = loadPicture("gfx\\exit.bmp");
  exitBacking_ = loadPicture("gfx\\info\\exit_bgn.bmp");
  char name[32];
  for (int i = 0; i < 4; ++i) {
    std::snprintf(name, sizeof name, "gfx\\info\\butt%02d.bmp", i);
    buttons_[i] = loadPicture(name);
    std::snprintf(name, sizeof name, "gfx\\info\\butt%02dp.bmp", i);
    pressedButtons_[i] = loadPicture(name);
  }
  affairsIcon_ = loadPicture("gfx\\info\\ico00.bmp");
  itemsIcon_ = loadPicture("gfx\\info\\ico02.bmp");
  accountsIcon_ = loadPicture("gfx\\info\\ico03.bmp");
}

void InfoScreen::visible(bool on, ScreenParam) {
  if (on) {
    background_ = loadPicture("gfx\\info\\bgn.gif");
    viewedPlayer_ = &PlayerManager::instance().currentPlayer();
    affairs_ = CountryManager::instance().fightReport();
  } else {
    background_.reset();
  }
  playSound(on ? 1030 : 1031);
  page_ = PageItems;
  firstShown_ = 0;
  done_ = false;
}

void InfoScreen::run(String& next) {
  Application* app = Application::instance();
  done_ = false;
  while (!done_) {
    draw(app->getFramebuffer());
    app->update(true);
    if (!app->getClick()) continue;
    playSound(1032);
    int x = 0, y = 0;
    app->getPenPosition(x, y);
    handleTap(x, y);
  }
  next = String();
}

int InfoScreen::scrollPositions() const {
  if (page_ == PageAffairs) {
    const int lines = int(affairs_.size());
    return lines > kAffairsPerView ? lines - (kAffairsPerView - 1) : 1;
  }
  if (page_ == PageItems && viewedPlayer_) {
    const int positions = (int(viewedPlayer_->items.size()) + 1) / 2;
    return positions > 1 ? positions : 1;
  }
  return 1;
}

void InfoScreen::handleTap(int x, int y) {
  if (x >= kExitAt.x && y >= kExitAt.y) {
    done_ = true;
    return;
  }
  scroll(x, y);
  turnPage(x, y);
}

void InfoScreen::scroll(int x, int y) {
  if (!pageScrolls() || x < 147 || x > 172) return;
  if (y < 26 && firstShown_ > 0) {
    playSound(1033);
    showPress(UpButton);
    --firstShown_;
  } else if (y > 214 && firstShown_ < scrollPositions() - 1) {
    playSound(1034);
    showPress(DownButton);
    ++firstShown_;
  }
}

void InfoScreen::turnPage(int x, int y) {
  if (y < 104 || y > 141) return;
  if (x < 26) {
    playSound(1035);
    showPress(PreviousButton);
    page_ = (page_ + 2) % 3;
  } else if (x >= 295) {
    playSound(1036);
    showPress(NextButton);
    page_ = (page_ + 1) % 3;
  } else {
    return;
  }
  firstShown_ = 0;
}

// The pressed picture one pixel right and down, held while the stylus is.
void InfoScreen::showPress(Button button) {
  Application* app = Application::instance();
  if (pressedButtons_[button])
    pressedButtons_[button]->draw(kButtonAt[button].x + 1, kButtonAt[button].y + 1, app->getFramebuffer(), kKey);
  do app->update(true);
  while (app->isPenDown());
  draw(app->getFramebuffer());
  app->update(true);
}

int InfoScreen::itemAt(int place) const {
  if (!viewedPlayer_ || place < 0) return -1;
  for (const auto& [id, pieces] : viewedPlayer_->items)
    if (place-- == 0) return id;
  return -1;
}

std::vector<InfoScreen::Text> InfoScreen::pageTexts() const {
  std::vector<Text> texts;
  if (!viewedPlayer_) return texts;
  if (page_ == PageItems) addItemTexts(texts);
  else if (page_ == PageAffairs) addAffairTexts(texts);
  else addAccountTexts(texts);
  return texts;
}

void InfoScreen::addItemTexts(std::vector<Text>& texts) const {
  const Player& player = *viewedPlayer_;
  const int entries = int(player.items.size());
  texts.push_back({kTitleFont, 131, 60, String("Magic items"), AlignLeft});
  texts.push_back({kTextFont, 46, 95, stockLine(player.name, entries), AlignLeft});
  if (entries == 1) texts.push_back({kTextFont, 46, 112, String("It is: "), AlignLeft});
  else if (entries > 1) texts.push_back({kTextFont, 46, 112, String("They are: "), AlignLeft});
  texts.push_back({kTextFont, 46, 133, String("Name:"), AlignLeft});
  texts.push_back({kTextFont, 46, 150, String("Quantity:"), AlignLeft});
  texts.push_back({kTextFont, 46, 167, String("Power:"), AlignLeft});
  for (int column = 0; column < 2; ++column) {
    const int id = itemAt(2 * firstShown_ + column);
    if (id < 0) break;
    const int x = kItemColumns[column];
    const int pieces = player.items.at(id);
    if (const Item* item = ItemManager::instance().item(id)) texts.push_back({kTextFont, x, 133, item->name, AlignLeft});
    texts.push_back({kTextFont, x, 150, String::format("%d %s", pieces, Item::unitName(pieces)), AlignLeft});
  }
}

void InfoScreen::addAffairTexts(std::vector<Text>& texts) const {
  texts.push_back({kTitleFont, 105, 60, String("Ongoing Affairs"), AlignLeft});
  for (int i = 0; i < kAffairsPerView; ++i) {
    const size_t line = size_t(firstShown_ + i);
    if (line >= affairs_.size()) break;
    texts.push_back({kTextFont, 0, 95 + 25 * i, affairs_[line], AlignCentre});
  }
}

void InfoScreen::addAccountTexts(std::vector<Text>& texts) const {
  const Player& player = *viewedPlayer_;
  texts.push_back({kTitleFont, 81, 30, String("Last Month Accounts"), AlignLeft});
  texts.push_back({kTextFont, 130, 57, String("Loss"), AlignLeft});
  texts.push_back({kTextFont, 220, 57, String("Gain"), AlignLeft});
  for (int k = 0; k < Player::kAccounts; ++k) {
    const int y = 74 + 17 * k;
    const long long amount = player.accounts[k];
    const long long size = std::llabs(amount);
    texts.push_back({kTextFont, 46, y, String(kAccountLabels[k]), AlignLeft});
    texts.push_back({kTextFont, amount < 0 ? 130 : 220, y, String::format("%lld %s", size, moneyName(size).c_str()),
                     AlignLeft});
  }
  String owns(player.name);
  owns.append(" owns ").append(moneyPart(player.money)).append(eggPart(player.eggs));
  texts.push_back({kTextFont, 46, 218, owns, AlignLeft});
  const int parts = CountryManager::instance().talismanParts(player.index);
  if (parts != 0)
    texts.push_back({kTextFont, 46, 235, String::format("He found %d parts of the talisman", parts), AlignLeft});
}

void InfoScreen::drawItemPictures(uint16_t* target) const {
  for (int column = 0; column < 2; ++column) {
    const int id = itemAt(2 * firstShown_ + column);
    if (id < 0) break;
    if (const Item* item = ItemManager::instance().item(id)) item->drawLarge(kItemColumns[column], 167, target);
  }
}

void InfoScreen::draw(uint16_t* target) {
  if (background_) background_->draw(0, 0, target);
  const Bitmap* icon = page_ == PageItems ? itemsIcon_.get() : page_ == PageAffairs ? affairsIcon_.get() : accountsIcon_.get();
  const Point iconAt = page_ == PageItems ? Point{65, 9} : page_ == PageAffairs ? Point{49, 9} : Point{15, 5};
  if (icon) icon->draw(iconAt.x, iconAt.y, target, kKey);
  const FontManager& fonts = FontManager::instance();
  for (const Text& text : pageTexts()) fonts.drawText(text.font, text.x, text.y, text.text, target, text.alignment);
  if (page_ == PageItems) drawItemPictures(target);
  for (Button button : {PreviousButton, NextButton})
    if (buttons_[button]) buttons_[button]->draw(kButtonAt[button].x, kButtonAt[button].y, target, kKey);
  if (scrollUpShown() && buttons_[UpButton]) buttons_[UpButton]->draw(kButtonAt[UpButton].x, kButtonAt[UpButton].y, target, kKey);
  if (scrollDownShown() && buttons_[DownButton])
    buttons_[DownButton]->draw(kButtonAt[DownButton].x, kButtonAt[DownButton].y, target, kKey);
  if (exitBacking_) exitBacking_->draw(kExitAt.x, kExitAt.y, target, kKey);
  if (exit_) exit_->draw(kExitAt.x, kExitAt.y, target, kKey);
}
