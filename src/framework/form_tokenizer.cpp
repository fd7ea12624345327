#include "framework/form_tokenizer.h"

#include <limits>

namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool TFormToken::IsKeyword(std::string_view keyword) const {
  return kind == TFormTokenKind::Identifier && SameText(text, keyword);
}

TFormToken TFormTokenizer::Next() {
  SkipBlanks();
  if (AtEnd()) return TFormToken{TFormTokenKind::End, line_, {}, 0, {}};
  const char c = Peek();
  if (IsLetter(c)) return ReadIdentifier();
  if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) return ReadInteger();
  if (c == '\'' || c == '#') return ReadString();
  if (c == '{') return ReadBinary();
  if (std::string_view("=:[]()<>,+").find(c) != std::string_view::npos) {
    ++pos_;
    return TFormToken{TFormTokenKind::Symbol, line_, AnsiString(1, c), 0, {}};
  }
  Fail("Unexpected character '" + AnsiString(1, c) + "'");
}

void TFormTokenizer::SkipBlanks() {
  while (!AtEnd() && static_cast<unsigned char>(Peek()) <= ' ') {
    if (Peek() == '\n') ++line_;
    ++pos_;
  }
}

TFormToken TFormTokenizer::ReadIdentifier() {
  const std::size_t start = pos_;
  while (IsLetter(Peek()) || IsDigit(Peek()) || (Peek() == '.' && IsLetter(Peek(1)))) ++pos_;
  return TFormToken{TFormTokenKind::Identifier, line_, AnsiString(text_.substr(start, pos_ - start)), 0, {}};
}

TFormToken TFormTokenizer::ReadInteger() {
  const bool negative = Peek() == '-';
  if (negative) ++pos_;
  const std::int64_t value = ReadNumber(negative);
  if (Peek() == '.' && IsDigit(Peek(1))) Fail("Floating-point values are not supported");
  if (IsLetter(Peek()) || IsDigit(Peek())) Fail("Invalid number");
  return TFormToken{TFormTokenKind::Integer, line_, {}, value, {}};
}

// Decimal, or hexadecimal after '$' (taken as the bits of a 64-bit value, so
// $FF000008 stays positive). Out of range is an error, not a wrap.
std::int64_t TFormTokenizer::ReadNumber(bool negative) {
  if (Peek() == '$') {
    ++pos_;
    std::uint64_t bits = 0;
    int digits = 0;
    for (int d; (d = HexDigit(Peek())) >= 0; ++pos_, ++digits) {
      if (digits == 16) Fail("Number out of range");
      bits = bits << 4 | static_cast<std::uint64_t>(d);
    }
    if (digits == 0) Fail("Invalid number");
    const auto value = static_cast<std::int64_t>(bits);
    if (negative && value == std::numeric_limits<std::int64_t>::min()) Fail("Number out of range");
    return negative ? -value : value;
  }
  // Accumulate downwards so that the most negative value fits.
  std::int64_t value = 0;
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  for (; IsDigit(Peek()); ++pos_) {
    const int d = Peek() - '0';
    if (value < (kMin + d) / 10) Fail("Number out of range");
    value = value * 10 - d;
  }
  if (!negative) {
    if (value == kMin) Fail("Number out of range");
    value = -value;
  }
  return value;
}

TFormToken TFormTokenizer::ReadString() {
  TFormToken token{TFormTokenKind::String, line_, {}, 0, {}};
  while (true) {
    if (Peek() == '\'') {
      ++pos_;
      while (true) {
        if (AtEnd() || Peek() == '\n' || Peek() == '\r') Fail("Unterminated string");
        if (Peek() == '\'') {
          if (Peek(1) != '\'') break;
          ++pos_;
        }
        // A two-byte character is copied whole, whatever its second byte.
        const std::size_t length = CharLength(text_, pos_);
        token.text.append(text_.substr(pos_, length));
        pos_ += length;
      }
      ++pos_;
    } else if (Peek() == '#') {
      ++pos_;
      token.text.push_back(static_cast<char>(ReadCharCode()));
    } else {
      return token;
    }
  }
}

int TFormTokenizer::ReadCharCode() {
  if (!IsDigit(Peek()) && Peek() != '$') Fail("Character code expected after '#'");
  const std::int64_t code = ReadNumber(false);
  if (code > 255)
    Fail("Character code #" + std::to_string(code) + " is not a single byte; spell the text in quotes");
  return static_cast<int>(code);
}

TFormToken TFormTokenizer::ReadBinary() {
  TFormToken token{TFormTokenKind::Binary, line_, {}, 0, {}};
  ++pos_;
  int high = -1;
  while (true) {
    SkipBlanks();
    if (AtEnd()) Fail("Unterminated binary value");
    if (Peek() == '}') break;
    const int d = HexDigit(Peek());
    if (d < 0) Fail("Invalid character in binary value");
    ++pos_;
    if (high < 0) {
      high = d;
    } else {
      token.bytes.push_back(static_cast<std::uint8_t>(high << 4 | d));
      high = -1;
    }
  }
  if (high >= 0) Fail("Odd number of digits in binary value");
  ++pos_;
  return token;
}

void TFormTokenizer::Fail(const AnsiString& message) const {
  throw EParserError(line_, message);
}
