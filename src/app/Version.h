// The game's version, as the title screen shows it.
#pragma once

inline constexpr const char* kGameVersion = "1.3";
