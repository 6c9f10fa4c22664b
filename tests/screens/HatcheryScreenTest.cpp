#include "app/TestApp.h"

#include "app/Script.h"
#include "players/PlayerManager.h"
#include "res/ResourceArchive.h"
#include "screens/CastleTestContent.h"
#include "screens/HatcheryScreen.h"
#include "world/CountryManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using castletest::pixelAt;

constexpr uint16_t kHeatInk = 0x001F;
constexpr uint16_t kProgressInk = 0x07E0;
constexpr int kBarHeight = 100;

// Where the test's zone map puts things, and what the screen tests by coordinates.
std::string tapPlace(int place) { return "wait 300\ntap " + std::to_string(15 + 31 * place) + " 20\n"; }
const char* const kTapLever = "wait 300\ntap 150 200\n";
const char* const kTapHeat = "wait 300\ntap 281 100\n";
const char* const kTapPotion = "wait 300\ntap 290 225\n";
const char* const kTapExit = "wait 300\ntap 310 230\n";

void writeHatcheryArchive() {
  std::vector<castletest::Zone> zones;
  for (int i = 0; i < HatcheryScreen::kPlaces; ++i)
    zones.push_back({1 + 31 * i, 0, 30 + 31 * i, 54, HatcheryScreen::kZonePlaces[i]});
  zones.push_back({123, 176, 172, 235, HatcheryScreen::kZoneLever});
  zones.push_back({276, 69, 287, 168, HatcheryScreen::kZoneHeat});
  zones.push_back({304, 223, 319, 239, HatcheryScreen::kZoneLeave});
  castletest::writeArchive({{"gfx\\hatchery\\mask.bmp", writeBmp24(castletest::zoneImage(zones))},
                            {"gfx\\hatchery\\bar_blue.bmp", plainBmp(12, kBarHeight, kHeatInk)},
                            {"gfx\\hatchery\\bar_green.bmp", plainBmp(12, kBarHeight, kProgressInk)},
                            {"gfx\\hatchery\\bgn.jpg", castletest::blackJpeg()}});
}

// A room that notes how it was opened and returns at once.
class MageRecorder : public Screen {
public:
  void getName(String& out) override { out = "MAGE"; }
  void visible(bool on, ScreenParam param) override {
    if (on) params.push_back(param);
  }
  void run(String& next) override { next = String(); }
  std::vector<ScreenParam> params;
};

class HatcheryScreenTest : public ::testing::Test {
protected:
  HatcheryScreenTest() {
    const std::string land = castletest::kLand;
    CountryManager::install(CountryManager::fromXml(land.data(), land.size()));
    Dragon::resetNames();
    PlayerManager::startGame({HumanPlayer, HumanPlayer, ComputerPlayer}).setCurrentPlayer(1);
    ScreenManager::instance().addScreen(String("MAGE"), &mage);
  }
  ~HatcheryScreenTest() override {
    PlayerManager::destroy();
    CountryManager::destroy();
    Dragon::resetNames();
    closeGraphicsArchive();
  }
  Player& player() { return *PlayerManager::instance().player(1); }
  const Egg& egg(int place) { return player().egg(place); }

  // Opens the hatchery as the castle does and plays the taps, then the exit.
  void visit(const std::string& taps) {
    ScriptRunner script{rig.backend};
    std::string error;
    ASSERT_TRUE(script.load(taps + kTapExit, error)) << error;
    rig.app.setScript(&script);
    ScreenManager::instance().showScreen(&hatchery, false, 0);
    String next("unchanged");
    hatchery.run(next);
    hatchery.visible(false, -1);
    rig.app.setScript(nullptr);
    EXPECT_TRUE(script.finished());
    EXPECT_STREQ(next.c_str(), "");
  }
  // A drag on the heat bar from inside it to y.
  void dragHeatTo(int y) {
    visit("wait 300\npress 281 100\nwait 100\nmove 281 " + std::to_string(y) + "\nwait 100\nrelease\n");
  }

  bool archiveWritten = (writeHatcheryArchive(), true);
  TestRig rig;
  MageRecorder mage;
  HatcheryScreen hatchery;
};

