// The item catalogue as the game reads it from items.xml: which pictures it will ask for.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace items {

struct CatalogueItem {
  std::string name;
  std::string image;  // the file in the folders small and large of gfx\items
  std::string desc;   // the file in gfx\items\power; empty for no power picture
};

// Every <item> start tag that carries all five attributes the game requires (name, image,
// desc, level, value), in file order; the game skips an item without one, and so does this.
// Comments, the declaration and every other element are passed over. False when the text
// is not a well-formed sequence of tags (an unclosed comment, tag or attribute value).
bool parseItemCatalogue(std::string_view xml, std::vector<CatalogueItem>& items);

}  // namespace items
