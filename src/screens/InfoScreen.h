// The information room: three pages in a ring about the ruler whose castle is visited,
// his magic items, the feuds between villages of the land, and his last month's
// accounts. Read-only: it shows what it copied when it was opened.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"

#include <memory>
#include <vector>

class Player;

class InfoScreen : public Screen {
public:
  enum Page { PageAccounts = 0, PageAffairs = 1, PageItems = 2 };

  // One line of text as a page shows it.
  struct Text {
    int font = 0;
    int x = 0;
    int y = 0;  // baseline
    String text;
    int alignment = 0;
  };

  InfoScreen();

  void getName(String& out) override { out = "INFO"; }
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  int page() const { return page_; }
  int firstShown() const { return firstShown_; }
  // How many scroll positions the current page has (1 for one that does not scroll).
  int scrollPositions() const;
  bool pageScrolls() const { return page_ != PageAccounts; }
  bool scrollUpShown() const { return pageScrolls() && firstShown_ > 0; }
  bool scrollDownShown() const { return pageScrolls() && firstShown_ < scrollPositions() - 1; }
  // Every text the current page shows, in drawing order.
  std::vector<Text> pageTexts() const;

private:
  enum Button { PreviousButton = 0, NextButton = 1, DownButton = 2, UpButton = 3 };

  void handleTap(int x, int y);
  void scroll(int x, int y);
  void turnPage(int x, int y);
  void showPress(Button button);
  void addItemTexts(std::vector<Text>& texts) const;
  void addAffairTexts(std::vector<Text>& texts) const;
  void addAccountTexts(std::vector<Text>& texts) const;
  void drawItemPictures(uint16_t* target) const;
  // The inventory entry at a place of the ascending list: its item id, or -1.
  int itemAt(int place) const;

  Player* viewedPlayer_ = nullptr;
  std::vector<String> affairs_;
  int page_ = PageItems;
  int firstShown_ = 0;
  bool done_ = false;
  std::unique_ptr<Bitmap> background_, exit_, exitBacking_;
  std::unique_ptr<Bitmap> buttons_[4], pressedButtons_[4];
  std::unique_ptr<Bitmap> affairsIcon_, itemsIcon_, accountsIcon_;
};
