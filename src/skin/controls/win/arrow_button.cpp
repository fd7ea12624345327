#include "skin/controls/win/arrow_button.h"

#include "framework/messages.h"
#include "framework/win/gdi.h"
#include "skin/controls/win/skin_date_time.h"

TArrowButton::TArrowButton(TComponent* owner) : TWinControl(owner), width_(GetSystemMetrics(SM_CXHSCROLL)) {}

void TArrowButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TArrowButton", nullptr, CS_HREDRAW | CS_VREDRAW};
}

void TArrowButton::Attach(TSkinDateTime& date_time, TWinControl& picker) {
  date_time_ = &date_time;
  picker_ = &picker;
  SetParent(&picker);
  Reposition();
}

void TArrowButton::Reposition() {
  if (picker_ == nullptr) return;
  const HWND picker = picker_->Handle();
  RECT r{};
  GetWindowRect(picker, &r);
  const bool left = (GetWindowLongPtrW(picker, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  const int width = r.right - r.left;
  SetBounds(left ? 2 : width - width_ - 4, 0, width_, r.bottom - r.top - 4);
}

void TArrowButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      const PaintScope paint(Handle());
      RECT r{};
      GetClientRect(Handle(), &r);
      if (date_time_ != nullptr) date_time_->PaintArrow(paint.dc(), r, hot_);
      message.Result = 0;
      return;
    }
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (picker_ != nullptr && IsWindowEnabled(picker_->Handle())) {
        hot_ = message.Msg == CM_MOUSEENTER;
        InvalidateRect(Handle(), nullptr, FALSE);
      }
      break;
    case WM_LBUTTONDOWN:
      if (picker_ != nullptr) {
        // At the same place of the picker, where its own button lies.
        const int x = static_cast<short>(LOWORD(message.LParam)) + Left();
        const int y = static_cast<short>(HIWORD(message.LParam)) + Top();
        const HWND picker = picker_->Handle();
        PostMessageW(picker, WM_LBUTTONDOWN, message.WParam, MAKELPARAM(x, y));
        PostMessageW(picker, WM_LBUTTONUP, message.WParam, MAKELPARAM(x, y));
      }
      InvalidateRect(Handle(), nullptr, FALSE);
      message.Result = 0;
      return;
    case WM_LBUTTONUP:
      if (picker_ != nullptr) ::SetFocus(picker_->Handle());
      message.Result = 0;
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
