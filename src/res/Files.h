// Files beside the program: the settings, the savegames and the archives all lie in the
// program file's folder.
#pragma once

#include "core/String.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The program file's folder, with a trailing separator.
String programDirectory();

// The whole file, or nothing when it is missing, unreadable, no regular file or larger
// than any file the game writes could be. An empty file reads as an empty buffer, not as
// nothing.
std::optional<std::vector<uint8_t>> readBesideProgram(const String& name);

// Replaces the file atomically: afterwards it holds exactly these bytes, and a write that
// fails on the way leaves the old file whole. (The handheld wrote over the old file in
// place and left its longer tail behind; a settings file or savegame is better replaced.)
bool writeBesideProgram(const String& name, const uint8_t* data, size_t length);

// Removes what a write of one of these files left behind when the program was killed in
// the middle of it (see platform::replaceFile); answers how many went.
int removeStaleTemporariesBesideProgram(const std::vector<String>& names);
