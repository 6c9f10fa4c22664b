// The player and dragon records of a savegame, decoded into plain copies first. Making a
// Dragon draws a random number and reading one sets the name counter, so a loader that
// must leave the game untouched until the whole file is known good decodes into these,
// checks them, and only then turns them into players and dragons.
#pragma once

#include "core/String.h"
#include "players/Dragon.h"
#include "players/Egg.h"
#include "players/Player.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class SavegameReader;

struct SavedDragon {
  int32_t nameCounter = 0;
  String name;
  bool atHome = true;
  int32_t age = 1;
  int32_t lifespan = 40;
  int32_t attributes[Dragon::kAttributes] = {};
};

struct SavedPlayer {
  String name;
  int32_t index = 0;
  int32_t type = HumanPlayer;
  int32_t poorMonths = 0;
  int32_t money = 0;
  int32_t eggs = 0;
  bool hatchedThisMonth = false;
  std::vector<std::pair<int32_t, int32_t>> items;  // catalogue number, pieces; in file order
  int32_t accounts[Player::kAccounts] = {};
  std::array<Egg, Player::kIncubators> incubators{};
  std::vector<SavedDragon> dragons;
};

// The smallest records: a count can promise no more entries than the bytes left can hold.
inline constexpr size_t kItemRecordBytes = 2 * 4;
inline constexpr size_t kDragonRecordBytes = 4 + 4 + 4 + 4 + 4 + Dragon::kAttributes * 4;

// Decodes one dragon record; the reader tells whether it was whole.
void readDragonRecord(SavegameReader& in, SavedDragon& dragon);
// Decodes one player record. Empty when it was whole; otherwise what is wrong (the reader
// ran out, or a count promises more entries than the bytes left can hold).
String readPlayerRecord(SavegameReader& in, SavedPlayer& player);
// Empty when the record can be the player at `place` of a running game whose catalogue
// holds `itemLimit` items; otherwise what is wrong.
String playerRecordFault(const SavedPlayer& player, int place, int itemLimit);

// Overwrites every field of the dragon, and sets the name counter to the record's.
void applyDragonRecord(const SavedDragon& saved, Dragon& dragon);
// Overwrites every field of the player. Each dragon is made with the default constructor
// first, which draws a lifespan that the record then overwrites: loading draws one number
// per dragon, always the same count, so a loaded game replays the same way every time.
// Leaves the name counter at the last dragon record's value.
void applyPlayerRecord(const SavedPlayer& saved, Player& player);
