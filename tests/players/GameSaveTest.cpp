// Whole savegames: the player and dragon records byte for byte, and a loader that takes a
// file whole or leaves the running game exactly as it was.
#include "core/Random.h"
#include "players/PlayerManager.h"
#include "players/Savegame.h"
#include "players/SavegameBytes.h"
#include "res/SavegameReader.h"
#include "res/SavegameWriter.h"
#include "support/RealLand.h"
#include "world/CountryManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace savebytes;

constexpr int kCatalogue = 24;  // items in data/items.xml

template <typename Record>
Bytes recordOf(const Record& record) {
  SavegameWriter out("unused.sve");
  record.save(out);
  return bytesOf(out);
}

Dragon dragonOf(const char* name, bool atHome, int age, int lifespan, std::initializer_list<int32_t> attributes) {
  Dragon d;
  d.name = name;
  std::tie(d.atHome, d.age, d.lifespan) = std::make_tuple(atHome, age, lifespan);
  std::copy(attributes.begin(), attributes.end(), d.attributes);
  return d;
}

// The records as the file holds them; the round trips below read them back.
TEST(PlayerRecordTest, APlayerAndItsDragonAreWrittenFieldByField) {
  seedRandom(1);
  Player p(1, "", ComputerPlayer);
  std::tie(p.poorMonths, p.money, p.eggs, p.hatchedThisMonth) = std::make_tuple(2, 42, 19, true);
  p.items = {{3, 2}, {20, 1}};
  const int32_t accounts[8] = {-5, 0, 0, 0, -2, 10, 7, -2};
  std::copy(accounts, accounts + 8, p.accounts);
  p.incubators[2] = Egg{true, 60, 24, 2};
  p.dragons = {dragonOf("Ash", false, 12, 44, {1, 2, 3, 0, 98, 99})};
  Dragon::setNameCounter(5);

  const Bytes dragon = le({5}) + text("Ash") + le({0, 12, 44, 1, 2, 3, 0, 98, 99});
  const Bytes expected = le({0}) +  // the empty name: its length only
                         le({1, ComputerPlayer, 2, 42, 19, 1}) + le({2, 3, 2, 20, 1}) +
                         le({-5, 0, 0, 0, -2, 10, 7, -2}) +
                         le({0, 0, 0, 0, 0, 0, 0, 0, 1, 60, 24, 2, 0, 0, 0, 0}) + le({1}) + dragon;
  EXPECT_EQ(recordOf(p), expected);
  EXPECT_EQ(recordOf(p.dragons[0]), dragon);
}

// A small game on the real land: three rulers, some months' worth of changes by hand.
class GameSaveTest : public ::testing::Test {
protected:
  void SetUp() override {
    const std::string text = readRealLand();
    ASSERT_FALSE(text.empty());
    seedRandom(21);
    Dragon::resetNames();
    newGameOn(text, {HumanPlayer, ComputerPlayer, HumanPlayer});
    play();
  }
  void TearDown() override {
    PlayerManager::destroy();
    CountryManager::destroy();
    Dragon::resetNames();
  }

  static CountryManager& land() { return CountryManager::instance(); }
  static Player& player(int i) { return *PlayerManager::instance().player(i); }
  static GamePlayers players() { return playersOf(PlayerManager::instance()); }

  static void play() {
    Player& first = player(0);
    first.addItem(12, 3);
    first.delItem(0, 1);
    first.layEgg(1);
    first.setHeat(1, 75);
    first.incubators[1].progress = 30;
    first.hatchedThisMonth = true;
    first.dragons.push_back(dragonOf("Cinder", true, 5, 47, {0, 4, 7, 0, 2, 1}));  // killed in a fight
    first.dragons.push_back(dragonOf("Ash", false, 9, 40, {50, 60, 70, 80, 90, 99}));
    player(1).money = 3;
    player(1).poorMonths = 4;
    land().village(5).owner = 0;
    MapCell* cell = land().cellAt(land().village(5).x * 35, land().village(5).y * 35);
    std::tie(cell->guardOwner, cell->guardDragon) = std::make_tuple(0, 2);
    land().cell(0).orders[2] = {0, TaskAttack, 60};
    Dragon::setNameCounter(7);
  }

  static Bytes save(int32_t round) {
    SavegameWriter out("unused.sve");
    writeGame(out, round, land(), players());
    return bytesOf(out);
  }

  static LoadResult load(const Bytes& bytes, int32_t& round) {
    SavegameReader in(bytes);
    return loadGame(in, land(), players(), kCatalogue, round);
  }

