#include "core/Memory.h"

#include "platform/Platform.h"

#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void outOfMemory() {
  platform::current().messageBox("out of memory");
  std::exit(1);
}

}  // namespace

void installOutOfMemoryHandler() { std::set_new_handler(outOfMemory); }
