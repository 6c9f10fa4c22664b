#include "sound/Composer.h"

#include <cctype>
#include <charconv>

namespace music {

namespace {

// Words split at spaces; a bar line is a word of its own, spaces around it or not.
std::vector<std::string_view> words(std::string_view text) {
  std::vector<std::string_view> out;
  auto isGap = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && isGap(text[i])) ++i;
    if (i < text.size() && text[i] == '|') {
      out.push_back(text.substr(i++, 1));
      continue;
    }
    const size_t start = i;
    while (i < text.size() && !isGap(text[i]) && text[i] != '|') ++i;
    if (i > start) out.push_back(text.substr(start, i - start));
  }
  return out;
}

// The pitch class of a letter with its sharp or flat, and how many characters it took.
bool pitchClass(std::string_view name, int& pitch, size_t& used) {
  static const int kLetters[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.empty() || name[0] < 'A' || name[0] > 'G') return false;
  pitch = kLetters[name[0] - 'A'];
  used = 1;
  if (name.size() > 1 && (name[1] == '#' || name[1] == 'b')) {
    pitch = (pitch + (name[1] == '#' ? 1 : 11)) % 12;
    used = 2;
  }
  return true;
}

std::string wrongBar(int bar, int rows, int barRows) {
  return "bar " + std::to_string(bar) + " holds " + std::to_string(rows) + " rows, not " + std::to_string(barRows);
}

bool toInt(std::string_view text, int& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

int pitchOf(std::string_view name) {
  int pitch = 0, octave = 0;
  size_t used = 0;
  if (!pitchClass(name, pitch, used) || !toInt(name.substr(used), octave)) return 0;
  // C and B with their accidentals may step across an octave: Cb5 is B4.
  const int semitone = 12 * octave + pitch + (name[0] == 'C' && pitch == 11 ? -12 : 0) +
                       (name[0] == 'B' && pitch == 0 ? 12 : 0);
  const int note = semitone + 1;  // C4 (semitone 48) is XM note 49 (C-4)
  return note >= 1 && note <= xm::kNotes ? note : 0;
}

bool parseTune(std::string_view text, int barRows, std::vector<Note>& notes, std::string& error) {
  notes.clear();
  int bar = 1, rowsInBar = 0;
  for (std::string_view word : words(text)) {
    if (word == "|") {
      if (rowsInBar != barRows) {
        error = wrongBar(bar, rowsInBar, barRows);
        return false;
      }
      ++bar;
      rowsInBar = 0;
      continue;
    }
    const size_t colon = word.find(':');
    int rows = 0;
    if (colon == std::string_view::npos || !toInt(word.substr(colon + 1), rows) || rows < 1) {
      error = "bar " + std::to_string(bar) + ": '" + std::string(word) + "' needs a length such as ':4'";
      return false;
    }
    const std::string_view name = word.substr(0, colon);
    const int pitch = name == "-" ? 0 : pitchOf(name);
    if (name != "-" && pitch == 0) {
      error = "bar " + std::to_string(bar) + ": '" + std::string(name) + "' is no note";
      return false;
    }
    notes.push_back({pitch, rows});
    rowsInBar += rows;
  }
  if (rowsInBar != barRows) {
    error = wrongBar(bar, rowsInBar, barRows);
    return false;
  }
  return true;
}

bool parseChords(std::string_view text, std::vector<Chord>& chords, std::string& error) {
  chords.clear();
  for (std::string_view word : words(text)) {
    int root = 0;
    size_t used = 0;
    if (!pitchClass(word, root, used)) {
      error.assign(1, '\'').append(word).append("' is no chord");
      return false;
    }
    const std::string_view kind = word.substr(used);
    if (kind.empty()) {
      chords.push_back({root, 4});
    } else if (kind == "m") {
      chords.push_back({root, 3});
    } else if (kind == "5") {
      chords.push_back({root, 7});
    } else {
      error.assign(1, '\'').append(word).append("': only major, minor (m) and open fifth (5) chords");
      return false;
    }
  }
  return true;
}

int chordTone(const Chord& chord, int degree, int octave) {
  const int steps[3] = {0, chord.thirdStep, 7};
  const int root = 1 + 12 * octave + chord.root - (chord.root >= 9 ? 12 : 0);
  return root + 12 * (degree / 3) + steps[degree % 3];
}

void PartWriter::note(int row, int pitch, int volume) {
  xm::Cell& cell = pattern_.at(row, channel_);
  cell.note = uint8_t(pitch);
  cell.instrument = instrument_;
  cell.volume = xm::volumeColumn(volume);
}

void PartWriter::keyOff(int row) {
  xm::Cell& cell = pattern_.at(row, channel_);
  cell = xm::Cell{};
  cell.note = xm::kKeyOff;
}

void PartWriter::tune(int row, const std::vector<Note>& notes, int volume) {
  for (const Note& n : notes) {
    if (n.pitch)
      note(row, n.pitch, volume);
    else
      keyOff(row);
    row += n.rows;
  }
}

}  // namespace music
