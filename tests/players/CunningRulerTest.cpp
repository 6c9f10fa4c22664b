// The cunning computer ruler: the rules its turn must never break, over whole games on the
// game's own land, and what it may know of the talisman (only what the reports told).
#include "core/Random.h"
#include "support/RealLand.h"
#include "players/ComputerKind.h"
#include "players/CunningRuler.h"
#include "players/ItemManager.h"
#include "players/PlayerManager.h"
#include "players/TalismanNews.h"
#include "world/CountryManager.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Snapshot {
  std::array<std::array<CellOrder, 3>, CountryManager::kCells> orders{};
  std::vector<int> taxes;
  std::array<int, 3> money{};
  std::array<int, 3> eggsIn{};  // occupied places of each hatchery
};

int eggsIn(const Player& player) {
  int eggs = 0;
  for (int slot = 0; slot < Player::kIncubators; ++slot) eggs += player.egg(slot).occupied;
  return eggs;
}

Snapshot take(CountryManager& land) {
  Snapshot s;
  for (int i = 0; i < CountryManager::kCells; ++i)
    for (int p = 0; p < 3; ++p) s.orders[size_t(i)][size_t(p)] = land.cell(i).orders[p];
  for (int v = 0; v < land.villageCount(); ++v) s.taxes.push_back(land.village(v).tax);
  for (int p = 0; p < 3; ++p) {
    s.money[size_t(p)] = PlayerManager::instance().player(p)->money;
    s.eggsIn[size_t(p)] = eggsIn(*PlayerManager::instance().player(p));
  }
  return s;
}

// Everything one cunning turn of ruler `p` may and may not have done.
void checkTurn(int p, const Snapshot& before, CountryManager& land, int month) {
  const Player& ruler = *PlayerManager::instance().player(p);
  SCOPED_TRACE("ruler " + std::to_string(p) + ", month " + std::to_string(month));
  std::vector<int> ordersOfDragon(size_t(ruler.dragonCount()), 0);
  for (int i = 0; i < CountryManager::kCells; ++i) {
    const MapCell& cell = land.cell(i);
    for (int other = 0; other < 3; ++other)
      if (other != p) {
        EXPECT_EQ(cell.orders[other].dragon, before.orders[size_t(i)][size_t(other)].dragon) << "cell " << i;
      }
    const CellOrder& order = cell.orders[p];
    if (order.dragon < 0) continue;
    const Dragon* dragon = ruler.dragon(order.dragon);
    ASSERT_NE(dragon, nullptr) << "an order for a dragon place that does not exist, cell " << i;
    ++ordersOfDragon[size_t(order.dragon)];
    if (order.task == TaskRecall) {
      EXPECT_EQ(cell.guardOwner, p) << "a recall where the ruler has no guard, cell " << i;
      EXPECT_EQ(cell.guardDragon, order.dragon) << "a recall of another dragon than the guard, cell " << i;
    } else {
      ASSERT_TRUE(order.task == TaskAttack || order.task == TaskOccupy) << "cell " << i;
      EXPECT_TRUE(dragon->alive()) << "an order for a dead dragon, cell " << i;
      EXPECT_FALSE(land.isStationed(p, order.dragon)) << "an order for a dragon on guard, cell " << i;
      EXPECT_GE(cell.village, 0) << "a dragon sent where no village is, cell " << i;
    }
  }
  for (size_t d = 0; d < ordersOfDragon.size(); ++d) EXPECT_LE(ordersOfDragon[d], 1) << "dragon " << d;
  for (int v = 0; v < land.villageCount(); ++v) {
    const Village& village = land.village(v);
    if (village.owner == p) {
      EXPECT_GE(village.tax, 0);
      EXPECT_LE(village.tax, 100);
    } else {
      EXPECT_EQ(village.tax, before.taxes[size_t(v)]) << "the tax of a village of another, " << v;
    }
  }
  // Without a dealer's catalogue nothing is sold; nothing is bought; the purse only falls
  // when the rules heat eggs, which is not this turn.
  EXPECT_EQ(ruler.money, before.money[size_t(p)]);
  // An egg laid when every lair is taken or promised would hatch into nothing.
  if (eggsIn(ruler) > before.eggsIn[size_t(p)]) {
    EXPECT_LE(ruler.livingDragons() + eggsIn(ruler), Player::kMaxDragons);
  }
}

