// The hatchery: laying and removing eggs, the heat drag, the bars, the potion.
#include "support/ScreenTest.h"

#include "screens/HatcheryScreen.h"

namespace {

using namespace screentest;

constexpr uint16_t kHeatInk = 0x001F, kProgressInk = 0x07E0;
constexpr int kHeatTop = HatcheryScreen::kHeatBarTop, kProgressTop = HatcheryScreen::kProgressBarTop;

// Where the test's zone map puts things.
std::string tapPlace(int place) { return tap(15 + 31 * place, 20, 300); }
const std::string kTapLever = tap(150, 200, 300), kTapHeat = tap(281, 100, 300), kTapPotion = tap(290, 225, 300);

Entries hatcheryPictures() {
  std::vector<Zone> zones;
  for (int i = 0; i < HatcheryScreen::kPlaces; ++i)
    zones.push_back({1 + 31 * i, 0, 30 + 31 * i, 54, HatcheryScreen::kZonePlaces[i]});
  zones.push_back({123, 176, 172, 235, HatcheryScreen::kZoneLever});
  zones.push_back({276, 69, 287, 168, HatcheryScreen::kZoneHeat});
  zones.push_back({304, 223, 319, 239, HatcheryScreen::kZoneLeave});
  return {{"gfx\\hatchery\\mask.bmp", zoneBmp(zones)},
          {"gfx\\hatchery\\bar_blue.bmp", plainBmp(12, 100, kHeatInk)},
          {"gfx\\hatchery\\bar_green.bmp", plainBmp(12, 100, kProgressInk)},
          {"gfx\\hatchery\\bgn.jpg", writeJpeg(zoneImage({}))}};  // black decodes exactly
}

class HatcheryScreenTest : public ScreenTest {
protected:
  HatcheryScreenTest() : ScreenTest(hatcheryPictures()) {
    PlayerManager::startGame({HumanPlayer, HumanPlayer, ComputerPlayer}).setCurrentPlayer(1);
  }
  const Egg& egg(int place) { return player(1).egg(place); }
  // Opens the hatchery as the castle does and plays the taps, then the exit.
  void visitHatchery(const std::string& taps) {
    EXPECT_EQ(visit(hatchery, taps + tap(310, 230, 300)), "");
    hatchery.visible(false, -1);
  }
  void dragHeatTo(int y) { visitHatchery(drag(281, 100, 281, y, 300)); }

  RecordingScreen mage{"MAGE"};
  HatcheryScreen hatchery;
};

TEST_F(HatcheryScreenTest, TheLeverLaysAnEggIntoTheSelectedPlaceAndTakesItOut) {
  player(1).eggs = 0;  // the count of eggs left is not the hatchery's business
  visitHatchery(tapPlace(2) + kTapLever);
  EXPECT_TRUE(egg(2).occupied);
  EXPECT_EQ(egg(2).heat, 50);
  EXPECT_EQ(egg(2).progress, 0);
  for (int place : {0, 1, 3}) EXPECT_FALSE(egg(place).occupied) << place;
  EXPECT_FALSE(player(0).egg(2).occupied);

  // Each visit starts at place 0 again.
  player(1).incubators[2].months = 4;
  visitHatchery(kTapLever + tapPlace(2) + kTapLever);
  EXPECT_TRUE(egg(0).occupied);
  EXPECT_FALSE(egg(2).occupied);
  EXPECT_EQ(egg(2).heat, 0);
  EXPECT_EQ(egg(2).months, 4);
  EXPECT_EQ(player(1).eggs, 0);
}

// The lever goes down at the handheld's pace, however fast the machine draws.
TEST_F(HatcheryScreenTest, TheLeverMovesAtTheHandheldsPace) {
  uint32_t laidAt = 0;
  rig.backend.onPresent = [&] {
    if (!laidAt && egg(2).occupied) laidAt = now();
  };
  const uint32_t start = now();
  visitHatchery(tapPlace(2) + kTapLever);
  ASSERT_TRUE(egg(2).occupied);
  // Two taps 300 ms apart, then the lever's frames but its last.
  EXPECT_GE(laidAt - start, 600 + (HatcheryScreen::kLeverFrames - 1) * kHandheldFrameMs);
}

TEST_F(HatcheryScreenTest, WhereTheHeatBarIsLetGoSetsTheHeatAndBelowFiveRemovesTheEgg) {
  struct Case {
    int y;
    bool kept;
    int heat;
  };
  const Case cases[] = {
      {kHeatTop + 25, true, 75}, {kHeatTop, true, 100},      {10, true, 100},  // above the bar: the top
      {kHeatTop + 95, true, 5},  {kHeatTop + 96, false, 0}, {239, false, 0},  // the bottom: heat 1
  };
  for (const Case& c : cases) {
    player(1).layEgg(0);
    dragHeatTo(c.y);
    EXPECT_EQ(egg(0).occupied, c.kept) << "let go at y " << c.y;
    EXPECT_EQ(egg(0).heat, c.heat) << "let go at y " << c.y;
    player(1).removeEgg(0);
  }
}

TEST_F(HatcheryScreenTest, ATapOnTheHeatBarHeatsFullyAndAnEmptyPlaceIsNotHeated) {
  player(1).layEgg(1);
  visitHatchery(tapPlace(1) + kTapHeat);
  EXPECT_EQ(egg(1).heat, 100);  // the stylus was up before the drag began
  visitHatchery(kTapHeat);
  dragHeatTo(kHeatTop + 50);
  EXPECT_FALSE(egg(0).occupied);
  EXPECT_EQ(egg(0).heat, 0);
}

TEST_F(HatcheryScreenTest, ThePotionCastsOnTheFirstDragonAndTheRoomComesBackAtPlaceZero) {
  // The mage fades in and out before the room takes taps again.
  visitHatchery(tapPlace(3) + kTapPotion + "wait 1500\n" + kTapLever);
  EXPECT_EQ(mage.params, std::vector<ScreenParam>{ScreenParam(0xFE000000)});
  EXPECT_TRUE(egg(0).occupied);
  EXPECT_FALSE(egg(3).occupied);
}

TEST_F(HatcheryScreenTest, TheBarsGrowUpwardWithTheSelectedEggsHeatAndProgress) {
  player(1).layEgg(0);
  player(1).incubators[0].progress = 30;
  hatchery.visible(true, 0);
  hatchery.draw(framebuffer());
  // Heat 50: the lower half of the heat bar; progress 30: its lowest 30 rows.
  EXPECT_EQ(pixel(281, kHeatTop + 49), 0);
  EXPECT_EQ(pixel(281, kHeatTop + 50), kHeatInk);
  EXPECT_EQ(pixel(20, kProgressTop + 69), 0);
  EXPECT_EQ(pixel(20, kProgressTop + 70), kProgressInk);
  EXPECT_EQ(pixel(20, kProgressTop + 99), kProgressInk);
  EXPECT_NE(pixel(120, 20), 0);  // the egg
  // A progress past hatching fills the bar and no more.
  player(1).incubators[0].progress = 130;
  hatchery.draw(framebuffer());
  EXPECT_EQ(pixel(20, kProgressTop), kProgressInk);
  EXPECT_EQ(pixel(20, kProgressTop - 1), 0);
  // An empty place: no egg and both bars empty.
  player(1).removeEgg(0);
  hatchery.draw(framebuffer());
  EXPECT_EQ(pixel(281, kHeatTop + 99), 0);
  EXPECT_EQ(pixel(20, kProgressTop + 99), 0);
  EXPECT_EQ(pixel(120, 20), 0);
  hatchery.visible(false, -1);
}

}  // namespace
