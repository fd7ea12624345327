#include "running_program.h"

#include "framework/win/application.h"
#include "skin/data/win/dib_image.h"
#include "skin/windows/skin_messages.h"

namespace {

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring here(path, length);
  return here.substr(0, here.find_last_of(L"\\/") + 1) + L"lexitally.exe";
}

std::wstring ClassOf(HWND wnd) {
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  return name;
}

std::wstring CaptionOf(HWND wnd) {
  wchar_t text[256] = {};
  GetWindowTextW(wnd, text, 256);
  return text;
}

struct TSearch {
  DWORD process = 0;
  const wchar_t* cls = nullptr;
  HWND except = nullptr;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND wnd, LPARAM search) {
  auto* s = reinterpret_cast<TSearch*>(search);
  if (ClassOf(wnd) == s->cls) s->found.push_back(wnd);
  return TRUE;
}

BOOL CALLBACK CollectTopLevel(HWND wnd, LPARAM search) {
  auto* s = reinterpret_cast<TSearch*>(search);
  DWORD process = 0;
  GetWindowThreadProcessId(wnd, &process);
  if (process == s->process && wnd != s->except && IsWindowVisible(wnd) && ClassOf(wnd) == s->cls)
    s->found.push_back(wnd);
  return TRUE;
}

}  // namespace

TRunningProgram::TRunningProgram() {
  std::wstring command = L"\"" + ProgramPath() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info_))
    return;
  Eventually(
      [this] {
        if (main_ == nullptr) main_ = TopLevel(L"Tfrmmain");
        return main_ != nullptr && SendMessageW(main_, SKM_ISSKINNED, 0, 0) == 1;
      },
      15000);
  // Input from this process goes to the program's window.
  if (main_ != nullptr) SetForegroundWindow(main_);
}

TRunningProgram::~TRunningProgram() {
  if (info_.hProcess == nullptr) return;
  if (Running() && main_ != nullptr) PostMessageW(main_, WM_CLOSE, 0, 0);
  if (WaitForExit(5000) == STILL_ACTIVE) TerminateProcess(info_.hProcess, 1);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool TRunningProgram::Running() const {
  return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD TRunningProgram::WaitForExit(DWORD ms) const {
  if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::vector<HWND> TRunningProgram::Children(const wchar_t* cls) const {
  TSearch search{info_.dwProcessId, cls, nullptr, {}};
  if (main_ != nullptr) EnumChildWindows(main_, CollectChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND TRunningProgram::Child(const wchar_t* cls, const wchar_t* caption) const {
  for (const HWND wnd : Children(cls))
    if (CaptionOf(wnd) == caption) return wnd;
  return nullptr;
}

HWND TRunningProgram::TopLevel(const wchar_t* cls) const {
  TSearch search{info_.dwProcessId, cls, main_, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found.empty() ? nullptr : search.found.front();
}

bool Eventually(const std::function<bool()>& done, int ms) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (static_cast<int>(GetTickCount() - start) > ms) return done();
    Application().ProcessMessages();
    Sleep(15);
  }
  return true;
}

TRect ScreenRect(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return {r.left, r.top, r.right, r.bottom};
}

POINT CentreOf(HWND wnd) {
  const TRect r = ScreenRect(wnd);
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

TSkinBitmap CaptureWindow(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  const HDC screen = GetDC(nullptr);
  TSkinBitmap image = CaptureImage(screen, r);
  ReleaseDC(nullptr, screen);
  return image;
}
