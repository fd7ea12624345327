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

AnsiString AnsiLowerCaseText(std::string_view s) {
  return NativeAnsiLowerCase(s);
}

#endif
