#include "core/Random.h"
#include "platform/Files.h"
#include "res/ArchiveWriter.h"
#include "res/Files.h"
#include "res/ResourceArchive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

// Under AddressSanitizer no allocation may exceed 1 GiB here: a bounds check that let an
// entry of nearly 4 GiB through would then end the test instead of merely slowing it.
extern "C" const char* __asan_default_options() { return "max_allocation_size_mb=1024"; }

namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The bytes of an archive of these entries, with the writer's default filler.
Bytes archiveOf(const std::vector<std::pair<std::string, Bytes>>& entries) {
  ArchiveWriter writer;
  for (const auto& [name, data] : entries) EXPECT_TRUE(writer.add(name.c_str(), data)) << name;
  return writer.bytes();
}

void put32At(Bytes& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = uint8_t(value >> (8 * i));
}

// Where the writer puts the directory with its default 128-byte filler.
constexpr size_t kDirectoryLengthAt = 4 + 2 + 128;
constexpr size_t kFirstRecordAt = kDirectoryLengthAt + 2;

class ArchiveTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder = fs::path(::testing::TempDir()) / ("archive-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    platform::setProgramPath((folder / "nupavane").string());
  }
  void TearDown() override {
    closeGraphicsArchive();
    platform::setProgramPath("");
    fs::remove_all(folder);
  }
  void writeFile(const char* name, const Bytes& bytes) {
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  Bytes fileBytes(const char* name) {
    auto bytes = readBesideProgram(name);
    return bytes ? *bytes : Bytes{};
  }
  // Opens the archive and gives back what it wrote to standard error.
  std::string openQuietly(std::unique_ptr<ResourceArchive>& archive, const char* name) {
    ::testing::internal::CaptureStderr();
    archive = std::make_unique<ResourceArchive>(name);
    return ::testing::internal::GetCapturedStderr();
  }
  fs::path folder;
};

// --- reading what the writer wrote -------------------------------------------------------

TEST_F(ArchiveTest, EveryEntryReadsBackAsWritten) {
  const Bytes picture{0, 1, 2, 0, 255, 0};
  const std::string longName(51, 'n');
  writeFile("gfx.arc", archiveOf({{"gfx\\fonts\\bigBlack.gif", picture},
                                  {"gfx\\xml\\empty.xml", {}},
                                  {longName, bytesOf("longest name")}}));
  ResourceArchive archive("gfx.arc");
  ASSERT_TRUE(archive.isValid());
  ASSERT_EQ(archive.count(), 3);
  EXPECT_STREQ(archive.nameOf(0).c_str(), "gfx\\fonts\\bigBlack.gif");
  EXPECT_STREQ(archive.nameOf(2).c_str(), longName.c_str());
  EXPECT_EQ(archive.find("gfx\\xml\\empty.xml"), 1);
  EXPECT_EQ(archive.find(longName.c_str()), 2);
  EXPECT_EQ(archive.sizeOf(0), picture.size());
  EXPECT_EQ(archive.read(0), picture);
  auto empty = archive.read(1);
  ASSERT_TRUE(empty.has_value());
  EXPECT_TRUE(empty->empty());
  EXPECT_EQ(archive.read(2), bytesOf("longest name"));
  for (int index : {-1, 3, 1000}) {
    EXPECT_EQ(archive.sizeOf(index), 0u) << index;
    EXPECT_STREQ(archive.nameOf(index).c_str(), "") << index;
    EXPECT_FALSE(archive.read(index).has_value()) << index;
  }
  // Reads in any order use the same handle, which reads on after the file is gone.
  fs::remove(folder / "gfx.arc");
  EXPECT_EQ(archive.read(0), picture);
}

TEST_F(ArchiveTest, FillerOfAnyLengthIsSkipped) {
  for (size_t length : {size_t(0), size_t(1), size_t(65535)}) {
    ArchiveWriter writer;
    ASSERT_TRUE(writer.setFiller(Bytes(length, 0xAA)));
    ASSERT_TRUE(writer.add("snd\\fx\\ping.wav", bytesOf("RIFF")));
    writeFile("snd.arc", writer.bytes());
    ResourceArchive archive("snd.arc");
    EXPECT_EQ(archive.read(archive.find("snd\\fx\\ping.wav")), bytesOf("RIFF")) << length;
  }
}

// --- the directory's edge cases ------------------------------------------------------------

