// The parts of libmikmod the game uses, registered with the library once per process.
#pragma once

// Registers our own output driver, the silent driver and the XM loader. Safe to call again:
// the library links loaders into a list through the loaders themselves, and one registered
// twice would turn that list into a loop that never ends on a file no loader knows.
void registerSoundLibraryParts();
