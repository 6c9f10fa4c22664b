// libmikmod's reader interface over bytes in memory: the sound archive's entries are read
// whole and handed to the library's loaders through this.
//
// The library's conventions, which the loaders rely on: Seek answers 0 on success (the
// module loader treats anything else as a failed seek, and the music would never load);
// Read answers nonzero only when every byte asked for was there; Get answers EOF at the end
// (loaders read on past the end of a cut-short file and must not run off the data).
#pragma once

#include <mikmod.h>

#include <cstddef>
#include <cstdint>

class MemoryReader {
public:
  // The bytes must outlive the reader; the library copies what it keeps while loading.
  MemoryReader(const uint8_t* data, size_t size);
  MemoryReader(const MemoryReader&) = delete;
  MemoryReader& operator=(const MemoryReader&) = delete;

  // What the library's loaders take.
  MREADER* reader() { return &core_; }

  long position() const { return position_; }

private:
  static MemoryReader& self(MREADER* reader);
  static int seek(MREADER* reader, long offset, int whence);
  static long tell(MREADER* reader);
  static BOOL read(MREADER* reader, void* destination, size_t count);
  static int get(MREADER* reader);
  static BOOL eof(MREADER* reader);

  // First, so that the library's MREADER pointer is this object's address.
  MREADER core_{};
  const uint8_t* data_;
  long size_;
  long position_ = 0;
};
