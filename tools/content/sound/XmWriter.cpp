#include "sound/Xm.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace xm {

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int kHeaderSize = 276;            // from offset 60: the fields after it and 256 orders
constexpr uint32_t kInstrumentHeader = 263;  // as FastTracker 2 writes it
constexpr int kSampleHeader = 40;
constexpr int kEnvelopePoints = 12;

void put(Bytes& b, uint32_t value, int count) {
  for (int i = 0; i < count; ++i) b.push_back(uint8_t(value >> (8 * i)));
}

void putText(Bytes& b, const std::string& text, size_t width) {
  for (size_t i = 0; i < width; ++i) b.push_back(i < text.size() ? uint8_t(text[i]) : 0);
}

void putHeader(Bytes& b, const Module& m) {
  putText(b, "Extended Module: ", 17);
  putText(b, m.name, 20);
  b.push_back(0x1A);
  putText(b, "nupavane-content", 20);
  put(b, 0x0104, 2);
  put(b, kHeaderSize, 4);
  put(b, uint32_t(m.order.size()), 2);
  put(b, uint32_t(m.restart), 2);
  put(b, uint32_t(m.channels), 2);
  put(b, uint32_t(m.patterns.size()), 2);
  put(b, uint32_t(m.instruments.size()), 2);
  put(b, 1, 2);  // linear frequencies
  put(b, uint32_t(m.speed), 2);
  put(b, uint32_t(m.bpm), 2);
  for (size_t i = 0; i < 256; ++i) b.push_back(i < m.order.size() ? m.order[i] : 0);
}

// Cells are packed: a mask byte naming the fields present, then those fields.
Bytes packCells(const Pattern& p) {
  Bytes packed;
  for (int row = 0; row < p.rows(); ++row) {
    for (int channel = 0; channel < p.channels(); ++channel) {
      const Cell& c = p.at(row, channel);
      const uint8_t fields[5] = {c.note, c.instrument, c.volume, c.effect, c.parameter};
      uint8_t mask = 0x80;
      for (int f = 0; f < 5; ++f)
        if (fields[f]) mask |= uint8_t(1 << f);
      packed.push_back(mask);
      for (uint8_t field : fields)
        if (field) packed.push_back(field);
    }
  }
  return packed;
}

void putPattern(Bytes& b, const Pattern& p) {
  const Bytes packed = packCells(p);
  put(b, 9, 4);  // pattern header length
  b.push_back(0);  // packing type
  put(b, uint32_t(p.rows()), 2);
  put(b, uint32_t(packed.size()), 2);
  b.insert(b.end(), packed.begin(), packed.end());
}

void putEnvelope(Bytes& b, const Envelope& e) {
  for (int i = 0; i < kEnvelopePoints; ++i) {
    const bool used = size_t(i) < e.points.size();
    put(b, used ? e.points[size_t(i)].first : 0, 2);
    put(b, used ? e.points[size_t(i)].second : 0, 2);
  }
}

void putInstrument(Bytes& b, const Instrument& in) {
  const size_t start = b.size();
  put(b, kInstrumentHeader, 4);
  putText(b, in.name, 22);
  b.push_back(0);  // type
  put(b, uint32_t(in.samples.size()), 2);
  put(b, kSampleHeader, 4);
  b.insert(b.end(), in.keymap.begin(), in.keymap.end());
  putEnvelope(b, in.volume);
  putEnvelope(b, Envelope{});  // no panning envelope: the game mixes in mono
  b.push_back(uint8_t(in.volume.points.size()));
  b.push_back(0);
  b.push_back(uint8_t(std::max(in.volume.sustain, 0)));
  b.push_back(0);  // volume loop start
  b.push_back(0);  // volume loop end
  b.push_back(0);  // panning sustain, loop start, loop end
  b.push_back(0);
  b.push_back(0);
  const bool envelopeOn = !in.volume.points.empty();
  b.push_back(uint8_t((envelopeOn ? 1 : 0) | (envelopeOn && in.volume.sustain >= 0 ? 2 : 0)));
  b.push_back(0);  // panning envelope off
  for (int i = 0; i < 4; ++i) b.push_back(0);  // vibrato type, sweep, depth, rate
  put(b, in.fadeout, 2);
  b.resize(start + kInstrumentHeader, 0);  // reserved

  for (const Sample& s : in.samples) {
    put(b, uint32_t(s.data.size() * 2), 4);  // lengths in bytes: the samples are 16-bit
    put(b, s.loopStart * 2, 4);
    put(b, s.loopLength * 2, 4);
    b.push_back(s.volume);
    b.push_back(uint8_t(s.finetune));
    b.push_back(uint8_t((s.loopLength ? 1 : 0) | 0x10));  // forward loop, 16-bit
    b.push_back(128);                                     // centre
    b.push_back(uint8_t(s.relativeNote));
    b.push_back(0);
    putText(b, s.name, 22);
  }
  // Sample data is stored as the difference from the sample before.
  for (const Sample& s : in.samples) {
    int16_t previous = 0;
    for (int16_t value : s.data) {
      put(b, uint16_t(int16_t(uint16_t(value) - uint16_t(previous))), 2);
      previous = value;
    }
  }
}

