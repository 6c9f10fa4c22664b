// The round screen: castle visits from the portraits, the end of a round with its
// reminders, the engine and the hatched eggs, the hourglass, saving and loading through the
// slot dialogs, and quitting; the screens it opens are recorders.
#include "support/ScreenTest.h"

#include "app/StateDump.h"
#include "core/Random.h"
#include "players/Savegame.h"
#include "screens/RoundScreen.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

namespace {

using namespace screentest;
using Journal = std::vector<std::string>;

// Taps, each after the screen or dialog before it has settled.
std::string tap(int x, int y) { return screentest::tap(x, y, 200); }
const std::string kHourglass = tap(160, 215);
const std::string kDismiss = tap(260, 170);  // closes a message; on the round screen nothing
const std::string kSave = tap(250, 200);
const std::string kLoad = tap(280, 200);
std::string slot(int k) { return tap(91 + 65 * k, 47); }
const std::string kQuit = tap(310, 230) + tap(120, 47);  // "Yes"
const std::string kQuitNo = tap(310, 230) + tap(185, 47);
const std::string kCantLoad = "Unable to load savegame !";

platform::HeadlessOptions millisecondFrames() {
  platform::HeadlessOptions options;
  options.fps = 1000;
  return options;
}

class RoundScreenTest : public ScreenTest {
protected:
  explicit RoundScreenTest(const Entries& pictures = {}) : ScreenTest(pictures, millisecondFrames()) {
    seedRandom(5);
    for (RecordingScreen* screen : {&castle, &settings, &engine, &eggInfo}) screen->journal = &opened;
    castle.onOpen = [this] { opened.back() += "/player" + std::to_string(PlayerManager::instance().current()); };
  }
  ~RoundScreenTest() override { rig.app.restartRequested = false; }

  // A new game of these rulers and the screen, made after the archive as at start-up.
  void startGame(const std::array<int, 3>& types) {
    PlayerManager::startGame(types);
    CountryManager::instance();
    round = std::make_unique<RoundScreen>();
  }
  // Shows the screen as the screen loop does and plays the script on it to its end.
  std::string play(const std::string& text) { return visit(*round, text); }
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const String& text : round->messagesShown()) out.push_back(text.c_str());
    return out;
  }
  std::string reminder(int i) {
    return "Player " + std::string(player(i).name.c_str()) + " has not\ndone his move until now.";
  }
  std::string slotFile(int k) const { return folder + "/slot" + std::to_string(k) + ".sve"; }
  // The game's state, without what the application and the clock add to it.
  static std::map<std::string, std::string> gameState() {
    auto values = stateValues();
    std::erase_if(values, [](const auto& entry) {
      return entry.first.rfind("app.", 0) == 0 || entry.first == "tick" || entry.first == "screen";
    });
    return values;
  }

  Journal opened;  // what the recorders were asked to show, in order
  RecordingScreen castle{"CASTLE"}, settings{"SETTINGS"}, engine{"ENGINE"}, eggInfo{"EGGINFO"};
  std::unique_ptr<RoundScreen> round;
};

// The frames in colours of their own over a black hall.
constexpr uint16_t kFrameColours[3] = {0xF800, 0x07E0, 0x001F};
class RoundFramesTest : public RoundScreenTest {
protected:
  RoundFramesTest()
      : RoundScreenTest({{"gfx\\choose\\g0.gif", plainGif(116, 117, kFrameColours[0])},
                         {"gfx\\choose\\g1.gif", plainGif(114, 114, kFrameColours[1])},
                         {"gfx\\choose\\g2.gif", plainGif(110, 111, kFrameColours[2])},
                         {"gfx\\choose\\bgn.jpg", writeJpeg(zoneImage({}))}}) {}
};