  // Where player p's record starts in a file of the game as it is now.
  static size_t playerAt(int p) {
    SavegameWriter out("unused.sve");
    out.writeInt(0).writeInt(0);
    land().saveState(out);
    for (int i = 0; i < p; ++i) player(i).save(out);
    return out.used();
  }
  // The integer fields after the name: 0 index ... 5 hatched, 6 inventory count, ...
  static size_t fieldAt(const Bytes& file, int p, int field) {
    const size_t name = playerAt(p);
    return name + 4 + size_t(intAt(file, name)) + 4 * size_t(field);
  }
  static size_t dragonCountAt(const Bytes& file, int p) {
    const int items = intAt(file, fieldAt(file, p, 6));
    return fieldAt(file, p, 7 + 2 * items + 8 + 16);
  }
  // Dragon d's record; its fields after the name: 0 at home, 1 age, 2 lifespan, 3 to 8 the
  // attributes.
  static size_t dragonAt(const Bytes& file, int p, int d) {
    size_t at = dragonCountAt(file, p) + 4;
    for (int i = 0; i < d; ++i) at += 44 + size_t(intAt(file, at + 4));
    return at;
  }
  static size_t dragonFieldAt(const Bytes& file, int p, int d, int field) {
    const size_t at = dragonAt(file, p, d);
    return at + 8 + size_t(intAt(file, at + 4)) + 4 * size_t(field);
  }
  // Village k's race.
  static size_t raceAt(const Bytes& file, int k) {
    size_t at = 19212;
    for (int i = 0; i < k; ++i) at += 8 + size_t(intAt(file, at + 4)) + 44;
    return at + 8 + size_t(intAt(file, at + 4));
  }

  // What a load that fails must leave as it found: every saved byte, the name counter, the
  // round and the random sequence.
  struct Snapshot {
    Bytes game;
    int counter;
    int32_t round;
    int nextRandom;
  };
  static Snapshot snapshot(int32_t round) {
    seedRandom(77);
    const int next = randomNumber();
    seedRandom(77);
    return {save(round), Dragon::nameCounter(), round, next};
  }
  static void expectUntouched(const Snapshot& before, int32_t round, const char* what) {
    EXPECT_EQ(round, before.round) << what;
    EXPECT_EQ(Dragon::nameCounter(), before.counter) << what;
    EXPECT_TRUE(save(round) == before.game) << what;
    EXPECT_EQ(randomNumber(), before.nextRandom) << what;
    seedRandom(77);
  }
};

TEST_F(GameSaveTest, ALoadedGameSavesToTheSameBytesAndDrawsOncePerDragon) {
  const Bytes file = save(14);
  const int dragons = player(0).dragonCount() + player(1).dragonCount() + player(2).dragonCount();
  ASSERT_EQ(player(0).dragonCount(), 3);

  // Another game altogether: new rulers, other orders, another counter.
  seedRandom(99);
  PlayerManager::startGame({ComputerPlayer, HumanPlayer, HumanPlayer});
  land().clearOrders();
  land().village(5).owner = 2;
  Dragon::setNameCounter(0);
  ASSERT_NE(save(14), file);

  int32_t round = 1;
  seedRandom(5);
  ASSERT_EQ(load(file, round), LoadResult::Loaded);
  const int afterLoad = randomNumber();
  seedRandom(5);
  for (int i = 0; i < dragons; ++i) randomNumber();
  EXPECT_EQ(afterLoad, randomNumber());
  EXPECT_EQ(round, 14);
  EXPECT_EQ(Dragon::nameCounter(), 7);
  EXPECT_EQ(save(round), file);  // every saved value, the killed dragon in its place too
  EXPECT_STREQ(savegameName(2).c_str(), "slot2.sve");
}

TEST_F(GameSaveTest, AnyNonzeroFlagReadsTrue) {
  Bytes file = save(3);
  putInt(file, fieldAt(file, 1, 5), 2);  // hatched this month
  putInt(file, dragonFieldAt(file, 1, 0, 0), 2);  // at home
  player(1).dragons[0].atHome = false;
  int32_t round = 0;
  ASSERT_EQ(load(file, round), LoadResult::Loaded);
  EXPECT_TRUE(player(1).hatchedThisMonth);
  EXPECT_TRUE(player(1).dragon(0)->atHome);
}

