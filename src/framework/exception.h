#pragma once
// Failures of the application side are exceptions that handlers let pass; the
// application object shows their message (GBK text) and the program goes on.

#include <stdexcept>
#include <string>

#include "framework/text.h"

class Exception : public std::runtime_error {
 public:
  explicit Exception(const AnsiString& message) : std::runtime_error(message) {}
  AnsiString Message() const { return what(); }
};

// A file could not be opened, read or written.
class EFileError : public Exception {
 public:
  using Exception::Exception;
};

// An index outside a list.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

// A component's usage rule was broken (a regular expression's match data
// asked for without a match, a group index out of range).
class EAssertionFailed : public Exception {
 public:
  using Exception::Exception;
};

// A form description that cannot be read: a syntax error, or a class, property
// or handler that does not exist. These are programming errors; the message
// names the line.
class EParserError : public Exception {
 public:
  EParserError(int line, const AnsiString& message)
      : Exception("Line " + std::to_string(line) + ": " + message), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};
