// Turns music written as text into pattern rows. A tune is a line of notes such as
// "D5:4 E5:2 | G4:6 -:6" (pitch with octave, C4 being middle C, '#' or 'b' after the
// letter, '-' for a rest, ':' and the length in rows, '|' between bars); chords are names
// such as "Dm C G A" (one a bar) and accompaniment figures pick their tones by degree.
#pragma once

#include "sound/Xm.h"

#include <string>
#include <string_view>
#include <vector>

namespace music {

struct Note {
  int pitch;  // XM note number, 0 for a rest
  int rows;
};

// The XM note of a name such as "C#5", or 0 when it is not one.
int pitchOf(std::string_view name);

// Parses a tune line; every bar must hold exactly `barRows` rows. On a mistake returns
// false and says what and where in `error`.
bool parseTune(std::string_view text, int barRows, std::vector<Note>& notes, std::string& error);

struct Chord {
  int root;       // pitch class, 0 = C
  int thirdStep;  // semitones from the root to the second tone: 3 minor, 4 major, 7 open fifth
};

bool parseChords(std::string_view text, std::vector<Chord>& chords, std::string& error);

// The chord's tones upward from its root in `octave` (roots from A up are taken an octave
// lower, so every chord starts between A and G#): degree 0 root, 1 third, 2 fifth,
// 3 the octave, 4 the third above it, and so on.
int chordTone(const Chord& chord, int degree, int octave);

// One stroke of an accompaniment figure: `degree` of the bar's chord at `row` of the bar.
struct Stroke {
  int row;
  int degree;
};

// Where a part's notes go: one channel of a pattern long enough for a whole section.
class PartWriter {
public:
  PartWriter(xm::Pattern& pattern, int channel, uint8_t instrument)
      : pattern_(pattern), channel_(channel), instrument_(instrument) {}
  void note(int row, int pitch, int volume);
  void keyOff(int row);
  // A tune from `row`; rests become key-offs so sustained instruments fall silent.
  void tune(int row, const std::vector<Note>& notes, int volume);

private:
  xm::Pattern& pattern_;
  int channel_;
  uint8_t instrument_;
};

}  // namespace music
