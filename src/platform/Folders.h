// Where the game's files live. A copy run from its build folder keeps every file beside
// the program, as the handheld did. An installed copy (the program in PREFIX/bin, its
// archives in PREFIX/share/nupavane) reads its archives from there and keeps what it
// writes in the user's own folders: the settings and the desktop preferences in the
// configuration folder, the savegames in the data folder, the sound log and the lock in
// the state folder (each one's XDG_*_HOME, or its usual place under the home folder).
#pragma once

#include <string>

namespace platform {

// Every folder ends in '/'. An empty one means the program's own folder.
struct GameFolders {
  std::string archives;  // gfx.arc, snd.arc
  std::string config;    // settings.dta, nupavane.conf
  std::string saves;     // slot0.sve ... slot2.sve
  std::string state;     // Kelth.txt, nupavane.lock
};

// What the command line asks for: --data-dir (the archives) and --save-dir (everything the
// game writes). Empty: not asked.
struct FolderRequest {
  std::string dataDir;
  std::string saveDir;
};

// The parts of the environment the choice depends on. Empty: not set.
struct FolderEnvironment {
  std::string home;
  std::string configHome;  // XDG_CONFIG_HOME
  std::string dataHome;    // XDG_DATA_HOME
  std::string stateHome;   // XDG_STATE_HOME
};

// The process's own environment (the home folder from the user database when HOME is unset).
FolderEnvironment currentEnvironment();

// The archives' folder of an installed copy whose program lies in `programFolder`, or
// empty when the program is not installed: its folder holds no gfx.arc, and the data
// folder the installation made beside it does.
std::string installedArchiveFolder(const std::string& programFolder);

// The folders for a program in `programFolder` (ending in '/'); `installedArchives` is what
// installedArchiveFolder found. No file system access: the folders are made when first used.
GameFolders chooseFolders(const std::string& programFolder, const std::string& installedArchives,
                          const FolderRequest& request, const FolderEnvironment& environment);

// The folders the game uses now, none empty: those the program entry set, and the
// program's own folder for the others (all of them until it sets any).
GameFolders gameFolders();
void setGameFolders(const GameFolders& folders);

// Makes the folder (and those above it) when it is missing and checks that files can be
// written in it. A folder that cannot be made or written is named on standard error with
// the reason, once in a run however often it is asked for; then false.
bool prepareFolder(const std::string& folder);

}  // namespace platform
