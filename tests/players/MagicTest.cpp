#include "players/ItemManager.h"
#include "players/ItemValues.h"
#include "players/SpellMixing.h"
#include "support/DataFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// A catalogue of `count` items named I0, I1, ...
std::unique_ptr<ItemManager> catalogue(int count) {
  std::string text = "<items>";
  for (int i = 0; i < count; ++i)
    text += "<item name=\"I" + std::to_string(i) + "\" image=\"i.gif\" desc=\"i.jpg\" level=\"1\" value=\"1\"/>";
  text += "</items>";
  return ItemManager::fromXml(text.data(), text.size());
}

class ItemValuesTest : public ::testing::Test {
protected:
  // Reads `text`; what it said on standard error goes to `said`.
  bool read(const std::string& text) {
    ::testing::internal::CaptureStderr();
    bool ok = values.readItemValues(text.data(), text.size(), *items);
    said = ::testing::internal::GetCapturedStderr();
    return ok;
  }
  double at(int item, int target, int k) const { return (*values.values(item, target))[size_t(k)]; }

  std::unique_ptr<ItemManager> items = catalogue(31);
  ItemValues values;
  std::string said;
};

TEST_F(ItemValuesTest, StoresSixNumbersPerItemAndTarget) {
  EXPECT_TRUE(read("header\nI3 speed_affector 0.5 -1 2e1 .25 7 8 9 10\n"
                   "I0 dragon_director 1 2\n"
                   "I2 mind_affector 1 x2 3abc - 5 6\n"
                   "I4 egg_director 1 1 1 1 1 1\nI4 egg_director 2 2 2 2 2 2"));
  EXPECT_EQ(said, "");
  EXPECT_DOUBLE_EQ(at(3, 10, 0), 0.5);  // entry 3 * 11 + 10
  EXPECT_DOUBLE_EQ(at(3, 10, 1), -1);
  EXPECT_DOUBLE_EQ(at(3, 10, 2), 20);
  EXPECT_DOUBLE_EQ(at(3, 10, 5), 8);  // words after the sixth number are ignored
  EXPECT_DOUBLE_EQ(at(3, 9, 0), 0);
  EXPECT_DOUBLE_EQ(at(0, 0, 1), 2);
  EXPECT_DOUBLE_EQ(at(0, 0, 2), 0);  // a missing number is 0
  EXPECT_DOUBLE_EQ(at(2, 7, 1), 0);  // so is a word that is no number
  EXPECT_DOUBLE_EQ(at(2, 7, 2), 3);
  EXPECT_DOUBLE_EQ(at(2, 7, 3), 0);
  EXPECT_DOUBLE_EQ(at(4, 1, 0), 2);  // the later record wins, also without a final line end
  EXPECT_EQ(values.values(29, 0), nullptr);
  EXPECT_EQ(values.values(0, 11), nullptr);
  EXPECT_EQ(values.values(-1, 0), nullptr);
  EXPECT_EQ(values.values(0, -1), nullptr);
  EXPECT_EQ(ItemValues::targetNumber(String("Speed_affector")), -1);
  EXPECT_EQ(ItemValues::targetNumber(String("village_director")), 3);
  values.clear();
  EXPECT_DOUBLE_EQ(at(3, 10, 0), 0);
}

