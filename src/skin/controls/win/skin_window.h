#pragma once
// A window the skin makes for itself (an overlay over a bar, a panel over a
// control): its class registered once, its object found from its handle by one
// static procedure, and its handle given up when it goes with its parent.

#include "framework/win/win_api.h"

// Registers the class unless it already is.
void RegisterSkinWindowClass(const wchar_t* name, WNDPROC procedure, UINT style);

// The procedure of a skin window whose object T was passed as the creation
// parameter. T has `LRESULT WndProc(HWND, UINT, WPARAM, LPARAM)` and
// `void WindowGone()`, called when the window is destroyed by others.
template <class T>
LRESULT CALLBACK SkinWindowProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, msg, wparam, lparam);
  if (msg == WM_NCDESTROY) {
    self->WindowGone();
    return DefWindowProcW(window, msg, wparam, lparam);
  }
  // The skin never reports a failure; its window keeps working.
  try {
    return self->WndProc(window, msg, wparam, lparam);
  } catch (...) {
    return DefWindowProcW(window, msg, wparam, lparam);
  }
}
