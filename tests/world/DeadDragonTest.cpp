// Dragons that die give up their posts: of old age, by a spell, or when a hatchling takes
// the place of one that fell in a fight. Villages they guarded stay with their owners.
#include "MonthFixture.h"

#include "players/SpellMixing.h"

namespace monthtest {
namespace {

TEST_F(MonthTest, AGuardThatDiesOfOldAgeGivesUpItsPostAndTheLaterPostsFollowTheList) {
  cellOf(0).talisman = 1;
  cellOf(1).talisman = 1;
  guard(0, 0, 1);  // dies this month
  guard(1, 0, 2);
  order(cellOf(2), 0, 3, TaskOccupy);
  dragon(0, 1).age = dragon(0, 1).lifespan - 1;
  const std::string dying = name(0, 1), keeper = name(0, 2), sent = name(0, 3);
  player(0).layEgg(0);
  player(0).incubators[0].progress = 95;  // heat 50 adds 10: it hatches this month
  ASSERT_EQ(country->talismanParts(0), 2);

  player(0).startMonth();
  ASSERT_EQ(shown().front(), "DRAGONDIED:Dragon " + dying + " owned|by Harvek died");
  EXPECT_EQ(cellOf(0).guardOwner, -1);
  EXPECT_EQ(cellOf(0).guardDragon, -1);
  EXPECT_EQ(village(0).owner, 0);
  EXPECT_EQ(country->talismanParts(0), 1);
  ASSERT_EQ(player(0).dragonCount(), 4);
  EXPECT_EQ(name(0, cellOf(1).guardDragon), keeper);
  EXPECT_EQ(name(0, cellOf(2).orders[0].dragon), sent);
  // The hatchling came last, and is at home with no post.
  EXPECT_TRUE(player(0).hatchedThisMonth);
  EXPECT_TRUE(dragon(0, 3).atHome);
  EXPECT_FALSE(country->isStationed(0, 3));
  EXPECT_EQ(country->findOrderCell(0, 3), nullptr);

  const auto report = month();
  EXPECT_TRUE(has(report, "Dragon " + sent + " attacks Cold Ford"));
  EXPECT_EQ(name(0, cellOf(2).guardDragon), sent);
  EXPECT_TRUE(dragon(0, 3).atHome);
}

TEST_F(MonthTest, AGuardKilledByASpellGivesUpItsPostAndOrder) {
  cellOf(0).talisman = 1;
  guard(0, 0, 1);
  order(cellOf(2), 0, 1, TaskAttack);
  order(cellOf(3), 0, 2, TaskAttack);
  dragon(0, 1).setAttribute(Dragon::kHealth, 2);
  // A spell whose health draw is -2.
  const uint32_t seed = seedWhere(2, [](const std::vector<int>& d) { return d[1] % 9 == 2; });
  SpellMixing spell;
  ::testing::internal::CaptureStderr();
  spell.open(ScreenParam(kSpellOnDragon + 1));
  spell.dropItem(0, 0);
  ::testing::internal::GetCapturedStderr();
  seedRandom(seed);
  ASSERT_NE(spell.cast(player(0), *country), nullptr);

  ASSERT_FALSE(dragon(0, 1).alive());
  EXPECT_EQ(cellOf(0).guardOwner, -1);
  EXPECT_EQ(village(0).owner, 0);
  EXPECT_EQ(country->talismanParts(0), 0);
  EXPECT_EQ(cellOf(2).orders[0].dragon, -1);
  EXPECT_EQ(cellOf(3).orders[0].dragon, 2);  // another dragon's order stays
}

TEST_F(MonthTest, AHatchlingTakesTheFallenDragonsPlaceButNotItsPost) {
  guard(3, 0, 2);
  setHealth(0, 2, 0);  // fell in its attack and was left on the village
  guard(4, 0, 1);
  addDragon(0);
  ASSERT_TRUE(dragon(0, 2).alive());
  EXPECT_EQ(cellOf(3).guardOwner, -1);
  EXPECT_EQ(village(3).owner, 0);
  EXPECT_EQ(cellOf(4).guardDragon, 1);
  EXPECT_FALSE(country->isStationed(0, 2));
}

}  // namespace
}  // namespace monthtest
