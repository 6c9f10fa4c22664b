// The villages over the map: which picture a village gets, where it is pulled back inside
// the map's edges, and where the guard's head, the owner's cross and the order mark go.
#include "MonthFixture.h"

#include "gfx/TestPictures.h"
#include "platform/Files.h"
#include "res/ArchiveWriter.h"
#include "res/ResourceArchive.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using namespace monthtest;

// Each picture one plain colour, so a pixel tells which picture covers it.
constexpr uint16_t kTribe = 0x07E0, kVillage = 0x001F, kCross = 0xFFE0, kHead = 0xF800, kMark = 0x07FF;

class VillageDrawingTest : public ::testing::Test {
protected:
  void SetUp() override {
    const std::string text =
        land(villageXml("Small", "Fenfolk", "3,4") + villageXml("Edge", "Fenfolk", "19,14") +
             "<village name=\"Large\"><race>Fenfolk</race><position>6,2</position><population>1001</population>"
             "</village><village name=\"Exact\"><race>Fenfolk</race><position>9,2</position>"
             "<population>1000</population></village>");
    fs::path folder = fs::path(::testing::TempDir()) / "village-drawing";
    fs::create_directories(folder);
    ArchiveWriter archive;
    archive.add(String("gfx\\xml\\country.xml"), std::vector<uint8_t>(text.begin(), text.end()));
    archive.add(String("gfx\\fight\\tribe01.gif"), plainGif(30, 20, kTribe));
    archive.add(String("gfx\\fight\\village01.gif"), plainGif(40, 30, kVillage));
    archive.add(String("gfx\\fight\\cross00.gif"), plainGif(8, 6, kCross));
    archive.add(String("gfx\\fight\\dragon_head.gif"), plainGif(10, 9, kHead));
    archive.add(String("gfx\\fight\\cross_action.gif"), plainGif(7, 5, kMark));
    const std::vector<uint8_t> bytes = archive.bytes();
    platform::replaceFile((folder / "gfx.arc").string(), bytes.data(), bytes.size());
    closeGraphicsArchive();
    platform::setProgramPath((folder / "nupavane").string());
    CountryManager::destroy();
    ASSERT_EQ(CountryManager::instance().failure().length(), 0);
    PlayerManager::startGame({HumanPlayer, HumanPlayer, HumanPlayer});
  }
  void TearDown() override {
    PlayerManager::destroy();
    CountryManager::destroy();
    closeGraphicsArchive();
  }

  Bitmap drawn() {
    Bitmap map(640, 480);
    std::fill_n(map.getPixels(), 640 * 480, uint16_t(0));
    CountryManager::instance().drawVillages(map);
    return map;
  }
};

TEST_F(VillageDrawingTest, AVillageOfMoreThanAThousandGetsTheLargePictureAndEdgesPullBack) {
  const Bitmap map = drawn();
  EXPECT_EQ(map.getPixel(2 * 35, 3 * 35), kTribe);       // "Small" at column 2, row 3
  EXPECT_EQ(map.getPixel(2 * 35 + 30, 3 * 35), 0);
  EXPECT_EQ(map.getPixel(5 * 35 + 39, 35 + 29), kVillage);  // "Large": 1001
  EXPECT_EQ(map.getPixel(8 * 35 + 39, 35 + 29), 0);         // "Exact": 1000 is small
  EXPECT_EQ(map.getPixel(8 * 35 + 29, 35 + 19), kTribe);
  // At the map's edge, column 18, row 13 would end at 660 and 475: it ends at 638 instead.
  EXPECT_EQ(map.getPixel(639 - 30, 13 * 35), kTribe);
  EXPECT_EQ(map.getPixel(638, 13 * 35), kTribe);
  EXPECT_EQ(map.getPixel(639, 13 * 35), 0);
  EXPECT_EQ(map.getPixel(639 - 31, 13 * 35), 0);
}

TEST_F(VillageDrawingTest, GuardOwnerAndOrderAreMarked) {
  CountryManager& land = CountryManager::instance();
  land.village(0).owner = 0;
  land.cell(2, 3).guardOwner = 0;
  land.cell(2, 3).guardDragon = 0;
  land.cell(2, 3).orders[0] = CellOrder{0, TaskAttack, 50};
  land.cell(18, 13).guardOwner = 1;
  land.cell(18, 13).guardDragon = 0;
  const Bitmap map = drawn();
  const int x = 70, y = 105;
  EXPECT_EQ(map.getPixel(x, y + 19), kCross);            // the owner's cross, bottom left
  EXPECT_EQ(map.getPixel(x + 30 - 7, y), kMark);         // the order mark, top right, drawn last
  EXPECT_EQ(map.getPixel(x + 30, y), kHead);             // the head from 6 pixels before the right edge
  EXPECT_EQ(map.getPixel(x + 30 - 6, y + 8), kHead);     // below the mark
  // At the edge the head is pulled back inside too.
  EXPECT_EQ(map.getPixel(639, 13 * 35), 0);
  EXPECT_EQ(map.getPixel(638, 13 * 35), kHead);
  // The mark is the current ruler's: another ruler sees none.
  PlayerManager::instance().setCurrentPlayer(1);
  EXPECT_EQ(drawn().getPixel(x + 30 - 7, y), kTribe);
}

}  // namespace
