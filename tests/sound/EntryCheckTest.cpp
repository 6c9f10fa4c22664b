// The sound entries' headers checked against their bytes before the library sees them.
#include "SoundData.h"
#include "gfx/TestPictures.h"
#include "sound/EntryCheck.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Case {
  const char* what;
  std::function<void(Bytes&)> damage;
  bool whole;
};

// makeWav's layout: RIFF header 12, "fmt " chunk 8 + 16, "data" chunk header at 36.
constexpr size_t kFormatAt = 20, kDataLengthAt = 40;

TEST(EntryCheck, EveryCutOfAWaveOrASongIsDamage) {
  for (const Bytes& whole : {makeWav(11025, 101), makeWav(8000, 1)}) {
    ASSERT_TRUE(isWholeWave(whole.data(), whole.size()));
    for (size_t n = 0; n < whole.size(); ++n) {
      Bytes cut(whole.begin(), whole.begin() + long(n));  // exactly n bytes, so a read past them is caught
      EXPECT_FALSE(isWholeWave(cut.data(), cut.size())) << n;
    }
  }
  const Bytes song = makeSong();
  ASSERT_TRUE(isWholeModule(song.data(), song.size()));
  for (size_t n = 0; n < song.size(); ++n) {
    Bytes cut(song.begin(), song.begin() + long(n));
    EXPECT_FALSE(isWholeModule(cut.data(), cut.size())) << n;
  }
  EXPECT_FALSE(isWholeWave(nullptr, 0));
  EXPECT_FALSE(isWholeModule(nullptr, 0));
}

TEST(EntryCheck, WaveHeadersThatDoNotMatchTheirBytes) {
  const std::vector<Case> cases{
      {"as made", [](Bytes&) {}, true},
      // What the mixer crashed on: a data length beyond the entry, the RIFF length fixed up.
      {"data claims more", [](Bytes& b) { put32(b, kDataLengthAt, 5000); put32(b, 4, uint32_t(b.size() - 8)); }, false},
      {"data claims 4 GiB", [](Bytes& b) { put32(b, kDataLengthAt, 0xFFFFFFFFu); }, false},
      {"RIFF claims more", [](Bytes& b) { put32(b, 4, uint32_t(b.size() - 7)); }, false},
      {"RIFF claims less", [](Bytes& b) { put32(b, 4, 4); }, true},  // the library reads on to the data chunk
      {"not RIFF", [](Bytes& b) { b[0] = 'X'; }, false},
      {"not WAVE", [](Bytes& b) { b[8] = 'X'; }, false},
      {"not PCM", [](Bytes& b) { put16(b, kFormatAt, 3); }, false},
      {"no channels", [](Bytes& b) { put16(b, kFormatAt + 2, 0); }, false},
      {"12 bits", [](Bytes& b) { put16(b, kFormatAt + 14, 12); }, false},
      {"format chunk a byte short", [](Bytes& b) { put32(b, 16, 15); }, false},
      {"no format chunk", [](Bytes& b) { b[12] = 'X'; }, false},
      {"no data chunk", [](Bytes& b) { b[36] = 'X'; }, false},
      {"format chunk past the end", [](Bytes& b) { put32(b, 16, 0x7FFFFFF0u); }, false},
      {"an odd chunk before the data", [](Bytes& b) {
         Bytes list{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
         b.insert(b.begin() + 36, list.begin(), list.end());
         put32(b, 4, uint32_t(b.size() - 8));
       }, true},
  };
  for (const Case& c : cases) {
    Bytes wav = makeWav(11025, 64);
    c.damage(wav);
    EXPECT_EQ(isWholeWave(wav.data(), wav.size()), c.whole) << c.what;
  }
}

// Puts `count` patterns of no packed data in front of the instruments at `at`.
void addEmptyPatterns(Bytes& song, size_t at, int count) {
  const Bytes empty{9, 0, 0, 0, 0, 64, 0, 0, 0};
  for (int i = 0; i < count; ++i) song.insert(song.begin() + long(at), empty.begin(), empty.end());
  put16(song, 70, uint16_t(2 + count));
}

TEST(EntryCheck, ModuleHeadersThatDoNotMatchTheirBytes) {
  // makeSong's layout: header size at 60, patterns at 70, instruments at 72; the first
  // pattern at 336 with its packed size at 343; the instrument after the two patterns.
  const Bytes song = makeSong();
  const size_t firstPattern = 336;
  const size_t packed = song[firstPattern + 7] | song[firstPattern + 8] << 8;
  const size_t instrument = firstPattern + 2 * (9 + packed);
  const std::vector<Case> cases{
      {"as made", [](Bytes&) {}, true},
      {"not a module", [](Bytes& b) { b[0] = 'X'; }, false},
      {"header past the end", [](Bytes& b) { put32(b, 60, 0x10000000u); }, false},
      {"more patterns", [](Bytes& b) { put16(b, 70, 3); }, false},
      // Empty patterns up to the most the player takes, and one more.
      {"256 patterns", [&](Bytes& b) { addEmptyPatterns(b, instrument, 254); }, true},
      {"257 patterns", [&](Bytes& b) { addEmptyPatterns(b, instrument, 255); }, false},
      {"more instruments", [](Bytes& b) { put16(b, 72, 2); }, false},
      {"a pattern packed larger", [&](Bytes& b) { put16(b, firstPattern + 7, 0xFFFF); }, false},
      {"a pattern header too short", [&](Bytes& b) { put32(b, firstPattern, 3); }, false},
      {"a sample longer than its data", [&](Bytes& b) { put32(b, instrument + 263, 33); }, false},
      {"more samples", [&](Bytes& b) { put16(b, instrument + 27, 2); }, false},
      {"no patterns or instruments", [](Bytes& b) { put16(b, 70, 0); put16(b, 72, 0); }, true},
  };
  for (const Case& c : cases) {
    Bytes b = song;
    c.damage(b);
    EXPECT_EQ(isWholeModule(b.data(), b.size()), c.whole) << c.what;
  }
}

}  // namespace
