#include "app/StateDump.h"
#include "core/Random.h"
#include "players/CharacterChoice.h"
#include "players/PlayerManager.h"
#include "world/CountryManager.h"

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

const char* const kLand =
    R"(<country><area name="Nevelholm"/><time name="Moon"/><money name_single="crystal" name_multi="crystals"/>)"
    R"(<player1 name="Harvek"/><player2 name="Orlenna"/><player3 name="Sivrane"/>)"
    R"(<dragon name="Ashwing"/><dragon name="Mistclaw"/><dragon name="Old Ember"/><dragon name="Thorn"/>)"
    R"(<race name="Fenfolk" color="#4a6"/>)"
    R"(<village name="Millbrook"><race>Fenfolk</race><position>3,4</position><population>500</population>)"
    R"(<industry>7</industry><yeomanry>9</yeomanry></village>)"
    R"(<village name="Tarnby"><race>Fenfolk</race><position>10,5</position><population>900</population>)"
    R"(<industry>7</industry><yeomanry>9</yeomanry></village>)"
    R"(<village name="Cold Ford"><race>Fenfolk</race><position>18,13</position><population>700</population>)"
    R"(<industry>7</industry><yeomanry>9</yeomanry></village></country>)";

class PlayerStateTest : public ::testing::Test {
protected:
  void SetUp() override {
    seedRandom(7);
    Dragon::resetNames();
    const std::string text = kLand;
    CountryManager::install(CountryManager::fromXml(text.data(), text.size()));
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

TEST_F(PlayerStateTest, ANewGameShowsEveryPlayersStart) {
  auto state = stateValues();
  EXPECT_EQ(state["player.current"], "0");
  EXPECT_EQ(state["player.0.name"], "Harvek");
  EXPECT_EQ(state["player.1.name"], "Orlenna");
  EXPECT_EQ(state["player.2.name"], "Sivrane");
  EXPECT_EQ(state["player.0.type"], "256");
  EXPECT_EQ(state["player.1.type"], "1");
  EXPECT_EQ(state["player.2.type"], "256");
  for (const std::string p : {"player.0", "player.1", "player.2"}) {
    EXPECT_EQ(state[p + ".money"], "109");
    EXPECT_EQ(state[p + ".poorMonths"], "0");
    EXPECT_EQ(state[p + ".eggs"], "20");
    EXPECT_EQ(state[p + ".hatched"], "0");
    EXPECT_EQ(state[p + ".items"], "0:1 1:2 2:3 3:4 4:5 5:6 6:7");
    EXPECT_EQ(state[p + ".accounts"], "0 0 0 0 0 0 0 0");
    for (int k = 0; k < 4; ++k) EXPECT_EQ(state[p + ".incubator." + std::to_string(k)], "0 0 0 0");
    EXPECT_EQ(state.count(p + ".incubator.4"), 0u);
    EXPECT_EQ(state[p + ".dragons"], "1");
    EXPECT_EQ(numbers(state[p + ".dragon.0.attributes"], 35, 54), 6);
    EXPECT_EQ(state[p + ".dragon.0.age"], "1");
    EXPECT_EQ(numbers(state[p + ".dragon.0.lifespan"], 40, 49), 1);
    EXPECT_EQ(state[p + ".dragon.0.atHome"], "1");
    EXPECT_EQ(state.count(p + ".dragon.1.name"), 0u);
  }
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
