// Where the game's files live: beside a program in its build folder, the data folder and
// the user's folders for an installed one, or where the command line says.
#include "platform/Files.h"
#include "platform/Folders.h"
#include "res/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using platform::FolderEnvironment;
using platform::FolderRequest;
using platform::GameFolders;

const FolderEnvironment kHomeOnly{"/home/ann", "", "", ""};
const FolderEnvironment kXdg{"/home/ann", "/cfg", "/dat/", "/st"};

struct Choice {
  const char* what;
  std::string installedArchives;
  FolderRequest request;
  FolderEnvironment environment;
  GameFolders expected;  // archives, config, saves, state
};

TEST(FoldersTest, ChoosesEachFolderByHowTheGameWasStarted) {
  const std::string program = "/p/bin/";
  const std::string data = "/p/share/nupavane/";
  const Choice choices[] = {
      {"build folder: every file beside the program", "", {}, kXdg, {program, program, program, program}},
      {"installed, without XDG variables: under the home folder", data, {}, kHomeOnly,
       {data, "/home/ann/.config/nupavane/", "/home/ann/.local/share/nupavane/", "/home/ann/.local/state/nupavane/"}},
      {"installed: each XDG variable honoured", data, {}, kXdg,
       {data, "/cfg/nupavane/", "/dat/nupavane/", "/st/nupavane/"}},
      {"installed: relative XDG values are ignored", data, {}, {"/home/ann", "cfg", "./dat", "st"},
       {data, "/home/ann/.config/nupavane/", "/home/ann/.local/share/nupavane/", "/home/ann/.local/state/nupavane/"}},
      {"installed, without any home: the program's folder", data, {}, {"", "", "", ""},
       {data, program, program, program}},
      {"--save-dir takes every written file", data, {"", "/saves"}, kXdg, {data, "/saves/", "/saves/", "/saves/"}},
      {"--data-dir takes the archives only", data, {"/arc/./x/..", ""}, kXdg,
       {"/arc/", "/cfg/nupavane/", "/dat/nupavane/", "/st/nupavane/"}},
      {"both in a build folder", "", {"arcs", "saves/"}, kXdg, {"arcs/", "saves/", "saves/", "saves/"}},
  };
  for (const Choice& c : choices) {
    const GameFolders got = platform::chooseFolders(program, c.installedArchives, c.request, c.environment);
    EXPECT_EQ(got.archives, c.expected.archives) << c.what;
    EXPECT_EQ(got.config, c.expected.config) << c.what;
    EXPECT_EQ(got.saves, c.expected.saves) << c.what;
    EXPECT_EQ(got.state, c.expected.state) << c.what;
  }
}

class FolderFiles : public ::testing::Test {
protected:
  void SetUp() override {
    root = fs::path(::testing::TempDir()) / ("folders-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root);
  }
  void TearDown() override {
    platform::setGameFolders({});
    platform::setProgramPath("");
    fs::remove_all(root);
  }
  static void touch(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
  }
  fs::path root;
};

// A program counts as installed only when the data folder the installation makes holds
// the archive and its own folder does not: a build folder keeps its files beside it.
TEST_F(FolderFiles, KnowsAnInstalledProgramFromOneInItsBuildFolder) {
  const std::string bin = (root / "bin").string() + "/";
  fs::create_directories(bin);
  EXPECT_EQ(platform::installedArchiveFolder(bin), "") << "nothing installed";
  fs::create_directories(root / "share/nupavane/gfx.arc");
  EXPECT_EQ(platform::installedArchiveFolder(bin), "") << "a folder is not an archive";
  fs::remove(root / "share/nupavane/gfx.arc");
  touch(root / "share/nupavane/gfx.arc");
  EXPECT_EQ(platform::installedArchiveFolder(bin), (root / "share/nupavane").string() + "/");
  touch(root / "bin/gfx.arc");
  EXPECT_EQ(platform::installedArchiveFolder(bin), "") << "archives beside the program win";
}

TEST_F(FolderFiles, EachFileGoesToItsPlaceAndItsFolderIsMadeOnFirstWrite) {
  platform::setProgramPath((root / "bin/nupavane").string());
  const fs::path config = root / "c/deep/nupavane", saves = root / "d/nupavane", state = root / "s/nupavane";
  platform::setGameFolders({"", config.string() + "/", saves.string() + "/", state.string() + "/"});
  const uint8_t bytes[] = {1, 2, 3};
  ASSERT_TRUE(writeGameFile(FilePlace::Config, String("settings.dta"), bytes, 3));
  ASSERT_TRUE(writeGameFile(FilePlace::Saves, String("slot1.sve"), bytes, 3));
  ASSERT_TRUE(writeGameFile(FilePlace::State, String("Kelth.txt"), bytes, 2));
  EXPECT_EQ(fs::file_size(config / "settings.dta"), 3u);
  EXPECT_EQ(fs::file_size(saves / "slot1.sve"), 3u);
  EXPECT_EQ(fs::file_size(state / "Kelth.txt"), 2u);
  EXPECT_EQ(fs::status(config).permissions() & fs::perms::all, fs::perms::owner_all) << "the user's own folder";
  ASSERT_TRUE(readGameFile(FilePlace::Saves, String("slot1.sve")).has_value());
  EXPECT_FALSE(readGameFile(FilePlace::Config, String("slot1.sve")).has_value());
  // The archives' folder was not set: it is the program's.
  EXPECT_EQ(std::string(folderOf(FilePlace::Archives).c_str()), (root / "bin").string() + "/");
}

TEST_F(FolderFiles, UnsetFoldersAreTheProgramsOwn) {
  platform::setProgramPath((root / "nupavane").string());
  const uint8_t byte = 7;
  ASSERT_TRUE(writeGameFile(FilePlace::Saves, String("slot0.sve"), &byte, 1));
  EXPECT_TRUE(fs::exists(root / "slot0.sve"));
  EXPECT_TRUE(readBesideProgram(String("slot0.sve")).has_value());
}

// A folder under a plain file can never be made, whoever runs the test.
TEST_F(FolderFiles, AFolderThatCannotBeWrittenIsNamedOnceWithTheReason) {
  touch(root / "file");
  const std::string blocked = (root / "file/nupavane").string() + "/";
  platform::setGameFolders({"", blocked, blocked, blocked});
  const uint8_t byte = 7;
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(writeGameFile(FilePlace::Config, String("settings.dta"), &byte, 1));
  EXPECT_FALSE(writeGameFile(FilePlace::Saves, String("slot0.sve"), &byte, 1));
  EXPECT_FALSE(platform::prepareFolder(blocked));
  const std::string said = ::testing::internal::GetCapturedStderr();
  const std::string line = "the folder '" + blocked + "' cannot be written (Not a directory) !\n";
  ASSERT_NE(said.find(line), std::string::npos) << said;
  EXPECT_EQ(said.find(line), said.rfind(line)) << "said more than once: " << said;
  EXPECT_TRUE(platform::prepareFolder((root / "fine/a/b/").string()));
  EXPECT_TRUE(fs::is_directory(root / "fine/a/b"));
}

}  // namespace
