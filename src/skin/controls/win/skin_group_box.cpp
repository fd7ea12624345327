#include "skin/controls/win/skin_group_box.h"

#include <string>

#include "framework/control.h"
#include "framework/font.h"
#include "framework/win/gdi.h"
#include "skin/controls/group_box_geometry.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/skin_data_part_win.h"
#include "skin/windows/win/paint/draw_text_auto.h"
#include "skin/windows/win/win_subclass.h"

namespace {

RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

}  // namespace

void TSkinGroupBox::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  TSkinControl::AttachControl(form, data, change_color);
  variant_ = Control() != nullptr ? 1 : 0;
}

bool TSkinGroupBox::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  switch (message.Msg) {
    case WM_PAINT:
      if (variant_ != 1) return true;
      PaintMessage(message);
      return false;
    default:
      return true;
  }
}

void TSkinGroupBox::DrawSkin(HDC dc, const RECT& rect) {
  if (Control() == nullptr) {
    // A bare group box has painted itself natively: draw over it.
    DrawFace(dc, rect);
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const HBITMAP bitmap = canvas_.Get(width, height);
  if (bitmap == nullptr) return;
  const MemoryDC memory(bitmap);
  const RECT whole{0, 0, width, height};
  FillSkinColor(memory.get(), whole);
  DrawFace(memory.get(), whole);
  // The whole client area was repainted, labels on the box included.
  PaintGraphicChildren(memory.get());
  BitBlt(dc, rect.left, rect.top, width, height, memory.get(), 0, 0, SRCCOPY);
}

void TSkinGroupBox::DrawFace(HDC dc, const RECT& rect) {
  ReadWindowState();
  std::wstring caption = ReadWindowText(Handle());
  if (caption.empty()) caption = caption_;
  // Made before the DC is saved, so that it is deselected before it is freed.
  const UniquePen pen(CreatePen(PS_SOLID, 1, SkinColour(scButtonShadow)));
  const SavedDC saved(dc);
  SelectObject(dc, CaptionFont());
  if (Control() != nullptr)
    SetTextColor(dc, static_cast<COLORREF>(
                         SkinData()->Environment().SystemColours().Resolve(Control()->Font()->Color())));
  SIZE zero{};
  GetTextExtentPoint32W(dc, L"0", 1, &zero);
  const bool right = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
  const TGroupBoxLayout layout =
      LayOutGroupBox({rect.left, rect.top, rect.right, rect.bottom}, zero.cy, right);

  if (Control() == nullptr) {
    // The native frame sits where the skin's goes; the face brush hides it.
    const TWinSkinDataPart* part = WinPart(*SkinData());
    if (part != nullptr && part->FaceBrush() != nullptr) {
      RECT edge{0, layout.FrameTop, rect.right, rect.bottom};
      FrameRect(dc, &edge, part->FaceBrush());
      InflateRect(&edge, -1, -1);
      FrameRect(dc, &edge, part->FaceBrush());
    }
  }
  SelectObject(dc, pen.get());
  SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
  RoundRect(dc, layout.Frame.Left, layout.Frame.Top, layout.Frame.Right, layout.Frame.Bottom, 5, 5);

  if (caption.empty()) return;
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, SkinColour(scButtonFace));
  RECT text = ToRect(layout.Caption);
  DrawTextAuto(dc, caption, text, layout.CaptionRight ? TextFlags(DT_RIGHT | DT_EXPANDTABS) : DT_EXPANDTABS);
}
