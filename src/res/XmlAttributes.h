// The value of a named attribute in the name/value list expat hands a start tag, or null.
#pragma once

#include <cstring>

inline const char* xmlAttribute(const char** attributes, const char* name) {
  for (int i = 0; attributes[i]; i += 2)
    if (std::strcmp(attributes[i], name) == 0) return attributes[i + 1];
  return nullptr;
}