std::string problemWithInstrument(const Instrument& in, size_t index) {
  const std::string which = "instrument " + std::to_string(index + 1) + ": ";
  if (in.samples.empty() || in.samples.size() > 16) return which + "needs 1 to 16 samples";
  for (uint8_t s : in.keymap)
    if (s >= in.samples.size()) return which + "its key map names a missing sample";
  if (in.volume.points.size() > size_t(kEnvelopePoints) || in.volume.points.size() == 1)
    return which + "an envelope needs 2 to 12 points";
  if (in.volume.sustain >= int(in.volume.points.size())) return which + "the sustain point is missing";
  for (size_t i = 1; i < in.volume.points.size(); ++i)
    if (in.volume.points[i].first <= in.volume.points[i - 1].first) return which + "envelope ticks must rise";
  for (const Sample& s : in.samples) {
    if (s.data.empty()) return which + "a sample is empty";
    if (s.loopLength && s.loopStart + s.loopLength > s.data.size()) return which + "a loop runs past its sample";
  }
  return "";
}

}  // namespace

void tune(Sample& sample, double sampleRate, double toneHz) {
  // Note C-4 plays a sample at 8363 Hz, shifted by the relative note and the finetune.
  const double semitones = 12.0 * std::log2(261.6256 * sampleRate / (8363.0 * toneHz));
  int note = int(std::floor(semitones));
  int fine = int(std::lround((semitones - note) * 128.0));
  if (fine == 128) {
    ++note;
    fine = 0;
  }
  sample.relativeNote = int8_t(note);
  sample.finetune = int8_t(fine);
}

std::string problemWith(const Module& m) {
  if (m.channels < 1 || m.channels > 32) return "channels must be 1 to 32";
  if (m.order.empty() || m.order.size() > 256) return "the order list needs 1 to 256 entries";
  if (m.restart < 0 || size_t(m.restart) >= m.order.size()) return "the restart position lies outside the order list";
  if (m.speed < 1 || m.speed > 31 || m.bpm < 32 || m.bpm > 255) return "speed must be 1 to 31 and bpm 32 to 255";
  if (m.patterns.empty() || m.patterns.size() > 256) return "needs 1 to 256 patterns";
  for (uint8_t o : m.order)
    if (o >= m.patterns.size()) return "the order list names a missing pattern";
  for (const Pattern& p : m.patterns) {
    if (p.rows() < 1 || p.rows() > 256 || p.channels() != m.channels) return "a pattern has the wrong shape";
    // The player reads the packed size as a signed 16-bit number.
    if (packCells(p).size() > 32767) return "a pattern packs to more than 32767 bytes";
    for (int row = 0; row < p.rows(); ++row) {
      for (int channel = 0; channel < p.channels(); ++channel) {
        const Cell& c = p.at(row, channel);
        if (c.note > kKeyOff) return "a cell holds no note";
        if (c.instrument > m.instruments.size()) return "a cell names a missing instrument";
        // 0x10..0x50 set a volume, 0x60 and up are the column's effects.
        const bool volumeOk = c.volume == 0 || (c.volume >= 0x10 && c.volume <= 0x50) || c.volume >= 0x60;
        if (!volumeOk) return "a cell's volume is out of range";
      }
    }
  }
  if (m.instruments.empty() || m.instruments.size() > 128) return "needs 1 to 128 instruments";
  for (size_t i = 0; i < m.instruments.size(); ++i) {
    std::string problem = problemWithInstrument(m.instruments[i], i);
    if (!problem.empty()) return problem;
  }
  return "";
}

std::vector<uint8_t> write(const Module& m) {
  Bytes b;
  putHeader(b, m);
  for (const Pattern& p : m.patterns) putPattern(b, p);
  for (const Instrument& in : m.instruments) putInstrument(b, in);
  return b;
}

}  // namespace xm
