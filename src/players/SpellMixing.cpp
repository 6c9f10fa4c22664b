#include "players/SpellMixing.h"

#include "players/Player.h"
#include "core/Random.h"
#include "world/CountryManager.h"

#include <algorithm>
#include <cstdio>

SpellTarget decodeSpellTarget(ScreenParam argument) {
  // The argument is a 32-bit word; anything above it is not part of the target.
  const uint32_t word = uint32_t(uintptr_t(argument));
  SpellTarget target;
  target.index = int(word & 0xFFFFFF);
  switch (word & 0xFF000000) {
    case kSpellOnDragon: target.kind = SpellKind::Dragon; break;
    case kSpellOnEgg: target.kind = SpellKind::Egg; break;
    case kSpellOnHuman: target.kind = SpellKind::Human; break;
    case kSpellOnVillage: target.kind = SpellKind::Village; break;
    default:
      std::fputs("MageScreen::visible(): ERROR: invalid spell target, using current player !\n", stderr);
      std::fflush(stderr);
      target.kind = SpellKind::Human;
  }
  return target;
}

const char* castMessage(SpellKind kind) {
  switch (kind) {
    case SpellKind::Dragon: return "Spell successfully casted on the dragon";
    case SpellKind::Egg: return "Spell successfully casted on the egg";
    case SpellKind::Human: return "Spell successfully casted on yourself";
    case SpellKind::Village: return "Spell successfully casted on the village";
  }
  return "Spell successfully casted on yourself";
}

void SpellMixing::open(ScreenParam argument) {
  target_ = decodeSpellTarget(argument);
  dropped_ = 0;
  tooPowerful_ = false;
}

void SpellMixing::addSpellItem(int item, int mode, int bunsen, int condenser) {
  std::fprintf(stderr, "add item %d to target %d with mode(%d), bunsen(%d), condenser(%d)\n", item,
               int(target_.kind), mode, bunsen, condenser);
  std::fflush(stderr);
  if (++dropped_ >= kPowerLimit) tooPowerful_ = true;
}

void SpellMixing::dropItem(int item, int mode) {
  addSpellItem(item, mode, bunsen_, condenser_);
  resetDials();
}

void SpellMixing::resetDials() {
  bunsen_ = 0;
  condenser_ = 0;
}

void SpellMixing::setBunsen(int steps) { bunsen_ = std::clamp(steps, 0, kDialSteps - 1); }
void SpellMixing::setCondenser(int steps) { condenser_ = std::clamp(steps, 0, kDialSteps - 1); }

const char* SpellMixing::cast(Player& caster, CountryManager& land) const {
  if (!canCast()) return nullptr;
  if (target_.kind == SpellKind::Dragon) {
    if (Dragon* dragon = caster.dragon(target_.index)) {
      dragon->setAttribute(2, dragon->attribute(2) + randomNumber() % 9 - 4);
      dragon->setAttribute(Dragon::kHealth, dragon->attribute(Dragon::kHealth) + randomNumber() % 9 - 4);
      dragon->setAttribute(0, dragon->attribute(0) + 1);
      // A dragon the spell kills gives up its posts at once.
      if (!dragon->alive()) land.releaseDragon(caster.index, target_.index);
    }
  } else if (target_.kind == SpellKind::Village) {
    if (target_.index < land.villageCount()) {
      int32_t& population = land.village(target_.index).population;
      population = std::clamp(population + randomNumber() % 65 - 32, -kMostVillageAmount, kMostVillageAmount);
    }
  }
  return castMessage(target_.kind);
}
