#include "skin/controls/win/skin_tab_sheet.h"

#include "skin/data/model/skin_definition.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_data_part_win.h"

bool TSkinTabSheet::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  if (variant_ != 0) return true;
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      PaintMessage(message);
      return false;
    case WM_ERASEBKGND: {
      const auto dc = reinterpret_cast<HDC>(message.WParam);
      RECT client;
      GetClientRect(Handle(), &client);
      const TWinSkinDataPart* part = WinPart(*SkinData());
      if (part != nullptr && part->FaceBrush() != nullptr)
        FillRect(dc, &client, part->FaceBrush());
      else
        FillSkinColor(dc, client);
      message.Result = 1;
      return false;
    }
    default:
      return true;
  }
}

void TSkinTabSheet::DrawSkin(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  // Composed off-screen so the labels never flicker over a fresh fill.
  const TDibImage canvas(TSkinBitmap(width, height, static_cast<TColor>(SkinColour(scButtonFace))));
  if (canvas.DC() == nullptr) return;
  PaintGraphicChildren(canvas.DC());
  BitBlt(dc, rect.left, rect.top, width, height, canvas.DC(), 0, 0, SRCCOPY);
}
