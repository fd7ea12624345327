#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/wide.h"

TEST(WindowBoundary, GbkCaptionRoundTripsThroughARealWindow) {
  const AnsiString caption = "文章单词拆分 \x81\x41 Lexitally";
  HWND wnd = CreateWindowExW(0, L"STATIC", ToWide(caption).c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  wchar_t buffer[256];
  const int n = GetWindowTextW(wnd, buffer, 256);
  EXPECT_EQ(FromWide(std::wstring_view(buffer, static_cast<std::size_t>(n))), caption);
  EXPECT_EQ(std::wstring(buffer, static_cast<std::size_t>(n)).substr(0, 2), L"\u6587\u7AE0");
  DestroyWindow(wnd);
}
