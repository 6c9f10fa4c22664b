// The settings screen: the direction keys paired anew, the sound switch, the turned
// picture, and the settings file it writes and the start-up reads.
#include "support/ScreenTest.h"

#include "gfx/Bitmap.h"
#include "res/Files.h"
#include "screens/SettingsFile.h"
#include "screens/SettingsScreen.h"
#include "sound/Sound.h"

#include <array>
#include <cstring>
#include <limits>
#include <memory>

namespace {

using namespace screentest;

// Script key names reach these key slots: "up" KeyLeft, "down" KeyRight, "right" KeyUp,
// "left" KeyDown (the physical keys of the handheld held on its side).
std::string key(const char* name) { return screentest::key(name, 20); }
// Where the player taps to reach (x, y) while the picture is upside down.
std::string tapTurned(int x, int y) { return tap(319 - x, 240 - y); }
const std::string kConfirm = tap(290, 200);

class SettingsScreenTest : public ScreenTest {
protected:
  ~SettingsScreenTest() override {
    colourFactor = 1.0;
    Sound::destroy();
  }
  // Shows the screen and plays the script; the screen is left by the confirm button.
  void run(const std::string& text) {
    if (!screen) screen = std::make_unique<SettingsScreen>();
    EXPECT_EQ(visit(*screen, text), "");
    screen->visible(false, -1);
  }
  std::string mapping() const {
    int up, down, left, right;
    rig.app.getKeyMapping(up, down, left, right);
    return std::to_string(up) + " " + std::to_string(down) + " " + std::to_string(left) + " " +
           std::to_string(right);
  }

