// Placeholder until the effects and the music are made here.
#include "Content.h"

void addSounds(ContentList&) {}
