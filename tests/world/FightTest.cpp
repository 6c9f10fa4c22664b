// Fights in the land: wars between villages, dragons meeting in the air, attacks, occupations
// and recalls on the ground, rewards for attacking villages at war.
#include "MonthFixture.h"

namespace monthtest {
namespace {

// ---- Orders carried out in the month --------------------------------------------------

TEST_F(MonthTest, TwoAttacksOnVillagesAtWarEachEarnAReward) {
  village(0).fightsAgainst = 1;
  village(1).fightsAgainst = 0;
  village(2).fightsAgainst = 3;
  village(3).fightsAgainst = 2;
  for (int k = 0; k < 4; ++k) village(k).fightMonths = 1;
  order(cellOf(0), 1, 1, TaskAttack);
  order(cellOf(2), 1, 2, TaskAttack);
  // The war limit, then one reward for each attack; two different rewards.
  const uint32_t seed = seedWhere(3, [](const std::vector<int>& d) { return d[1] % 5 != d[2] % 5; });
  const std::vector<int> d = draws(seed, 3);
  const int first = d[1] % 5 + 1, second = d[2] % 5 + 1;
  const auto report = month();

  EXPECT_EQ(report, (std::vector<std::string>{
                        "Dragon " + name(1, 1) + " attacks Millbrook", "Player Orlenna gets a reward of " + std::to_string(first),
                        "Dragon " + name(1, 2) + " attacks Cold Ford", "Player Orlenna gets a reward of " + std::to_string(second)}));
  EXPECT_EQ(shown(), (std::vector<std::string>{"ACTION:grd:" + name(1, 1) + " attacks Millbrook",
                                               "ACTION:grd:" + name(1, 2) + " attacks Cold Ford"}));
  EXPECT_EQ(player(1).money, 100 + first + second);
  EXPECT_EQ(player(1).accounts[AccountRewards], second);
  // Attacked: the attacker's now, without guard; the dragon lost 5 % and stays at home.
  EXPECT_EQ(village(0).owner, 1);
  EXPECT_EQ(village(2).owner, 1);
  EXPECT_EQ(cellOf(0).guardOwner, -1);
  EXPECT_TRUE(dragon(1, 1).atHome);
  EXPECT_EQ(dragon(1, 1).attribute(Dragon::kHealth), 48);
  EXPECT_EQ(village(0).fightMonths, 2);  // the month's wars went on first
}

TEST_F(MonthTest, TwoDragonsInOneCellFightInTheAirAndTheLaterAttacks) {
  order(cellOf(1), 0, 1, TaskAttack);
  order(cellOf(1), 2, 1, TaskAttack);
  const auto report = month();
  EXPECT_EQ(report, (std::vector<std::string>{"Dragonfight " + name(2, 1) + " vs. " + name(0, 1),
                                              "Dragon " + name(2, 1) + " attacks Tarnby"}));
  EXPECT_EQ(shown(), (std::vector<std::string>{"ACTION:air:" + name(2, 1) + " vs. " + name(0, 1),
                                               "ACTION:grd:" + name(2, 1) + " attacks Tarnby"}));
  EXPECT_EQ(dragon(0, 1).attribute(Dragon::kHealth), 40);
  EXPECT_EQ(dragon(2, 1).attribute(Dragon::kHealth), 38);  // 20 % in the air, then 5 %
  EXPECT_EQ(village(1).owner, 2);
}

TEST_F(MonthTest, ThreeDragonsFightTwiceAndOnlyTheLastOrderStays) {
  for (int p = 0; p < 3; ++p) order(cellOf(2), p, 1, TaskOccupy);
  const auto report = month();
  EXPECT_EQ(report, (std::vector<std::string>{"Dragonfight " + name(1, 1) + " vs. " + name(0, 1),
                                              "Dragonfight " + name(2, 1) + " vs. " + name(1, 1),
                                              "Dragon " + name(2, 1) + " attacks Cold Ford"}));
  EXPECT_EQ(dragon(0, 1).attribute(Dragon::kHealth), 40);
  EXPECT_EQ(dragon(1, 1).attribute(Dragon::kHealth), 32);  // in both fights
  EXPECT_EQ(dragon(2, 1).attribute(Dragon::kHealth), 38);
  EXPECT_EQ(cellOf(2).guardOwner, 2);
  EXPECT_EQ(cellOf(2).guardDragon, 1);
  EXPECT_TRUE(dragon(0, 1).atHome);
  EXPECT_TRUE(dragon(1, 1).atHome);
  EXPECT_FALSE(dragon(2, 1).atHome);
}

TEST_F(MonthTest, OccupyAttackAndRecallMoveGuardsAndOwners) {
  addDragon(0);
  village(0).owner = 1;  // Orlenna's guard is driven out and Harvek's stays
  guard(0, 1, 1);
  order(cellOf(0), 0, 1, TaskOccupy);
  village(1).owner = 2;  // Sivrane's guard is driven out, and nobody stays
  guard(1, 2, 1);
  order(cellOf(1), 0, 2, TaskAttack);
  guard(2, 0, 3);  // Harvek calls his guard home
  order(cellOf(2), 0, 3, TaskRecall);
  guard(3, 0, 0);  // Harvek's own guard makes way for another of his
  order(cellOf(3), 0, 4, TaskOccupy);
  order(cellOf(4), 1, 2, TaskRecall);  // no guard there: nothing happens

  const auto report = month();
  EXPECT_EQ(report, (std::vector<std::string>{"Dragon " + name(0, 1) + " attacks Millbrook",
                                              "Dragon " + name(0, 2) + " attacks Tarnby",
                                              name(0, 3) + " returns to its lair",
                                              "Dragon " + name(0, 4) + " attacks Ashby"}));
  for (int k = 0; k < 5; ++k) EXPECT_EQ(village(k).owner, 0) << k;
  EXPECT_EQ(cellOf(0).guardOwner, 0);
  EXPECT_EQ(cellOf(0).guardDragon, 1);
  EXPECT_FALSE(dragon(0, 1).atHome);
  EXPECT_TRUE(dragon(1, 1).atHome);
  EXPECT_EQ(cellOf(1).guardOwner, -1);
  EXPECT_TRUE(dragon(2, 1).atHome);
  EXPECT_TRUE(dragon(0, 2).atHome);
  EXPECT_EQ(cellOf(2).guardOwner, -1);
  EXPECT_EQ(cellOf(2).guardDragon, -1);
  EXPECT_TRUE(dragon(0, 3).atHome);
  EXPECT_EQ(cellOf(3).guardDragon, 4);
  EXPECT_TRUE(dragon(0, 0).atHome);
  EXPECT_FALSE(dragon(0, 4).atHome);
  EXPECT_EQ(cellOf(4).guardOwner, -1);
  for (int i = 0; i < CountryManager::kCells; ++i)
    for (int p = 0; p < 3; ++p) ASSERT_EQ(country->cell(i).orders[p].dragon, -1);  // all cleared
}

TEST_F(MonthTest, AnOccupyingDragonThatDiesStillTakesTheVillage) {
  setHealth(1, 1, 0);
  order(cellOf(1), 1, 1, TaskOccupy);
  const auto report = month();
  EXPECT_EQ(report, std::vector<std::string>{"Dragon " + name(1, 1) + " attacks Tarnby"});  // no line for the death
  EXPECT_EQ(shown(), (std::vector<std::string>{"ACTION:grd:" + name(1, 1) + " attacks Tarnby",
                                               "DRAGONDIED:" + name(1, 1) + " died"}));
  EXPECT_EQ(village(1).owner, 1);
  EXPECT_EQ(cellOf(1).guardOwner, 1);
  EXPECT_EQ(cellOf(1).guardDragon, 1);
  EXPECT_FALSE(dragon(1, 1).atHome);
}

TEST_F(MonthTest, OrdersForDragonsThatDoNotExistAreSkipped) {
  order(cellOf(1), 0, 7, TaskAttack);  // Harvek has no eighth dragon
  order(cellOf(1), 2, 1, TaskAttack);
  order(cellOf(3), 1, 5, TaskOccupy);
  cellOf(2).guardOwner = 0;  // a guard place beyond the list, caught in a revolt
  cellOf(2).guardDragon = 6;
  village(2).revolt = 95;
  const auto report = month();
  EXPECT_EQ(report, (std::vector<std::string>{"Village Cold Ford revolts against Harvek",
                                              "Dragon " + name(2, 1) + " attacks Tarnby"}));
  EXPECT_EQ(village(3).owner, 0);
  EXPECT_EQ(dragon(2, 1).attribute(Dragon::kHealth), 48);  // no fight in the air
}

TEST_F(MonthTest, LongNamesStayWholeInLinesAndScreens) {
  const std::string longName(1200, 'w');
  dragon(0, 1).name = longName.c_str();
  player(0).name = (longName + "h").c_str();
  village(1).name = (longName + "v").c_str();
  village(1).fightsAgainst = 2;
  village(2).fightsAgainst = 1;
  order(cellOf(1), 0, 1, TaskAttack);
  const auto report = month();
  ASSERT_EQ(report.size(), 2u);
  EXPECT_EQ(report[0], "Dragon " + longName + " attacks " + longName + "v");
  EXPECT_EQ(report[1].substr(0, 1208), "Player " + longName + "h");
  EXPECT_EQ(shown()[0], "ACTION:grd:" + longName + " attacks " + longName + "v");
}

// ---- Wars between villages -------------------------------------------------------------

std::string alternatingRaces(int villages) {
  std::string text;
  for (int i = 0; i < villages; ++i) {
    const std::string position = std::to_string(i % 20 + 1) + "," + std::to_string(i / 20 + 1);
    text += villageXml("V" + std::to_string(i), i % 2 ? "Reedkin" : "Fenfolk", position.c_str());
  }
  return land(text);
}

std::unique_ptr<CountryManager> read(const std::string& text) {
  seedRandom(1);
  auto country = CountryManager::fromXml(text.data(), text.size());
  EXPECT_EQ(country->failure().length(), 0);
  return country;
}

void makePeace(CountryManager& country) {
  for (int i = 0; i < country.villageCount(); ++i) {
    country.village(i).fightsAgainst = -1;
    country.village(i).fightMonths = 0;
  }
}

int villagesAtWar(CountryManager& country) {
  int count = 0;
  for (int i = 0; i < country.villageCount(); ++i) count += country.village(i).fightsAgainst >= 0;
  return count;
}

// With `atWar` villages at war and the limit drawn as `limit`: how many are at war after.
int atWarAfterUpdate(int atWar, int limit) {
  auto country = read(alternatingRaces(40));
  makePeace(*country);
  for (int i = 0; i < atWar; i += 2) {
    country->village(i).fightsAgainst = i + 1;
    country->village(i + 1).fightsAgainst = i;
  }
  seedRandom(seedWhere(1, [limit](const std::vector<int>& d) { return d[0] % 10 + 10 == limit; }));
  country->updateFights();
  return villagesAtWar(*country);
}

TEST(WarTest, NewWarsDependOnTheCountAndTheDrawnLimit) {
  EXPECT_EQ(atWarAfterUpdate(30, 10), 30);  // 15 wars are more than 10: none starts
  EXPECT_EQ(atWarAfterUpdate(12, 10), 16);  // 6 is not above 10, and 10 - 12 < 0: two
  EXPECT_EQ(atWarAfterUpdate(10, 11), 12);  // room for one
  EXPECT_EQ(atWarAfterUpdate(10, 10), 10);  // no room
  EXPECT_EQ(atWarAfterUpdate(8, 10), 12);   // room for two
}

// Three villages: Millbrook and Cold Ford of one race, Tarnby of another.
std::string threeVillages() {
  return land(villageXml("Millbrook", "Fenfolk", "1,1") + villageXml("Tarnby", "Reedkin", "5,1") +
              villageXml("Cold Ford", "Fenfolk", "10,2"));
}

TEST(WarTest, NewWarsTakeTheirVillagesFromTheDraws) {
  auto country = read(threeVillages());
  makePeace(*country);
  // Seed 3 draws 48, 7196, 9294, 9091, 7031: limit 18, room for two wars. The first: village
  // 7196 % 3 = 2 (Cold Ford); partner 9294 % 3 = 0 is of its race, 9091 % 3 = 1 (Tarnby) is
  // not. Millbrook is left alone at peace, so the second war is not drawn at all.
  seedRandom(3);
  country->updateFights();
  EXPECT_EQ(country->village(2).fightsAgainst, 1);
  EXPECT_EQ(country->village(1).fightsAgainst, 2);
  EXPECT_EQ(country->village(0).fightsAgainst, -1);
  EXPECT_EQ(randomNumber(), 7031);
  // Named from the village that comes first in the list.
  const auto report = country->fightReport();
  ASSERT_EQ(report.size(), 1u);
  EXPECT_STREQ(report[0].c_str(), "Tarnby fights against Cold Ford\n");
}

TEST(WarTest, AWarEndsInItsFifthUpdate) {
  auto country = read(threeVillages());
  makePeace(*country);
  country->village(0).fightsAgainst = 1;
  country->village(1).fightsAgainst = 0;
  for (int update = 1; update <= 4; ++update) {
    country->updateFights();  // Cold Ford has no partner left: no new war
    ASSERT_EQ(country->village(0).fightsAgainst, 1);
    ASSERT_EQ(country->village(1).fightMonths, update);
    ASSERT_EQ(country->village(2).fightsAgainst, -1);
  }
  country->updateFights();
  // The old war is over; the villages freed start one new war at once.
  ASSERT_EQ(country->fightReport().size(), 1u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(country->village(i).fightMonths, 0);
  EXPECT_GE(country->village(1).fightsAgainst, 0);  // Tarnby is the only other race
}

TEST(WarTest, ALandOfOneRaceStartsNoWarAndDrawsOnlyTheLimit) {
  const std::string text =
      land(villageXml("A", "Fenfolk", "1,1") + villageXml("B", "Fenfolk", "2,1") + villageXml("C", "Fenfolk", "3,1"));
  auto country = read(text);  // the land's first wars must not hang either
  EXPECT_EQ(villagesAtWar(*country), 0);
  const std::vector<int> d = draws(11, 2);
  country->updateFights();
  EXPECT_EQ(randomNumber(), d[1]);
  EXPECT_EQ(villagesAtWar(*country), 0);
}

TEST(WarTest, TheFightReportListsWarsBeyondTheHundredthVillage) {
  auto country = read(alternatingRaces(120));
  makePeace(*country);
  country->village(110).fightsAgainst = 115;
  country->village(115).fightsAgainst = 110;
  const auto report = country->fightReport();
  ASSERT_EQ(report.size(), 1u);
  EXPECT_STREQ(report[0].c_str(), "V110 fights against V115\n");
}

}  // namespace
}  // namespace monthtest
