#include "skin/windows/win/menu_item_paint.h"

#include "framework/win/gdi.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/windows/menu_layout.h"

namespace {

// How far the device context's origin lies inside its window: systems give a
// menu's items a client device context (inside the 3-pixel frame) or the
// window's own.
POINT OffsetInWindow(HDC dc) {
  POINT origin{0, 0};
  RECT window{};
  HWND owner = WindowFromDC(dc);
  if (owner == nullptr || !GetDCOrgEx(dc, &origin) || !GetWindowRect(owner, &window)) return {3, 3};
  return {origin.x - window.left, origin.y - window.top};
}
// OBM_CHECK, which <windows.h> names only with OEMRESOURCE.
constexpr WORD kCheckBitmap = 0x7FF8;

COLORREF Colour(const TSkinData& data, int slot) {
  return static_cast<COLORREF>(data.Environment().SystemColours().Resolve(data.Colours[slot]));
}

std::wstring Measurable(const std::wstring& caption) {
  return caption.empty() || caption == L"&" ? std::wstring(L" ") : caption;
}

// The system's check mark, black, leaving the rest of the square as it is.
void DrawCheckMark(HDC dc, const TRect& square, const RECT& item) {
  const UniqueBitmap check(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckBitmap)));
  if (!check) return;
  BITMAP info{};
  GetObjectW(check.get(), sizeof(info), &info);
  const HDC source = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(source, check.get());
  const int x = square.Left + (square.Width() - info.bmWidth) / 2;
  const int y = item.top + ((item.bottom - item.top) - info.bmHeight) / 2;
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCAND);
  SelectObject(source, old);
  DeleteDC(source);
}

void DrawGlyph(HDC dc, const TRect& square, const RECT& item, const TMenuItemLook& look,
               const TSkinData& data, HIMAGELIST images) {
  const bool has_image =
      images != nullptr && look.ImageIndex >= 0 && look.ImageIndex < ImageList_GetImageCount(images);
  if (has_image) {
    if (look.Checked) {
      // A dither of face and highlight, sunk: the checked state of an item with an image.
      const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
      const UniqueBitmap bits(CreateBitmap(8, 8, 1, 1, pattern));
      const UniqueBrush brush(CreatePatternBrush(bits.get()));
      RECT r{square.Left, square.Top, square.Right, square.Bottom};
      SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
      SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      FillRect(dc, &r, brush.get());
      DrawEdge(dc, &r, BDR_SUNKENINNER, BF_RECT);
    }
    int cx = 16, cy = 16;
    ImageList_GetIconSize(images, &cx, &cy);
    ImageList_DrawEx(images, look.ImageIndex, dc, square.Left + (square.Width() - cx) / 2,
                     square.Top + (square.Height() - cy) / 2, 0, 0, CLR_NONE, CLR_DEFAULT,
                     look.Enabled ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50);
    return;
  }
  (void)data;
  if (look.Checked) DrawCheckMark(dc, square, item);
}

void DrawContent(HDC dc, const RECT& item, const TMenuItemLook& look, const TSkinData& data,
                 const TMenuItemCanvas& canvas, bool has_element, int left_width) {
  int image_width = 0;
  if (canvas.Images != nullptr) {
    int cy = 0;
    ImageList_GetIconSize(canvas.Images, &image_width, &cy);
  }
  const std::wstring text = Measurable(look.Caption);
  const UniqueFont font(CreateMenuFont(look.Default));
  const SelectedObject selected(dc, font.get());
  RECT measure{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure,
            DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  const TRect item_rect{item.left, item.top, item.right, item.bottom};
  const TMenuItemLayout layout = LayoutMenuItem(item_rect, image_width, look.Checked, has_element, left_width,
                                                canvas.RightToLeft, measure.right);
  SetBkMode(dc, TRANSPARENT);
  if (look.Caption == L"-") {
    RECT line{layout.Text.Left, layout.SeparatorY, layout.Text.Right, layout.SeparatorY + 2};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  DrawGlyph(dc, layout.Glyph, item, look, data, canvas.Images);
  COLORREF colour = Colour(data, look.Selected ? scHilightText : scMenuText);
  if (!look.Enabled) {
    colour = data.Colours[scButtonShadow] == data.Colours[scMenuText] ? GetSysColor(COLOR_GRAYTEXT)
                                                                      : Colour(data, scButtonShadow);
  }
  SetTextColor(dc, colour);
  const UINT direction = canvas.RightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
  RECT text_rect{layout.Text.Left, layout.Text.Top, layout.Text.Right, layout.Text.Bottom};
  DrawTextW(dc, look.Caption.c_str(), static_cast<int>(look.Caption.size()), &text_rect,
            DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | direction);
  if (!look.ShortCut.empty()) {
    RECT shortcut{layout.Shortcut.Left, layout.Shortcut.Top, layout.Shortcut.Right, layout.Shortcut.Bottom};
    DrawTextW(dc, look.ShortCut.c_str(), static_cast<int>(look.ShortCut.size()), &shortcut,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (canvas.RightToLeft ? DT_LEFT : DT_RIGHT));
  }
}

}  // namespace

HFONT CreateMenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(metrics.lfMenuFont), &metrics.lfMenuFont);
  }
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return CreateFontIndirectW(&metrics.lfMenuFont);
}

