#pragma once
// Texts are byte strings in the system ANSI code page (GBK: a byte 0x81-0xFE and
// the byte after it form one character). They are never converted between
// encodings inside the program; only the window boundary does that.

#include <cstddef>
#include <string>
#include <string_view>

using AnsiString = std::string;

// True for a byte that starts a two-byte character in code page 936.
constexpr bool IsLeadByte(unsigned char b) {
  return b >= 0x81 && b <= 0xFE;
}

// Length of the character that starts at `pos`: 2 for a lead byte that has a
// byte after it, else 1. A lead byte at the very end stands alone.
inline std::size_t CharLength(std::string_view s, std::size_t pos) {
  return IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() ? 2 : 1;
}

// Removes every leading and trailing byte of value 32 or less.
AnsiString Trim(std::string_view s);
// The same, as a view of `s`.
std::string_view TrimmedView(std::string_view s);

// Lower-cases "A"-"Z" in one-byte characters only; the second byte of a
// two-byte character is never touched, even when it looks like a letter.
AnsiString LowerCaseAscii(std::string_view s);

// Equal ignoring the case of "A"-"Z": how identifiers (class, property,
// component and enumeration names) compare.
bool SameText(std::string_view a, std::string_view b);
