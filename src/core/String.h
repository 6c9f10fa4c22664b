// The program's own 8-bit text: one heap buffer holding a NUL-terminated text, owned by
// the String, never shared. A failed allocation leaves the buffer null; every operation
// then treats the text as empty and none of them fails loudly. Characters are bytes.
//
// Buffers come from malloc, not operator new: the program's out-of-memory handler ends
// the program for containers, while a String must survive a failed allocation silently.
#pragma once

#include <cstddef>

class String {
public:
  // Owns a fresh 10-byte buffer holding the empty text.
  String();
  // A copy of a null buffer owns the empty text.
  String(const String& other);
  // Takes the buffer over; the source is left with a null buffer and reads as empty
  // (equals and notEquals are then false, as for any null buffer).
  String(String&& other) noexcept;
  // length -1 copies the whole NUL-terminated text; any other length copies exactly that
  // many bytes and terminates after them (other negative lengths act as -1). A null text
  // gives the empty text.
  String(const char* text, int length = -1);
  explicit String(char c);
  ~String();

  // Replaces the text; the buffer is reallocated to at least old length + new length + 1.
  String& operator=(const String& other);
  // Takes the buffer over and leaves the source null, as the move constructor does.
  String& operator=(String&& other) noexcept;
  // A null text assigns the empty text.
  String& operator=(const char* text);

  int length() const;
  // The buffer, or a static empty text when it is null.
  const char* c_str() const;
  // The byte at i when 0 <= i < length, else the first byte; 0 for a null buffer.
  char charAt(int i) const;

  // Appends; a null argument is ignored.
  String& append(const String& other);
  String& append(const char* text);

  // Both buffers exist and strcmp is 0 (resp. not 0): one null buffer makes both false.
  bool equals(const String& other) const;
  bool notEquals(const String& other) const;
  // strcmp of the two c_str is negative.
  bool less(const String& other) const;

  // Removes leading white space (space, tab, CR, LF, VT, FF) in place.
  String& trimLeft();

  String beforeFirst(char c) const;  // whole text when c does not occur
  String afterFirst(char c) const;   // empty when c does not occur
  String beforeLast(char c) const;   // empty when c does not occur
  String afterLast(char c) const;    // empty when c does not occur
  String untilSpace() const;         // before the first white-space byte, or all
  String fromSpace() const;          // from the first white-space byte on, or empty
  String toLower() const;            // A to Z become a to z, other bytes unchanged

  long toInt() const;  // strtol base 10; 0 for a null buffer
  double toDouble() const;

  // Formatted through a 1024-byte scratch buffer: at most 1023 bytes are kept.
  static String format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
  // Formats into this String itself (buffer resized to 1024 bytes, at most 1023 written);
  // returns the new length.
  int printf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

  bool operator==(const String& other) const { return equals(other); }
  bool operator<(const String& other) const { return less(other); }

private:
  // Tests reach in to give a String a null buffer, the state a failed allocation leaves.
  friend struct StringTestAccess;

  // Replaces the text with count bytes of text; text may point into this String's buffer.
  void assignBytes(const char* text, std::size_t count);
  // Appends count bytes of text; text may point into this String's buffer.
  void appendBytes(const char* text, std::size_t count);
  void placeBytes(std::size_t at, const char* text, std::size_t count);
  // Frees the buffer; every operation then reads the text as empty.
  void dropBuffer();

  char* buffer_;
};

String operator+(const String& a, const String& b);
String operator+(const String& a, const char* b);
String operator+(const String& a, char c);