  std::unique_ptr<SettingsScreen> screen;
};

TEST_F(SettingsScreenTest, ADuplicateKeyIsRefusedUntilItIsMadeUnique) {
  // The turned pairing: up 5, down 4, left 6, right 7. Up gets slot 4, the code of down.
  run(tap(114, 177) + tap(110, 90) + key("up") +  // the tap while waiting is dropped
      kConfirm + tap(160, 120) +  // the message, dismissed
      tap(267, 177) + key("down") + kConfirm);
  EXPECT_EQ(mapping(), "4 5 6 7");
  EXPECT_TRUE(screen->soundOn());
  EXPECT_FALSE(Sound::instance().isMuted());
  EXPECT_EQ(screen->selectedDirection(), -1);
  auto saved = readSettingsFile();
  ASSERT_TRUE(saved);
  EXPECT_EQ((std::array{saved->up, saved->down, saved->left, saved->right}), (std::array<int32_t, 4>{4, 5, 6, 7}));
}

TEST_F(SettingsScreenTest, TheMappingChangesOnlyOnConfirmationAndTapsBesideTheSquaresDoNothing) {
  // Left square gets slot 7, right square slot 6: a swap of up and down codes elsewhere.
  run(tap(103, 136) + tap(125, 147) + tap(114, 136) + key("left") + "wait 50\nstate " + folder + "/during.txt\n" +
      tap(267, 136) + key("right") + kConfirm);
  auto during = readBesideProgram(String("during.txt"));
  ASSERT_TRUE(during);
  EXPECT_NE(std::string(during->begin(), during->end()).find("app.keyMapping = 5 4 6 7"), std::string::npos);
  EXPECT_EQ(screen->directionKey(KeyLeft), 7);
  EXPECT_EQ(screen->directionKey(KeyRight), 6);
  EXPECT_EQ(mapping(), "5 4 7 6");
}

TEST_F(SettingsScreenTest, WaitingForADirectionKeySleepsAndStillTakesTheKey) {
  // The up square, three seconds without a key, then "down": the turned pairing again.
  run(tap(114, 177) + "wait 3000\n" + key("down") + kConfirm);
  EXPECT_EQ(mapping(), "5 4 6 7");
  EXPECT_GE(rig.backend.sleptMicroseconds(), 2500000u);
}

TEST_F(SettingsScreenTest, EachSquareReachesToItsCornersAndNoFurther) {
  // A corner of each square, each given another key; then a tap just beside each, and a
  // key that would land in a square one of them had opened.
  run(tap(104, 126) + key("down") + tap(277, 146) + key("up") + tap(104, 187) + key("left") + tap(277, 167) +
      key("right") + tap(103, 126) + tap(278, 146) + tap(104, 188) + tap(277, 166) + key("down") + kConfirm);
  EXPECT_EQ(screen->directionKey(KeyLeft), KeyRight);
  EXPECT_EQ(screen->directionKey(KeyRight), KeyLeft);
  EXPECT_EQ(screen->directionKey(KeyUp), KeyDown);
  EXPECT_EQ(screen->directionKey(KeyDown), KeyUp);
  EXPECT_EQ(mapping(), "7 6 5 4");
}

TEST_F(SettingsScreenTest, TheSoundSwitchActsAtOnce) {
  run(tap(105, 85) + kConfirm);
  EXPECT_TRUE(Sound::instance().isMuted());
  EXPECT_FALSE(screen->soundOn());
  EXPECT_FALSE(readSettingsFile()->soundOn);
  run(tap(130, 101) + kConfirm);
  EXPECT_FALSE(Sound::instance().isMuted());
  EXPECT_TRUE(readSettingsFile()->soundOn);
}

TEST_F(SettingsScreenTest, TurningTwiceKeepsThePictureButResetsTheKeys) {
  rig.app.setKeyMapping(7, 6, 5, 4);
  // First turn: upright, with the upright preset; the second tap lands upside down.
  run(tap(260, 90) + tapTurned(260, 90) + kConfirm);
  EXPECT_TRUE(rig.app.turned);
  EXPECT_EQ(mapping(), "5 4 6 7");
  run(tap(278, 102) + tapTurned(290, 200));
  EXPECT_FALSE(rig.app.turned);
  EXPECT_EQ(mapping(), "4 5 7 6");
  auto saved = readSettingsFile();
  ASSERT_TRUE(saved);
  EXPECT_FALSE(saved->turned);
}

TEST_F(SettingsScreenTest, TheWrittenFileIsThirtyTwoLittleEndianBytesAndReadsBack) {
  colourFactor = 1.25;
  run(tap(114, 136) + key("up") + tap(267, 136) + key("down") + tap(260, 90) + tapTurned(110, 90) +
      tapTurned(290, 200));
  auto bytes = readBesideProgram(String("settings.dta"));
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 32u);
  const uint8_t expected[32] = {0, 0, 0, 0, 0, 0, 0xF4, 0x3F,  // 1.25
                                4, 0, 0, 0, 5, 0, 0, 0,        // up, down: the upright preset
                                7, 0, 0, 0, 6, 0, 0, 0,        // left, right
                                0, 0, 0, 0, 0, 0, 0, 0};       // upright, silent
  EXPECT_EQ(std::memcmp(bytes->data(), expected, 32), 0);

  // The next start: defaults first, then the file.
  colourFactor = 1.0;
  rig.app.turned = true;
  rig.app.setKeyMapping(5, 4, 6, 7);
  Sound::instance().unmute();
  applySettingsFile(rig.app);
  EXPECT_EQ(colourFactor, 1.25);
  EXPECT_EQ(mapping(), "4 5 7 6");
  EXPECT_FALSE(rig.app.turned);
  EXPECT_TRUE(Sound::instance().isMuted());
  // A screen starts from the application's pairing and sound.
  SettingsScreen next;
  EXPECT_EQ(next.directionKey(KeyLeft), 7);
  EXPECT_EQ(next.directionKey(KeyA), 0);
  EXPECT_FALSE(next.soundOn());
}

