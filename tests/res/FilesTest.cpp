#include "platform/Files.h"
#include "res/Files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
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

}  // namespace
