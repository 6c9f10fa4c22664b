#include "ScreenText.h"

#include <algorithm>
#include <set>

namespace {

int glyphIndex(char c) {
  const auto byte = static_cast<uint8_t>(c);
  for (int i = 0; i < kGlyphCount; ++i)
    if (kGlyphOrder[i] == byte) return i;
  return -1;
}

}  // namespace

bool usesFontCharacters(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<uint8_t>(c) < 128 && glyphIndex(c) >= 0; });
}

int textWidth(FontSize size, std::string_view text) {
  int width = 0;
  for (char c : text) {
    const int glyph = glyphIndex(c);
    if (glyph >= 0) width += widthsOf(size)[glyph];
  }
  return width;
}

std::string widestOf(const std::vector<std::string>& names, FontSize size) {
  auto widest = std::max_element(names.begin(), names.end(), [size](const std::string& a, const std::string& b) {
    return textWidth(size, a) < textWidth(size, b);
  });
  return widest == names.end() ? "" : *widest;
}

std::vector<std::string> nameFaults(const std::string& kind, const std::vector<std::string>& names) {
  std::vector<std::string> faults;
  std::set<std::string> seen;
  for (const std::string& name : names) {
    const std::string quoted = kind + " name '" + name + "'";
    if (name.empty())
      faults.push_back("an empty " + kind + " name");
    else if (name.front() == ' ' || name.back() == ' ')
      faults.push_back(quoted + " has a blank at one end");
    if (!usesFontCharacters(name)) faults.push_back(quoted + " has characters the fonts lack");
    if (!seen.insert(name).second) faults.push_back(quoted + " is given twice");
  }
  return faults;
}

std::vector<std::string> linesThatDoNotFit(const std::vector<ScreenLine>& lines) {
  std::vector<std::string> faults;
  for (const ScreenLine& line : lines) {
    const int width = textWidth(line.size, line.text);
    if (width > line.room)
      faults.push_back(line.where + ": '" + line.text + "' is " + std::to_string(width) + " px wide, room for " +
                       std::to_string(line.room));
  }
  return faults;
}
