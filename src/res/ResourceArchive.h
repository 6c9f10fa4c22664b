// A resource archive: one file holding the game's pictures, fonts, descriptions ("gfx.arc")
// or its music and effects ("snd.arc"), each entry found by its name and read whole.
//
// Format, little-endian throughout: the magic 0xDEADBEAF; a 2-byte filler length N and N
// filler bytes; a 2-byte directory length D and D bytes of 60-byte entries (a 52-byte
// NUL-terminated name with backslashes, the data's 4-byte offset from the file's start
// and its 4-byte size); the data anywhere after.
#pragma once

#include "core/String.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

struct ArchiveEntry {
  String name;
  uint32_t offset = 0;
  uint32_t size = 0;
};

class ResourceArchive {
public:
  static constexpr uint32_t kMagic = 0xDEADBEAF;
  static constexpr int kEntryBytes = 60;
  static constexpr int kNameBytes = 52;

  // Opens the archive of that name beside the program; when it is missing, creates an
  // empty one there. An existing file that is not an archive is left alone.
  explicit ResourceArchive(const String& fileName);
  ~ResourceArchive();
  ResourceArchive(const ResourceArchive&) = delete;
  ResourceArchive& operator=(const ResourceArchive&) = delete;

  // True when an archive was opened or created.
  bool isValid() const;
  int count() const;
  // 0 for an index out of range.
  uint32_t sizeOf(int index) const;
  // The empty text for an index out of range.
  String nameOf(int index) const;
  // Where the entry's data starts in the file (the packing tool lists it); 0 out of range.
  uint32_t offsetOf(int index) const;
  // The first entry of exactly this name (case-sensitive), or -1.
  int find(const String& name) const;
  // The entry's bytes, or nothing (index out of range, short or failed read).
  std::optional<std::vector<uint8_t>> read(int index);

private:
  // How a file beside the program turned out when opened as an archive.
  enum class OpenResult { Opened, Missing, Unreadable, NotAnArchive, CutShort };

  OpenResult open(const String& fileName);
  bool readDirectory();
  bool create(const String& fileName);
  bool reopen();
  void close();

  String fileName_;
  std::FILE* file_ = nullptr;
  // The file's length when it was opened: no entry reaches past it.
  uint64_t fileSize_ = 0;
  std::vector<uint8_t> filler_;
  std::vector<ArchiveEntry> entries_;
};

// The process-wide reader of "gfx.arc": null until the first picture load creates it
// (openGraphicsArchive), closed by the exit clean-up (closeGraphicsArchive).
extern ResourceArchive* graphicsArchive;
ResourceArchive* openGraphicsArchive();
void closeGraphicsArchive();
