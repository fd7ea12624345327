#pragma once
// Whole-file reads and writes by GBK file name. Failures raise EFileError with
// the message the application shows.

#include <string_view>

#include "framework/text.h"

AnsiString ReadFileBytes(const AnsiString& file_name);
void WriteFileBytes(const AnsiString& file_name, std::string_view bytes);