TEST_F(RoundFramesTest, FramesMarkTheHumansAndTheDateLineNamesTheRound) {
  startGame({HumanPlayer, ComputerPlayer, HumanPlayer});
  round->visible(true, 0);
  round->draw(framebuffer());
  // Points only the frames cover.
  EXPECT_EQ(pixel(5, 45), kFrameColours[0]);
  EXPECT_NE(pixel(104, 185), kFrameColours[1]);
  EXPECT_EQ(pixel(310, 45), kFrameColours[2]);

  // The date line is the only ink above the frames: exactly the line the land's names and
  // the round make.
  auto dateInk = [](const uint16_t* picture) {
    std::vector<int> ink;
    for (int x = 0; x < kScreenWidth; ++x)
      for (int y = 0; y < 39; ++y)
        if (picture[x * kScreenHeight + kScreenHeight - 1 - y] == testcontent::kGlyphInk)
          ink.push_back(x * 1000 + y);
    return ink;
  };
  const CountryManager& land = CountryManager::instance();
  auto expected = [&](int year) {
    std::vector<uint16_t> reference(kScreenPixels, 0);
    String line = String::format("Land of %s, %s %d", land.areaName().c_str(), land.timeName().c_str(), year);
    FontManager::instance().drawText(0, 0, 29, line, reference.data(), AlignCentre);
    return dateInk(reference.data());
  };
  ASSERT_FALSE(expected(2045).empty());
  EXPECT_EQ(dateInk(framebuffer()), expected(2045));
  EXPECT_EQ(play(kHourglass + kDismiss + kDismiss + kQuit), "");
  round->draw(framebuffer());
  EXPECT_EQ(dateInk(framebuffer()), expected(2046));
  EXPECT_NE(expected(2045), expected(2046));
}

TEST_F(RoundScreenTest, APortraitOpensTheCastleOfItsHumanRulerOnly) {
  startGame({ComputerPlayer, HumanPlayer, HumanPlayer});
  // The computer's portrait alone; where it overlaps player 1's; player 2's lower right
  // corner; just beside it and the quit button. "No" keeps the screen running.
  EXPECT_EQ(play(tap(50, 100) + tap(110, 100) + kQuitNo + tap(316, 152) + tap(317, 152) + tap(312, 222) + kQuit),
            "");
  EXPECT_EQ(opened, (Journal{"CASTLE:0/player1", "CASTLE:0/player2"}));
  EXPECT_FALSE(round->visited(0));
  EXPECT_TRUE(round->visited(1));
  EXPECT_TRUE(round->visited(2));
  EXPECT_EQ(round->roundNumber(), RoundScreen::kFirstRound);
  EXPECT_FALSE(rig.app.restartRequested);  // quitting ends the program, not the game
  EXPECT_TRUE(messages().empty());
}

TEST_F(RoundScreenTest, WhereHumansPortraitsOverlapTheFirstWins) {
  startGame({HumanPlayer, HumanPlayer, HumanPlayer});
  EXPECT_EQ(play(tap(115, 155) + tap(102, 75) + tap(216, 100) + tap(215, 188) + tap(101, 188) + kQuit), "");
  EXPECT_EQ(opened, (Journal{"CASTLE:0/player0", "CASTLE:0/player0", "CASTLE:0/player2", "CASTLE:0/player1"}));
}

TEST_F(RoundScreenTest, TheBottomRowOpensSettingsAndEndsRoundsWithinItsEdges) {
  startGame({ComputerPlayer, ComputerPlayer, ComputerPlayer});
  // Settings at its corner and just beside; the hourglass at its edges and just beside.
  EXPECT_EQ(play(tap(29, 210) + tap(30, 239) + tap(131, 187) + tap(192, 239) + tap(130, 239) + tap(193, 200) +
                 tap(160, 186) + kQuit),
            "");
  EXPECT_EQ(opened, (Journal{"SETTINGS:0", "ENGINE:0", "ENGINE:0"}));
  EXPECT_EQ(round->roundNumber(), RoundScreen::kFirstRound + 2);
  EXPECT_TRUE(messages().empty());
}

