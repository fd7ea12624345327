#include "framework/win/up_down.h"

#include <commctrl.h>

#include "framework/published.h"

namespace {
constexpr const char* kOrientationNames[] = {"udHorizontal", "udVertical"};
}  // namespace

const TEnumInfo kUDOrientationInfo{"TUDOrientation", kOrientationNames};

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 17, 25);
}

const TClassInfo& TUpDown::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("Associate", &TUpDown::Associate, &TUpDown::SetAssociate),
      PublishInteger("Min", &TUpDown::Min, &TUpDown::SetMin),
      PublishInteger("Max", &TUpDown::Max, &TUpDown::SetMax),
      PublishInteger("Position", &TUpDown::Position, &TUpDown::SetPosition),
      PublishInteger("Increment", &TUpDown::Increment, &TUpDown::SetIncrement),
      PublishBoolean("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap),
      PublishBoolean("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands),
      PublishEnum("Orientation", kUDOrientationInfo, &TUpDown::Orientation, &TUpDown::SetOrientation),
      PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
  };
  static const TClassInfo info = MakeClassInfo<TUpDown, TWinControl>("TUpDown", properties);
  return info;
}

void TUpDown::SetAssociate(TWinControl* associate) {
  associate_ = associate;
  if (HandleAllocated()) InitializeWnd();
}

void TUpDown::SetMin(int min) {
  min_ = min;
  SendRange();
}

void TUpDown::SetMax(int max) {
  max_ = max;
  SendRange();
}

void TUpDown::SetPosition(int position) {
  position_ = position;
  if (HandleAllocated()) SendMessageW(WindowHandle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::SetIncrement(int increment) {
  increment_ = increment;
  if (!HandleAllocated()) return;
  UDACCEL accel{0, static_cast<UINT>(increment_)};
  SendMessageW(WindowHandle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TUpDown::SetWrap(bool wrap) {
  wrap_ = wrap;
  RecreateWnd();
}

void TUpDown::SetThousands(bool thousands) {
  thousands_ = thousands;
  RecreateWnd();
}

void TUpDown::SetOrientation(TUDOrientation orientation) {
  orientation_ = orientation;
  RecreateWnd();
}

void TUpDown::SendRange() {
  if (HandleAllocated()) SendMessageW(WindowHandle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void TUpDown::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TUpDown", UPDOWN_CLASSW};
  params.style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | (thousands_ ? 0 : UDS_NOTHOUSANDS) |
                  (wrap_ ? UDS_WRAP : 0) | (orientation_ == TUDOrientation::udHorizontal ? UDS_HORZ : 0);
}

void TUpDown::InitializeWnd() {
  HWND wnd = WindowHandle();
  // The buddy's window must exist before the up-down can write into it.
  SendMessageW(wnd, UDM_SETBUDDY, associate_ != nullptr ? reinterpret_cast<WPARAM>(associate_->Handle()) : 0,
               0);
  SendRange();
  SetIncrement(increment_);
  SendMessageW(wnd, UDM_SETPOS32, 0, position_);
}

void TUpDown::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
      // Sent after the position moved: the buddy has its new text already.
      if (LOWORD(m.WParam) == SB_THUMBPOSITION) {
        position_ = static_cast<int>(SendMessageW(WindowHandle(), UDM_GETPOS32, 0, 0));
        Click();
      }
      return;
    default:
      return TWinControl::WndProc(m);
  }
}
