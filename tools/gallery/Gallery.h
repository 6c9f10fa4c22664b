// nupavane-gallery: the two halves of the gallery of every screen. `stage` writes the
// savegames from which the gallery's script reaches the month's announcements and the win;
// `sheet` lays the script's screenshots out on one sheet, each under its name.
#pragma once

#include <string>

namespace gallery {

// slot1.sve and slot2.sve beside the program, from the land in gfx.arc beside it.
bool stageGames();

// Every PNG of `folder`, in the order of their names, on one sheet written to `out`. A
// file "07-castle_with_the_dealer.png" is labelled "castle with the dealer". Returns the
// number of screens, -1 on failure.
int drawSheet(const std::string& folder, const std::string& out);

}  // namespace gallery
