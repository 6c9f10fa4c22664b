#include "sound/Song.h"

#include "sound/Composer.h"
#include "sound/Instruments.h"

#include <vector>

namespace music {

namespace {

constexpr int kChannels = 4;
constexpr int kMelody = 0, kChords = 1, kBass = 2, kPercussion = 3;
// Six ticks a row at 180 "beats" a minute: a row is a sixteenth note of 1/12 s, and a
// bar of 6/8 (12 rows) lasts one second.
constexpr int kSpeed = 6;
constexpr int kBpm = 180;
constexpr int kBarRows = 12;
constexpr int kPatternBars = 4;
// The volumes below balance the parts against each other; the whole is then set so that the
// music plays at about -20 dBFS RMS at the game's music volume, and the effects, which the game
// mixes at twice the music's volume, still peak well above it.
constexpr double kMusicLevel = 0.94;

int mixed(int volume) { return int(volume * kMusicLevel + 0.5); }

// How the lute breaks each bar's chord.
const std::vector<Stroke> kGentle = {{0, 0}, {2, 2}, {4, 3}, {6, 5}, {8, 4}, {10, 2}};
const std::vector<Stroke> kRolling = {{0, 0}, {2, 2}, {4, 3}, {6, 4}, {8, 3}, {10, 2}};
const std::vector<Stroke> kLilting = {{0, 0}, {4, 3}, {6, 2}, {10, 4}};
const std::vector<Stroke> kRunning = {{0, 0}, {2, 2}, {4, 3}, {6, 4}, {7, 5}, {8, 4}, {9, 3}, {10, 2}, {11, 1}};
const std::vector<Stroke> kHarp = {{0, 3}, {2, 5}, {4, 4}, {6, 6}, {8, 5}, {10, 4}};

enum class Bass { kHeld, kPulse };
enum class Drums { kHeartbeat, kWalk, kDance };

struct Hit {
  int row;
  uint8_t instrument;
  int volume;
};

const std::vector<Hit>& drumBar(Drums style) {
  static const std::vector<Hit> heartbeat = {{0, kDrum, 40}};
  static const std::vector<Hit> walk = {{0, kDrum, 44}, {6, kTap, 26}, {10, kTap, 18}};
  static const std::vector<Hit> dance = {
      {0, kDrum, 46}, {4, kTap, 22}, {6, kDrum, 34}, {8, kTap, 18}, {10, kJingle, 24}};
  switch (style) {
    case Drums::kHeartbeat: return heartbeat;
    case Drums::kWalk: return walk;
    case Drums::kDance: return dance;
  }
  return heartbeat;
}

// The last bar of a section rolls into the next one.
const std::vector<Hit> kFill = {{0, kDrum, 46}, {6, kTap, 22}, {8, kTap, 28}, {10, kTap, 34}};

struct Section {
  const char* chords;  // one a bar
  const char* tune;    // the recorder's line, or nullptr while it rests
  int tuneVolume;
  const std::vector<Stroke>* figure;
  int luteVolume;
  Bass bass;
  int bassVolume;
  Drums drums;
  bool fill;
};

// D dorian throughout: the raised sixth (B) gives the modal colour, and cadences borrow a
// C sharp to lean onto D.
const char* const kChordsA = "Dm C Dm Am F C G Dm";
const char* const kChordsA2 = "Dm C Dm Dm F G A Dm";
const char* const kTuneA =
    "D5:4 E5:2 F5:4 G5:2 | E5:4 C5:2 G4:6 | F5:4 E5:2 D5:4 F5:2 | E5:6 A4:6 |"
    "A5:4 G5:2 F5:4 A5:2 | G5:4 E5:2 C5:4 E5:2 | D5:2 E5:2 F5:2 E5:4 D5:2 | D5:6 -:6";
const char* const kTuneA2 =
    "D5:4 E5:2 F5:4 G5:2 | A5:4 G5:2 E5:6 | F5:2 E5:2 D5:2 E5:4 C5:2 | D5:6 A4:6 |"
    "F5:4 G5:2 A5:4 C6:2 | B5:4 A5:2 G5:6 | A5:2 G5:2 F5:2 E5:4 C#5:2 | D5:10 -:2";
const char* const kTuneB =
    "C6:6 A5:6 | G5:4 A5:2 G5:4 E5:2 | F5:6 D5:6 | E5:4 F5:2 E5:4 C5:2 |"
    "A5:4 C6:2 A5:4 F5:2 | G5:4 B5:2 D6:4 B5:2 | C6:4 B5:2 A5:4 G5:2 | A5:6 -:6";
const char* const kTuneB2 =
    "C6:6 A5:6 | G5:4 A5:2 G5:4 E5:2 | F5:6 D5:6 | E5:4 F5:2 E5:4 C5:2 |"
    "A5:2 G5:2 F5:2 A5:6 | G5:2 F5:2 E5:2 G5:6 | F5:2 E5:2 D5:2 C#5:6 | D5:10 -:2";
const char* const kChordsC = "Dm C Dm Am F C G A";
const char* const kTuneC = "D5:12 | E5:12 | F5:6 D5:6 | E5:12 | C5:12 | E5:6 G5:6 | D5:12 | C#5:6 E5:6";
const char* const kTuneC2 =
    "A4:4 B4:2 C5:4 A4:2 | G4:4 A4:2 E4:6 | F4:4 G4:2 A4:4 D5:2 | C5:4 B4:2 A4:6 |"
    "A4:4 C5:2 F5:4 E5:2 | E5:4 D5:2 C5:6 | B4:4 C5:2 D5:4 B4:2 | C#5:6 E5:6";

// Introduction (order 0), then the loop: the dance tune twice, its second strain twice,
// a quieter interlude where the lute leads, and the dance again, fuller.
const std::vector<Section>& arrangement() {
  static const std::vector<Section> sections = {
      {"Dm C Dm A", nullptr, 0, &kGentle, 30, Bass::kHeld, 34, Drums::kHeartbeat, true},
      {kChordsA, kTuneA, 40, &kRolling, 28, Bass::kHeld, 36, Drums::kWalk, true},
      {kChordsA2, kTuneA2, 40, &kRolling, 28, Bass::kPulse, 36, Drums::kWalk, true},
      {"F C Dm Am F G Am A", kTuneB, 42, &kLilting, 30, Bass::kPulse, 36, Drums::kDance, true},
      {"F C Dm Am F C A Dm", kTuneB2, 42, &kLilting, 30, Bass::kPulse, 36, Drums::kDance, true},
      {kChordsC, kTuneC, 30, &kHarp, 32, Bass::kHeld, 30, Drums::kHeartbeat, false},
      {kChordsC, kTuneC2, 36, &kHarp, 30, Bass::kHeld, 32, Drums::kWalk, true},
      {kChordsA, kTuneA, 42, &kRunning, 26, Bass::kPulse, 38, Drums::kDance, true},
      {kChordsA2, kTuneA2, 42, &kRolling, 28, Bass::kPulse, 38, Drums::kDance, true},
  };
  return sections;
}

void writeChords(xm::Pattern& sheet, const Section& s, const std::vector<Chord>& chords) {
  PartWriter lute(sheet, kChords, kLute);
  for (size_t bar = 0; bar < chords.size(); ++bar)
    for (const Stroke& stroke : *s.figure)
      lute.note(int(bar) * kBarRows + stroke.row, chordTone(chords[bar], stroke.degree, 3), mixed(s.luteVolume));
}

void writeBass(xm::Pattern& sheet, const Section& s, const std::vector<Chord>& chords) {
  PartWriter viol(sheet, kBass, kViol);
  for (size_t bar = 0; bar < chords.size(); ++bar) {
    const int row = int(bar) * kBarRows;
    const int root = chordTone(chords[bar], 0, 2);
    if (s.bass == Bass::kPulse) {
      viol.note(row, root, mixed(s.bassVolume));
      viol.note(row + kBarRows / 2, chordTone(chords[bar], 2, 2), mixed(s.bassVolume - 6));
    } else if (bar == 0 || chordTone(chords[bar - 1], 0, 2) != root) {
      viol.note(row, root, mixed(s.bassVolume));  // a held bass sounds again only when the root moves
    }
  }
}

void writeDrums(xm::Pattern& sheet, const Section& s, int bars) {
  for (int bar = 0; bar < bars; ++bar) {
    const bool last = bar == bars - 1;
    for (const Hit& hit : (last && s.fill) ? kFill : drumBar(s.drums)) {
      PartWriter drum(sheet, kPercussion, hit.instrument);
      drum.note(bar * kBarRows + hit.row, xm::kMiddleC, mixed(hit.volume));
    }
  }
}

// A section written out as one tall pattern, then cut into patterns of four bars.
bool addSection(xm::Module& module, const Section& s, std::string& error) {
  std::vector<Chord> chords;
  if (!parseChords(s.chords, chords, error)) return false;
  const int bars = int(chords.size());
  if (bars == 0 || bars % kPatternBars != 0) {
    error = "a section must be whole patterns of " + std::to_string(kPatternBars) + " bars";
    return false;
  }
  xm::Pattern sheet(bars * kBarRows, kChannels);
  if (s.tune) {
    std::vector<Note> notes;
    if (!parseTune(s.tune, kBarRows, notes, error)) return false;
    int rows = 0;
    for (const Note& n : notes) rows += n.rows;
    if (rows != sheet.rows()) {
      error = "the tune has " + std::to_string(rows / kBarRows) + " bars, the chords " + std::to_string(bars);
      return false;
    }
    PartWriter(sheet, kMelody, kRecorder).tune(0, notes, mixed(s.tuneVolume));
  }
  writeChords(sheet, s, chords);
  writeBass(sheet, s, chords);
  writeDrums(sheet, s, bars);

  const int patternRows = kPatternBars * kBarRows;
  for (int first = 0; first < sheet.rows(); first += patternRows) {
    xm::Pattern part(patternRows, kChannels);
    for (int row = 0; row < patternRows; ++row)
      for (int channel = 0; channel < kChannels; ++channel) part.at(row, channel) = sheet.at(first + row, channel);
    module.order.push_back(uint8_t(module.patterns.size()));
    module.patterns.push_back(std::move(part));
  }
  return true;
}

}  // namespace

bool composeSong(xm::Module& module, std::string& error) {
  module = xm::Module{};
  module.name = "kelth";
  module.channels = kChannels;
  module.speed = kSpeed;
  module.bpm = kBpm;
  module.restart = 1;  // after the introduction the loop starts at the second order entry
  for (const Section& section : arrangement()) {
    if (!addSection(module, section, error)) return false;
  }
  module.instruments = makeInstruments();
  error = xm::problemWith(module);
  return error.empty();
}

}  // namespace music
