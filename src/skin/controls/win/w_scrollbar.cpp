#include "skin/controls/win/w_scrollbar.h"

#include <windowsx.h>

#include "framework/win/control_link.h"
#include "framework/win/win_control.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/controls/win/scroll_bar_paint.h"
#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/skin_window.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/skin_data_part_win.h"
#include "skin/windows/skin_messages.h"

namespace {

constexpr wchar_t kClassName[] = L"TWScrollbar";

POINT PointOf(LPARAM lparam) {
  return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
}

LPARAM ToLParam(POINT p) {
  return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

}  // namespace

TWScrollbar::TWScrollbar(const TSkinControl& owner)
    : owner_(owner), arrow_size_(GetSystemMetrics(SM_CXHSCROLL)) {}

TWScrollbar::~TWScrollbar() {
  *alive_ = false;
  if (!window_) return;
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  UnlinkControl(window_.get());
}

void TWScrollbar::AttachToWindow(HWND target, TKind kind) {
  target_ = target;
  kind_ = kind;
  vertical_ = kind == skVertical;
  CreateOverlay();
}

void TWScrollbar::AttachToControl(TWinControl& control) {
  target_control_ = &control;
  target_ = control.Handle();
  kind_ = skControl;
  vertical_ = OverlayVertical(kind_, LowerCaseAscii(GetEnumPropByName(&control, "Kind")));
  CreateOverlay();
  // The mouse over the overlay is over the control: its hint shows.
  if (window_) LinkControl(window_.get(), &control);
}

void TWScrollbar::CreateOverlay() {
  RegisterSkinWindowClass(kClassName, SkinWindowProcedure<TWScrollbar>, CS_DBLCLKS);
  window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                GetParent(target_), nullptr, GetModuleHandleW(nullptr), this));
  Place();
}

void TWScrollbar::WindowGone() {
  // Destroyed with its parent: the overlay must not destroy it again.
  UnlinkControl(window_.get());
  (void)window_.release();
}

// `window` is the overlay's, also while it is created and window_ is not set yet.
LRESULT TWScrollbar::WndProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case SKM_ISSKINNED:
      return 1;
    case WM_ERASEBKGND:
      // The native bar behind must never show through.
      return 1;
    case WM_PAINT: {
      const PaintScope paint(window);
      Paint(paint.dc());
      return 0;
    }
    case WM_MOUSEMOVE:
      MouseMove(PointOf(lparam));
      return 0;
    case WM_MOUSELEAVE:
      MouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ButtonDown(PointOf(lparam));
      return 0;
    case WM_LBUTTONUP:
      ButtonUp(PointOf(lparam));
      return 0;
    default:
      return DefWindowProcW(window, msg, wparam, lparam);
  }
}

bool TWScrollbar::QueryBar(SCROLLBARINFO& info) const {
  if (owner_.SkinData() == nullptr) return false;
  if (kind_ == skControl) return QueryControlBar(info);
  return QueryWindowBar(*owner_.SkinData(), target_, Vertical(), info);
}

bool TWScrollbar::QueryControlBar(SCROLLBARINFO& info) const {
  info = SCROLLBARINFO{};
  info.cbSize = sizeof(info);
  RECT bounds;
  if (!GetWindowRect(target_, &bounds)) return false;
  SCROLLINFO scroll{sizeof(scroll), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(target_, SB_CTL, &scroll)) return false;
  info.rcScrollBar = bounds;
  const int length = Vertical() ? bounds.bottom - bounds.top : bounds.right - bounds.left;
  const TThumbSpan thumb = ControlThumb(
      length, arrow_size_, {scroll.nMin, scroll.nMax, static_cast<int>(scroll.nPage), scroll.nPos});
  info.xyThumbTop = thumb.Start;
  info.xyThumbBottom = thumb.End;
  if (!IsWindowEnabled(target_)) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  if (!IsWindowVisible(target_)) info.rgstate[0] |= STATE_SYSTEM_INVISIBLE;
  return true;
}

void TWScrollbar::Place() {
  SCROLLBARINFO info;
  shown_ = QueryBar(info);
  if (!shown_ || !window_) return;
  if ((GetWindowLongPtrW(target_, GWL_STYLE) & WS_VISIBLE) == 0 || BarInvisible(info)) return Hide();
  const TRect bar = BarScreenRect(info);
  POINT client_origin{0, 0};
  ClientToScreen(target_, &client_origin);
  bar_client_rect_ = Offset(bar, -client_origin.x, -client_origin.y);
  length_ = Vertical() ? bar.Height() : bar.Width();
  bar_origin_ = {bar.Left, bar.Top};
  POINT parent_origin{0, 0};
  ClientToScreen(GetParent(target_), &parent_origin);
  const TRect at = OverlayPlacement(bar, parent_origin.x, parent_origin.y);
  // Directly above the target, whatever moved in the z-order since.
  const HWND above = GetWindow(target_, GW_HWNDPREV);
  UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
  if (above == window_.get()) flags |= SWP_NOZORDER;
  SetWindowPos(window_.get(), above != nullptr ? above : HWND_TOP, at.Left, at.Top, at.Width(), at.Height(),
               flags);
  Invalidate();
}

