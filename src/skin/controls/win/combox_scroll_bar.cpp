#include "skin/controls/win/combox_scroll_bar.h"

#include "skin/controls/win/scroll_bar_paint.h"
#include "skin/data/model/skin_data.h"

namespace {

// The list box's own message that starts tracking the drop-down selection.
constexpr unsigned kListStartTrack = 0x1AE;

int CursorY() {
  POINT cursor{};
  GetCursorPos(&cursor);
  return cursor.y;
}

}  // namespace

bool TComboxScrollBar::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCMOUSEMOVE:
      // The native bar would light its parts over the skin.
      if (message.WParam == HTHSCROLL || message.WParam == HTVSCROLL) return false;
      return true;
    case WM_NCLBUTTONDOWN:
      return !DragThumb();
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TComboxScrollBar::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case kListStartTrack:
      PaintWindow(nullptr);
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TComboxScrollBar::DrawSkin(HDC dc, const RECT&) {
  SCROLLBARINFO info;
  if (SkinData() == nullptr || !QueryWindowBar(*SkinData(), Handle(), true, info) || BarInvisible(info))
    return;
  const TRect bar = BarScreenRect(info);
  TScrollBarView view;
  view.Bar = Offset(bar, -bar.Left, -bar.Top);
  view.OverlayWidth = bar.Width();
  view.OverlayHeight = bar.Height();
  view.Vertical = true;
  view.Enabled = !BarUnavailable(info);
  view.ArrowSize = arrow_size_;
  view.StripHeight = SkinData()->Scrollbar ? SkinData()->Scrollbar->Bitmap.Height() : 0;
  view.Thumb = {info.xyThumbTop, info.xyThumbBottom};
  PaintScrollBar(dc, bar.Left - WindowRect().left, bar.Top - WindowRect().top, view, *SkinData());
}

bool TComboxScrollBar::DragThumb() {
  SCROLLBARINFO bar;
  if (SkinData() == nullptr || !QueryWindowBar(*SkinData(), Handle(), true, bar)) return false;
  const int p = CursorY() - bar.rcScrollBar.top;
  if (p < bar.xyThumbTop || p > bar.xyThumbBottom) return false;
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof(scroll);
  scroll.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (!GetScrollInfo(Handle(), SB_VERT, &scroll)) return false;
  SetCapture(Handle());
  DragLoop(bar, scroll);
  if (GetCapture() == Handle()) ReleaseCapture();
  return true;
}

void TComboxScrollBar::DragLoop(const SCROLLBARINFO& bar, const SCROLLINFO& scroll) {
  const HWND list = Handle();
  const int down_y = CursorY();
  const int offset0 = bar.xyThumbTop - arrow_size_;
  const int bar_length = bar.rcScrollBar.bottom - bar.rcScrollBar.top;
  const int thumb_length = bar.xyThumbBottom - bar.xyThumbTop;
  const TScrollRange range{scroll.nMin, scroll.nMax, static_cast<int>(scroll.nPage), scroll.nPos};
  int sent = scroll.nPos;
  // The loop ends with the button, and also when the list goes or loses the
  // mouse to someone else: the release would then never come here.
  while (IsWindow(list) && GetCapture() == list) {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (msg.message == WM_NCLBUTTONUP || msg.message == WM_LBUTTONUP) {
      SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, sent), 0);
      PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (msg.message == WM_NCMOUSEMOVE || msg.message == WM_MOUSEMOVE) {
      const int n = offset0 + (CursorY() - down_y);
      const int position = DraggedListPosition(n, range, bar_length, arrow_size_, thumb_length);
      if (position != sent) {
        sent = position;
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
      }
    }
  }
}