// A new game on the real land. The rulers are marked human so that their own month does
// not move for them: each test calls the cunning turn itself, where it can watch it.
class CunningTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { text_ = readRealLand(); }
  void SetUp() override {
    ASSERT_FALSE(text_.empty());
    seedRandom(9);
    newGame();
    ruler_ = &player(1);
  }
  void TearDown() override {
    PlayerManager::destroy();
    CountryManager::destroy();
  }
  void newGame() { land_ = &newGameOn(text_, {HumanPlayer, HumanPlayer, HumanPlayer}); }
  static Player& player(int p) { return *PlayerManager::instance().player(p); }
  // After the rulers' turns: their own months, then the land's, whose report the news learns.
  std::vector<String> endMonth() {
    for (int p = 0; p < 3; ++p) {
      player(p).startMonth();
      EXPECT_GE(player(p).money, 0) << "ruler " << p;
    }
    std::vector<String> report = land_->processMonth(nullptr);
    TalismanNews::instance().learn(report, *land_);
    return report;
  }

  static inline std::string text_;
  CountryManager* land_ = nullptr;
  Player* ruler_ = nullptr;
};

TEST_F(CunningTest, ItsTurnsKeepEveryRuleOverWholeGamesAndSometimesWin) {
  int talismans = 0;
  int ordersSeen = 0;
  for (uint32_t seed : {1u, 2u, 3u}) {
    seedRandom(seed);
    newGame();
    for (int month = 1; month <= 400; ++month) {
      for (int p = 0; p < 3; ++p) {
        const Snapshot before = take(*land_);
        playCunningMonth(player(p), *land_);
        checkTurn(p, before, *land_, month);
        if (::testing::Test::HasFailure()) return;
      }
      for (int i = 0; i < CountryManager::kCells; ++i) ordersSeen += land_->cell(i).orders[0].dragon >= 0;
      endMonth();
      if (land_->talismanWinner() >= 0) {
        ++talismans;
        newGame();
      }
    }
  }
  EXPECT_GT(ordersSeen, 0);
  EXPECT_GT(talismans, 0) << "three cunning rulers never completed the talisman";
}

// Where the parts lie is not on any screen: moving them to other villages changes nothing
// the ruler does until a report tells of one.
TEST_F(CunningTest, DoesNotSeeWhereThePartsLie) {
  auto play = [&](bool moveParts, std::vector<Snapshot>& turns) {
    seedRandom(5);
    newGame();
    if (moveParts) {
      std::vector<int> parts, others;
      for (int i = 0; i < CountryManager::kCells; ++i) {
        if (land_->cell(i).village < 0) continue;
        (land_->cell(i).talisman ? parts : others).push_back(i);
      }
      for (int i : parts) land_->cell(i).talisman = 0;
      for (size_t k = 0; k < parts.size(); ++k) land_->cell(others[others.size() - 1 - k]).talisman = 1;
    }
    for (int month = 0; month < 30; ++month) {
      for (int p = 0; p < 3; ++p) playCunningMonth(player(p), *land_);
      turns.push_back(take(*land_));
      for (const String& line : endMonth())
        if (std::string(line.c_str()).find("found a part") != std::string::npos) return;
    }
  };
  std::vector<Snapshot> asRead, moved;
  play(false, asRead);
  play(true, moved);
  const size_t months = std::min(asRead.size(), moved.size());
  ASSERT_GE(months, 2u);
  for (size_t m = 0; m < months; ++m)
    for (size_t i = 0; i < size_t(CountryManager::kCells); ++i)
      for (size_t p = 0; p < 3; ++p) {
        const CellOrder &a = asRead[m].orders[i][p], &b = moved[m].orders[i][p];
        EXPECT_EQ(std::tie(a.dragon, a.task), std::tie(b.dragon, b.task)) << "month " << m + 1 << ", cell " << i;
      }
}

// The tax follows the unrest shown on the map: each band stirs a village by at most as
// much as keeps it at 70 or below, where it never revolts; above that it is calmed.
TEST_F(CunningTest, TaxesFollowTheUnrest) {
  const struct {
    int unrest, tax;
  } cases[] = {{0, 79}, {36, 79}, {37, 59}, {56, 59}, {57, 39}, {70, 39}, {71, 10}, {100, 10}};
  for (const auto& c : cases) {
    Village& village = land_->village(0);
    village.owner = ruler_->index;
    village.revolt = c.unrest;
    village.tax = 50;
    playCunningMonth(*ruler_, *land_);
    EXPECT_EQ(village.tax, c.tax) << "unrest " << c.unrest;
    land_->clearOrders();
  }
}

