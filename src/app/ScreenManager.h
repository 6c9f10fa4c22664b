// The registry of named screens, and the loop that runs one screen at a time with a short
// cross-fade between them.
#pragma once

#include "app/Screen.h"
#include "core/String.h"

class ScreenManager {
public:
  static ScreenManager& instance();

  static constexpr int kCapacity = 100;

  // False, registering nothing, for a name already taken or a full table.
  bool addScreen(const String& name, Screen* screen);
  // The first screen registered under exactly this name, or null.
  Screen* findScreen(const String& name) const;
  // Makes the screen current; with fade, cross-fades from the picture now shown.
  void showScreen(Screen* screen, bool fade, ScreenParam param);
  // Runs screens from `name` until one yields "__DONE__", an empty or an unknown name.
  void runScreens(const String& name, ScreenParam param);
  // Opens a screen modally and returns to the caller (which may be null).
  bool callScreen(Screen* caller, const String& name, ScreenParam param);

  // The screen whose own loop runs now (the innermost called one), or null. It changes
  // when a fade has ended, not when it begins.
  Screen* runningScreen() const { return running_; }
  int count() const { return count_; }
  // Forgets every registration (the program's end; tests).
  void clear();

  static constexpr int kFadeSteps = 13;

private:
  ScreenManager() = default;

  String names_[kCapacity];
  Screen* screens_[kCapacity] = {};
  int count_ = 0;
  Screen* current_ = nullptr;
  Screen* running_ = nullptr;
};
