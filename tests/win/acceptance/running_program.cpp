#include "running_program.h"

#include <commctrl.h>

#include <cstddef>
#include <cstring>

#include "app/win/main_form.h"
#include "framework/win/application.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"
#include "skin/windows/skin_messages.h"

TOwnSkin::TOwnSkin()
    : environment_(std::make_unique<TWinSkinEnvironment>()),
      scope_(std::make_unique<TSkinEnvironmentScope>(*environment_)),
      form_(new Tfrmmain(&Application())),
      skin_(ObjectAs<TSkinData>(form_->FindComponent("skndt1"))) {}

TOwnSkin::~TOwnSkin() {
  form_->Free();
}

namespace {

std::wstring ProgramPath(const wchar_t* program) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring here(path, length);
  return here.substr(0, here.find_last_of(L"\\/") + 1) + program;
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

TRunningProgram::TRunningProgram(const wchar_t* program, const wchar_t* main_class,
                                 const std::wstring& arguments) {
  std::wstring command = L"\"" + ProgramPath(program) + L"\"";
  if (!arguments.empty()) command += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info_))
    return;
  Eventually(
      [this, main_class] {
        if (main_ == nullptr) main_ = TopLevel(main_class);
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

std::wstring TRunningProgram::AskForText(HWND wnd, UINT message, WPARAM wparam, void* record, size_t size,
                                         size_t text_at) const {
  constexpr size_t kTextChars = 256, kTextAt = 512;
  auto* block = static_cast<char*>(VirtualAllocEx(
      info_.hProcess, nullptr, kTextAt + kTextChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
  if (block == nullptr) return {};
  wchar_t* remote_text = reinterpret_cast<wchar_t*>(block + kTextAt);
  std::memcpy(static_cast<char*>(record) + text_at, &remote_text, sizeof(remote_text));
  wchar_t text[kTextChars] = {};
  if (WriteProcessMemory(info_.hProcess, block, record, size, nullptr) &&
      SendMessageW(wnd, message, wparam, reinterpret_cast<LPARAM>(block)))
    ReadProcessMemory(info_.hProcess, remote_text, text, sizeof(text) - sizeof(wchar_t), nullptr);
  VirtualFreeEx(info_.hProcess, block, 0, MEM_RELEASE);
  return text;
}

std::wstring TRunningProgram::HeaderText(HWND header, int item) const {
  HDITEMW record{};
  record.mask = HDI_TEXT;
  record.cchTextMax = 255;
  return AskForText(header, HDM_GETITEMW, static_cast<WPARAM>(item), &record, sizeof(record),
                    offsetof(HDITEMW, pszText));
}

std::wstring TRunningProgram::CellText(HWND list, int row, int column) const {
  LVITEMW record{};
  record.iSubItem = column;
  record.cchTextMax = 255;
  // LVM_GETITEMTEXT answers the text's length: an empty cell reads as failure, and empty.
  return AskForText(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), &record, sizeof(record),
                    offsetof(LVITEMW, pszText));
}

RECT TRunningProgram::AskForRect(HWND wnd, UINT message, WPARAM wparam) const {
  RECT rect{};
  void* block = VirtualAllocEx(info_.hProcess, nullptr, sizeof(rect), MEM_COMMIT, PAGE_READWRITE);
  if (block == nullptr) return rect;
  // Some of these messages answer nothing: an untouched block reads as empty.
  if (WriteProcessMemory(info_.hProcess, block, &rect, sizeof(rect), nullptr)) {
    SendMessageW(wnd, message, wparam, reinterpret_cast<LPARAM>(block));
    ReadProcessMemory(info_.hProcess, block, &rect, sizeof(rect), nullptr);
  }
  VirtualFreeEx(info_.hProcess, block, 0, MEM_RELEASE);
  return rect;
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
