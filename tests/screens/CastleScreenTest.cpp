// The castle: its rooms opened through the zone map, the dealer, the hidden corner.
#include "support/ScreenTest.h"

#include "core/Random.h"
#include "screens/CastleScreen.h"

#include <climits>

namespace {

using namespace screentest;

// Zone map: one 20-row band per zone down the left half, in this order.
const uint16_t kBands[] = {CastleScreen::kZoneFight,  CastleScreen::kZoneCellar,   CastleScreen::kZoneMage,
                           CastleScreen::kZoneDealer, CastleScreen::kZoneHatchery, CastleScreen::kZoneInfo,
                           CastleScreen::kZoneLeave,  CastleScreen::kZoneCrystals};
enum Band { Fight, Cellar, Mage, Dealer, Hatchery, Info, Leave, Crystals };
constexpr uint16_t kDealerOn = 0x07E0, kDealerOff = 0x001F;

std::string tapOn(Band band) { return tap(80, 20 * band + 10, 1500); }
const std::string kTapNowhere = tap(250, 10, 1500);

Entries castlePictures() {
  std::vector<Zone> zones;
  for (int i = 0; i < int(std::size(kBands)); ++i) zones.push_back({0, 20 * i, 159, 20 * i + 19, kBands[i]});
  return {{"gfx\\castle\\mask.gif", zoneGif(zones)},
          {"gfx\\castle\\traderon.bmp", plainBmp(50, 50, kDealerOn)},
          {"gfx\\castle\\traderoff.bmp", plainBmp(50, 50, kDealerOff)}};
}

// The rolls the generator will give after seeding, the generator left as seeded.
std::vector<bool> dealerRolls(uint32_t seed, int count) {
  seedRandom(seed);
  std::vector<bool> present;
  for (int i = 0; i < count; ++i) present.push_back(randomNumber() % 50 > 40);
  seedRandom(seed);
  return present;
}

// The castle with every frame it draws noted.
class WatchedCastle : public CastleScreen {
public:
  void draw(uint16_t* target) override {
    framesDrawn.push_back(animationFrame());
    CastleScreen::draw(target);
  }
  std::vector<int> framesDrawn;
};

class CastleScreenTest : public ScreenTest {
protected:
  CastleScreenTest() : ScreenTest(castlePictures()) {
    PlayerManager::startGame({HumanPlayer, HumanPlayer, ComputerPlayer});
  }
  // The round screen's way in: the castle opened modally, until its exit is tapped.
  void visitCastle(CastleScreen& castle, const std::string& taps) {
    play(taps + tapOn(Leave));
    ScreenManager::instance().addScreen(String("CASTLE"), &castle);
    ASSERT_TRUE(ScreenManager::instance().callScreen(nullptr, String("CASTLE"), 0));
    EXPECT_TRUE(script.finished());
  }
  using Params = std::vector<ScreenParam>;

  RecordingScreen fight{"FIGHT"}, cellar{"DRAGON"}, mage{"MAGE"}, shop{"SHOP"}, hatchery{"HATCHERY"}, info{"INFO"};
};

TEST_F(CastleScreenTest, EachZoneOpensItsRoomOnceAndTheExitEndsTheVisit) {
  CastleScreen castle;
  visitCastle(castle, tapOn(Fight) + tapOn(Cellar) + tapOn(Mage) + tapOn(Hatchery) + tapOn(Info) + kTapNowhere);
  for (RecordingScreen* room : {&fight, &cellar, &hatchery, &info}) EXPECT_EQ(room->params, Params{0});
  EXPECT_EQ(mage.params, Params{ScreenParam(0xFC000000)});  // the spell aims at the ruler himself
  EXPECT_TRUE(shop.params.empty());
}

TEST_F(CastleScreenTest, TheShopOpensOnlyWhileTheDealerIsThere) {
  CastleScreen castle;
  // A seed whose entry brings the dealer and whose return from the shop sends him away:
  // rolls at entry, when the shop hides the castle, and when the castle comes back.
  uint32_t seed = 1;
  for (std::vector<bool> rolls; rolls = dealerRolls(seed, 3), !(rolls[0] && !rolls[2]);) ++seed;
  visitCastle(castle, tapOn(Dealer) + tapOn(Dealer) + tapOn(Cellar));
  EXPECT_EQ(shop.params, Params{0});
  EXPECT_EQ(cellar.params, Params{0});  // the second dealer tap opened nothing in between
}

TEST_F(CastleScreenTest, TheDealerComesOnNineVisitsInFiftyAndShowsHisPicture) {
  CastleScreen castle;
  const int visits = 500;
  std::vector<bool> expected = dealerRolls(77, visits);
  int present = 0;
  for (int i = 0; i < visits; ++i) {
    castle.visible(i % 2 == 0, 0);
    ASSERT_EQ(castle.traderPresent(), expected[size_t(i)]) << "visit " << i;
    present += castle.traderPresent();
    castle.draw(framebuffer());
    EXPECT_EQ(pixel(295, 215), castle.traderPresent() ? kDealerOn : kDealerOff);
    EXPECT_EQ(castle.animationFrame(), 0);
  }
  EXPECT_GT(present, visits * 9 / 50 - 30);
  EXPECT_LT(present, visits * 9 / 50 + 30);
}

TEST_F(CastleScreenTest, TheHiddenCornerAddsAHundredCrystalsToTheCurrentRulerOnEveryTap) {
  PlayerManager::instance().setCurrentPlayer(1);
  const int32_t before0 = player(0).money, before1 = player(1).money;
  CastleScreen castle;
  visitCastle(castle, tapOn(Crystals) + tapOn(Crystals) + tapOn(Crystals) + kTapNowhere);
  EXPECT_EQ(player(1).money, before1 + 300);
  EXPECT_EQ(player(0).money, before0);
  // The purse stops at its largest value rather than overflowing.
  player(1).money = INT32_MAX - 50;
  visitCastle(castle, tapOn(Crystals));
  EXPECT_EQ(player(1).money, INT32_MAX);
}

TEST_F(CastleScreenTest, ARoomThatIsNotThereLeavesTheCastleRunning) {
  ScreenManager::instance().clear();
  CastleScreen castle;
  const int32_t before = PlayerManager::instance().currentPlayer().money;
  visitCastle(castle, tapOn(Fight) + tapOn(Hatchery) + tapOn(Crystals));
  EXPECT_EQ(PlayerManager::instance().currentPlayer().money, before + 100);
}

TEST_F(CastleScreenTest, TheAnimationStepsOneFrameAPassAndStartsAgainAfterARoom) {
  ScreenManager::instance().clear();
  RecordingScreen slowRoom("INFO", 5000);
  WatchedCastle castle;
  visitCastle(castle, "wait 3000\n" + tapOn(Info));
  ASSERT_EQ(slowRoom.params, Params{0});
  const std::vector<int>& frames = castle.framesDrawn;
  ASSERT_GT(frames.size(), 60u);
  bool wrapped = false, restarted = false;
  for (size_t i = 1; i < frames.size(); ++i) {
    const int step = frames[i] - frames[i - 1];
    if (frames[i - 1] == 29 && frames[i] == 0) wrapped = true;
    else if (frames[i] == 0 && step < 0) restarted = true;  // the castle was shown again
    else EXPECT_TRUE(step == 0 || step == 1) << "from " << frames[i - 1] << " to " << frames[i];
  }
  EXPECT_TRUE(wrapped);  // 3 s at 80 ms a frame pass frame 29
  EXPECT_TRUE(restarted);
}

}  // namespace
