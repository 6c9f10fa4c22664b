#include "TestPictures.h"
#include "core/Timer.h"
#include "gfx/Bitmap.h"
#include "gfx/LookupImage.h"
#include "platform/Files.h"
#include "platform/headless/HeadlessPlatform.h"
#include "res/ArchiveWriter.h"
#include "res/Files.h"
#include "res/ResourceArchive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr uint16_t kGrey = 0x5555;

class CountingHost : public WaitHost {
public:
  void keepAlive() override { ++steps; }
  bool penDown() override { return false; }
  int steps = 0;
};

// Pictures are loaded from a "gfx.arc" made here, beside a program put in a folder of
// this test's own.
class BitmapLoadTest : public ::testing::Test {
protected:
  void SetUp() override {
    platform::setCurrent(&backend);
    setWaitHost(&host);
    folder = fs::path(::testing::TempDir()) /
             (std::string("bitmap-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    platform::setProgramPath((folder / "nupavane").string());
  }
  void TearDown() override {
    closeGraphicsArchive();
    platform::setProgramPath("");
    fs::remove_all(folder);
    setWaitHost(nullptr);
    platform::setCurrent(nullptr);
  }
  void writeArchive() {
    std::vector<uint8_t> bytes = archive.bytes();
    ASSERT_TRUE(writeBesideProgram("gfx.arc", bytes.data(), bytes.size()));
  }
  void writeFile(const char* name, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(writeBesideProgram(name, bytes.data(), bytes.size()));
  }
  // The picture loaded, and what it wrote on standard error.
  std::pair<Bitmap, std::string> load(const char* name, bool fromArchive = true) {
    testing::internal::CaptureStderr();
    Bitmap bitmap(name, fromArchive);
    return {bitmap, testing::internal::GetCapturedStderr()};
  }

  platform::HeadlessPlatform backend;
  CountingHost host;
  fs::path folder;
  ArchiveWriter archive;
};

void expectPlaceholder(const Bitmap& bitmap) {
  EXPECT_STREQ(bitmap.getName().c_str(), "FROM_MEM");
  ASSERT_EQ(bitmap.getWidth(), 50);
  ASSERT_EQ(bitmap.getHeight(), 50);
  ASSERT_NE(bitmap.getPixels(), nullptr);
  for (int i = 0; i < 2500; ++i) ASSERT_EQ(bitmap.getPixels()[i], kGrey) << i;
}

TEST_F(BitmapLoadTest, EachFormatLoadsFromTheArchiveInColumnRuns) {
  RgbImage rgb = patternImage(6, 4);
  IndexedImage indexed = indexedPattern(5, 7, 6);
  std::vector<uint8_t> jpeg = writeJpeg(rgb);
  archive.add("gfx\\a.bmp", writeBmp24(rgb));
  archive.add("gfx\\b.gif", writeGif(indexed));
  archive.add("gfx\\c.jpg", jpeg);
  writeArchive();

  auto [bmp, bmpLog] = load("gfx\\a.bmp");
  EXPECT_EQ(bmpLog, "");
  EXPECT_STREQ(bmp.getName().c_str(), "gfx\\a.bmp");
  ASSERT_EQ(bmp.getWidth(), 6);
  ASSERT_EQ(bmp.getHeight(), 4);
  for (int x = 0; x < 6; ++x)
    for (int y = 0; y < 4; ++y) EXPECT_EQ(bmp.getPixel(x, y), to565(rgb.at(x, y)));
  EXPECT_EQ(bmp.getPixel(6, 0), 0);  // outside the picture
  EXPECT_EQ(bmp.getPixel(0, -1), 0);

  auto [gif, gifLog] = load("gfx\\b.gif");
  EXPECT_EQ(gifLog, "");
  ASSERT_EQ(gif.getWidth() * gif.getHeight(), 35);
  EXPECT_TRUE(std::equal(gif.getPixels(), gif.getPixels() + 35, toRgb(indexed).columnRuns565().begin()));

  auto [jpg, jpgLog] = load("gfx\\c.jpg");
  EXPECT_EQ(jpgLog, "");
  EXPECT_EQ(jpg.getWidth(), 6);
  EXPECT_NE(jpg.getPixels(), nullptr);
}

TEST_F(BitmapLoadTest, LoadingKeepsTheWindowAliveBetweenItsSteps) {
  archive.add("gfx\\c.jpg", writeJpeg(patternImage(8, 8)));
  writeArchive();
  Bitmap bitmap("gfx\\c.jpg", true);
  EXPECT_GE(host.steps, 3);  // after the look-up, after the read, during the decoding
}

TEST_F(BitmapLoadTest, AMissingPictureBecomesTheGreyPlaceholder) {
  writeArchive();
  auto [fromArchive, log] = load("gfx\\missing.bmp");
  EXPECT_EQ(log, "Bitmap::Bitmap(file): ERROR: Unable to open file 'gfx\\missing.bmp' !\n");
  expectPlaceholder(fromArchive);

  auto [fromFile, fileLog] = load("missing.gif", false);
  EXPECT_EQ(fileLog, "Bitmap::Bitmap(file): ERROR: Unable to open file 'missing.gif' !\n");
  expectPlaceholder(fromFile);
}

TEST_F(BitmapLoadTest, OnlyLowerCaseKnownExtensionsAreDecoded) {
  std::vector<uint8_t> bmp = writeBmp24(patternImage(2, 2));
  archive.add("gfx\\UP.BMP", bmp);
  archive.add("gfx\\noext", bmp);
  archive.add("gfx\\pic.jpeg", bmp);
  writeArchive();
  struct Case {
    const char* name;
    const char* message;
  };
  for (Case c : {Case{"gfx\\UP.BMP", "Bitmap::Bitmap(file): ERROR: Unknown bitmap extension 'BMP' !\n"},
                 Case{"gfx\\noext", "Bitmap::Bitmap(file): ERROR: Unknown bitmap extension '' !\n"},
                 Case{"gfx\\pic.jpeg", "Bitmap::Bitmap(file): ERROR: Unknown bitmap extension 'jpeg' !\n"}}) {
    auto [bitmap, log] = load(c.name);
    EXPECT_EQ(log, c.message);
    EXPECT_STREQ(bitmap.getName().c_str(), c.name);
    EXPECT_EQ(bitmap.getPixels(), nullptr);
    EXPECT_EQ(bitmap.getPixel(0, 0), 0);
  }
}

TEST_F(BitmapLoadTest, APictureThatDoesNotDecodeHasNoPixels) {
  std::vector<uint8_t> bmp = writeBmp24(patternImage(3, 3));
  put32(bmp, 2, uint32_t(bmp.size()) + 4);  // file-size field differs from the entry
  archive.add("gfx\\size.bmp", bmp);
  archive.add("gfx\\broken.gif", {'G', 'I', 'F'});
  archive.add("gfx\\broken.jpg", {0xFF, 0xD8, 0xFF});
  writeArchive();
  for (const char* name : {"gfx\\size.bmp", "gfx\\broken.gif", "gfx\\broken.jpg"}) {
    auto [bitmap, log] = load(name);
    std::string expected = std::string("Bitmap::Bitmap(file): ERROR: Unable to initialize the bitmap '") + name + "' !\n";
    ASSERT_GE(log.size(), expected.size());
    EXPECT_EQ(log.substr(log.size() - expected.size()), expected) << log;  // after the library's own words
    EXPECT_EQ(bitmap.getPixels(), nullptr);
    EXPECT_STREQ(bitmap.getName().c_str(), name);
  }
}

TEST_F(BitmapLoadTest, PicturesAlsoLoadFromFilesBesideTheProgram) {
  RgbImage rgb = patternImage(3, 5);
  writeFile("title.bmp", writeBmp24(rgb));
  auto [bitmap, log] = load("title.bmp", false);
  EXPECT_EQ(log, "");
  ASSERT_EQ(bitmap.getWidth() * bitmap.getHeight(), 15);
  EXPECT_TRUE(std::equal(bitmap.getPixels(), bitmap.getPixels() + 15, rgb.columnRuns565().begin()));
}

TEST_F(BitmapLoadTest, LookupImageReadsZonesUncorrectedAndRestoresTheFactor) {
  archive.add("gfx\\zones.bmp", writeBmp24(RgbImage{2, 1, {255, 0, 0, 0, 0, 255}}));
  writeArchive();
  colourFactor = 0.75;
  {
    LookupImage zones("gfx\\zones.bmp");
    EXPECT_EQ(zones.getPixel(0, 0), 0xF800);
    EXPECT_EQ(zones.getPixel(1, 0), 0x001F);
    EXPECT_EQ(zones.getPixel(2, 0), 0);
  }
  EXPECT_EQ(colourFactor, 0.75);
  colourFactor = 1.0;
}

TEST(Bitmap, AnOffScreenBufferIsGreyAndCopiesAreIndependent) {
  Bitmap buffer(4, 3);
  EXPECT_STREQ(buffer.getName().c_str(), "FROM_MEM");
  ASSERT_NE(buffer.getPixels(), nullptr);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(buffer.getPixels()[i], kGrey);

  Bitmap copy(buffer);
  copy.getPixels()[0] = 1;
  EXPECT_EQ(buffer.getPixels()[0], kGrey);

  Bitmap other(10, 10);
  other = buffer;  // takes the source's size and its own copy of the pixels
  EXPECT_EQ(other.getWidth(), 4);
  EXPECT_EQ(other.getHeight(), 3);
  other.getPixels()[11] = 7;
  EXPECT_EQ(buffer.getPixels()[11], kGrey);
  EXPECT_EQ(other.getPixel(0, 0), kGrey);

  Bitmap empty(0, 5);
  EXPECT_EQ(empty.getPixels(), nullptr);
  EXPECT_EQ(empty.getPixel(0, 0), 0);
}

}  // namespace
