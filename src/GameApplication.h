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

  // The two archives beside the program, whole, with every sound entry there and whole:
  // without them the game cannot start, so this comes before any window or question. The
  // game never makes an archive; when one is wrong a line names it and says how it is
  // made, and the answer is false.
  static bool checkArchives();
  static String getVersion() { return String(kGameVersion); }

  // The start-up's progress line: centred in the big black font on a black screen.
  void showLoading(const String& text);

private:
  void removeStaleTemporaries();
  void loadFonts();
  void checkZoneMaps();
  void applySettings();
  void loadItems();
  void createWorld();
  void createPlayers();
  void startSound();
  void registerScreens();
};
