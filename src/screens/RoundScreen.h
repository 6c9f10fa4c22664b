// The centre of a running game: the three rulers' portraits, the date line and the
// hourglass. A human's portrait opens his castle, the hourglass ends the round for the
// whole land; the buttons at the bottom open the settings, save, load and quit.
#pragma once

#include "app/Screen.h"
#include "core/Timer.h"
#include "gfx/Bitmap.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class RoundScreen : public Screen {
public:
  static constexpr int32_t kFirstRound = 2045;
  static constexpr int kHourglassFrames = 15;
  static constexpr uint32_t kHourglassFrameMs = 70;
  static constexpr int kPlayers = 3;

  // Loads the pictures that live as long as the screen; publishes the round number in the
  // state dump.
  RoundScreen();
  ~RoundScreen() override;

  void getName(String& out) override { out = "ROUND"; }
  void visible(bool on, ScreenParam param) override;
  // Until the game ends or the players quit; yields the empty name either way.
  void run(String& next) override;
  void draw(uint16_t* target) override;

  int32_t roundNumber() const { return roundNumber_; }
  bool visited(int player) const { return player >= 0 && player < kPlayers && visited_[size_t(player)]; }
  int animationFrame() const { return animationFrame_; }
  // Every message the players were shown during the last run, oldest first.
  const std::vector<String>& messagesShown() const { return messages_; }

private:
  void advanceHourglass();
  void handleTap(int x, int y);
  bool visitCastle(int x, int y);
  void endRound();
  void remindIdlePlayers();
  void showHatchedEggs();
  void openSettings();
  void say(const String& text);

  // RoundDialogs.cpp
  int askSlot(const char* question);
  void saveDialog();
  void loadDialog();
  void quitDialog();

  int32_t roundNumber_ = kFirstRound;
  std::array<bool, kPlayers> visited_{};
  int animationFrame_ = 0;
  bool leaveRequested_ = false;
  Timer hourglassTimer_;
  std::vector<String> messages_;

  std::unique_ptr<Bitmap> background_, quitButton_, loadButton_, saveButton_, settingsButton_, titleStrip_;
  std::array<std::unique_ptr<Bitmap>, kHourglassFrames> hourglass_;
  std::array<std::unique_ptr<Bitmap>, kPlayers> portraits_, frames_;
};
