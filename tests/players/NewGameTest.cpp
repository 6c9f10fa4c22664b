#include "app/StateDump.h"
#include "core/Random.h"
#include "players/CharacterChoice.h"
#include "players/PlayerManager.h"
#include "world/CountryManager.h"
#include "world/LandText.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace {

using Chosen = std::array<bool, kCharacters>;

TEST(CharacterChoiceTest, EachTapAreaIncludesItsEdges) {
  const Chosen none{};
  // Every corner of every area, and the first pixel past it on each side.
  for (int i = 0; i < kCharacters; ++i) {
    const CharacterPlace& p = kCharacterPlaces[size_t(i)];
    const int right = p.x + p.width, bottom = p.y + p.height;
    EXPECT_EQ(characterAt(p.x, p.y, none), i);
    EXPECT_EQ(characterAt(right, p.y, none), i);
    EXPECT_EQ(characterAt(p.x, bottom, none), i);
    EXPECT_EQ(characterAt(right, bottom, none), i);
    EXPECT_EQ(characterAt(p.x - 1, p.y, none), -1) << i;
    EXPECT_EQ(characterAt(right + 1, bottom, none), -1) << i;
    EXPECT_EQ(characterAt(p.x, p.y - 1, none), -1) << i;
    EXPECT_EQ(characterAt(right, bottom + 1, none), -1) << i;
  }
  EXPECT_EQ(characterAt(110, 129, none), 0);  // character 0's lower right corner
  EXPECT_EQ(characterAt(111, 129, none), -1);
  EXPECT_EQ(characterAt(150, 136, none), 1);
  EXPECT_EQ(characterAt(264, 129, none), 2);
  EXPECT_EQ(characterAt(0, 0, none), -1);
}

TEST(CharacterChoiceTest, AChosenCharacterCanNotBeChosenAgain) {
  EXPECT_EQ(characterAt(110, 129, {true, false, false}), -1);
  EXPECT_EQ(characterAt(150, 80, {true, false, false}), 1);
  EXPECT_EQ(characterAt(150, 80, {false, true, false}), -1);
  EXPECT_EQ(characterAt(200, 50, {true, true, false}), 2);
  for (int x = 0; x < 320; x += 7)
    for (int y = 0; y < 240; y += 7) EXPECT_EQ(characterAt(x, y, {true, true, true}), -1) << x << "," << y;
}

// Three villages of one race and a list of four dragon names.
const std::string kLand = landtext::landXml(
    landtext::villageXml("Millbrook", "Fenfolk", "3,4") + landtext::villageXml("Tarnby", "Fenfolk", "10,5", 900) +
        landtext::villageXml("Cold Ford", "Fenfolk", "18,13", 700),
    {"Ashwing", "Mistclaw", "Old Ember", "Thorn"});

class PlayerStateTest : public ::testing::Test {
protected:
  void SetUp() override {
    seedRandom(7);
    Dragon::resetNames();
    CountryManager::install(CountryManager::fromXml(kLand.data(), kLand.size()));
    ASSERT_EQ(CountryManager::instance().failure().length(), 0) << CountryManager::instance().failure().c_str();
    PlayerManager::startGame({HumanPlayer, ComputerPlayer, HumanPlayer});
  }
  void TearDown() override {
    PlayerManager::destroy();
    CountryManager::destroy();
    Dragon::resetNames();
  }
  static int numbers(const std::string& text, int low, int high) {
    std::istringstream in(text);
    int count = 0;
    for (int n; in >> n; ++count) {
      EXPECT_GE(n, low) << text;
      EXPECT_LE(n, high) << text;
    }
    return count;
  }
};

// The values themselves are the players' rules; here each is shown, on its own line.
TEST_F(PlayerStateTest, ANewGameShowsEveryPlayersStart) {
  auto state = stateValues();
  EXPECT_EQ(state["player.current"], "0");
  EXPECT_EQ(state["player.0.name"], "Harvek");
  EXPECT_EQ(state["player.2.name"], "Sivrane");
  EXPECT_EQ(state["player.0.type"], "256");
  EXPECT_EQ(state["player.1.type"], "1");
  EXPECT_EQ(state["player.2.money"], "109");
  EXPECT_EQ(state["player.2.poorMonths"], "0");
  EXPECT_EQ(state["player.2.eggs"], "20");
  EXPECT_EQ(state["player.2.hatched"], "0");
  EXPECT_EQ(state["player.2.incubator.3"], "0 0 0 0");
  EXPECT_EQ(state.count("player.2.incubator.4"), 0u);
  EXPECT_EQ(state["player.2.dragons"], "1");
  EXPECT_EQ(numbers(state["player.2.dragon.0.attributes"], 35, 54), 6);
  EXPECT_EQ(numbers(state["player.2.dragon.0.lifespan"], 40, 49), 1);
  EXPECT_EQ(state.count("player.2.dragon.1.name"), 0u);
  // Each first dragon took the next name of the land's list.
  EXPECT_EQ(state["player.0.dragon.0.name"], "Ashwing");
  EXPECT_EQ(state["player.1.dragon.0.name"], "Mistclaw");
  EXPECT_EQ(state["player.2.dragon.0.name"], "Old Ember");
  EXPECT_EQ(state["dragon.nameCounter"], "3");
}

TEST_F(PlayerStateTest, FollowsTheGameAndKeepsEachValueOnOneLine) {
  PlayerManager& manager = PlayerManager::instance();
  manager.setCurrentPlayer(2);
  Player& player = *manager.player(1);
  player.name = "Orlenna\nthe Grey";
  player.addItem(12, 3);
  player.delItem(0, 1);
  player.layEgg(2);
  player.accounts[AccountTaxes] = -17;
  Dragon second(String("ignored"));
  second.atHome = false;
  second.age = 7;
  ASSERT_TRUE(player.addDragon(second));

  const std::string dump = dumpState();
  auto state = stateValues();
  EXPECT_EQ(state["player.current"], "2");
  EXPECT_EQ(state["player.1.name"], "Orlenna the Grey");
  EXPECT_EQ(dump.find("\nthe Grey"), std::string::npos);
  EXPECT_EQ(state["player.1.items"], "1:2 2:3 3:4 4:5 5:6 6:7 12:3");
  EXPECT_EQ(state["player.1.incubator.2"], "1 50 0 0");
  EXPECT_EQ(state["player.1.accounts"], "0 0 0 0 0 0 -17 0");
  EXPECT_EQ(state["player.1.dragons"], "2");
  EXPECT_EQ(state["player.1.dragon.1.name"], "Thorn");
  EXPECT_EQ(state["player.1.dragon.1.attributes"], "0 0 0 0 0 0");
  EXPECT_EQ(state["player.1.dragon.1.age"], "7");
  EXPECT_EQ(state["player.1.dragon.1.atHome"], "0");
  EXPECT_EQ(state["player.0.items"], "0:1 1:2 2:3 3:4 4:5 5:6 6:7");  // only player 1 changed
  EXPECT_EQ(state["dragon.nameCounter"], "0");                       // the list of four wrapped
}

TEST_F(PlayerStateTest, WithoutAManagerOnlyTheNameCounterIsShown) {
  PlayerManager::destroy();
  auto state = stateValues();
  EXPECT_EQ(state.count("player.current"), 0u);
  EXPECT_EQ(state.count("player.0.name"), 0u);
  EXPECT_EQ(state["dragon.nameCounter"], "3");
  // A new game shows its players again.
  PlayerManager::startGame({ComputerPlayer, ComputerPlayer, HumanPlayer});
  EXPECT_EQ(stateValues()["player.0.type"], "1");
}

}  // namespace
