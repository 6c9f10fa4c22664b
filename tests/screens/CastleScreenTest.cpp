#include "app/TestApp.h"

#include "app/Script.h"
#include "core/Random.h"
#include "players/PlayerManager.h"
#include "res/ResourceArchive.h"
#include "screens/CastleScreen.h"
#include "screens/CastleTestContent.h"
#include "world/CountryManager.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

using castletest::Zone;

// Zone map: one 20-row band per zone down the left half, in this order.
const uint16_t kBands[] = {CastleScreen::kZoneFight,    CastleScreen::kZoneCellar, CastleScreen::kZoneMage,
                           CastleScreen::kZoneDealer,   CastleScreen::kZoneHatchery, CastleScreen::kZoneInfo,
                           CastleScreen::kZoneLeave,    CastleScreen::kZoneCrystals};
enum Band { Fight, Cellar, Mage, Dealer, Hatchery, Info, Leave, Crystals };

constexpr uint16_t kDealerOn = 0x07E0;
constexpr uint16_t kDealerOff = 0x001F;

// A tap in the middle of a band, and one where no zone is.
std::string tapOn(Band band) { return "wait 1500\ntap 80 " + std::to_string(20 * band + 10) + "\n"; }
const char* const kTapNowhere = "wait 1500\ntap 250 10\n";

// A room that notes how it was opened and returns at once, or after a while.
class RoomRecorder : public Screen {
public:
  RoomRecorder(const char* name, uint32_t stayMs = 0) : name_(name), stayMs_(stayMs) {}
  void getName(String& out) override { out = name_; }
  void visible(bool on, ScreenParam param) override {
    if (on) params.push_back(param);
  }
  void run(String& next) override {
    if (stayMs_) wait(stayMs_);
    next = String();
  }
  void draw(uint16_t* target) override { std::memset(target, 0, kScreenPixels * sizeof(uint16_t)); }

  std::vector<ScreenParam> params;

private:
  const char* name_;
  uint32_t stayMs_;
};

// The castle with every frame it draws noted.
class WatchedCastle : public CastleScreen {
public:
  void draw(uint16_t* target) override {
    framesDrawn.push_back(animationFrame());
    CastleScreen::draw(target);
  }
  std::vector<int> framesDrawn;
};

void writeCastleArchive() {
  std::vector<Zone> zones;
  for (int i = 0; i < int(std::size(kBands)); ++i) zones.push_back({0, 20 * i, 159, 20 * i + 19, kBands[i]});
  castletest::writeArchive({{"gfx\\castle\\mask.gif", castletest::zoneGif(zones)},
                            {"gfx\\castle\\traderon.bmp", plainBmp(50, 50, kDealerOn)},
                            {"gfx\\castle\\traderoff.bmp", plainBmp(50, 50, kDealerOff)}});
}

// The rolls the generator will give after seeding, the generator left as seeded.
std::vector<bool> dealerRolls(uint32_t seed, int count) {
  seedRandom(seed);
  std::vector<bool> present;
  for (int i = 0; i < count; ++i) present.push_back(randomNumber() % 50 > 40);
  seedRandom(seed);
  return present;
}

class CastleScreenTest : public ::testing::Test {
protected:
  CastleScreenTest() {
    const std::string land = castletest::kLand;
    CountryManager::install(CountryManager::fromXml(land.data(), land.size()));
    Dragon::resetNames();
    PlayerManager::startGame({HumanPlayer, HumanPlayer, ComputerPlayer});
    for (RoomRecorder* room : {&fight, &cellar, &mage, &shop, &hatchery, &info}) {
      String name;
      room->getName(name);
      ScreenManager::instance().addScreen(name, room);
    }
  }
  ~CastleScreenTest() override {
    PlayerManager::destroy();
    CountryManager::destroy();
    Dragon::resetNames();
    closeGraphicsArchive();
  }
  // The round screen's way in: the castle opened modally, until its exit is tapped.
  void visit(CastleScreen& castle, const std::string& taps) {
    std::string error;
    ASSERT_TRUE(script.load(taps + tapOn(Leave), error)) << error;
    rig.app.setScript(&script);
    ScreenManager::instance().addScreen(String("CASTLE"), &castle);
    ASSERT_TRUE(ScreenManager::instance().callScreen(nullptr, String("CASTLE"), 0));
    EXPECT_TRUE(script.finished());
    rig.app.setScript(nullptr);
  }
  static std::vector<ScreenParam> once(ScreenParam param) { return {param}; }

  bool archiveWritten = (writeCastleArchive(), true);
  TestRig rig;
  ScriptRunner script{rig.backend};
  RoomRecorder fight{"FIGHT"}, cellar{"DRAGON"}, mage{"MAGE"}, shop{"SHOP"}, hatchery{"HATCHERY"}, info{"INFO"};
};

