#include "framework/win/splitter.h"

#include "framework/layout.h"
#include "framework/published.h"
#include "framework/win/font_handle.h"
#include "framework/win/gdi.h"
#include "framework/win/win_control.h"

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetAlign(TAlign::alLeft);
  SetBounds(0, 0, 3, 100);
}

const TClassInfo& TSplitter::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishInteger("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize),
  };
  static const TClassInfo info = MakeClassInfo<TSplitter, TGraphicControl>("TSplitter", properties);
  return info;
}

bool TSplitter::Horizontal() const {
  return Align() == TAlign::alTop || Align() == TAlign::alBottom;
}

int TSplitter::SizeOf(const TControl& c) const {
  return Horizontal() ? c.Height() : c.Width();
}

HCURSOR TSplitter::Cursor() const {
  return LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(Horizontal() ? IDC_SIZENS : IDC_SIZEWE));
}

void TSplitter::Paint(HDC dc) {
  const RECT r{0, 0, Width(), Height()};
  const UniqueBrush brush(CreateSolidBrush(ColorToRGB(Color())));
  FillRect(dc, &r, brush.get());
}

TControl* TSplitter::Neighbour() const {
  TControl* parent = Parent();
  if (parent == nullptr) return nullptr;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    const bool touches = Align() == TAlign::alLeft     ? c->Left() + c->Width() == Left()
                         : Align() == TAlign::alRight  ? c->Left() == Left() + Width()
                         : Align() == TAlign::alTop    ? c->Top() + c->Height() == Top()
                         : Align() == TAlign::alBottom ? c->Top() == Top() + Height()
                                                       : false;
    if (touches) return c;
  }
  return nullptr;
}

int TSplitter::FreeSpace() const {
  auto* parent = ObjectAs<TWinControl>(Parent());
  const layout::Rect client = parent->ClientRect();
  int taken = 0;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    const TControl* c = parent->Controls(i);
    if (!c->Visible()) continue;
    const bool same_axis = Horizontal() ? c->Align() == TAlign::alTop || c->Align() == TAlign::alBottom
                                        : c->Align() == TAlign::alLeft || c->Align() == TAlign::alRight;
    if (same_axis) taken += SizeOf(*c);
  }
  return (Horizontal() ? client.Height() : client.Width()) - taken;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  dragged_ = Neighbour();
  if (dragged_ == nullptr) return;
  start_size_ = SizeOf(*dragged_);
  free_space_ = FreeSpace();
  GetCursorPos(&start_cursor_);
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (dragged_ == nullptr || !shift.Contains(TShiftStateFlag::ssLeft)) return;
  POINT cursor;
  GetCursorPos(&cursor);
  int delta = Horizontal() ? cursor.y - start_cursor_.y : cursor.x - start_cursor_.x;
  if (Align() == TAlign::alRight || Align() == TAlign::alBottom) delta = -delta;
  const int size = layout::SplitterSize(start_size_ + delta, start_size_, free_space_, min_size_);
  if (size == SizeOf(*dragged_)) return;
  if (Horizontal()) {
    dragged_->SetHeight(size);
  } else {
    dragged_->SetWidth(size);
  }
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button == TMouseButton::mbLeft) dragged_ = nullptr;
}
