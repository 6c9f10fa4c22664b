// The new game's questions: how many rulers the computer plays, then each human's
// character.
#include "app/Application.h"
#include "core/Diagnostics.h"
#include "gfx/Bitmap.h"
#include "gfx/Colour.h"
#include "gfx/FontManager.h"
#include "players/CharacterChoice.h"
#include "players/PlayerManager.h"

#include <memory>

namespace {

constexpr int kPanelX = 11;
constexpr int kTitleFont = 3;  // small yellow
constexpr int kTitleBaseline = 25;

using Chosen = std::array<bool, kCharacters>;

struct SelectionPictures {
  SelectionPictures() : panel(String("gfx\\dialog_large.gif"), true) {
    for (int i = 0; i < kCharacters; ++i)
      characters[size_t(i)] = std::make_unique<Bitmap>(String::format("gfx\\choose\\p%1d.bmp", i), true);
  }
  Bitmap panel;
  std::array<std::unique_ptr<Bitmap>, kCharacters> characters;
};

int askComputerOpponents(Application& app) {
  const String labels[] = {String("No Comp."), String("1 Comp."), String("2 Comp.")};
  return app.askChoice(nullptr, String("How many computer opponents ?"), labels, 3);
}

// The panel, the question for player `player` and every character still free; presented.
void drawSelection(Application& app, const SelectionPictures& pictures, const Chosen& chosen, int player) {
  uint16_t* framebuffer = app.getFramebuffer();
  app.clearScreen(0);
  pictures.panel.draw(kPanelX, 0, framebuffer, kMaskColour);
  FontManager::instance().drawText(kTitleFont, 0, kTitleBaseline,
                                   String::format("Select the character of player %d:", player), framebuffer,
                                   AlignCentre);
  for (int i = 0; i < kCharacters; ++i) {
    if (chosen[size_t(i)]) continue;
    const CharacterPlace& place = kCharacterPlaces[size_t(i)];
    pictures.characters[size_t(i)]->draw(place.x, place.y, framebuffer, kMaskColour);
  }
  app.update(true);
}

// Taps elsewhere, or on a character already taken, are ignored. Each wait goes through
// the application's pump, so the window stays alive and a closed window ends the game.
int waitForCharacter(Application& app, const Chosen& chosen) {
  for (;;) {
    app.waitForClick();
    int x, y;
    app.getPenPosition(x, y);
    int character = characterAt(x, y, chosen);
    if (character >= 0) return character;
  }
}

}  // namespace

int characterAt(int x, int y, const Chosen& chosen) {
  for (int i = 0; i < kCharacters; ++i) {
    const CharacterPlace& place = kCharacterPlaces[size_t(i)];
    bool inside = x >= place.x && x <= place.x + place.width && y >= place.y && y <= place.y + place.height;
    if (inside && !chosen[size_t(i)]) return i;
  }
  return -1;
}

// Every character no human chooses is played by the computer.
std::array<int, PlayerManager::kPlayers> PlayerManager::askPlayerTypes() {
  std::array<int, kPlayers> types{ComputerPlayer, ComputerPlayer, ComputerPlayer};
  Application* app = Application::instance();
  if (!app) {
    complain("PlayerManager::askPlayerTypes(): WARNING: no window to ask in, every ruler is human !\n");
    return {HumanPlayer, HumanPlayer, HumanPlayer};
  }
  const int computers = askComputerOpponents(*app);
  {
    SelectionPictures pictures;
    Chosen chosen{};
    for (int player = 1; player <= kPlayers - computers; ++player) {
      drawSelection(*app, pictures, chosen, player);
      int character = waitForCharacter(*app, chosen);
      chosen[size_t(character)] = true;
      types[size_t(character)] = HumanPlayer;
    }
  }
  app->clearScreen(0);
  return types;
}