// A short file or another version is refused before it is read; one cut anywhere after
// is refused as damaged.
TEST_F(GameSaveTest, AShortOrCutFileOrAnotherVersionIsRefusedAndTheGameUntouched) {
  const Bytes file = save(14);
  const Snapshot before = snapshot(14);
  int32_t round = 14;
  ::testing::internal::CaptureStderr();
  Bytes wrong = file;
  putInt(wrong, 0, int32_t(0xDEAD0011));
  EXPECT_EQ(load(Bytes(wrong.begin(), wrong.begin() + 999), round), LoadResult::Unreadable);  // size first
  EXPECT_EQ(load(Bytes(file.begin(), file.begin() + 999), round), LoadResult::Unreadable);
  EXPECT_EQ(load(Bytes(), round), LoadResult::Unreadable);
  EXPECT_EQ(load(wrong, round), LoadResult::WrongVersion);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("loadGame(): ERROR: a savegame of 999 bytes is too short !\n"), std::string::npos);
  EXPECT_NE(said.find("DEAD0011"), std::string::npos);
  ::testing::internal::CaptureStderr();
  for (size_t length = 1000; length < file.size(); ++length)
    ASSERT_EQ(load(Bytes(file.begin(), file.begin() + long(length)), round), LoadResult::Damaged) << length;
  ::testing::internal::GetCapturedStderr();
  expectUntouched(before, round, "refused");
  EXPECT_STREQ(loadMessage(LoadResult::Unreadable), "Unable to load savegame !");
  EXPECT_STREQ(loadMessage(LoadResult::Damaged), "Unable to load savegame !");
  EXPECT_STREQ(loadMessage(LoadResult::WrongVersion), "Wrong savegame version !");
}

TEST_F(GameSaveTest, EveryDamagedValueIsRefusedWithItsReasonAndTheGameUntouched) {
  const Bytes file = save(14);
  ASSERT_STREQ(player(0).dragon(2)->name.c_str(), "Ash");
  const int32_t items = intAt(file, fieldAt(file, 0, 6));
  const std::vector<std::tuple<const char*, const char*, std::function<void(Bytes&)>>> damages = {
      {"village race", "village 4 is damaged", [&](Bytes& b) { putInt(b, raceAt(b, 4), land().raceCount()); }},
      {"huge inventory", "an inventory of 2147483647 entries",
       [&](Bytes& b) { putInt(b, fieldAt(b, 0, 6), 0x7fffffff); }},
      {"huge dragon list", "a list of 1000000 dragons", [&](Bytes& b) { putInt(b, dragonCountAt(b, 2), 1000000); }},
      {"one dragon more", "a list of 2 dragons", [&](Bytes& b) { putInt(b, dragonCountAt(b, 2), 2); }},
      {"negative name", "player 1: the record is cut short or damaged", [&](Bytes& b) { putInt(b, playerAt(1), -1); }},
      {"zero byte in a name", "player 0: a dragon's record is cut short or damaged",
       [&](Bytes& b) { b[dragonAt(b, 0, 2) + 9] = 0; }},
      {"item beyond the catalogue", "item 24 is not in the catalogue",
       [&](Bytes& b) { putInt(b, fieldAt(b, 0, 7 + 2 * (items - 1)), kCatalogue); }},
      {"item twice", "item 1 is out of order", [&](Bytes& b) { putInt(b, fieldAt(b, 0, 9), 1); }},
      {"no pieces", "item 1 has 0 pieces", [&](Bytes& b) { putInt(b, fieldAt(b, 0, 8), 0); }},
      {"player in the wrong place", "says it is player 0", [&](Bytes& b) { putInt(b, fieldAt(b, 1, 0), 0); }},
      {"player type", "player type 0", [&](Bytes& b) { putInt(b, fieldAt(b, 2, 1), 0); }},
      {"heat", "incubator 1 is damaged", [&](Bytes& b) { putInt(b, fieldAt(b, 0, 7 + 2 * items + 8 + 5), 101); }},
      {"attribute", "dragon 2 holds an attribute of 100", [&](Bytes& b) { putInt(b, dragonFieldAt(b, 0, 2, 8), 100); }},
      {"name counter", "dragon 2 holds the name counter -1", [&](Bytes& b) { putInt(b, dragonAt(b, 0, 2), -1); }},
      // Values the coming months count on, just past what any game can reach.
      {"round past the bound", "round 100000001 cannot be", [&](Bytes& b) { putInt(b, 4, kMostCount + 1); }},
      {"round below 0", "round -1 cannot be", [&](Bytes& b) { putInt(b, 4, -1); }},
      {"purse below 0", "a purse of -1 crystals", [&](Bytes& b) { putInt(b, fieldAt(b, 1, 3), -1); }},
      {"poor months", "100000001 poor months", [&](Bytes& b) { putInt(b, fieldAt(b, 1, 2), kMostCount + 1); }},
      {"eggs", "-100000001 eggs", [&](Bytes& b) { putInt(b, fieldAt(b, 2, 4), -kMostCount - 1); }},
      {"egg progress", "incubator 1 is damaged",
       [&](Bytes& b) { putInt(b, fieldAt(b, 0, 7 + 2 * items + 8 + 6), 0x7fffffff); }},
      {"egg months", "incubator 1 is damaged",
       [&](Bytes& b) { putInt(b, fieldAt(b, 0, 7 + 2 * items + 8 + 7), kMostCount + 1); }},
      {"age", "dragon 2 is 2147483647 months old of 40",
       [&](Bytes& b) { putInt(b, dragonFieldAt(b, 0, 2, 1), 0x7fffffff); }},
      {"lifespan", "dragon 2 is 9 months old of 100000001",
       [&](Bytes& b) { putInt(b, dragonFieldAt(b, 0, 2, 2), kMostCount + 1); }},
      {"bytes after the third player", "4 bytes follow the third player", [&](Bytes& b) { b = b + le({0}); }},
  };
  const Snapshot before = snapshot(14);
  int32_t round = 14;
  for (const auto& [what, reason, damage] : damages) {
    Bytes bytes = file;
    damage(bytes);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(load(bytes, round), LoadResult::Damaged) << what;
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(reason), std::string::npos) << what << ": " << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << what << ": " << said;
    expectUntouched(before, round, what);
  }
}

