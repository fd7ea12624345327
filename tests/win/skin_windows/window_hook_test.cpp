// Taking a window's procedure over and giving it back exactly.

#include <gtest/gtest.h>

#include "skin/windows/skin_messages.h"
#include "skin/windows/win/win_subclass.h"

namespace {

HWND MakeWindow(bool unicode) {
  return unicode
             ? CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)
             : CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

TEST(WindowHook, TakesMessagesFirstAnswersTheSkinnedQuestionAndGivesTheProcedureBackAsItWasRead) {
  for (const bool unicode : {true, false}) {
    for (const bool ansi_hook : {false, true}) {
      HWND wnd = MakeWindow(unicode);
      const LONG_PTR before_w = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
      const LONG_PTR before_a = GetWindowLongPtrA(wnd, GWLP_WNDPROC);
      EXPECT_NE(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 1);

      std::vector<UINT> seen;
      TWindowHook hook;
      ASSERT_TRUE(hook.Hook(
          wnd,
          [&](TMessage& m) {
            seen.push_back(m.Msg);
            if (m.Msg == WM_USER + 1) {
              m.Result = 42;
              return;
            }
            hook.CallSaved(m);
          },
          ansi_hook));
      EXPECT_EQ(hook.Unicode(), unicode && !ansi_hook);
      // A second skin object cannot take the same window.
      TWindowHook second;
      EXPECT_FALSE(second.Hook(wnd, [](TMessage&) {}));

      EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 1);
      EXPECT_EQ(SendMessageW(wnd, WM_USER + 1, 0, 0), 42);
      SetWindowTextW(wnd, L"passed on");
      wchar_t text[32] = {};
      GetWindowTextW(wnd, text, 32);
      EXPECT_STREQ(text, L"passed on");
      EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_SETTEXT)), seen.end());

      hook.Unhook();
      EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), before_w);
      EXPECT_EQ(GetWindowLongPtrA(wnd, GWLP_WNDPROC), before_a);
      EXPECT_NE(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 1);
      const std::size_t count = seen.size();
      SendMessageW(wnd, WM_USER + 1, 0, 0);
      EXPECT_EQ(seen.size(), count);
      // Free again once given back.
      EXPECT_TRUE(second.Hook(wnd, [&](TMessage& m) { second.CallSaved(m); }));
      second.Unhook();
      DestroyWindow(wnd);
    }
  }
}

TEST(WindowHook, ReadsWindowTextAndTellsPopupWindows) {
  HWND wnd = MakeWindow(true);
  EXPECT_EQ(ReadWindowText(wnd), L"");
  SetWindowTextW(wnd, L"标题 Title");
  EXPECT_EQ(ReadWindowText(wnd), L"标题 Title");
  EXPECT_TRUE(IsPopupWindow(wnd));
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, wnd, nullptr, nullptr, nullptr);
  EXPECT_FALSE(IsPopupWindow(child));
  DestroyWindow(wnd);
}

}  // namespace
