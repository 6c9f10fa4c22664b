#include "core/Random.h"
#include "support/RealLand.h"
#include "world/CountryManager.h"
#include "world/LandText.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using landtext::kTwoRaces;
using landtext::villageXml;

std::string land(const std::string& villages, const std::string& extra = "") {
  return landtext::landXml(villages, {"Ashwing", "Mistclaw"}, kTwoRaces + extra);
}

std::string threeVillages() {
  return villageXml("Millbrook", "Fenfolk", "3,4") + villageXml("Tarnby", "Reedkin", "10,5", 1001) +
         villageXml("Cold Ford", "Fenfolk", "18,13", 1000);
}

std::unique_ptr<CountryManager> read(const std::string& text) {
  return CountryManager::fromXml(text.data(), text.size());
}

class CountryTest : public ::testing::Test {
protected:
  void SetUp() override { seedRandom(5); }
};

TEST_F(CountryTest, ReadsTheLandItsNamesAndVillages) {
  auto country = read(land(threeVillages()));
  ASSERT_TRUE(country->failure().length() == 0) << country->failure().c_str();
  EXPECT_STREQ(country->areaName().c_str(), "Nevelholm");
  EXPECT_STREQ(country->timeName().c_str(), "Moon");
  EXPECT_STREQ(country->moneySingle().c_str(), "crystal");
  EXPECT_STREQ(country->moneyMulti().c_str(), "crystals");
  EXPECT_STREQ(country->playerName(2).c_str(), "Sivrane");
  EXPECT_EQ(country->dragonNameCount(), 2);
  ASSERT_EQ(country->villageCount(), 3);
  const Village& millbrook = country->village(0);
  EXPECT_EQ(millbrook.x, 2);  // the file counts from 1
  EXPECT_EQ(millbrook.y, 3);
  EXPECT_EQ(country->cell(62).village, 0);
  EXPECT_EQ(millbrook.race, 0);
  EXPECT_EQ(millbrook.owner, -1);
  EXPECT_EQ(millbrook.fightsAgainst, -1);
  EXPECT_GE(millbrook.revolt, 1);
  EXPECT_LE(millbrook.revolt, 10);
  EXPECT_GE(millbrook.tax, 1);
  EXPECT_LE(millbrook.tax, 4);
  EXPECT_EQ(country->village(2).index, 2);
  EXPECT_EQ(country->village(1).population, 1001);
}

TEST_F(CountryTest, TheTalismanLiesInThreeDifferentVillages) {
  for (uint32_t seed = 0; seed < 20; ++seed) {
    seedRandom(seed);
    auto country = read(land(threeVillages()));
    std::set<int> villages;
    int parts = 0;
    for (int i = 0; i < CountryManager::kCells; ++i)
      if (country->cell(i).talisman) {
        ++parts;
        villages.insert(country->cell(i).village);
      }
    EXPECT_EQ(parts, 3);
    EXPECT_EQ(villages, (std::set<int>{0, 1, 2}));
  }
}

TEST_F(CountryTest, RaceTextMatchesAfterLeadingBlanksOnly) {
  ::testing::internal::CaptureStderr();
  auto country = read(land(villageXml("A", "   Reedkin", "1,1") + villageXml("B", "Reedkin ", "2,2") +
                           villageXml("C", "Fenfolk", "3,3") + villageXml("D", "Fenfolk", "4,4")));
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("CountryManager::XMLCharData(): ERROR: unknown race 'Reedkin ' found !\n"), std::string::npos);
  // A village without a known race cannot be drawn: the land is refused.
  EXPECT_NE(std::string(country->failure().c_str()).find("village 'B' has no known race"), std::string::npos);
}

TEST_F(CountryTest, TwoVillagesOnOneCell) {
  auto country = read(land(threeVillages() + villageXml("Second", "Reedkin", "3,4")));
  EXPECT_EQ(country->cell(2, 3).village, 3);                    // the cell names the later one
  EXPECT_STREQ(country->villageAt(2 * 35, 3 * 35)->name.c_str(), "Millbrook");  // the search the first
}

TEST_F(CountryTest, MissingAttributesAreReportedAndSkipped) {
  ::testing::internal::CaptureStderr();
  auto country = read(land(threeVillages(), R"(<village><position>5,5</position></village><money name_single="x"/>)"
                                            R"(<race name="Noble"/><dragon/>)"));
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("a 'village' tag should have a 'name' attribute !"), std::string::npos);
  EXPECT_NE(said.find("a 'money' tag should have a 'name_multi' attribute !"), std::string::npos);
  EXPECT_NE(said.find("a 'dragon' tag should have a 'name' attribute !"), std::string::npos);
  EXPECT_EQ(country->raceCount(), 2);  // the race without a colour is not added
  EXPECT_EQ(country->villageCount(), 3);
  EXPECT_EQ(country->dragonNameCount(), 2);
}