TEST_F(CunningTest, LaysEggsOnlyWhileThePurseAndTheLairsAllow) {
  ruler_->money = 0;
  playCunningMonth(*ruler_, *land_);
  EXPECT_EQ(eggsIn(*ruler_), 0);

  ruler_->money = 1000;
  while (ruler_->dragonCount() < Player::kMaxDragons) ruler_->dragons.push_back(ruler_->dragons[0]);
  playCunningMonth(*ruler_, *land_);
  EXPECT_EQ(eggsIn(*ruler_), 0);

  // Two lairs free (two dead dragons): two eggs, at full heat; a cooled egg is warmed again.
  land_->clearOrders();
  ruler_->dragons[6].attributes[Dragon::kHealth] = 0;
  ruler_->dragons[7].attributes[Dragon::kHealth] = 0;
  playCunningMonth(*ruler_, *land_);
  EXPECT_EQ(eggsIn(*ruler_), 2);
  for (int slot = 0; slot < Player::kIncubators; ++slot) {
    if (ruler_->egg(slot).occupied) {
      EXPECT_EQ(ruler_->egg(slot).heat, 100);
    }
  }
  ruler_->setHeat(0, 0);
  land_->clearOrders();
  playCunningMonth(*ruler_, *land_);
  EXPECT_EQ(ruler_->egg(0).heat, 100);
}

// A part the reports told of is taken from the ruler who holds it; a guard on a village
// without one is called home; the same dragon is never sent twice.
TEST_F(CunningTest, GoesForTheToldPartsAndCallsIdleGuardsHome) {
  // The ruler's dragons: place 0 guards a village with no part, 1 and 2 are free, 3 dead.
  ruler_->dragons.resize(4, ruler_->dragons[0]);
  for (Dragon& d : ruler_->dragons) d.attributes[Dragon::kHealth] = 30;
  ruler_->dragons[3].attributes[Dragon::kHealth] = 0;
  std::vector<int> villages;
  for (int i = 0; i < CountryManager::kCells; ++i)
    if (land_->cell(i).village >= 0) villages.push_back(i);
  MapCell& idle = land_->cell(villages[0]);
  idle.guardOwner = ruler_->index;
  idle.guardDragon = 0;
  ruler_->dragons[0].atHome = false;
  MapCell& part = land_->cell(villages[1]);
  part.guardOwner = 2;
  part.guardDragon = 0;
  const String attack = String("Dragon ") + "Anyone attacks " + land_->village(part.village).name;
  TalismanNews::instance().learn({attack, String("Sivrane found a part of the talisman")}, *land_);
  ASSERT_EQ(TalismanNews::instance().cell(villages[1]), TalismanNews::Cell::Part);

  playCunningMonth(*ruler_, *land_);
  EXPECT_EQ(idle.orders[ruler_->index].task, TaskRecall);
  EXPECT_EQ(idle.orders[ruler_->index].dragon, 0);
  EXPECT_EQ(part.orders[ruler_->index].task, TaskOccupy);
  EXPECT_EQ(part.orders[ruler_->index].dragon, 1);
  for (int i = 0; i < CountryManager::kCells; ++i)
    EXPECT_NE(land_->cell(i).orders[ruler_->index].dragon, 3) << "the dead dragon was sent, cell " << i;
}

