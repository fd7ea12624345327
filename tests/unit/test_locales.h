#pragma once
// The portable rule, told to tests in other ways.

#include <string_view>

#include "framework/locale.h"

// The portable rule without saying that it compares upper-cased texts: ranks
// settle ties by comparing, and folded forms are counted apart from them.
class PortableRuleUnsaid : public TLocale {
 public:
  int CompareText(std::string_view a, std::string_view b) const override {
    return NativeLocale().CompareText(a, b);
  }
  AnsiString SortKey(std::string_view s) const override { return NativeLocale().SortKey(s); }
  AnsiString AnsiUpperCase(std::string_view s) const override { return NativeLocale().AnsiUpperCase(s); }
  AnsiString AnsiLowerCase(std::string_view s) const override { return NativeLocale().AnsiLowerCase(s); }
};

// The same with sort keys that keep only the first byte: sorts must still
// follow the comparison where the keys cannot tell texts apart.
class CoarseKeys final : public PortableRuleUnsaid {
 public:
  AnsiString SortKey(std::string_view s) const override { return NativeLocale().SortKey(s.substr(0, 1)); }
};
