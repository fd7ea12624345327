#include "skin/controls/win/skin_tab_btn.h"

#include <commctrl.h>

#include "framework/win/gdi.h"
#include "skin/controls/tab_geometry.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"

namespace {

// Tab texts are read into a buffer of this many characters, the end included.
constexpr int kTextBuffer = 80;

}  // namespace

bool TSkinTabBtn::HasImage() const {
  return SkinData()->Buttons != nullptr && !SkinData()->Buttons->Bitmap.Empty();
}

bool TSkinTabBtn::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!HasImage()) break;
      PaintMessage(message);
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinTabBtn::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasImage()) return;
  const TDataSkinButton& buttons = *SkinData()->Buttons;
  RECT display;
  GetClientRect(Handle(), &display);
  SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const int width = rect.right - rect.left;
  const int height = TabButtonStripHeight(display.top);
  if (width <= 0 || height <= 0) return;

  const int count = static_cast<int>(SendMessageW(Handle(), TCM_GETITEMCOUNT, 0, 0));
  const int focus = static_cast<int>(SendMessageW(Handle(), TCM_GETCURFOCUS, 0, 0));
  const auto face_of = [this](int i) {
    RECT item{};
    if (!SendMessageW(Handle(), TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item))) return TRect{};
    return TabButtonFace({item.left, item.top, item.right, item.bottom});
  };

  // The strip is composed off-screen and copied once: faces first, then the
  // captions, which need GDI.
  TSkinBitmap faces(width, height, static_cast<TColor>(SkinColour(scButtonFace)));
  for (int i = 0; i < count; ++i)
    DrawSkinElement(faces, face_of(i), buttons.Bitmap, buttons.Margins(), i == focus ? 2 : 1, buttons.Frame,
                    buttons.Trans == 1, buttons.Tile == 1, false);
  const TDibImage strip(faces);
  if (strip.DC() == nullptr) return;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
  const SelectedObject selected(
      strip.DC(), font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  const auto& system = SkinData()->Environment().SystemColours();
  for (int i = 0; i < count; ++i) {
    const TRect face = face_of(i);
    wchar_t text[kTextBuffer] = {};
    TCITEMW tab_item{};
    tab_item.mask = TCIF_TEXT;
    tab_item.pszText = text;
    tab_item.cchTextMax = kTextBuffer;
    if (face.Width() <= 0 || !SendMessageW(Handle(), TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&tab_item)))
      continue;
    const bool pressed = i == focus;
    COLORREF colour = RGB(0, 0, 0);
    if (!pressed && buttons.HasNormalColour2)
      colour = static_cast<COLORREF>(system.Resolve(buttons.NormalColour2));
    if (pressed && buttons.HasPressedColour2)
      colour = static_cast<COLORREF>(system.Resolve(buttons.PressedColour2));
    SetTextColor(strip.DC(), colour);
    // The window's tab images are not a framework image list: captions only.
    DrawImageCaption(strip.DC(), {face.Left, face.Top, face.Right, face.Bottom}, THeaderAlign::haCenter, text,
                     -1, nullptr);
  }
  BitBlt(dc, rect.left, rect.top, width, height, strip.DC(), 0, 0, SRCCOPY);
}
