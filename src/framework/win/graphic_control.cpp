#include "framework/win/graphic_control.h"

#include <windowsx.h>

#include "framework/published.h"
#include "framework/win/application.h"
#include "framework/win/mouse_message.h"
#include "framework/win/win_control.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() {
  Application().ControlDestroying(this);
  if (auto* parent = ObjectAs<TWinControl>(Parent())) parent->ControlDestroying(this);
}

const TClassInfo& TGraphicControl::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TGraphicControl, TControl>("TGraphicControl");
  return info;
}

void TGraphicControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
      return WmMouse(m);
    case WM_PAINT:
      // The parent paints through WindowProc, so that whoever hooks it can
      // paint the control instead.
      return Paint(reinterpret_cast<HDC>(m.WParam));
    default:
      break;
  }
}

void TGraphicControl::WmMouse(TMessage& m) {
  if (!Enabled()) return;
  DispatchMouse(*this, m);
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  if (m.Msg == WM_LBUTTONUP && p.x >= 0 && p.y >= 0 && p.x < Width() && p.y < Height()) Click();
}

HWND TGraphicControl::ParentWindow() const {
  auto* parent = ObjectAs<TWinControl>(Parent());
  return parent != nullptr ? parent->WindowHandle() : nullptr;
}

void TGraphicControl::Invalidate() {
  if (HWND wnd = ParentWindow(); wnd != nullptr && Visible()) {
    const RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    InvalidateRect(wnd, &r, TRUE);
  }
}

void TGraphicControl::RealignParent() {
  if (HasState(TComponentStateFlag::csLoading)) return;
  if (auto* parent = ObjectAs<TWinControl>(Parent()); parent != nullptr && Align() != TAlign::alNone) {
    parent->Realign();
  }
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  Invalidate();
  TControl::SetBounds(left, top, width, height);
  Invalidate();
  RealignParent();
}

void TGraphicControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  Invalidate();
  TControl::SetVisible(visible);
  Invalidate();
  Perform(CM_VISIBLECHANGED, visible);
  RealignParent();
}

void TGraphicControl::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  Perform(CM_ENABLEDCHANGED);
  Invalidate();
}

void TGraphicControl::SetText(std::string_view text) {
  TControl::SetText(text);
  Perform(CM_TEXTCHANGED);
  Invalidate();
}

void TGraphicControl::SetColor(TColor color) {
  TControl::SetColor(color);
  Invalidate();
}

void TGraphicControl::SetAlign(TAlign align) {
  TControl::SetAlign(align);
  RealignParent();
}

void TGraphicControl::SetParent(TControl* parent) {
  if (parent != nullptr && !::InheritsFrom<TWinControl>(parent)) {
    throw EComponentError("The parent of '" + Name() + "' must be a windowed control");
  }
  Invalidate();
  TControl::SetParent(parent);
  Invalidate();
  RealignParent();
}

void TGraphicControl::FontChanged() {
  TControl::FontChanged();
  Invalidate();
}