TEST_F(SettingsScreenTest, AShortOrMissingFileLeavesTheDefaults) {
  EXPECT_FALSE(readSettingsFile());
  Settings odd;
  odd.colourFactor = 0.5;
  odd.up = 99;
  odd.turned = false;
  odd.soundOn = false;
  auto bytes = odd.encode();
  for (size_t length : {size_t(0), size_t(8), size_t(31)}) {
    ASSERT_TRUE(writeBesideProgram(String("settings.dta"), bytes.data(), length));
    EXPECT_FALSE(readSettingsFile()) << length;
    applySettingsFile(rig.app);
    EXPECT_EQ(colourFactor, 1.0);
    EXPECT_EQ(mapping(), "5 4 6 7");
    EXPECT_TRUE(rig.app.turned);
    EXPECT_FALSE(Sound::instance().isMuted());
  }
  // A longer file is read from its first 32 bytes.
  odd.up = 5;
  bytes = odd.encode();
  std::vector<uint8_t> longer(bytes.begin(), bytes.end());
  longer.resize(40, 0xFF);
  ASSERT_TRUE(writeBesideProgram(String("settings.dta"), longer.data(), longer.size()));
  applySettingsFile(rig.app);
  EXPECT_EQ(colourFactor, 0.5);
  EXPECT_EQ(mapping(), "5 4 6 7");
  EXPECT_FALSE(rig.app.turned);
  EXPECT_TRUE(Sound::instance().isMuted());
}

// Values no settings screen writes are set aside, with one line, for the defaults: with
// them the screen could never be confirmed.
TEST_F(SettingsScreenTest, SettingsNoScreenMakesLeaveTheDefaults) {
  struct Case {
    const char* what;
    double factor;
    std::array<int32_t, 4> codes;
    bool usable;
  };
  const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<Case> cases{
      {"the defaults", 1.0, {5, 4, 6, 7}, true},
      {"another pairing", 0.25, {7, 6, 5, 4}, true},
      {"a large factor", 1e300, {4, 5, 6, 7}, true},
      {"a code twice", 1.0, {5, 5, 6, 7}, false},
      {"a code outside the directions", 1.0, {5, 4, 6, 8}, false},
      {"no code at all", 1.0, {0, 0, 0, 0}, false},
      {"a code far off", 1.0, {5, 4, 6, -2147483647 - 1}, false},
      {"a zero factor", 0.0, {5, 4, 6, 7}, false},
      {"a negative factor", -1.0, {5, 4, 6, 7}, false},
      {"an endless factor", inf, {5, 4, 6, 7}, false},
      {"a factor that is no number", nan, {5, 4, 6, 7}, false},
  };
  for (const Case& c : cases) {
    Settings settings;
    settings.colourFactor = c.factor;
    settings.up = c.codes[0];
    settings.down = c.codes[1];
    settings.left = c.codes[2];
    settings.right = c.codes[3];
    settings.turned = false;
    EXPECT_EQ(settings.isUsable(), c.usable) << c.what;
    auto bytes = settings.encode();
    ASSERT_TRUE(writeBesideProgram(String("settings.dta"), bytes.data(), bytes.size()));
    colourFactor = 1.0;
    rig.app.turned = true;
    testing::internal::CaptureStderr();
    applySettingsFile(rig.app);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(rig.app.turned, !c.usable) << c.what;
    if (c.usable) {
      EXPECT_EQ(said, "") << c.what;
    } else {
      EXPECT_EQ(colourFactor, 1.0) << c.what;
      EXPECT_EQ(said, "GameApplication::start(): WARNING: 'settings.dta' holds settings no settings screen makes, "
                      "the defaults are used instead !\n") << c.what;
    }
  }
  colourFactor = 1.0;
}

TEST(SettingsFileTest, AnyNonzeroFlagIsSet) {
  uint8_t bytes[32] = {};
  bytes[24] = 0;
  bytes[27] = 0x80;  // turned: the sign bit alone
  bytes[28] = 2;
  auto settings = Settings::decode(bytes, sizeof bytes);
  ASSERT_TRUE(settings);
  EXPECT_TRUE(settings->turned);
  EXPECT_TRUE(settings->soundOn);
  EXPECT_EQ(settings->colourFactor, 0.0);
  EXPECT_EQ(settings->encode()[24], 1);
  EXPECT_EQ(settings->encode()[27], 0);
  EXPECT_FALSE(Settings::decode(nullptr, 32));
}

}  // namespace
