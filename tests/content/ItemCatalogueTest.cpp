// The content generator reads items.xml with a small reader of its own to know which item
// pictures to draw; it must name exactly the items the game's loader (expat) accepts.
#include "DescriptionFiles.h"
#include "items/ItemCatalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

struct Names {
  std::vector<std::string> name, image, desc;
  bool operator==(const Names&) const = default;
};

Names generatorNames(const std::string& xml, bool* wellFormed = nullptr) {
  std::vector<items::CatalogueItem> found;
  const bool ok = items::parseItemCatalogue(xml, found);
  if (wellFormed) *wellFormed = ok;
  Names n;
  for (const auto& i : found) n.name.push_back(i.name), n.image.push_back(i.image), n.desc.push_back(i.desc);
  return n;
}

Names gameNames(const std::string& xml) {
  Names n;
  for (const Item& i : readItems(xml).items) n.name.push_back(i.name), n.image.push_back(i.image), n.desc.push_back(i.desc);
  return n;
}

TEST(ItemCatalogueTest, NamesTheSameItemsAsTheGameInTheRealCatalogue) {
  std::ifstream in(std::string(NUPAVANE_SOURCE_DIR) + "/data/items.xml", std::ios::binary);
  const std::string xml{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(xml.empty());
  EXPECT_EQ(generatorNames(xml), gameNames(xml));
}

TEST(ItemCatalogueTest, SkipsAnItemWithoutOneOfItsFiveAttributesAsTheGameDoes) {
  const std::string xml =
      "<items><item name='A' image='a.gif' desc='a.jpg' level='1' value='2'/>"
      "<item name=\"B\" image=\"b.gif\" level=\"1\" value=\"2\"/>"
      "<item name=\"C\" image=\"c.gif\" desc=\"\" level=\"1\" value=\"2\"></item></items>";
  const Names n = generatorNames(xml);
  EXPECT_EQ(n, gameNames(xml));
  EXPECT_EQ(n.name, (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(n.desc, (std::vector<std::string>{"a.jpg", ""}));
}

TEST(ItemCatalogueTest, IgnoresCommentsOtherElementsAndDecodesEntities) {
  const std::string xml =
      "<?xml version=\"1.0\"?>\n<!-- <item name='X' image='x.gif' desc='' level='1' value='1'/> -->\n"
      "<list><items_old name='Y'/><group>"
      "<item  name = 'Salt&amp;Ash' image='s&#x2e;gif' desc='s.jpg' level='1' value='1' />"
      "</group></list>";
  const Names n = generatorNames(xml);
  EXPECT_EQ(n, gameNames(xml));
  EXPECT_EQ(n.name, (std::vector<std::string>{"Salt&Ash"}));
  EXPECT_EQ(n.image, (std::vector<std::string>{"s.gif"}));
}

TEST(ItemCatalogueTest, RefusesTextThatIsCutShort) {
  for (const char* xml : {"<items><!-- never closed", "<items><item name='A' image='a.gif'",
                          "<items><item name='A image='a.gif'/></items>", "<items><item name/></items>"}) {
    bool wellFormed = true;
    generatorNames(xml, &wellFormed);
    EXPECT_FALSE(wellFormed) << xml;
  }
}

}  // namespace
