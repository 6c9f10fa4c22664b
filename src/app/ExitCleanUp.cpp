#include "app/ExitCleanUp.h"

#include <cstdlib>

namespace {

constexpr int kMaxParts = 16;
void (*parts[kMaxParts])() = {};
int partCount = 0;

void runParts() {
  for (int i = 0; i < partCount; ++i) parts[i]();
}

}  // namespace

void atExitCleanUp(void (*part)()) {
  if (partCount == 0) std::atexit(runParts);
  for (int i = 0; i < partCount; ++i)
    if (parts[i] == part) return;
  if (partCount < kMaxParts) parts[partCount++] = part;
}
