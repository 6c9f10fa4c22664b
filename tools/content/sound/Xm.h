// FastTracker 2 modules (XM 1.04): the music is stored in this form, so the game's module
// player plays it. A module is an order list of patterns (rows of one cell per channel)
// and instruments, each with one or more 16-bit samples and a key map choosing a sample
// for every note.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace xm {

inline constexpr uint8_t kKeyOff = 97;
inline constexpr uint8_t kMiddleC = 49;  // note "C-4", which we tune to 261.63 Hz
inline constexpr int kNotes = 96;

struct Cell {
  uint8_t note = 0;        // 1..96, kKeyOff, or 0 for none
  uint8_t instrument = 0;  // 1-based, 0 for none
  uint8_t volume = 0;      // volume column byte (0x10 + 0..64), 0 for none
  uint8_t effect = 0;
  uint8_t parameter = 0;
};

inline uint8_t volumeColumn(int volume) { return uint8_t(0x10 + volume); }

class Pattern {
public:
  Pattern(int rows, int channels) : rows_(rows), channels_(channels), cells_(size_t(rows * channels)) {}
  Cell& at(int row, int channel) { return cells_[size_t(row * channels_ + channel)]; }
  const Cell& at(int row, int channel) const { return cells_[size_t(row * channels_ + channel)]; }
  int rows() const { return rows_; }
  int channels() const { return channels_; }

private:
  int rows_, channels_;
  std::vector<Cell> cells_;
};

struct Sample {
  std::string name;
  std::vector<int16_t> data;
  uint32_t loopStart = 0, loopLength = 0;  // in samples; no loop when the length is 0
  uint8_t volume = 64;
  int8_t finetune = 0;      // 1/128 semitone
  int8_t relativeNote = 0;  // semitones
};

// Sets the sample's relative note and finetune so that a tone of `toneHz` recorded at
// `sampleRate` sounds at its written pitch (C-4 = 261.63 Hz).
void tune(Sample& sample, double sampleRate, double toneHz);

struct Envelope {
  std::vector<std::pair<uint16_t, uint16_t>> points;  // (tick, volume 0..64); at most 12
  int sustain = -1;                                   // point held until key off, or -1
};

struct Instrument {
  std::string name;
  std::vector<Sample> samples;
  std::array<uint8_t, kNotes> keymap{};  // sample index for each note (note 1 at index 0)
  Envelope volume;                       // none when it has no points
  uint16_t fadeout = 0;  // no automatic vibrato: the player ignores the sine kind
};

struct Module {
  std::string name;
  int channels = 4;
  int speed = 6;  // ticks per row
  int bpm = 125;  // a tick lasts 2.5 / bpm seconds
  int restart = 0;
  std::vector<uint8_t> order;
  std::vector<Pattern> patterns;
  std::vector<Instrument> instruments;
};

// What would make the module unreadable or unplayable, or "" when it is sound.
std::string problemWith(const Module& module);

// The module as an XM 1.04 file; only for a module without a problem.
std::vector<uint8_t> write(const Module& module);

}  // namespace xm
