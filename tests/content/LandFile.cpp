// Reads country.xml with expat the way the land loader does: elements count by name wherever
// they stand, each piece of text the parser hands over is taken by itself with its leading
// blanks removed, and a field element's text target lasts until the next start tag.
#include "DescriptionFiles.h"

#include <expat.h>

#include <algorithm>
#include <array>
#include <map>

namespace {

constexpr std::array<const char*, 5> kVillageFields = {"race", "position", "population", "industry", "yeomanry"};
constexpr std::array<const char*, 6> kOnceOnly = {"area", "time", "money", "player1", "player2", "player3"};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string withoutLeadingBlanks(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  return std::string(text.substr(start));
}

bool isVillageField(std::string_view name) {
  return std::find(kVillageFields.begin(), kVillageFields.end(), name) != kVillageFields.end();
}

// Decimal digits only: the loader reads numbers like strtol and would take "12a" as 12.
bool readNumber(const std::string& text, long& number) {
  if (text.empty() || text.size() > 9 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  number = std::stol(text);
  return true;
}

struct LandReader {
  struct OpenVillage {
    std::string name;
    std::map<std::string, std::vector<std::string>> texts;  // field -> one text per element
  };

  XML_Parser parser_ = nullptr;
  Land land_;
  int depth_ = 0;
  bool villageOpen_ = false;
  OpenVillage village_;
  std::string field_;                 // the field whose element is open, empty when none is
  int fieldPieces_ = 0;               // pieces of text with more than blanks in the open field
  std::map<std::string, int> given_;  // how often each once-only element came

  Land read(std::string_view xml) {
    if (std::any_of(xml.begin(), xml.end(), [](char c) { return static_cast<unsigned char>(c) > 127; }))
      fault("the file holds bytes outside ASCII, which the 8-bit fonts cannot show");
    parser_ = XML_ParserCreate(nullptr);
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, onStart, onEnd);
    XML_SetCharacterDataHandler(parser_, onText);
    if (XML_Parse(parser_, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_ERROR)
      fault(std::string("not well-formed XML: ") + XML_ErrorString(XML_GetErrorCode(parser_)));
    XML_ParserFree(parser_);
    parser_ = nullptr;
    for (const char* element : kOnceOnly)
      if (given_[element] == 0) fault(std::string("no <") + element + "> element");
    return std::move(land_);
  }

  static void XMLCALL onStart(void* self, const XML_Char* name, const XML_Char** attributes) {
    std::map<std::string, std::string> map;
    for (int i = 0; attributes[i]; i += 2) map[attributes[i]] = attributes[i + 1];
    static_cast<LandReader*>(self)->start(name, map);
  }

  static void XMLCALL onEnd(void* self, const XML_Char* name) { static_cast<LandReader*>(self)->end(name); }

  static void XMLCALL onText(void* self, const XML_Char* text, int length) {
    static_cast<LandReader*>(self)->text(std::string_view(text, static_cast<size_t>(length)));
  }

  void fault(const std::string& what) {
    if (!parser_) {
      land_.faults.push_back(what);
      return;
    }
    land_.faults.push_back("line " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ": " + what);
  }

  void start(const std::string& name, const std::map<std::string, std::string>& attributes) {
    const bool root = depth_++ == 0;
    field_.clear();
    if (name == "race")
      startRace(attributes);
    else if (name == "village")
      startVillage(attributes);
    else if (isVillageField(name))
      startField(name);
    else if (std::find(kOnceOnly.begin(), kOnceOnly.end(), name) != kOnceOnly.end() || name == "dragon")
      startNamed(name, attributes);
    else if (!root)
      fault("unknown element <" + name + ">, which the game passes over");
  }

  // A race element with a name defines a race; one without attributes names a village's race.
  void startRace(const std::map<std::string, std::string>& attributes) {
    auto name = attributes.find("name");
    if (name == attributes.end()) {
      if (!attributes.empty())
        fault("a <race> with attributes but no name is taken as a village's race, not as a definition");
      startField("race");
      return;
    }
    if (villageOpen_) fault("race '" + name->second + "' is defined inside village '" + village_.name + "'");
    auto colour = attributes.find("color");
    if (colour == attributes.end()) {
      fault("race '" + name->second + "' has no color, so the game does not add it");
      return;
    }
    land_.races.push_back({name->second, colour->second});
  }

  void startVillage(const std::map<std::string, std::string>& attributes) {
    auto name = attributes.find("name");
    if (name == attributes.end()) {
      fault("a <village> without a name is skipped");
      return;
    }
    if (villageOpen_) fault("village '" + name->second + "' starts inside village '" + village_.name + "'");
    village_ = {name->second, {}};
    villageOpen_ = true;
  }

  void startField(const std::string& name) {
    if (!villageOpen_) {
      fault("<" + name + "> outside a village is ignored");
      return;
    }
    field_ = name;
    fieldPieces_ = 0;
    village_.texts[name].emplace_back();
  }

  void startNamed(const std::string& name, const std::map<std::string, std::string>& attributes) {
    auto value = [&](const char* key) -> const std::string* {
      auto found = attributes.find(key);
      if (found != attributes.end()) return &found->second;
      fault("<" + name + "> without a '" + key + "' attribute is skipped");
      return nullptr;
    };
    if (name == "dragon") {
      if (const std::string* dragon = value("name")) land_.dragons.push_back(*dragon);
      return;
    }
    if (++given_[name] == 2) fault("<" + name + "> is given twice; the later one wins");
    if (name == "money") {
      const std::string* single = value("name_single");
      const std::string* multi = single ? value("name_multi") : nullptr;
      if (multi) {
        land_.moneySingle = *single;
        land_.moneyMulti = *multi;
      }
    } else if (const std::string* text = value("name")) {
      if (name == "area")
        land_.area = *text;
      else if (name == "time")
        land_.time = *text;
      else
        land_.players[static_cast<size_t>(name[6] - '1')] = *text;
    }
  }

  void end(const std::string& name) {
    --depth_;
    // The game keeps the text target until the next start tag; text after this end tag would
    // land on the same field again, so text() treats it as text outside any field.
    field_.clear();
    if (name == "village" && villageOpen_) closeVillage();
  }

  // Expat hands text over in pieces, splitting at line breaks and at every entity; the game
  // takes each piece as the whole value, so a value must come as one piece.
  void text(std::string_view piece) {
    std::string value = withoutLeadingBlanks(piece);
    if (value.empty()) return;
    if (field_.empty()) {
      fault("text '" + value + "' outside a field element");
      return;
    }
    if (++fieldPieces_ == 2)
      fault("the <" + field_ + "> text of village '" + village_.name +
            "' comes in pieces (a line break or an entity inside the value)");
    village_.texts[field_].back() += value;
  }

  void closeVillage() {
    villageOpen_ = false;
    Village village;
    village.name = village_.name;
    for (const char* field : kVillageFields) {
      const std::vector<std::string>& texts = village_.texts[field];
      if (texts.empty())
        fault("village '" + village.name + "' has no <" + field + ">");
      else if (texts.size() > 1)
        fault("village '" + village.name + "' gives <" + field + "> " + std::to_string(texts.size()) +
              " times");
      else
        readField(field, texts.front(), village);
    }
    land_.villages.push_back(village);
  }

  void readField(const std::string& field, const std::string& text, Village& village) {
    const std::string where = "village '" + village.name + "': ";
    if (field == "race") {
      // Exact comparison, as the game makes it: a trailing blank matches no race.
      auto race =
          std::find_if(land_.races.begin(), land_.races.end(), [&](const Race& r) { return r.name == text; });
      if (race == land_.races.end())
        fault(where + "unknown race '" + text + "' (races are defined before the villages that name them)");
      else
        village.race = static_cast<int>(race - land_.races.begin());
    } else if (field == "position") {
      size_t comma = text.find(',');
      long column = 0, row = 0;
      if (comma == std::string::npos || !readNumber(text.substr(0, comma), column) ||
          !readNumber(text.substr(comma + 1), row))
        fault(where + "position '" + text + "' is not column,row");
      village.column = static_cast<int>(column);
      village.row = static_cast<int>(row);
    } else {
      long& number = field == "population" ? village.population
                     : field == "industry" ? village.industry
                                           : village.yeomanry;
      if (!readNumber(text, number)) fault(where + field + " '" + text + "' is not a decimal number");
    }
  }
};

}  // namespace

Land readLand(std::string_view xml) { return LandReader().read(xml); }
