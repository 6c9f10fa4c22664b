#include "sound/Library.h"

#include "sound/WaveOutDriver.h"

#include <mikmod.h>

void registerSoundLibraryParts() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  MikMod_RegisterDriver(&waveout::driver());
  MikMod_RegisterDriver(&drv_nos);
  MikMod_RegisterLoader(&load_xm);
}
