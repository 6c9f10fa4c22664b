// Reads items.xml the way the item catalogue does (only <item> start tags count, five
// attributes each) and splits magic.xml into lines and words the way readItemValues does.
#include "DescriptionFiles.h"

#include <expat.h>

#include <array>
#include <map>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

struct ItemReader {
  ItemCatalogue catalogue;
  XML_Parser parser = nullptr;

  static void XMLCALL onStart(void* self, const XML_Char* name, const XML_Char** attributes) {
    auto* reader = static_cast<ItemReader*>(self);
    if (std::string_view(name) == "item") reader->addItem(attributes);
  }

  // The attributes are tested in this order; an element that lacks one is skipped, and every
  // later item's catalogue number moves down by one.
  void addItem(const XML_Char** attributes) {
    std::map<std::string, std::string> map;
    for (int i = 0; attributes[i]; i += 2) map[attributes[i]] = attributes[i + 1];
    Item item;
    const std::array<std::pair<const char*, std::string*>, 5> wanted = {{{"name", &item.name},
                                                                         {"image", &item.image},
                                                                         {"desc", &item.desc},
                                                                         {"level", &item.level},
                                                                         {"value", &item.value}}};
    for (const auto& [key, field] : wanted) {
      auto found = map.find(key);
      if (found == map.end()) {
        catalogue.faults.push_back("line " + std::to_string(XML_GetCurrentLineNumber(parser)) +
                                   ": an <item> without a '" + key + "' attribute is skipped");
        return;
      }
      *field = found->second;
    }
    catalogue.items.push_back(item);
  }
};

std::vector<std::string> wordsOf(std::string_view line) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && isBlank(line[at])) ++at;
    size_t start = at;
    while (at < line.size() && !isBlank(line[at])) ++at;
    if (at > start) words.emplace_back(line.substr(start, at - start));
  }
  return words;
}

// The line an editor shows for an offset, counting CR LF as one line end.
int editorLine(std::string_view text, size_t offset) {
  int line = 1;
  for (size_t i = 0; i < offset; ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
  return line;
}

}  // namespace

ItemCatalogue readItems(std::string_view xml) {
  ItemReader reader;
  reader.parser = XML_ParserCreate(nullptr);
  XML_SetUserData(reader.parser, &reader);
  XML_SetStartElementHandler(reader.parser, ItemReader::onStart);
  if (XML_Parse(reader.parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_ERROR)
    reader.catalogue.faults.push_back(std::string("not well-formed XML, which ends the game: ") +
                                      XML_ErrorString(XML_GetErrorCode(reader.parser)));
  XML_ParserFree(reader.parser);
  return std::move(reader.catalogue);
}

// A line ends at LF or CR; one more LF or CR right after it belongs to the same line end, so
// CR LF and LF CR end one line and an empty line right after a line end is never counted.
ItemValues readItemValues(std::string_view text) {
  ItemValues values;
  size_t at = 0;
  for (int number = 0; at < text.size(); ++number) {
    size_t end = text.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    if (at < text.size() && (text[at] == '\r' || text[at] == '\n')) ++at;
    if (number == 0) {
      values.header = std::string(line);
      continue;
    }
    std::vector<std::string> words = wordsOf(line);
    if (words.empty() || words.front().front() == '#') continue;
    ValueRecord record{editorLine(text, static_cast<size_t>(line.data() - text.data())),
                       words[0],
                       words.size() > 1 ? words[1] : "",
                       {}};
    if (words.size() > 2) record.numbers.assign(words.begin() + 2, words.end());
    values.records.push_back(record);
  }
  return values;
}
