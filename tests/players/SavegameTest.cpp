#include "core/Random.h"
#include "platform/Files.h"
#include "players/SavegameBytes.h"
#include "res/SavegameReader.h"
#include "res/SavegameWriter.h"
#include "world/CountryManager.h"
#include "world/LandText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using namespace savebytes;

// The writer's encoding is pinned by the player record's bytes; the reader never reads
// past the end, and a failure sticks.
TEST(SavegameEncodingTest, ReadsNeverPassTheEndAndAFailureSticks) {
  SavegameReader cut(Bytes{1, 2, 3});
  int32_t value = 7;
  cut.readInt(value);
  EXPECT_TRUE(cut.failed());
  EXPECT_EQ(value, 0);
  // A string longer than the bytes left, of negative length, holding a zero byte.
  for (const Bytes& bytes : {text(9, "abcd"), text(-1, "abcd"), text(3, std::string("a\0b", 3))}) {
    SavegameReader in(bytes + le({9}));
    String name("x");
    in.readString(name);
    EXPECT_TRUE(in.failed());
    EXPECT_STREQ(name.c_str(), "");
    in.readInt(value);  // bytes are left, but a failed reader reads nothing more
    EXPECT_EQ(value, 0);
  }
}

TEST(SavegameFileTest, StoresBesideTheProgramAndNeverWritesPastItsBuffer) {
  const fs::path folder = fs::path(::testing::TempDir()) / ("savegame-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  platform::setProgramPath((folder / "nupavane").string());

  SavegameWriter full("full.sve");
  for (size_t i = 0; i < SavegameWriter::kCapacity / 4; ++i) full.writeInt(int32_t(i));
  EXPECT_EQ(full.used(), SavegameWriter::kCapacity);
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(full.store());  // exactly full: warned about, but whole
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "SavegameWriter::store(): WARNING: used buffer (102400) larger than allocated buffer (102400) !\n");
  SavegameReader stored("full.sve");
  EXPECT_EQ(stored.size(), SavegameWriter::kCapacity);
  int32_t last = 0;
  for (size_t i = 0; i < SavegameWriter::kCapacity / 4; ++i) stored.readInt(last);
  EXPECT_EQ(last, int32_t(SavegameWriter::kCapacity / 4 - 1));
  full.writeInt(1);  // no room left
  EXPECT_EQ(full.used(), SavegameWriter::kCapacity);
  EXPECT_FALSE(SavegameReader("missing.sve").valid());

  SavegameWriter over("over.sve");
  for (size_t i = 0; i < SavegameWriter::kCapacity / 4 - 1; ++i) over.writeInt(0);
  over.writeString("abc").writeInt(9);  // 7 bytes do not fit into the last 4: left out whole, and all after
  EXPECT_EQ(over.used(), SavegameWriter::kCapacity - 4);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(over.store());  // a cut savegame would not load
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("used buffer (102407)"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "over.sve"));
  platform::setProgramPath("");
  fs::remove_all(folder);
}

// The land's part, inside a file as the game writes it: magic word, round, land.
constexpr int32_t kMagic = int32_t(0xDEAD0012);
constexpr size_t kVillages = 8 + 19200;  // the village count, then the villages

std::string village(const char* name, const char* race, const char* position) {
  return landtext::villageXml(name, race, position);
}

std::unique_ptr<CountryManager> land(const std::string& villages, const char* races = landtext::kTwoRaces) {
  const std::string text = landtext::landXml(villages, {}, races);
  auto country = CountryManager::fromXml(text.data(), text.size());
  EXPECT_EQ(country->failure().length(), 0) << country->failure().c_str();
  return country;
}

Bytes saveFile(const CountryManager& country) {
  SavegameWriter out("unused.sve");
  out.writeInt(kMagic).writeInt(7);
  country.saveState(out);
  return bytesOf(out);
}

bool loadFile(CountryManager& country, const Bytes& bytes) {
  SavegameReader in(bytes);
  int32_t magic = 0, round = 0;
  in.readInt(magic).readInt(round);
  return country.loadState(in);
}