void TWScrollbar::Hide() {
  if (window_) ShowWindow(window_.get(), SW_HIDE);
  shown_ = false;
}

TScrollPart TWScrollbar::HitTest(POINT point) const {
  return ScrollHitTest(Vertical() ? point.y : point.x, length_, arrow_size_, thumb_);
}

void TWScrollbar::ScrollCode(unsigned code) {
  SetHotPart(ScrollPartOfCode(code));
  Invalidate();
}

void TWScrollbar::Invalidate() const {
  if (window_) InvalidateRect(window_.get(), nullptr, FALSE);
}

void TWScrollbar::SetEnabled(bool enabled) const {
  if (window_) EnableWindow(window_.get(), enabled);
}

void TWScrollbar::SetHotPart(TScrollPart part) {
  hot_part_ = part;
}

int TWScrollbar::CursorAlongAxis() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  return Vertical() ? cursor.y : cursor.x;
}

void TWScrollbar::Paint(HDC dc) {
  const TSkinData* data = owner_.SkinData();
  SCROLLBARINFO info;
  if (data == nullptr || !QueryBar(info) || BarInvisible(info)) return;
  const TRect bar = BarScreenRect(info);
  RECT client;
  GetClientRect(window_.get(), &client);
  TScrollBarView view;
  view.Bar = Offset(bar, -bar.Left, -bar.Top);
  view.OverlayWidth = client.right;
  view.OverlayHeight = client.bottom;
  view.Vertical = Vertical();
  view.Enabled = !BarUnavailable(info);
  view.ArrowSize = arrow_size_;
  view.StripHeight = data->Scrollbar ? data->Scrollbar->Bitmap.Height() : 0;
  length_ = Vertical() ? bar.Height() : bar.Width();
  thumb_ = {info.xyThumbTop, info.xyThumbBottom};
  // While the thumb is dragged it follows the cursor, not the position the
  // target has taken so far; a control's thumb follows its position.
  if (pressed_ && hot_part_ == TScrollPart::spThumb && kind_ != skControl) {
    const int moved = CursorAlongAxis() - (Vertical() ? down_cursor_.y : down_cursor_.x);
    thumb_ = TrackedThumb(down_thumb_start_, moved, thumb_.Length(), length_, arrow_size_);
  }
  view.Thumb = thumb_;
  view.HotPart = hot_part_;
  view.Pressed = pressed_;
  PaintScrollBar(dc, 0, 0, view, *data);
}

void TWScrollbar::MouseMove(POINT point) {
  const TScrollPart part = HitTest(point);
  if (part != hot_part_) {
    SetHotPart(part);
    Invalidate();
  }
  if (const TWinSkinDataPart* part_win = owner_.SkinData() ? WinPart(*owner_.SkinData()) : nullptr)
    part_win->TrackMouseLeave(window_.get());
}

void TWScrollbar::MouseLeave() {
  if (pressed_) return;
  SetHotPart(TScrollPart::spNone);
  Invalidate();
}

void TWScrollbar::ButtonDown(POINT point) {
  GetCursorPos(&down_cursor_);
  SCROLLBARINFO info;
  if (QueryBar(info)) {
    thumb_ = {info.xyThumbTop, info.xyThumbBottom};
    down_thumb_start_ = info.xyThumbTop;
    if (kind_ == skControl) {
      down_thumb_start_ = ControlPressThumbStart(
          length_, arrow_size_, static_cast<int>(GetOrdPropByName(target_control_, "Position")),
          static_cast<int>(GetOrdPropByName(target_control_, "Min")),
          static_cast<int>(GetOrdPropByName(target_control_, "Max")),
          static_cast<int>(GetOrdPropByName(target_control_, "PageSize")));
    } else {
      bar_origin_ = {info.rcScrollBar.left, info.rcScrollBar.top};
    }
  }
  SetHotPart(HitTest(point));
  pressed_ = true;
  Invalidate();
  ReleaseCapture();
  // Returns once the system's scroll loop has ended, the button released.
  const std::shared_ptr<bool> alive = alive_;
  if (kind_ == skControl) {
    // The overlay covers the control exactly: its points are the control's.
    SendMessageW(target_, WM_LBUTTONDOWN, MK_LBUTTON, ToLParam(point));
  } else {
    const POINT screen{point.x + bar_origin_.x, point.y + bar_origin_.y};
    SendMessageW(target_, WM_NCLBUTTONDOWN, Vertical() ? HTVSCROLL : HTHSCROLL, ToLParam(screen));
  }
  if (!*alive) return;
  pressed_ = false;
  ReleaseCapture();
  Invalidate();
}

void TWScrollbar::ButtonUp(POINT point) {
  pressed_ = false;
  ReleaseCapture();
  if (kind_ == skControl) {
    PostMessageW(target_, WM_LBUTTONUP, MK_LBUTTON, ToLParam(point));
    Invalidate();
    return;
  }
  const POINT screen{point.x + bar_origin_.x, point.y + bar_origin_.y};
  PostMessageW(target_, WM_NCLBUTTONUP, Vertical() ? HTVSCROLL : HTHSCROLL, ToLParam(screen));
}
