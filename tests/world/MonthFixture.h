// A small land of six villages of one race (so the month starts no wars of its own), three
// human rulers with four dragons each, and announcement screens that record what they are
// shown: the stage for the month's rules.
#pragma once

#include "app/TestApp.h"
#include "players/Draws.h"
#include "players/PlayerManager.h"
#include "world/CountryManager.h"
#include "world/LandText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace monthtest {

using draws::draws;
using draws::seedWhere;
using landtext::villageXml;

// A land with twelve dragon names, Wyrm0 to Wyrm11: one for each of the rulers' dragons.
inline std::string land(const std::string& villages) {
  std::vector<std::string> dragons;
  for (int i = 0; i < 12; ++i) dragons.push_back("Wyrm" + std::to_string(i));
  return landtext::landXml(villages, dragons);
}

// What the announcement screens were shown, as "NAME:text", in order.
inline std::vector<std::string>& shown() {
  static std::vector<std::string> journal;
  return journal;
}

class Announcement : public Screen {
public:
  explicit Announcement(std::string name) : name_(std::move(name)) {}
  void getName(String& out) override { out = name_.c_str(); }
  void visible(bool on, ScreenParam param) override {
    if (on && param != -1) shown().push_back(name_ + ":" + reinterpret_cast<const String*>(param)->c_str());
  }
  // Dismissed at once, drawn black.
  void run(String& next) override { next = String(); }
  void draw(uint16_t* target) override { std::fill(target, target + kScreenPixels, uint16_t(0)); }

private:
  std::string name_;
};

// Village k stands on cell kCells[k].
inline constexpr int kVillageCells[6] = {0, 4, 29, 42, 66, 299};

class MonthTest : public ::testing::Test {
protected:
  void SetUp() override {
    shown().clear();
    seedRandom(1);
    const std::string text =
        land(villageXml("Millbrook", "Fenfolk", "1,1") + villageXml("Tarnby", "Fenfolk", "5,1") +
             villageXml("Cold Ford", "Fenfolk", "10,2") + villageXml("Ashby", "Fenfolk", "3,3") +
             villageXml("Brill", "Fenfolk", "7,4") + villageXml("Dunmore", "Fenfolk", "20,15"));
    country = &CountryManager::install(CountryManager::fromXml(text.data(), text.size()));
    ASSERT_EQ(country->failure().length(), 0);
    // Every village calm and ruled by Harvek at 20 %: it pays 2 and draws nothing.
    for (int i = 0; i < CountryManager::kCells; ++i) country->cell(i).talisman = 0;
    for (int i = 0; i < country->villageCount(); ++i) {
      Village& v = country->village(i);
      v.owner = 0;
      v.tax = 20;
      v.revolt = 0;
      v.fightsAgainst = -1;
      v.fightMonths = 0;
    }
    Dragon::resetNames();
    PlayerManager::startGame({HumanPlayer, HumanPlayer, HumanPlayer});
    for (int p = 0; p < 3; ++p) {
      Player& ruler = player(p);
      while (ruler.dragonCount() < 4) addDragon(p);
      for (int d = 0; d < 4; ++d) setHealth(p, d, 50);
      ruler.money = 100;
    }
    for (Announcement* screen : {&action, &died, &win}) {
      String name;
      screen->getName(name);
      ScreenManager::instance().addScreen(name, screen);
    }
  }
  void TearDown() override {
    PlayerManager::destroy();
    CountryManager::destroy();
  }

  Player& player(int p) { return *PlayerManager::instance().player(p); }
  Dragon& dragon(int p, int d) { return *player(p).dragon(d); }
  std::string name(int p, int d) { return dragon(p, d).name.c_str(); }
  // Every attribute of the dragon set to `value`.
  void setHealth(int p, int d, int value) {
    for (int32_t& a : dragon(p, d).attributes) a = value;
  }
  // A new dragon of health 50 at the end of the player's list.
  void addDragon(int p) {
    Dragon fresh{String()};
    for (int32_t& a : fresh.attributes) a = 50;
    player(p).addDragon(fresh);
  }
  Village& village(int k) { return country->village(k); }
  MapCell& cellOf(int k) { return country->cell(kVillageCells[k]); }
  void guard(int k, int p, int d) {
    cellOf(k).guardOwner = p;
    cellOf(k).guardDragon = d;
    dragon(p, d).atHome = false;
  }
  void order(MapCell& cell, int p, int d, int task) { cell.orders[p] = {d, task, 34}; }

  // The month, with its report as plain strings.
  std::vector<std::string> month() {
    std::vector<std::string> lines;
    for (const String& line : country->processMonth(nullptr)) lines.push_back(line.c_str());
    return lines;
  }
  static bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  TestRig rig;
  CountryManager* country = nullptr;
  Announcement action{"ACTION"}, died{"DRAGONDIED"}, win{"WINSCREEN"};
};

}  // namespace monthtest
