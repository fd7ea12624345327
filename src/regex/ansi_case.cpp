#include "regex/ansi_case.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "framework/locale.h"
#endif

#ifdef _WIN32

// The system's mapping for its own code page.
AnsiString AnsiUpperCaseText(std::string_view s) {
  AnsiString out(s);
  if (!out.empty()) CharUpperBuffA(out.data(), static_cast<DWORD>(out.size()));
  return out;
}

AnsiString AnsiLowerCaseText(std::string_view s) {
  AnsiString out(s);
  if (!out.empty()) CharLowerBuffA(out.data(), static_cast<DWORD>(out.size()));
  return out;
}

#else

AnsiString AnsiUpperCaseText(std::string_view s) {
  return NativeLocale().AnsiUpperCase(s);
}

// The inverse of the native upper-casing: ASCII capitals and the GBK full-width
// Latin, Greek and Cyrillic capitals.
AnsiString AnsiLowerCaseText(std::string_view s) {
  struct CaseRange {
    unsigned char lead, first, last, shift;
  };
  static constexpr CaseRange kGbkUpperCase[] = {
      {0xA3, 0xC1, 0xDA, 0x20}, {0xA6, 0xA1, 0xB8, 0x20}, {0xA7, 0xA1, 0xC1, 0x30}};
  AnsiString out(s);
  for (std::size_t i = 0; i < out.size(); i += CharLength(out, i)) {
    if (CharLength(out, i) == 1) {
      if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
      continue;
    }
    const auto lead = static_cast<unsigned char>(out[i]);
    const auto trail = static_cast<unsigned char>(out[i + 1]);
    for (const CaseRange& r : kGbkUpperCase) {
      if (lead == r.lead && trail >= r.first && trail <= r.last)
        out[i + 1] = static_cast<char>(trail + r.shift);
    }
  }
  return out;
}

#endif