SIZE MeasureMenuText(const std::wstring& caption, bool bold) {
  const std::wstring text = Measurable(caption);
  const WindowDC screen(nullptr);
  const UniqueFont font(CreateMenuFont(bold));
  const SelectedObject selected(screen.get(), font.get());
  RECT r{0, 0, 0, 0};
  DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  return {r.right, r.bottom};
}

void SplitMenuText(const std::wstring& text, TMenuItemLook& look) {
  const std::size_t tab = text.find(L'\t');
  look.Caption = text.substr(0, tab);
  look.ShortCut = tab != std::wstring::npos ? text.substr(tab + 1) : std::wstring();
}

SIZE MeasureMenuItemText(const TMenuItemLook& look) {
  // Enough that a shortcut drawn right-aligned stays clear of the caption.
  constexpr int kShortcutGap = 16;
  SIZE size = MeasureMenuText(look.Caption, look.Default);
  if (!look.ShortCut.empty()) size.cx += kShortcutGap + MeasureMenuText(look.ShortCut).cx;
  return size;
}

void PaintMenuItem(HDC dc, const RECT& rect, const TMenuItemLook& look, const TSkinData& data,
                   const TMenuItemCanvas& canvas) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const TDataSkinObject* element =
      data.MenuItem && !data.MenuItem->Bitmap.Empty() ? data.MenuItem.get() : nullptr;
  const TColor menu = data.Environment().SystemColours().Resolve(data.Colours[scMenu]);
  TSkinBitmap image(width, height, menu);
  if (element == nullptr) {
    if (look.Selected)
      image = TSkinBitmap(width, height, data.Environment().SystemColours().Resolve(data.Colours[scHilight]));
  } else {
    if (canvas.PopupBackground != nullptr) {
      const POINT at = OffsetInWindow(dc);
      image = CropImage(*canvas.PopupBackground, Bounds(rect.left + at.x, rect.top + at.y, width, height));
    }
    const TRect local{0, 0, width, height};
    if (look.Caption == L"-") {
      const int frame_width = element->Bitmap.Width() / 5;
      const TSeparatorPlacement p = PlaceMenuSeparator(local, frame_width, element->Bitmap.Height(),
                                                       element->LeftWidth, element->RightWidth);
      TSkinBitmap separator(width, height, clFuchsia);
      StretchCopy(separator, p.DestLeft, element->Bitmap, p.SourceLeft);
      StretchCopy(separator, p.DestMiddle, element->Bitmap, p.SourceMiddle);
      StretchCopy(separator, p.DestRight, element->Bitmap, p.SourceRight);
      TransparentBlit(image, local, separator, clFuchsia);
    } else {
      DrawSkinElement(image, local, element->Bitmap, element->Margins(), look.Selected ? 4 : 1, 5,
                      element->Trans != 0, element->Tile != 0, false);
    }
  }
  TDibImage composed(image);
  if (composed.DC() == nullptr) return;
  if (element == nullptr || look.Caption != L"-") {
    const RECT local{0, 0, width, height};
    DrawContent(composed.DC(), local, look, data, canvas, element != nullptr,
                element ? element->LeftWidth : 0);
  }
  BitBlt(dc, rect.left, rect.top, width, height, composed.DC(), 0, 0, SRCCOPY);
}
