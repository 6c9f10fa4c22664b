// One visit to the mage: what the spell is aimed at, and the items dropped into the
// cauldron so far. Other screens open the mage with a spell target argument; the mage
// screen records every drop here and asks, when the player leaves, whether a spell may be
// cast.
#pragma once

#include "app/Screen.h"

class CountryManager;
class Player;

#include <cstdint>

// The kind of a spell's target; the number is what the drop diagnostic prints.
enum class SpellKind { Dragon = 0, Egg = 1, Human = 2, Village = 3 };

// The argument "MAGE" is opened with: the high byte names the kind, the low 24 bits an
// index (a place in the current player's dragon list, an incubator, or a village number).
constexpr uint32_t kSpellOnDragon = 0xFE000000;
constexpr uint32_t kSpellOnEgg = 0xFD000000;
constexpr uint32_t kSpellOnHuman = 0xFC000000;  // the index is not used: the current player
constexpr uint32_t kSpellOnVillage = 0xFB000000;

struct SpellTarget {
  SpellKind kind = SpellKind::Human;
  // Straight from the argument, 0 to 0xFFFFFF: whoever uses it checks it against the
  // dragon list, the incubators or the land.
  int index = 0;
};

// Any other high byte is reported and aims the spell at the current player.
SpellTarget decodeSpellTarget(ScreenParam argument);

// What the player is told after a spell of that kind was cast.
const char* castMessage(SpellKind kind);

class SpellMixing {
public:
  // The sixth item makes the spell too powerful: at most five go into a spell that is cast.
  static constexpr int kPowerLimit = 6;
  static constexpr int kDialSteps = 4;  // bunsen and condenser: 0 to 3

  // A new visit: the target from the argument; no item dropped yet. The dials keep their
  // settings from the visit before.
  void open(ScreenParam argument);

  // Records one item dropped from a side of the cauldron (mode 0 north, 1 east, 2 south,
  // 3 west) with the dials at bunsen and condenser, and says so on standard error. The
  // item stays in the inventory.
  void addSpellItem(int item, int mode, int bunsen, int condenser);
  // A drop with the dials as they are; after it, as after a drop that missed the cauldron
  // (resetDials), both dials are back at 0.
  void dropItem(int item, int mode);
  void resetDials();

  void setBunsen(int steps);  // held to 0 to 3
  void setCondenser(int steps);
  int bunsen() const { return bunsen_; }
  int condenser() const { return condenser_; }

  const SpellTarget& target() const { return target_; }
  int itemsDropped() const { return dropped_; }
  // The screen shows "Spell too powerful, it can't be controlled" and closes at once.
  bool tooPowerful() const { return tooPowerful_; }
  // Leaving by the cast exit casts only a controlled spell with at least one item in it.
  bool canCast() const { return !tooPowerful_ && dropped_ > 0; }
  // Casts the spell on its target when it may be cast, and returns what the player is
  // told; null when nothing was cast. A dragon spell changes attribute 2 and health by -4
  // to +4 (two draws) and attribute 0 by +1, each change only when it stays within 0 to
  // 99; a village spell changes the population by -32 to +32 (one draw). A target that
  // does not exist is left alone and draws nothing; the spell still counts as cast.
  const char* cast(Player& caster, CountryManager& land) const;

private:
  SpellTarget target_;
  int bunsen_ = 0, condenser_ = 0;
  int dropped_ = 0;
  bool tooPowerful_ = false;
};

// The message the mage shows when the spell got out of control.
inline constexpr const char* kSpellTooPowerful = "Spell too powerful, it can't be controlled";
