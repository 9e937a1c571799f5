// Paths and names are ANSI text. In a double-byte code page the byte "\" is
// also the second byte of many characters (0x95 0x5C is one character), so
// they are read a character at a time, never byte by byte from the end.
#pragma once

#include <cstddef>
#include <string>

// Where the last character of `text` begins; npos for an empty text.
size_t LastCharacterAt(const std::string& text);

// Where the last "\" character of `text` is; npos when there is none.
size_t LastBackslashAt(const std::string& text);

// True when the last character of `text` is `c` (an ASCII character).
bool EndsWithCharacter(const std::string& text, char c);
