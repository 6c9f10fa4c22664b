// The game's own application: its start-up, the screen loop, and the restart loop that
// begins a new game when one has ended.
#pragma once

#include "app/Application.h"
#include "core/String.h"

class GameApplication : public Application {
public:
  explicit GameApplication(platform::Platform& platform);
  ~GameApplication();

  void start() override;
  static String getVersion() { return String("1.3"); }

private:
  void applySettings();
  void registerScreens();
};
