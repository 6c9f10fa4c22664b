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

  // Opens the archive of that name beside the program. The game never writes one (the
  // archive tool and the content build do): a missing, unreadable, foreign or cut-short
  // file leaves the reader invalid, and problem() says what was wrong.
  explicit ResourceArchive(const String& fileName);
  ~ResourceArchive();
  ResourceArchive(const ResourceArchive&) = delete;
  ResourceArchive& operator=(const ResourceArchive&) = delete;

  // True when an archive was opened.
  bool isValid() const;
  // Why the archive could not be opened, in words that follow its name ("is missing"); an
  // empty text when it was.
  const char* problem() const { return problem_; }
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
  bool reopen();
  void close();

  String fileName_;
  const char* problem_ = "";
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
