#include "fonts/PixelFont.h"

#include <sstream>

namespace {

std::vector<std::string> wordsOf(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// "A" is the byte of the character, "#167" the byte 167; -1 for anything else.
int byteOf(const std::string& word) {
  if (word.size() == 1) return uint8_t(word[0]);
  if (word.size() < 2 || word[0] != '#') return -1;
  int value = 0;
  for (size_t i = 1; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') return -1;
    value = value * 10 + (word[i] - '0');
    if (value > 255) return -1;
  }
  return value;
}

}  // namespace

PixelFont readPixelFont(const char* art, std::string& error) {
  PixelFont font;
  std::vector<uint8_t> band;
  std::istringstream in(art);
  int lineNumber = 0;
  auto fault = [&](const std::string& what) {
    error = "glyph line " + std::to_string(lineNumber) + ": " + what;
    return PixelFont{};
  };
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    const std::vector<std::string> words = wordsOf(line);
    if (words.empty()) continue;
    if (words[0] == ">") {
      band.clear();
      for (size_t i = 1; i < words.size(); ++i) {
        const int byte = byteOf(words[i]);
        if (byte < 0) return fault("'" + words[i] + "' is not a character");
        if (font.count(uint8_t(byte))) return fault("'" + words[i] + "' is drawn twice");
        font[uint8_t(byte)].width = -1;
        band.push_back(uint8_t(byte));
      }
      continue;
    }
    if (words.size() != band.size())
      return fault(std::to_string(words.size()) + " glyphs in a band of " + std::to_string(band.size()));
    for (size_t i = 0; i < band.size(); ++i) {
      PixelGlyph& glyph = font[band[i]];
      if (words[i].find_first_not_of("X.") != std::string::npos) return fault("'" + words[i] + "' is no pixel row");
      if (glyph.width >= 0 && int(words[i].size()) != glyph.width) return fault("uneven rows in a glyph");
      glyph.width = int(words[i].size());
      glyph.rows.push_back(words[i]);
    }
  }
  for (auto& [byte, glyph] : font)
    if (glyph.width < 0) glyph.width = 0;  // named but never drawn
  return font;
}
