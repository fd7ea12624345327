#pragma once
// Read-only INI lookups over a text read once into memory: the skin
// description. Section names compare without regard to ASCII letter case,
// keys after lowering to ASCII lower case; the first of repeated sections or
// keys wins.

#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/text.h"

class TQuickIni {
 public:
  // Replaces what was read before. A NUL byte ends the text.
  void LoadFromStream(std::string_view text);

  // Index in the kept lines of the first header "[name]", or -1.
  int SectionLine(std::string_view name) const;
  // The first entry of `key` in the section; `defaultValue` when the section
  // or key is missing or that first entry's value is empty.
  AnsiString ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  // Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X";
  // hexadecimal takes up to eight digits as the 32-bit pattern. Anything else,
  // or a decimal outside 32 bits, gives `defaultValue`.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
  // Every section header in text order, repeats included, without brackets
  // and trimmed.
  std::vector<AnsiString> ReadSections() const;

 private:
  struct Section {
    AnsiString header;  // as written, brackets included
    int line;
  };
  std::vector<AnsiString> lines_;
  std::vector<Section> sections_;
};