TEST_F(RoundScreenTest, EndingARoundRemindsEachIdleHumanThenRunsTheEngine) {
  startGame({HumanPlayer, ComputerPlayer, HumanPlayer});
  size_t messagesBeforeEngine = 99;
  engine.onOpen = [&] { messagesBeforeEngine = round->messagesShown().size(); };
  EXPECT_EQ(play(kHourglass + kDismiss + kDismiss + kQuit), "");
  EXPECT_EQ(messages(), (Journal{reminder(0), reminder(2)}));
  EXPECT_EQ(messagesBeforeEngine, 2u);
  EXPECT_EQ(opened, Journal{"ENGINE:0"});
  EXPECT_EQ(round->roundNumber(), RoundScreen::kFirstRound + 1);
  EXPECT_EQ(stateValues()["round"], std::to_string(RoundScreen::kFirstRound + 1));

  // Next round player 0 gives his orders: only player 2 is reminded, and the marks are
  // cleared when the round has ended.
  opened.clear();
  EXPECT_EQ(play(tap(50, 100) + kHourglass + kDismiss + kQuit), "");
  EXPECT_EQ(messages(), Journal{reminder(2)});
  EXPECT_EQ(opened, (Journal{"CASTLE:0/player0", "ENGINE:0"}));
  EXPECT_FALSE(round->visited(0));
  EXPECT_EQ(round->roundNumber(), RoundScreen::kFirstRound + 2);
}

TEST_F(RoundScreenTest, EveryPlayerWhoseEggHatchedSeesItAfterTheEngine) {
  startGame({ComputerPlayer, ComputerPlayer, HumanPlayer});
  engine.onOpen = [&] {
    player(0).hatchedThisMonth = true;
    player(2).hatchedThisMonth = true;
  };
  EXPECT_EQ(play(tap(250, 60) + kHourglass + kQuit), "");
  EXPECT_EQ(opened, (Journal{"CASTLE:0/player2", "ENGINE:0", "EGGINFO:0", "EGGINFO:2"}));
  EXPECT_EQ(round->roundNumber(), RoundScreen::kFirstRound + 1);
}

TEST_F(RoundScreenTest, AGameEndedByTheEngineEndsTheScreenWithoutCountingTheRound) {
  startGame({HumanPlayer, ComputerPlayer, ComputerPlayer});
  engine.onOpen = [&] {
    player(0).hatchedThisMonth = true;
    rig.app.restartRequested = true;
  };
  // No quit: the screen ends by itself.
  EXPECT_EQ(play(tap(50, 100) + kHourglass), "");
  EXPECT_EQ(opened, (Journal{"CASTLE:0/player0", "ENGINE:0"}));
  EXPECT_EQ(round->roundNumber(), RoundScreen::kFirstRound);
  EXPECT_TRUE(round->visited(0));
  EXPECT_TRUE(rig.app.restartRequested);

  // The next game's round screen runs again and carries on counting from there.
  rig.app.restartRequested = false;
  engine.onOpen = nullptr;
  EXPECT_EQ(play(kHourglass + kQuit), "");
  EXPECT_EQ(round->roundNumber(), RoundScreen::kFirstRound + 1);
}

TEST_F(RoundScreenTest, TheHourglassTurnsAFrameEverySeventyMillisecondsAndWraps) {
  startGame({ComputerPlayer, ComputerPlayer, ComputerPlayer});
  int frame = -1;
  uint32_t shownFor = 0;
  const uint32_t started = now();
  engine.onOpen = [&] {
    frame = round->animationFrame();
    shownFor = now() - started;
  };
  EXPECT_EQ(play("wait 1300\ntap 160 215\n" + kQuit), "");
  ASSERT_GE(shownFor, 1300u);
  // Past one whole turn of 15 frames; a frame may end a tick late.
  const int lateTurns = int(shownFor / (RoundScreen::kHourglassFrameMs + 1));
  const int turns = int(shownFor / RoundScreen::kHourglassFrameMs);
  EXPECT_GE(frame, lateTurns % RoundScreen::kHourglassFrames);
  EXPECT_LE(frame, turns % RoundScreen::kHourglassFrames);
  EXPECT_LT(frame, 5);  // wrapped
}

