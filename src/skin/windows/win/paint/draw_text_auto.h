#pragma once
// Text for skinned surfaces: the program's GBK texts drawn through the wide
// text call, which is right whatever the system's code page.

#include <windows.h>

#include <string>
#include <string_view>

// The result of DrawTextW: the text's height, or 0 on failure.
int DrawTextAuto(HDC dc, std::wstring_view text, RECT& rect, UINT format);

std::wstring AnsiToWide(std::string_view ansi);
