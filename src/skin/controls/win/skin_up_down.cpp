#include "skin/controls/win/skin_up_down.h"

#include <commctrl.h>

#include "framework/win/gdi.h"
#include "skin/controls/combo_box_geometry.h"
#include "skin/controls/control_geometry.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"

namespace {

constexpr int kFrames = 8;

TRect ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

// A small filled triangle pointing `kind` (0 up, 1 down, 2 left, 3 right),
// its middle row or column through (x, y).
void DrawArrow(TSkinBitmap& image, int x, int y, int kind, TColor colour) {
  constexpr int kRows = 3;
  for (int i = 0; i < kRows; ++i) {
    const int spread = kind == 0 || kind == 2 ? i : kRows - 1 - i;
    if (kind <= 1)
      image.FillRect({x - spread, y - 1 + i, x + spread + 1, y + i}, colour);
    else
      image.FillRect({x - 1 + i, y - spread, x + i, y + spread + 1}, colour);
  }
}

// The look without an element: a flat box per half, sunk in the shadow colour
// while pressed or hot.
void DrawFlatHalf(TSkinBitmap& image, const TRect& half, int frame, int kind, TColor face, TColor shadow,
                  TColor dark) {
  const int state = (frame - 1) % 4 + 1;
  image.FillRect(half, dark);
  image.FillRect({half.Left + 1, half.Top + 1, half.Right - 1, half.Bottom - 1},
                 state == 2 || state == 4 ? shadow : face);
  const int x = half.Left + half.Width() / 2;
  int y = half.Top + half.Height() / 2;
  if (kind <= 1) y -= 2;
  DrawArrow(image, x, y, kind, state == 3 ? shadow : dark);
}

}  // namespace

bool TSkinUpDown::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintMessage(message);
      message.Result = 0;
      return false;
    case WM_ERASEBKGND:
      if (Control() == nullptr) {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(message.WParam), &client,
                 static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      }
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The control's own handling starts its auto-repeat and captures the mouse.
      CallDefault(message);
      mouse_state_ |= kMouseDown;
      PaintWindow(nullptr);
      return false;
    case WM_LBUTTONUP:
      mouse_state_ &= static_cast<std::uint8_t>(~kMouseDown);
      CallDefault(message);
      PaintWindow(nullptr);
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT& rect) {
  TRect area{rect.left, rect.top, rect.right, rect.bottom};
  if (buddy_) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    area = UpDownInBuddy(area, ScreenRect(Handle()), ScreenRect(GetParent(Handle())));
  }
  const TColor face = static_cast<TColor>(SkinColour(scButtonFace));
  TSkinBitmap image(area.Width(), area.Height(), face);
  if (image.Empty()) return;

  const bool horizontal = (GetWindowLongPtrW(Handle(), GWL_STYLE) & UDS_HORZ) != 0;
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Handle(), &cursor);
  const auto halves = LayOutUpDown(image.BoundsRect(), horizontal, cursor.x - area.Left, cursor.y - area.Top,
                                   mouse_state_, IsWindowEnabled(Handle()) != 0);
  const TDataSkinBorder* element = horizontal ? SkinData()->UpDownHorz.get() : SkinData()->UpDownVert.get();
  const bool skinned = element != nullptr && !element->Bitmap.Empty();
  for (int i = 0; i < 2; ++i) {
    const TUpDownHalf& half = halves[i];
    if (!skinned) {
      DrawFlatHalf(image, half.Rect, half.Frame, (horizontal ? 2 : 0) + i, face,
                   static_cast<TColor>(SkinColour(scButtonShadow)),
                   static_cast<TColor>(SkinColour(scButtonDkShadow)));
      continue;
    }
    DrawElementStretched(image, half.Rect, element->Bitmap, half.Frame, kFrames, true);
    if (!element->Bitmap2.Empty())
      DrawElementCentred(image, half.Rect, element->Bitmap2, half.Frame, kFrames, true);
  }
  BlitImage(dc, area.Left, area.Top, image);
}
