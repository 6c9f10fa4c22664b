#include "players/ItemManager.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string item(const std::string& name, const std::string& level = "1", const std::string& value = "2") {
  return "<item name=\"" + name + "\" image=\"" + name + ".gif\" desc=\"" + name + ".jpg\" level=\"" + level +
         "\" value=\"" + value + "\"/>";
}

// Seven valid items, enough for a catalogue the game accepts.
std::string seven() {
  std::string all;
  for (int i = 0; i < 7; ++i) all += item("Herb" + std::to_string(i));
  return all;
}

std::unique_ptr<ItemManager> read(const std::string& inside) {
  const std::string text = "<items>" + inside + "</items>";
  return ItemManager::fromXml(text.data(), text.size());
}

TEST(ItemsTest, ReadsEveryItemInFileOrder) {
  auto items = read("<shelf>" + item("Mistmoss", "3", "2.75") + "</shelf><Item name=\"x\"/>" + seven());
  ASSERT_EQ(items->failure().length(), 0) << items->failure().c_str();
  ASSERT_EQ(items->count(), 8);  // grouping elements and other names are no items
  const Item* first = items->item(0);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->id, 0);
  EXPECT_STREQ(first->name.c_str(), "Mistmoss");
  EXPECT_STREQ(first->desc.c_str(), "Mistmoss.jpg");
  EXPECT_STREQ(first->image().c_str(), "Mistmoss.gif");
  EXPECT_EQ(first->level, 3);
  EXPECT_DOUBLE_EQ(first->value, 2.75);
  EXPECT_EQ(items->item(7)->id, 7);
  EXPECT_STREQ(items->item(7)->name.c_str(), "Herb6");
  EXPECT_EQ(first->smallImage(), nullptr);  // fromXml loads no pictures
}

TEST(ItemsTest, NumbersThatAreNoNumbers) {
  auto items = read(item("A", "many", "cheap") + item("B", "12th", "3 crystals") + item("C", "99999999999", "-0") +
                    item("D", "-99999999999", "1e6") + seven());
  ASSERT_EQ(items->failure().length(), 0) << items->failure().c_str();
  EXPECT_EQ(items->item(0)->level, 0);
  EXPECT_DOUBLE_EQ(items->item(0)->value, 0);
  EXPECT_EQ(items->item(1)->level, 12);
  EXPECT_DOUBLE_EQ(items->item(1)->value, 3);
  EXPECT_EQ(items->item(2)->level, INT_MAX);
  EXPECT_EQ(items->item(3)->level, INT_MIN);
  EXPECT_DOUBLE_EQ(items->item(3)->value, 1e6);
}

TEST(ItemsTest, AnItemWithoutAnAttributeIsSkippedWithTheFirstMissingOne) {
  const char* const cases[][2] = {
      {R"(<item image="a" desc="a" level="1" value="1"/>)", "an <item> tag should have a name attribute\n"},
      {R"(<item name="a" desc="a" level="1" value="1"/>)", "an <item> tag should have an image attribute\n"},
      {R"(<item name="a" image="a" level="1"/>)", "an <item> tag should have a desc attribute\n"},
      {R"(<item name="a" image="a" desc="a" value="1"/>)", "an <item> tag should have a level attribute\n"},
      {R"(<item name="a" image="a" desc="a" level="1"/>)", "an <item> tag should have a value attribute\n"},
  };
  for (const auto& [element, message] : cases) {
    ::testing::internal::CaptureStderr();
    auto items = read(item("Before") + element + seven());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), message);
    EXPECT_EQ(items->count(), 8);
    EXPECT_STREQ(items->item(1)->name.c_str(), "Herb0");  // takes the skipped element's number
    EXPECT_EQ(items->item(1)->id, 1);
  }
}

TEST(ItemsTest, Queries) {
  auto items = read(seven() + item("Twin", "1") + item("Twin", "2"));
  EXPECT_EQ(items->item(items->count()), nullptr);
  EXPECT_EQ(items->item(-1), nullptr);
  EXPECT_EQ(items->findByName(String("herb3")), nullptr);
  EXPECT_EQ(items->findByName(String("Herb")), nullptr);
  ASSERT_NE(items->findByName(String("Herb3")), nullptr);
  EXPECT_EQ(items->findByName(String("Herb3"))->id, 3);
  EXPECT_EQ(items->findByName(String("Twin"))->level, 1);  // the first of that name
  EXPECT_STREQ(Item::unitName(0), "crystals");
  EXPECT_STREQ(Item::unitName(1), "crystal");
  EXPECT_STREQ(Item::unitName(2), "crystals");
  EXPECT_STREQ(Item::unitName(-1), "crystals");
}

TEST(ItemsTest, ACatalogueTheGameCannotUseIsRefused) {
  ::testing::internal::CaptureStderr();
  auto broken = read(seven() + "<item name=\"x\"");
  EXPECT_STREQ(broken->failure().c_str(), "ItemManager::ItemManager(): ERROR: failure while parsing the list items !\n");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), broken->failure().c_str());
  ::testing::internal::CaptureStderr();
  auto empty = ItemManager::fromXml("", 0);
  EXPECT_STREQ(empty->failure().c_str(), "ItemManager::ItemManager(): ERROR: failure while parsing the list items !\n");

  auto six = read(seven().substr(item("Herb0").size()));
  EXPECT_STREQ(six->failure().c_str(), "ItemManager::ItemManager(): ERROR: 6 items, at least 7 are needed !\n");
  EXPECT_EQ(read(seven())->failure().length(), 0);

  // A price the shop cannot count in whole crystals.
  for (const char* price : {"nan", "inf", "-1", "1000001", "1e300"}) {
    auto priced = read(seven() + item("Gold", "1", price));
    EXPECT_STREQ(priced->failure().c_str(),
                 "ItemManager::ItemManager(): ERROR: item 'Gold' has no price from 0 to 1000000 !\n")
        << price;
  }
  ::testing::internal::GetCapturedStderr();
}

TEST(ItemsTest, DrawsTheChosenPictureWithMagentaTransparent) {
  auto items = read(seven());
  Item& herb = const_cast<Item&>(*items->item(0));
  std::vector<uint16_t> frame(320 * 240, 0x1111);
  herb.draw(0, 0, frame.data(), true);  // no pictures: nothing drawn
  EXPECT_EQ(frame[239], 0x1111);

  auto small = std::make_unique<Bitmap>(2, 2);
  auto large = std::make_unique<Bitmap>(3, 3);
  small->getPixels()[1] = 0x00E0;  // (0, 0): column 0 runs bottom-up
  small->getPixels()[0] = Item::kTransparent;  // (0, 1)
  large->getPixels()[2] = 0x0007;
  herb.setPictures(std::move(small), std::move(large));
  Bitmap under(2, 2);
  herb.draw(0, 0, frame.data(), true, &under);
  EXPECT_EQ(frame[239], 0x00E0);
  EXPECT_EQ(frame[238], 0x1111);  // transparent
  EXPECT_EQ(under.getPixel(0, 1), 0x1111);
  herb.drawLarge(10, 0, frame.data());
  EXPECT_EQ(frame[10 * 240 + 239], 0x0007);
}

}  // namespace
