// The players' part of the state dump.
#pragma once

class StateWriter;

// player.current, then each player's fields and dragons as player.N.*, then
// dragon.nameCounter. Without a player manager only the name counter is written.
void writePlayerState(StateWriter& out);
