#include "sound/Sound.h"

#include "SoundData.h"
#include "res/Files.h"
#include "sound/SoundTable.h"

#include <gtest/gtest.h>
#include <mikmod.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

// The effect voice comes after the song's four.
constexpr SBYTE kEffectVoice = 4;

// The sound events that make a sound, and the slot each plays, written out on their own.
const std::map<int, int> kEventSlots = {
    {1012, 10}, {1014, 11}, {1018, 11}, {1015, 12}, {1021, 1},  {1027, 1},  {1030, 1},  {1031, 1},
    {1022, 26}, {1024, 24}, {1025, 22}, {1026, 22}, {1028, 25}, {1029, 23}, {1032, 21}, {1033, 8},
    {1034, 8},  {1054, 8},  {1055, 8},  {1077, 8},  {1078, 8},  {1035, 9},  {1036, 9},  {1041, 15},
    {1044, 17}, {1045, 16}, {1046, 0},  {1047, 0},  {1048, 14}, {1049, 19}, {1050, 13}, {1052, 18},
    {1057, 20}, {1072, 4},  {1074, 7},  {1075, 5},  {1076, 6},  {1079, 3},  {1080, 3},  {1081, 3},
    {1082, 3},
};

const char* const kLoadOrder[] = {
    "openscroll", "empty", "outro", "screws1", "cash", "howdy", "bye", "ahem", "scroll",
    "scroll2", "breathe", "schnauf", "doorshut", "ping", "pouring", "magic", "sipp", "sapp",
    "mystic", "shaker", "revbell", "hmm", "incub", "incub2", "drop", "heat", "incatmo",
};

std::string logLine(const char* result, const char* effect) {
  return std::string(result) + ":snd\\fx\\" + effect + ".wav\r";
}

class SoundTest : public ::testing::Test {
protected:
  // Starts the sound system over this archive; stderr of the start is kept in `startErr`.
  Sound& startWith(const std::map<std::string, Bytes>& entries) {
    folder.writeArchive(entries);
    return startQuietly();
  }
  Sound& startQuietly() {
    ::testing::internal::CaptureStderr();
    Sound& sound = Sound::instance();
    startErr = ::testing::internal::GetCapturedStderr();
    return sound;
  }
  Sound& startComplete() {
    Sound& sound = startWith(completeSoundEntries());
    EXPECT_TRUE(sound.ok()) << startErr;
    return sound;
  }
  static void startMusic(Sound& sound) {
    ::testing::internal::CaptureStderr();
    sound.play(kMusicEvent);
    ::testing::internal::GetCapturedStderr();
  }
  static int mutedChannels() {
    int muted = 0;
    for (UBYTE channel = 0; channel < 4; ++channel) muted += Player_Muted(channel);
    return muted;
  }

  // Songs positions after each of `updates` mixer updates (each mixes about 3 s of song).
  std::vector<int> songPositions(Sound& sound, int updates) {
    std::vector<int> positions;
    for (int i = 0; i < updates; ++i) {
      platform::current().sleep(Sound::kSilentChunkMs);
      sound.update();
      positions.push_back(sound.module(kMusicKey)->sngpos);
    }
    return positions;
  }

  SoundFolder folder;
  std::string startErr;
};

TEST_F(SoundTest, EveryEventOfTheTablePlaysItsEffectAndAllOthersAreSilent) {
  Sound& sound = startComplete();
  for (int event = 990; event <= 1130; ++event) {
    auto found = kEventSlots.find(event);
    const int expected = found == kEventSlots.end() ? -1 : found->second;
    EXPECT_TRUE(sound.play(event));
    EXPECT_EQ(sound.lastEffect(), expected) << "event " << event;
  }
  for (int event : {0, -1037, 1013, 1106, 5000}) {
    sound.play(event);
    EXPECT_EQ(sound.lastEffect(), -1) << "event " << event;
  }
}

// The effect reaches the mixer's effect voice: each slot's effect has a rate of its own.
TEST_F(SoundTest, TheEffectOfTheSlotIsWhatTheMixerPlays) {
  Sound& sound = startComplete();
  for (auto [event, slot] : {std::pair{1075, 5}, {1072, 4}, {1082, 3}, {1022, 26}, {1046, 0}}) {
    sound.play(event);
    EXPECT_EQ(Voice_GetFrequency(kEffectVoice), effectRate(slot)) << "event " << event;
  }
}

TEST_F(SoundTest, TheMusicEventStartsTheSongLoopingFromItsSecondOrder) {
  Sound& sound = startComplete();
  MODULE* song = sound.module(kMusicKey);
  ASSERT_NE(song, nullptr);
  EXPECT_FALSE(Player_Active());
  ::testing::internal::CaptureStderr();
  sound.play(kMusicEvent);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("sound started (0x"), std::string::npos) << err;
  EXPECT_EQ(sound.lastEffect(), -1);
  EXPECT_TRUE(Player_Active());

  // The song's three orders last about 6 s; long after, it still plays, and never again
  // from its first order.
  const std::vector<int> positions = songPositions(sound, 12);
  EXPECT_TRUE(Player_Active());
  std::set<int> late(positions.begin() + 3, positions.end());
  EXPECT_EQ(late.count(0), 0u);
  EXPECT_EQ(late.count(1), 1u);
  EXPECT_EQ(late.count(2), 1u);
}

