// The round screen's questions: which slot to save into or load from, and whether to quit.
#include "screens/RoundScreen.h"

#include "app/Application.h"
#include "players/Savegame.h"
#include "players/TalismanNews.h"

int RoundScreen::askSlot(const char* question) {
  const String slots[kSavegameSlots] = {String("Slot 1"), String("Slot 2"), String("Slot 3")};
  return Application::instance()->askChoice(this, String(question), slots, kSavegameSlots);
}

// A successful save says nothing.
void RoundScreen::saveDialog() {
  const int slot = askSlot("Save game into which slot ?");
  if (slot < 0 || slot >= kSavegameSlots) return;
  if (!saveGame(savegameName(slot), roundNumber_)) say(String("Unable to save game !"));
}

// The file is taken whole or not at all: a missing, short, foreign or damaged file leaves
// the game as it was. The visit marks of this round are not part of a savegame and stay.
void RoundScreen::loadDialog() {
  const int slot = askSlot("Load which game slot ?");
  if (slot < 0 || slot >= kSavegameSlots) return;
  const LoadResult result = loadGame(savegameName(slot), roundNumber_);
  if (result != LoadResult::Loaded) say(String(loadMessage(result)));
  else TalismanNews::instance().forget();  // the reports read so far were of another game
}

// "Yes" ends the screen loop and with it the program; no new game follows.
void RoundScreen::quitDialog() {
  const String answers[2] = {String("Yes"), String("No")};
  if (Application::instance()->askChoice(this, String("Do you really want to quit ?"), answers, 2) == 0)
    leaveRequested_ = true;
}
