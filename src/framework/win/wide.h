#pragma once
// The window boundary: windows are Unicode, the program's texts are GBK bytes.
// Converting with code page 936 explicitly keeps Chinese texts right whatever
// the system's ANSI code page is.

#include <string>
#include <string_view>

#include "framework/text.h"

inline constexpr unsigned kGbkCodePage = 936;

std::wstring ToWide(std::string_view gbk);
AnsiString FromWide(std::wstring_view wide);
