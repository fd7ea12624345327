#include "skin/controls/win/skin_scrollbar_h.h"

namespace {

RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

}  // namespace

TSkinScrollbarH::~TSkinScrollbarH() = default;

void TSkinScrollbarH::AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) {
  TSkinControl::AttachWindow(window, data, form);
  if (SkinState() != TSkinState::ssAttached || horizontal_) return;
  horizontal_ = std::make_unique<TWScrollbar>(*this);
  vertical_ = std::make_unique<TWScrollbar>(*this);
  horizontal_->AttachToWindow(window, TWScrollbar::skHorizontal);
  vertical_->AttachToWindow(window, TWScrollbar::skVertical);
}

void TSkinScrollbarH::Detach() {
  TSkinControl::Detach();
  if (SkinState() != TSkinState::ssWindowGone) {
    horizontal_.reset();
    vertical_.reset();
  } else {
    // Whatever comes in the window's place must not stay covered.
    if (horizontal_) horizontal_->Hide();
    if (vertical_) vertical_->Hide();
  }
}

void TSkinScrollbarH::AfterMessage(TMessage& message) {
  if (!horizontal_ || !vertical_) return TSkinControl::AfterMessage(message);
  // A hidden list shows no bars: neither overlay may stay on screen.
  if (!IsWindowVisible(Handle())) {
    vertical_->Hide();
    horizontal_->Hide();
  }
  switch (message.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
      vertical_->Place();
      horizontal_->Place();
      Redraw();
      break;
    case WM_HSCROLL:
      horizontal_->ScrollCode(static_cast<unsigned>(message.WParam));
      break;
    case WM_VSCROLL:
      vertical_->ScrollCode(static_cast<unsigned>(message.WParam));
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinScrollbarH::DrawSkin(HDC dc, const RECT&) {
  if (!horizontal_ || !vertical_) return;
  if (vertical_->Shown()) vertical_->Invalidate();
  if (horizontal_->Shown()) horizontal_->Invalidate();
  if (vertical_->Shown() && horizontal_->Shown())
    FillSkinColor(dc, ToRect(ScrollCornerBare(vertical_->BarClientRect(), horizontal_->BarClientRect())));
}
