// nupavane-monkey: writes a script of random play for the game (see the README's scripted
// play). A smart monkey: it answers the new-game questions, then plays episodes, each a
// way into some screen followed by random taps, drags, keys and waits: a visit to a
// castle room, the settings, saving and loading, the end of a round. Every few events it
// writes the state dump into the folder given, so the run can tell which screens it saw.
//
//   nupavane-monkey --events N --seed S --dumps FOLDER
//
// It never taps where the quit question has its "Yes" (the monkey would end the game
// long before its events are played) nor the settings' turn of the screen (its points
// would no longer land where it means them); everything else is fair game.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <utility>

namespace {

// Where the quit question's "Yes" lies (and a margin): no random point falls in it. Nor
// in the settings' turn of the screen, which would turn every point after it.
bool onQuitYes(int x, int y) { return x >= 88 && x <= 162 && y >= 28 && y <= 66; }
bool onTurn(int x, int y) { return x >= 250 && x <= 281 && y >= 83 && y <= 105; }

// The round screen: a portrait per ruler, the hourglass, settings, save and load.
constexpr int kPortraits[3][2] = {{57, 97}, {158, 131}, {261, 97}};
// The castle's strip of rooms at the bottom: fight, cellar, hatchery, mage, info, leave;
// the dealer's corner beside it.
constexpr int kRooms[] = {22, 67, 112, 157, 202};
constexpr int kCastleLeave[2] = {247, 215};
constexpr int kDealer[2] = {295, 215};
// A room's way back to the castle.
constexpr int kRoomExit[2] = {310, 230};
const char* const kKeys[] = {"up", "down", "left", "right", "a", "b", "c", "start"};

class Monkey {
public:
  Monkey(unsigned seed, long events, std::string dumps)
      : random_(seed), budget_(events), dumps_(std::move(dumps)) {}

  void play() {
    answerQuestions();
    line("until START 60000");
    dump();
    line("wait 100");
    tap(240, 200);
    line("until ROUND 60000");
    dump();
    // From here on a screen that shows no new frame for a minute is a hang.
    line("watchdog 60000");
    while (played_ < budget_) episode();
    dump();
  }

  long played() const { return played_; }

private:
  int below(int n) { return int(random_() % unsigned(n)); }
  int between(int low, int high) { return low + below(high - low + 1); }

  void line(const std::string& text) { std::printf("%s\n", text.c_str()); }
  // One event of the count; every tenth is followed by a state dump.
  void event(const std::string& text) {
    line(text);
    if (++played_ % 10 == 0) dump();
  }
  void dump() { line("state " + dumps_ + "/" + std::to_string(dumpCount_++) + ".txt"); }
  void wait(int ms) { event("wait " + std::to_string(ms)); }
  void tap(int x, int y) { event("tap " + std::to_string(x) + " " + std::to_string(y)); }
  void tapNear(int x, int y) { tap(std::clamp(x + between(-3, 3), 0, 319), std::clamp(y + between(-3, 3), 0, 239)); }

  void answerQuestions() {
    const int computers = below(3);
    line("wait 300");
    tap(93 + 65 * computers, 47);
    const int characters[3][2] = {{73, 87}, {150, 83}, {227, 83}};
    for (int human = 0; human < 3 - computers; ++human) {
      line("wait 300");
      tap(characters[human][0], characters[human][1]);
    }
  }

  void randomPoint(int& x, int& y) {
    do {
      x = below(320);
      y = below(240);
    } while (onQuitYes(x, y) || onTurn(x, y));
  }

