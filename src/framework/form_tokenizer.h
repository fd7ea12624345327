#pragma once
// Splits a form description into tokens. Quoted texts are GBK bytes taken as
// they stand; a run of quoted parts and #nnn character codes is one string
// token. A #nnn code above 255 would be a UTF-16 unit that has no portable GBK
// spelling here, so it is refused: descriptions spell such texts inside quotes.
// Errors raise EParserError with the line.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/exception.h"
#include "framework/type_info.h"

enum class TFormTokenKind {
  End,         // no more input
  Identifier,  // letters, digits, '_' and '.', not starting with a digit or '.'
  Integer,     // decimal or $hex, optionally negative
  String,
  Binary,  // { hex digits }, whitespace and line breaks allowed inside
  Symbol,  // one of = : [ ] ( ) < > , +
};

struct TFormToken {
  TFormTokenKind kind = TFormTokenKind::End;
  int line = 1;
  AnsiString text;  // identifier, string bytes, or the symbol
  std::int64_t integer = 0;
  TBytes bytes;

  bool IsSymbol(char symbol) const {
    return kind == TFormTokenKind::Symbol && text.size() == 1 && text[0] == symbol;
  }
  // An identifier that is this keyword, ignoring ASCII case.
  bool IsKeyword(std::string_view keyword) const;
};

class TFormTokenizer {
 public:
  explicit TFormTokenizer(std::string_view text) : text_(text) {}

  TFormToken Next();
  int Line() const { return line_; }

 private:
  void SkipBlanks();
  TFormToken ReadIdentifier();
  TFormToken ReadInteger();
  TFormToken ReadString();
  TFormToken ReadBinary();
  std::int64_t ReadNumber(bool negative);
  int ReadCharCode();
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek(std::size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
  [[noreturn]] void Fail(const AnsiString& message) const;

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};
