#include "framework/win/progress_bar.h"

#include <commctrl.h>

#include "framework/published.h"

namespace {
constexpr const char* kOrientationNames[] = {"pbHorizontal", "pbVertical"};
}  // namespace

const TEnumInfo kProgressBarOrientationInfo{"TProgressBarOrientation", kOrientationNames};

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 17);
}

const TClassInfo& TProgressBar::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishInteger("Min", &TProgressBar::Min, &TProgressBar::SetMin),
      PublishInteger("Max", &TProgressBar::Max, &TProgressBar::SetMax),
      PublishInteger("Position", &TProgressBar::Position, &TProgressBar::SetPosition),
      PublishInteger("Step", &TProgressBar::Step, &TProgressBar::SetStep),
      PublishEnum("Orientation", kProgressBarOrientationInfo, &TProgressBar::Orientation,
                  &TProgressBar::SetOrientation),
      PublishBoolean("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth),
  };
  static const TClassInfo info = MakeClassInfo<TProgressBar, TWinControl>("TProgressBar", properties);
  return info;
}

void TProgressBar::SetMin(int min) {
  min_ = min;
  InitializeWnd();
}

void TProgressBar::SetMax(int max) {
  max_ = max;
  InitializeWnd();
}

void TProgressBar::SetPosition(int position) {
  position_ = position;
  if (HandleAllocated()) SendMessageW(WindowHandle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetOrientation(TProgressBarOrientation orientation) {
  orientation_ = orientation;
  RecreateWnd();
}

void TProgressBar::SetSmooth(bool smooth) {
  smooth_ = smooth;
  RecreateWnd();
}

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TProgressBar", PROGRESS_CLASSW};
  if (orientation_ == TProgressBarOrientation::pbVertical) params.style |= PBS_VERTICAL;
  if (smooth_) params.style |= PBS_SMOOTH;
}

void TProgressBar::InitializeWnd() {
  if (!HandleAllocated()) return;
  SendMessageW(WindowHandle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
  SendMessageW(WindowHandle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}
