#include "framework/win/control_link.h"

#include <cwchar>

const std::wstring& ControlPropertyName() {
  static const std::wstring name = [] {
    wchar_t text[32];
    std::swprintf(text, 32, L"ControlOfs%.8X%.8X",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr))),
                  static_cast<unsigned>(GetCurrentThreadId()));
    return std::wstring(text);
  }();
  return name;
}

ATOM ControlAtom() {
  static const ATOM atom = GlobalAddAtomW(ControlPropertyName().c_str());
  return atom;
}

void LinkControl(HWND wnd, TControl* control) {
  SetPropW(wnd, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(ControlAtom())), control);
}

void UnlinkControl(HWND wnd) {
  RemovePropW(wnd, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(ControlAtom())));
}

TControl* ControlOfWindow(HWND wnd) {
  if (wnd == nullptr) return nullptr;
  return static_cast<TControl*>(
      GetPropW(wnd, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(ControlAtom()))));
}