TEST_F(ArchiveTest, DirectoryBytesBeyondTheLastWholeRecordAreIgnored) {
  Bytes bytes = archiveOf({{"first", Bytes(40, 1)}, {"second", Bytes(40, 2)}});
  // Claim 59 more directory bytes: they run into the data, which stays where it is.
  ASSERT_EQ(bytes[kDirectoryLengthAt], 120);
  bytes[kDirectoryLengthAt] = 120 + 59;
  writeFile("gfx.arc", bytes);
  ResourceArchive archive("gfx.arc");
  ASSERT_EQ(archive.count(), 2);
  EXPECT_EQ(archive.read(1), Bytes(40, 2));
}

TEST_F(ArchiveTest, FindTakesTheFirstOfEqualNamesAndMindsCase) {
  writeFile("snd.arc", archiveOf({{"snd\\fx\\Ping.wav", bytesOf("capital")},
                                  {"snd\\fx\\ping.wav", bytesOf("first")},
                                  {"snd\\fx\\ping.wav", bytesOf("second")}}));
  ResourceArchive archive("snd.arc");
  EXPECT_EQ(archive.find("snd\\fx\\ping.wav"), 1);
  EXPECT_EQ(archive.read(1), bytesOf("first"));
  EXPECT_EQ(archive.find("snd\\fx\\Ping.wav"), 0);
  EXPECT_EQ(archive.find("SND\\FX\\PING.WAV"), -1);
  EXPECT_EQ(archive.find("snd\\fx\\ping"), -1);   // no prefix matches
  EXPECT_EQ(archive.find("snd/fx/ping.wav"), -1);
}

TEST_F(ArchiveTest, AnEmptyArchiveFindsAndReadsNothing) {
  writeFile("gfx.arc", ArchiveWriter().bytes());
  ResourceArchive archive("gfx.arc");
  EXPECT_TRUE(archive.isValid());
  EXPECT_EQ(archive.count(), 0);
  EXPECT_EQ(archive.find(""), -1);
  EXPECT_FALSE(archive.read(0).has_value());
}

TEST_F(ArchiveTest, ANameWithoutItsNulFillsAll52Bytes) {
  const std::string name(51, 'x');
  Bytes bytes = archiveOf({{name, bytesOf("data")}});
  bytes[kFirstRecordAt + 51] = 'y';  // where the NUL was
  writeFile("gfx.arc", bytes);
  ResourceArchive archive("gfx.arc");
  EXPECT_STREQ(archive.nameOf(0).c_str(), (name + "y").c_str());
  EXPECT_EQ(archive.find(name.c_str()), -1);
  EXPECT_EQ(archive.read(archive.find((name + "y").c_str())), bytesOf("data"));
}

// --- the writer's limits -------------------------------------------------------------------

TEST_F(ArchiveTest, TheWriterRefusesWhatTheFormatCannotHold) {
  ArchiveWriter writer;
  EXPECT_FALSE(writer.add(std::string(52, 'n').c_str(), Bytes{1}));
  EXPECT_FALSE(writer.setFiller(Bytes(65536, 0)));
  for (int i = 0; i < 1092; ++i) ASSERT_TRUE(writer.add(String::format("e%d", i), Bytes{uint8_t(i)})) << i;
  EXPECT_FALSE(writer.add("one too many", Bytes{1}));
  EXPECT_EQ(writer.count(), 1092);

  writeFile("gfx.arc", writer.bytes());
  ResourceArchive archive("gfx.arc");
  ASSERT_EQ(archive.count(), 1092);
  EXPECT_EQ(archive.read(archive.find("e1091")), Bytes{uint8_t(1091 & 0xFF)});
}

// --- an archive that cannot be used is never written ------------------------------------------

