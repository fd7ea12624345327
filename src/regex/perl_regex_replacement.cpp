// Expansion of the replacement template: "\1", "$1", "${1}", "${name}",
// "\g<name>", the case-changing "\F1", "\I1", "\L1", "\U1", and the escapes
// "\\", "\$", "$$".

#include <algorithm>

#include "regex/perl_regex.h"

#include "framework/locale.h"

namespace {

enum class CaseChange { kNone, kFirst, kInitials, kLower, kUpper };

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsNameChar(char c) {
  return IsNameStart(c) || IsDigit(c);
}

CaseChange CaseChangeOf(char c) {
  switch (c) {
    case 'F':
    case 'f':
      return CaseChange::kFirst;
    case 'I':
    case 'i':
      return CaseChange::kInitials;
    case 'L':
    case 'l':
      return CaseChange::kLower;
    case 'U':
    case 'u':
      return CaseChange::kUpper;
    default:
      return CaseChange::kNone;
  }
}

// After these bytes a word begins; an apostrophe right after one of them does
// not end the chance (« 'tis » becomes « 'Tis »).
bool StartsWordAfter(unsigned char c) {
  return c <= 0x26 || (c >= 0x28 && c <= 0x2E) || c == '<' || c == '?' || c == '[' || c == '{' || c == 0xB7;
}

char UpperCaseChar(char c) {
  return DefaultLocale().AnsiUpperCase(std::string_view(&c, 1))[0];
}

AnsiString ChangeCase(AnsiString text, CaseChange change) {
  switch (change) {
    case CaseChange::kNone:
      return text;
    case CaseChange::kLower:
      return DefaultLocale().AnsiLowerCase(text);
    case CaseChange::kUpper:
      return DefaultLocale().AnsiUpperCase(text);
    case CaseChange::kFirst:
      text = DefaultLocale().AnsiLowerCase(text);
      if (!IsLeadByte(static_cast<unsigned char>(text[0]))) text[0] = UpperCaseChar(text[0]);
      return text;
    case CaseChange::kInitials: {
      text = DefaultLocale().AnsiLowerCase(text);
      bool eligible = true;
      for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (CharLength(text, i) == 2) continue;
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\'' && eligible) continue;
        if (eligible) text[i] = UpperCaseChar(text[i]);
        eligible = StartsWordAfter(c);
      }
      return text;
    }
  }
  return text;
}

}  // namespace

AnsiString TPerlRegEx::BuildReplacement() const {
  AnsiString s = replacement_;

  // One digit, or two when the two-digit number names an existing group.
  const auto group_number = [&](std::size_t pos, std::size_t& length) {
    if (pos >= s.size() || !IsDigit(s[pos])) return -1;
    int number = s[pos] - '0';
    length = 1;
    if (pos + 1 < s.size() && IsDigit(s[pos + 1])) {
      const int two = number * 10 + (s[pos + 1] - '0');
      if (two <= SubExpressionCount()) {
        number = two;
        length = 2;
      }
    }
    return number;
  };
  // Puts group `number` in place of the reference; scanning goes on behind it.
  const auto substitute = [&](std::size_t pos, std::size_t length, int number, CaseChange change) {
    s.erase(pos, length);
    if (number > SubExpressionCount()) return pos;
    const AnsiString text = SubExpressionText(number);
    if (text.empty()) return pos;
    const AnsiString inserted = ChangeCase(text, change);
    s.insert(pos, inserted);
    return pos + inserted.size();
  };

  std::size_t i = 0;
  while (i + 1 < s.size()) {
    const char c = s[i];
    const char next = s[i + 1];
    std::size_t length = 0;
    if (c == '\\') {
      if (next == '\\' || next == '$') {
        s.erase(i, 1);
        i += 1;
      } else if (next == 'g' || next == 'G') {
        if (i + 3 < s.size() && s[i + 2] == '<' && IsNameStart(s[i + 3])) {
          std::size_t end = i + 3;
          while (end < s.size() && IsNameChar(s[end])) ++end;
          if (end < s.size() && s[end] == '>') {
            const int number = SubExpressionIndexOf(std::string_view(s).substr(i + 3, end - i - 3));
            if (number < 1) {
              s.erase(i, end + 1 - i);
            } else {
              i = substitute(i, end + 1 - i, number, CaseChange::kNone);
            }
          } else {
            i = end;
          }
        } else {
          i += 2;
        }
      } else if (const int number =
                     CaseChangeOf(next) == CaseChange::kNone ? -1 : group_number(i + 2, length);
                 number >= 0) {
        i = substitute(i, 2 + length, number, CaseChangeOf(next));
      } else if (const int number = group_number(i + 1, length); number >= 0) {
        i = substitute(i, 1 + length, number, CaseChange::kNone);
      } else {
        i += 1;
      }
    } else if (c == '$') {
      if (next == '$') {
        s.erase(i, 1);
        i += 1;
      } else if (next == '{') {
        std::size_t end = i + 2;
        int number = -1;
        if (end < s.size() && IsDigit(s[end])) {
          number = 0;
          while (end < s.size() && IsDigit(s[end])) {
            number = std::min(number * 10 + (s[end] - '0'), 1000000);
            ++end;
          }
        } else if (end < s.size() && IsNameStart(s[end])) {
          while (end < s.size() && IsNameChar(s[end])) ++end;
          if (end < s.size() && s[end] == '}') {
            number = SubExpressionIndexOf(std::string_view(s).substr(i + 2, end - i - 2));
          }
        }
        if (number >= 0 && end < s.size() && s[end] == '}') {
          i = substitute(i, end + 1 - i, number, CaseChange::kNone);
        } else {
          i += 1;
        }
      } else if (const int number = group_number(i + 1, length); number >= 0) {
        i = substitute(i, 1 + length, number, CaseChange::kNone);
      } else {
        i += 1;
      }
    } else {
      // A two-byte character is copied whole: its second byte may be "\".
      i += CharLength(s, i);
    }
  }
  return s;
}
