#include "screens/CellarFixture.h"

#include "gfx/FontManager.h"
#include "gfx/TestPictures.h"
#include "platform/Files.h"
#include "res/ArchiveWriter.h"
#include "res/ResourceArchive.h"
#include "screens/CellarScreen.h"
#include "support/TestContent.h"
#include "world/CountryManager.h"

#include <filesystem>

namespace cellartest {

namespace {

RgbImage plainImage(int width, int height, uint16_t colour) {
  RgbImage image;
  image.width = width;
  image.height = height;
  const Rgb rgb = rgbOf(colour);
  for (int i = 0; i < width * height; ++i) image.rgb.insert(image.rgb.end(), rgb.begin(), rgb.end());
  return image;
}

void paint(RgbImage& image, int x0, int y0, int width, int height, uint16_t colour) {
  const Rgb rgb = rgbOf(colour);
  for (int y = y0; y < y0 + height; ++y)
    for (int x = x0; x < x0 + width; ++x)
      std::copy(rgb.begin(), rgb.end(), image.rgb.begin() + (size_t(y) * size_t(image.width) + size_t(x)) * 3);
}

std::vector<uint8_t> cellarMask() {
  RgbImage mask = plainImage(320, 240, 0);
  for (int i = 0; i < CellarScreen::kDoors; ++i) {
    const CellarScreen::Door& door = CellarScreen::kDoorTable[size_t(i)];
    paint(mask, door.x, door.y, kZoneSize, kZoneSize, door.colour);
  }
  paint(mask, 304, 223, 16, 17, CellarScreen::kExitColour);
  return writeBmp24(mask);
}

// The test archive's entries again, with the cellar's pictures after them.
void addCellarPictures(const std::string& folder) {
  ArchiveWriter archive;
  {
    ResourceArchive base("gfx.arc");
    for (int i = 0; i < base.count(); ++i) archive.add(base.nameOf(i), *base.read(i));
  }
  archive.add("gfx\\cellar\\mask.bmp", cellarMask());
  archive.add("gfx\\cellar\\tag.bmp", plainBmp(CellarScreen::kTagWidth, CellarScreen::kTagHeight, kTagColour));
  for (int i = 0; i < CellarScreen::kDoors; ++i)
    archive.add(String::format("gfx\\cellar\\door%d.bmp", i), plainBmp(20, 20, doorColour(i)));
  // Statistics: a black backdrop, short black empty columns and tall white full ones.
  archive.add("gfx\\cellar\\stats\\ani\\stats_atmen0000.jpg", writeJpeg(plainImage(320, 240, 0), 100));
  for (int i = 0; i < 6; ++i) {
    archive.add(String::format("gfx\\cellar\\stats\\%dr.jpg", i), writeJpeg(plainImage(45, 10, 0), 100));
    archive.add(String::format("gfx\\cellar\\stats\\%dg.jpg", i), writeJpeg(plainImage(45, 110, 0xFFFF), 100));
  }
  closeGraphicsArchive();
  const std::vector<uint8_t> bytes = archive.bytes();
  platform::replaceFile(folder + "/gfx.arc", bytes.data(), bytes.size());
}

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

}  // namespace

uint16_t doorColour(int place) { return uint16_t(0x0841 * (place + 2)); }

CellarFixture::CellarFixture() {
  addCellarPictures(testcontent::writeGraphicsArchive("cellar-" + testName()));
  CountryManager::destroy();
  PlayerManager::startGame({HumanPlayer, HumanPlayer, HumanPlayer});
}

CellarFixture::~CellarFixture() {
  rig.app.setScript(nullptr);
  PlayerManager::destroy();
  CountryManager::destroy();
  FontManager::destroy();
  closeGraphicsArchive();
}

void CellarFixture::play(const std::string& text) {
  std::string error;
  ASSERT_TRUE(script.load(text, error)) << error;
  rig.app.setScript(&script);
}

std::string CellarFixture::run(Screen& screen, ScreenParam param) {
  ScreenManager::instance().showScreen(&screen, false, param);
  String next;
  screen.run(next);
  screen.visible(false, -1);
  return next.c_str();
}

void CellarFixture::giveDragons(Player& owner, const std::vector<std::pair<int, bool>>& dragons) {
  owner.dragons.clear();
  for (const auto& [health, atHome] : dragons) {
    Dragon dragon("");
    dragon.attributes[Dragon::kHealth] = health;
    dragon.atHome = atHome;
    owner.dragons.push_back(dragon);
  }
}

uint16_t CellarFixture::pixel(int x, int y) const {
  // The framebuffer is in column runs, like every picture.
  return const_cast<TestRig&>(rig).app.getFramebuffer()[x * kScreenHeight + (kScreenHeight - 1 - y)];
}

}  // namespace cellartest
