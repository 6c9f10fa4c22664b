#include "sound/MemoryReader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <type_traits>

// The library hands back the MREADER pointer; it is the first member, so it is the object.
static_assert(std::is_standard_layout_v<MemoryReader>);

MemoryReader::MemoryReader(const uint8_t* data, size_t size) : data_(data), size_(long(size)) {
  core_.Seek = seek;
  core_.Tell = tell;
  core_.Read = read;
  core_.Get = get;
  core_.Eof = eof;
}

MemoryReader& MemoryReader::self(MREADER* reader) { return *reinterpret_cast<MemoryReader*>(reader); }

// Offsets from the start count from the library's iobase, as with its own readers. A seek
// before the start, or with an unknown whence, fails and leaves the position alone; a seek
// past the end stops at the end.
int MemoryReader::seek(MREADER* reader, long offset, int whence) {
  MemoryReader& m = self(reader);
  long base;
  switch (whence) {
    case SEEK_SET: base = reader->iobase; break;
    case SEEK_CUR: base = m.position_; break;
    case SEEK_END: base = m.size_; break;
    default: return -1;
  }
  if (offset < -base) return -1;
  m.position_ = std::min(base + offset, m.size_);
  return 0;
}

long MemoryReader::tell(MREADER* reader) { return self(reader).position_ - reader->iobase; }

// Copies what lies before the end and moves there; a read reaching past the end fails.
BOOL MemoryReader::read(MREADER* reader, void* destination, size_t count) {
  MemoryReader& m = self(reader);
  size_t available = size_t(std::max(0L, m.size_ - m.position_));
  size_t copied = std::min(count, available);
  if (copied > 0) std::memcpy(destination, m.data_ + m.position_, copied);
  m.position_ += long(copied);
  return copied == count;
}

int MemoryReader::get(MREADER* reader) {
  MemoryReader& m = self(reader);
  if (m.position_ >= m.size_) return EOF;
  return m.data_[m.position_++];
}

BOOL MemoryReader::eof(MREADER* reader) {
  MemoryReader& m = self(reader);
  return m.position_ >= m.size_;
}
