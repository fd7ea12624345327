#include "framework/win/windows_locale.h"

#include "framework/win/win_api.h"

#include "framework/win/wide.h"

namespace {

// One GBK character in the other case, or the character itself when that has
// no GBK form or the bytes are not a character.
AnsiString CaseOfCharacter(const char* bytes, int length, bool upper) {
  wchar_t wide[2];
  const int n = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, bytes, length, wide, 2);
  if (n != 1) return AnsiString(bytes, static_cast<std::size_t>(length));
  if (upper) {
    CharUpperBuffW(wide, 1);
  } else {
    CharLowerBuffW(wide, 1);
  }
  char back[4];
  BOOL lossy = FALSE;
  const int m = WideCharToMultiByte(kGbkCodePage, 0, wide, 1, back, sizeof back, nullptr, &lossy);
  if (m != length || lossy) return AnsiString(bytes, static_cast<std::size_t>(length));
  return AnsiString(back, static_cast<std::size_t>(m));
}

}  // namespace

WindowsLocale::WindowsLocale() : upper_(true), lower_(false) {}

WindowsLocale::CaseTable::CaseTable(bool upper) {
  for (int b = 0; b < 0x80; ++b) {
    const char c = static_cast<char>(b);
    single[static_cast<std::size_t>(b)] = static_cast<unsigned char>(CaseOfCharacter(&c, 1, upper)[0]);
  }
  for (int lead = 0; lead < kLeads; ++lead) {
    for (int trail = 0; trail < kTrails; ++trail) {
      const char pair[2] = {static_cast<char>(0x81 + lead), static_cast<char>(0x40 + trail)};
      const AnsiString other = CaseOfCharacter(pair, 2, upper);
      pairs[static_cast<std::size_t>(lead * kTrails + trail)] = static_cast<std::uint16_t>(
          static_cast<unsigned char>(other[0]) << 8 | static_cast<unsigned char>(other[1]));
    }
  }
}

AnsiString WindowsLocale::CaseTable::Apply(std::string_view s) const {
  AnsiString out(s);
  for (std::size_t i = 0; i < out.size(); i += CharLength(out, i)) {
    const auto lead = static_cast<unsigned char>(out[i]);
    if (lead < 0x80) {
      out[i] = static_cast<char>(single[lead]);
      continue;
    }
    if (CharLength(out, i) != 2) continue;
    const auto trail = static_cast<unsigned char>(out[i + 1]);
    if (trail < 0x40 || trail == 0xFF) continue;
    const std::uint16_t other = pairs[static_cast<std::size_t>((lead - 0x81) * kTrails + trail - 0x40)];
    out[i] = static_cast<char>(other >> 8);
    out[i + 1] = static_cast<char>(other & 0xFF);
  }
  return out;
}

int WindowsLocale::CompareText(std::string_view a, std::string_view b) const {
  const std::wstring wa = ToWide(a), wb = ToWide(b);
  const int r = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.data(), static_cast<int>(wa.size()),
                               wb.data(), static_cast<int>(wb.size()));
  return r - CSTR_EQUAL;
}

namespace {

// The key LCMapString makes for the comparison's own locale and flags, so
// that its byte order is CompareString's order.
constexpr DWORD kSortKeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;

}  // namespace

AnsiString WindowsLocale::SortKey(std::string_view s) const {
  const std::wstring wide = ToWide(s);
  if (wide.empty()) return AnsiString();
  const int length = static_cast<int>(wide.size());
  const int size = LCMapStringW(LOCALE_USER_DEFAULT, kSortKeyFlags, wide.data(), length, nullptr, 0);
  if (size <= 0) return AnsiString();
  AnsiString key(static_cast<std::size_t>(size), '\0');
  // With LCMAP_SORTKEY the output is bytes, whatever the buffer's type.
  LCMapStringW(LOCALE_USER_DEFAULT, kSortKeyFlags, wide.data(), length, reinterpret_cast<LPWSTR>(key.data()),
               size);
  key.resize(key.find('\0'));
  return key;
}

// Words are short: their wide form and key fit buffers here, and one call of
// LCMapString makes the key where SortKey asks its size first (the keys of
// 10^5 words are made at once). Anything longer goes SortKey's way.
void WindowsLocale::AppendSortKey(std::string_view s, AnsiString& out) const {
  constexpr int kWide = 64;
  wchar_t wide[kWide];
  char key[512];
  const int length =
      s.empty() || s.size() > kWide
          ? 0
          : MultiByteToWideChar(kGbkCodePage, 0, s.data(), static_cast<int>(s.size()), wide, kWide);
  const int size = length > 0 ? LCMapStringW(LOCALE_USER_DEFAULT, kSortKeyFlags, wide, length,
                                             reinterpret_cast<LPWSTR>(key), sizeof key)
                              : 0;
  if (size <= 0) {
    out += SortKey(s);
    return;
  }
  const std::string_view made(key, static_cast<std::size_t>(size));
  out += made.substr(0, made.find('\0'));
}

AnsiString WindowsLocale::AnsiUpperCase(std::string_view s) const {
  return upper_.Apply(s);
}

AnsiString WindowsLocale::AnsiLowerCase(std::string_view s) const {
  return lower_.Apply(s);
}
