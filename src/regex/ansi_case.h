#pragma once
// The ANSI code page's case mapping, used by the case-changing replacement
// references. Two-byte characters are mapped whole or left alone, never split.

#include <string_view>

#include "framework/text.h"

AnsiString AnsiUpperCaseText(std::string_view s);
AnsiString AnsiLowerCaseText(std::string_view s);
