// When the heap cannot satisfy a container, the player sees "out of memory" and the
// program ends with status 1. Strings are exempt: they survive a failed allocation.
#pragma once

void installOutOfMemoryHandler();
