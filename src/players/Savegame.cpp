#include "players/Savegame.h"

#include "core/Diagnostics.h"
#include "players/ItemManager.h"
#include "res/SavegameReader.h"
#include "res/SavegameWriter.h"

#include <climits>
#include <utility>

namespace {

LoadResult refuse(LoadResult result, const String& fault) {
  complain(String::format("loadGame(): ERROR: %s !\n", fault.c_str()).c_str());
  return result;
}

// Games saved before dead dragons gave up their posts can hold posts of a dragon that died,
// or of a place a later dragon or a hatchling took since: a guard post must name a living
// dragon of its owner that is away from home, an order a living dragon.
void releaseLostPosts(CountryManager& land, const GamePlayers& players) {
  for (int i = 0; i < CountryManager::kCells; ++i) {
    MapCell& cell = land.cell(i);
    if (cell.guardOwner >= 0) {
      const Dragon* guard = players[size_t(cell.guardOwner)]->dragon(cell.guardDragon);
      if (!guard || !guard->alive() || guard->atHome) {
        cell.guardOwner = -1;
        cell.guardDragon = -1;
      }
    }
    for (size_t p = 0; p < players.size(); ++p) {
      CellOrder& order = cell.orders[p];
      if (order.dragon < 0) continue;
      const Dragon* dragon = players[p]->dragon(order.dragon);
      if (!dragon || !dragon->alive()) order = CellOrder{};
    }
  }
}

// With no catalogue read, any item number from 0 is taken.
int runningItemLimit() { return ItemManager::exists() ? ItemManager::instance().count() : INT_MAX; }

}  // namespace

String savegameName(int slot) { return String::format("slot%1d.sve", slot); }

GamePlayers playersOf(PlayerManager& manager) {
  GamePlayers players{};
  for (int i = 0; i < PlayerManager::kPlayers; ++i) players[size_t(i)] = manager.player(i);
  return players;
}

void writeGame(SavegameWriter& out, int32_t roundNumber, const CountryManager& land, const GamePlayers& players) {
  out.writeInt(kSavegameMagic).writeInt(roundNumber);
  land.saveState(out);
  for (const Player* player : players) player->save(out);
}

bool saveGame(const String& fileName, int32_t roundNumber) {
  SavegameWriter out(fileName);
  if (!out.ready()) return false;
  writeGame(out, roundNumber, CountryManager::instance(), playersOf(PlayerManager::instance()));
  return out.store();
}

const char* loadMessage(LoadResult result) {
  switch (result) {
    case LoadResult::Loaded: return "";
    case LoadResult::WrongVersion: return "Wrong savegame version !";
    case LoadResult::Unreadable:
    case LoadResult::Damaged: break;
  }
  return "Unable to load savegame !";
}

LoadResult readGame(SavegameReader& in, const CountryManager& land, int itemLimit, SavedGame& game) {
  if (!in.valid()) return refuse(LoadResult::Unreadable, String("the savegame cannot be read or is empty"));
  if (in.size() < kSavegameMinBytes)
    return refuse(LoadResult::Unreadable, String::format("a savegame of %d bytes is too short", int(in.size())));
  int32_t magic = 0;
  in.readInt(magic);
  if (magic != kSavegameMagic)
    return refuse(LoadResult::WrongVersion, String::format("savegame version %08X is not %08X", uint32_t(magic),
                                                           uint32_t(kSavegameMagic)));
  in.readInt(game.roundNumber);
  if (game.roundNumber < 0 || game.roundNumber > kMostCount)
    return refuse(LoadResult::Damaged, String::format("round %d cannot be", game.roundNumber));
  // The land says itself what is wrong with it.
  if (!land.readState(in, game.land)) return LoadResult::Damaged;
  for (int i = 0; i < PlayerManager::kPlayers; ++i) {
    SavedPlayer& player = game.players[size_t(i)];
    String fault = readPlayerRecord(in, player);
    if (fault.length() == 0) fault = playerRecordFault(player, i, itemLimit);
    if (fault.length() > 0) return refuse(LoadResult::Damaged, String::format("player %d: %s", i, fault.c_str()));
  }
  if (in.remaining() > 0)
    return refuse(LoadResult::Damaged, String::format("%d bytes follow the third player", int(in.remaining())));
  return LoadResult::Loaded;
}

void commitGame(SavedGame&& game, CountryManager& land, const GamePlayers& players, int32_t& roundNumber) {
  land.commitState(std::move(game.land));
  // Each dragon record sets the name counter: the last one read is the counter kept.
  for (int i = 0; i < PlayerManager::kPlayers; ++i) applyPlayerRecord(game.players[size_t(i)], *players[size_t(i)]);
  releaseLostPosts(land, players);
  roundNumber = game.roundNumber;
}

LoadResult loadGame(SavegameReader& in, CountryManager& land, const GamePlayers& players, int itemLimit,
                    int32_t& roundNumber) {
  SavedGame game;
  const LoadResult result = readGame(in, land, itemLimit, game);
  if (result == LoadResult::Loaded) commitGame(std::move(game), land, players, roundNumber);
  return result;
}

LoadResult loadGame(const String& fileName, int32_t& roundNumber) {
  SavegameReader in(fileName);
  return loadGame(in, CountryManager::instance(), playersOf(PlayerManager::instance()), runningItemLimit(),
                  roundNumber);
}
