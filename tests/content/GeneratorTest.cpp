// The content generator is deterministic: two runs give the same archives byte for byte, so
// a build never changes the game's content by itself. The runs also report how long the
// generator takes and how large the archives are.
#include "ContentArchive.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

// The handheld's card holds the game beside other programs; keep the pictures within this.
constexpr uintmax_t kMostGraphicsBytes = 20u * 1024 * 1024;

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the generator into `folder`; its exit status, and the seconds it took.
int generate(const fs::path& folder, double& seconds) {
  std::error_code error;
  fs::remove_all(folder, error);
  fs::create_directories(folder, error);
  const std::string command = std::string("\"") + NUPAVANE_CONTENT_TOOL + "\" \"" + folder.string() + "\" \"" +
                              NUPAVANE_SOURCE_DIR + "/data\" > \"" + (folder / "log.txt").string() + "\" 2>&1";
  const auto started = std::chrono::steady_clock::now();
  const int status = std::system(command.c_str());
  seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return status;
}

// The names of the entries whose bytes differ between two archives, or are in one only.
std::vector<std::string> differingEntries(const fs::path& a, const fs::path& b) {
  std::string error;
  auto first = readArchive(a.string(), error);
  auto second = readArchive(b.string(), error);
  if (!first || !second) return {error};
  std::vector<std::string> names;
  for (const auto& [name, bytes] : *first) {
    auto other = second->find(name);
    if (other == second->end() || other->second != bytes) names.push_back(name);
  }
  for (const auto& [name, bytes] : *second) {
    if (!first->count(name)) names.push_back(name + " (second run only)");
  }
  return names;
}

TEST(ContentGeneratorTest, TwoRunsMakeTheSameArchivesByteForByte) {
  const fs::path work = fs::path(NUPAVANE_TEST_WORK_DIR) / "content_twice";
  double firstSeconds = 0, secondSeconds = 0;
  ASSERT_EQ(generate(work / "a", firstSeconds), 0) << readText(work / "a" / "log.txt");
  ASSERT_EQ(generate(work / "b", secondSeconds), 0) << readText(work / "b" / "log.txt");
  for (const char* archive : {"gfx.arc", "snd.arc"}) {
    const std::string a = readText(work / "a" / archive), b = readText(work / "b" / archive);
    ASSERT_FALSE(a.empty()) << archive << " was not written";
    EXPECT_TRUE(a == b) << archive << " differs between two runs in these entries:"
                        << listOf(differingEntries(work / "a" / archive, work / "b" / archive));
  }
  // The desktop's icons, written beside the archives, are the same bytes every time too.
  for (int size : {32, 48, 64, 128, 256}) {
    const fs::path icon = fs::path("icons/hicolor") / (std::to_string(size) + "x" + std::to_string(size)) / "apps" /
                          "org.nupavane.nupavane.png";
    const std::string a = readText(work / "a" / icon), b = readText(work / "b" / icon);
    ASSERT_FALSE(a.empty()) << icon << " was not written";
    EXPECT_TRUE(a == b) << icon << " differs between two runs";
  }
  const uintmax_t graphics = fs::file_size(work / "a" / "gfx.arc"), sounds = fs::file_size(work / "a" / "snd.arc");
  std::cout << "[ content  ] gfx.arc " << graphics << " bytes, snd.arc " << sounds << " bytes; made in "
            << firstSeconds << " s and " << secondSeconds << " s" << std::endl;
  RecordProperty("gfx_bytes", std::to_string(graphics));
  RecordProperty("seconds", std::to_string(firstSeconds));
  EXPECT_LE(graphics, kMostGraphicsBytes);
  fs::remove_all(work);
}

}  // namespace