  // One random event: mostly taps and short waits, some drags and keys.
  void randomEvent() {
    const int kind = below(100);
    int x, y;
    if (kind < 45) {
      randomPoint(x, y);
      tap(x, y);
      line("wait " + std::to_string(between(30, 300)));  // a tap the screen can see alone
    } else if (kind < 70) {
      wait(between(20, 700));
    } else if (kind < 82) {
      randomPoint(x, y);
      event("press " + std::to_string(x) + " " + std::to_string(y));
      for (int step = between(1, 5); step > 0; --step) {
        randomPoint(x, y);
        line("wait " + std::to_string(between(10, 200)));
        event("move " + std::to_string(x) + " " + std::to_string(y));
      }
      line("wait " + std::to_string(between(10, 300)));
      event("release");
    } else {
      const char* key = kKeys[below(8)];
      event(std::string("key ") + key + " down");
      line("wait " + std::to_string(between(10, 400)));
      event(std::string("key ") + key + " up");
    }
  }

  void randomEvents(int low, int high) {
    for (int n = between(low, high); n > 0 && played_ < budget_; --n) randomEvent();
  }

  // The episodes, each starting from the round screen when the one before left it there.
  void episode() {
    const int kind = below(100);
    if (kind < 55) visitRoom();
    else if (kind < 70) endRound();
    else if (kind < 78) settings();
    else if (kind < 86) saveOrLoad();
    else randomEvents(5, 25);
  }

  void openCastle() {
    const int* portrait = kPortraits[below(3)];
    line("wait 300");
    tapNear(portrait[0], portrait[1]);
    wait(1500);
  }
  void backToRound() {
    wait(800);
    tap(kRoomExit[0], kRoomExit[1]);
    wait(1200);
    tap(kCastleLeave[0], kCastleLeave[1]);
    wait(1200);
  }

  void visitRoom() {
    openCastle();
    if (below(6) == 0) tapNear(kDealer[0], kDealer[1]);
    else tapNear(kRooms[below(5)], 215);
    wait(1500);
    randomEvents(5, 40);
    backToRound();
  }

  // The hourglass, then the month and its report, dismissed by taps.
  void endRound() {
    line("wait 300");
    tapNear(160, 215);
    wait(3000);
    dump();
    for (int n = between(3, 8); n > 0; --n) {
      tap(160, 120);
      wait(between(300, 1500));
    }
  }

  // Random taps may leave a key mapping no one can confirm, or the screen waiting for a
  // direction key: a key ends the wait, then each direction's square is given its own key,
  // and the corner confirms the mapping.
  void settings() {
    line("wait 300");
    tap(10, 225);
    wait(1200);
    randomEvents(3, 15);
    pressKey("left");
    const int squares[4][2] = {{114, 136}, {267, 136}, {114, 177}, {267, 177}};
    const char* const keys[4] = {"left", "right", "up", "down"};
    for (int i = 0; i < 4; ++i) {
      wait(300);
      tap(squares[i][0], squares[i][1]);
      wait(300);
      pressKey(keys[i]);
    }
    wait(300);
    tap(291, 201);
    wait(1000);
  }

  void pressKey(const char* key) {
    event(std::string("key ") + key + " down");
    line("wait 100");
    event(std::string("key ") + key + " up");
  }

  // "Slot 1" to "Slot 3" of the save or the load question.
  void saveOrLoad() {
    line("wait 300");
    tap(below(2) ? 252 : 282, 215);
    wait(500);
    const int slots[3] = {70, 180, 223};
    tap(slots[below(3)], 47);
    wait(800);
  }

  std::mt19937 random_;
  long budget_;
  long played_ = 0;
  std::string dumps_;
  int dumpCount_ = 0;
};

int usage() {
  std::fputs("usage: nupavane-monkey --events N --seed S --dumps FOLDER\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  long events = -1, seed = -1;
  std::string dumps;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--events") == 0) events = std::atol(argv[i + 1]);
    else if (std::strcmp(argv[i], "--seed") == 0) seed = std::atol(argv[i + 1]);
    else if (std::strcmp(argv[i], "--dumps") == 0) dumps = argv[i + 1];
    else return usage();
  }
  if (argc % 2 == 0 || events <= 0 || seed < 0 || dumps.empty()) return usage();
  Monkey monkey(unsigned(seed), events, dumps);
  monkey.play();
  std::fprintf(stderr, "nupavane-monkey: %ld events\n", monkey.played());
  return 0;
}