TEST_F(CountryTest, ALandTheGameCannotPlayIsRefused) {
  auto empty = read(land(""));
  EXPECT_STREQ(empty->failure().c_str(), "please check 'country.xml', it seems to be invalid !\n");
  auto two = read(land(villageXml("A", "Fenfolk", "1,1") + villageXml("B", "Fenfolk", "2,2")));
  EXPECT_NE(std::string(two->failure().c_str()).find("cannot hold the three parts"), std::string::npos);
  auto outside = read(land(threeVillages() + villageXml("Far", "Fenfolk", "21,3")));
  EXPECT_NE(std::string(outside->failure().c_str()).find("village 'Far' lies outside the map"), std::string::npos);
  auto noRow = read(land(threeVillages() + villageXml("Half", "Fenfolk", "4")));
  EXPECT_NE(std::string(noRow->failure().c_str()).find("lies outside"), std::string::npos);
  std::string races;
  for (int i = 0; i < 7; ++i) races += "<race name=\"R" + std::to_string(i) + "\" color=\"#000\"/>";
  auto seven = read(land(threeVillages(), races));
  EXPECT_NE(std::string(seven->failure().c_str()).find("9 races, at most 6"), std::string::npos);
}

TEST_F(CountryTest, MapGeometry) {
  auto country = read(land(threeVillages()));
  MapCell* corner = country->cellAt(640, 480);
  ASSERT_NE(corner, nullptr);
  EXPECT_EQ(corner->x, 18);
  EXPECT_EQ(corner->y, 13);
  EXPECT_EQ(country->cellAt(641, 0), nullptr);
  EXPECT_EQ(country->cellAt(0, -1), nullptr);
  EXPECT_EQ(country->cellAt(34, 35)->y, 1);
  EXPECT_EQ(country->cell(7).terrain, 3);  // column mod 4
  EXPECT_EQ(country->castleDistance(1, 9, 0), 0);
  EXPECT_EQ(country->castleDistance(0, 3, 4), 1000);
  EXPECT_EQ(country->castleDistance(2, 5, 9), 0);
  EXPECT_EQ(country->castleDistance(0, 20, 0), 0);
  EXPECT_EQ(country->castleDistance(7, 3, 4), 1000);  // an unknown player measures from the first castle
}

TEST_F(CountryTest, OrdersAndGuards) {
  auto country = read(land(threeVillages()));
  EXPECT_FALSE(country->hasOrder(1, 4, 4));
  country->cell(4, 4).orders[1] = {2, TaskAttack, 60};
  country->cell(9, 9).orders[1] = {2, TaskOccupy, 10};
  EXPECT_TRUE(country->hasOrder(1, 4, 4));
  EXPECT_FALSE(country->hasOrder(0, 4, 4));
  EXPECT_EQ(country->findOrderCell(1, 2), &country->cell(4, 4));  // the first in cell order
  EXPECT_EQ(country->findOrderCell(1, 3), nullptr);
  country->clearOrders();
  EXPECT_FALSE(country->hasOrder(1, 4, 4));
  EXPECT_EQ(country->cell(9, 9).orders[1].task, -1);
  EXPECT_EQ(country->cell(9, 9).orders[1].effort, 0);

  MapCell& guarded = country->cell(country->village(1).x, country->village(1).y);
  guarded.guardOwner = 2;
  guarded.guardDragon = 0;
  EXPECT_TRUE(country->isStationed(2, 0));
  EXPECT_FALSE(country->isStationed(2, 1));
  EXPECT_EQ(country->talismanParts(2), 1);  // every village holds a part in a land of three
  EXPECT_EQ(country->talismanParts(0), 0);
  EXPECT_STREQ(country->raceName(1).c_str(), "Reedkin");
  EXPECT_STREQ(country->raceName(2).c_str(), "");
  EXPECT_STREQ(country->raceName(-1).c_str(), "");
  EXPECT_STREQ(country->dragonName(2).c_str(), "");
}


// The land the game ships is one it can play.
TEST(ShippedLandTest, TheGamesOwnLandLoads) {
  const std::string text = readRealLand();
  ASSERT_FALSE(text.empty());
  seedRandom(1);
  auto country = CountryManager::fromXml(text.data(), text.size());
  EXPECT_EQ(country->failure().length(), 0) << country->failure().c_str();
  EXPECT_GE(country->villageCount(), 40);
  EXPECT_GE(country->dragonNameCount(), 40);
  EXPECT_LE(country->raceCount(), CountryManager::kMaxRaces);
}

}  // namespace
