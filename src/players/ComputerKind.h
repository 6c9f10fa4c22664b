// Which mind plays the computer's rulers. The classic one is the game's own move (now and
// then one dragon sent to occupy a village); the cunning one plays a whole turn as a human
// would from his screens. The choice lives for the whole run, across new games: the
// start-up sets it from the command line (or, later, a preference).
#pragma once

#include <string_view>

enum class ComputerKind { Classic, Cunning };

// Every ruler the computer plays, or one character's (the simulation mixes them).
void setComputerKind(ComputerKind kind);
void setComputerKind(int player, ComputerKind kind);
// Classic for a place outside 0 to 2.
ComputerKind computerKind(int player);

// "classic" or "cunning"; false for any other word.
bool parseComputerKind(std::string_view word, ComputerKind& kind);
const char* computerKindName(ComputerKind kind);
