#include "ArcCommands.h"
#include "Render.h"
#include "gfx/TestPictures.h"
#include "platform/Files.h"
#include "res/ArchiveWriter.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

void writeFile(const fs::path& path, const Bytes& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes fileBytes(const fs::path& path) {
  auto bytes = platform::readFile(path.string());
  return bytes ? *bytes : Bytes{};
}

// The PNG's pixels, row by row, as 0xRRGGBB.
std::vector<uint32_t> pngPixels(const fs::path& path, int& width, int& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.string().c_str())) return {};
  image.format = PNG_FORMAT_RGB;
  Bytes rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  width = int(image.width), height = int(image.height);
  std::vector<uint32_t> pixels;
  for (size_t i = 0; i + 2 < rgb.size(); i += 3) pixels.push_back(uint32_t(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]));
  return pixels;
}

class ArcToolTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder = fs::path(::testing::TempDir()) / ("arc-tool-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override {
    platform::setProgramPath("");
    fs::remove_all(folder);
  }
  void writeArchive(const fs::path& path, const ArchiveWriter& writer) { writeFile(path, writer.bytes()); }
  std::string listing(const fs::path& archive) {
    std::ostringstream out;
    EXPECT_EQ(arc::list(archive, out), arc::kOk);
    return out.str();
  }
  fs::path folder;
};

TEST_F(ArcToolTest, EntryNamesUseBackslashesAfterThePrefix) {
  EXPECT_EQ(arc::entryName("fonts/bigBlack.gif", "gfx"), "gfx\\fonts\\bigBlack.gif");
  EXPECT_EQ(arc::entryName("fonts/bigBlack.gif", "gfx\\"), "gfx\\fonts\\bigBlack.gif");
  EXPECT_EQ(arc::entryName("ping.wav", ""), "ping.wav");
}

TEST_F(ArcToolTest, ExtractionStaysInsideItsFolder) {
  EXPECT_EQ(arc::extractPath("gfx\\fonts\\bigBlack.gif"), fs::path("gfx/fonts/bigBlack.gif"));
  EXPECT_EQ(arc::extractPath("gfx\\a..b.gif"), fs::path("gfx/a..b.gif"));
  for (const char* bad : {"", "..", "..\\x", "gfx\\..\\..\\x", "gfx/../x", "\\etc\\passwd", "/etc/passwd",
                          "gfx\\\\x", "gfx\\"}) {
    EXPECT_FALSE(arc::extractPath(bad).has_value()) << bad;
  }
}

TEST_F(ArcToolTest, PackingIsDeterministicAndLeavesTheArchiveItselfOut) {
  fs::path in = folder / "in";
  writeFile(in / "xml" / "country.xml", bytesOf("<country/>"));
  writeFile(in / "fonts" / "b.gif", bytesOf("GIF89a"));
  writeFile(in / "fonts" / "a.gif", Bytes{0, 1, 0});
  writeFile(in / "Z.txt", Bytes{});
  ASSERT_EQ(arc::pack(folder / "outside.arc", in, "gfx"), arc::kOk);
  // Packed into the folder itself, twice: the second run must not pack the first's archive.
  ASSERT_EQ(arc::pack(in / "gfx.arc", in, "gfx"), arc::kOk);
  ASSERT_EQ(arc::pack(in / "gfx.arc", in, "gfx"), arc::kOk);
  EXPECT_EQ(fileBytes(in / "gfx.arc"), fileBytes(folder / "outside.arc"));

  // Byte order: capitals before lower case. Data follows the 4-entry directory.
  size_t data = 4 + 2 + 128 + 2 + 4 * 60;
  std::ostringstream expected;
  expected << "gfx\\Z.txt\t" << data << "\t0\n"
           << "gfx\\fonts\\a.gif\t" << data << "\t3\n"
           << "gfx\\fonts\\b.gif\t" << data + 3 << "\t6\n"
           << "gfx\\xml\\country.xml\t" << data + 9 << "\t10\n";
  EXPECT_EQ(listing(in / "gfx.arc"), expected.str());
}

TEST_F(ArcToolTest, PackingRefusesWhatAnArchiveCannotName) {
  fs::path in = folder / "in";
  writeFile(in / std::string(48, 'n'), bytesOf("x"));  // 52 bytes with "gfx\"
  testing::internal::CaptureStderr();
  EXPECT_EQ(arc::pack(folder / "gfx.arc", in, "gfx"), arc::kFailed);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("is longer than 51 bytes"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "gfx.arc"));
  EXPECT_EQ(arc::pack(folder / "gfx.arc", in, ""), arc::kOk);
  EXPECT_EQ(arc::pack(folder / "gfx.arc", folder / "missing", "gfx"), arc::kFailed);
}

TEST_F(ArcToolTest, ExtractWritesTheFirstOfEqualNamesAndRefusesEscapes) {
  ArchiveWriter writer;
  writer.add("gfx\\xml\\items.xml", bytesOf("first"));
  writer.add("..\\escaped.txt", bytesOf("out"));
  writer.add("\\absolute.txt", bytesOf("out"));
  writer.add("gfx\\xml\\items.xml", bytesOf("second"));
  writer.add("gfx\\empty.bin", Bytes{});
  writeArchive(folder / "gfx.arc", writer);
  fs::path out = folder / "out";
  EXPECT_EQ(arc::extract(folder / "gfx.arc", out), arc::kFailed);
  EXPECT_EQ(fileBytes(out / "gfx" / "xml" / "items.xml"), bytesOf("first"));
  EXPECT_TRUE(fs::exists(out / "gfx" / "empty.bin"));
  EXPECT_FALSE(fs::exists(folder / "escaped.txt"));
  EXPECT_FALSE(fs::exists(out / "absolute.txt"));
}

TEST_F(ArcToolTest, CommandsNeverCreateOrTouchAnArchive) {
  std::ostringstream out;
  EXPECT_EQ(arc::list(folder / "missing.arc", out), arc::kFailed);
  EXPECT_FALSE(fs::exists(folder / "missing.arc"));
  writeFile(folder / "notes.txt", bytesOf("not an archive"));
  EXPECT_EQ(arc::extract(folder / "notes.txt", folder / "out"), arc::kFailed);
  EXPECT_EQ(fileBytes(folder / "notes.txt"), bytesOf("not an archive"));
}

TEST_F(ArcToolTest, RenderWritesThePictureUprightAsPng) {
  ArchiveWriter writer;
  // Top row red, green; bottom row blue, white.
  writer.add("gfx\\test.bmp", writeBmp24(RgbImage{2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}}));
  writer.add("gfx\\notes.txt", bytesOf("text"));
  writeArchive(folder / "pictures.arc", writer);

  ASSERT_EQ(arc::render(folder / "pictures.arc", "gfx\\test.bmp", folder / "test.png"), arc::kOk);
  int width = 0, height = 0;
  EXPECT_EQ(pngPixels(folder / "test.png", width, height),
            (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}));
  EXPECT_EQ(width, 2);
  EXPECT_EQ(height, 2);
  EXPECT_EQ(arc::render(folder / "pictures.arc", "gfx\\missing.bmp", folder / "m.png"), arc::kFailed);
  EXPECT_EQ(arc::render(folder / "pictures.arc", "gfx\\notes.txt", folder / "n.png"), arc::kFailed);
  EXPECT_FALSE(fs::exists(folder / "n.png"));
}

}  // namespace
