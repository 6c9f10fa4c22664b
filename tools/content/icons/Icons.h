// The game's icon for the desktop's menus and task bars: a crimson dragon breathing fire
// against the dusk sky, in a gold-rimmed tile, painted by the same dragon painter as the
// game's pictures. Written as PNG files (not archive entries) for the hicolor icon theme.
#pragma once

#include <string>

// The desktop's name for the game: its launcher entry, metainfo and icon are named by it.
inline constexpr const char* kDesktopId = "org.nupavane.nupavane";

// The sizes the icon theme gets, in pixels a side.
inline constexpr int kIconSizes[] = {32, 48, 64, 128, 256};

// Writes OUTDIR/icons/hicolor/NxN/apps/<kDesktopId>.png for every size; false, with a line
// on standard error, when one cannot be written.
bool writeIcons(const std::string& outDir);
