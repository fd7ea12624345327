#include "skin/data/ini/quick_ini.h"

#include <limits>

#include "framework/string_list.h"

namespace {

bool IsSectionHeader(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && LowerCaseAscii(a) == LowerCaseAscii(b);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Decimal with an optional sign, or hexadecimal after "$" or a leading "0x".
bool ParseIniInteger(std::string_view text, std::int32_t& value) {
  std::size_t p = 0;
  const bool negative = p < text.size() && text[p] == '-';
  if (p < text.size() && (text[p] == '-' || text[p] == '+')) ++p;
  bool hex = false;
  if (p < text.size() && text[p] == '$') {
    hex = true;
    ++p;
  } else if (p == 0 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    hex = true;
    p = 2;
  }
  if (p == text.size()) return false;
  // Decimal may reach one past the largest positive value, for the negative end.
  const std::uint64_t limit =
      hex ? 0xFFFFFFFFu : std::uint64_t{std::numeric_limits<std::int32_t>::max()} + negative;
  std::uint64_t magnitude = 0;
  for (; p < text.size(); ++p) {
    const int digit = hex ? HexDigit(text[p]) : (text[p] >= '0' && text[p] <= '9' ? text[p] - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    if (magnitude > limit) return false;
  }
  const std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
  value = static_cast<std::int32_t>(negative ? 0u - bits : bits);
  return true;
}

}  // namespace

void TQuickIni::LoadFromStream(std::string_view text) {
  lines_.clear();
  sections_.clear();
  TStringList raw;
  raw.SetText(text);
  for (const AnsiString& item : raw.Items()) {
    AnsiString line = Trim(item);
    if (line.empty() || line.front() == ';') continue;
    if (IsSectionHeader(line)) sections_.push_back(Section{line, static_cast<int>(lines_.size())});
    lines_.push_back(std::move(line));
  }
}

int TQuickIni::SectionLine(std::string_view name) const {
  AnsiString header = "[";
  header.append(name) += ']';
  for (const Section& s : sections_) {
    if (EqualIgnoringAsciiCase(s.header, header)) return s.line;
  }
  return -1;
}

AnsiString TQuickIni::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
  const int header = SectionLine(section);
  if (header < 0) return AnsiString(defaultValue);
  const AnsiString wanted = LowerCaseAscii(key);
  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i) {
    const std::string_view line = lines_[i];
    if (IsSectionHeader(line)) break;
    const std::size_t equals = line.find('=');
    const std::string_view keyText =
        equals == std::string_view::npos ? std::string_view() : line.substr(0, equals);
    if (LowerCaseAscii(Trim(keyText)) != wanted) continue;
    const AnsiString value = equals == std::string_view::npos ? AnsiString() : Trim(line.substr(equals + 1));
    return value.empty() ? AnsiString(defaultValue) : value;
  }
  return AnsiString(defaultValue);
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
  std::int32_t value = 0;
  return ParseIniInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

std::vector<AnsiString> TQuickIni::ReadSections() const {
  std::vector<AnsiString> names;
  for (const Section& s : sections_) {
    const AnsiString header = Trim(s.header);
    names.push_back(Trim(std::string_view(header).substr(1, header.size() - 2)));
  }
  return names;
}
