#pragma once
// Locale services that string lists and the word statistics depend on. The
// Windows program installs the system's (CompareString on the user-default
// locale); elsewhere a documented deterministic rule stands in, so results are
// reproducible on any machine.

#include <string_view>

#include "framework/text.h"

class TLocale {
 public:
  virtual ~TLocale() = default;
  // Case-insensitive comparison: negative, zero or positive.
  virtual int CompareText(std::string_view a, std::string_view b) const = 0;
  // Bytes whose unsigned order (a proper prefix first) is CompareText's
  // order, so that a sort compares each text's key instead of the texts.
  // Texts with equal keys should compare equal; sorts settle such ties
  // with CompareText all the same.
  virtual AnsiString SortKey(std::string_view s) const = 0;
  // SortKey(s) appended to `out`: keys of many texts are made back to back,
  // and a locale may write each there without a string of its own.
  virtual void AppendSortKey(std::string_view s, AnsiString& out) const { out += SortKey(s); }
  // True when CompareText is the unsigned byte order of the two texts
  // upper-cased by AnsiUpperCase and SortKey is that upper-cased text: keys
  // then settle every tie, and texts compare equal exactly when their
  // upper-cased forms are equal.
  virtual bool ComparesUpperCased() const { return false; }
  // The platform's case mapping of the ANSI code page, either way.
  virtual AnsiString AnsiUpperCase(std::string_view s) const = 0;
  virtual AnsiString AnsiLowerCase(std::string_view s) const = 0;
};

// The portable rule: upper-case both texts, then compare bytes as unsigned, a
// proper prefix first. Upper-casing changes ASCII a-z and, in two-byte
// characters, the GBK full-width Latin (A3E1-A3FA), Greek (A6C1-A6D8) and
// Cyrillic (A7D1-A7F1) lower-case letters to their capitals.
// Its lower-casing is the inverse of the upper-casing; its sort key is the
// upper-cased text.
const TLocale& NativeLocale();

// The locale new string lists use; NativeLocale() until a program installs
// another one at start-up.
const TLocale& DefaultLocale();
void SetDefaultLocale(const TLocale& locale);
