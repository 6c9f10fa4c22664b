// The pieces of the information room's family; Info.cpp adds them all.
#pragma once

#include "Content.h"

namespace info {

// The backdrop: a dark slate board in a study, where the pages are written.
void addRoom(ContentList& gfx);
// The page and scroll buttons, released and pressed, and the backing of the exit button.
void addButtons(ContentList& gfx);
// The three page icons: affairs, magic items, accounts.
void addIcons(ContentList& gfx);

}  // namespace info
