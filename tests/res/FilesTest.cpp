#include "platform/Files.h"
#include "res/Files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class FilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder = fs::path(::testing::TempDir()) / ("files-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    platform::setProgramPath((folder / "nupavane").string());
  }
  void TearDown() override {
    platform::setProgramPath("");
    fs::remove_all(folder);
  }
  bool write(const char* name, const std::string& bytes) {
    return writeBesideProgram(name, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  std::string read(const char* name) {
    auto data = readBesideProgram(name);
    return data ? std::string(data->begin(), data->end()) : "(missing)";
  }
  fs::path folder;
};

TEST_F(FilesTest, FilesLieBesideTheProgram) {
  EXPECT_EQ(std::string(programDirectory().c_str()), folder.string() + "/");
  ASSERT_TRUE(write("settings.dta", "hello"));
  EXPECT_TRUE(fs::exists(folder / "settings.dta"));
  EXPECT_EQ(read("settings.dta"), "hello");
}

TEST_F(FilesTest, MissingAndEmptyFilesDiffer) {
  EXPECT_FALSE(readBesideProgram("slot0.sve").has_value());
  ASSERT_TRUE(write("slot0.sve", ""));
  auto empty = readBesideProgram("slot0.sve");
  ASSERT_TRUE(empty.has_value());
  EXPECT_TRUE(empty->empty());
}

TEST_F(FilesTest, AShorterWriteReplacesTheWholeFile) {
  ASSERT_TRUE(write("settings.dta", std::string(32, 'o')));
  ASSERT_TRUE(write("settings.dta", std::string(10, 'n')));
  EXPECT_EQ(read("settings.dta"), std::string(10, 'n'));  // no stale tail of the old file
}

TEST_F(FilesTest, AFailedWriteLeavesTheOldFileWholeAndNoLitter) {
  ASSERT_TRUE(write("slot1.sve", std::string(32, 'o')));
  // Let the file system refuse anything past 4 KiB, as a full disk would.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool written = write("slot1.sve", std::string(100000, 'n'));
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_FALSE(written);
  EXPECT_EQ(read("slot1.sve"), std::string(32, 'o'));
  int files = 0;
  for ([[maybe_unused]] auto& entry : fs::directory_iterator(folder)) ++files;
  EXPECT_EQ(files, 1);
}

TEST_F(FilesTest, AnUnwritableFolderFailsTheWrite) {
  platform::setProgramPath((folder / "no" / "such" / "nupavane").string());
  EXPECT_FALSE(write("settings.dta", "x"));
}

TEST_F(FilesTest, ALongProgramPathKeepsItsWholeFolder) {
  fs::path deep = folder / std::string(120, 'd');
  fs::create_directories(deep);
  platform::setProgramPath((deep / "nupavane").string());
  ASSERT_TRUE(write("settings.dta", "x"));
  EXPECT_TRUE(fs::exists(deep / "settings.dta"));
}

TEST_F(FilesTest, TheInstanceLockIsHeldOnce) {
  std::string path = (folder / "nupavane.lock").string();
  {
    platform::InstanceLock first, second;
    EXPECT_EQ(first.acquire(path), platform::InstanceLock::Result::Acquired);
    EXPECT_EQ(second.acquire(path), platform::InstanceLock::Result::HeldElsewhere);
  }
  platform::InstanceLock again;
  EXPECT_EQ(again.acquire(path), platform::InstanceLock::Result::Acquired);
  platform::InstanceLock nowhere;
  EXPECT_EQ(nowhere.acquire((folder / "no" / "lock").string()), platform::InstanceLock::Result::Unavailable);
}

TEST_F(FilesTest, AWrittenFileHasTheModeTheUmaskGives) {
  for (mode_t mask : {mode_t(022), mode_t(077), mode_t(002), mode_t(0)}) {
    mode_t old = ::umask(mask);
    bool written = write("slot0.sve", "saved");
    ::umask(old);
    ASSERT_TRUE(written);
    struct stat info {};
    ASSERT_EQ(::stat((folder / "slot0.sve").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask) << std::oct << mask;
  }
}

// What is read beside the program is a regular file of sensible size: a FIFO would block
// the start-up for ever, a link to a device would be read until the memory runs out.
TEST_F(FilesTest, OnlyRegularFilesWithinTheLimitAreRead) {
  ASSERT_EQ(::mkfifo((folder / "settings.dta").c_str(), 0600), 0);
  EXPECT_FALSE(readBesideProgram("settings.dta").has_value());
  fs::create_symlink("/dev/zero", folder / "slot0.sve");
  EXPECT_FALSE(readBesideProgram("slot0.sve").has_value());
  fs::create_directory(folder / "slot1.sve");
  EXPECT_FALSE(readBesideProgram("slot1.sve").has_value());
  // A link to a regular file is as good as the file.
  ASSERT_TRUE(write("real.sve", "abc"));
  fs::create_symlink(folder / "real.sve", folder / "slot2.sve");
  EXPECT_EQ(read("slot2.sve"), "abc");

  std::string path = (folder / "ten").string();
  std::ofstream(path) << "0123456789";
  EXPECT_EQ(platform::readFile(path, 10)->size(), 10u);
  EXPECT_FALSE(platform::readFile(path, 9).has_value());
}

TEST_F(FilesTest, StaleTemporariesOfTheGivenFilesAreRemoved) {
  const char* stale[] = {"slot0.sve.AbC123", "settings.dta.zzzzzz", "settings.dta.000000"};
  const char* kept[] = {"other.txt.ABCDEF", "slot0.sve.abc12", "slot0.sve.ab-123", "slot0.sve.ABCDEFG",
                        "slot0.sve", "xslot0.sve.ABCDEF", "slot0.sveXABCDEF"};
  for (const char* name : stale) ASSERT_TRUE(write(name, "left over"));
  for (const char* name : kept) ASSERT_TRUE(write(name, "mine"));
  fs::create_directory(folder / "slot1.sve.ABCDEF");  // not a file: not ours to remove
  EXPECT_EQ(removeStaleTemporariesBesideProgram({String("slot0.sve"), String("slot1.sve"), String("settings.dta")}), 3);
  for (const char* name : stale) EXPECT_FALSE(fs::exists(folder / name)) << name;
  for (const char* name : kept) EXPECT_TRUE(fs::exists(folder / name)) << name;
  EXPECT_TRUE(fs::is_directory(folder / "slot1.sve.ABCDEF"));
}

// The temporary a write makes is one the clean-up knows: kill a write of a large file
// after its temporary exists and before it is renamed, and the leftover goes at start.
TEST_F(FilesTest, AWriteKilledHalfWayLeavesATemporaryTheCleanUpRemoves) {
  ASSERT_TRUE(write("slot0.sve", "old"));
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The child stops itself half-way through the file; the parent kills it there.
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit small{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &small);
    write("slot0.sve", std::string(100000, 'n'));
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  int temporaries = 0;
  for (auto& entry : fs::directory_iterator(folder)) temporaries += entry.path().filename() != "slot0.sve";
  ASSERT_EQ(temporaries, 1);
  EXPECT_EQ(removeStaleTemporariesBesideProgram({String("slot0.sve")}), 1);
  EXPECT_EQ(read("slot0.sve"), "old");
}

}  // namespace
