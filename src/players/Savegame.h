// Whole savegames: the version word, the round number, the land and the three players, in
// one file beside the program. Saving replaces the file in one piece; loading is all or
// nothing: the whole file is decoded into copies and checked before anything in the
// running game changes, so a damaged file leaves the game exactly as it was.
#pragma once

#include "core/String.h"
#include "players/PlayerManager.h"
#include "players/PlayerRecords.h"
#include "world/CountryManager.h"

#include <array>
#include <cstdint>

class SavegameReader;
class SavegameWriter;

inline constexpr int32_t kSavegameMagic = int32_t(0xDEAD0012);
// The smallest file worth decoding; every real savegame is far above it (the map alone
// takes 19200 bytes).
inline constexpr size_t kSavegameMinBytes = 1000;
inline constexpr int kSavegameSlots = 3;

// "slot0.sve" to "slot2.sve".
String savegameName(int slot);

// The three rulers in place order: the manager's, or any others (tests, tools).
using GamePlayers = std::array<Player*, PlayerManager::kPlayers>;
GamePlayers playersOf(PlayerManager& manager);

// Appends the whole game to `out`.
void writeGame(SavegameWriter& out, int32_t roundNumber, const CountryManager& land, const GamePlayers& players);
// Saves the running game into the file. False when the buffer could not be had or the file
// not written ("Unable to save game !").
bool saveGame(const String& fileName, int32_t roundNumber);

enum class LoadResult { Loaded, Unreadable, WrongVersion, Damaged };
// What the round screen shows: empty for a loaded game.
const char* loadMessage(LoadResult result);

// A whole savegame, decoded and checked, not yet part of the game.
struct SavedGame {
  int32_t roundNumber = 0;
  CountryManager::SavedLand land;
  std::array<SavedPlayer, PlayerManager::kPlayers> players;
};

// Decodes and checks a whole file against the running land (its races) and a catalogue of
// `itemLimit` items. Changes nothing but `game`; a fault other than the size and the version
// is named in one line on standard error.
LoadResult readGame(SavegameReader& in, const CountryManager& land, int itemLimit, SavedGame& game);
// Takes a checked game over: the land, every field of the three players, the name counter
// (the last dragon record's) and the round number; guard posts and orders that name no
// living dragon are given up. Cannot fail.
void commitGame(SavedGame&& game, CountryManager& land, const GamePlayers& players, int32_t& roundNumber);
// readGame, then commitGame when it loaded.
LoadResult loadGame(SavegameReader& in, CountryManager& land, const GamePlayers& players, int itemLimit,
                    int32_t& roundNumber);
// The file into the running game (the land's and the players' instances, the item
// catalogue when there is one); `roundNumber` is set only when the game loaded.
LoadResult loadGame(const String& fileName, int32_t& roundNumber);
