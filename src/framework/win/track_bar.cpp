#include "framework/win/track_bar.h"

#include <commctrl.h>

#include "framework/published.h"

namespace {
constexpr const char* kOrientationNames[] = {"trHorizontal", "trVertical"};
}  // namespace

const TEnumInfo kTrackBarOrientationInfo{"TTrackBarOrientation", kOrientationNames};

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

const TClassInfo& TTrackBar::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishInteger("Min", &TTrackBar::Min, &TTrackBar::SetMin),
      PublishInteger("Max", &TTrackBar::Max, &TTrackBar::SetMax),
      PublishInteger("Position", &TTrackBar::Position, &TTrackBar::SetPosition),
      PublishInteger("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency),
      PublishInteger("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize),
      PublishEnum("Orientation", kTrackBarOrientationInfo, &TTrackBar::Orientation,
                  &TTrackBar::SetOrientation),
      PublishEvent("OnChange", &TTrackBar::OnChange, &TTrackBar::SetOnChange),
  };
  static const TClassInfo info = MakeClassInfo<TTrackBar, TWinControl>("TTrackBar", properties);
  return info;
}

void TTrackBar::SetMin(int min) {
  min_ = min;
  InitializeWnd();
}

void TTrackBar::SetMax(int max) {
  max_ = max;
  InitializeWnd();
}

void TTrackBar::SetPosition(int position) {
  if (HandleAllocated()) {
    SendMessageW(WindowHandle(), TBM_SETPOS, TRUE, position);
    // The window keeps the position inside the range.
    position = static_cast<int>(SendMessageW(WindowHandle(), TBM_GETPOS, 0, 0));
  }
  PositionChanged(position);
}

void TTrackBar::SetFrequency(int frequency) {
  frequency_ = frequency;
  InitializeWnd();
}

void TTrackBar::SetPageSize(int page_size) {
  page_size_ = page_size;
  InitializeWnd();
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
  orientation_ = orientation;
  RecreateWnd();
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TTrackBar", TRACKBAR_CLASSW};
  params.style |= TBS_AUTOTICKS | (orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::InitializeWnd() {
  if (!HandleAllocated()) return;
  HWND wnd = WindowHandle();
  SendMessageW(wnd, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(wnd, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageW(wnd, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
  SendMessageW(wnd, TBM_SETPAGESIZE, 0, page_size_);
  SendMessageW(wnd, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
      PositionChanged(static_cast<int>(SendMessageW(WindowHandle(), TBM_GETPOS, 0, 0)));
      return;
    default:
      return TWinControl::WndProc(m);
  }
}

void TTrackBar::PositionChanged(int position) {
  if (position == position_) return;
  position_ = position;
  if (!HasState(TComponentStateFlag::csLoading)) on_change_(this);
}
