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

// The folder each of the game's files lives in: beside the program for a copy in its build
// folder, the data folder and the user's folders for an installed one (platform/Folders.h).
enum class FilePlace {
  Archives,  // gfx.arc, snd.arc
  Config,    // settings.dta, nupavane.conf
  Saves,     // the savegames
  State,     // the sound log, the lock
};

// The place's folder, with a trailing separator.
String folderOf(FilePlace place);

// As readBesideProgram and writeBesideProgram, in the place's folder. A write makes the
// folder when it is missing; one that cannot be made or written is named on standard
// error, once.
std::optional<std::vector<uint8_t>> readGameFile(FilePlace place, const String& name);
bool writeGameFile(FilePlace place, const String& name, const uint8_t* data, size_t length);

// Removes what a write of one of these files left behind when the program was killed in
// the middle of it (see platform::replaceFile); answers how many went.
int removeStaleTemporariesBesideProgram(const std::vector<String>& names);
int removeStaleTemporaries(FilePlace place, const std::vector<String>& names);
