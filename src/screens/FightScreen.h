// The fight room: the land's map with its villages, where the current ruler sends dragons
// to map cells with a task, calls a guard home, sets the tax of his villages and opens the
// mage for a spell on one of them. Every change goes straight into the land.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"

#include <memory>

class Player;
struct MapCell;
struct Village;

class FightScreen : public Screen {
public:
  // The left panel's width less this overlaps the map; the map view starts there.
  static constexpr int kPanelOverlap = 20;
  static constexpr int kScrollStep = 6;
  static constexpr int kMaxScrollX = 321;
  static constexpr int kMaxScrollY = 241;
  // A spell aimed at a village: this kind byte over the village's index.
  static constexpr ScreenParam kVillageSpell = ScreenParam(0xFB000000u);

  FightScreen();
  ~FightScreen() override;

  void getName(String& out) override { out = "FIGHT"; }
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  // The texts of the information panel, as draw() prints them; empty where nothing shows.
  struct PanelTexts {
    String cell;        // "C2: 1000 m"
    String name, race, yeomanry, population, industry;
    String tax;         // only for a village of the current ruler
    String guard;       // the name of the current ruler's guard of the cell
  };
  PanelTexts panelTexts() const;

  int scrollX() const { return scrollX_; }
  int scrollY() const { return scrollY_; }
  int viewLeft() const { return viewLeft_; }
  bool panelShown() const { return panelShown_; }
  bool dialogShown() const { return dialogShown_; }
  // Places in the land's lists, -1 for none.
  int selectedVillage() const { return selectedVillage_; }
  int selectedCell() const { return selectedCell_; }
  // The open task dialog's state.
  int dialogDragon() const { return dialogDragon_; }
  int dialogTask() const { return dialogTask_; }
  int dialogEffort() const { return dialogEffort_; }

private:
  // Loaded once, on the first showing, and kept.
  struct Pictures {
    std::unique_ptr<Bitmap> map, namesBgn, namesTop, arrow, potion, exit, stats;
    std::unique_ptr<Bitmap> taxBgn, taxUp, taxDown, revoltScale, revoltMarker, dragonButton;
    std::unique_ptr<Bitmap> effortEmpty, effortFull;
    std::unique_ptr<Bitmap> tasks[3];
    std::unique_ptr<Bitmap> terrain[4];  // water, tree, mountain, grassland
  };
  // Held only while the screen is shown.
  struct PanelPictures {
    std::unique_ptr<Bitmap> panel, dialog;
  };

  void loadPictures();
  int panelEdge() const;
  Player* currentPlayer() const;
  Village* village() const;
  MapCell* cell() const;
  bool rulesSelectedVillage() const;
  // The current ruler's guard in the selected cell, or -1.
  int ownGuard() const;

  void drawMap(uint16_t* target);
  void paintSeam(uint16_t* target) const;
  void drawPanel(uint16_t* target);
  void drawDialog(uint16_t* target);

  void handleTap(int x, int y);
  bool handlePanelTap(int x, int y);
  void selectAt(int x, int y);
  void changeTax(int x);
  void castOnVillage();
  void handleKeys();
  void scrollStep(int key, bool repeat);
  void present();

  // The task dialog and the dragon list (FightTaskDialog.cpp).
  int chooseDragon(int x, int y);
  void assignDragon(int place);
  bool taskDialog(int place, int& effort, int& task, bool newOrder);
  int effortSlider();
  void giveOrder(MapCell& target, int place, bool newOrder, int effort, int task);

  std::unique_ptr<Pictures> pictures_;
  PanelPictures panel_;
  Bitmap composed_{1, 1};  // the map with its villages, made anew every frame
  int player_ = -1;  // the current ruler while shown
  int scrollX_ = 0, scrollY_ = 0;
  int viewLeft_ = 0;
  int selectedVillage_ = -1;
  int selectedCell_ = -1;
  bool panelShown_ = false;
  bool dialogShown_ = false;
  bool exitRequested_ = false;
  int dialogDragon_ = -1, dialogEffort_ = 0, dialogTask_ = 0;
  bool dialogNewOrder_ = false;
};
