// The hand-written data in data/ against every rule whose breach would break the game, and
// each rule against data broken on purpose, so that a check that stopped looking would show.
#include "DescriptionFiles.h"
#include "DescriptionRules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string dataFile(const std::string& name) {
  std::ifstream in(std::string(NUPAVANE_SOURCE_DIR) + "/data/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const std::string& countryXml() {
  static const std::string text = dataFile("country.xml");
  return text;
}
const std::string& itemsXml() {
  static const std::string text = dataFile("items.xml");
  return text;
}
const std::string& magicXml() {
  static const std::string text = dataFile("magic.xml");
  return text;
}

std::string listed(const Faults& faults) {
  std::string text;
  for (const std::string& fault : faults) text += "\n  " + fault;
  return text;
}

bool mentions(const Faults& faults, const std::string& words) {
  for (const std::string& fault : faults)
    if (fault.find(words) != std::string::npos) return true;
  return false;
}

#define EXPECT_NO_FAULTS(faults) EXPECT_TRUE((faults).empty()) << listed(faults)
#define EXPECT_FAULT(faults, words) \
  EXPECT_TRUE(mentions((faults), (words))) << "no fault with '" << (words) << "':" << listed(faults)

// The text with its first `from` replaced by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << "'" << from << "' is not in the text";
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string withVillage(const std::string& name, const std::string& fields) {
  return replaced(countryXml(), "</country>", "<village name=\"" + name + "\">" + fields + "</village></country>");
}

// Race text, position, population, industry and yeomanry of a village, with one of them
// swapped for `change` when `field` names it (or left out when `change` is empty).
std::string villageFields(const std::string& race, const std::string& field = "", const std::string& change = "") {
  std::string text;
  const std::pair<std::string, std::string> fields[] = {
      {"race", race}, {"position", "18,13"}, {"population", "500"}, {"industry", "5"}, {"yeomanry", "5"}};
  for (const auto& [name, value] : fields) {
    if (name != field)
      text += "<" + name + ">" + value + "</" + name + ">";
    else
      text += change;
  }
  return text;
}

Land realLand() { return readLand(countryXml()); }
ItemCatalogue realItems() { return readItems(itemsXml()); }

// A land of villages on distinct cells whose races have the given numbers of villages.
Land landWithRaceSizes(const std::vector<int>& sizes) {
  Land land;
  for (size_t race = 0; race < sizes.size(); ++race) {
    land.races.push_back({"Race" + std::to_string(race), "#000000"});
    for (int i = 0; i < sizes[race]; ++i) {
      const int n = static_cast<int>(land.villages.size());
      land.villages.push_back({"V" + std::to_string(n), static_cast<int>(race), 2 + n % 16, 2 + n / 16, 500, 5, 5});
    }
  }
  return land;
}

TEST(LandFile, ReadsAsTheGameReadsIt) { EXPECT_NO_FAULTS(realLand().faults); }