// What one month's report tells of the talisman, line by line.
TEST_F(CunningTest, TalismanNewsReadsTheReport) {
  auto cellOf = [&](const char* name) {
    for (int i = 0; i < CountryManager::kCells; ++i)
      if (land_->cell(i).village >= 0 && land_->village(land_->cell(i).village).name == String(name)) return i;
    return -1;
  };
  const int mirewick = cellOf("Mirewick"), brackfen = cellOf("Brackfen"), peatly = cellOf("Peatly");
  ASSERT_TRUE(mirewick >= 0 && brackfen >= 0 && peatly >= 0);
  using Cell = TalismanNews::Cell;
  const struct {
    std::vector<const char*> lines;
    bool guardOnBrackfen;
    Cell mirewick, brackfen;
  } cases[] = {
      {{"Dragon Sorvik attacks Mirewick", "Harvek found a part of the talisman"}, false, Cell::Part, Cell::Unknown},
      // Reward lines come between the attack and the find.
      {{"Dragon Sorvik attacks Mirewick", "Player Harvek gets a reward of 3", "Harvek found a part of the talisman"},
       false, Cell::Part, Cell::Unknown},
      // The find belongs to the last attack before it.
      {{"Dragon Sorvik attacks Mirewick", "Dragon Fjenna attacks Brackfen", "Sivrane found a part of the talisman"},
       false, Cell::Unknown, Cell::Part},
      // An attacker that stayed as guard without a find: no part there; one that left: unknown.
      {{"Dragon Sorvik attacks Mirewick", "Dragon Fjenna attacks Brackfen"}, true, Cell::Unknown, Cell::NoPart},
      // Neither a fight in the air nor a name that only ends like a village's is an attack.
      {{"Dragonfight Sorvik vs. Fjenna", "Dragon Sorvik attacks XMirewick", "Harvek found a part of the talisman"},
       false, Cell::Unknown, Cell::Unknown},
      {{"Dragon Brackfen attacks Peatly", "Orlenna found a part of the talisman"}, true, Cell::Unknown,
       Cell::Unknown},
  };
  for (size_t k = 0; k < std::size(cases); ++k) {
    TalismanNews& news = TalismanNews::instance();
    news.forget();
    land_->cell(brackfen).guardOwner = cases[k].guardOnBrackfen ? 0 : -1;
    std::vector<String> report;
    for (const char* line : cases[k].lines) report.emplace_back(line);
    news.learn(report, *land_);
    EXPECT_EQ(news.cell(mirewick), cases[k].mirewick) << "case " << k;
    EXPECT_EQ(news.cell(brackfen), cases[k].brackfen) << "case " << k;
  }
  EXPECT_EQ(TalismanNews::instance().cell(peatly), Cell::Part);
  EXPECT_EQ(TalismanNews::instance().partsKnown(), 1);
  // A part once told stays told, whoever guards it later.
  TalismanNews::instance().learn({String("Dragon Fjenna attacks Peatly")}, *land_);
  EXPECT_EQ(TalismanNews::instance().cell(peatly), Cell::Part);
  // A new game forgets.
  PlayerManager::startGame({HumanPlayer, HumanPlayer, HumanPlayer});
  EXPECT_EQ(TalismanNews::instance().partsKnown(), 0);
}

// The dealer pays what the shop pays: the value truncated, per piece; an item the
// catalogue does not know is kept, and nothing else changes hands.
TEST_F(CunningTest, SellsTheInventoryAtTheShopsPrices) {
  const char xml[] =
      "<items>"
      "<item name='A' image='a.gif' desc='a.jpg' level='1' value='12.9'/>"
      "<item name='B' image='b.gif' desc='b.jpg' level='1' value='0.5'/>"
      "<item name='C' image='c.gif' desc='c.jpg' level='1' value='3'/>"
      "</items>";
  std::unique_ptr<ItemManager> catalogue = ItemManager::fromXml(xml, sizeof xml - 1);
  ASSERT_EQ(catalogue->count(), 3);
  ruler_->items.clear();
  ruler_->addItem(0, 2);
  ruler_->addItem(1, 5);
  ruler_->addItem(2, 1);
  ruler_->addItem(9, 4);  // unknown to this catalogue
  ruler_->money = 0;
  EXPECT_EQ(sellInventory(*ruler_, *catalogue), 2 * 12 + 5 * 0 + 3);
  EXPECT_EQ(ruler_->money, 27);
  EXPECT_EQ(ruler_->items.size(), 1u);
  EXPECT_EQ(ruler_->itemCount(9), 4);
  EXPECT_EQ(sellInventory(*ruler_, *catalogue), 0);
  EXPECT_EQ(ruler_->money, 27);
}

// The option and the preference parse the kind's names; here its case and the rulers.
TEST(ComputerKindTest, OneChoiceForEveryRulerOrOneEach) {
  ComputerKind kind = ComputerKind::Cunning;
  EXPECT_FALSE(parseComputerKind("Cunning", kind));
  EXPECT_EQ(kind, ComputerKind::Cunning);
  setComputerKind(ComputerKind::Cunning);
  setComputerKind(1, ComputerKind::Classic);
  setComputerKind(7, ComputerKind::Classic);  // ignored
  EXPECT_EQ(computerKind(0), ComputerKind::Cunning);
  EXPECT_EQ(computerKind(1), ComputerKind::Classic);
  EXPECT_EQ(computerKind(2), ComputerKind::Cunning);
  EXPECT_EQ(computerKind(-1), ComputerKind::Classic);
  setComputerKind(ComputerKind::Classic);
}

}  // namespace
