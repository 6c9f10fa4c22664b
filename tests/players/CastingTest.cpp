#include "players/Draws.h"
#include "players/Player.h"
#include "players/SpellMixing.h"
#include "world/CountryManager.h"
#include "world/LandText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using draws::draws;
using landtext::villageXml;

std::unique_ptr<CountryManager> smallLand() {
  const std::string text = landtext::landXml(villageXml("One", "Fenfolk", "1,1") +
                                             villageXml("Two", "Reedkin", "2,1", 20) +
                                             villageXml("Three", "Fenfolk", "3,1", 300));
  return CountryManager::fromXml(text.data(), text.size());
}

class CastingTest : public ::testing::Test {
protected:
  void SetUp() override {
    land = smallLand();
    seedRandom(3);
    caster.dragons.clear();
    Dragon d;
    for (int i = 0; i < 6; ++i) d.setAttribute(i, 50);
    caster.dragons.push_back(d);
  }

  SpellMixing mixWith(uint32_t target, int items) {
    SpellMixing m;
    testing::internal::CaptureStderr();
    m.open(ScreenParam(target));
    for (int i = 0; i < items; ++i) m.dropItem(i, 0);
    testing::internal::GetCapturedStderr();
    return m;
  }

  std::unique_ptr<CountryManager> land;
  Player caster{0, String("A"), HumanPlayer};
};

TEST_F(CastingTest, ADragonSpellMovesTwoAttributesByDrawsAndRaisesTheFirst) {
  SpellMixing m = mixWith(kSpellOnDragon + 0, 2);
  const std::vector<int> r = draws(9, 2);
  EXPECT_STREQ(m.cast(caster, *land), "Spell successfully casted on the dragon");
  const Dragon& d = *caster.dragon(0);
  EXPECT_EQ(d.attribute(2), 50 + r[0] % 9 - 4);
  EXPECT_EQ(d.attribute(3), 50 + r[1] % 9 - 4);
  EXPECT_EQ(d.attribute(0), 51);
  EXPECT_EQ(d.attribute(1), 50);
}

TEST_F(CastingTest, AChangeThatWouldLeaveZeroToNinetyNineIsNotMade) {
  // Find a seed whose health draw is -4, and cast on a dragon of health 2 and attribute 0
  // at 99.
  Dragon& d = *caster.dragon(0);
  d.setAttribute(3, 2);
  d.setAttribute(0, 99);
  SpellMixing m = mixWith(kSpellOnDragon, 1);
  draws::seedWhere(2, [](const std::vector<int>& r) { return r[1] % 9 == 0; });
  m.cast(caster, *land);
  EXPECT_EQ(d.attribute(3), 2);
  EXPECT_EQ(d.attribute(0), 99);
}

// A village spell moves the population by a draw; a savegame takes a population within the
// bound either way, so a spell stops there.
TEST_F(CastingTest, AVillageSpellChangesThePopulationUpToTheBoundASavegameTakes) {
  SpellMixing m = mixWith(kSpellOnVillage + 1, 5);
  const std::vector<int> r = draws(4, 1);
  EXPECT_STREQ(m.cast(caster, *land), "Spell successfully casted on the village");
  EXPECT_EQ(land->village(1).population, 20 + r[0] % 65 - 32);

  land->village(1).population = kMostVillageAmount - 1;
  draws::seedWhere(1, [](const std::vector<int>& d) { return d[0] % 65 - 32 > 0; });
  m.cast(caster, *land);
  EXPECT_EQ(land->village(1).population, kMostVillageAmount);
  land->village(1).population = -kMostVillageAmount;
  draws::seedWhere(1, [](const std::vector<int>& d) { return d[0] % 65 - 32 < 0; });
  m.cast(caster, *land);
  EXPECT_EQ(land->village(1).population, -kMostVillageAmount);
}

TEST_F(CastingTest, AMissingTargetIsLeftAloneAndDrawsNothing) {
  const std::vector<int> r = draws(6, 1);
  EXPECT_STREQ(mixWith(kSpellOnVillage + 3, 1).cast(caster, *land), "Spell successfully casted on the village");
  EXPECT_STREQ(mixWith(kSpellOnDragon + 1, 1).cast(caster, *land), "Spell successfully casted on the dragon");
  EXPECT_STREQ(mixWith(kSpellOnEgg + 2, 1).cast(caster, *land), "Spell successfully casted on the egg");
  EXPECT_EQ(randomNumber(), r[0]);
  EXPECT_EQ(caster.dragon(0)->attribute(0), 50);
}

TEST_F(CastingTest, NothingIsCastWithoutAnItemOrWhenTooPowerful) {
  EXPECT_EQ(mixWith(kSpellOnDragon, 0).cast(caster, *land), nullptr);
  EXPECT_EQ(mixWith(kSpellOnDragon, 6).cast(caster, *land), nullptr);
  EXPECT_EQ(caster.dragon(0)->attribute(0), 50);
  // An unknown target kind aims at the caster, and changes nothing.
  testing::internal::CaptureStderr();
  SpellMixing m;
  m.open(ScreenParam(0x12000005));
  m.dropItem(1, 2);
  testing::internal::GetCapturedStderr();
  EXPECT_STREQ(m.cast(caster, *land), "Spell successfully casted on yourself");
}

}  // namespace
