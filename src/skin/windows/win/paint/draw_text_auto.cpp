#include "skin/windows/win/paint/draw_text_auto.h"

#include "framework/win/wide.h"

int DrawTextAuto(HDC dc, std::wstring_view text, RECT& rect, UINT format) {
  // A copy with room for four more characters: with DT_MODIFYSTRING the call writes into the text.
  std::wstring buffer(text);
  buffer.append(4, L'\0');
  return DrawTextW(dc, buffer.data(), static_cast<int>(text.size()), &rect, format);
}

std::wstring AnsiToWide(std::string_view ansi) {
  return ToWide(ansi);
}