TEST_F(HatcheryScreenTest, TheLeverLaysAnEggIntoTheSelectedPlaceAndTakesItOut) {
  player().eggs = 0;  // the count of eggs left is not the hatchery's business
  visit(tapPlace(2) + kTapLever);
  EXPECT_TRUE(egg(2).occupied);
  EXPECT_EQ(egg(2).heat, 50);
  EXPECT_EQ(egg(2).progress, 0);
  for (int place : {0, 1, 3}) EXPECT_FALSE(egg(place).occupied) << place;
  EXPECT_FALSE(PlayerManager::instance().player(0)->egg(2).occupied);

  // Each visit starts at place 0 again.
  player().incubators[2].months = 4;
  visit(std::string(kTapLever) + tapPlace(2) + kTapLever);
  EXPECT_TRUE(egg(0).occupied);
  EXPECT_FALSE(egg(2).occupied);
  EXPECT_EQ(egg(2).heat, 0);
  EXPECT_EQ(egg(2).months, 4);
  EXPECT_EQ(player().eggs, 0);
}

// The lever goes down at the handheld's pace before the egg is in: each of its frames
// stays up for a pace, however fast the machine draws.
TEST_F(HatcheryScreenTest, TheLeverMovesAtTheHandheldsPace) {
  player().eggs = 0;
  uint32_t laidAt = 0;
  rig.backend.onPresent = [&] {
    if (!laidAt && egg(2).occupied) laidAt = now();
  };
  const uint32_t start = now();
  visit(tapPlace(2) + kTapLever);
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
      {69 + 25, true, 75},   {69, true, 100},        {10, true, 100},       // above the bar: the top
      {69 + 95, true, 5},    {69 + 96, false, 0},    {239, false, 0},       // the bottom: heat 1
  };
  for (const Case& c : cases) {
    player().layEgg(0);
    dragHeatTo(c.y);
    EXPECT_EQ(egg(0).occupied, c.kept) << "let go at y " << c.y;
    EXPECT_EQ(egg(0).heat, c.heat) << "let go at y " << c.y;
    player().removeEgg(0);
  }
}

TEST_F(HatcheryScreenTest, ATapOnTheHeatBarHeatsFullyAndAnEmptyPlaceIsNotHeated) {
  player().layEgg(1);
  visit(tapPlace(1) + kTapHeat);
  EXPECT_EQ(egg(1).heat, 100);  // the stylus was up before the drag began
  visit(kTapHeat);
  dragHeatTo(69 + 50);
  EXPECT_FALSE(egg(0).occupied);
  EXPECT_EQ(egg(0).heat, 0);
}

TEST_F(HatcheryScreenTest, ThePotionCastsOnTheFirstDragonAndTheRoomComesBackAtPlaceZero) {
  // The mage fades in and out before the room takes taps again.
  visit(tapPlace(3) + kTapPotion + "wait 1500\n" + kTapLever);
  ASSERT_EQ(mage.params.size(), 1u);
  EXPECT_EQ(mage.params[0], ScreenParam(0xFE000000));
  EXPECT_TRUE(egg(0).occupied);
  EXPECT_FALSE(egg(3).occupied);
}

TEST_F(HatcheryScreenTest, TheBarsGrowUpwardWithTheSelectedEggsHeatAndProgress) {
  player().layEgg(0);
  player().incubators[0].progress = 30;
  hatchery.visible(true, 0);
  std::vector<uint16_t> frame(kScreenPixels);
  hatchery.draw(frame.data());
  // Heat 50: the lower half of the heat bar.
  EXPECT_EQ(pixelAt(frame.data(), 281, 69 + 49), 0);
  EXPECT_EQ(pixelAt(frame.data(), 281, 69 + 50), kHeatInk);
  EXPECT_EQ(pixelAt(frame.data(), 281, 69 + 99), kHeatInk);
  // Progress 30: the lowest 30 rows of the progress bar.
  EXPECT_EQ(pixelAt(frame.data(), 20, 134 + 69), 0);
  EXPECT_EQ(pixelAt(frame.data(), 20, 134 + 70), kProgressInk);
  EXPECT_EQ(pixelAt(frame.data(), 20, 134 + 99), kProgressInk);
  EXPECT_NE(pixelAt(frame.data(), 120, 20), 0);  // the egg

  // A progress past hatching fills the bar and no more.
  player().incubators[0].progress = 130;
  hatchery.draw(frame.data());
  EXPECT_EQ(pixelAt(frame.data(), 20, 134), kProgressInk);
  EXPECT_EQ(pixelAt(frame.data(), 20, 133), 0);

  // An empty place: no egg and both bars empty.
  player().removeEgg(0);
  std::fill(frame.begin(), frame.end(), uint16_t(0x1234));
  hatchery.draw(frame.data());
  EXPECT_EQ(pixelAt(frame.data(), 281, 69 + 99), 0);
  EXPECT_EQ(pixelAt(frame.data(), 20, 134 + 99), 0);
  EXPECT_EQ(pixelAt(frame.data(), 120, 20), 0);
  hatchery.visible(false, -1);
}

}  // namespace
