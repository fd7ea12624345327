#pragma once
// Where a line of text may wrap, and where words begin and end, for the
// UTF-16 texts that edit windows hold. Chinese text has no spaces: a line may
// wrap between any two wide characters, except before closing punctuation
// ("，", "。", "）") and after opening punctuation ("（", "《"), so that these
// never start or end a line on their own. Latin words wrap after their spaces.

#include <cstddef>

namespace line_breaks {

// Spaces: a line may wrap after them; they never start a line.
bool IsSpace(char16_t c);
// Ideographs, kana, hangul, full-width forms and the symbols of the CJK
// blocks: a line may wrap before and after each of them.
bool IsWide(char16_t c);
// Punctuation that closes a phrase: never the first character of a line.
bool IsClosing(char16_t c);
// Punctuation that opens a phrase: never the last character of a line.
bool IsOpening(char16_t c);

// True when a line may begin at `text[index]`, the text before it ending the
// previous line. Never at the start of the text or inside a surrogate pair.
template <class Char>
bool IsBreakBefore(const Char* text, std::size_t index) {
  if (index == 0) return false;
  const auto here = static_cast<char16_t>(text[index]);
  const auto before = static_cast<char16_t>(text[index - 1]);
  if (here >= 0xDC00 && here <= 0xDFFF) return false;
  if (IsSpace(here)) return false;
  if (IsSpace(before)) return true;
  if (IsClosing(here) || IsOpening(before)) return false;
  return IsWide(here) || IsWide(before);
}

// The start of the word before `index`: the nearest break position below
// `index`, or 0. `limit` caps the answer (the longest prefix that fits a
// line, for wrapping).
template <class Char>
std::size_t WordStartBefore(const Char* text, std::size_t index, std::size_t limit) {
  if (index == 0) return 0;
  std::size_t at = index - 1 < limit ? index - 1 : limit;
  while (at > 0 && !IsBreakBefore(text, at)) --at;
  return at;
}

// The end of the word at `index`: the first break position from `index` on,
// or `count` (the length of the text) when none is before it.
template <class Char>
std::size_t WordEndFrom(const Char* text, std::size_t index, std::size_t count) {
  while (index < count && text[index] != 0 && !IsBreakBefore(text, index)) ++index;
  return index;
}

}  // namespace line_breaks
