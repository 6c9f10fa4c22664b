#include "GameApplication.h"
#include "Options.h"
#include "app/Script.h"
#include "app/StateDump.h"
#include "platform/Files.h"
#include "platform/headless/HeadlessPlatform.h"
#include "players/PlayerManager.h"
#include "res/Files.h"
#include "support/TestContent.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class StartupTest : public ::testing::Test {
protected:
  void SetUp() override {
    // Each test in a folder of its own, with the test archives: CTest runs them side by side.
    folder = testcontent::writeGraphicsArchive(
        "startup-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()), true);
    testcontent::writeSoundArchive(folder.string());
    platform::setCurrent(&backend);
  }
  void TearDown() override {
    PlayerManager::destroy();  // the next start asks its questions again
    platform::setCurrent(nullptr);
    platform::setProgramPath("");
  }
  void writeSettings(const int32_t (&words)[8], size_t bytes = 32) {
    uint8_t data[32];
    std::memcpy(data, words, sizeof data);
    ASSERT_TRUE(writeBesideProgram("settings.dta", data, bytes));
  }
  // Starts the game with a script that answers the new-game questions ("2 Comp.", then
  // character 0), goes on from the title screen's start button to the first round and
  // quits there. A failing line ends the test program with status 3 and says which.
  // Points are where things show in the window: elsewhere when the picture is upside down.
  void play(const std::string& checks, bool upsideDown = false) {
    auto at = [&](int x, int y) {
      return upsideDown ? std::to_string(319 - x) + " " + std::to_string(240 - y)
                        : std::to_string(x) + " " + std::to_string(y);
    };
    const std::string answers = "wait 200\ntap " + at(223, 47) + "\nwait 200\ntap " + at(73, 87) + "\n";
    const std::string quit = "until ROUND 20000\nwait 100\ntap " + at(310, 230) + "\nwait 200\ntap " + at(125, 47) + "\n";
    const std::string text = answers + "until START 30000\n" + checks + "wait 50\ntap " + at(240, 200) + "\n" + quit;
    std::string error;
    ASSERT_TRUE(script.load(text, error)) << error;
    app.setScript(&script);
    ASSERT_EQ(app.open(), Application::OpenResult::Opened);
    app.start();
    EXPECT_TRUE(script.finished());
  }
  fs::path folder;
  platform::HeadlessPlatform backend;
  GameApplication app{backend};
  ScriptRunner script{backend};
};

TEST_F(StartupTest, SettingsTurnThePictureAndMapTheKeys) {
  writeSettings({0, 0x3FF00000, 4, 5, 7, 6, 0, 1});
  play("expect app.turned 0\nexpect app.keyMapping 4 5 7 6\nexpect player.0.type 256\n", true);
}

TEST_F(StartupTest, AShortSettingsFileIsIgnored) {
  writeSettings({0, 0x3FF00000, 4, 5, 7, 6, 0, 1}, 31);
  play("expect app.turned 1\nexpect app.keyMapping 5 4 6 7\n");
}

// Without settings the defaults stay, and the start removes what a killed save left behind.
TEST_F(StartupTest, WithoutSettingsTheDefaultsStayAndAKilledSavesLeftoversGo) {
  for (const char* name : {"slot0.sve.Ab3dE9", "slot2.sve.QWERTY", "settings.dta.000000", "Kelth.txt.zzzzzz"})
    ASSERT_TRUE(writeBesideProgram(name, reinterpret_cast<const uint8_t*>("x"), 1));
  ASSERT_TRUE(writeBesideProgram("notes.txt.QWERTY", reinterpret_cast<const uint8_t*>("x"), 1));
  play("expect app.turned 1\nexpect app.keyMapping 5 4 6 7\nexpect player.0.type 256\nexpect player.1.type 1\n");
  for (const char* name : {"slot0.sve.Ab3dE9", "slot2.sve.QWERTY", "settings.dta.000000", "Kelth.txt.zzzzzz"})
    EXPECT_FALSE(fs::exists(folder / name)) << name;
  EXPECT_TRUE(fs::exists(folder / "notes.txt.QWERTY"));  // not the game's
}

TEST_F(StartupTest, AnotherCopyRunningStopsTheStart) {
  platform::HeadlessOptions options;
  options.anotherInstance = true;
  platform::HeadlessPlatform busy(options);
  GameApplication second(busy);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(second.open(), Application::OpenResult::AlreadyRunning);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("another copy of nuPavane is running"), std::string::npos);
  // The lock is looked at only once the window exists: a copy that cannot show itself
  // never keeps the next one out.
  EXPECT_STREQ(busy.windowClass(), "nuPavane");
}

TEST(OptionsTest, ParsesEveryOptionAndRefusesNonsense) {
  const char* argv[] = {"nupavane", "--headless", "--script", "a.txt", "--seed", "4294967295", "--fps", "30",
                        "--scale", "2", "--fullscreen", "--no-sound", "--screenshot-dir", "shots",
                        "--display-type", "3", "--computer", "cunning", "--data-dir", "/a", "--save-dir", "b"};
  Options options;
  std::string error;
  ASSERT_TRUE(parseOptions(22, argv, options, error)) << error;
  EXPECT_TRUE(options.headless);
  EXPECT_EQ(options.script, "a.txt");
  EXPECT_EQ(options.seed, 4294967295u);
  EXPECT_EQ(options.fps, 30);
  EXPECT_EQ(options.scale, 2);
  EXPECT_EQ(options.fullscreen, true);
  EXPECT_TRUE(options.noSound);
  EXPECT_EQ(options.screenshotDir, "shots");
  EXPECT_EQ(options.displayType, 3);
  EXPECT_EQ(options.computer, ComputerKind::Cunning);
  EXPECT_EQ(options.dataDir, "/a");
  EXPECT_EQ(options.saveDir, "b");
  EXPECT_FALSE(Options().computer.has_value());  // unset: the preference or the game's own move

  auto refuses = [](std::vector<const char*> args, const std::string& complaint) {
    args.insert(args.begin(), "nupavane");
    Options o;
    std::string e;
    EXPECT_FALSE(parseOptions(int(args.size()), args.data(), o, e));
    EXPECT_EQ(e, complaint);
  };
  refuses({"--seed"}, "--seed needs a value");
  refuses({"--seed", "-1"}, "--seed takes a whole number from 0 to 4294967295");
  refuses({"--fps", "0"}, "--fps takes a whole number from 1 to 1000");
  refuses({"--scale", "3x"}, "--scale takes a whole number from 1 to 16");
  refuses({"--display-type", "4"}, "--display-type takes a whole number from 1 to 3");
  refuses({"--colour"}, "unknown option --colour");
  refuses({"--computer", "clever"}, "--computer takes classic or cunning");
  refuses({"--computer"}, "--computer needs a value");
  refuses({"--save-dir", ""}, "--save-dir needs a folder");
  refuses({"--data-dir"}, "--data-dir needs a value");
}

}  // namespace