TEST_F(RoundScreenTest, ASavedGameLoadsBackAndKeepsThisRoundsVisits) {
  startGame({HumanPlayer, ComputerPlayer, ComputerPlayer});
  const int32_t money = player(0).money;
  const auto saved = gameState();
  engine.onOpen = [&] { player(0).money += 100; };
  // Save into the first slot; a round passes; player 0 visits his castle; load it back.
  EXPECT_EQ(play(kSave + slot(0) + kHourglass + kDismiss + tap(50, 100) + kLoad + slot(0) + kQuit), "");
  EXPECT_EQ(messages(), Journal{reminder(0)});  // saving and loading said nothing
  EXPECT_EQ(round->roundNumber(), RoundScreen::kFirstRound);
  EXPECT_EQ(player(0).money, money);
  EXPECT_EQ(gameState(), saved);
  EXPECT_TRUE(round->visited(0));

  std::ifstream file(slotFile(0), std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 19208u);
  int32_t head[2];
  std::memcpy(head, bytes.data(), sizeof head);
  EXPECT_EQ(head[0], kSavegameMagic);
  EXPECT_EQ(head[1], RoundScreen::kFirstRound);
  EXPECT_FALSE(std::filesystem::exists(slotFile(1)));
  EXPECT_FALSE(std::filesystem::exists(slotFile(2)));
}

TEST_F(RoundScreenTest, TheSlotRowEndsWithTheThirdSlotsLastPixel) {
  startGame({HumanPlayer, ComputerPlayer, ComputerPlayer});
  // Three 60-pixel buttons from x 61, 65 apart: x 256 lies past the third slot's gap and
  // chooses nothing; the dialog waits on, and x 255 is still the third slot.
  EXPECT_EQ(play(kSave + tap(256, 47) + tap(256, 36) + tap(255, 47) + kQuit), "");
  EXPECT_EQ(messages(), Journal{});
  EXPECT_FALSE(std::filesystem::exists(slotFile(0)));
  EXPECT_FALSE(std::filesystem::exists(slotFile(1)));
  EXPECT_TRUE(std::filesystem::exists(slotFile(2)));
}

TEST_F(RoundScreenTest, AShortForeignOrMissingSlotIsRefusedAndChangesNothing) {
  startGame({ComputerPlayer, ComputerPlayer, ComputerPlayer});
  // Slot 1: a real savegame of another version; slot 2: the right word but 999 bytes;
  // slot 3: no file.
  ASSERT_TRUE(saveGame(savegameName(0), 1999));
  std::vector<char> bytes;
  {
    std::ifstream file(slotFile(0), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  bytes[0] = 0x13;
  std::ofstream(slotFile(0), std::ios::binary).write(bytes.data(), long(bytes.size()));
  bytes[0] = 0x12;
  std::ofstream(slotFile(1), std::ios::binary).write(bytes.data(), 999);

  for (int i = 0; i < 3; ++i) player(i).money = 7 + i;
  const auto before = gameState();
  EXPECT_EQ(play(kHourglass + kLoad + slot(0) + kDismiss + kLoad + slot(1) + kDismiss + kLoad + slot(2) + kDismiss +
                 kQuit),
            "");
  EXPECT_EQ(messages(), (Journal{"Wrong savegame version !", kCantLoad, kCantLoad}));
  EXPECT_EQ(round->roundNumber(), RoundScreen::kFirstRound + 1);
  auto after = gameState();
  EXPECT_EQ(after["round"], std::to_string(RoundScreen::kFirstRound + 1));
  after["round"] = before.at("round");
  EXPECT_EQ(after, before);
}

TEST_F(RoundScreenTest, ASaveThatCannotBeWrittenIsReported) {
  startGame({ComputerPlayer, ComputerPlayer, ComputerPlayer});
  std::filesystem::create_directories(slotFile(2) + "/in-the-way");
  EXPECT_EQ(play(kSave + slot(2) + kDismiss + kSave + slot(1) + kQuit), "");
  EXPECT_EQ(messages(), Journal{"Unable to save game !"});
  EXPECT_TRUE(std::filesystem::is_directory(slotFile(2)));
  EXPECT_TRUE(std::filesystem::is_regular_file(slotFile(1)));
}

}  // namespace
