#include "framework/win/mouse_message.h"

#include <windowsx.h>

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState shift;
  if (keys & MK_SHIFT) shift.Include(TShiftStateFlag::ssShift);
  if (keys & MK_CONTROL) shift.Include(TShiftStateFlag::ssCtrl);
  if (keys & MK_LBUTTON) shift.Include(TShiftStateFlag::ssLeft);
  if (keys & MK_RBUTTON) shift.Include(TShiftStateFlag::ssRight);
  if (keys & MK_MBUTTON) shift.Include(TShiftStateFlag::ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(TShiftStateFlag::ssAlt);
  return shift;
}

void DispatchMouse(TControl& control, const TMessage& m) {
  const auto lparam = static_cast<LPARAM>(m.LParam);
  const int x = GET_X_LPARAM(lparam), y = GET_Y_LPARAM(lparam);
  TShiftState shift = KeysToShiftState(static_cast<WPARAM>(m.WParam));
  auto press = [&](TMouseButton button, bool twice) {
    if (twice) shift.Include(TShiftStateFlag::ssDouble);
    control.MouseDown(button, shift, x, y);
  };
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return press(TMouseButton::mbLeft, m.Msg == WM_LBUTTONDBLCLK);
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      return press(TMouseButton::mbRight, m.Msg == WM_RBUTTONDBLCLK);
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      return press(TMouseButton::mbMiddle, m.Msg == WM_MBUTTONDBLCLK);
    case WM_LBUTTONUP:
      return control.MouseUp(TMouseButton::mbLeft, shift, x, y);
    case WM_RBUTTONUP:
      return control.MouseUp(TMouseButton::mbRight, shift, x, y);
    case WM_MBUTTONUP:
      return control.MouseUp(TMouseButton::mbMiddle, shift, x, y);
    case WM_MOUSEMOVE:
      return control.MouseMove(shift, x, y);
    default:
      return;
  }
}
