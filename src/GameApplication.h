// The game's own application: its start-up, the screen loop, and the restart loop that
// begins a new game when one has ended.
#pragma once

#include "app/Application.h"
#include "app/Version.h"
#include "core/String.h"

class GameApplication : public Application {
public:
  explicit GameApplication(platform::Platform& platform);
  ~GameApplication();

  void start() override;
  static String getVersion() { return String(kGameVersion); }

  // The start-up's progress line: centred in the big black font on a black screen.
  void showLoading(const String& text);

private:
  void removeStaleTemporaries();
  void loadFonts();
  void applySettings();
  void loadItems();
  void createWorld();
  void createPlayers();
  void startSound();
  void registerScreens();
};