TEST(LandFile, FindsWhatTheLoaderWouldMisreadOrDrop) {
  const std::string race = realLand().races.at(0).name;
  const struct {
    const char* what;
    std::string xml;
    std::string fault;
  } cases[] = {
      {"unclosed root", replaced(countryXml(), "</country>", ""), "not well-formed"},
      {"accented letter", replaced(countryXml(), "</country>", "<!-- caf\xc3\xa9 --></country>"), "outside ASCII"},
      {"nameless village element", replaced(countryXml(), "</country>", "<village></village></country>"),
       "without a name"},
      {"race text with a trailing blank", withVillage("Trail", villageFields(race + " ")),
       "unknown race '" + race + " '"},
      {"race named before it is defined",
       replaced(withVillage("Early", villageFields("Late")), "</country>",
                "<race name=\"Late\" color=\"#000\"/></country>"),
       "unknown race 'Late'"},
      {"race element with attributes but no name",
       withVillage("Odd", villageFields(race, "race", "<race color=\"#000\">" + race + "</race>")),
       "is taken as a village's race"},
      {"village inside a village", withVillage("Outer", "<village name=\"Inner\">" + villageFields(race)),
       "village 'Inner' starts inside village 'Outer'"},
      {"race without colour", replaced(countryXml(), "</country>", "<race name=\"Pale\"/></country>"), "has no color"},
      {"race defined inside a village",
       withVillage("Host", villageFields(race) + "<race name=\"Guest\" color=\"#000\"/>"), "defined inside village"},
      {"text after an end tag", withVillage("Stray", villageFields(race) + "stray"), "outside a field"},
      {"field outside a village", replaced(countryXml(), "</country>", "<population>5</population></country>"),
       "outside a village"},
      {"missing field", withVillage("Bare", villageFields(race, "yeomanry")), "has no <yeomanry>"},
      {"field given twice", withVillage("Twice", villageFields(race) + "<industry>7</industry>"),
       "gives <industry> 2 times"},
      {"number with a letter", withVillage("Letter", villageFields(race, "population", "<population>12a</population>")),
       "not a decimal number"},
      {"position without comma", withVillage("Comma", villageFields(race, "position", "<position>7</position>")),
       "is not column,row"},
      {"line break inside a value",
       withVillage("Broken", villageFields(race, "population", "<population>12\n0</population>")), "comes in pieces"},
      {"entity inside a value",
       withVillage("Entity", villageFields(race, "population", "<population>1&#48;0</population>")), "comes in pieces"},
      {"misspelt field", withVillage("Typo", villageFields(race, "population", "<popluation>5</popluation>")),
       "unknown element <popluation>"},
      {"once-only element without its attribute", replaced(countryXml(), "</country>", "<time/></country>"),
       "<time> without a 'name' attribute"},
      {"once-only element twice", replaced(countryXml(), "</country>", "<area name=\"Elsewhere\"/></country>"),
       "<area> is given twice"},
      {"missing ruler", replaced(countryXml(), "<player3 ", "<playerThree "), "no <player3> element"},
      {"dragon without name", replaced(countryXml(), "</country>", "<dragon/></country>"), "<dragon> without"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FAULT(readLand(c.xml).faults, c.fault);
  }
}

TEST(Land, HasEnoughRacesVillagesAndDragonNames) {
  const Land land = realLand();
  EXPECT_NO_FAULTS(checkLandCounts(land));

  Land sevenRaces = land;
  sevenRaces.races.resize(7, {"Seventh", "#000000"});
  EXPECT_FAULT(checkLandCounts(sevenRaces), "7 races");
  Land few = land;
  few.villages.resize(39);
  EXPECT_FAULT(checkLandCounts(few), "39 villages");
  Land many = land;
  many.villages.resize(61, land.villages.front());
  EXPECT_FAULT(checkLandCounts(many), "61 villages");
  Land fewNames = land;
  fewNames.dragons.resize(39);
  EXPECT_FAULT(checkLandCounts(fewNames), "39 dragon names");
}

TEST(Land, VillagesStandOnTheMapOffTheCastlesOnePerCell) {
  EXPECT_NO_FAULTS(checkVillagePlaces(realLand()));

  Land land;
  land.villages = {{"Corner", 0, 18, 13}, {"Edge", 0, 1, 2}};
  EXPECT_NO_FAULTS(checkVillagePlaces(land));
  const std::pair<int, int> offTheMap[] = {{19, 5}, {5, 14}, {0, 5}, {5, 0}};
  for (auto [column, row] : offTheMap) {
    land.villages[0].column = column, land.villages[0].row = row;
    EXPECT_FAULT(checkVillagePlaces(land), "not wholly on the map picture");
  }
  const std::pair<int, int> castles[] = {{1, 1}, {10, 1}, {6, 10}};
  for (auto [column, row] : castles) {
    land.villages[0].column = column, land.villages[0].row = row;
    EXPECT_FAULT(checkVillagePlaces(land), "stands on a castle");
  }
  land.villages[0].column = 1, land.villages[0].row = 2;
  EXPECT_FAULT(checkVillagePlaces(land), "shares its cell with 'Corner'");
}

TEST(Land, WarsCanAlwaysBeDrawn) {
  EXPECT_NO_FAULTS(checkWarPartners(realLand()));
  // 48 villages: 18 may be at war, so the 30 at peace must hold two races.
  EXPECT_NO_FAULTS(checkWarPartners(landWithRaceSizes({29, 19})));
  EXPECT_FAULT(checkWarPartners(landWithRaceSizes({30, 18})), "race 'Race0' has 30 of 48");
  EXPECT_FAULT(checkWarPartners(landWithRaceSizes({19})), "race 'Race0' has 19 of 19");
}

TEST(Land, VillageFiguresAreInRangeAndBothPictureSizesShow) {
  const Land land = realLand();
  EXPECT_NO_FAULTS(checkVillageFigures(land));

  Land edges = land;
  edges.villages[0].population = 9999, edges.villages[1].population = 1, edges.villages[2].industry = 0;
  EXPECT_NO_FAULTS(checkVillageFigures(edges));
  const struct {
    long Village::*field;
    long value;
    const char* fault;
  } cases[] = {{&Village::population, 0, "population 0"},
               {&Village::population, 10000, "population 10000"},
               {&Village::industry, 1000, "industry 1000"},
               {&Village::yeomanry, 1000, "yeomanry 1000"}};
  for (const auto& c : cases) {
    Land broken = land;
    broken.villages[0].*c.field = c.value;
    EXPECT_FAULT(checkVillageFigures(broken), c.fault);
  }
  Land small = land, large = land;
  for (Village& village : small.villages) village.population = 1000;
  for (Village& village : large.villages) village.population = 1001;
  EXPECT_FAULT(checkVillageFigures(small), "large settlement pictures never show");
  EXPECT_FAULT(checkVillageFigures(large), "small settlement pictures never show");
}

TEST(Land, NamesUseTheFontsAndAreUnique) {
  const Land land = realLand();
  EXPECT_NO_FAULTS(checkLandNames(land));

  Land broken = land;
  broken.villages[0].name = "Ogre's";
  broken.villages[2].name = broken.villages[1].name;
  broken.races[0].name += " ";
  broken.dragons[1] = broken.dragons[0];
  broken.dragons[2] = "Sm\351ag";
  broken.players[0] = "Harvekssson";
  broken.moneySingle = "";
  const Faults faults = checkLandNames(broken);
  EXPECT_FAULT(faults, "village name 'Ogre's' has characters the fonts lack");
  EXPECT_FAULT(faults, "village name '" + land.villages[1].name + "' is given twice");
  EXPECT_FAULT(faults, "race name '" + land.races[0].name + " ' has a blank at one end");
  EXPECT_FAULT(faults, "dragon name '" + land.dragons[0] + "' is given twice");
  EXPECT_FAULT(faults, "dragon name 'Sm\351ag' has characters");
  EXPECT_FAULT(faults, "player name 'Harvekssson' is longer than 10");
  EXPECT_FAULT(faults, "an empty money name");

  Land pearls = land;
  pearls.moneyMulti = "pearls";
  EXPECT_FAULT(checkLandNames(pearls), "money 'crystal/pearls' differs from the crystals");

  Land tenLetters = land;
  tenLetters.players[0] = "Harveksson";
  EXPECT_NO_FAULTS(checkLandNames(tenLetters));
}

TEST(Land, NamesFitTheLinesTheScreensBuild) {
  const Land land = realLand();
  EXPECT_NO_FAULTS(checkLandTextFits(land));

  const struct {
    const char* what;
    void (*change)(Land&);
    const char* fault;
  } cases[] = {
      {"wide village", [](Land& l) { l.villages[0].name = "Wawawawawawa"; }, "fight panel: 'Wawawawawawa'"},
      {"wide race", [](Land& l) { l.races[0].name = "Mammothmen"; }, "fight panel: 'Mammothmen'"},
      {"wide dragon", [](Land& l) { l.dragons[0] = "Mammoww"; }, "fight animation: 'Mammoww"},
      {"wide ruler", [](Land& l) { l.players[0] = "MMMMMMMMM"; }, "win announcement"},
      {"wide money", [](Land& l) { l.moneyMulti = "moneymakers"; }, "information, accounts: '999 moneymakers'"},
      {"wide land", [](Land& l) { l.area = "Greatwide Marshlands of the North"; }, "round screen"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Land broken = land;
    c.change(broken);
    EXPECT_FAULT(checkLandTextFits(broken), c.fault);
  }
}

TEST(ItemFile, ReadsAsTheGameReadsIt) {
  EXPECT_NO_FAULTS(realItems().faults);
  EXPECT_FAULT(readItems(replaced(itemsXml(), "</items>", "")).faults, "not well-formed");
  const ItemCatalogue skipped = readItems(
      replaced(itemsXml(), "</items>", "<item name=\"Extra\" image=\"extra.gif\" level=\"1\" value=\"2\"/></items>"));
  EXPECT_FAULT(skipped.faults, "without a 'desc' attribute is skipped");
  EXPECT_EQ(skipped.items.size(), realItems().items.size());
}

TEST(Items, CatalogueKeepsEveryRule) {
  const ItemCatalogue catalogue = realItems();
  EXPECT_NO_FAULTS(checkItems(catalogue));

  ItemCatalogue edges = catalogue;
  edges.items[0].desc = "";
  edges.items[1].value = "1";
  edges.items[2].value = "40.0";
  edges.items[3].image = std::string(31, 'a') + ".bmp";
  EXPECT_NO_FAULTS(checkItems(edges));

  const struct {
    const char* what;
    void (*change)(Item&);
    const char* fault;
  } cases[] = {
      {"two words", [](Item& i) { i.name = "Mist moss"; }, "must be one word"},
      {"apostrophe", [](Item& i) { i.name = "Troll's"; }, "characters the fonts lack"},
      {"wide name", [](Item& i) { i.name = "Wyrmwhiskers"; }, "shop: 'Wyrmwhiskers'"},
      {"jpeg item picture", [](Item& i) { i.image = "moss.jpg"; }, "image 'moss.jpg'"},
      {"upper-case extension", [](Item& i) { i.image = "moss.GIF"; }, "image 'moss.GIF'"},
      {"long picture name", [](Item& i) { i.image = std::string(32, 'a') + ".gif"; }, "is not a short lower-case"},
      {"path in picture name", [](Item& i) { i.image = "small\\moss.gif"; }, "is not a short lower-case"},
      {"png power picture", [](Item& i) { i.desc = "moss.png"; }, "desc 'moss.png'"},
      {"level with a letter", [](Item& i) { i.level = "2a"; }, "level '2a'"},
      {"price below one", [](Item& i) { i.value = "0.5"; }, "value '0.5'"},
      {"price above forty", [](Item& i) { i.value = "40.5"; }, "value '40.5'"},
      {"price in words", [](Item& i) { i.value = "ten"; }, "value 'ten'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ItemCatalogue broken = catalogue;
    c.change(broken.items[0]);
    EXPECT_FAULT(checkItems(broken), c.fault);
  }

  ItemCatalogue twins = catalogue;
  twins.items[1] = twins.items[0];
  const Faults faults = checkItems(twins);
  EXPECT_FAULT(faults, "item name '" + catalogue.items[0].name + "' is given twice");
  EXPECT_FAULT(faults, "image '" + catalogue.items[0].image + "' is used twice");
  EXPECT_FAULT(faults, "desc '" + catalogue.items[0].desc + "' is used twice");
}

TEST(Items, CountFitsTheShopAndTheSpellTable) {
  ItemCatalogue few = realItems(), many = realItems();
  few.items.resize(19);
  EXPECT_FAULT(checkItems(few), "19 items");
  many.items.resize(30);
  for (size_t i = 0; i < many.items.size(); ++i)
    many.items[i] = {"Item" + std::to_string(i), "i" + std::to_string(i) + ".gif", "", "1", "2"};
  EXPECT_FAULT(checkItems(many), "30 items");
  many.items.resize(29);
  EXPECT_NO_FAULTS(checkItems(many));
}

TEST(ItemValues, EveryItemHasGoodValuesForEveryTarget) {
  const ItemCatalogue catalogue = realItems();
  const ItemValues values = readItemValues(magicXml());
  EXPECT_NO_FAULTS(checkItemValues(values, catalogue));

  const std::string item = catalogue.items.at(0).name;
  const struct {
    const char* what;
    std::string text;
    std::string fault;
  } cases[] = {
      {"record on line 0", item + " dragon_director 1 1 1 1 1 1\n" + magicXml(), "should be a '#' header"},
      {"unknown item", magicXml() + "Nothing dragon_director 0 0 0 0 0 0\n", "unknown item 'Nothing'"},
      {"unknown target", magicXml() + item + " luck_affector 0 0 0 0 0 0\n", "unknown target 'luck_affector'"},
      {"five numbers", magicXml() + item + " speed_affector 0 0 0 0 0\n", "5 numbers instead of 6"},
      {"seven numbers", magicXml() + item + " speed_affector 0 0 0 0 0 0 0\n", "7 numbers instead of 6"},
      {"bad number", magicXml() + item + " speed_affector 0 0 0 0 0 1.0x\n", "'1.0x' is not a decimal number"},
      {"hexadecimal number", magicXml() + item + " speed_affector 0 0 0 0 0 0x1\n", "'0x1' is not"},
      {"pair given twice", magicXml() + "  " + item + "\tspeed_affector 0 0 0 0 0 0\n",
       item + " speed_affector is given twice"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FAULT(checkItemValues(readItemValues(c.text), catalogue), c.fault);
  }

  ItemValues missing = values;
  missing.records.pop_back();
  EXPECT_FAULT(checkItemValues(missing, catalogue), "no values for item '" + catalogue.items.back().name + "'");

  ItemCatalogue large = catalogue;
  large.items.resize(29, {"Filler", "x.gif", "", "1", "1"});
  large.items.push_back({"Thirtieth", "y.gif", "", "1", "1"});
  EXPECT_FAULT(checkItemValues(readItemValues(magicXml() + "Thirtieth egg_director 0 0 0 0 0 0\n"), large),
               "beyond the spell table");
}

TEST(ItemValues, LineEndsOfEitherKindGiveTheSameRecords) {
  const ItemValues lf = readItemValues(magicXml());
  std::string crlf, lfcr;
  for (char c : magicXml()) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    lfcr += c == '\n' ? std::string("\n\r") : std::string(1, c);
  }
  for (const std::string& text : {crlf, lfcr}) {
    const ItemValues other = readItemValues(text);
    ASSERT_EQ(other.records.size(), lf.records.size());
    EXPECT_EQ(other.header, lf.header);
    for (size_t i = 0; i < lf.records.size(); ++i) {
      EXPECT_EQ(other.records[i].item, lf.records[i].item);
      EXPECT_EQ(other.records[i].numbers, lf.records[i].numbers);
    }
  }
}

}  // namespace
