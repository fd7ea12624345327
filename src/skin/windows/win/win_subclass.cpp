#include "skin/windows/win/win_subclass.h"

#include <utility>

#include "skin/windows/skin_messages.h"

namespace {

// OBM_CHECKBOXES, which <windows.h> names only with OEMRESOURCE.
constexpr WORD kCheckBoxesBitmap = 0x7FF7;

// The property under which a hooked window keeps its hook record.
LPCWSTR HookProperty() {
  static const ATOM atom = GlobalAddAtomW(L"LexitallySkinHook");
  return reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(atom));
}

}  // namespace

bool TWindowHook::Hook(HWND window, THandler handler, bool ansi) {
  Unhook();
  if (!IsWindow(window) || GetPropW(window, HookProperty()) != nullptr) return false;
  window_ = window;
  handler_ = std::move(handler);
  unicode_ = !ansi && IsWindowUnicode(window) != FALSE;
  SetPropW(window, HookProperty(), this);
  if (unicode_) {
    saved_ = GetWindowLongPtrW(window, GWLP_WNDPROC);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProcedureW));
  } else {
    saved_ = GetWindowLongPtrA(window, GWLP_WNDPROC);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProcedureA));
  }
  hooked_ = true;
  return true;
}

void TWindowHook::Unhook() {
  if (!hooked_) return;
  hooked_ = false;
  if (!IsWindow(window_)) return;
  if (unicode_) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, saved_);
  } else {
    SetWindowLongPtrA(window_, GWLP_WNDPROC, saved_);
  }
  RemovePropW(window_, HookProperty());
}

void TWindowHook::CallSaved(TMessage& m) const {
  if (saved_ == 0) return;
  const auto proc = reinterpret_cast<WNDPROC>(saved_);
  m.Result = unicode_ ? CallWindowProcW(proc, window_, m.Msg, m.WParam, m.LParam)
                      : CallWindowProcA(proc, window_, m.Msg, m.WParam, m.LParam);
}

LRESULT CALLBACK TWindowHook::ProcedureW(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  return Dispatch(window, msg, wparam, lparam, true);
}

LRESULT CALLBACK TWindowHook::ProcedureA(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  return Dispatch(window, msg, wparam, lparam, false);
}

LRESULT TWindowHook::Dispatch(HWND window, UINT msg, WPARAM wparam, LPARAM lparam, bool unicode) {
  auto* hook = static_cast<TWindowHook*>(GetPropW(window, HookProperty()));
  if (hook == nullptr) {
    // Unhooked behind a procedure that still calls us (someone subclassed
    // the window after the skin did): nothing of ours is left to run.
    return unicode ? DefWindowProcW(window, msg, wparam, lparam)
                   : DefWindowProcA(window, msg, wparam, lparam);
  }
  TMessage message{msg, wparam, lparam, 0};
  // The skin never reports a failure: whatever goes wrong in its handling
  // leaves the message with the answer it has so far. The framework's own
  // procedure behind it shows the application's exceptions itself.
  try {
    hook->handler_(message);
  } catch (...) {
  }
  return msg == SKM_ISSKINNED ? 1 : message.Result;
}

std::wstring ReadWindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

bool IsPopupWindow(HWND window) {
  return (GetWindowLongPtrW(window, GWL_STYLE) & WS_POPUP) != 0 ||
         reinterpret_cast<ULONG_PTR>(GetParent(window)) == 0x10014;
}

SIZE CheckGlyphSize() {
  static const SIZE size = [] {
    SIZE s{13, 13};
    if (HBITMAP checks = LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckBoxesBitmap))) {
      BITMAP info{};
      if (GetObjectW(checks, sizeof(info), &info) != 0) s = {info.bmWidth / 4, info.bmHeight / 3};
      DeleteObject(checks);
    }
    return s;
  }();
  return size;
}

bool IsWindowSkinned(HWND window) {
  return SendMessageW(window, SKM_ISSKINNED, 0, 0) == 1;
}
