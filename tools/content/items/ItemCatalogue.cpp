// A reader of just enough XML for items.xml: start tags and their quoted attributes.
#include "items/ItemCatalogue.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace items {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The five entities XML predefines and character references (&#46; or &#x2e;) of ASCII;
// anything else is left as written.
std::string unescape(std::string_view text) {
  static const std::pair<std::string_view, char> kEntities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    bool replaced = false;
    for (const auto& [entity, c] : kEntities) {
      if (text.substr(i, entity.size()) == entity) {
        out += c;
        i += entity.size() - 1;
        replaced = true;
        break;
      }
    }
    if (!replaced && text.substr(i, 2) == "&#") {
      const bool hex = text.substr(i, 3) == "&#x";
      const size_t end = text.find(';', i);
      const std::string digits(end == std::string_view::npos ? "" : text.substr(i + (hex ? 3 : 2), end - i - (hex ? 3 : 2)));
      char* stop = nullptr;
      const long code = digits.empty() ? -1 : std::strtol(digits.c_str(), &stop, hex ? 16 : 10);
      if (code > 0 && code < 128 && stop && *stop == '\0') {
        out += char(code);
        i = end;
        replaced = true;
      }
    }
    if (!replaced) out += text[i];
  }
  return out;
}

// Reads the attributes of a start tag from `at` (just after its name) to its '>'; leaves
// `at` after the '>'. False for a tag cut short or an attribute without a quoted value.
bool readAttributes(std::string_view xml, size_t& at, std::map<std::string, std::string>& attributes) {
  while (at < xml.size()) {
    while (at < xml.size() && isBlank(xml[at])) ++at;
    if (at >= xml.size()) return false;
    if (xml[at] == '>') return ++at, true;
    if (xml.substr(at, 2) == "/>") return at += 2, true;
    size_t nameStart = at;
    while (at < xml.size() && xml[at] != '=' && !isBlank(xml[at]) && xml[at] != '>') ++at;
    std::string name(xml.substr(nameStart, at - nameStart));
    while (at < xml.size() && isBlank(xml[at])) ++at;
    if (at >= xml.size() || xml[at] != '=') return false;
    ++at;
    while (at < xml.size() && isBlank(xml[at])) ++at;
    if (at >= xml.size() || (xml[at] != '"' && xml[at] != '\'')) return false;
    const char quote = xml[at++];
    size_t end = xml.find(quote, at);
    if (end == std::string_view::npos) return false;
    attributes[name] = unescape(xml.substr(at, end - at));
    at = end + 1;
  }
  return false;
}

bool skipPast(std::string_view xml, size_t& at, std::string_view end) {
  size_t found = xml.find(end, at);
  if (found == std::string_view::npos) return false;
  at = found + end.size();
  return true;
}

}  // namespace

bool parseItemCatalogue(std::string_view xml, std::vector<CatalogueItem>& items) {
  size_t at = 0;
  while ((at = xml.find('<', at)) != std::string_view::npos) {
    if (xml.substr(at, 4) == "<!--") {
      if (!skipPast(xml, at, "-->")) return false;
      continue;
    }
    if (xml.substr(at, 2) == "<?") {
      if (!skipPast(xml, at, "?>")) return false;
      continue;
    }
    if (xml.substr(at, 2) == "</" || xml.substr(at, 2) == "<!") {
      if (!skipPast(xml, at, ">")) return false;
      continue;
    }
    size_t nameStart = ++at;
    while (at < xml.size() && !isBlank(xml[at]) && xml[at] != '>' && xml[at] != '/') ++at;
    std::string_view tag = xml.substr(nameStart, at - nameStart);
    std::map<std::string, std::string> attributes;
    if (!readAttributes(xml, at, attributes)) return false;
    if (tag != "item") continue;
    bool complete = true;
    for (const char* key : {"name", "image", "desc", "level", "value"}) {
      if (!attributes.count(key)) {
        std::fprintf(stderr, "nupavane-content: an <item> without '%s' is skipped, as the game skips it\n", key);
        complete = false;
        break;
      }
    }
    if (complete) items.push_back({attributes["name"], attributes["image"], attributes["desc"]});
  }
  return true;
}

}  // namespace items
