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
