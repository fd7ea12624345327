#include "framework/win/window_class.h"

#include <commctrl.h>

#include <map>
#include <string>

#include "framework/win/window_proc.h"

namespace {

// Default procedures of the registered classes, by class name: the process's
// registered classes are process-wide state of their own.
std::map<std::wstring, WNDPROC>& DefaultProcedures() {
  static std::map<std::wstring, WNDPROC> procedures;
  return procedures;
}

void LoadCommonControls() {
  static const bool loaded = [] {
    INITCOMMONCONTROLSEX icc{
        sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)loaded;
}

}  // namespace

WNDPROC RegisterWindowClass(const TWindowClass& window_class) {
  auto& procedures = DefaultProcedures();
  if (auto found = procedures.find(window_class.name); found != procedures.end()) return found->second;

  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (window_class.system != nullptr) {
    LoadCommonControls();
    GetClassInfoExW(nullptr, window_class.system, &wc);
    wc.cbSize = sizeof(wc);
    wc.style = (wc.style & ~CS_GLOBALCLASS) | window_class.style;
    if (wc.style & CS_OWNDC) wc.style &= ~CS_PARENTDC;
  } else {
    wc.style = window_class.style;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  }
  const WNDPROC default_procedure = wc.lpfnWndProc;
  wc.lpfnWndProc = FrameworkWindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = window_class.name;
  wc.lpszMenuName = nullptr;
  RegisterClassExW(&wc);
  procedures.emplace(window_class.name, default_procedure);
  return default_procedure;
}

HWND CreateControlWindow(TWinControl* control, const TWindowClass& window_class, const CREATESTRUCTW& p) {
  RegisterWindowClass(window_class);
  const CreatingControl creating(control);
  return CreateWindowExW(p.dwExStyle, window_class.name, p.lpszName, static_cast<DWORD>(p.style), p.x, p.y,
                         p.cx, p.cy, p.hwndParent, p.hMenu, GetModuleHandleW(nullptr), nullptr);
}