TEST_F(ItemValuesTest, LineRules) {
  // Line 0 is a header even when it is a record; comments may be indented.
  EXPECT_TRUE(read("I1 dragon_director 5 5 5 5 5 5\n  # I2 dragon_director 5\n\t \nI3 dragon_director 4\n"));
  EXPECT_DOUBLE_EQ(at(1, 0, 0), 0);
  EXPECT_DOUBLE_EQ(at(2, 0, 0), 0);
  EXPECT_DOUBLE_EQ(at(3, 0, 0), 4);
  // CR LF, LF CR and LF LF each end one line; a third end character starts an empty line.
  // The faulty record's number shows how the lines were counted.
  const char* const ends[][2] = {{"\r\n", "(line 2)"}, {"\n\r", "(line 2)"}, {"\n\n", "(line 2)"},
                                 {"\n\n\n", "(line 4)"}, {"\r", "(line 2)"}};
  for (const auto& [end, line] : ends) {
    std::string e = end;
    EXPECT_FALSE(read("head" + e + "I1 egg_director 1" + e + "I1 no_target"));
    EXPECT_NE(said.find(line), std::string::npos) << said;
  }
  // The file is text: a NUL byte ends it.
  EXPECT_TRUE(read(std::string("head\nI5 egg_director 3\n\0I6 nobody\n", 32)));
  EXPECT_DOUBLE_EQ(at(5, 1, 0), 3);
}

TEST_F(ItemValuesTest, AnUnknownItemOrTargetStopsReading) {
  EXPECT_FALSE(read("head\nI1 sense_affector 1\nMistmoss egg_director 1\nI2 sense_affector 1\n"));
  EXPECT_EQ(said, "MageScreen::readItemValues(): ERROR: item 'Mistmoss' was not found in items.xml !\n");
  EXPECT_DOUBLE_EQ(at(1, 9, 0), 1);  // read before the fault: kept
  EXPECT_DOUBLE_EQ(at(2, 9, 0), 0);  // after it: not read
  EXPECT_FALSE(read("head\n\nI1 sense_affector 1\ni2 egg_director 1\n"));  // names are exact
  EXPECT_NE(said.find("item 'i2' was not found"), std::string::npos);

  EXPECT_FALSE(read("head\n# c\nI1 sense 1\nI2 sense_affector 1\n"));
  EXPECT_EQ(said, "MageScreen::readItemValues(): ERROR: target 'sense' at item 'I1' (line 2) is unknown !\n");
  EXPECT_FALSE(read("head\nI1\n"));  // no target at all
  EXPECT_EQ(said, "MageScreen::readItemValues(): ERROR: target '' at item 'I1' (line 1) is unknown !\n");
}

TEST_F(ItemValuesTest, ItemsBeyondTheTableAreIgnored) {
  EXPECT_TRUE(read("head\nI28 power_affector 1\nI29 power_affector 2\nI30 power_affector 3\nI27 power_affector 4"));
  EXPECT_EQ(said,
            "MageScreen::readItemValues(): WARNING: item 'I29' (line 2) has the number 29, beyond the spell table: "
            "ignored !\n"
            "MageScreen::readItemValues(): WARNING: item 'I30' (line 3) has the number 30, beyond the spell table: "
            "ignored !\n");
  EXPECT_DOUBLE_EQ(at(28, 8, 0), 1);
  EXPECT_DOUBLE_EQ(at(27, 8, 0), 4);  // reading goes on after them
}

TEST_F(ItemValuesTest, HostileText) {
  // An overlong name is cut in the message; an overlong number is still one number.
  const std::string longName(1 << 20, 'Q');
  EXPECT_FALSE(read("head\n" + longName + " egg_director 1\n"));
  EXPECT_EQ(said, "MageScreen::readItemValues(): ERROR: item '" + std::string(200, 'Q') +
                      "' was not found in items.xml !\n");
  EXPECT_TRUE(read("head\nI1 egg_director " + std::string(100000, '7') + " 1e999 -1e999 nan 0x10 1e-400\n"));
  EXPECT_TRUE(std::isinf(at(1, 1, 0)));
  EXPECT_TRUE(std::isinf(at(1, 1, 1)));
  EXPECT_TRUE(std::isnan(at(1, 1, 3)));
  // Arbitrary bytes are the fuzz target's; an empty file is no fault.
  EXPECT_TRUE(read(""));
}

