#include "players/ComputerKind.h"

#include <array>

namespace {
std::array<ComputerKind, 3> kinds{ComputerKind::Classic, ComputerKind::Classic, ComputerKind::Classic};
}

void setComputerKind(ComputerKind kind) { kinds.fill(kind); }

void setComputerKind(int player, ComputerKind kind) {
  if (player >= 0 && player < int(kinds.size())) kinds[size_t(player)] = kind;
}

ComputerKind computerKind(int player) {
  return player >= 0 && player < int(kinds.size()) ? kinds[size_t(player)] : ComputerKind::Classic;
}

bool parseComputerKind(std::string_view word, ComputerKind& kind) {
  if (word == "classic") kind = ComputerKind::Classic;
  else if (word == "cunning") kind = ComputerKind::Cunning;
  else return false;
  return true;
}

const char* computerKindName(ComputerKind kind) { return kind == ComputerKind::Cunning ? "cunning" : "classic"; }