// Where village k's name length lies, and where its field f (race 0 ... fightMonths 10) does.
size_t villageAt(const Bytes& bytes, int k) {
  size_t at = kVillages + 4;
  for (int i = 0; i < k; ++i) at += 8 + bytes[at + 4] + 44;
  return at;
}
size_t nameAt(const Bytes& bytes, int k) { return villageAt(bytes, k) + 4; }
size_t fieldAt(const Bytes& bytes, int k, int f) { return villageAt(bytes, k) + 8 + bytes[nameAt(bytes, k)] + 4 * size_t(f); }
size_t cellAt(int cell, int field) { return 8 + 64 * size_t(cell) + 4 * size_t(field); }

class LandSavegameTest : public ::testing::Test {
protected:
  void SetUp() override {
    seedRandom(5);
    played = land(village("Millbrook", "Fenfolk", "3,4") + village("Tarnby", "Reedkin", "10,5") +
                  village("Cold Ford", "Fenfolk", "18,13"));
    MapCell& millbrook = played->cell(2, 3);
    std::tie(millbrook.guardOwner, millbrook.guardDragon) = std::make_tuple(1, 2);
    millbrook.orders[2] = {0, TaskOccupy, 45};
    Village& v = played->village(0);
    std::tie(v.owner, v.revolt, v.tax, v.fightsAgainst, v.fightMonths) = std::make_tuple(1, 71, 30, 1, 2);
    std::tie(played->village(1).fightsAgainst, played->village(1).fightMonths) = std::make_tuple(0, 2);
    std::tie(played->village(2).fightsAgainst, played->village(2).fightMonths) = std::make_tuple(-1, 0);
    played->village(2).population = -20;  // spells may take a village below nothing

    seedRandom(9);
    other = land(village("Ashby", "Reedkin", "1,1") + village("Brill", "Fenfolk", "5,9") +
                 village("Cray", "Reedkin", "7,2") + village("Dunmore", "Fenfolk", "20,15"));
    other->cell(0, 0).orders[0] = {1, TaskAttack, 100};
  }
  std::unique_ptr<CountryManager> played, other;
};

TEST_F(LandSavegameTest, ALoadedLandSavesToTheSameBytes) {
  const Bytes file = saveFile(*played);
  ASSERT_TRUE(loadFile(*other, file));
  EXPECT_EQ(saveFile(*other), file);  // its four villages and its order replaced
}

TEST_F(LandSavegameTest, EveryDamagedValueIsRefusedAndTheLandUntouched) {
  const Bytes file = saveFile(*played);
  const Bytes before = saveFile(*other);
  const std::vector<std::pair<const char*, std::function<void(Bytes&)>>> damages = {
      {"huge village count", [](Bytes& b) { putInt(b, kVillages, 0x7fffffff); }},
      {"one village too many", [](Bytes& b) { putInt(b, kVillages, 4); }},
      {"too few villages for the talisman", [](Bytes& b) { putInt(b, kVillages, 2); }},
      {"race beyond the races", [](Bytes& b) { putInt(b, fieldAt(b, 1, 0), 2); }},
      {"no race", [](Bytes& b) { putInt(b, fieldAt(b, 0, 0), -1); }},
      {"column off the map", [](Bytes& b) { putInt(b, fieldAt(b, 2, 2), 20); }},
      {"row off the map", [](Bytes& b) { putInt(b, fieldAt(b, 2, 3), 15); }},
      {"name past the end", [](Bytes& b) { putInt(b, nameAt(b, 2), 0x7fffffff); }},
      {"negative name length", [](Bytes& b) { putInt(b, nameAt(b, 1), -4); }},
      {"zero byte in a name", [](Bytes& b) { b[nameAt(b, 0) + 6] = 0; }},
      {"owner 3", [](Bytes& b) { putInt(b, fieldAt(b, 0, 1), 3); }},
      {"revolt above 100", [](Bytes& b) { putInt(b, fieldAt(b, 0, 7), 101); }},
      {"war against itself", [](Bytes& b) { putInt(b, fieldAt(b, 2, 9), 2); }},
      {"village index out of order", [](Bytes& b) { putInt(b, villageAt(b, 1), 0); }},
      {"terrain 4", [](Bytes& b) { putInt(b, cellAt(5, 0), 4); }},
      {"guard owner 3", [](Bytes& b) { putInt(b, cellAt(62, 2), 3); }},
      {"guard without owner", [](Bytes& b) { putInt(b, cellAt(62, 2), -1); }},
      {"guard place too high", [](Bytes& b) { putInt(b, cellAt(62, 1), 0x7fffffff); }},
      {"cell names no village", [](Bytes& b) { putInt(b, cellAt(0, 5), 3); }},
      {"cell names a village elsewhere", [](Bytes& b) { putInt(b, cellAt(62, 5), 1); }},
      {"task 3", [](Bytes& b) { putInt(b, cellAt(62, 14), 3); }},
      {"effort 101", [](Bytes& b) { putInt(b, cellAt(62, 15), 101); }},
      {"war partner at peace", [](Bytes& b) { putInt(b, fieldAt(b, 1, 9), -1); }},
      {"war partner fighting another", [](Bytes& b) { putInt(b, fieldAt(b, 2, 9), 0); }},
      {"war of one race", [](Bytes& b) { putInt(b, fieldAt(b, 1, 0), 0); }},
      {"talisman part taken away", [](Bytes& b) { putInt(b, cellAt(62, 6), 0); }},
      {"talisman part off the villages", [](Bytes& b) { putInt(b, cellAt(0, 6), 1); }},
      {"talisman part of 2", [](Bytes& b) { putInt(b, cellAt(62, 6), 2); }},
  };
  ::testing::internal::CaptureStderr();
  for (const auto& [what, damage] : damages) {
    Bytes bytes = file;
    damage(bytes);
    EXPECT_FALSE(loadFile(*other, bytes)) << what;
    EXPECT_TRUE(saveFile(*other) == before) << what;
  }
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("CountryManager::loadState(): ERROR: village 1 is damaged !\n"), std::string::npos);
  EXPECT_NE(said.find("CountryManager::loadState(): ERROR: cell 62 is damaged !\n"), std::string::npos);
  EXPECT_NE(said.find("ERROR: the war of village 0 is damaged !\n"), std::string::npos);
  EXPECT_NE(said.find("ERROR: the war of village 2 is damaged !\n"), std::string::npos);
  EXPECT_NE(said.find("ERROR: the talisman has 2 parts !\n"), std::string::npos);
  EXPECT_NE(said.find("ERROR: cell 0 holds a part of the talisman but no village !\n"), std::string::npos);
}

