// The settings: which key each of the four direction slots answers to, the sound switch
// and the turn switch. Opened from the round screen; left only through the confirm
// button, which writes settings.dta and hands the key pairing to the application.
#pragma once

#include "app/Screen.h"
#include "gfx/Bitmap.h"

#include <memory>

class SettingsScreen : public Screen {
public:
  // Takes the application's key pairing and the sound state as they are now: made at
  // start-up, after the settings file was applied.
  SettingsScreen();

  void getName(String& out) override { out = "SETTINGS"; }
  void visible(bool on, ScreenParam param) override;
  void run(String& next) override;
  void draw(uint16_t* target) override;

  // The direction code paired with a key slot (KeyLeft to KeyDown); 0 for other slots.
  int directionKey(int slot) const;
  bool soundOn() const { return soundOn_; }
  // The key slot whose code waits for a key press, or -1.
  int selectedDirection() const { return selectedDirection_; }

  static constexpr const char* kInvalidMapping = "Invalid cursor mapping, please check !";

private:
  void handleTap(int x, int y);
  void confirm();
  void toggleSound();
  void toggleTurn();
  void chooseDirection(int x, int y);
  int awaitDirectionKey();
  bool mappingIsValid() const;
  void save() const;
  void drawLabel(int slot, int x, int y, const char* text, uint16_t* target) const;

  int directionKey_[4] = {};  // key slots 4 to 7: left, right, up, down
  bool soundOn_ = true;
  double pendingColourFactor_ = 1.0;
  int selectedDirection_ = -1;
  bool done_ = false;
  std::unique_ptr<Bitmap> background_;
  std::unique_ptr<Bitmap> arrows_[4];  // direction codes 4 to 7
  std::unique_ptr<Bitmap> soundOff_, soundOnPicture_, notTurned_, turned_;
};