// Whatever stands in the archive's place, even the archive cut anywhere before its directory
// ends, the reader stays invalid and silent, says why, writes nothing and leaves the game's
// random sequence alone.
TEST_F(ArchiveTest, AnArchiveThatCannotBeUsedIsNamedAndNeverWritten) {
  const Bytes whole = archiveOf({{"a", bytesOf("data")}});
  struct Case {
    std::string what;
    std::function<void()> make;
    const char* problem;
  };
  std::vector<Case> cases{
      {"missing", [] {}, "is missing"},
      {"empty", [&] { writeFile("gfx.arc", Bytes{}); }, "is not a resource archive"},
      {"a settings file", [&] { writeFile("gfx.arc", bytesOf("a settings file, not an archive")); },
       "is not a resource archive"},
      {"three bytes of magic", [&] { writeFile("gfx.arc", Bytes{0xAF, 0xBE, 0xAD}); }, "is not a resource archive"},
      {"a folder", [&] { fs::create_directory(folder / "gfx.arc"); }, "cannot be read"},
      {"a FIFO", [&] { ASSERT_EQ(::mkfifo((folder / "gfx.arc").c_str(), 0600), 0); }, "cannot be read"},
  };
  for (size_t length = 4; length < kFirstRecordAt + 60; ++length) {
    cases.push_back({"cut to " + std::to_string(length),
                     [&, length] { writeFile("gfx.arc", Bytes(whole.begin(), whole.begin() + long(length))); },
                     "is cut short: its directory reaches past its end"});
  }
  for (const Case& c : cases) {
    fs::remove_all(folder / "gfx.arc");
    c.make();
    Bytes before = fs::is_regular_file(folder / "gfx.arc") ? fileBytes("gfx.arc") : Bytes{};
    seedRandom(5);
    std::unique_ptr<ResourceArchive> archive;
    EXPECT_EQ(openQuietly(archive, "gfx.arc"), "") << c.what;
    EXPECT_FALSE(archive->isValid()) << c.what;
    EXPECT_STREQ(archive->problem(), c.problem) << c.what;
    EXPECT_EQ(archive->count(), 0) << c.what;
    EXPECT_EQ(archive->find(""), -1) << c.what;
    EXPECT_FALSE(archive->read(0).has_value()) << c.what;
    EXPECT_EQ(fs::exists(folder / "gfx.arc"), c.what != "missing") << c.what;
    if (fs::is_regular_file(folder / "gfx.arc")) {
      EXPECT_EQ(fileBytes("gfx.arc"), before) << c.what;
    }
    seedRandom(5);
    int expected = randomNumber();
    seedRandom(5);
    archive.reset();
    EXPECT_EQ(randomNumber(), expected) << c.what;  // not reseeded
  }
  fs::remove_all(folder / "gfx.arc");
  std::unique_ptr<ResourceArchive> archive;
  openQuietly(archive, "gfx.arc");
  EXPECT_STREQ(archive->problem(), "is missing");
  EXPECT_FALSE(fs::exists(folder / "gfx.arc"));  // a second try writes nothing either
  writeFile("gfx.arc", whole);
  openQuietly(archive, "gfx.arc");
  EXPECT_TRUE(archive->isValid());
  EXPECT_STREQ(archive->problem(), "");
}

TEST_F(ArchiveTest, EntriesReachingPastTheEndReadAsNothing) {
  Bytes bytes = archiveOf({{"whole", bytesOf("whole")}, {"wraps", bytesOf("wraps")}, {"cut", bytesOf("cut")}});
  // Offset 8 and nearly 4 GiB: the sum wraps to 4 in 32 bits, inside the file.
  put32At(bytes, kFirstRecordAt + 60 + 52, 8);
  put32At(bytes, kFirstRecordAt + 60 + 56, 0xFFFFFFFCu);
  bytes.pop_back();  // the last entry loses its last byte
  writeFile("gfx.arc", bytes);

  ResourceArchive archive("gfx.arc");
  ASSERT_EQ(archive.count(), 3);
  EXPECT_EQ(archive.read(0), bytesOf("whole"));
  EXPECT_FALSE(archive.read(1).has_value());
  EXPECT_FALSE(archive.read(2).has_value());
  EXPECT_EQ(archive.sizeOf(1), 0xFFFFFFFCu);  // the directory is reported as it stands
}

// --- the game's graphics archive ---------------------------------------------------------------

TEST_F(ArchiveTest, TheGraphicsArchiveIsOpenedOnceAndClosed) {
  writeFile("gfx.arc", archiveOf({{"gfx\\xml\\items.xml", bytesOf("<items/>")}}));
  EXPECT_EQ(graphicsArchive, nullptr);
  ResourceArchive* archive = openGraphicsArchive();
  ASSERT_NE(archive, nullptr);
  EXPECT_EQ(graphicsArchive, archive);
  EXPECT_EQ(openGraphicsArchive(), archive);
  EXPECT_EQ(archive->read(archive->find("gfx\\xml\\items.xml")), bytesOf("<items/>"));
  closeGraphicsArchive();
  EXPECT_EQ(graphicsArchive, nullptr);
  closeGraphicsArchive();  // twice is harmless
}

}  // namespace
