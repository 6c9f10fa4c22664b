// The parts of the land's month that meet the players: what the month's files share.
#pragma once

#include "core/String.h"
#include "world/CountryManager.h"

#include <vector>

class Dragon;
class Player;
class Screen;

namespace month {

// One month's run: the land, the screen the nested screens open over, the report so far.
struct Run {
  CountryManager& land;
  Screen* caller;
  std::vector<String>& report;
};

// Lets the window procedure and the sound mixer run between cells (nothing without an
// application).
void pump();
// Opens a nested announcement screen showing `text` over the caller; without a screen of
// that name the month goes on.
void announce(Screen* caller, const char* screen, const String& text);
// Null for a player or a dragon place that does not exist.
Player* player(int index);
Dragon* dragonOf(int player, int place);

// The fights in the air over one cell: each later order fights the one before it.
void airFights(Run& run, MapCell& cell);
// The order left in one cell: a recall, or an attack on its village. Returns the player who
// completed the talisman with it, or -1.
int groundOrder(Run& run, MapCell& cell);

}  // namespace month
