#pragma once
// PCRE2's character tables, built from a single-byte classification so that
// Windows builds follow the system's locale rather than the C runtime's.

#include <array>

// Layout of PCRE2's table block: lower-case map, case-flip map, ten class
// bitmaps of 32 bytes, character-type bytes.
using TCharTables = std::array<unsigned char, 256 + 256 + 320 + 256>;

// How the locale classifies one byte taken as a character of its own.
struct TByteClass {
  bool space = false, alpha = false, upper = false, lower = false, digit = false, xdigit = false;
  bool punct = false, cntrl = false, graph = false, print = false;
  unsigned char to_lower = 0, to_upper = 0;
};
using TByteClasses = std::array<TByteClass, 256>;

// On Windows the user-default locale's classification and case mapping; elsewhere
// the C locale's.
TByteClasses LocaleByteClasses();

TCharTables MakeCharTables(const TByteClasses& classes);
