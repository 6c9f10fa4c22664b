// The clean-up the runtime runs when the program ends, however it ends: at the end of the
// program entry, or at once when the window is closed. Subsystems add their part in the
// order the game creates them; the parts run in that order.
#pragma once

void atExitCleanUp(void (*part)());
