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

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::vector<uint8_t>> readFile(const std::string& path);

// Replaces the file atomically: the bytes go to a temporary file in the same folder,
// which is flushed to the disk and renamed over the old one. Afterwards the file holds
// exactly the new bytes; a write that fails on the way leaves the old file whole.
bool replaceFile(const std::string& path, const uint8_t* data, size_t length);

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
