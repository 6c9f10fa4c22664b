#include "core/String.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

constexpr std::size_t kDefaultCapacity = 10;
// format and printf write through a scratch of this size and keep at most one byte less.
constexpr std::size_t kScratchSize = 1024;

// Space, tab, LF, VT, FF and CR; spelled out so the locale cannot widen the set.
bool isWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A fresh buffer holding count bytes of text and a NUL after them; null when memory is out.
char* duplicate(const char* text, std::size_t count) {
  char* copy = static_cast<char*>(std::malloc(count + 1));
  if (copy) {
    std::memcpy(copy, text, count);
    copy[count] = '\0';
  }
  return copy;
}

// Whether text lies inside the length + 1 bytes of buffer (its terminator included).
// std::less gives a total order even for pointers into different blocks.
bool pointsInto(const char* text, const char* buffer, std::size_t length) {
  if (!buffer) return false;
  std::less<const char*> before;
  return !before(text, buffer) && !before(buffer + length, text);
}

// The NUL ends the text and is never part of it, so searching for it finds nothing.
const char* findFirst(const char* text, char c) {
  return c == '\0' ? nullptr : std::strchr(text, c);
}

const char* findLast(const char* text, char c) {
  return c == '\0' ? nullptr : std::strrchr(text, c);
}

const char* findWhiteSpace(const char* text) {
  for (; *text != '\0'; ++text) {
    if (isWhiteSpace(*text)) return text;
  }
  return nullptr;
}

// A malloc'd kScratchSize-byte buffer holding the formatted text, cut at kScratchSize - 1
// bytes; null when the scratch cannot be had.
char* formatToScratch(const char* fmt, std::va_list args) {
  char* scratch = static_cast<char*>(std::malloc(kScratchSize));
  if (!scratch) return nullptr;
  if (!fmt || std::vsnprintf(scratch, kScratchSize, fmt, args) < 0) scratch[0] = '\0';
  return scratch;
}

}  // namespace

String::String() : buffer_(static_cast<char*>(std::malloc(kDefaultCapacity))) {
  if (buffer_) buffer_[0] = '\0';
}

String::String(const String& other) : buffer_(duplicate(other.c_str(), other.length())) {}

String::String(String&& other) noexcept : buffer_(other.buffer_) { other.buffer_ = nullptr; }

String::String(const char* text, int length) : buffer_(nullptr) {
  if (!text) {
    text = "";
    length = 0;
  }
  std::size_t count = length < 0 ? std::strlen(text) : static_cast<std::size_t>(length);
  buffer_ = duplicate(text, count);
}

String::String(char c) : buffer_(nullptr) {
  const char text[2] = {c, '\0'};
  buffer_ = duplicate(text, 1);
}

String::~String() { std::free(buffer_); }

String& String::operator=(const String& other) {
  if (this != &other) assignBytes(other.c_str(), other.length());
  return *this;
}

String& String::operator=(String&& other) noexcept {
  if (this != &other) {
    std::free(buffer_);
    buffer_ = other.buffer_;
    other.buffer_ = nullptr;
  }
  return *this;
}

String& String::operator=(const char* text) {
  if (!text) text = "";
  assignBytes(text, std::strlen(text));
  return *this;
}

void String::assignBytes(const char* text, std::size_t count) { placeBytes(0, text, count); }

void String::appendBytes(const char* text, std::size_t count) {
  if (count > 0) placeBytes(length(), text, count);
}

// Writes `count` bytes at `at` and ends the text after them. The buffer grows to at least
// old length + count + 1; realloc may move it, so a text inside it is found again by its
// offset.
void String::placeBytes(std::size_t at, const char* text, std::size_t count) {
  std::size_t oldLength = length();
  bool aliased = pointsInto(text, buffer_, oldLength);
  std::size_t offset = aliased ? static_cast<std::size_t>(text - buffer_) : 0;
  char* grown = static_cast<char*>(std::realloc(buffer_, oldLength + count + 1));
  if (!grown) {
    dropBuffer();
    return;
  }
  buffer_ = grown;
  std::memmove(buffer_ + at, aliased ? buffer_ + offset : text, count);
  buffer_[at + count] = '\0';
}

void String::dropBuffer() {
  std::free(buffer_);
  buffer_ = nullptr;
}

int String::length() const { return buffer_ ? static_cast<int>(std::strlen(buffer_)) : 0; }

const char* String::c_str() const { return buffer_ ? buffer_ : ""; }

char String::charAt(int i) const {
  if (!buffer_) return '\0';
  return i >= 0 && i < length() ? buffer_[i] : buffer_[0];
}

String& String::append(const String& other) {
  if (other.buffer_) appendBytes(other.buffer_, std::strlen(other.buffer_));
  return *this;
}

String& String::append(const char* text) {
  if (text) appendBytes(text, std::strlen(text));
  return *this;
}

bool String::equals(const String& other) const {
  return buffer_ && other.buffer_ && std::strcmp(buffer_, other.buffer_) == 0;
}

bool String::notEquals(const String& other) const {
  return buffer_ && other.buffer_ && std::strcmp(buffer_, other.buffer_) != 0;
}

bool String::less(const String& other) const { return std::strcmp(c_str(), other.c_str()) < 0; }

String& String::trimLeft() {
  if (!buffer_) return *this;
  std::size_t skip = 0;
  while (isWhiteSpace(buffer_[skip])) ++skip;
  if (skip > 0) std::memmove(buffer_, buffer_ + skip, std::strlen(buffer_ + skip) + 1);
  return *this;
}

String String::beforeFirst(char c) const {
  const char* found = findFirst(c_str(), c);
  return found ? String(c_str(), static_cast<int>(found - c_str())) : String(*this);
}

String String::afterFirst(char c) const {
  const char* found = findFirst(c_str(), c);
  return found ? String(found + 1) : String();
}

String String::beforeLast(char c) const {
  const char* found = findLast(c_str(), c);
  return found ? String(c_str(), static_cast<int>(found - c_str())) : String();
}

String String::afterLast(char c) const {
  const char* found = findLast(c_str(), c);
  return found ? String(found + 1) : String();
}

String String::untilSpace() const {
  const char* found = findWhiteSpace(c_str());
  return found ? String(c_str(), static_cast<int>(found - c_str())) : String(*this);
}

String String::fromSpace() const {
  const char* found = findWhiteSpace(c_str());
  return found ? String(found) : String();
}

String String::toLower() const {
  String lower(*this);
  if (!lower.buffer_) return lower;
  for (char* p = lower.buffer_; *p != '\0'; ++p) {
    if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
  }
  return lower;
}

long String::toInt() const { return std::strtol(c_str(), nullptr, 10); }

double String::toDouble() const { return std::strtod(c_str(), nullptr); }

String String::format(const char* fmt, ...) {
  std::va_list args;
  va_start(args, fmt);
  char* scratch = formatToScratch(fmt, args);
  va_end(args);
  if (!scratch) return String();
  String formatted(scratch);
  std::free(scratch);
  return formatted;
}

int String::printf(const char* fmt, ...) {
  // The scratch becomes the new buffer; formatting into a separate block first keeps
  // arguments that point into this String's own text valid while they are read.
  std::va_list args;
  va_start(args, fmt);
  char* scratch = formatToScratch(fmt, args);
  va_end(args);
  std::free(buffer_);
  buffer_ = scratch;
  return length();
}

String operator+(const String& a, const String& b) {
  String joined(a);
  joined.append(b);
  return joined;
}

String operator+(const String& a, const char* b) {
  String joined(a);
  joined.append(b);
  return joined;
}

String operator+(const String& a, char c) { return a + String(c); }
