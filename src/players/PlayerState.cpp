#include "players/PlayerState.h"

#include "app/StateDump.h"
#include "players/PlayerManager.h"

#include <string>

namespace {

// A name is one dump line whatever it holds: line breaks and other control bytes become
// spaces.
std::string oneLine(const String& text) {
  std::string line(text.c_str());
  for (char& c : line)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return line;
}

template <typename Numbers>
std::string joined(const Numbers& numbers) {
  std::string text;
  for (auto n : numbers) {
    if (!text.empty()) text += ' ';
    text += std::to_string(n);
  }
  return text;
}

std::string itemList(const Player& player) {
  std::string text;
  for (const auto& [id, count] : player.items) {
    if (!text.empty()) text += ' ';
    text += std::to_string(id) + ':' + std::to_string(count);
  }
  return text;
}

void writeDragon(StateWriter& out, const std::string& prefix, const Dragon& dragon) {
  out.put(prefix + ".name", oneLine(dragon.name));
  out.put(prefix + ".attributes", joined(dragon.attributes));
  out.put(prefix + ".age", long(dragon.age));
  out.put(prefix + ".lifespan", long(dragon.lifespan));
  out.put(prefix + ".atHome", long(dragon.atHome));
}

void writePlayer(StateWriter& out, const std::string& prefix, const Player& player) {
  out.put(prefix + ".name", oneLine(player.name));
  out.put(prefix + ".type", long(player.type));
  out.put(prefix + ".money", long(player.money));
  out.put(prefix + ".poorMonths", long(player.poorMonths));
  out.put(prefix + ".eggs", long(player.eggs));
  out.put(prefix + ".hatched", long(player.hatchedThisMonth));
  out.put(prefix + ".items", itemList(player));
  out.put(prefix + ".accounts", joined(player.accounts));
  for (int k = 0; k < Player::kIncubators; ++k) {
    const Egg& egg = player.incubators[size_t(k)];
    const int fields[] = {egg.occupied ? 1 : 0, egg.heat, egg.progress, egg.months};
    out.put(prefix + ".incubator." + std::to_string(k), joined(fields));
  }
  out.put(prefix + ".dragons", long(player.dragonCount()));
  for (int d = 0; d < player.dragonCount(); ++d)
    writeDragon(out, prefix + ".dragon." + std::to_string(d), player.dragons[size_t(d)]);
}

}  // namespace

void writePlayerState(StateWriter& out) {
  if (PlayerManager::exists()) {
    PlayerManager& manager = PlayerManager::instance();
    out.put("player.current", long(manager.current()));
    for (int i = 0; i < manager.count(); ++i)
      writePlayer(out, "player." + std::to_string(i), *manager.player(i));
  }
  out.put("dragon.nameCounter", long(Dragon::nameCounter()));
}