// The land file and the savegame take the same numbers: a village at the bound is read,
// saved and loaded back; one past it is refused where it is read.
TEST_F(LandSavegameTest, AVillageNumberTheLandFileTakesASavegameTakesToo) {
  const auto numbered = [](const char* population, const char* industry, const char* yeomanry) {
    return std::string("<village name=\"Edge\"><race>Fenfolk</race><position>4,4</position><population>") +
           population + "</population><industry>" + industry + "</industry><yeomanry>" + yeomanry +
           "</yeomanry></village>" + village("Brill", "Reedkin", "5,9") + village("Cray", "Reedkin", "7,2");
  };
  auto edge = land(numbered("100000000", "-100000000", "100000000"));
  ASSERT_EQ(edge->village(0).population, kMostVillageAmount);
  EXPECT_TRUE(loadFile(*other, saveFile(*edge)));
  EXPECT_EQ(other->village(0).industry, -kMostVillageAmount);

  const char* const beyond[][3] = {{"100000001", "0", "0"}, {"0", "-100000001", "0"}, {"0", "0", "3000000000"},
                                   {"4294967296", "0", "0"}};
  for (const auto& numbers : beyond) {
    const std::string text = landtext::landXml(numbered(numbers[0], numbers[1], numbers[2]));
    ::testing::internal::CaptureStderr();
    auto refused = CountryManager::fromXml(text.data(), text.size());
    ::testing::internal::GetCapturedStderr();
    EXPECT_STREQ(refused->failure().c_str(),
                 "CountryManager::loadCountry(): ERROR: village 'Edge' has a number beyond 100000000 either way !\n")
        << numbers[0] << " " << numbers[1] << " " << numbers[2];
  }
}

TEST_F(LandSavegameTest, VillageRacesAreCheckedAgainstTheRunningGame) {
  auto oneRace = land(village("A", "Fenfolk", "1,1") + village("B", "Fenfolk", "2,2") + village("C", "Fenfolk", "3,3"),
                      R"(<race name="Fenfolk" color="#4a6"/>)");
  const Bytes before = saveFile(*oneRace);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(loadFile(*oneRace, saveFile(*played)));  // Tarnby's people are Reedkin
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(saveFile(*oneRace), before);
}

}  // namespace
