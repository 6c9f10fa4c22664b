// The game's one piece of music, "kelth": a modal dance in 6/8 for recorder, lute, bowed
// bass and frame drum, four channels. Order 0 is a short introduction; the game loops the
// rest from order 1 for as long as it runs.
#pragma once

#include "sound/Xm.h"

#include <string>

namespace music {

// Composes the module; false, with the reason in `error`, when the written music does not
// add up (a bar of the wrong length, an unknown chord).
bool composeSong(xm::Module& module, std::string& error);

}  // namespace music
