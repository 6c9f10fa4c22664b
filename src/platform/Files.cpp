#include "platform/Files.h"

#include <png.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace platform {

namespace {

std::string& programPathOverride() {
  static std::string path;
  return path;
}

bool writeAll(int fd, const uint8_t* data, size_t length) {
  while (length > 0) {
    ssize_t n = ::write(fd, data, length);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    length -= size_t(n);
  }
  return true;
}

}  // namespace

std::string programPath() {
  if (!programPathOverride().empty()) return programPathOverride();
  char buffer[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return "./nupavane";
  return std::string(buffer, size_t(n));
}

void setProgramPath(const std::string& path) { programPathOverride() = path; }

std::optional<std::vector<uint8_t>> readFile(const std::string& path, size_t maxBytes) {
  // Not blocking: opening a FIFO for reading would otherwise wait for a writer.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || uint64_t(info.st_size) > maxBytes) {
    ::close(fd);
    return std::nullopt;
  }
  std::vector<uint8_t> data;
  data.reserve(size_t(info.st_size));
  uint8_t chunk[65536];
  for (;;) {
    ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    // A file that grows while we read it is held to the same limit.
    if (n < 0 || data.size() + size_t(n) > maxBytes) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    data.insert(data.end(), chunk, chunk + n);
  }
  ::close(fd);
  return data;
}

namespace {

constexpr size_t kTemporarySuffix = 6;
constexpr char kSuffixLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Six letters or digits that differ between calls and processes. (Not the game's random
// generator: its sequence must not depend on how often files are written.)
std::string temporarySuffix() {
  static std::atomic<uint64_t> calls{0};
  uint64_t mix = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                 uint64_t(::getpid()) << 40 ^ (calls++ * 0x9E3779B97F4A7C15ull);
  std::string suffix;
  for (size_t i = 0; i < kTemporarySuffix; ++i, mix /= 62) suffix += kSuffixLetters[mix % 62];
  return suffix;
}

// Created only if new, with 0666 so that the umask decides (mkstemp would force 0600).
int createTemporary(const std::string& path, std::string& temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path + "." + temporarySuffix();
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool isTemporaryOf(const std::string& file, const std::string& name) {
  if (file.size() != name.size() + 1 + kTemporarySuffix || file.compare(0, name.size(), name) != 0 ||
      file[name.size()] != '.')
    return false;
  return std::all_of(file.begin() + long(name.size()) + 1, file.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

bool replaceFile(const std::string& path, const uint8_t* data, size_t length) {
  std::string temporary;
  int fd = createTemporary(path, temporary);
  if (fd < 0) return false;
  bool written = writeAll(fd, data, length) && ::fsync(fd) == 0;
  written = (::close(fd) == 0) && written;
  if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  // Make the rename itself durable.
  std::string folder = path.substr(0, path.find_last_of('/') + 1);
  int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

int removeStaleTemporaries(const std::string& folder, const std::vector<std::string>& names) {
  namespace fs = std::filesystem;
  std::error_code error;
  int removed = 0;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end; it.increment(error)) {
    std::string file = it->path().filename().string();
    bool ours = std::any_of(names.begin(), names.end(), [&](const std::string& name) { return isTemporaryOf(file, name); });
    std::error_code ignored;
    if (ours && it->is_regular_file(ignored) && ::unlink(it->path().c_str()) == 0) ++removed;
  }
  return removed;
}

bool writePng(const std::string& path, const uint16_t* pixels, int width, int height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(width);
  image.height = png_uint_32(height);
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3);
  for (size_t i = 0; i < size_t(width) * size_t(height); ++i) {
    uint16_t p = pixels[i];
    // Widen each field so that full intensity stays 255.
    uint8_t r = uint8_t((p >> 11) & 31), g = uint8_t((p >> 5) & 63), b = uint8_t(p & 31);
    rgb[i * 3 + 0] = uint8_t(r << 3 | r >> 2);
    rgb[i * 3 + 1] = uint8_t(g << 2 | g >> 4);
    rgb[i * 3 + 2] = uint8_t(b << 3 | b >> 2);
  }
  return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), width * 3, nullptr) != 0;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

InstanceLock::Result InstanceLock::acquire(const std::string& path) {
  if (fd_ >= 0) return Result::Acquired;
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return Result::Unavailable;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? Result::HeldElsewhere : Result::Unavailable;
  }
  fd_ = fd;
  return Result::Acquired;
}

}  // namespace platform
