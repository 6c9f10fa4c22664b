// Every effect and the music of the sound archive the build made, loaded the way the game
// loads them: through libmikmod from memory, with the silent driver.
#include "ContentArchive.h"
#include "sound/Library.h"
#include "sound/MemoryReader.h"

#include <gtest/gtest.h>
#include <mikmod.h>

namespace {

const std::string kBuildDir = NUPAVANE_BUILD_DIR;

class ContentSoundTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    registerSoundLibraryParts();
    md_mixfreq = 11025;
    md_mode = DMODE_SOFT_MUSIC | DMODE_SOFT_SNDFX;
    md_device = UWORD(MikMod_DriverFromAlias("nosound"));
    started = md_device != 0 && MikMod_Init("") == 0;
  }
  static void TearDownTestSuite() {
    if (started) MikMod_Exit();
  }
  void SetUp() override {
    ASSERT_TRUE(started) << "the silent driver does not start";
    std::string error;
    auto read = readArchive(kBuildDir + "/snd.arc", error);
    ASSERT_TRUE(read) << error;
    snd = std::move(*read);
  }

  static inline bool started = false;
  ArchiveContents snd;
};

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The mixer runs at 11025 Hz in mono: an effect of another rate or in stereo would be
// resampled or mixed hard to one side.
TEST_F(ContentSoundTest, EveryEffectLoadsAsMonoAtTheMixersRate) {
  std::vector<std::string> faults;
  int effects = 0;
  for (const auto& [name, bytes] : snd) {
    if (!endsWith(name, ".wav")) continue;
    ++effects;
    MemoryReader reader(bytes.data(), bytes.size());
    SAMPLE* sample = Sample_LoadGeneric(reader.reader());
    if (!sample) {
      faults.push_back(name + ": the library cannot load it");
      continue;
    }
    if (sample->speed != 11025) faults.push_back(name + ": " + std::to_string(sample->speed) + " Hz");
    if (sample->flags & SF_STEREO) faults.push_back(name + ": stereo");
    if (sample->length == 0) faults.push_back(name + ": no samples");
    Sample_Free(sample);
  }
  EXPECT_EQ(effects, 27);
  EXPECT_TRUE(faults.empty()) << listOf(faults);
}

// The song plays on four voices and loops from its second order, so it needs two.
TEST_F(ContentSoundTest, TheMusicLoadsAsAFourChannelSongWithALoop) {
  auto at = snd.find("snd\\kelth.xm");
  ASSERT_NE(at, snd.end()) << "snd\\kelth.xm is missing";
  MemoryReader reader(at->second.data(), at->second.size());
  MODULE* song = Player_LoadGeneric(reader.reader(), 4, 0);
  ASSERT_NE(song, nullptr) << "the library cannot load the song";
  EXPECT_EQ(song->numchn, 4);
  EXPECT_GE(song->numpos, 2);
  Player_Free(song);
}

}  // namespace
