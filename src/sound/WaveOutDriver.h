// The sound library's output driver on the desktop: it mixes inside MikMod_Update, on the
// game's own thread, and keeps the platform's audio queue filled a short time ahead, so the
// pump that every loop of the game calls is what keeps the music going.
#pragma once

#include <mikmod.h>

namespace waveout {

// The alias to choose the driver by (MikMod_DriverFromAlias) once it is registered.
inline constexpr const char* kAlias = "waveout";

// The driver to register with MikMod_RegisterDriver.
MDRIVER& driver();

// How far ahead of the device the queue is kept filled, in milliseconds; read when the
// driver starts. The pump must come round more often than this, or the sound breaks up.
void setBufferLength(unsigned milliseconds);

}  // namespace waveout
