#include "platform/Folders.h"

#include "platform/Files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#ifndef NUPAVANE_ARCHIVES_FROM_BIN
#define NUPAVANE_ARCHIVES_FROM_BIN "../share/nupavane"
#endif

namespace platform {

namespace {

constexpr const char* kFolderName = "nupavane/";

GameFolders& chosen() {
  static GameFolders folders;
  return folders;
}

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string withSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string normal(const std::string& folder) {
  return withSlash(std::filesystem::path(folder).lexically_normal().string());
}

// An XDG base folder: the variable's value when it is an absolute path (a relative one is
// to be ignored), else its place under the home folder; empty without either.
std::string baseFolder(const std::string& value, const std::string& home, const char* underHome) {
  if (!value.empty() && value.front() == '/') return withSlash(value);
  if (home.empty()) return "";
  return withSlash(home) + underHome;
}

std::string gameFolderIn(const std::string& base) { return base.empty() ? "" : normal(base + kFolderName); }

bool isRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string programFolder() {
  std::string path = programPath();
  return path.substr(0, path.find_last_of('/') + 1);
}

}  // namespace

FolderEnvironment currentEnvironment() {
  FolderEnvironment environment;
  environment.home = environmentValue("HOME");
  if (environment.home.empty()) {
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) environment.home = user->pw_dir;
  }
  environment.configHome = environmentValue("XDG_CONFIG_HOME");
  environment.dataHome = environmentValue("XDG_DATA_HOME");
  environment.stateHome = environmentValue("XDG_STATE_HOME");
  return environment;
}

std::string installedArchiveFolder(const std::string& programFolder) {
  if (isRegularFile(programFolder + "gfx.arc")) return "";
  std::string archives = normal(programFolder + NUPAVANE_ARCHIVES_FROM_BIN);
  return isRegularFile(archives + "gfx.arc") ? archives : "";
}

GameFolders chooseFolders(const std::string& programFolder, const std::string& installedArchives,
                          const FolderRequest& request, const FolderEnvironment& environment) {
  GameFolders folders;
  const bool installed = !installedArchives.empty();
  folders.archives = !request.dataDir.empty() ? normal(request.dataDir) : installed ? installedArchives : programFolder;
  if (!request.saveDir.empty()) {
    folders.config = folders.saves = folders.state = normal(request.saveDir);
  } else if (installed) {
    const std::string& home = environment.home;
    folders.config = gameFolderIn(baseFolder(environment.configHome, home, ".config/"));
    folders.saves = gameFolderIn(baseFolder(environment.dataHome, home, ".local/share/"));
    folders.state = gameFolderIn(baseFolder(environment.stateHome, home, ".local/state/"));
  }
  // Without a home folder of any kind the program's own folder is all there is.
  for (std::string* folder : {&folders.config, &folders.saves, &folders.state}) {
    if (folder->empty()) *folder = programFolder;
  }
  return folders;
}

GameFolders gameFolders() {
  GameFolders folders = chosen();
  const std::string own = programFolder();
  for (std::string* folder : {&folders.archives, &folders.config, &folders.saves, &folders.state}) {
    if (folder->empty()) *folder = own;
  }
  return folders;
}

void setGameFolders(const GameFolders& folders) { chosen() = folders; }

bool prepareFolder(const std::string& folder) {
  static std::set<std::string> reported;
  std::error_code error;
  std::filesystem::path path(folder.empty() ? "." : folder);
  int reason = 0;
  if (!std::filesystem::is_directory(path, error)) {
    // Folders the game makes for itself are the user's own: nobody else reads them.
    std::filesystem::path step;
    for (const auto& part : path) {
      step /= part;
      if (part.empty() || ::mkdir(step.c_str(), 0700) == 0 || errno == EEXIST) continue;
      reason = errno;
      break;
    }
    if (reason == 0 && !std::filesystem::is_directory(path, error)) reason = ENOTDIR;
  }
  if (reason == 0 && ::access(path.c_str(), W_OK | X_OK) != 0) reason = errno;
  if (reason == 0) return true;
  if (reported.insert(folder).second) {
    std::fprintf(stderr, "Files::prepareFolder(): ERROR: the folder '%s' cannot be written (%s) !\n", folder.c_str(),
                 std::strerror(reason));
    std::fflush(stderr);
  }
  return false;
}

}  // namespace platform
