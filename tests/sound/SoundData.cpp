#include "SoundData.h"

#include "platform/Files.h"
#include "res/ArchiveWriter.h"
#include "res/Files.h"
#include "sound/Sound.h"
#include "sound/SoundTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void put(Bytes& b, uint32_t value, int count) {
  for (int i = 0; i < count; ++i) b.push_back(uint8_t(value >> (8 * i)));
}

void putText(Bytes& b, const char* text, size_t width) {
  const size_t length = std::strlen(text);
  for (size_t i = 0; i < width; ++i) b.push_back(i < length ? uint8_t(text[i]) : 0);
}

constexpr int kChannels = 4;
constexpr int kRows = 16;

// Every channel strikes C-4 of instrument 1 at full volume on the first row; the rest is
// empty. Cells are packed: a mask byte, then the fields it names.
Bytes patternData() {
  Bytes d;
  for (int row = 0; row < kRows; ++row) {
    for (int channel = 0; channel < kChannels; ++channel) {
      if (row > 0) {
        d.push_back(0x80);
        continue;
      }
      d.push_back(0x80 | 0x07);
      d.push_back(49);    // C-4
      d.push_back(1);     // instrument 1
      d.push_back(0x50);  // volume 64
    }
  }
  return d;
}

}  // namespace

Bytes makeWav(uint32_t rate, size_t count) {
  Bytes pcm(count);
  for (size_t i = 0; i < count; ++i) pcm[i] = (i / 8) % 2 ? 0xC0 : 0x40;
  Bytes b;
  putText(b, "RIFF", 4);
  put(b, uint32_t(36 + pcm.size()), 4);
  putText(b, "WAVE", 4);
  putText(b, "fmt ", 4);
  put(b, 16, 4);
  put(b, 1, 2);     // PCM
  put(b, 1, 2);     // mono
  put(b, rate, 4);
  put(b, rate, 4);  // bytes a second
  put(b, 1, 2);     // block align: 8-bit
  put(b, 8, 2);
  putText(b, "data", 4);
  put(b, uint32_t(pcm.size()), 4);
  b.insert(b.end(), pcm.begin(), pcm.end());
  return b;
}

Bytes makeSong() {
  const uint8_t orders[] = {0, 1, 1};
  Bytes b;
  putText(b, "Extended Module: ", 17);
  putText(b, "test song", 20);
  b.push_back(0x1A);
  putText(b, "tests", 20);
  put(b, 0x0104, 2);
  put(b, 276, 4);   // header size
  put(b, sizeof orders, 2);
  put(b, 0, 2);     // restart position
  put(b, kChannels, 2);
  put(b, 2, 2);     // patterns
  put(b, 1, 2);     // instruments
  put(b, 1, 2);     // linear frequencies
  put(b, 6, 2);     // speed
  put(b, 125, 2);   // BPM: 16 rows last 1.92 s
  for (int i = 0; i < 256; ++i) b.push_back(i < int(sizeof orders) ? orders[i] : 0);
  for (int pattern = 0; pattern < 2; ++pattern) {
    const Bytes d = patternData();
    put(b, 9, 4);
    b.push_back(0);
    put(b, kRows, 2);
    put(b, uint32_t(d.size()), 2);
    b.insert(b.end(), d.begin(), d.end());
  }
  const size_t instrument = b.size();
  put(b, 263, 4);
  putText(b, "instrument", 22);
  b.push_back(0);
  put(b, 1, 2);   // one sample
  put(b, 40, 4);  // sample header size
  b.resize(instrument + 263, 0);  // keymap all sample 0, no envelopes
  const int8_t wave[32] = {60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60,
                           -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60, -60};
  put(b, sizeof wave, 4);  // length
  put(b, 0, 4);            // loop start
  put(b, sizeof wave, 4);  // loop length
  b.push_back(64);         // volume
  b.push_back(0);          // finetune
  b.push_back(1);          // forward loop, 8-bit
  b.push_back(128);        // panning
  b.push_back(0);          // relative note
  b.push_back(0);
  putText(b, "sample", 22);
  int8_t previous = 0;
  for (int8_t value : wave) {
    b.push_back(uint8_t(int8_t(value - previous)));  // delta-encoded
    previous = value;
  }
  return b;
}

uint32_t effectRate(int slot) { return 8000 + 100 * uint32_t(slot); }

std::map<std::string, Bytes> completeSoundEntries() {
  std::map<std::string, Bytes> entries;
  for (int slot = 0; slot < kEffectCount; ++slot)
    entries[String(kEffectNames[size_t(slot)]).toLower().c_str()] = makeWav(effectRate(slot), 400);
  entries[kMusicName] = makeSong();
  return entries;
}

SoundFolder::SoundFolder(platform::Platform* backend) {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  folder_ = fs::path(::testing::TempDir()) /
            ("sound-" + std::to_string(::getpid()) + "-" + (test ? test->name() : "rig"));
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  platform::setProgramPath((folder_ / "nupavane").string());
  platform::setCurrent(backend ? backend : &headless_);
  Sound::useAudioDevice(false);
}

SoundFolder::~SoundFolder() {
  Sound::destroy();
  Sound::useAudioDevice(false);
  platform::setCurrent(nullptr);
  platform::setProgramPath("");
  fs::remove_all(folder_);
}

void SoundFolder::writeArchive(const std::map<std::string, Bytes>& entries) {
  ArchiveWriter writer;
  for (const auto& [name, data] : entries) ASSERT_TRUE(writer.add(String(name.c_str()), data)) << name;
  const Bytes archive = writer.bytes();
  ASSERT_TRUE(writeBesideProgram(String("snd.arc"), archive.data(), archive.size()));
}

std::string SoundFolder::read(const char* name) const {
  auto bytes = readBesideProgram(String(name));
  return bytes ? std::string(bytes->begin(), bytes->end()) : "(missing)";
}
