#include "framework/win/group_box.h"

#include <cstdlib>

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 105);
}

const TClassInfo& TCustomGroupBox::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCustomGroupBox, TWinControl>("TCustomGroupBox");
  return info;
}

const TClassInfo& TGroupBox::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TGroupBox, TCustomGroupBox>("TGroupBox");
  return info;
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TGroupBox", L"BUTTON"};
  params.style |= BS_GROUPBOX;
}

void TCustomGroupBox::AdjustClientRect(layout::Rect& rect) const {
  // The caption line is as high as the font; the frame is two pixels wide.
  const int caption = std::abs(Font()->Height());
  rect = {rect.Left + 2, rect.Top + caption + 2, rect.Right - 2, rect.Bottom - 2};
}
