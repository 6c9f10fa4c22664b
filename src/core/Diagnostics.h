// Diagnostic lines go to standard error, flushed at once, so they are seen even when the
// program ends right after.
#pragma once

#include <cstdio>

inline void complain(const char* line) {
  std::fputs(line, stderr);
  std::fflush(stderr);
}
