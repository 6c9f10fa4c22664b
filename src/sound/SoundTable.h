// Which effects the game has, the order they load in, and which sound event number plays
// which of them. Screens only ever pass event numbers; this table gives them their sound.
#pragma once

#include <array>

inline constexpr int kEffectCount = 27;

// The music module's key and archive name (looked up as written).
inline constexpr const char* kMusicKey = "kelth";
inline constexpr const char* kMusicName = "snd\\kelth.xm";
inline constexpr int kMusicEvent = 1037;

// Archive names of the effects by slot, as the game writes them; they are looked up in lower
// case.
extern const std::array<const char*, kEffectCount> kEffectNames;

// The slots in the order they load: slot order, except that the cash register comes before
// the dealer's greeting.
extern const std::array<int, kEffectCount> kEffectLoadOrder;

// The slot an event plays, or -1 for an event without an effect (the music's own event
// included).
int effectSlotFor(int event);