TEST_F(CastleScreenTest, EachZoneOpensItsRoomOnceAndTheExitEndsTheVisit) {
  CastleScreen castle;
  visit(castle, tapOn(Fight) + tapOn(Cellar) + tapOn(Mage) + tapOn(Hatchery) + tapOn(Info) + kTapNowhere);
  EXPECT_EQ(fight.params, once(0));
  EXPECT_EQ(cellar.params, once(0));
  EXPECT_EQ(mage.params, once(ScreenParam(0xFC000000)));  // the spell aims at the ruler himself
  EXPECT_EQ(hatchery.params, once(0));
  EXPECT_EQ(info.params, once(0));
  EXPECT_TRUE(shop.params.empty());
}

TEST_F(CastleScreenTest, TheShopOpensOnlyWhileTheDealerIsThere) {
  CastleScreen castle;
  // A seed whose entry brings the dealer and whose return from the shop sends him away:
  // rolls at entry, when the shop hides the castle, and when the castle comes back.
  uint32_t seed = 1;
  while (true) {
    std::vector<bool> rolls = dealerRolls(seed, 3);
    if (rolls[0] && !rolls[2]) break;
    ++seed;
  }
  visit(castle, tapOn(Dealer) + tapOn(Dealer) + tapOn(Cellar));
  EXPECT_EQ(shop.params, once(0));
  EXPECT_EQ(cellar.params, once(0));  // the second dealer tap opened nothing in between
}

TEST_F(CastleScreenTest, TheDealerComesOnNineVisitsInFiftyAndShowsHisPicture) {
  CastleScreen castle;
  const int visits = 500;
  std::vector<bool> expected = dealerRolls(77, visits);
  int present = 0;
  std::vector<uint16_t> frame(kScreenPixels);
  for (int i = 0; i < visits; ++i) {
    castle.visible(i % 2 == 0, 0);
    ASSERT_EQ(castle.traderPresent(), expected[size_t(i)]) << "visit " << i;
    present += castle.traderPresent();
    castle.draw(frame.data());
    EXPECT_EQ(castletest::pixelAt(frame.data(), 295, 215), castle.traderPresent() ? kDealerOn : kDealerOff);
    EXPECT_EQ(castle.animationFrame(), 0);
  }
  EXPECT_GT(present, visits * 9 / 50 - 30);
  EXPECT_LT(present, visits * 9 / 50 + 30);
}

TEST_F(CastleScreenTest, TheHiddenCornerAddsAHundredCrystalsToTheCurrentRulerOnEveryTap) {
  PlayerManager& players = PlayerManager::instance();
  players.setCurrentPlayer(1);
  int32_t before0 = players.player(0)->money;
  int32_t before1 = players.player(1)->money;
  CastleScreen castle;
  visit(castle, tapOn(Crystals) + tapOn(Crystals) + tapOn(Crystals) + kTapNowhere);
  EXPECT_EQ(players.player(1)->money, before1 + 300);
  EXPECT_EQ(players.player(0)->money, before0);

  // The purse stops at its largest value rather than overflowing.
  players.player(1)->money = INT32_MAX - 50;
  visit(castle, tapOn(Crystals));
  EXPECT_EQ(players.player(1)->money, INT32_MAX);
}

TEST_F(CastleScreenTest, ARoomThatIsNotThereLeavesTheCastleRunning) {
  ScreenManager::instance().clear();
  CastleScreen castle;
  int32_t before = PlayerManager::instance().currentPlayer().money;
  visit(castle, tapOn(Fight) + tapOn(Hatchery) + tapOn(Crystals));
  EXPECT_EQ(PlayerManager::instance().currentPlayer().money, before + 100);
}

TEST_F(CastleScreenTest, TheAnimationStepsOneFrameAPassAndStartsAgainAfterARoom) {
  ScreenManager::instance().clear();
  RoomRecorder slowRoom("INFO", 5000);
  ScreenManager::instance().addScreen(String("INFO"), &slowRoom);
  WatchedCastle castle;
  visit(castle, "wait 3000\n" + tapOn(Info));
  ASSERT_EQ(slowRoom.params, once(0));
  const std::vector<int>& frames = castle.framesDrawn;
  ASSERT_GT(frames.size(), 60u);
  bool wrapped = false, restarted = false;
  for (size_t i = 1; i < frames.size(); ++i) {
    int step = frames[i] - frames[i - 1];
    if (frames[i - 1] == 29 && frames[i] == 0) wrapped = true;
    else if (frames[i] == 0 && step < 0) restarted = true;  // the castle was shown again
    else EXPECT_TRUE(step == 0 || step == 1) << "from " << frames[i - 1] << " to " << frames[i];
  }
  EXPECT_TRUE(wrapped);   // 3 s at 80 ms a frame pass frame 29
  EXPECT_TRUE(restarted);
}

}  // namespace
