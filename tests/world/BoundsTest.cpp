// A game at the bounds a savegame takes: its month neither overflows nor leaves a state a
// savegame refuses.
#include "MonthFixture.h"

#include "players/Savegame.h"
#include "res/SavegameReader.h"
#include "res/SavegameWriter.h"

#include <climits>

namespace monthtest {
namespace {

class BoundsTest : public MonthTest {
protected:
  LoadResult saveAndLoad(int32_t& round) {
    SavegameWriter out("unused.sve");
    const GamePlayers players = playersOf(PlayerManager::instance());
    writeGame(out, round, *country, players);
    SavegameReader in(std::vector<uint8_t>(out.data(), out.data() + out.used()));
    return loadGame(in, *country, players, INT_MAX, round);
  }
};

TEST_F(BoundsTest, AMonthAtTheBoundsSaturatesAndTheGameStaysLoadable) {
  for (int k : {0, 2, 5}) cellOf(k).talisman = 1;
  player(0).money = INT_MAX;  // every village is Harvek's: taxes, then a reward from a war
  order(cellOf(1), 0, 0, TaskAttack);
  std::tie(village(1).fightsAgainst, village(2).fightsAgainst, village(2).race) = std::make_tuple(2, 1, 1);
  player(2).eggs = -kMostCount;
  player(2).layEgg(0);
  player(2).incubators[0].progress = kMostCount;  // hatches
  player(2).incubators[0].months = kMostCount;
  player(2).layEgg(1);
  player(2).incubators[1] = {true, 4, 50, kMostCount};  // too cool to grow
  std::tie(dragon(1, 1).age, dragon(1, 1).lifespan) = std::make_tuple(kMostCount, kMostCount);
  int32_t round = kMostCount;
  ASSERT_EQ(saveAndLoad(round), LoadResult::Loaded);

  for (int p = 0; p < 3; ++p) player(p).startMonth();
  const auto report = month();
  ASSERT_TRUE(has(report, "Player Harvek gets a reward of " + std::to_string(player(0).accounts[AccountRewards])));
  EXPECT_EQ(player(0).money, INT_MAX);
  EXPECT_EQ(player(1).dragonCount(), 3);  // died of old age
  EXPECT_EQ(player(2).eggs, -kMostCount);
  EXPECT_FALSE(player(2).egg(0).occupied);
  EXPECT_EQ(player(2).egg(1).months, kMostCount);
  EXPECT_EQ(saveAndLoad(round), LoadResult::Loaded);

  std::tie(player(2).money, player(2).poorMonths) = std::make_tuple(0, kMostCount);
  player(2).startMonth();
  EXPECT_EQ(player(2).poorMonths, kMostCount);
  EXPECT_EQ(saveAndLoad(round), LoadResult::Loaded);
}

}  // namespace
}  // namespace monthtest