// The catalogue and the item values the game ships load without a word, fit the spell
// table and name only items and targets the game knows.
TEST(ShippedItemsTest, TheGamesOwnItemsAndValuesLoad) {
  const std::string itemText = readDataFile("items.xml"), magicText = readDataFile("magic.xml");
  ASSERT_FALSE(magicText.empty());
  ::testing::internal::CaptureStderr();
  auto items = ItemManager::fromXml(itemText.data(), itemText.size());
  ItemValues values;
  EXPECT_TRUE(values.readItemValues(magicText.data(), magicText.size(), *items));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  ASSERT_EQ(items->failure().length(), 0) << items->failure().c_str();
  EXPECT_GE(items->count(), ItemManager::kMinItems);
  EXPECT_LE(items->count(), 29);
  int set = 0;
  for (int i = 0; i < items->count(); ++i)
    for (int t = 0; t < ItemValues::kTargets; ++t)
      for (double v : *values.values(i, t)) set += v != 0;
  EXPECT_GT(set, 0);
}

TEST(SpellTargetTest, HighByteNamesTheKindLowBitsTheIndex) {
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(decodeSpellTarget(kSpellOnDragon + 3).kind, SpellKind::Dragon);
  EXPECT_EQ(decodeSpellTarget(kSpellOnDragon + 3).index, 3);
  EXPECT_EQ(decodeSpellTarget(kSpellOnEgg).kind, SpellKind::Egg);
  EXPECT_EQ(decodeSpellTarget(kSpellOnHuman).kind, SpellKind::Human);
  EXPECT_EQ(decodeSpellTarget(kSpellOnVillage + 0xFFFFFF).kind, SpellKind::Village);
  EXPECT_EQ(decodeSpellTarget(kSpellOnVillage + 0xFFFFFF).index, 0xFFFFFF);
  EXPECT_EQ(decodeSpellTarget(ScreenParam(0x1FB000002)).kind, SpellKind::Village);  // 32 bits count
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

  for (ScreenParam wrong : {ScreenParam(0), ScreenParam(0xFF000001), ScreenParam(0xFA000000), ScreenParam(-1)}) {
    ::testing::internal::CaptureStderr();
    SpellTarget target = decodeSpellTarget(wrong);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "MageScreen::visible(): ERROR: invalid spell target, using current player !\n");
    EXPECT_EQ(target.kind, SpellKind::Human);
  }
}

TEST(SpellMixingTest, DropsAreCountedAndTheSixthIsTooMany) {
  SpellMixing spell;
  spell.open(kSpellOnVillage + 4);
  EXPECT_FALSE(spell.canCast());  // nothing dropped
  spell.setBunsen(2);
  spell.setCondenser(9);
  EXPECT_EQ(spell.condenser(), 3);
  ::testing::internal::CaptureStderr();
  spell.dropItem(5, 1);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "add item 5 to target 3 with mode(1), bunsen(2), condenser(3)\n");
  EXPECT_EQ(spell.bunsen(), 0);  // the dials go back after every drop
  EXPECT_EQ(spell.condenser(), 0);
  ::testing::internal::CaptureStderr();
  for (int i = 0; i < 4; ++i) spell.addSpellItem(0, 0, 1, 1);
  EXPECT_EQ(spell.itemsDropped(), 5);
  EXPECT_TRUE(spell.canCast());  // five items still make a spell
  spell.addSpellItem(0, 0, 1, 1);
  EXPECT_TRUE(spell.tooPowerful());
  EXPECT_FALSE(spell.canCast());
  ::testing::internal::GetCapturedStderr();

  // A new visit starts empty; the dials keep what they were left at.
  spell.setBunsen(-5);
  EXPECT_EQ(spell.bunsen(), 0);
  spell.setBunsen(3);
  spell.open(kSpellOnDragon);
  EXPECT_EQ(spell.itemsDropped(), 0);
  EXPECT_FALSE(spell.tooPowerful());
  EXPECT_EQ(spell.bunsen(), 3);
  EXPECT_EQ(spell.target().kind, SpellKind::Dragon);
  spell.resetDials();
  EXPECT_EQ(spell.bunsen(), 0);
}

}  // namespace
