#include "skin/controls/win/scroll_bar_paint.h"

#include "skin/controls/scroll_bar_image.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_data_part_win.h"

bool QueryWindowBar(const TSkinData& data, HWND window, bool vertical, SCROLLBARINFO& info) {
  const TWinSkinDataPart* part = WinPart(data);
  if (part == nullptr || window == nullptr) return false;
  info = {};
  info.cbSize = sizeof(info);
  return part->QueryScrollBarInfo(window, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, info);
}

TRect BarScreenRect(const SCROLLBARINFO& info) {
  return {info.rcScrollBar.left, info.rcScrollBar.top, info.rcScrollBar.right, info.rcScrollBar.bottom};
}

bool BarInvisible(const SCROLLBARINFO& info) {
  return (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) != 0;
}

bool BarUnavailable(const SCROLLBARINFO& info) {
  return (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
}

TColor SkinFaceColour(const TSkinData& data) {
  return data.Environment().SystemColours().Resolve(data.Colours[scButtonFace]);
}

void PaintScrollBar(HDC dc, int x, int y, const TScrollBarView& view, const TSkinData& data) {
  if (!HasScrollBarStrip(data) || !ScrollBarPaintable(view)) return;
  const TScrollBarPaint paint = LayOutScrollBar(view);
  const TSkinBitmap image =
      ComposeScrollBar(paint, view.Vertical, view.Bar.Width(), view.Bar.Height(), data, SkinFaceColour(data));
  if (!image.Empty()) BlitImage(dc, x, y, image);
}
