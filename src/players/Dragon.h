// A dragon: hatched from an egg, sent against villages and other dragons, weakened by
// fights, changed by spells; it ages every month and dies of old age or of its wounds.
// A value type: a player's list holds copies.
#pragma once

#include "core/String.h"

#include <cstdint>

class SavegameReader;
class SavegameWriter;

class Dragon {
public:
  static constexpr int kAttributes = 6;
  static constexpr int kHealth = 3;  // health 0 or less is death

  // Before a dragon is read from a savegame: no name, age 1.
  Dragon();
  // A new dragon of the land: whatever name is passed, it takes the next name of the
  // land's list (the name counter is shared by every player and every game of the run).
  explicit Dragon(const String& name);

  // Attributes 0, at home, a lifespan of 40 to 49 months (one draw).
  void initialise();

  // 0 outside 0 to 5.
  int attribute(int i) const;
  // Stores only an attribute 0 to 5 and a value 0 to 99; false otherwise, nothing changed.
  bool setAttribute(int i, int value);
  // Every attribute loses `percent` percent of itself, truncated toward zero, so a
  // positive attribute never falls to 0 by it.
  void weaken(int percent);
  bool alive() const { return attributes[kHealth] > 0; }

  // The savegame record: the name counter, then the dragon.
  void save(SavegameWriter& out) const;
  // Reads one record; reading sets the name counter to the stored value.
  void load(SavegameReader& in);

  // The index of the next name to give, 0 when the program starts.
  static int nameCounter();
  static void setNameCounter(int counter);
  // Forgets the counter and the cached size of the land's name list (tests; a land with
  // another list).
  static void resetNames();

  String name;
  bool atHome = true;
  int32_t age = 1;
  int32_t lifespan = 40;
  int32_t attributes[kAttributes] = {};
};
