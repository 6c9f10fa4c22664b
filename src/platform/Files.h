// Files and process services shared by both backends (POSIX underneath).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The full path of the program file. A test may put the program elsewhere, so that the
// files beside the program go to a folder of its own.
std::string programPath();
void setProgramPath(const std::string& path);

// The most readFile takes by default: far more than any picture, savegame or script the
// game reads, far less than would strain the memory.
inline constexpr size_t kMaxReadBytes = size_t(64) << 20;

// The whole file, or nothing when it cannot be opened or read, is no regular file (a
// FIFO would block the read, a device never end it) or holds more than maxBytes.
std::optional<std::vector<uint8_t>> readFile(const std::string& path, size_t maxBytes = kMaxReadBytes);

// Replaces the file atomically: the bytes go to a temporary file in the same folder,
// which is flushed to the disk and renamed over the old one. Afterwards the file holds
// exactly the new bytes; a write that fails on the way leaves the old file whole. The new
// file's mode is the user's umask applied to 0666, as for any file a program makes.
bool replaceFile(const std::string& path, const uint8_t* data, size_t length);

// replaceFile's temporary for a path is the path, a dot and six letters or digits. A
// process killed between creating and renaming one leaves it behind: this removes such
// leftovers of the given names in the folder, and answers how many went.
int removeStaleTemporaries(const std::string& folder, const std::vector<std::string>& names);

// Writes a width x height RGB565 picture, row by row, as an 8-bit RGB PNG.
bool writePng(const std::string& path, const uint16_t* pixels, int width, int height);

// An advisory lock on a file, held until the object dies or the process ends.
class InstanceLock {
public:
  InstanceLock() = default;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock();
  enum class Result { Acquired, HeldElsewhere, Unavailable };
  Result acquire(const std::string& path);

private:
  int fd_ = -1;
};

}  // namespace platform