// Silent, the library would mix three seconds of song at every pump: it may only as often
// as that much time passes, so a waiting screen costs next to nothing.
TEST_F(SoundTest, SilentMixingKeepsPaceWithTime) {
  Sound& sound = startComplete();
  sound.play(kMusicEvent);
  platform::current().sleep(Sound::kSilentChunkMs);
  sound.update();
  const int position = sound.module(kMusicKey)->sngpos;
  const int row = sound.module(kMusicKey)->patpos;
  for (int i = 0; i < 100; ++i) sound.update();
  EXPECT_EQ(sound.module(kMusicKey)->sngpos, position);
  EXPECT_EQ(sound.module(kMusicKey)->patpos, row);
  platform::current().sleep(Sound::kSilentChunkMs);
  sound.update();
  EXPECT_TRUE(sound.module(kMusicKey)->sngpos != position || sound.module(kMusicKey)->patpos != row);
}

// Muting silences the song's channels and drops effects (not kept for later) while the song
// goes on silently; muted before the music starts, as the settings do before the intro
// starts it, the song starts silent.
TEST_F(SoundTest, MuteSilencesEffectsAndMusicUntilUnmuted) {
  Sound& sound = startComplete();
  EXPECT_FALSE(sound.isMuted());
  startMusic(sound);
  const int position = sound.module(kMusicKey)->sngpos;
  sound.mute();
  EXPECT_TRUE(sound.isMuted());
  EXPECT_EQ(mutedChannels(), 4);
  sound.play(1075);
  EXPECT_EQ(sound.lastEffect(), -1);
  platform::current().sleep(Sound::kSilentChunkMs);
  sound.update();
  EXPECT_TRUE(Player_Active());
  EXPECT_NE(sound.module(kMusicKey)->sngpos, position);
  sound.unmute();
  EXPECT_FALSE(sound.isMuted());
  EXPECT_EQ(mutedChannels(), 0);
  sound.play(1075);
  EXPECT_EQ(sound.lastEffect(), 5);

  Sound::destroy();
  Sound& again = startComplete();
  again.mute();
  startMusic(again);
  ASSERT_TRUE(Player_Active());
  EXPECT_EQ(mutedChannels(), 4);
  again.unmute();
  EXPECT_EQ(mutedChannels(), 0);
}

// The log of an earlier start is replaced whole.
TEST_F(SoundTest, TheLogNamesEveryEffectInLoadOrder) {
  ASSERT_TRUE(writeBesideProgram(String("Kelth.txt"), reinterpret_cast<const uint8_t*>("old log, longer"), 15));
  startComplete();
  std::string expected;
  for (const char* effect : kLoadOrder) expected += logLine("ok", effect);
  EXPECT_EQ(folder.read("Kelth.txt"), expected);
}

// A start without every entry whole fails naming the first one missing or damaged (the
// library would take a damaged header's word and mix from past its data); the log holds
// the effects loaded before it, and the failed sound system stays silent and harmless.
TEST_F(SoundTest, AStartWithoutAWholeEntryFailsNamingIt) {
  using Entries = std::map<std::string, Bytes>;
  struct Case {
    const char* what;
    std::function<void(Entries&)> damage;
    const char* said;
    size_t effectsLogged;  // of the load order
  } cases[] = {
      {"no archive", nullptr,
       "Sound::Sound(): ERROR: Unable to open the sound archive ('snd.arc' is missing) !\n", 0},
      {"an effect missing", [](Entries& e) { e.erase("snd\\fx\\ping.wav"); },
       "Sound::MySample_Load(): ERROR: sound file 'snd\\fx\\ping.wav' is not in the archive !\n", 13},
      // The data chunk claims one sample more than there is.
      {"an effect cut", [](Entries& e) { e["snd\\fx\\ahem.wav"].pop_back(); },
       "Sound::MySample_Load(): ERROR: sound file 'snd\\fx\\ahem.wav' is damaged !\n", 7},
      // Effects are looked up in lower case only: one stored as the game writes its name is
      // not found.
      {"an effect in capitals",
       [](Entries& e) { e["snd\\fx\\SCREWS1.WAV"] = e.extract("snd\\fx\\screws1.wav").mapped(); },
       "'snd\\fx\\screws1.wav' is not in the archive", 3},
      {"the song missing", [](Entries& e) { e.erase(kMusicName); },
       "Sound::loadMod(): ERROR: sound file 'snd\\kelth.xm' is not in the archive !\n", 27},
      {"the song damaged", [](Entries& e) { e[kMusicName] = Bytes(100, 7); },
       "Sound::loadMod(): ERROR: sound file 'snd\\kelth.xm' is damaged !\n", 27},
  };
  for (const Case& c : cases) {
    Entries entries = completeSoundEntries();
    if (c.damage) {
      c.damage(entries);
      folder.writeArchive(entries);
    }
    Sound& sound = startQuietly();
    if (!c.damage) {
      EXPECT_FALSE(fs::exists(folder.path() / "snd.arc"));  // none is made
    }
    EXPECT_FALSE(sound.ok()) << c.what;
    EXPECT_NE(startErr.find(c.said), std::string::npos) << c.what << ": " << startErr;
    std::string logged;
    for (size_t i = 0; i < c.effectsLogged; ++i) logged += logLine("ok", kLoadOrder[i]);
    EXPECT_EQ(folder.read("Kelth.txt"), logged) << c.what;
    sound.play(1075);
    sound.play(kMusicEvent);
    sound.mute();
    sound.unmute();
    sound.update();
    EXPECT_EQ(sound.lastEffect(), -1) << c.what;
    Sound::destroy();
  }
}

TEST_F(SoundTest, TheInstanceIsMadeOnceAndSilentByDefault) {
  EXPECT_FALSE(Sound::exists());
  Sound* first = &startComplete();
  EXPECT_TRUE(Sound::exists());
  EXPECT_EQ(&Sound::instance(), first);
  EXPECT_STREQ(md_driver->Alias, "nosound");
  EXPECT_EQ(startErr.find("WARNING"), std::string::npos) << startErr;
}

}  // namespace
