#include "framework/locale.h"

#include <algorithm>

namespace {

// Two-byte lower-case ranges of GBK and the distance down to their capitals.
struct CaseRange {
  unsigned char lead, first, last, shift;
};
constexpr CaseRange kGbkLowerCase[] = {
    {0xA3, 0xE1, 0xFA, 0x20},  // full-width Latin
    {0xA6, 0xC1, 0xD8, 0x20},  // Greek
    {0xA7, 0xD1, 0xF1, 0x30},  // Cyrillic
};

// The portable rule's case change, either way, in place: ASCII letters and
// the GBK letters of kGbkLowerCase.
void ChangeCaseIn(char* text, std::size_t n, bool to_upper) {
  const char from = to_upper ? 'a' : 'A';
  for (std::size_t i = 0; i < n;) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (!IsLeadByte(lead) || i + 1 == n) {
      if (text[i] >= from && text[i] <= from + 25) text[i] = static_cast<char>(text[i] ^ 0x20);
      ++i;
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    i += 2;
    // Most two-byte characters are ideographs, whose lead bytes have no case.
    if (lead != 0xA3 && lead != 0xA6 && lead != 0xA7) continue;
    for (const CaseRange& r : kGbkLowerCase) {
      if (lead != r.lead) continue;
      if (to_upper && trail >= r.first && trail <= r.last) text[i - 1] = static_cast<char>(trail - r.shift);
      if (!to_upper && trail >= r.first - r.shift && trail <= r.last - r.shift)
        text[i - 1] = static_cast<char>(trail + r.shift);
    }
  }
}

AnsiString ChangeCase(std::string_view s, bool to_upper) {
  AnsiString out(s);
  ChangeCaseIn(out.data(), out.size(), to_upper);
  return out;
}

class NativeRule final : public TLocale {
 public:
  int CompareText(std::string_view a, std::string_view b) const override {
    const AnsiString ua = AnsiUpperCase(a);
    const AnsiString ub = AnsiUpperCase(b);
    const auto [pa, pb] = std::mismatch(ua.begin(), ua.end(), ub.begin(), ub.end());
    if (pa == ua.end()) return pb == ub.end() ? 0 : -1;
    if (pb == ub.end()) return 1;
    return static_cast<unsigned char>(*pa) < static_cast<unsigned char>(*pb) ? -1 : 1;
  }

  AnsiString SortKey(std::string_view s) const override { return AnsiUpperCase(s); }
  void AppendSortKey(std::string_view s, AnsiString& out) const override {
    const std::size_t at = out.size();
    out += s;
    ChangeCaseIn(out.data() + at, s.size(), true);
  }
  bool ComparesUpperCased() const override { return true; }
  AnsiString AnsiUpperCase(std::string_view s) const override { return ChangeCase(s, true); }
  AnsiString AnsiLowerCase(std::string_view s) const override { return ChangeCase(s, false); }
};

const TLocale* g_default = nullptr;

}  // namespace

const TLocale& NativeLocale() {
  static const NativeRule rule;
  return rule;
}

const TLocale& DefaultLocale() {
  return g_default ? *g_default : NativeLocale();
}

void SetDefaultLocale(const TLocale& locale) {
  g_default = &locale;
}
