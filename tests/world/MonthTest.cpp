// The land's month: taxes and revolts, guards caught in them, defeat and poverty, the
// talisman and the state dump's wars.
#include "MonthFixture.h"

#include "app/StateDump.h"

namespace monthtest {
namespace {

TEST_F(MonthTest, TaxBandsStirTheVillagesAndPayATenth) {
  village(0).tax = 100;  // + 100: revolts; no guard, so it stays Harvek's and pays nothing
  village(1).tax = 60;   // + 10 to 34
  village(1).revolt = 20;
  village(2).tax = 59;  // + 5 to 14
  village(2).revolt = 10;
  village(3).tax = 11;  // unchanged, and 70 does not revolt
  village(3).revolt = 70;
  village(4).tax = 10;  // - 2, but not below 0
  village(4).revolt = 1;
  village(5).owner = -1;  // a free village calms down to 1 to 10
  village(5).revolt = 50;
  player(1).accounts[AccountTaxes] = 77;

  // The war limit, then the draws of villages 1, 2 and the free village 5, in cell order.
  const std::vector<int> d = draws(7, 5);
  const auto report = month();

  EXPECT_EQ(report, std::vector<std::string>{"Village Millbrook revolts against Harvek"});
  EXPECT_EQ(village(0).revolt, 100);
  EXPECT_EQ(village(0).owner, 0);
  EXPECT_EQ(village(1).revolt, 20 + d[1] % 25 + 10);
  EXPECT_EQ(village(2).revolt, 10 + d[2] % 10 + 5);
  EXPECT_EQ(village(3).revolt, 70);
  EXPECT_EQ(village(4).revolt, 0);
  EXPECT_EQ(village(5).revolt, d[3] % 10 + 1);
  EXPECT_EQ(randomNumber(), d[4]);  // no other draw was made

  // 6 + 5 + 1 + 1: a tenth of each tax, at least one piece.
  EXPECT_EQ(player(0).money, 113);
  EXPECT_EQ(player(0).accounts[AccountTaxes], 13);
  EXPECT_EQ(player(1).money, 100);
  EXPECT_EQ(player(1).accounts[AccountTaxes], 77);  // no income: left as it was
}

TEST_F(MonthTest, SmallTaxesYieldOnePieceAndLargeOnesAFullTenth) {
  const int taxes[6] = {0, 19, 29, 39, 20, 30};  // none of them stirs a village
  for (int k = 0; k < 6; ++k) village(k).tax = taxes[k];
  month();
  EXPECT_EQ(player(0).accounts[AccountTaxes], 1 + 1 + 2 + 3 + 2 + 3);
}

TEST_F(MonthTest, RevoltsAbove90AlwaysFrom71ByChanceAt70Never) {
  village(0).revolt = 91;  // revolts without a draw
  village(1).revolt = 71;
  village(2).revolt = 90;
  village(3).revolt = 70;
  // A month in which village 1 draws a revolt and village 2 does not.
  seedWhere(3, [](const std::vector<int>& d) { return d[1] % 20 > 10 && d[2] % 20 <= 10; });
  const auto report = month();
  EXPECT_EQ(report, (std::vector<std::string>{"Village Millbrook revolts against Harvek",
                                              "Village Tarnby revolts against Harvek"}));
  EXPECT_EQ(player(0).accounts[AccountTaxes], 2 * 4);  // the four quiet villages
}

TEST_F(MonthTest, GuardsCaughtInARevoltAreWeakenedFleeOrDie) {
  village(0).tax = 80;  // revolt 100: the guard always flees
  guard(0, 0, 1);
  village(1).revolt = 90;  // revolts by draw, the guard stays
  guard(1, 0, 2);
  village(2).revolt = 90;  // revolts by draw, the guard flees by draw
  guard(2, 0, 3);
  village(3).owner = 1;  // 95: a dead guard flees and is killed
  village(3).revolt = 95;
  guard(3, 1, 1);
  setHealth(1, 1, 0);
  village(4).owner = 2;  // 91: a dead guard stays and is killed
  village(4).revolt = 91;
  guard(4, 2, 1);
  setHealth(2, 1, 0);

  // Draws: the war limit; village 0 escape; 1 revolt, escape; 2 revolt, escape; 3 escape;
  // 4 escape.
  seedWhere(8, [](const std::vector<int>& d) {
    return d[2] % 20 > 10 && d[3] % 100 <= 80 && d[4] % 20 > 10 && d[5] % 100 > 80 && d[7] % 100 <= 80;
  });
  const auto report = month();

  const std::vector<std::string> expected = {
      "Village Millbrook revolts against Harvek", name(0, 1) + " escaped from the village",
      "Village Tarnby revolts against Harvek",
      "Village Cold Ford revolts against Harvek", name(0, 3) + " escaped from the village",
      "Village Ashby revolts against Orlenna", name(1, 1) + " escaped from the village",
      name(1, 1) + " was killed by the inhabitants",
      "Village Brill revolts against Sivrane", name(2, 1) + " was killed by the inhabitants"};
  EXPECT_EQ(report, expected);
  EXPECT_EQ(shown(), (std::vector<std::string>{"DRAGONDIED:" + name(1, 1) + " died", "DRAGONDIED:" + name(2, 1) + " died"}));

  // Fled: the village is free and calm, its tax 1, the guard at home.
  for (int k : {0, 2, 3}) {
    EXPECT_EQ(village(k).owner, -1) << k;
    EXPECT_EQ(village(k).revolt, 0) << k;
    EXPECT_EQ(village(k).tax, 1) << k;
    EXPECT_EQ(cellOf(k).guardOwner, -1) << k;
    EXPECT_EQ(cellOf(k).guardDragon, -1) << k;
  }
  EXPECT_TRUE(dragon(0, 1).atHome);
  EXPECT_TRUE(dragon(0, 3).atHome);
  EXPECT_TRUE(dragon(1, 1).atHome);
  // Stayed: still the guard; the village keeps paying (the killed guard's at tax 1).
  EXPECT_FALSE(dragon(0, 2).atHome);
  EXPECT_EQ(cellOf(1).guardDragon, 2);
  EXPECT_EQ(village(1).owner, 0);
  EXPECT_EQ(cellOf(4).guardOwner, 2);
  EXPECT_EQ(cellOf(4).guardDragon, 1);
  EXPECT_EQ(village(4).tax, 1);
  // Every guard lost a tenth; the dead stay dead.
  EXPECT_EQ(dragon(0, 1).attribute(Dragon::kHealth), 45);
  EXPECT_EQ(dragon(0, 2).attribute(0), 45);
  EXPECT_EQ(dragon(1, 1).attribute(Dragon::kHealth), 0);
  // Harvek: village 1 and village 5 pay 2 each; Sivrane's village pays 1 at tax 1.
  EXPECT_EQ(player(0).accounts[AccountTaxes], 4);
  EXPECT_EQ(player(1).accounts[AccountTaxes], 0);
  EXPECT_EQ(player(2).accounts[AccountTaxes], 1);
}

TEST_F(MonthTest, RulersWithoutLivingDragonsLoseAndThePoorAreWarned) {
  while (player(0).dragonCount() < 8) addDragon(0);
  for (int d = 1; d < 8; ++d) setHealth(0, d, 0);  // one of eight alive: not lost
  player(0).poorMonths = 1;
  for (int d = 0; d < 4; ++d) setHealth(1, d, 0);
  player(2).dragons.clear();
  player(2).poorMonths = 3;  // having lost says more than being poor
  const std::string longName(1500, 'k');
  player(2).name = longName.c_str();

  const std::vector<std::string> expected = {"Harvek needs more money !", "Orlenna lost all dragons, game over !",
                                             longName + " lost all dragons, game over !"};
  EXPECT_EQ(month(), expected);
  EXPECT_EQ(player(0).type, HumanPlayer);
  EXPECT_EQ(player(1).type, ComputerPlayer);
  EXPECT_EQ(player(2).type, ComputerPlayer);
  EXPECT_EQ(month(), expected);  // again every month
}

TEST_F(MonthTest, AFoundPartIsReportedAndTheMonthGoesOn) {
  cellOf(0).talisman = 1;
  order(cellOf(0), 0, 1, TaskOccupy);
  const auto report = month();
  EXPECT_EQ(report, (std::vector<std::string>{"Dragon " + name(0, 1) + " attacks Millbrook",
                                              "Harvek found a part of the talisman"}));
  EXPECT_EQ(country->talismanWinner(), -1);
  EXPECT_EQ(cellOf(0).orders[0].dragon, -1);  // orders cleared
}

TEST_F(MonthTest, TheThirdTalismanPartEndsTheGameAtOnce) {
  for (int k : {0, 2, 4}) cellOf(k).talisman = 1;
  village(0).owner = village(2).owner = 1;
  guard(0, 1, 1);
  guard(2, 1, 2);
  order(cellOf(4), 1, 3, TaskOccupy);
  order(cellOf(5), 0, 1, TaskAttack);  // a later cell: not reached
  for (int d = 0; d < 4; ++d) setHealth(2, d, 0);  // would have lost, but the game ends first

  const auto report = month();
  EXPECT_EQ(report, std::vector<std::string>{"Dragon " + name(1, 3) + " attacks Brill"});
  EXPECT_EQ(shown().back(), "WINSCREEN:Orlenna completed the|talisman. Game over !");
  EXPECT_EQ(country->talismanWinner(), 1);
  EXPECT_TRUE(rig.app.restartRequested);
  EXPECT_EQ(village(5).owner, 0);
  EXPECT_EQ(cellOf(5).orders[0].dragon, 1);  // the orders stay
  EXPECT_EQ(cellOf(4).orders[1].dragon, 3);
  EXPECT_EQ(player(2).type, HumanPlayer);

  cellOf(4).orders[1] = CellOrder{};
  month();
  EXPECT_EQ(country->talismanWinner(), -1);  // forgotten at the next month
}

TEST_F(MonthTest, ALandWithoutPicturesDrawsNothing) {
  guard(0, 0, 1);  // a guard, an owner's cross and an order mark, none of them loaded
  order(cellOf(5), 0, 2, TaskAttack);
  Bitmap map(640, 480);
  country->drawVillages(map);
  for (int x = 0; x < 640; x += 7)
    for (int y = 0; y < 480; y += 7) ASSERT_EQ(map.getPixel(x, y), 0x5555);
}

TEST_F(MonthTest, TheStateDumpListsTheWars) {
  village(1).fightsAgainst = 4;
  village(4).fightsAgainst = 1;
  village(1).fightMonths = village(4).fightMonths = 3;
  village(0).fightsAgainst = 5;
  village(5).fightsAgainst = 0;
  village(0).fightMonths = village(5).fightMonths = 1;
  const auto values = stateValues();
  ASSERT_EQ(values.count("war.0"), 1u);
  EXPECT_EQ(values.at("war.0"), "0 5 1");
  EXPECT_EQ(values.at("war.1"), "1 4 3");
  EXPECT_EQ(values.count("war.2"), 0u);
}

}  // namespace
}  // namespace monthtest
