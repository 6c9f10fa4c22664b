// The mage: the current player's magic items on a sliding shelf at the left, dragged onto one
// of the four sides of the cauldron; two dials (burner and condenser) set by tapping the
// laboratory; leaving by the cast exit casts the spell on the target the mage was opened
// with (see SpellMixing for the argument and the rules).
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"
#include "gfx/LookupImage.h"
#include "players/ItemValues.h"
#include "players/SpellMixing.h"

#include <array>
#include <memory>
#include <vector>

class Item;
class Player;

class MageScreen : public Screen {
public:
  // Zone colours of gfx\mage\mask.bmp.
  static constexpr uint16_t kZoneBunsen = 0x07E0;
  static constexpr uint16_t kZoneCondenser = 0xF800;
  static constexpr uint16_t kZoneScrollForward = 0xC61F;
  static constexpr uint16_t kZoneScrollBack = 0xFE1F;
  static constexpr uint16_t kZoneItemPanel = 0xFA08;
  static constexpr uint16_t kZoneCast = 0xC7FF;
  static constexpr uint16_t kZoneCancel = 0xC7F8;
  // The cauldron's sides in drop mode order: north, east, south, west.
  static constexpr std::array<uint16_t, 4> kSideZones = {0x001F, 0x07FF, 0xFFE0, 0xF81F};

  static constexpr int kClosedPanelWidth = 48;
  static constexpr int kHelpPanelWidth = 106;
  static constexpr int kVisibleRows = 5;

  // Loads the pictures kept for the program's life and the spell table from
  // gfx\xml\magic.xml. A magic.xml that cannot be read at all leaves failure() set: the
  // start-up then ends the game.
  MageScreen();
  ~MageScreen() override;

  void getName(String& out) override { out = "MAGE"; }
  // Shown with a spell target argument: the visit's pictures and a new spell. Every call
  // (also with -1) starts the visit's panels afresh for the current player.
  void visible(bool on, ScreenParam param) override;
  // Until an exit is tapped or the spell gets out of control; then casts the spell unless
  // the player cancelled.
  void run(String& next) override;
  void draw(uint16_t* target) override;

  const String& failure() const { return values_.failure(); }
  const ItemValues& itemValues() const { return values_; }
  const SpellMixing& spell() const { return mixing_; }
  bool itemPanelOpen() const { return itemPanelOpen_; }
  int itemPanelWidth() const { return itemPanelWidth_; }
  int scrollOffset() const { return scroll_; }
  bool helpOpen() const { return helpOpen_; }
  const String& helpText() const { return helpText_; }
  bool hasPowerPicture() const { return power_ != nullptr; }
  // What the last message over the mage said (empty when none was shown yet).
  const String& lastMessage() const { return lastMessage_; }

private:
  // The exit code of a spell that got out of control: the mage closes without casting.
  static constexpr int kExitOutOfControl = 1;

  // The player's inventory in ascending catalogue number: one entry per kind of item.
  std::vector<int> inventory() const;
  const Item* inventoryItem(int position) const;

  void loadBackground();
  void present();
  void tell(const char* text);

  void handleTap(int x, int y);
  void handleZone(uint16_t zone);
  void advanceDial(bool bunsen);
  void scrollBy(int step);

  // The shelf and the help scroll, both sliding one presented frame a step.
  void toggleItemPanel();
  void openHelp(const Item& item);
  void closeHelp();

  // Dragging an item from the closed shelf; a drop on a side of the cauldron adds it to
  // the spell.
  void dragItem(int position, int grabX, int grabY);
  void flashSide(int side);
  void finishDrop(const Item& item, int side);

  void drawItemPanel(uint16_t* target) const;
  void drawItems(uint16_t* target) const;
  void drawHelpPanel(uint16_t* target) const;

  ItemValues values_;
  SpellMixing mixing_;
  Player* player_ = nullptr;

  std::unique_ptr<Bitmap> barBackground_, barSymbols_, handleOpen_, handleClosed_, centre_;
  std::array<std::unique_ptr<Bitmap>, 4> sides_;
  // Held while the mage is shown.
  std::unique_ptr<Bitmap> background_, itemPanel_, helpPanel_, power_;
  std::unique_ptr<LookupImage> mask_;

  int itemPanelWidth_ = kClosedPanelWidth;
  bool itemPanelOpen_ = false;
  int scroll_ = 0;
  int helpWidth_ = kHelpPanelWidth;
  bool helpOpen_ = false;
  String helpText_;
  bool itemDropped_ = false;
  int exitCode_ = 0;
  String lastMessage_;
};