TEST_F(GameSaveTest, AGameAtTheBoundsLoads) {
  player(0).money = 0x7fffffff;  // a purse may grow as large as the int holds
  player(1).poorMonths = kMostCount;
  player(2).eggs = -kMostCount;
  player(0).incubators[1].progress = kMostCount;
  player(0).incubators[1].months = kMostCount;
  std::tie(player(0).dragons[2].age, player(0).dragons[2].lifespan) = std::make_tuple(kMostCount, kMostCount);
  const Bytes file = save(kMostCount);
  int32_t round = 0;
  ASSERT_EQ(load(file, round), LoadResult::Loaded);
  EXPECT_EQ(save(round), file);  // the round too
}

// Games saved while dead dragons kept their posts: a guard that died of old age left the
// list and a later dragon moved into its place; a dragon killed by a spell kept its order
// and a hatchling took its place. Their posts are given up on load, the sound ones kept.
TEST_F(GameSaveTest, PostsOfDragonsLostBeforeTheSaveAreGivenUpOnLoad) {
  MapCell& ashPost = *land().cellAt(land().village(5).x * 35, land().village(5).y * 35);
  player(0).dragons.pop_back();  // Ash, guard of village 5, died of old age
  MapCell& heldByCinder = *land().cellAt(land().village(6).x * 35, land().village(6).y * 35);
  std::tie(heldByCinder.guardOwner, heldByCinder.guardDragon) = std::make_tuple(0, 1);  // dead Cinder
  player(1).dragons.push_back(dragonOf("Hatchling", true, 1, 44, {40, 40, 40, 40, 40, 40}));
  MapCell& hatchlingPost = *land().cellAt(land().village(7).x * 35, land().village(7).y * 35);
  std::tie(hatchlingPost.guardOwner, hatchlingPost.guardDragon) = std::make_tuple(1, 1);
  land().cell(3).orders[0] = {1, TaskOccupy, 50};  // dead Cinder's order
  land().cell(4).orders[1] = {1, TaskAttack, 20};  // the hatchling may be sent
  player(2).dragons[0].atHome = false;
  MapCell& sound = *land().cellAt(land().village(8).x * 35, land().village(8).y * 35);
  std::tie(sound.guardOwner, sound.guardDragon) = std::make_tuple(2, 0);
  const Bytes file = save(2);

  int32_t round = 0;
  ASSERT_EQ(load(file, round), LoadResult::Loaded);
  for (const MapCell* lost : {&ashPost, &heldByCinder, &hatchlingPost}) {
    EXPECT_EQ(lost->guardOwner, -1) << lost->x << "," << lost->y;
    EXPECT_EQ(lost->guardDragon, -1) << lost->x << "," << lost->y;
  }
  EXPECT_EQ(land().village(5).owner, 0);  // the village stays its owner's, unguarded
  EXPECT_EQ(land().cell(3).orders[0].dragon, -1);
  EXPECT_EQ(land().cell(4).orders[1].dragon, 1);
  EXPECT_EQ(land().cell(0).orders[2].dragon, 0);
  EXPECT_EQ(sound.guardOwner, 2);
  EXPECT_EQ(sound.guardDragon, 0);
}

}  // namespace
