// The three rulers of a game and whose castle is being visited. Making the manager starts
// a new game: it asks how many rulers the computer plays and lets each human choose a
// character.
#pragma once

#include "players/Player.h"

#include <array>
#include <memory>
#include <vector>

class PlayerManager {
public:
  static constexpr int kPlayers = 3;

  // The manager, made on first use: a new game, with its questions to the players.
  static PlayerManager& instance();
  static bool exists();
  // A new game without questions: the rulers' types given (HumanPlayer or ComputerPlayer
  // for characters 0, 1, 2). For the simulation and tests; replaces any manager there is.
  static PlayerManager& startGame(const std::array<int, kPlayers>& types);
  // Lets the game's rulers go (a new game, the program's end).
  static void destroy();

  int count() const { return int(players_.size()); }
  // Null outside 0 to count() - 1.
  Player* player(int place);
  Player& currentPlayer() { return *players_[size_t(current_)]; }
  int current() const { return current_; }
  // An unknown place is reported and falls back to player 0.
  void setCurrentPlayer(int place);

  // The new-game questions: the number of computer opponents, then each human's
  // character over the selection picture. Returns the three types.
  static std::array<int, kPlayers> askPlayerTypes();

private:
  explicit PlayerManager(const std::array<int, kPlayers>& types);

  std::vector<std::unique_ptr<Player>> players_;
  int current_ = 0;
};

// A computer ruler's move, when its draw allows one: its first dragon without guard duty
// is sent to occupy one of its villages (ten tries to find one of its own, then any).
void sendComputerDragon(Player& player);
// The computer's turn for one of its rulers, at the start of the ruler's month: the classic
// move (six months in twenty), or a cunning ruler's whole turn (see players/ComputerKind.h).
void playComputerTurn(Player& player);
