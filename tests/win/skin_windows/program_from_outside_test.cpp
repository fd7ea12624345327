// The program as a user starts it, probed from another process: its main
// window is taken over by the skin shortly after start, with the skin's
// frame around an unchanged client area.

#include <gtest/gtest.h>

#include <string>

#include "framework/win/win_api.h"
#include "skin/windows/skin_messages.h"

namespace {

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring here(path, length);
  return here.substr(0, here.find_last_of(L"\\/") + 1) + L"lexitally.exe";
}

struct TFound {
  DWORD process;
  HWND window;
};

BOOL CALLBACK FindMainWindow(HWND wnd, LPARAM out) {
  auto* found = reinterpret_cast<TFound*>(out);
  DWORD process = 0;
  GetWindowThreadProcessId(wnd, &process);
  wchar_t name[32];
  if (process == found->process && IsWindowVisible(wnd) && GetClassNameW(wnd, name, 32) > 0 &&
      std::wstring(name) == L"Tfrmmain") {
    found->window = wnd;
    return FALSE;
  }
  return TRUE;
}

TEST(ProgramFromOutside, TheMainWindowIsSkinnedWithinASecondAndClosesWithTheProgram) {
  std::wstring command = L"\"" + ProgramPath() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  ASSERT_TRUE(
      CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
  TFound found{info.dwProcessId, nullptr};
  // Counted from the window's appearance: how long the process takes to
  // start depends on the machine's load, not on the engine.
  const DWORD start = GetTickCount();
  DWORD shown_at = 0;
  bool skinned = false;
  DWORD skinned_at = 0;
  while (GetTickCount() - start < 10000) {
    if (found.window == nullptr) {
      EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
      shown_at = GetTickCount();
    }
    if (found.window != nullptr && SendMessageW(found.window, SKM_ISSKINNED, 0, 0) == 1) {
      skinned = true;
      skinned_at = GetTickCount() - shown_at;
      break;
    }
    Sleep(20);
  }
  ASSERT_NE(found.window, nullptr);
  EXPECT_TRUE(skinned);
  EXPECT_LT(skinned_at, 1500u);
  EXPECT_EQ(SendMessageW(found.window, SKM_PING, 0, kSkinMagic), kSkinMagic);
  // The skin's frame: wider borders than the client area needs, a title above.
  RECT outer{}, client{};
  GetWindowRect(found.window, &outer);
  GetClientRect(found.window, &client);
  POINT origin{0, 0};
  ClientToScreen(found.window, &origin);
  EXPECT_GT(origin.y - outer.top, origin.x - outer.left);
  EXPECT_EQ(outer.right - outer.left - client.right, 2 * (origin.x - outer.left));

  PostMessageW(found.window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(info.hProcess, 5000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(info.hProcess, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}

}  // namespace
